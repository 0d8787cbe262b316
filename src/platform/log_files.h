// The event logs: text files that only ever grow.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

class LogFiles {
public:
    virtual ~LogFiles() = default;
    // The file's last bytes (at most maxBytes; all of a shorter file),
    // whatever the file's size; false when it does not exist or cannot be
    // read.
    virtual bool ReadTail(const std::string& path, size_t maxBytes, std::string& data) = 0;
    // Appends text, creating the file only when it does not exist; an
    // existing file is never truncated or replaced. False on any failure
    // (nothing or only part was written).
    virtual bool Append(const std::string& path, const std::string& text) = 0;
};

} // namespace platform
