// The event actions' and the automatic disconnect's services on Win32: the
// sounds, the two logs and the power-down.
#pragma once

#include <windows.h>

#include "platform/log_files.h"
#include "platform/power.h"
#include "platform/sound.h"

namespace win32 {

class Win32EventSound final : public platform::EventSound {
public:
    void PlayFile(const std::string& path) override;
    void Beep() override;
};

class Win32LogFiles final : public platform::LogFiles {
public:
    bool ReadTail(const std::string& path, size_t maxBytes, std::string& data) override;
    bool Append(const std::string& path, const std::string& text) override;
};

class Win32Power final : public platform::Power {
public:
    ~Win32Power() override { CloseProcessToken(); }
    bool SetSystemPowerState() override;
    bool OpenProcessToken() override;
    bool SetShutdownPrivilege(bool enabled) override;
    bool ExitWindowsPowerOff() override;
    void CloseProcessToken() override;

private:
    HANDLE token_ = nullptr;
};

} // namespace win32
