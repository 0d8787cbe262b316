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
    HANDLE token = nullptr;
    const bool opened = ::OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token) != FALSE;
    token_.Reset(opened ? token : nullptr);
    return opened;
}

bool Win32Power::SetShutdownPrivilege(bool enabled)
{
    TOKEN_PRIVILEGES privileges{};
    if (!token_ || !LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid))
        return false;
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = enabled ? SE_PRIVILEGE_ENABLED : 0;
    return AdjustTokenPrivileges(token_.Get(), FALSE, &privileges, 0, nullptr, nullptr) &&
           GetLastError() == ERROR_SUCCESS;
}

bool Win32Power::ExitWindowsPowerOff()
{
    return ExitWindowsEx(EWX_POWEROFF, 16) != FALSE;
}

void Win32Power::CloseProcessToken()
{
    token_.Reset();
}

} // namespace win32
