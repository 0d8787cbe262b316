// The helper VxD's device-control interface (Windows 95/98/ME).
#pragma once

#include <cstdint>
#include <string>

namespace platform {

struct VxdReply {
    bool Ok = false;        // the device call succeeded
    uint32_t Count = 0;     // the returned-byte count, which carries most answers
    uint32_t LastError = 0; // the thread's last-error value right after the call
};

class HelperVxd {
public:
    virtual ~HelperVxd() = default;
    // Opens the device path as an existing file with delete-on-close.
    virtual bool Open(const std::string& devicePath) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // One device-control call without an overlapped structure.
    virtual VxdReply Request(uint32_t code, const void* in, uint32_t inSize, void* out, uint32_t outSize) = 0;
};

} // namespace platform
