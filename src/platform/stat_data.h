// The dial-up statistics that Windows 95/98/ME publishes under
// HKEY_DYN_DATA "PerfStats\StatData", read value by value with their type.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

struct StatValue {
    bool Found = false;  // the value exists and was read
    bool Binary = false; // of the binary type (REG_BINARY)
    uint32_t Size = 0;   // its length in bytes
    uint8_t Data[4] = {}; // its bytes when it has at most four; the rest zero
};

class StatDataKey {
public:
    virtual ~StatDataKey() = default;
    // Opens "PerfStats\StatData" for reading, without creating it.
    virtual bool Open() = 0;
    virtual StatValue Read(const std::string& name) = 0;
    virtual void Close() = 0;
};

// The key open for the life of the scope, closed on every way out of it;
// a key that did not open is not closed.
class OpenStatData {
public:
    explicit OpenStatData(StatDataKey& key) : key_(key), open_(key.Open()) {}
    ~OpenStatData()
    {
        if (open_)
            key_.Close();
    }
    OpenStatData(const OpenStatData&) = delete;
    OpenStatData& operator=(const OpenStatData&) = delete;
    explicit operator bool() const { return open_; }

private:
    StatDataKey& key_;
    bool open_;
};

} // namespace platform
