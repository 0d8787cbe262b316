#include "monitor/signal_sources.h"

namespace monitor {

namespace {

} // namespace

void ReadVxdCounters(TGVar& g, HelperVxdClient& vxd, CounterSample& sample)
{
    sample = CounterSample{};
    if (!vxd.IsOpen() || g.LightsDevice != 0)
        return;
    char name[4];
    if (vxd.PortName(name) < 3)
        return;
    const TConnectionState& cs = g.ConnectionState;
    // The last totals plus the VxD's increments, wrapping as the totals do.
    sample.TxBytes = cs.LastTx + vxd.SentBytes(g.Port);
    sample.RxBytes = cs.LastRx + vxd.ReceivedBytes(g.AlternativeMethodForRD == 1);
}

TSignalSources::TSignalSources(TGVar& g, SignalServices s)
    : g_(g),
      vxd_(s.Vxd),
      lights_(g, s.Lights),
      rnaapp_(g, s.Rnaapp, s.Boxes, s.Host),
      registry_(g, s.StatData, s.Boxes),
      ras_(g, s.Setup),
      tapi_(s.Tapi)
{
}

void TSignalSources::AttachRas(devices::TRAS* ras, platform::RasApi* api)
{
    ras_.Attach(ras, api);
    tapi_.Attach(ras);
}

void TSignalSources::ReadRegistryCounters(CounterSample& sample)
{
    if (!registry_.Read(sample))
        endOfTick_ = true;
}

void TSignalSources::ReadVxdCounters(CounterSample& sample)
{
    monitor::ReadVxdCounters(g_, vxd_, sample);
}

bool TSignalSources::TakeEndOfTick()
{
    const bool end = endOfTick_;
    endOfTick_ = false;
    return end;
}

} // namespace monitor
