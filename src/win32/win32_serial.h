// COM devices through CreateFile and the comm functions.
#pragma once

#include "platform/serial.h"

namespace win32 {

class Win32SerialPorts final : public platform::SerialPorts {
public:
    platform::CommHandle OpenForQuery(const std::string& device) override;
    bool Exists(const std::string& device) override;
    void Close(platform::CommHandle handle) override;
    bool GetLineSettings(platform::CommHandle handle, platform::LineSettings& settings) override;
    platform::CommHandle OpenReadWrite(const std::string& device) override;
    bool SetLineSettings(platform::CommHandle handle, const platform::LineSettings& settings) override;
    size_t Write(platform::CommHandle handle, std::string_view data) override;
    size_t BytesWaiting(platform::CommHandle handle) override;
    std::string Read(platform::CommHandle handle, size_t count) override;
};

} // namespace win32
