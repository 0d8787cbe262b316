// The event actions through the poll tick, on the real connection
// bookkeeping: sounds, the two logs with their exact lines, the CD
// launches, the automatic exit, a log that cannot be written, and a quiet
// tick with everything switched on.
#include <functional>

#include "allocation_counter.h"
#include "engine_rig.h"
#include "fakes/fake_events.h"
#include "monitor/event_actions.h"

using enginetest::Second;

namespace {

const std::string RiLog = "C:\\PROGRA~1\\BLINKERY\\BLINKERY.RI";
const std::string DcdLog = "C:\\PROGRA~1\\BLINKERY\\BLINKERY.DCD";

class Host : public monitor::EventHost {
public:
    std::vector<std::string> Log;
    bool CloseAccepted = true;
    void EnablePollTimer(bool on) override { Log.push_back(on ? "TimerOn" : "TimerOff"); }
    bool CloseMainWindow() override
    {
        Log.push_back("Close");
        return CloseAccepted;
    }
};

// Boxes that run a tick beneath them, as a real box's message loop does.
class NestingBoxes : public fakes::MessageBoxes {
public:
    std::function<void()> Beneath;
    platform::MbResult Show(const std::string& text, const std::string& caption, platform::MbButtons buttons,
                            platform::MbIcon icon) override
    {
        if (Beneath)
            Beneath();
        return fakes::MessageBoxes::Show(text, caption, buttons, icon);
    }
};

class EventActionsTest : public enginetest::EngineRig {
public:
    void Tick(double seconds = 0) { clock.NowValue += seconds * Second, eventPoll.TimerEvent(); }
    void Ring() { library.Registers[enginetest::Msr2] |= 0x40, Tick(1), library.Registers[enginetest::Msr2] &= ~0x40; }

    fakes::EventSound sound;
    fakes::LogFiles logs;
    NestingBoxes eventBoxes;
    fakes::Launcher launcher;
    fakes::SystemInfo system;
    Host eventHost;
    monitor::TEventActions actions{g, {clock, sound, logs, eventBoxes, launcher, locale, system, client, eventHost}};
    monitor::TPollCycle eventPoll{g, monitor::PollServices{clock, boxes, ports, io, client},
                                  monitor::PollParts{sources, connection, actions, inactivity, keyboard, windows}};
};

TEST_F(EventActionsTest, CallsAreLoggedOnceTheRingingStopped)
{
    g.LogRI = 1;
    Carrier(false);
    Tick();
    Ring();
    Tick(9);
    EXPECT_EQ(logs.Appends, 0) << "the call may go on";
    Tick(2);
    EXPECT_EQ(logs.Files[RiLog], "Call: 15/03/2023 12:00:01   Signals= 1\r\n");
    for (int i = 0; i < 3; ++i)
        Ring(), Tick(3);
    Tick(9);
    EXPECT_EQ(logs.Appends, 2);
    EXPECT_TRUE(logs.Files[RiLog].ends_with("\r\nCall: 15/03/2023 12:00:21   Signals= 3\r\n")) << logs.Files[RiLog];
}

TEST_F(EventActionsTest, EachRingPlaysItsSoundSetting)
{
    const std::pair<int32_t, std::vector<std::string>> cases[] = {
        {0, {}}, {1, {"ring.wav", "ring.wav"}}, {2, {"beep", "beep"}}};
    g.RISound = "ring.wav";
    Carrier(false);
    for (const auto& [setting, heard] : cases) {
        sound.Played.clear();
        g.RIPlaySound = setting;
        Ring(), Tick(), Ring(), Tick();
        EXPECT_EQ(sound.Played, heard) << setting;
    }
}

// Connects for the given seconds (from 12:00:01 on a fresh clock) and
// disconnects; the session's byte counts are set while the line is up.
void Connection(EventActionsTest& t, double seconds)
{
    t.clock.NowValue = 45000.5;
    t.Carrier(true);
    t.Tick(1);
    t.cs.SessionTx = 812;
    t.cs.SessionRx = 956;
    t.Tick(seconds);
    t.Carrier(false);
    t.Tick(0);
}

TEST_F(EventActionsTest, ConnectionLinesFollowTheirSettings)
{
    g.LogDCD = 1;
    g.DCDInterval = 30;
    g.NegotiationDelay = 20;
    Connection(*this, 20);
    Tick(30);
    EXPECT_EQ(logs.Appends + logs.Reads, 0) << "shorter than the interval";
    EXPECT_EQ(g.DcdLogState, monitor::DcdIdle);

    const std::string line = "Connected: 15/03/2023 12:00:01  Disconnected: 15/03/2023 12:32:11  Session Time = "
                             "0:32:30  Total Time = 27:32:30";
    const std::pair<int32_t, std::string> cases[] = {{0, line + "\r\n"},
                                                     {1, line + "  Sent: 812  Received: 956 bytes\r\n"}};
    for (const auto& [totalBytes, expected] : cases) {
        logs.Files.clear();
        g.LogTotalBytes = totalBytes;
        g.TotalConnectNew = 27 * 3600 * Second;
        Connection(*this, 1930);
        EXPECT_EQ(logs.Files[DcdLog], expected);
    }
}

TEST_F(EventActionsTest, ALoneConnectPartOrAnEmptyLogGetsALineBreakFirst)
{
    struct Case {
        const char* What;
        bool Exists;
        std::string Before, Break;
    };
    const Case cases[] = {
        {"missing", false, "", ""},
        {"empty", true, "", "\r\n"},
        {"lone connect part", true, "Connected: 01/03/2023 09:00:00", "\r\n"},
        {"complete entry", true, "Connected: 01/03/2023 09:00:00  Disconnected: 01/03/2023 09:10:00\r\n", ""},
    };
    g.LogDCD = 1;
    for (const Case& c : cases) {
        logs.Files.clear();
        if (c.Exists)
            logs.Files[DcdLog] = c.Before;
        Connection(*this, 1);
        EXPECT_TRUE(logs.Files[DcdLog].starts_with(c.Before + c.Break + "Connected: 15/03/2023 12:00:01  Disc"))
            << c.What << ": " << logs.Files[DcdLog];
    }
}

TEST_F(EventActionsTest, CarrierLaunchesWaitTheirDelayAndTheStartInhibit)
{
    struct Case {
        int32_t Inhibit;
        uint32_t Delay;
        bool Launched;
    };
    const Case cases[] = {{1, 5, false}, {1, 15, true}, {0, 5, true}};
    g.AutoRunCDHigh = 1;
    g.AutoRunProgramCDHigh = "C:\\NET\\MAIL.EXE";
    for (const Case& c : cases) {
        launcher.Runs.clear();
        Carrier(false);
        Tick();
        g.ProgramStartTime = clock.NowValue;
        g.AutoRunCDInhibit = c.Inhibit;
        g.CDHighDelay = c.Delay;
        Carrier(true); // up at the start
        for (int s = 0; s <= 20; ++s)
            Tick(1);
        ASSERT_EQ(launcher.Runs.size(), c.Launched ? 1u : 0u) << c.Inhibit << " " << c.Delay;
        if (c.Launched) {
            EXPECT_EQ(launcher.Runs[0].Command, "C:\\NET\\MAIL.EXE");
        }
    }
}

// One box naming the file; the tick ends there; the entry is dropped, so
// neither a tick beneath the box nor a later one reports it again, and no
// disconnect part follows a connect part that was not written.
TEST_F(EventActionsTest, ALogThatCannotBeWrittenIsReportedOnceAndDropsItsEntry)
{
    g.LogDCD = 1;
    g.LogRI = 1;
    logs.Failing = {DcdLog};
    Carrier(true);
    Tick(1);
    eventBoxes.Beneath = [this] { eventBoxes.Beneath = nullptr, Tick(1); };
    Tick(1);
    Tick(5);
    ASSERT_EQ(eventBoxes.Shown.size(), 1u);
    EXPECT_EQ(eventBoxes.Shown[0].Text, "Unable to write to " + DcdLog);
    EXPECT_EQ(eventBoxes.Shown[0].Caption, "Blinkery");
    EXPECT_EQ(eventBoxes.Shown[0].Icon, platform::MbIcon::Error);
    EXPECT_EQ(g.ModalActive, 0);
    Ring(), Tick(11);
    EXPECT_TRUE(logs.Files[RiLog].starts_with("Call: ")) << "the other log still works";
    Carrier(false);
    Tick(1);
    EXPECT_EQ(logs.Appends, 2) << "no orphan disconnect part";
    EXPECT_EQ(g.DcdLogState, monitor::DcdIdle);

    logs.Failing = {RiLog};
    Ring(), Tick(9);
    g.ReloadPictures = true; // every complete tick paints
    const int paints = windows.Paints;
    Tick(2);
    EXPECT_EQ(windows.Paints, paints) << "the tick ended at the log";
    EXPECT_EQ(g.RingCount, 0);
    Tick(1);
    EXPECT_EQ(windows.Paints, paints + 1);
    EXPECT_EQ(eventBoxes.Shown.size(), 2u);
}

// A refused close leaves Blinkery monitoring as before, without asking
// again; an accepted one ends the tick.
TEST_F(EventActionsTest, AutomaticExitClosesOrMonitoringGoesOn)
{
    const std::pair<bool, std::vector<std::string>> cases[] = {{true, {"TimerOff", "Close"}},
                                                               {false, {"TimerOff", "Close", "TimerOn"}}};
    g.CDAutoExit = 1;
    g.CDAutoExitDelay = 30;
    for (const auto& [accepted, calls] : cases) {
        eventHost.Log.clear();
        eventHost.CloseAccepted = accepted;
        client.Open(OsWin9x, 0, system.ShortProgram);
        client.Hook();
        Carrier(true), Tick(1), Carrier(false), Tick(1);
        Tick(29);
        EXPECT_TRUE(eventHost.Log.empty());
        g.ReloadPictures = true;
        const int paints = windows.Paints;
        Tick(2);
        EXPECT_EQ(eventHost.Log, calls);
        EXPECT_EQ(vxd.Opened && vxd.Hooked, !accepted);
        EXPECT_EQ(windows.Paints, paints + (accepted ? 0 : 1));
        Tick(60);
        EXPECT_EQ(eventHost.Log.size(), calls.size()) << "asked once";
    }
}

TEST_F(EventActionsTest, AQuietTickWithEverythingOnAllocatesNothingAndTouchesNoFile)
{
    g.LogRI = g.LogDCD = g.LogTotalBytes = 1;
    g.DCDInterval = 30;
    g.AutoRunCDHigh = g.AutoRunCDLow = g.AutoRunCDInhibit = g.CDAutoExit = 1;
    g.AutoRunProgramCDHigh = g.AutoRunProgramCDLow = "C:\\A PROGRAM WITH A LONG NAME\\THAT NEEDS THE HEAP.EXE";
    g.CDHighDelay = 120;
    g.OnTop = 2;
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
