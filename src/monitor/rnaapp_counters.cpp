#include "monitor/rnaapp_counters.h"

#include "settings/byte_order.h"
#include "settings/modal_box.h"
#include "monitor/counter_baseline.h"

namespace monitor {

void RnaappCounters::Read(CounterSample& sample)
{
    TGVar& g = g_;
    if (g.OsKind != OsWin9x)
        return;
    // With this method CD comes from the dial-up application alone.
    sample = CounterSample{};
    g.ModemSignals.CD = false;

    if (!helper_.Loaded()) {
        if (!helper_.Load()) {
            // No tick runs under the box: the timer stops while it shows.
            host_.EnablePollTimer(false);
            g.RNAAPP = 0;
            ShowModalBox(g, boxes_, BlidllMissingText, platform::MbButtons::Ok, platform::MbIcon::Error);
            host_.EnablePollTimer(true);
        }
        return; // the library's entry is first called on the next tick
    }

    TConnectionState& cs = g.ConnectionState;
    int32_t values[8] = {g.RnaappNewer,
                         g.RnaappFound,
                         static_cast<int32_t>(cs.LastTx),
                         static_cast<int32_t>(cs.LastRx),
                         static_cast<int32_t>(cs.SessionTx),
                         static_cast<int32_t>(cs.SessionRx),
                         g.RnaappProcess,
                         g.RnaappWindow};
    if (!helper_.OpenRnaapp(values))
        return;
    // The eight go by reference: what the library writes back is kept.
    g.RnaappNewer = values[0];
    g.RnaappFound = values[1];
    cs.LastTx = static_cast<uint32_t>(values[2]);
    cs.LastRx = static_cast<uint32_t>(values[3]);
    cs.SessionTx = static_cast<uint32_t>(values[4]);
    cs.SessionRx = static_cast<uint32_t>(values[5]);
    g.RnaappProcess = values[6];
    g.RnaappWindow = values[7];
    if (g.RnaappFound != 1)
        return;

    const uint32_t address =
        helper_.WindowExtra(static_cast<uint32_t>(g.RnaappWindow), RnaappRecordWindowOffset);
    if (address == 0) {
        g.RnaappFound = 0;
        return;
    }
    uint8_t record[RnaappRecordSize] = {};
    if (!helper_.ReadMemory(static_cast<uint32_t>(g.RnaappProcess), address, record, sizeof record))
        return;
    if ((record[12] & RnaappConnectedBit) == 0)
        return;
    g.ModemSignals.CD = true;
    sample.RxBytes = Le32(record + 28);
    sample.TxBytes = Le32(record + 32);
    sample.Speed = static_cast<uint32_t>(record[4]) | static_cast<uint32_t>(record[5]) << 8 |
                   static_cast<uint32_t>(record[6]) << 16;
}

void RnaappCounters::Release()
{
    if (g_.RnaappProcess != 0) {
        helper_.CloseProcess(static_cast<uint32_t>(g_.RnaappProcess));
        g_.RnaappProcess = 0;
    }
    g_.RnaappFound = 0;
    helper_.Unload();
}

} // namespace monitor
