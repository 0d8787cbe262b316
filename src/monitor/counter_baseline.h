// The baselines that the registry and RAS methods share: raw counts taken
// at every tick without carrier, so that each connection counts from 0.
#pragma once

#include "settings/settings.h"
#include "monitor/poll_parts.h"

namespace monitor {

inline void ApplyCounterBaseline(TGVar& g, CounterSample& sample)
{
    if (!g.ModemSignals.CD) {
        g.RxBaseline = sample.RxBytes;
        g.TxBaseline = sample.TxBytes;
        sample = CounterSample{};
        return;
    }
    sample.RxBytes -= g.RxBaseline;
    sample.TxBytes -= g.TxBaseline;
}

} // namespace monitor
