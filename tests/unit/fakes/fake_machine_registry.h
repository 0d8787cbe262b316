// The machine's registry as a map of keys to their text values.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/machine_registry.h"

namespace fakes {

class MachineRegistry : public platform::MachineRegistry {
public:
    std::map<std::string, std::map<std::string, std::string>> Keys;
    int Reads = 0;

    std::optional<std::string> ReadText(const std::string& key, const std::string& value) override
    {
        ++Reads;
        const auto k = Keys.find(key);
        if (k == Keys.end())
            return std::nullopt;
        const auto v = k->second.find(value);
        return v == k->second.end() ? std::string() : v->second;
    }
};

} // namespace fakes
