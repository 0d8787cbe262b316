#include "win32/win32_power.h"

namespace win32 {

bool Win32Power::SetSystemPowerState()
{
    // Not every Windows NT 4 has it: looked up, never imported.
    using Fn = BOOL(WINAPI*)(BOOL, BOOL);
    HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
    auto call = kernel ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(kernel, "SetSystemPowerState")))
                       : nullptr;
    return call && call(FALSE, FALSE);
}

bool Win32Power::OpenProcessToken()
{
    CloseProcessToken();
    return ::OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token_) != FALSE;
}

bool Win32Power::SetShutdownPrivilege(bool enabled)
{
    TOKEN_PRIVILEGES privileges{};
    if (!token_ || !LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid))
        return false;
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = enabled ? SE_PRIVILEGE_ENABLED : 0;
    return AdjustTokenPrivileges(token_, FALSE, &privileges, 0, nullptr, nullptr) && GetLastError() == ERROR_SUCCESS;
}

bool Win32Power::ExitWindowsPowerOff()
{
    return ExitWindowsEx(EWX_POWEROFF, 16) != FALSE;
}

void Win32Power::CloseProcessToken()
{
    if (token_) {
        CloseHandle(token_);
        token_ = nullptr;
    }
}

} // namespace win32
