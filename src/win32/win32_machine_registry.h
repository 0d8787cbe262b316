// The machine's registry (HKEY_LOCAL_MACHINE), read only.
#pragma once

#include "platform/machine_registry.h"

namespace win32 {

class Win32MachineRegistry final : public platform::MachineRegistry {
public:
    std::optional<std::string> ReadText(const std::string& key, const std::string& value) override;
};

} // namespace win32
