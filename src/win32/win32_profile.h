// The settings file through the system's profile functions.
#pragma once

#include "platform/profile.h"

namespace win32 {

class Win32Profile final : public platform::ProfileFile {
public:
    // fileName as given to the profile functions: a bare name lives in the
    // Windows directory.
    explicit Win32Profile(std::string fileName);

    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) override;
    bool WriteString(std::string_view section, std::string_view key, std::string_view value) override;
    std::string Path() const override;

private:
    std::string fileName_;
};

} // namespace win32
