// The registry reads of platform/registry.h.
#pragma once

#include "platform/registry.h"

namespace win32 {

class Win32Registry final : public platform::Registry {
public:
    bool ValueNames(platform::RegistryRoot root, const std::string& key, std::vector<std::string>& names) override;
    bool ReadString(platform::RegistryRoot root, const std::string& key, const std::string& name,
                    std::string& value) override;
};

} // namespace win32
