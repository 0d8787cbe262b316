// Switching the computer off after an automatic hang-up.
#pragma once

namespace platform {

class Power {
public:
    virtual ~Power() = default;
    // Windows 95/98/ME: SetSystemPowerState(FALSE, FALSE).
    virtual bool SetSystemPowerState() = 0;
    // Windows NT/2000: the process token opened for adjusting and querying
    // privileges; false when it cannot be opened.
    virtual bool OpenProcessToken() = 0;
    // Enables (or disables) "SeShutdownPrivilege" on that token.
    virtual bool SetShutdownPrivilege(bool enabled) = 0;
    // ExitWindowsEx(EWX_POWEROFF, 16).
    virtual bool ExitWindowsPowerOff() = 0;
    // Closes the token.
    virtual void CloseProcessToken() = 0;
};

} // namespace platform
