// Reading the system registry: the string values and value names of a key
// under HKEY_LOCAL_MACHINE or HKEY_DYN_DATA, opened for reading only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

enum class RegistryRoot : uint8_t { LocalMachine, DynData };

class Registry {
public:
    virtual ~Registry() = default;
    // The names of the key's values; false when the key does not open.
    virtual bool ValueNames(RegistryRoot root, const std::string& key, std::vector<std::string>& names) = 0;
    // A string value (REG_SZ); false when the key does not open or holds
    // no string value of that name.
    virtual bool ReadString(RegistryRoot root, const std::string& key, const std::string& name, std::string& value) = 0;
};

} // namespace platform
