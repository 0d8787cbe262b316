// The companion 'lights' program: its process, and the dial-up device whose
// handle it hands over.
#pragma once

#include <cstdint>

namespace platform {

inline constexpr uint32_t LightsDeviceQuery = 0xA007;
inline constexpr uint32_t LightsRecordSize = 20;

class LightsCompanion {
public:
    virtual ~LightsCompanion() = default;
    // A zero-time wait on the process handle times out.
    virtual bool ProcessRunning(uintptr_t process) = 0;
    // Device control 0xA007 on the device with one 20-byte buffer as input
    // and output; false when the call failed.
    virtual bool QueryDevice(uintptr_t device, uint8_t (&record)[LightsRecordSize]) = 0;
};

} // namespace platform
