// The registry reads and writes of platform/registry.h.
#pragma once

#include <string>

#include <windows.h>

#include "platform/registry.h"

namespace win32 {

// An existing key opened for reading (or for setting values), closed on
// every path; Get() is null when it did not open.
class RegistryKey {
public:
    RegistryKey(platform::RegistryRoot root, const std::string& path, REGSAM access = KEY_READ);
    ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

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
