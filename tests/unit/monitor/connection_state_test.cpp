// The connection's bookkeeping through the poll tick: the session and the
// total connect time, the steps at a disconnect, the speed window on the
// tick count, the reset schedule and the settings dialog's label.
#include "settings/date_time.h"
#include "engine_rig.h"
#include "monitor/reset_schedule.h"

using enginetest::EngineRig;
using enginetest::Second;

namespace {

double Date(int32_t y, int32_t m, int32_t d, int32_t h = 0, int32_t mi = 0)
{
    CalendarTime t;
    t.Year = y;
    t.Month = m;
    t.Day = d;
    t.Hour = h;
    t.Minute = mi;
    return EncodeDateTime(t);
}

class ConnectionStateTest : public EngineRig {};

TEST_F(ConnectionStateTest, ASessionAddsItsLengthAndTheNegotiationDelayToTheTotal)
{
    g.NegotiationDelay = 20;
    g.TotalConnectNew = 100 * Second;
    Carrier(true);
    Tick();
    EXPECT_DOUBLE_EQ(g.ConnectStart, clock.NowValue);
    Tick(10);
    clock.NowValue -= 3600 * Second; // the clock goes back an hour: the session goes on counting
    Tick(), Tick(10);
    // The line drops while a counter read pumps messages and the timer
    // comes in: that tick is skipped, and the one reading ends as it read.
    stat.WhileReading = [&] {
        Carrier(false);
        Tick();
    };
    g.DUNRegistry = 1;
    Registry(1, 1);
    Tick();
    ASSERT_EQ(stat.WhileReading, nullptr);
    EXPECT_TRUE(g.ModemSignals.CD);
    EXPECT_NEAR(g.TotalConnectNew, 100 * Second, 1e-9) << "no session ended inside the tick";
    Tick();
    EXPECT_NEAR(g.TotalConnectNew, 140 * Second, 1e-9);
    Tick(5);
    EXPECT_NEAR(g.TotalConnectNew, 140 * Second, 1e-9) << "nothing is added while offline";
}

TEST_F(ConnectionStateTest, SessionStartClearsTheCountsAndArmsTheHighLaunch)
{
    cs.LastRx = cs.LastTx = cs.SessionRx = cs.SessionTx = 77;
    g.AutoRunCDHigh = 1;
    g.CdLowTime = 4;
    g.DisplayTotalConnectTimeInDisplay = 1;
    connection.SessionStart();
    EXPECT_EQ(cs.LastRx + cs.LastTx + cs.SessionRx + cs.SessionTx, 0u);
    EXPECT_TRUE(g.ReloadPictures);
    EXPECT_DOUBLE_EQ(g.CdHighTime, clock.NowValue);
    EXPECT_DOUBLE_EQ(cs.LastActivity, clock.NowValue);
    EXPECT_EQ(g.CdLowTime, 0);
}

TEST_F(ConnectionStateTest, SessionEndStepsFollowTheirSettings)
{
    struct Case {
        const char* What;
        std::function<void(TGVar&)> Set;
        std::function<bool(TGVar&, fakes::EngineHost&)> Check;
    };
    const Case cases[] = {
        {"texts emptied", [](TGVar&) {},
         [](TGVar& v, fakes::EngineHost&) {
             return v.ConnectionState.SpeedText.empty() && v.ConnectionState.ConnectionText.empty() &&
                    v.LightsDevice == 0 && !v.TimedDisconnectDone && !v.ReloadPictures && !v.RepaintRequested;
         }},
        {"title clean-up", [](TGVar& v) { v.Title = 2; },
         [](TGVar& v, fakes::EngineHost& h) {
             return h.Called("RedrawForegroundCaption") && v.RepaintRequested && !v.ReloadTitlePictures;
         }},
        {"title connect time", [](TGVar& v) { v.Title = 1; v.DisplayTotalConnectTimeInTitlebar = 1; },
         [](TGVar& v, fakes::EngineHost& h) { return h.Called("RedrawForegroundCaption") && v.ReloadTitlePictures; }},
        {"display connect time", [](TGVar& v) { v.DisplayConnectTime = 1; },
         [](TGVar& v, fakes::EngineHost& h) {
             return v.ReloadPictures && v.RepaintRequested && !h.Called("RedrawForegroundCaption");
         }},
        {"auto exit armed", [](TGVar& v) { v.CDAutoExit = 1; },
         [](TGVar& v, fakes::EngineHost&) { return v.AutoExitPending && v.AutoExitStart == 45000.5; }},
        {"low launch armed", [](TGVar& v) { v.AutoRunCDLow = 1; },
         [](TGVar& v, fakes::EngineHost&) { return v.CdLowTime == 45000.5 && v.CdHighTime == 0; }},
        {"graph only while connected", [](TGVar& v) { v.Throughput = 2; },
         [](TGVar& v, fakes::EngineHost& h) {
             return h.Called("ClearThroughputHistory") && v.ConnectionState.GraphRx == 0;
         }},
        {"graph kept", [](TGVar&) {},
         [](TGVar& v, fakes::EngineHost& h) {
             return !h.Called("ClearThroughputHistory") && v.ConnectionState.GraphRx == 5;
         }},
    };
    for (const Case& c : cases) {
        Settings = TGVar{};
        host.Log.clear();
        g.ConnectionState.SpeedText = "@ 57600 bps Office";
        g.ConnectionState.ConnectionText = "Office";
        g.ConnectionState.GraphRx = 5;
        g.LightsDevice = 9;
        g.TimedDisconnectDone = true;
        g.AutoExitPending = true;
        g.CdHighTime = 3;
        g.ConnectStart = 45000.5;
        c.Set(g);
        connection.SessionEnd();
        EXPECT_TRUE(c.Check(g, host)) << c.What;
    }
    EXPECT_FALSE(g.AutoExitPending) << "without CD Auto Exit nothing is pending";
}

// With "RD/TD Speed Update" 5 the window is published on tick-count
// seconds that are multiples of 5, also across the wrap of the tick count.
TEST_F(ConnectionStateTest, SpeedWindowPublishesOnMultiplesOfItsLengthAcrossTheTickCountWrap)
{
    g.RDTDSpeedUpdate = 5;
    std::vector<uint32_t> published;
    clock.Tick = 0xFFFFFFFFu - 12000; // 12 s before the wrap
    cs.LastWindowTick = clock.Tick - 60000;
    for (int i = 0; i < 40; ++i) { // 20 s in half seconds
        cs.WindowAccRx += 100;
        connection.SpeedWindow();
        if (cs.LastWindowTick == clock.Tick)
            published.push_back(clock.Tick / 1000);
        clock.Tick += 500;
    }
    EXPECT_EQ(published, (std::vector<uint32_t>{4294955, 4294960, 4294965, 0, 5}));
    EXPECT_EQ(cs.WindowRx, 1000u);
}

TEST_F(ConnectionStateTest, SpeedWindowAtMostOnceASecondAndOnlyWhenOn)
{
    g.RDTDSpeedUpdate = 1;
    clock.Tick = 10000;
    cs.WindowAccTx = 7;
    connection.SpeedWindow();
    EXPECT_EQ(cs.WindowTx, 7u);
    EXPECT_TRUE(g.RepaintRequested);
    g.RepaintRequested = false;
    clock.Tick = 11000; // a second boundary, but not more than 1000 ms later
    cs.WindowAccTx = 3;
    connection.SpeedWindow();
    EXPECT_EQ(cs.WindowTx, 7u);
    clock.Tick = 12000;
    cs.WindowAccTx = 0;
    connection.SpeedWindow();
    EXPECT_EQ(cs.WindowTx, 0u);
    EXPECT_FALSE(g.RepaintRequested) << "an empty window repaints nothing";

    g.RDTDSpeedUpdate = 0;
    cs.WindowAccTx = 9;
    clock.Tick = 20000;
    connection.SpeedWindow();
    EXPECT_EQ(cs.WindowAccTx, 9u);
}

TEST(NextResetTime, EachSchedule)
{
    struct Case {
        const char* What;
        double Reference;
        int32_t Event;
        double Next;
    };
    const Case cases[] = {
        {"none", Date(2023, 5, 6, 8), 0, Date(2023, 5, 6, 8)},
        {"value outside the table", Date(2023, 5, 6, 8), 9, Date(2023, 5, 6, 8)},
        {"yearly", Date(2023, 5, 6, 8), 1, Date(2024, 5, 5, 8)}, // 2024 is a leap year: 365 days fall short
        {"yearly after 29 February", Date(2024, 2, 29, 8), 1, Date(2025, 2, 28, 8)},
        {"quarterly 30 November", Date(2022, 11, 30, 8), 2, Date(2023, 2, 28, 8)},
        {"quarterly 30 November, leap year", Date(2023, 11, 30, 8), 2, Date(2024, 2, 29, 8)},
        {"quarterly in the year", Date(2023, 1, 31, 23, 59), 2, Date(2023, 4, 30, 23, 59)},
        {"monthly 31 January", Date(2023, 1, 31, 8), 3, Date(2023, 2, 28, 8)},
        {"monthly 31 January, leap year", Date(2024, 1, 31, 8), 3, Date(2024, 2, 29, 8)},
        {"monthly December", Date(2023, 12, 15, 8), 3, Date(2024, 1, 15, 8)},
        {"weekly", Date(2023, 12, 28, 8), 4, Date(2024, 1, 4, 8)},
        {"daily", Date(2023, 12, 31, 8), 5, Date(2024, 1, 1, 8)},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(monitor::NextResetTime(c.Reference, c.Event), c.Next, 1e-9) << c.What;
    // A monthly chain keeps the shortened day.
    const double march = monitor::NextResetTime(monitor::NextResetTime(Date(2023, 1, 31, 8), 3), 3);
    EXPECT_NEAR(march, Date(2023, 3, 28, 8), 1e-9);
}

TEST_F(ConnectionStateTest, MissedResetsAreCaughtUpOnePeriodPerConnectedTick)
{
    g.ConnectResetLoggerEvent = monitor::ResetDaily;
    g.ConnectResetLoggerTimeRef = Date(2023, 3, 1, 8);
    g.TotalConnectNew = 0.5;
    clock.NowValue = Date(2023, 3, 4, 12);
    Carrier(false);
    Tick();
    EXPECT_EQ(g.TotalConnectNew, 0.5) << "the schedule is only checked while connected";

    Carrier(true);
    Tick();
    EXPECT_EQ(g.TotalConnectNew, 0);
    EXPECT_DOUBLE_EQ(g.TotalConnectReset, clock.NowValue);
    EXPECT_DOUBLE_EQ(g.ConnectResetLoggerTimeRef, Date(2023, 3, 2, 8));
    EXPECT_TRUE(host.Called("SetupChangeForm"));
    Tick(1);
    Tick(1);
    EXPECT_DOUBLE_EQ(g.ConnectResetLoggerTimeRef, Date(2023, 3, 4, 8));
    EXPECT_DOUBLE_EQ(g.ConnectStart, clock.NowValue) << "the session clock restarts with each reset";
    const double start = g.ConnectStart;
    Tick(1);
    EXPECT_DOUBLE_EQ(g.ConnectResetLoggerTimeRef, Date(2023, 3, 4, 8)) << "caught up";
    EXPECT_DOUBLE_EQ(g.ConnectStart, start);
}

TEST_F(ConnectionStateTest, ConnectTimeLabelWhileTheDialogShows)
{
    g.SetupDialogOpen = 1;
    g.TotalConnectNew = 3723 * Second; // 1:02:03
    g.TotalConnectReset = Date(2023, 3, 4, 9, 5) + 7 * Second;
    Carrier(false);
    Tick();
    Tick();
    ASSERT_EQ(host.Labels.size(), 1u) << "an unchanged label is not set again";
    EXPECT_EQ(host.Labels[0], "Total connect time   1:02:03   since 04/03/2023 09:05:07");

    g.NegotiationDelay = 10;
    Carrier(true);
    Tick();
    Tick(0.2);
    Tick(1);
    ASSERT_EQ(host.Labels.size(), 3u);
    EXPECT_EQ(host.Labels[1], "Total connect time   1:02:13   since 04/03/2023 09:05:07");
    EXPECT_EQ(host.Labels[2], "Total connect time   1:02:14   since 04/03/2023 09:05:07");
}

} // namespace
