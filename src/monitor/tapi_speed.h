// The connect speed on Windows NT 4, from TAPI: the call on the line whose
// name is the RAS connection's device.
#pragma once

#include <cstdint>
#include <vector>

#include "monitor/poll_parts.h"
#include "platform/tapi.h"

namespace devices {
class TRAS;
}

namespace monitor {

inline constexpr uint32_t TapiVersion20 = 0x20000;
inline constexpr uint32_t TapiCallListSize = 152;
inline constexpr uint32_t TapiDevCapsSize = 1276;
inline constexpr uint32_t TapiCallInfoSize = 324;

class TapiSpeed {
public:
    explicit TapiSpeed(platform::TapiLines& tapi) : tapi_(tapi) {}
    void Attach(devices::TRAS* ras) { ras_ = ras; }
    void Read(CounterSample& sample);

private:
    bool FindCall(uint32_t devices, uint32_t& call);
    template <typename Ask>
    bool AskGrowing(std::vector<uint8_t>& buffer, uint32_t initialSize, Ask ask);

    platform::TapiLines& tapi_;
    devices::TRAS* ras_ = nullptr;
    // Kept between reads, so that a read costs no allocation once they
    // have their sizes.
    std::vector<uint8_t> caps_;
    std::vector<uint8_t> calls_;
};

} // namespace monitor
