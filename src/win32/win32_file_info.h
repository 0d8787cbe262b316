// The file system queries and deletion of platform/file_info.h.
#pragma once

#include "platform/file_info.h"

namespace win32 {

class Win32FileQuery final : public platform::FileQuery {
public:
    bool Find(const std::string& path, platform::FileInfo& info) override;
    std::vector<std::string> Matching(const std::string& pattern) override;
    bool CanOpenForReading(const std::string& path) override;
    std::string ShortPath(const std::string& path) override;
    std::string AssociatedProgram(const std::string& file) override;
    bool Remove(const std::string& path) override;
};

} // namespace win32
