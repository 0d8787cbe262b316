// The 'lights' method: byte counts and speed from the dial-up device whose
// handle the companion lights program hands over by message.
#pragma once

#include "settings/settings.h"
#include "monitor/poll_parts.h"
#include "platform/lights_companion.h"

namespace monitor {

class LightsCounters {
public:
    LightsCounters(TGVar& g, platform::LightsCompanion& companion) : g_(g), companion_(companion) {}
    void Read(CounterSample& sample);

private:
    TGVar& g_;
    platform::LightsCompanion& companion_;
};

} // namespace monitor
