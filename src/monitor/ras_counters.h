// The RAS method (Windows NT 4 and 2000): the connection of the Remote
// Access Service, its byte counts, and on Windows 2000 its speed, ratios
// and line error counts; also the IP addresses and the dialled number.
#pragma once

#include "settings/settings.h"
#include "monitor/window_parts.h"
#include "monitor/poll_parts.h"
#include "platform/ras_api.h"

namespace devices {
class TRAS;
}

namespace monitor {

class RasCounters {
public:
    RasCounters(TGVar& g, SetupPart& setup) : g_(g), setup_(setup) {}
    // The main window's RAS component and the RAS library it runs on.
    void Attach(devices::TRAS* ras, platform::RasApi* api)
    {
        ras_ = ras;
        api_ = api;
    }
    devices::TRAS* Ras() const { return ras_; }
    void Read(CounterSample& sample);

private:
    void ReadConnection(CounterSample& sample);

    TGVar& g_;
    SetupPart& setup_;
    devices::TRAS* ras_ = nullptr;
    platform::RasApi* api_ = nullptr;
};

} // namespace monitor
