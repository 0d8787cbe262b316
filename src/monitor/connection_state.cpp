#include "monitor/connection_state.h"

#include <cmath>
#include <cstdlib>

#include "settings/connect_time.h"
#include "settings/date_time.h"
#include "devices/rascomp32.h"
#include "monitor/date_time_text.h"
#include "monitor/reset_schedule.h"

namespace monitor {

namespace {

constexpr uint32_t MinWindowMs = 1000;

} // namespace

void ResetSessionConnectTime(TGVar& g, double now)
{
    g.ConnectStart = now;
}

void ResetTotalConnectTime(TGVar& g, double now)
{
    g.TotalConnectNew = 0;
    g.TotalConnectReset = now;
}

void ClockMovedBack(TGVar& g, double by)
{
    for (double* moment : {&g.ConnectStart, &g.LastClockRepaint, &g.LastRingTime, &g.OnTopTime, &g.AutoExitStart,
                           &g.ProgramStartTime})
        *moment += by;
    for (double* armed : {&g.CdHighTime, &g.CdLowTime, &g.ConnectionState.LastActivity})
        if (*armed != 0)
            *armed += by;
}

void BuildConnectTimeLabel(double total, double since, const platform::DateTimePatterns& patterns, std::string& out)
{
    out.assign(ConnectTimeLabelHead);
    out.append(ConnectTimeText(total));
    out.append(ConnectTimeLabelSince);
    AppendDateTimeC(since, patterns, out);
}

// The speed window closes on whole seconds of the tick count that are
// multiples of its length, at most once a second. The second test is on
// the difference of two tick counts, so it keeps working when the tick
// count wraps after 49.7 days.
void TConnectionSteps::SpeedWindow()
{
    const int32_t length = g_.RDTDSpeedUpdate;
    if (length == 0)
        return;
    TConnectionState& cs = g_.ConnectionState;
    const uint32_t t = clock_.TickCount();
    if (t - cs.LastWindowTick <= MinWindowMs)
        return;
    const uint32_t n = static_cast<uint32_t>(std::abs(static_cast<int64_t>(length)));
    if ((t / 1000) % n != 0)
        return;
    cs.WindowTx = cs.WindowAccTx;
    cs.WindowRx = cs.WindowAccRx;
    cs.WindowAccTx = 0;
    cs.WindowAccRx = 0;
    if (cs.WindowTx != 0 || cs.WindowRx != 0)
        g_.RepaintRequested = true;
    cs.LastWindowTick = clock_.TickCount();
}

void TConnectionSteps::SessionStart()
{
    TGVar& g = g_;
    TConnectionState& cs = g.ConnectionState;
    cs.LastTx = cs.LastRx = 0;
    cs.SessionTx = cs.SessionRx = 0;
    if (g.DisplayConnectTime == 1 || g.DisplayTotalConnectTimeInDisplay == 1)
        g.ReloadPictures = true;
    const double now = clock_.Now();
    g.ConnectStart = now;
    cs.LastActivity = now;
    if (g.AutoRunCDHigh == 1)
        g.CdHighTime = now;
    g.CdLowTime = 0;
}

void TConnectionSteps::SessionEnd()
{
    TGVar& g = g_;
    TConnectionState& cs = g.ConnectionState;
    const double now = clock_.Now();

    cs.SpeedText.clear();
    cs.ConnectionText.clear();
    if (g.DisplayConnectTime == 1)
        g.ReloadPictures = true;
    g.TotalConnectNew += SessionConnectTime(g, now);

    // A connect time drawn into another window's caption must go: that
    // window redraws its own caption.
    if (g.Title == 2 || g.DisplayConnectTimeInTitlebar == 1 || g.DisplayTotalConnectTimeInTitlebar == 1) {
        g.RepaintRequested = true;
        parts_.TitleStrip.RedrawForegroundCaption();
    }

    g.AutoExitPending = g.CDAutoExit == 1;
    if (g.AutoExitPending)
        g.AutoExitStart = now;
    g.TimedDisconnectDone = false;

    if (g.Title != 0 && (g.DisplayConnectTimeInTitlebar == 1 || g.DisplayTotalConnectTimeInTitlebar == 1))
        g.ReloadTitlePictures = true;
    if (g.DisplayConnectTime == 1 || g.DisplayTotalConnectTimeInDisplay == 1) {
        g.ReloadPictures = true;
        g.RepaintRequested = true;
    }

    g.LightsDevice = 0;

    // The connection is gone: its handle is dropped without hanging up.
    if (g.RAS == 1 && ras_) {
        ras_->ConnectState = 0;
        ras_->RASConn = 0;
        ras_->ResetStatistics();
        if (g.ModalActive)
            parts_.Setup.SetupStateChanged();
    }

    if (g.AutoRunCDLow == 1)
        g.CdLowTime = now;
    g.CdHighTime = 0;

    if (g.Throughput == 2) {
        cs.GraphRx = cs.GraphTx = 0;
        parts_.Graph.ClearThroughputHistory();
    }
}

// One period per tick: after missed periods the following ticks catch up.
void TConnectionSteps::AutoResetTotal()
{
    TGVar& g = g_;
    const int32_t event = g.ConnectResetLoggerEvent;
    if (event < ResetYearly || event > ResetDaily)
        return;
    const double next = NextResetTime(g.ConnectResetLoggerTimeRef, event);
    const double now = clock_.Now();
    if (now < next)
        return;
    g.TotalConnectNew = 0;
    g.TotalConnectReset = now;
    g.ConnectStart = now;
    g.ConnectResetLoggerTimeRef = next;
    parts_.Setup.SetupChangeForm();
}

void TConnectionSteps::ConnectTimeLabel()
{
    TGVar& g = g_;
    TConnectionState& cs = g.ConnectionState;
    const double now = clock_.Now();
    if (!g.ModemSignals.CD) {
        ShowLabel(g.TotalConnectNew);
        return;
    }
    // Rebuilt when the shown seconds of the total move on. (Comparing the
    // seconds of the clock with those of the total instead would freeze
    // the label whenever the two happen to agree.)
    const double total = TotalConnectTime(g, now);
    if (SecondOfMinute(total) == SecondOfMinute(cs.LastLabelTotal))
        return;
    ShowLabel(total);
    cs.LastLabelTotal = total;
}

// The label is only handed on when its text changed.
void TConnectionSteps::ShowLabel(double total)
{
    if (!havePatterns_) {
        patterns_ = locale_.Patterns();
        havePatterns_ = true;
    }
    BuildConnectTimeLabel(total, g_.TotalConnectReset, patterns_, label_);
    if (label_ == lastLabel_)
        return;
    lastLabel_ = label_;
    parts_.Setup.SetConnectTimeLabel(lastLabel_);
}

} // namespace monitor
