// Shutting Windows down after an automatic disconnection: the power state,
// the shutdown privilege on NT and the power-off exit.
#pragma once

#include <windows.h>

#include "platform/power.h"
#include "win32/handles.h"

namespace win32 {

class Win32Power final : public platform::Power {
public:
    bool SetSystemPowerState() override;
    bool OpenProcessToken() override;
    bool SetShutdownPrivilege(bool enabled) override;
    bool ExitWindowsPowerOff() override;
    void CloseProcessToken() override;

private:
    OwnedHandle token_;
};

} // namespace win32
