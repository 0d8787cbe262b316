// The running system, the clock, message boxes and GDI fonts on Win32.
#pragma once

#include <windows.h>

#include "platform/clock.h"
#include "platform/launcher.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/system_info.h"

namespace win32 {

class Win32SystemInfo final : public platform::SystemInfo {
public:
    platform::OsVersion GetVersion() override;
    platform::WorkArea GetWorkArea() override;
    platform::CaptionFont GetCaptionFont() override;
    uint32_t CaptionTextColour() override;
    uint32_t ActiveCaptionColour() override;
    std::string ProgramPath() override;
    std::string ShortProgramPath() override;
    std::string SystemDirectory() override;
    std::string WindowsDirectory() override;
};

class Win32Launcher final : public platform::ProcessLauncher {
public:
    Win32Launcher() = default;
    Win32Launcher(const Win32Launcher&) = delete;
    Win32Launcher& operator=(const Win32Launcher&) = delete;
    ~Win32Launcher() override;
    bool Exec(const std::string& commandLine, platform::ShowState show) override;
    bool ExecWatched(const std::string& commandLine, platform::ShowState show) override;
    bool WatchedRunning() override;

private:
    HANDLE watched_ = nullptr;
};

class Win32Clock final : public platform::Clock {
public:
    double Now() override;
    uint32_t TickCount() override;
};

class Win32MessageBoxes final : public platform::MessageBoxes {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    platform::MbResult Show(const std::string& text, const std::string& caption, platform::MbButtons buttons,
                            platform::MbIcon icon) override;

private:
    HWND owner_ = nullptr;
};

// Fonts for the displays; LOGPIXELSY comes from the memory device context
// made from the main window.
class Win32Fonts final : public platform::FontFactory {
public:
    void SetDeviceContext(HDC dc) { dc_ = dc; }
    platform::FontHandle Create(const platform::FontParams& params) override;
    void Delete(platform::FontHandle font) override;
    int32_t LogPixelsY() override;

private:
    HDC dc_ = nullptr;
};

} // namespace win32
