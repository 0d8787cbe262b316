// The dial-up statistics that Windows 95/98/ME publishes under
// HKEY_DYN_DATA "PerfStats\StatData", read value by value with their type.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

struct StatValue {
    bool Found = false;  // the value exists
    bool Binary = false; // of the binary type (REG_BINARY)
    uint32_t Size = 0;   // its length in bytes
    uint8_t Data[4] = {}; // its first bytes, up to four; the rest zero
};

class StatDataKey {
public:
    virtual ~StatDataKey() = default;
    // Opens "PerfStats\StatData" for reading, without creating it.
    virtual bool Open() = 0;
    virtual StatValue Read(const std::string& name) = 0;
    virtual void Close() = 0;
};

} // namespace platform
