#include "monitor/ras_counters.h"

#include "devices/ras_records.h"
#include "devices/rascomp32.h"
#include "monitor/counter_baseline.h"

namespace monitor {

void RasCounters::Read(CounterSample& sample)
{
    if (g_.OsKind == OsWin9x)
        return;
    sample = CounterSample{};
    if (ras_)
        ReadConnection(sample);
    ApplyCounterBaseline(g_, sample);
}

void RasCounters::ReadConnection(CounterSample& sample)
{
    TGVar& g = g_;
    devices::TRAS& ras = *ras_;
    ras.EnumConnections();
    if (ras.Connections.Count() == 0) {
        if (g.NoDirectHardwareAcesss == 1)
            g.ModemSignals.CD = false;
        if (!g.ActiveConnectionName.empty()) {
            // The watched connection has gone: release its stale handle.
            g.ActiveConnectionName.clear();
            ras.HangUp();
            ras.ResetStatistics();
            if (g.ModalActive)
                setup_.SetupStateChanged();
        }
        return;
    }

    // A new connection is adopted; so is the same one when the component
    // holds no handle for it (a session end drops the handle while the
    // connection may still be there), else it would never be watched again.
    if (ras.CurConnName() != g.ActiveConnectionName || ras.RASConn == 0) {
        if (ras.CurConnName() != g.ActiveConnectionName)
            g.ActiveConnectionName = ras.CurConnName();
        ras.SelectConnection(0);
    }
    ras.GetStatusText();
    if (ras.ConnectState != devices::kRasConnected)
        return;

    ras.ReadStatistics();
    TConnStatus& info = g.ConnectionState.Info;
    if (g.OsKind == OsNT4) {
        info.RatioIn = ras.CompressionRatioIn;
        info.RatioOut = ras.CompressionRatioout;
        info.AlignmentErrors = ras.AlignmentErr;
        info.BufferOverrunErrors = ras.BufferOverrunErr;
        info.CRCErrors = ras.CrcErr;
        info.TimeoutErrors = ras.TimeoutErr;
    } else if (g.OsKind == OsWin2000) {
        // A failing call leaves the zeroed record: speed, ratios and error
        // counts read 0 for this tick.
        devices::RasStatsRecord stats{};
        stats.dwSize = sizeof stats;
        if (api_ && devices::RasEntryPoints.RasGetConnectionStatistics != 0)
            api_->GetConnectionStatistics(devices::RasEntryPoints.RasGetConnectionStatistics, ras.RASConn, &stats);
        sample.Speed = stats.dwBps;
        info.RatioIn = stats.dwCompressionRatioIn;
        info.RatioOut = stats.dwCompressionRatioOut;
        info.CRCErrors = stats.dwCrcErr;
        info.TimeoutErrors = stats.dwTimeoutErr;
        info.AlignmentErrors = stats.dwAlignmentErr;
        info.HardwareOverrun = stats.dwHardwareOverrunErr;
        info.FramingErrors = stats.dwFramingErr;
        info.BufferOverrunErrors = stats.dwBufferOverrunErr;
    }

    g.ModemSignals.CD = true;
    ras.GetIPAddresses();
    if (info.ServerIP != ras.ServerIP())
        info.ServerIP = ras.ServerIP();
    if (info.ClientIP != ras.ClientIP())
        info.ClientIP = ras.ClientIP();
    if (info.DialedNumber != ras.DialedNumber())
        info.DialedNumber = ras.DialedNumber();
    sample.TxBytes = static_cast<uint32_t>(ras.StatsXmit());
    sample.RxBytes = static_cast<uint32_t>(ras.StatsRecv());
}

} // namespace monitor
