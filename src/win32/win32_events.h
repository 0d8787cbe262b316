// The event actions' services on Win32: the sounds and the two logs.
#pragma once

#include <windows.h>

#include "platform/log_files.h"
#include "platform/sound.h"

namespace win32 {

class Win32EventSound final : public platform::EventSound {
public:
    void PlayFile(const std::string& path) override;
    void Beep() override;
};

class Win32LogFiles final : public platform::LogFiles {
public:
    bool ReadTail(const std::string& path, size_t maxBytes, std::string& data) override;
    bool Append(const std::string& path, const std::string& text) override;
};

} // namespace win32
