// COM devices opened by name, and their line settings.
#pragma once

#include <cstdint>
#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// The line-settings record, laid out like the Win32 DCB so the Win32 side
// can hand it to the comm functions as it is.
struct LineSettings {
    uint32_t DCBlength = sizeof(LineSettings);
    uint32_t BaudRate = 0;
    uint32_t Flags = 0; // fBinary ... fDummy2 bit fields of the DCB
    uint16_t wReserved = 0;
    uint16_t XonLim = 0;
    uint16_t XoffLim = 0;
    uint8_t ByteSize = 0;
    uint8_t Parity = 0;   // 0 none, 1 odd, 2 even, 3 mark, 4 space
    uint8_t StopBits = 0; // 0 one, 1 one and a half, 2 two
    char XonChar = 0;
    char XoffChar = 0;
    char ErrorChar = 0;
    char EofChar = 0;
    char EvtChar = 0;
    uint16_t wReserved1 = 0;
};
static_assert(sizeof(LineSettings) == 28, "LineSettings must match the DCB layout");

// An open COM device; 0 means none.
using CommHandle = uintptr_t;

class SerialPorts {
public:
    virtual ~SerialPorts() = default;

    // Opens an existing device ("COM2") for neither reading nor writing, as
    // is enough to query its line settings. 0 when it cannot be opened.
    virtual CommHandle OpenForQuery(const std::string& device) = 0;
    virtual void Close(CommHandle handle) = 0;

    // The device's line settings; false (and settings untouched) when the
    // query fails, as it does for handle 0.
    virtual bool GetLineSettings(CommHandle handle, LineSettings& settings) = 0;

    // Whether the device exists, even when another program holds it open.
    virtual bool Exists(const std::string& device)
    {
        CommHandle handle = OpenForQuery(device);
        if (handle)
            Close(handle);
        return handle != 0;
    }

    // The exchange with a device. They default to a device that cannot be
    // opened, so code that only queries line settings need not provide them.

    // Opens an existing device for reading and writing, unshared; 0 when it
    // cannot be opened (missing, or held by another program).
    virtual CommHandle OpenReadWrite(const std::string& /*device*/) { return 0; }
    // Writes the settings back to the device; false when it refuses them.
    virtual bool SetLineSettings(CommHandle /*handle*/, const LineSettings& /*settings*/) { return false; }
    // Writes the bytes; the number written (0 on failure).
    virtual size_t Write(CommHandle /*handle*/, std::string_view /*data*/) { return 0; }
    // Clears the device's error state; the number of bytes waiting in its
    // input queue (0 on failure).
    virtual size_t BytesWaiting(CommHandle /*handle*/) { return 0; }
    // Reads at most count bytes without waiting for more; the bytes read.
    virtual std::string Read(CommHandle /*handle*/, size_t /*count*/) { return {}; }
};

} // namespace platform
