// The event logs: text files that only ever grow.
#pragma once

#include <string>

namespace platform {

class LogFiles {
public:
    virtual ~LogFiles() = default;
    // The whole file; false when it does not exist or cannot be read.
    virtual bool Read(const std::string& path, std::string& data) = 0;
    // Appends text, creating the file only when it does not exist; an
    // existing file is never truncated or replaced. False on any failure
    // (nothing or only part was written).
    virtual bool Append(const std::string& path, const std::string& text) = 0;
};

} // namespace platform
