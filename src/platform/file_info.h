// The file system as the program asks it: whether a file exists, with its
// size and last-write time, the files a pattern matches, their short
// names and associated programs, and deletion.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct FileInfo {
    uint64_t Size = 0;
    double Modified = 0; // local date-time, OLE Automation days
};

// (Names avoid the Windows headers' macros: DeleteFile.)
class FileQuery {
public:
    virtual ~FileQuery() = default;
    // False when no such file exists (a folder is none; a name with
    // wildcards names none).
    virtual bool Find(const std::string& path, FileInfo& info) = 0;
    bool Exists(const std::string& path)
    {
        FileInfo info;
        return Find(path, info);
    }
    // The names, without their folder, of the files a wildcard pattern
    // matches.
    virtual std::vector<std::string> Matching(const std::string& pattern) = 0;
    // The file exists and opens for reading.
    virtual bool CanOpenForReading(const std::string& path) = 0;
    // The short (8.3) form of a path; the path itself when it has none.
    virtual std::string ShortPath(const std::string& path) = 0;
    // The program the system opens a file with; empty when it has none.
    virtual std::string AssociatedProgram(const std::string& file) = 0;
    // False when the system refuses (no such file, read-only, in use).
    virtual bool Remove(const std::string& path) = 0;
};

} // namespace platform
