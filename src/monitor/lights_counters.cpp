#include "monitor/lights_counters.h"

#include "settings/byte_order.h"
#include "monitor/counter_baseline.h"

namespace monitor {

void LightsCounters::Read(CounterSample& sample)
{
    TGVar& g = g_;
    if (g.LightsAvailable != 1)
        return;
    sample = CounterSample{};
    if (!g.ModemSignals.CD || g.LightsDevice == 0 || g.LightsProcess == 0 ||
        !companion_.ProcessRunning(g.LightsProcess))
        return;
    uint8_t record[platform::LightsRecordSize] = {};
    if (companion_.QueryDevice(g.LightsDevice, record)) {
        sample.Speed = Le32(record + 8);
        sample.RxBytes = Le32(record + 12);
        sample.TxBytes = Le32(record + 16);
    }
    if (g.ConnectionState.ConnectionText != g.LightsText)
        g.ConnectionState.ConnectionText = g.LightsText;
}

} // namespace monitor
