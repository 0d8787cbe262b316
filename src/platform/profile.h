// The settings file: a Windows profile (INI) file, read and written one
// key at a time. Section and key names match without regard to case.
#pragma once

#include <string>
#include <string_view>

namespace platform {

class ProfileFile {
public:
    virtual ~ProfileFile() = default;

    // The value of key in section, at most 2047 characters; def (with its
    // trailing blanks removed) when the file, section or key is missing.
    virtual std::string ReadString(std::string_view section, std::string_view key, std::string_view def) = 0;

    // False when the system refuses the write (read-only file, full disk).
    virtual bool WriteString(std::string_view section, std::string_view key, std::string_view value) = 0;

    // The file's full path, as shown in error messages.
    virtual std::string Path() const = 0;
};

} // namespace platform
