// The system registry: the values and sub-keys of a key under
// HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER or HKEY_DYN_DATA, and the few
// writes the settings dialog makes to keys that already exist.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

enum class RegistryRoot : uint8_t { LocalMachine, DynData, CurrentUser };

// A value's registry type, as the system numbers them.
enum RegistryType : uint32_t { RegistryString = 1, RegistryBinary = 3, RegistryDword = 4 };

// A value as stored: its type and its bytes (the size is Data.size()).
struct RegistryValue {
    uint32_t Type = 0;
    std::vector<uint8_t> Data;
};

enum class RegistryRead : uint8_t { NoKey, NoValue, Found };

class Registry {
public:
    virtual ~Registry() = default;
    // The names of the key's values; false when the key does not open.
    virtual bool ValueNames(RegistryRoot root, const std::string& key, std::vector<std::string>& names) = 0;
    // The names of the key's sub-keys; false when the key does not open.
    virtual bool SubKeyNames(RegistryRoot root, const std::string& key, std::vector<std::string>& names) = 0;
    // A string value (REG_SZ); false when the key does not open or holds
    // no string value of that name.
    virtual bool ReadString(RegistryRoot root, const std::string& key, const std::string& name, std::string& value) = 0;
    // A value of any type, with its type and size.
    virtual RegistryRead ReadValue(RegistryRoot root, const std::string& key, const std::string& name,
                                   RegistryValue& value) = 0;

    // Writes into an existing key (none is created); false when the key
    // does not open for writing or the system refuses the change.
    virtual bool WriteString(RegistryRoot root, const std::string& key, const std::string& name,
                             const std::string& value) = 0;
    virtual bool WriteBinary(RegistryRoot root, const std::string& key, const std::string& name,
                             const std::vector<uint8_t>& data) = 0;
    // False also when there was no such value.
    virtual bool DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) = 0;
};

} // namespace platform
