// The helper VxD's device calls on Win32: the device opened through
// CreateFileA, requests through DeviceIoControl.
#pragma once

#include <windows.h>

#include "platform/helper_vxd.h"
#include "win32/handles.h"

namespace win32 {

class Win32HelperVxd final : public platform::HelperVxd {
public:

    bool Open(const std::string& devicePath) override;
    void Close() override;
    bool IsOpen() const override { return static_cast<bool>(handle_); }
    platform::VxdReply Request(uint32_t code, const void* in, uint32_t inSize, void* out, uint32_t outSize) override;

private:
    OwnedFile handle_;
};

} // namespace win32
