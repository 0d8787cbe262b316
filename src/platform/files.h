// Whole-file access for the portable code (the core uses no <fstream>).
#pragma once

#include <string>

namespace platform {

class FileStore {
public:
    virtual ~FileStore() = default;
    // False when the file does not exist or cannot be read.
    virtual bool ReadAll(const std::string& path, std::string& data) = 0;
    // Replaces the file's contents; false when the system refuses.
    virtual bool WriteAll(const std::string& path, const std::string& data) = 0;
};

} // namespace platform
