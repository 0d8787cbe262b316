// The inactivity rules, the automatic disconnections, the hang-up and the
// power-down, on fakes only: nothing here reaches a real line or machine.
#include <cstring>
#include <functional>
#include <stdexcept>
#include <tuple>
#include <utility>

#include "allocation_counter.h"
#include "engine_rig.h"
#include "fakes/fake_events.h"
#include "fakes/fake_power.h"
#include "fakes/fake_ras.h"
#include "monitor/inactivity_rules.h"

namespace {

using Calls = std::vector<std::string>;
constexpr double Second = 1.0 / 86400;

class InactivityTest : public enginetest::EngineRig {
protected:
    InactivityTest()
    {
        g.OsKind = OsNT4;
        g.ModemSignals.CD = true;
        cs.LastActivity = clock.NowValue;
        devices::RasEntryPoints = {};
        clock.Tick = 0;
        clock.Step = 50;
    }
    void Pass(double seconds) { clock.NowValue += seconds * Second; }
    size_t HangUps() const { return launcher.Runs.size(); }
};

TEST_F(InactivityTest, IdleRulesThroughTheTick)
{
    // 0 min 0 s hangs up in the carrier's first tick, through a hidden rasdial on NT.
    g.DisconnectIfInactive = 1;
    io.OpenDriver();
    engine.Tick();
    library.Registers[enginetest::Msr2] = enginetest::CD;
    engine.Tick();
    ASSERT_EQ(HangUps(), 1u);
    EXPECT_EQ(launcher.Runs[0].Command, "rasdial /disconnect");
    EXPECT_EQ(launcher.Runs[0].Show, platform::ShowState::Hidden);

    // With "Trigger RD" 1 sending alone lets the 1-minute idle time run out.
    g.DisconnectTimeIfInactive = 1;
    g.DUNRegistry = 1;
    uint32_t sent = 0;
    for (int32_t triggerRd : {0, 1}) {
        g.TriggerRD = triggerRd;
        launcher.Runs.clear();
        for (int s = 0; s < 70; ++s, Pass(1), engine.Tick())
            Registry(100, sent += 100);
        EXPECT_EQ(HangUps(), size_t(triggerRd)) << "Trigger RD " << triggerRd;
    }
}

TEST_F(InactivityTest, MessagesAndBusyFlags)
{
    g.DisconnectIfInactive = g.WarnIfInactive = 1;
    g.DisconnectTimeIfInactive = 2, g.DisconnectTimeIfInactiveSeconds = 5;
    g.WarnTimeIfInactive = 1;
    g.WarnInactivePlaySound = 2;
    Pass(125);
    // Beneath the disconnect's message a tick tests both rules: only the warning shows.
    window.Beneath = [&] { rules.DisconnectIfInactive(), rules.WarnIfInactive(); };
    window.Answer = platform::MbResult::No;
    rules.DisconnectIfInactive();
    rules.WarnIfInactive(); // the same tick: the closed message reset the idle clock
    ASSERT_EQ(window.Shown.size(), 2u);
    EXPECT_EQ(window.Shown[1].Text,
              "Your connection has been inactive for 2 minute(s) and 5 seconds(s). Automatic disconnect performed!");
    EXPECT_EQ(HangUps(), 1u);
    EXPECT_EQ(sound.Beeps, 1);
    EXPECT_EQ(window.Log, (Calls{"Topmost", "Box", "Topmost", "Box"}));
    EXPECT_FALSE(g.DisconnectBusy || g.WarnBusy || g.ModalActive);

    // The warning answered No comes back after its idle time.
    g.DisconnectIfInactive = 0;
    Pass(59);
    rules.WarnIfInactive();
    Pass(2);
    rules.WarnIfInactive();
    EXPECT_EQ(window.Shown.size(), 3u);
}

TEST_F(InactivityTest, ScheduledAndConnectTimeDisconnects)
{
    // 30 hours and 90 minutes of connect time are 31:30; once per connection.
    g.AutoTimedDisconnectActive = 1;
    g.AutoTimedDisconnectHours = 30, g.AutoTimedDisconnectMinutes = 90;
    g.ConnectStart = clock.NowValue - (31.5 * 3600 - 1) * Second;
    rules.DisconnectAfterConnectTime();
    EXPECT_EQ(HangUps(), 0u);
    Pass(2);
    rules.DisconnectAfterConnectTime();
    rules.DisconnectAfterConnectTime();
    EXPECT_EQ(HangUps(), 1u);

    // The scheduled rule hangs up while still armed, so "Powerdown" follows.
    g.AutoTimedDisconnectActive = 0;
    g.Powerdown = g.ScheduledDisconnectActive = 1;
    g.ScheduledDisconnectTime = clock.NowValue;
    EXPECT_FALSE(rules.DisconnectAtDateTime());
    Pass(1);
    EXPECT_TRUE(rules.DisconnectAtDateTime());
    EXPECT_FALSE(rules.DisconnectAtDateTime());
    EXPECT_FALSE(power.Calls.empty());
    EXPECT_EQ(sound.Beeps, 2);
    EXPECT_EQ(window.Log, (Calls{"Topmost", "Box", "Uncheck", "Topmost", "Box"}));
}

TEST_F(InactivityTest, PowerDown)
{
    // After any hang-up, the menu's too, while a rule is armed.
    const int32_t cases[][5] = {
        // powerdown, scheduled, timed, inactive, powers down
        {1, 0, 0, 1, 1}, {1, 1, 0, 0, 1}, {1, 0, 1, 0, 1}, {1, 0, 0, 0, 0}, {0, 1, 1, 1, 0},
    };
    g.OsKind = OsWin9x;
    for (const auto& c : cases) {
        power.Calls.clear();
        g.Powerdown = c[0], g.ScheduledDisconnectActive = c[1], g.AutoTimedDisconnectActive = c[2];
        g.DisconnectIfInactive = c[3];
        rules.HangUpNow();
        EXPECT_EQ(power.Calls, c[4] ? Calls{"SetSystemPowerState"} : Calls{});
    }

    // NT: the privilege is taken back only after a power-off that worked.
    g.OsKind = OsWin2000;
    const Calls on = {"OpenProcessToken", "Privilege on", "ExitWindowsPowerOff"};
    const std::tuple<bool, bool, Calls> nt[] = {
        {false, true, {"OpenProcessToken"}},
        {true, false, {on[0], on[1], on[2], "CloseProcessToken"}},
        {true, true, {on[0], on[1], on[2], "Privilege off", "CloseProcessToken"}},
    };
    for (const auto& [token, off, calls] : nt) {
        power.Calls.clear();
        power.TokenOpens = token, power.PowerOffSucceeds = off;
        rules.PowerDown();
        EXPECT_EQ(power.Calls, calls);
    }
}

TEST_F(InactivityTest, HangUpOnWindows9x)
{
    // DTR drops for more than a second, also when the tick count wraps meanwhile.
    g.OsKind = OsWin9x;
    io.OpenDriver();
    library.Registers[0x2F8 + 4] = 0x600B; // LSR 0x60 above MCR with DTR, RTS and OUT2
    for (uint32_t start : {0x10000u, 0xFFFFFC00u, 0xFFFFFF00u}) {
        library.Writes.clear();
        clock.Read.clear();
        clock.Tick = start;
        rules.HangUpNow();
        ASSERT_EQ(library.Writes.size(), 2u);
        EXPECT_EQ(library.Writes[0].Value, 0x000A);
        EXPECT_EQ(library.Writes[1].Value, 0x600B);
        const uint32_t waited = clock.Read.back() - clock.Read.front();
        EXPECT_TRUE(waited > 1000 && waited <= 1000 + clock.Step) << std::hex << start;
    }

    // Without direct hardware access: RAS hangs up the first connection.
    g.NoDirectHardwareAcesss = 1;
    ras.Connections.resize(2);
    ras.Connections[0].Handle = 0x111, ras.Connections[1].Handle = 0x222;
    rules.HangUpNow();
    EXPECT_EQ(ras.SizeField, 412u);
    EXPECT_EQ(ras.SizeGiven, 1648u);
    EXPECT_EQ(ras.HangUps, std::vector<uint32_t>{0x111});
    EXPECT_EQ(ras.Frees, std::vector<platform::RasLibrary>{0x10000});
    EXPECT_EQ(ras.WrongEntryCalls, 0);
    EXPECT_EQ(devices::RasEntryPoints.RasHangUpA, 0u); // nothing points into the freed library
    ras.Libraries.clear();
    rules.HangUpNow();
    EXPECT_EQ(ras.HangUps.size() + ras.Frees.size(), 2u);
}

TEST_F(InactivityTest, RulesNotDueDoNotAllocate)
{
    g.DisconnectIfInactive = g.WarnIfInactive = g.AutoTimedDisconnectActive = g.ScheduledDisconnectActive = 1;
    g.DisconnectTimeIfInactive = g.WarnTimeIfInactive = g.AutoTimedDisconnectHours = 1;
    g.ConnectStart = g.ScheduledDisconnectTime = clock.NowValue;
    alloccount::Start();
    for (int i = 0; i < 100; ++i) {
        rules.DisconnectIfInactive(), rules.WarnIfInactive();
        if (!rules.DisconnectAtDateTime())
            rules.DisconnectAfterConnectTime();
    }
    EXPECT_EQ(alloccount::Stop(), 0);
    EXPECT_TRUE(window.Log.empty());
}

} // namespace
