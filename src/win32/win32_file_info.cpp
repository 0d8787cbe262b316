#include "win32/win32_file_info.h"

#include <windows.h>
#include <shellapi.h>

#include "settings/date_time.h"
#include "win32/handles.h"

namespace win32 {

bool Win32FileQuery::Find(const std::string& path, platform::FileInfo& info)
{
    // A pattern would find the first file it matches.
    if (path.find_first_of("*?") != std::string::npos)
        return false;
    WIN32_FIND_DATAA data;
    if (!OwnedFind(FindFirstFileA(path.c_str(), &data)))
        return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return false;
    info.Size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    FILETIME local;
    SYSTEMTIME t;
    info.Modified = 0;
    if (FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) && FileTimeToSystemTime(&local, &t))
        info.Modified = EncodeDateTime({t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds});
    return true;
}

std::vector<std::string> Win32FileQuery::Matching(const std::string& pattern)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    const OwnedFind search(FindFirstFileA(pattern.c_str(), &found));
    if (!search)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.emplace_back(found.cFileName);
    } while (FindNextFileA(search.Get(), &found));
    return names;
}

bool Win32FileQuery::CanOpenForReading(const std::string& path)
{
    return static_cast<bool>(OpenToRead(path));
}

std::string Win32FileQuery::ShortPath(const std::string& path)
{
    char buffer[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : path;
}

std::string Win32FileQuery::AssociatedProgram(const std::string& file)
{
    char program[MAX_PATH] = {};
    const auto result = reinterpret_cast<INT_PTR>(FindExecutableA(file.c_str(), nullptr, program));
    return result > 32 ? std::string(program) : std::string();
}

bool Win32FileQuery::Remove(const std::string& path)
{
    return ::DeleteFileA(path.c_str()) != FALSE;
}

} // namespace win32
