#include "win32/win32_events.h"

#include <mmsystem.h>

namespace win32 {

void Win32EventSound::PlayFile(const std::string& path)
{
    // No SND_NODEFAULT: a missing file gives the system's default sound.
    PlaySoundA(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC);
}

void Win32EventSound::Beep()
{
    MessageBeep(0);
}

bool Win32LogFiles::Read(const std::string& path, std::string& data)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    data.clear();
    char buffer[4096];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0)
        data.append(buffer, got);
    CloseHandle(file);
    return ok;
}

bool Win32LogFiles::Append(const std::string& path, const std::string& text)
{
    // OPEN_ALWAYS creates a missing file and leaves an existing one as it
    // is; a file another program holds is refused, never replaced.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
                    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                    written == text.size();
    return CloseHandle(file) && ok;
}

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
