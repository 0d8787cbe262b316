// Text values of the machine's registry (HKEY_LOCAL_MACHINE): the computer
// name and the dial-up networking version the information page shows.
#pragma once

#include <optional>
#include <string>

namespace platform {

class MachineRegistry {
public:
    virtual ~MachineRegistry() = default;
    // A value of a key below HKEY_LOCAL_MACHINE: nullopt when the key does
    // not open for reading, empty when it has no such text value.
    virtual std::optional<std::string> ReadText(const std::string& key, const std::string& value) = 0;
};

} // namespace platform
