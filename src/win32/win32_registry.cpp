#include "win32/win32_registry.h"

#include <windows.h>

#include <algorithm>

namespace win32 {
namespace {

// A key opened for reading, closed on every path.
class ReadKey {
public:
    ReadKey(platform::RegistryRoot root, const std::string& path)
    {
        HKEY base = root == platform::RegistryRoot::DynData ? HKEY_DYN_DATA : HKEY_LOCAL_MACHINE;
        if (RegOpenKeyExA(base, path.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~ReadKey()
    {
        if (key_)
            RegCloseKey(key_);
    }
    ReadKey(const ReadKey&) = delete;
    ReadKey& operator=(const ReadKey&) = delete;
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

} // namespace

bool Win32Registry::ValueNames(platform::RegistryRoot root, const std::string& key, std::vector<std::string>& names)
{
    names.clear();
    ReadKey open(root, key);
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
    ReadKey open(root, key);
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
