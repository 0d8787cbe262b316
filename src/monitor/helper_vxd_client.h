// The client of Blinkery's helper VxD (BLINKR95.VXD, Windows 95/98/ME):
// opening and closing it, and its device-control requests with the way
// each one packs its answer into the returned-byte count and last error.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/helper_vxd.h"

namespace monitor {

// The request codes.
enum VxdCode : uint32_t {
    VxdHook = 2,
    VxdUnhook = 3,
    VxdSentBytes = 4,
    VxdReceivedBytes = 5,
    VxdPortName = 6,
    VxdOtherPort = 7,
    VxdModemStatus = 8,
    VxdLineSpeed = 9,
    VxdDataBits = 10,
    VxdReceivedBytesAlt = 11,
};

inline constexpr char VxdFileName[] = "BLINKR95.VXD";
inline constexpr char VxdNotFoundText[] =
    "BLINKR95.VXD not found in the Blinkery directory. You will have problems with the detection.";
inline constexpr char VxdHookFailedText[] =
    "BLINKR.VXD could not hook 32 bit comm functions. You will have problems with the detection.";

// The device path of the VxD beside the program: "\\.\" + the folder of
// the program's short path + "BLINKR95.VXD" (C:\BLINKERY\BLINKERY.EXE
// gives \\.\C:\BLINKERY\BLINKR95.VXD).
std::string VxdDevicePath(std::string_view shortProgramPath);

enum class VxdOpenResult {
    NotWanted, // not Windows 95/98/ME, or "NoVxd" is set: nothing was tried
    Opened,
    NotFound,  // the device could not be opened
};

// What Follow did.
enum class VxdChange {
    None,      // the VxD was as "NoVxd" wants it, or is not for this system
    Unloaded,
    Loaded,    // opened and hooked
    NotHooked, // opened, but the hook request failed
    NotFound,
};

// Line speed and parity (request 9), data bits and stop bits (request 10).
struct VxdLineReply {
    uint32_t Value = 0; // the speed in bps, or the data bits
    uint8_t Code = 0;   // parity (0 none, 1 odd, 2 even, 3 mark, 4 space) or stop bits (0 one, 1 1.5, 2 two)
};

class HelperVxdClient {
public:
    explicit HelperVxdClient(platform::HelperVxd& device) : device_(device) {}

    platform::HelperVxd& Device() { return device_; }
    bool IsOpen() const { return device_.IsOpen(); }

    // Opens the VxD when osKind is 0 (Windows 95/98/ME) and noVxd is 0.
    // Opening loads it; the hook request is separate (Hook).
    VxdOpenResult Open(int32_t osKind, int32_t noVxd, std::string_view shortProgramPath);
    // Unhooks (request 3), then closes the device. Nothing when not open.
    void Close();
    // Brings the VxD in line with "NoVxd": closed when it is 1; opened, as
    // start-up opens it, and asked to hook when it is 0 and the VxD is not
    // open (a VxD that is loaded but not hooked counts nothing).
    VxdChange Follow(int32_t osKind, int32_t noVxd, std::string_view shortProgramPath);

    // Request 2: hook the 32-bit communication functions. False when the
    // call failed or the VxD is not open.
    bool Hook();
    // Request 4: bytes sent on the hooked port since the last request 4.
    uint32_t SentBytes(int32_t port);
    // Request 5, or 11 (the counting for 16-bit programs) when alternative
    // is set: bytes received since the last such request.
    uint32_t ReceivedBytes(bool alternative);
    // Request 6: the hooked port's name into name (up to 4 characters, the
    // rest zeroed); the number of characters the VxD returned.
    uint32_t PortName(char (&name)[4]);
    // Request 7: the hooked port is not the monitored one.
    void ReportOtherPort();
    // Request 8: the UART modem status byte (the bits of uart_registers.h).
    uint8_t ModemStatus();
    // Request 9: line speed and parity.
    VxdLineReply LineSpeed();
    // Request 10: data bits and stop bits.
    VxdLineReply DataBits();

private:
    platform::VxdReply Send(uint32_t code, const void* in = nullptr, uint32_t inSize = 0, void* out = nullptr,
                            uint32_t outSize = 0);

    platform::HelperVxd& device_;
};

} // namespace monitor
