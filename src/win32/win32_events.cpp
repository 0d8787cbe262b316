#include "win32/win32_events.h"

#include <mmsystem.h>

#include <algorithm>

#include "win32/handles.h"

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
    const OwnedFile opened = OpenToRead(path);
    if (!opened)
        return false;
    const HANDLE file = opened.Get();
    // Counted back from the end, so a log of any size reads the same few bytes.
    const DWORD size = GetFileSize(file, nullptr);
    const DWORD wanted = size == INVALID_FILE_SIZE ? 0 : static_cast<DWORD>(std::min<size_t>(size, maxBytes));
    data.assign(wanted, '\0');
    DWORD got = 0;
    const bool ok = size != INVALID_FILE_SIZE &&
                    SetFilePointer(file, -static_cast<LONG>(wanted), nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
                    (wanted == 0 || ReadFile(file, data.data(), wanted, &got, nullptr));
    data.resize(ok ? got : 0);
    return ok;
}

bool Win32LogFiles::Append(const std::string& path, const std::string& text)
{
    // OPEN_ALWAYS creates a missing file and leaves an existing one as it
    // is; a file another program holds is refused, never replaced.
    OwnedFile file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    const bool ok = SetFilePointer(file.Get(), 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
                    WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                    written == text.size();
    // A failed close fails the append, as a failed write does.
    const bool closed = CloseHandle(file.Release()) != FALSE;
    return closed && ok;
}

} // namespace win32
