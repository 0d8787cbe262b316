#include "win32/win32_registry.h"

#include <windows.h>

#include <algorithm>

#include "win32/handles.h"

namespace win32 {
namespace {

HKEY Base(platform::RegistryRoot root)
{
    switch (root) {
    case platform::RegistryRoot::DynData: return HKEY_DYN_DATA;
    case platform::RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    case platform::RegistryRoot::LocalMachine: break;
    }
    return HKEY_LOCAL_MACHINE;
}

bool SetValue(platform::RegistryRoot root, const std::string& key, const std::string& name, DWORD type,
              const BYTE* data, size_t size)
{
    const OwnedKey open = OpenRegistryKey(root, key.c_str(), KEY_SET_VALUE);
    return open.Get() &&
           RegSetValueExA(open.Get(), name.c_str(), 0, type, data, static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

} // namespace

OwnedKey OpenRegistryKey(platform::RegistryRoot root, const char* path, REGSAM access)
{
    HKEY key = nullptr;
    return OwnedKey(RegOpenKeyExA(Base(root), path, 0, access, &key) == ERROR_SUCCESS ? key : nullptr);
}

bool Win32Registry::SubKeyNames(platform::RegistryRoot root, const std::string& key, std::vector<std::string>& names)
{
    names.clear();
    const OwnedKey open = OpenRegistryKey(root, key.c_str());
    if (!open.Get())
        return false;
    // RegEnumKeyA is the one Windows 95 and NT 4 share without a class buffer.
    for (DWORD index = 0;; ++index) {
        char name[MAX_PATH + 1] = {};
        if (RegEnumKeyA(open.Get(), index, name, sizeof name) != ERROR_SUCCESS)
            break;
        names.emplace_back(name);
    }
    return true;
}

platform::RegistryRead Win32Registry::ReadValue(platform::RegistryRoot root, const std::string& key,
                                                const std::string& name, platform::RegistryValue& value)
{
    value = {};
    const OwnedKey open = OpenRegistryKey(root, key.c_str());
    if (!open.Get())
        return platform::RegistryRead::NoKey;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(open.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return platform::RegistryRead::NoValue;
    value.Data.resize(size);
    if (RegQueryValueExA(open.Get(), name.c_str(), nullptr, &type, value.Data.data(), &size) != ERROR_SUCCESS)
        return platform::RegistryRead::NoValue;
    // The size the second query reports is what was copied.
    value.Data.resize(std::min<size_t>(size, value.Data.size()));
    value.Type = type;
    return platform::RegistryRead::Found;
}

bool Win32Registry::WriteString(platform::RegistryRoot root, const std::string& key, const std::string& name,
                                const std::string& value)
{
    return SetValue(root, key, name, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), value.size() + 1);
}

bool Win32Registry::WriteBinary(platform::RegistryRoot root, const std::string& key, const std::string& name,
                                const std::vector<uint8_t>& data)
{
    return SetValue(root, key, name, REG_BINARY, data.data(), data.size());
}

bool Win32Registry::DeleteValue(platform::RegistryRoot root, const std::string& key, const std::string& name)
{
    const OwnedKey open = OpenRegistryKey(root, key.c_str(), KEY_SET_VALUE);
    return open.Get() && RegDeleteValueA(open.Get(), name.c_str()) == ERROR_SUCCESS;
}

bool Win32Registry::ValueNames(platform::RegistryRoot root, const std::string& key, std::vector<std::string>& names)
{
    names.clear();
    const OwnedKey open = OpenRegistryKey(root, key.c_str());
    if (!open.Get())
        return false;
    for (DWORD index = 0;; ++index) {
        char name[256] = {};
        DWORD length = sizeof name;
        const LONG result = RegEnumValueA(open.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_MORE_DATA)
            continue; // a name longer than any the pages use
        if (result != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return true;
}

bool Win32Registry::ReadString(platform::RegistryRoot root, const std::string& key, const std::string& name,
                               std::string& value)
{
    value.clear();
    const OwnedKey open = OpenRegistryKey(root, key.c_str());
    if (!open.Get())
        return false;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(open.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
        return false;
    std::string data(size, '\0');
    if (RegQueryValueExA(open.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        return false;
    // The stored data may or may not end in a NUL; the text ends at the first.
    data.resize(std::min<size_t>(size, data.size()));
    value.assign(data.c_str());
    return true;
}

} // namespace win32
