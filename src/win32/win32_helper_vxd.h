// The helper VxD's device calls on Win32: the device opened through
// CreateFileA, requests through DeviceIoControl.
#pragma once

#include <windows.h>

#include "platform/helper_vxd.h"

namespace win32 {

class Win32HelperVxd final : public platform::HelperVxd {
public:
    Win32HelperVxd() = default;
    Win32HelperVxd(const Win32HelperVxd&) = delete;
    Win32HelperVxd& operator=(const Win32HelperVxd&) = delete;
    ~Win32HelperVxd() override { Close(); }

    bool Open(const std::string& devicePath) override;
    void Close() override;
    bool IsOpen() const override { return handle_ != INVALID_HANDLE_VALUE; }
    platform::VxdReply Request(uint32_t code, const void* in, uint32_t inSize, void* out, uint32_t outSize) override;

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

} // namespace win32
