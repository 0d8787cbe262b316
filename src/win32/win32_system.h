// The running system, the clock and message boxes on Win32.
#pragma once

#include <windows.h>

#include "platform/clock.h"
#include "platform/launcher.h"
#include "platform/message_box.h"
#include "platform/system_info.h"
#include "win32/handles.h"

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
    bool Exec(const std::string& commandLine, platform::ShowState show) override;
    bool ExecWatched(const std::string& commandLine, platform::ShowState show) override;
    bool WatchedRunning() override;

private:
    OwnedHandle watched_; // the process ExecWatched started
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

} // namespace win32
