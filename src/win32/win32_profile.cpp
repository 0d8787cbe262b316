#include "win32/win32_profile.h"

#include <windows.h>

namespace win32 {

Win32Profile::Win32Profile(std::string fileName) : fileName_(std::move(fileName)) {}

std::string Win32Profile::ReadString(std::string_view section, std::string_view key, std::string_view def)
{
    char buffer[2048];
    const std::string s(section), k(key), d(def);
    DWORD n = GetPrivateProfileStringA(s.c_str(), k.c_str(), d.c_str(), buffer, sizeof buffer, fileName_.c_str());
    return std::string(buffer, n);
}

bool Win32Profile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string s(section), k(key), v(value);
    return WritePrivateProfileStringA(s.c_str(), k.c_str(), v.c_str(), fileName_.c_str()) != FALSE;
}

std::string Win32Profile::Path() const
{
    if (fileName_.find_first_of("\\/") != std::string::npos)
        return fileName_;
    char dir[MAX_PATH];
    UINT n = GetWindowsDirectoryA(dir, sizeof dir);
    if (n == 0 || n >= sizeof dir)
        return fileName_;
    std::string path(dir, n);
    if (path.back() != '\\')
        path += '\\';
    return path + fileName_;
}

} // namespace win32
