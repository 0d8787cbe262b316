#include "win32/win32_events.h"

#include <mmsystem.h>

#include <algorithm>

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

bool Win32LogFiles::ReadTail(const std::string& path, size_t maxBytes, std::string& data)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    // Counted back from the end, so a log of any size reads the same few bytes.
    const DWORD size = GetFileSize(file, nullptr);
    const DWORD wanted = size == INVALID_FILE_SIZE ? 0 : static_cast<DWORD>(std::min<size_t>(size, maxBytes));
    data.assign(wanted, '\0');
    DWORD got = 0;
    const bool ok = size != INVALID_FILE_SIZE &&
                    SetFilePointer(file, -static_cast<LONG>(wanted), nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
                    (wanted == 0 || ReadFile(file, data.data(), wanted, &got, nullptr));
    data.resize(ok ? got : 0);
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
