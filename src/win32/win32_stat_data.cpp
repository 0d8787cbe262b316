#include "win32/win32_stat_data.h"

#include <cstring>

namespace win32 {

bool Win32StatDataKey::Open()
{
    key_ = OpenRegistryKey(platform::RegistryRoot::DynData, "PerfStats\\StatData");
    return static_cast<bool>(key_);
}

platform::StatValue Win32StatDataKey::Read(const std::string& name)
{
    platform::StatValue value;
    if (!key_)
        return value;
    DWORD type = 0;
    DWORD size = 0;
    // First the type and length alone, then the data when it fits.
    if (RegQueryValueExA(key_.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return value;
    value.Found = true;
    value.Binary = type == REG_BINARY;
    value.Size = size;
    if (size <= sizeof value.Data) {
        BYTE data[sizeof value.Data] = {};
        DWORD got = sizeof data;
        if (RegQueryValueExA(key_.Get(), name.c_str(), nullptr, &type, data, &got) != ERROR_SUCCESS ||
            got > sizeof data)
            return {};
        std::memcpy(value.Data, data, got);
        value.Binary = type == REG_BINARY;
        value.Size = got;
    }
    return value;
}

} // namespace win32
