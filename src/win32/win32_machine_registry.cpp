#include "win32/win32_machine_registry.h"

#include <windows.h>

#include <vector>

namespace win32 {

std::optional<std::string> Win32MachineRegistry::ReadText(const std::string& key, const std::string& value)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return std::nullopt;
    std::string text;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(handle, value.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0) {
        std::vector<char> data(size + 1, '\0');
        if (RegQueryValueExA(handle, value.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) ==
            ERROR_SUCCESS)
            text = data.data(); // up to the first NUL, stored or not
    }
    RegCloseKey(handle);
    return text;
}

} // namespace win32
