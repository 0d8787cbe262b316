// The registry reads and writes of platform/registry.h.
#pragma once

#include <string>

#include <windows.h>

#include "platform/registry.h"
#include "win32/handles.h"

namespace win32 {

// An existing key opened for reading (or for setting values); empty when
// it cannot be opened.
OwnedKey OpenRegistryKey(platform::RegistryRoot root, const char* path, REGSAM access = KEY_READ);

class Win32Registry final : public platform::Registry {
public:
    bool ValueNames(platform::RegistryRoot root, const std::string& key, std::vector<std::string>& names) override;
    bool SubKeyNames(platform::RegistryRoot root, const std::string& key, std::vector<std::string>& names) override;
    bool ReadString(platform::RegistryRoot root, const std::string& key, const std::string& name,
                    std::string& value) override;
    platform::RegistryRead ReadValue(platform::RegistryRoot root, const std::string& key, const std::string& name,
                                     platform::RegistryValue& value) override;
    bool WriteString(platform::RegistryRoot root, const std::string& key, const std::string& name,
                     const std::string& value) override;
    bool WriteBinary(platform::RegistryRoot root, const std::string& key, const std::string& name,
                     const std::vector<uint8_t>& data) override;
    bool DeleteValue(platform::RegistryRoot root, const std::string& key, const std::string& name) override;
};

} // namespace win32
