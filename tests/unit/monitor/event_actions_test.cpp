// The event actions through the poll tick, on the real connection
// bookkeeping: sounds, the two logs' exact lines, the CD launches, the
// automatic exit, a log that cannot be written, and a quiet tick.
#include <functional>
#include <tuple>
#include <utility>

#include "allocation_counter.h"
#include "engine_rig.h"
#include "fakes/fake_events.h"
#include "monitor/event_actions.h"

using enginetest::Second;

namespace {

const std::string RiLog = "C:\\PROGRA~1\\BLINKERY\\BLINKERY.RI";
const std::string DcdLog = "C:\\PROGRA~1\\BLINKERY\\BLINKERY.DCD";

class EventActionsTest : public enginetest::EngineRig {
public:
    void Tick(double seconds = 0) { clock.NowValue += seconds * Second, engine.Tick(); }
    void Ring() { library.Registers[enginetest::Msr2] |= 0x40, Tick(1), library.Registers[enginetest::Msr2] &= ~0x40; }
    // From 12:00:01 on a fresh clock; the byte counts are set while it is up.
    void Connection(double seconds)
    {
        clock.NowValue = 45000.5;
        Carrier(true), Tick(1);
        cs.SessionTx = 812, cs.SessionRx = 956;
        Tick(seconds), Carrier(false), Tick();
    }
};

TEST_F(EventActionsTest, RingsAreHeardAndTheCallLoggedOnceTheRingingStopped)
{
    g.LogRI = 1;
    g.RIPlaySound = 2;
    Carrier(false);
    Ring(), Tick(9);
    EXPECT_EQ(logs.Appends, 0) << "the call may go on";
    Tick(2);
    EXPECT_EQ(logs.Files[RiLog], "Call: 15/03/2023 12:00:01   Signals= 1\r\n");
    for (int i = 0; i < 3; ++i)
        Ring(), Tick(3);
    Tick(9);
    EXPECT_TRUE(logs.Files[RiLog].ends_with("\r\nCall: 15/03/2023 12:00:21   Signals= 3\r\n")) << logs.Files[RiLog];
    EXPECT_EQ(sound.Beeps, 4);
    // Blinkery ends less than 10 s after the last ring: the call is logged then, once.
    Ring(), Tick(3);
    actions.LogPendingCall(), actions.LogPendingCall();
    EXPECT_TRUE(logs.Files[RiLog].ends_with("\r\nCall: 15/03/2023 12:00:34   Signals= 1\r\n")) << logs.Files[RiLog];
    EXPECT_EQ(logs.Appends, 3);
}

// Entries follow their settings; a last line that is a lone connect part,
// or an empty log, gets a line break before the next entry.
TEST_F(EventActionsTest, ConnectionLinesFollowTheirSettingsAndStartOnANewLine)
{
    g.LogDCD = 1, g.DCDInterval = 30, g.NegotiationDelay = 20;
    Connection(20), Tick(30);
    EXPECT_EQ(logs.Appends + logs.Reads, 0) << "shorter than the interval";
    const std::string entry = "Connected: 15/03/2023 12:00:01  Disconnected: 15/03/2023 12:32:11  Session Time = "
                              "0:32:30  Total Time = 27:32:30";
    const std::string lone = "Connected: 01/03/2023 09:00:00", full = lone + "  Disconnected: 01/03/2023 09:10\r\n";
    const std::tuple<int32_t, const char*, std::string> cases[] = {
        {0, nullptr, entry + "\r\n"},
        {1, "", "\r\n" + entry + "  Sent: 812  Received: 956 bytes\r\n"},
        {0, lone.c_str(), lone + "\r\n" + entry + "\r\n"},
        {0, full.c_str(), full + entry + "\r\n"},
    };
    for (const auto& [totalBytes, before, expected] : cases) {
        logs.Files.clear();
        if (before)
            logs.Files[DcdLog] = before;
        g.LogTotalBytes = totalBytes, g.TotalConnectNew = 27 * 3600 * Second;
        Connection(1930);
        EXPECT_EQ(logs.Files[DcdLog], expected);
    }
}

TEST_F(EventActionsTest, TheStartInhibitHoldsBackOnlyAnEarlyLaunch)
{
    const std::tuple<int32_t, uint32_t, size_t> cases[] = {{1, 5, 0}, {1, 15, 1}, {0, 5, 1}};
    g.AutoRunCDHigh = 1, g.AutoRunProgramCDHigh = "C:\\NET\\MAIL.EXE";
    for (const auto& [inhibit, delay, runs] : cases) {
        launcher.Runs.clear();
        Carrier(false), Tick();
        g.ProgramStartTime = clock.NowValue, g.AutoRunCDInhibit = inhibit, g.CDHighDelay = delay;
        Carrier(true); // up at the start
        for (int s = 0; s <= 20; ++s)
            Tick(1);
        EXPECT_EQ(launcher.Runs.size(), runs) << inhibit << " " << delay;
    }
}

// One box naming the file, after which the tick ends; the entry is
// dropped, so neither a tick beneath the box nor a later one reports it
// again, and no disconnect part follows. The other log goes on working.
TEST_F(EventActionsTest, ALogThatCannotBeWrittenIsReportedOnceAndDropsItsEntry)
{
    g.LogDCD = g.LogRI = 1;
    logs.Failing = {DcdLog};
    Carrier(true), Tick(1);
    g.ReloadPictures = true; // every complete tick paints
    const int paints = window.Paints;
    window.Beneath = [&] {
        Tick(1);
        EXPECT_EQ(window.Paints, paints + 1) << "the tick beneath completes";
    };
    Tick(1);
    EXPECT_EQ(window.Paints, paints + 1) << "the tick with the box ends";
    ASSERT_EQ(window.Shown.size(), 1u);
    EXPECT_EQ(window.Shown[0].Text, "Unable to write to " + DcdLog);
    EXPECT_EQ(window.Shown[0].Caption, "Blinkery");
    EXPECT_EQ(g.ModalActive, 0);
    Ring(), Tick(11), Carrier(false), Tick(1);
    EXPECT_EQ(logs.Appends, 2) << "the call, and no orphan disconnect part";
    EXPECT_TRUE(logs.Files[RiLog].starts_with("Call: "));

    logs.Failing = {RiLog};
    Ring(), Tick(11), Tick(1);
    EXPECT_EQ(window.Shown.size(), 2u);
    EXPECT_EQ(g.RingCount, 0);
    logs.Failing.clear(); // the failed write may have left part of a line
    Ring(), Tick(11);
    EXPECT_NE(logs.Files[RiLog].find("\r\n\r\nCall: "), std::string::npos) << logs.Files[RiLog];
}

// A refused close leaves Blinkery monitoring as before, without asking
// again; an accepted one ends the tick.
TEST_F(EventActionsTest, AutomaticExitClosesOrMonitoringGoesOn)
{
    const std::pair<bool, std::vector<std::string>> cases[] = {{true, {"TimerOff", "Close"}},
                                                               {false, {"TimerOff", "Close", "TimerOn"}}};
    g.CDAutoExit = 1, g.CDAutoExitDelay = 30;
    for (const auto& [accepted, calls] : cases) {
        window.Log.clear(), window.CloseAccepted = accepted;
        client.Open(OsWin9x, 0, system.ShortProgram), client.Hook();
        Carrier(true), Tick(1), Carrier(false), Tick(1), Tick(29);
        EXPECT_TRUE(window.Log.empty());
        g.ReloadPictures = true;
        const int paints = window.Paints;
        Tick(2);
        EXPECT_EQ(window.Log, calls);
        EXPECT_EQ(vxd.Opened && vxd.Hooked, !accepted);
        EXPECT_EQ(window.Paints, paints + (accepted ? 0 : 1));
        Tick(60);
        EXPECT_EQ(window.Log.size(), calls.size()) << "asked once";
    }
}

TEST_F(EventActionsTest, AQuietTickWithEverythingOnAllocatesNothingAndTouchesNoFile)
{
    g.LogRI = g.LogDCD = g.LogTotalBytes = g.AutoRunCDHigh = g.AutoRunCDLow = g.AutoRunCDInhibit = g.CDAutoExit = 1;
    g.AutoRunProgramCDHigh = g.AutoRunProgramCDLow = "C:\\A PROGRAM WITH A LONG NAME\\THAT NEEDS THE HEAP.EXE";
    g.DCDInterval = 30, g.CDHighDelay = 120, g.OnTop = 2;
    g.RIPlaySound = g.ConnectPlaySound = g.DisconnectPlaySound = 1;
    Carrier(true), Tick(1), Tick(40);
    ASSERT_EQ(g.DcdLogState, monitor::DcdConnectLogged);
    Ring(), Tick(1); // a call being counted
    const int files = logs.Reads + logs.Appends;
    library.Reads.clear(); // the fake port's record keeps its room
    alloccount::Start();
    Tick(1);
    EXPECT_EQ(alloccount::Stop(), 0);
    EXPECT_EQ(logs.Reads + logs.Appends, files);
    EXPECT_TRUE(launcher.Runs.empty());
}

} // namespace
