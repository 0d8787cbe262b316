// A profile (INI) file read and edited as text, behaving like the Windows
// profile functions for everything Blinkery does with its settings file.
#pragma once

#include "platform/files.h"
#include "platform/profile.h"

namespace platform {

class TextProfile final : public ProfileFile {
public:
    TextProfile(FileStore& files, std::string path);

    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) override;
    bool WriteString(std::string_view section, std::string_view key, std::string_view value) override;
    std::string Path() const override { return path_; }

private:
    FileStore& files_;
    std::string path_;
};

} // namespace platform
