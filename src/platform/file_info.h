// Whether a file exists, with its size and last-write time.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

struct FileInfo {
    uint64_t Size = 0;
    double Modified = 0; // local date-time, OLE Automation days
};

class FileQuery {
public:
    virtual ~FileQuery() = default;
    // False when no such file exists.
    virtual bool Find(const std::string& path, FileInfo& info) = 0;
};

} // namespace platform
