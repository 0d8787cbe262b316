#include "monitor/poll_cycle.h"

#include "poll_fixture.h"

using polltest::Mcr2;
using polltest::Msr2;
using SV = std::vector<std::string_view>;

namespace {

class PollCycleTest : public polltest::PollTest {};

TEST_F(PollCycleTest, WithoutAPortATickReadsAndPaintsNothing)
{
    OpenVxd();
    OpenDriver();
    library.Registers[Msr2] = 0xB0;
    for (int32_t port : {0, 9, -1}) {
        g.Port = port;
        g.ModemSignals.CTS = true;
        g.ReloadPictures = true;
        g.GraphRepaintRequested = true;
        Tick();
        EXPECT_TRUE(parts.Log.empty()) << port;
        EXPECT_TRUE(vxd.Requests.empty()) << port;
        EXPECT_TRUE(library.Reads.empty()) << port;
        EXPECT_TRUE(g.ModemSignals.CTS) << port;
        EXPECT_FALSE(g.RepaintRequested) << port;
    }
}

TEST_F(PollCycleTest, StepsRunInTheirOrderOnARisingAndAFallingCarrier)
{
    g.DUNLights = g.RNAAPP = g.DUNRegistry = g.RAS = 1;
    g.OnTop = 2;
    g.SetupDialogOpen = 1;
    g.GraphRepaintRequested = true;
    OpenDriver();
    library.Registers[Msr2] = 0xC0; // CD and RI

    Tick();
    const SV rising{"ReadLightsCounters",
                    "ReadRnaappCounters",
                    "ReadRegistryCounters",
                    "ReadRasCounters",
                    "RingSound",
                    "AutoOnTop",
                    "SpeedWindow",
                    "ConnectSound",
                    "SessionStart",
                    "AutoExit",
                    "LaunchOnCDHigh",
                    "LaunchOnCDLow",
                    "RingLog",
                    "DisconnectIfInactive",
                    "WarnIfInactive",
                    "ConnectLog",
                    "AutoResetTotal",
                    "DisconnectAtDateTime",
                    "DisconnectAfterConnectTime",
                    "UpdateKeyboardLights",
                    "ConnectTimeLabel",
                    "FormPaint",
                    "InvalidateGraphWindow"};
    EXPECT_EQ(parts.Log, rising);
    EXPECT_TRUE(g.ModemSignals.PrevCD);
    EXPECT_TRUE(g.ModemSignals.PrevRI);
    EXPECT_FALSE(g.GraphRepaintRequested);

    library.Registers[Msr2] = 0;
    g.CdHighTime = 45000.1;
    g.CdLowTime = 45000.2;
    g.LightsDevice = 7;
    parts.DateTimeFires = true;
    Tick();
    const SV falling{"ReadLightsCounters",
                     "ReadRnaappCounters",
                     "ReadRegistryCounters",
                     "ReadRasCounters",
                     "AutoOnTop",
                     "SpeedWindow",
                     "DisconnectSound",
                     "SessionEnd",
                     "AutoExit",
                     "LaunchOnCDHigh",
                     "LaunchOnCDLow",
                     "RingLog",
                     "DisconnectIfInactive",
                     "WarnIfInactive",
                     "ConnectLog",
                     "UpdateKeyboardLights",
                     "ConnectTimeLabel",
                     "FormPaint"};
    EXPECT_EQ(parts.Log, falling);
    EXPECT_FALSE(g.ModemSignals.PrevCD);
    EXPECT_FALSE(g.ModemSignals.PrevRI);
    EXPECT_EQ(g.CdHighTime, 0.0); // without carrier the CD-high launch is dropped
    EXPECT_EQ(g.CdLowTime, 45000.2);
    EXPECT_EQ(g.LightsDevice, 0u);
}

TEST_F(PollCycleTest, DateTimeDisconnectThatFiresSkipsTheConnectTimeRule)
{
    OpenDriver();
    library.Registers[Msr2] = 0x80;
    parts.DateTimeFires = true;
    Tick();
    EXPECT_TRUE(parts.Called("DisconnectAtDateTime"));
    EXPECT_FALSE(parts.Called("DisconnectAfterConnectTime"));
}

TEST_F(PollCycleTest, StatusLinesFromTheVxdAndTheUart)
{
    struct Case {
        const char* name;
        const char* hooked; // nullptr: VxD not open
        uint8_t vxdStatus;
        bool driver;
        uint16_t msr;
        bool cts, dsr, ri, cd;
        bool otherPortSent;
    };
    const Case cases[] = {
        {"vxd on the port", "COM2", 0xF0, false, 0, true, true, true, true, false},
        {"vxd on another port", "COM3", 0xF0, false, 0, false, false, false, false, true},
        {"vxd answer too short", "CO", 0xF0, false, 0, false, false, false, false, false},
        {"vxd names COM2 in 3 bytes", "COM", 0xF0, false, 0, false, false, false, false, true},
        {"uart alone", nullptr, 0, true, 0x0030, true, true, false, false, false},
        {"vxd and uart add up", "COM2", 0x10, true, 0x0080, true, false, false, true, false},
        {"uart high byte ignored", nullptr, 0, true, 0x3F00, false, false, false, false, false},
        {"driver inactive reads 0", nullptr, 0, false, 0x00F0, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        vxd = fakes::HelperVxd{};
        vxd.Requests.reserve(16);
        if (c.hooked)
            OpenVxd(c.hooked);
        vxd.ModemStatus = c.vxdStatus;
        if (c.driver)
            io.OpenDriver();
        else
            io.CloseDriver();
        library.Registers[Msr2] = c.msr;
        Tick();
        const TModemSignals& s = g.ModemSignals;
        EXPECT_EQ(s.CTS, c.cts);
        EXPECT_EQ(s.DSR, c.dsr);
        EXPECT_EQ(s.RI, c.ri);
        EXPECT_EQ(s.CD, c.cd);
        const bool sent7 = std::count(vxd.Requests.begin(), vxd.Requests.end(), 7u) == 1;
        EXPECT_EQ(sent7, c.otherPortSent);
        const bool sent8 = std::count(vxd.Requests.begin(), vxd.Requests.end(), 8u) == 1;
        EXPECT_EQ(sent8, c.hooked && std::string_view(c.hooked) == "COM2");
    }
}

TEST_F(PollCycleTest, AnAbsentUartLightsNothingAndClearsPortPresent)
{
    OpenDriver();
    g.NewOrientation = 5;
    for (int32_t os : {OsWin9x, OsNT4, OsWin2000}) {
        SCOPED_TRACE(os);
        g.OsKind = os;
        library.Registers.clear(); // every register reads 0xFFFF
        library.Reads.clear();
        Tick();
        const TModemSignals& s = g.ModemSignals;
        EXPECT_FALSE(g.PortPresent);
        EXPECT_FALSE(s.CTS || s.DSR || s.RI || s.CD || s.DTR || s.RTS);
        // Windows 2000 does not read the control register or the ring again.
        EXPECT_EQ(library.Reads.size(), os == OsWin2000 ? 1u : 3u);

        library.Registers[Msr2] = 0;
        library.Registers[Mcr2] = 0;
        Tick();
        EXPECT_TRUE(g.PortPresent);
    }
}

class TestBoxes : public fakes::MessageBoxes {
public:
    TGVar* g = nullptr;
    std::vector<int32_t> ModalWhileShown;
    std::function<void()> WhileShown;
    platform::MbResult Show(const std::string& text, const std::string& caption, platform::MbButtons buttons,
                            platform::MbIcon icon) override
    {
        ModalWhileShown.push_back(g->ModalActive);
        if (WhileShown)
            WhileShown();
        return fakes::MessageBoxes::Show(text, caption, buttons, icon);
    }
};

TEST_F(PollCycleTest, DriverFailureMarkReopensTheDriverAndLightsNothing)
{
    OpenDriver();
    library.FaultingPorts = {Msr2}; // every status read fails: 65000
    Tick();
    EXPECT_EQ(library.Loads.size(), 2u); // closed and opened again
    EXPECT_TRUE(io.ActiveHW());
    EXPECT_TRUE(boxes.Shown.empty());
    const TModemSignals& s = g.ModemSignals;
    EXPECT_FALSE(s.CTS || s.DSR || s.RI || s.CD);
}

TEST_F(PollCycleTest, DriverThatCannotBeReopenedIsReportedOnceWithTheSystemsText)
{
    const struct {
        int32_t os;
        const char* text;
    } cases[] = {
        {OsWin9x, "Could not find/open the file DLPORTIO.DLL needed for the hardware access.\rPlease make sure it "
                  "is in the Blinkery directory or somewhere in Your path."},
        {OsNT4, "Could not open the hardware driver.\rPlease make sure it has been installed according to the "
                "instructions."},
        {OsWin2000, "Could not open the hardware driver.\rPlease make sure it has been installed according to the "
                    "instructions."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.os);
        fakes::PortIoLibrary lib;
        lib.Files = {"DLPortIO.dll"};
        devices::TDLPortIO driver(lib, services, false, "C:\\WINDOWS\\SYSTEM");
        driver.OpenDriver();
        lib.FaultingPorts = {Msr2};
        lib.Files.clear(); // the library has gone
        TestBoxes shown;
        shown.g = &g;
        monitor::TPollCycle cycle{g, monitor::PollServices{clock, shown, ports, driver, client},
                                  monitor::PollParts{parts, parts, parts, parts, parts, parts}};
        g.OsKind = c.os;
        g.ModalActive = 0;
        // A tick runs beneath the box: it finds the driver closed and opens no
        // second box.
        shown.WhileShown = [&] { cycle.TimerEvent(); };
        cycle.TimerEvent();
        ASSERT_EQ(shown.Shown.size(), 1u);
        EXPECT_EQ(shown.Shown[0].Text, c.text);
        EXPECT_EQ(shown.Shown[0].Caption, "Blinkery");
        EXPECT_EQ(shown.Shown[0].Buttons, platform::MbButtons::Ok);
        EXPECT_EQ(shown.Shown[0].Icon, platform::MbIcon::Error);
        EXPECT_EQ(shown.ModalWhileShown, std::vector<int32_t>{1});
        EXPECT_EQ(g.ModalActive, 0);
        EXPECT_FALSE(driver.ActiveHW());
        EXPECT_FALSE(g.ModemSignals.CD);
    }
}

TEST_F(PollCycleTest, DriverMessageLeavesAnOuterModalFlagSet)
{
    OpenDriver();
    library.FaultingPorts = {Msr2};
    library.Files.clear();
    g.ModalActive = 1; // a box of an outer tick is still open
    Tick();
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(g.ModalActive, 1);
}

TEST_F(PollCycleTest, FailureMarkInTheLaterReadsLightsNoLine)
{
    OpenDriver();
    g.NewOrientation = 4;
    library.FaultingPorts = {Mcr2}; // 65000 = 0xFDE8 would light RI through bit 0x40
    Tick();
    EXPECT_FALSE(g.ModemSignals.DTR || g.ModemSignals.RTS || g.ModemSignals.RI);
    EXPECT_TRUE(boxes.Shown.empty());
}

TEST_F(PollCycleTest, ControlLinesAreReadOnlyForLayoutsFourAndFive)
{
    OpenDriver();
    for (int32_t layout : {1, 2, 3, 4, 5, -4, -5}) {
        SCOPED_TRACE(layout);
        g.NewOrientation = layout;
        library.Registers[Mcr2] = 0x03;
        Tick();
        const bool read = layout == 4 || layout == 5;
        EXPECT_EQ(g.ModemSignals.DTR, read);
        EXPECT_EQ(g.ModemSignals.RTS, read);
    }
}

TEST_F(PollCycleTest, DtrOrRtsChangeRepaintsOnlyWithLayoutsFourAndFive)
{
    OpenDriver();
    for (int32_t layout : {1, 2, 3, 4, 5}) {
        for (uint16_t mcr : {0x01, 0x02}) {
            SCOPED_TRACE(testing::Message() << "layout " << layout << " mcr " << mcr);
            g.NewOrientation = layout;
            library.Registers[Mcr2] = 0;
            Tick();
            g.RepaintRequested = false;
            library.Registers[Mcr2] = mcr;
            Tick();
            EXPECT_EQ(parts.Called("FormPaint"), layout >= 4);
        }
    }
}

TEST_F(PollCycleTest, LampChangeTestFollowsTheLayoutsAbsoluteValue)
{
    OpenDriver();
    const struct {
        int32_t layout;
        bool repaint;
    } cases[] = {{1, true}, {3, true}, {-2, true}, {5, true}, {0, false}, {6, false}, {-7, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layout);
        g.NewOrientation = c.layout;
        library.Registers[Msr2] = 0;
        Tick();
        g.RepaintRequested = false;
        library.Registers[Msr2] = 0x20; // DSR rises
        Tick();
        EXPECT_EQ(g.RepaintRequested || parts.Called("FormPaint"), c.repaint);
    }
}

TEST_F(PollCycleTest, ReloadOrResizeRepaintsOnlyAShownWindow)
{
    for (int32_t layout : {2, -2}) {
        for (bool reload : {false, true}) {
            SCOPED_TRACE(testing::Message() << layout << " " << reload);
            g.NewOrientation = layout;
            g.ReloadPictures = reload;
            g.DisplayResized = !reload;
            Tick();
            EXPECT_EQ(parts.Called("FormPaint"), layout > 0);
        }
    }
}

TEST_F(PollCycleTest, ADroppingCounterLightsNothingUntilItPassesTheLastTotal)
{
    g.DUNRegistry = 1;
    struct Step {
        uint32_t rx;
        bool rd;
        uint32_t graph;
    };
    // A total that passes 2 GB and wraps past 4 GB rose.
    const Step steps[] = {{100, true, 100},  {100, false, 100}, {40, false, 100},
                          {90, false, 100},  {130, true, 130},  {0x7FFFFFFFu, true, 0x7FFFFFFFu},
                          {0xFFFFFFF0u, true, 0xFFFFFFF0u}, {0x10, true, 0x10}};
    for (const Step& st : steps) {
        SCOPED_TRACE(st.rx);
        parts.Registry = {st.rx, 0, 0};
        Tick();
        EXPECT_EQ(g.ModemSignals.RD, st.rd);
        EXPECT_FALSE(g.ModemSignals.TD);
        EXPECT_EQ(g.ConnectionState.GraphRx, st.graph);
        EXPECT_EQ(g.ConnectionState.WindowAccRx, st.graph);
    }
    EXPECT_EQ(g.ConnectionState.LastRx, 0x10u);
}

TEST_F(PollCycleTest, SessionBytesFollowTheTotalsOnlyWithCarrier)
{
    g.RAS = 1;
    bool carrier = false;
    parts.OnRas = [&] { g.ModemSignals.CD = carrier; };
    parts.Ras = {500, 300, 0};
    Tick(); // counters alone light CD (step 8), but after the byte accounting
    EXPECT_EQ(g.ConnectionState.SessionRx, 0u);
    EXPECT_EQ(g.ConnectionState.LastRx, 500u);

    carrier = true;
    parts.Ras = {800, 350, 0};
    Tick();
    const TConnectionState& cs = g.ConnectionState;
    EXPECT_EQ(cs.SessionRx, 800u);
    EXPECT_EQ(cs.SessionTx, 350u);
    EXPECT_EQ(cs.Info.BytesIn, 800u);
    EXPECT_EQ(cs.Info.BytesOut, 350u);
    EXPECT_EQ(cs.GraphTx, 350u);
}

TEST_F(PollCycleTest, CountersLightCarrierOnlyWithoutTheVxd)
{
    const struct {
        bool vxd;
        uint32_t rx, tx;
        bool cd;
    } cases[] = {
        {false, 10, 0, true}, {false, 0, 10, true}, {false, 0, 0, false}, {true, 10, 10, false},
    };
    g.DUNRegistry = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.vxd << " " << c.rx << " " << c.tx);
        vxd.Opened = c.vxd;
        vxd.HookedPort = "COM1"; // another port: no status through it
        parts.Registry = {c.rx, c.tx, 0};
        Tick();
        EXPECT_EQ(g.ModemSignals.CD, c.cd);
    }
}

TEST_F(PollCycleTest, VxdCountersOnlyWhenNoMethodCountedAndTheVxdWatchesThePort)
{
    const struct {
        const char* hooked;
        uint32_t registryRx;
        bool vxdCounted;
    } cases[] = {
        {"COM2", 0, true}, {"COM2", 5, false}, {"COM4", 0, false}, {nullptr, 0, false},
    };
    g.DUNRegistry = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.hooked ? c.hooked : "closed") << " " << c.registryRx);
        vxd.Opened = c.hooked != nullptr;
        vxd.HookedPort = c.hooked ? c.hooked : "";
        parts.Registry = {c.registryRx, 0, 0};
        Tick();
        EXPECT_EQ(parts.Called("ReadVxdCounters"), c.vxdCounted);
    }
}

TEST_F(PollCycleTest, SpeedTextAndHighSpeedKeepTheirValuesWhileTheSpeedIsZero)
{
    g.RAS = 1;
    g.NewOrientation = 5;
    bool carrier = true;
    parts.OnRas = [&] { g.ModemSignals.CD = carrier; };
    g.ConnectionState.ConnectionText = "Work";

    parts.Ras = {0, 0, 14400};
    Tick();
    EXPECT_EQ(g.ConnectionState.SpeedText, "@ 14400 bps Work");
    EXPECT_TRUE(g.ModemSignals.HS);
    EXPECT_EQ(g.ConnectionState.Info.ConnectionSpeed, 14400u);

    parts.Ras = {0, 0, 0}; // still connected, no speed reported: the last one stays
    Tick();
    EXPECT_EQ(g.ConnectionState.Info.ConnectionSpeed, 14400u);

    carrier = false;
    Tick();
    EXPECT_EQ(g.ConnectionState.Info.ConnectionSpeed, 0u);
    EXPECT_EQ(g.ConnectionState.SpeedText, "@ 14400 bps Work");
    EXPECT_TRUE(g.ModemSignals.HS);

    carrier = true;
    parts.Ras = {0, 0, 9600};
    g.ConnectionState.ConnectionText.clear();
    Tick();
    EXPECT_EQ(g.ConnectionState.SpeedText, "@ 9600 bps ");
    EXPECT_FALSE(g.ModemSignals.HS);

    g.NewOrientation = 4;
    parts.Ras = {0, 0, 57600};
    Tick();
    EXPECT_FALSE(g.ModemSignals.HS);
}

TEST_F(PollCycleTest, TapiFillsTheSpeedOnlyOnNt4WhileItIsUnknown)
{
    g.RAS = 1;
    parts.OnRas = [&] { g.ModemSignals.CD = true; };
    parts.Tapi.Speed = 33600;
    for (int32_t os : {OsWin9x, OsWin2000, OsNT4}) {
        SCOPED_TRACE(os);
        g.OsKind = os;
        g.ConnectionState.Info.ConnectionSpeed = 0;
        Tick();
        EXPECT_EQ(parts.Called("ReadTapiSpeed"), os == OsNT4);
        EXPECT_EQ(g.ConnectionState.Info.ConnectionSpeed, os == OsNT4 ? 33600u : 0u);
    }
    Tick(); // the speed is known now
    EXPECT_FALSE(parts.Called("ReadTapiSpeed"));
}

TEST_F(PollCycleTest, LastActivityFollowsTriggerRdAndIsZeroWithoutCarrier)
{
    const struct {
        int32_t triggerRD;
        uint32_t rx, tx;
        bool carrier;
        bool set;
    } cases[] = {
        {0, 1, 0, true, true},   {0, 0, 1, true, true},  {1, 0, 1, true, false},
        {1, 1, 0, true, true},   {0, 1, 1, false, false},
    };
    g.RAS = 1;
    vxd.Opened = true; // keep counters from lighting CD themselves
    bool carrier = false;
    parts.OnRas = [&] { g.ModemSignals.CD = carrier; };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.triggerRD << c.rx << c.tx << c.carrier);
        g.TriggerRD = c.triggerRD;
        g.ConnectionState = TConnectionState{};
        g.ConnectionState.LastActivity = 123.0;
        carrier = c.carrier;
        parts.Ras = {c.rx, c.tx, 0};
        clock.NowValue = 45000.25;
        Tick();
        const double expected = !c.carrier ? 0.0 : c.set ? 45000.25 : 123.0;
        EXPECT_EQ(g.ConnectionState.LastActivity, expected);
    }
}

TEST_F(PollCycleTest, ActivityRequestsARestoreOnlyWithAutoMaximize)
{
    g.DUNRegistry = 1;
    for (int32_t autoMax : {0, 1}) {
        g.AutoMaximize = autoMax;
        g.ConnectionState = TConnectionState{};
        parts.Registry = {10, 0, 0};
        Tick();
        EXPECT_EQ(g.ActivityRestore, autoMax == 1);
        Tick(); // no new bytes
        EXPECT_FALSE(g.ActivityRestore);
    }
}

TEST_F(PollCycleTest, AShownClockRepaintsOncePerSecond)
{
    constexpr double Second = 1.0 / 86400;
    const double base = 45000.5 + 10.2 * Second; // 12:00:10.2
    struct Case {
        const char* name;
        std::function<void(TGVar&)> set;
        bool carrier;
        bool clock;
    };
    const Case cases[] = {
        {"title strip", [](TGVar& v) { v.Title = 1; }, false, true},
        {"connect time while connected", [](TGVar& v) { v.DisplayConnectTime = 1; }, true, true},
        {"connect time offline", [](TGVar& v) { v.DisplayConnectTime = 1; }, false, false},
        {"total in title bar", [](TGVar& v) { v.DisplayTotalConnectTimeInTitlebar = 1; }, true, true},
        {"graph in display", [](TGVar& v) { v.GraphMode = 2; }, true, true},
        {"speed window", [](TGVar& v) { v.SPYSpeedInDisplay = 1; v.RDTDSpeedUpdate = 5; }, false, true},
        {"speed window off", [](TGVar& v) { v.LogTransmitDisp = 1; v.RDTDSpeedUpdate = 0; }, false, false},
        {"nothing shown", [](TGVar&) {}, true, false},
    };
    OpenDriver();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Settings = TGVar{};
        g.PortBaseTable = DefaultPortBaseTable;
        g.Port = 2;
        g.NewOrientation = 1;
        c.set(g);
        library.Registers[Msr2] = c.carrier ? 0x80 : 0;
        clock.NowValue = base;
        Tick(); // the lamps change on the first tick
        g.LastClockRepaint = base;

        const struct {
            double seconds;
            bool repaint;
        } ticks[] = {{0.5, false}, {0.79, false}, {0.85, true}, {1.3, false}, {2.0, true}};
        for (const auto& t : ticks) {
            clock.NowValue = base + t.seconds * Second;
            Tick();
            EXPECT_EQ(parts.Called("FormPaint"), c.clock && t.repaint) << t.seconds;
        }
    }
}

TEST_F(PollCycleTest, ALampChangeDoesNotMoveTheClockReference)
{
    g.Title = 1;
    OpenDriver();
    g.LastClockRepaint = 45000.0;
    clock.NowValue = 45000.5 + 7.0 / 86400;
    library.Registers[Msr2] = 0x10; // CTS rises: a repaint anyway
    Tick();
    EXPECT_TRUE(parts.Called("FormPaint"));
    EXPECT_EQ(g.LastClockRepaint, 45000.0);
}

TEST_F(PollCycleTest, RepaintWhileClosingOnlyInvalidates)
{
    g.ReloadPictures = true;
    g.ClosingState = -1;
    Tick();
    EXPECT_TRUE(parts.Called("InvalidateMainWindow"));
    EXPECT_FALSE(parts.Called("FormPaint"));
    EXPECT_TRUE(g.RepaintRequested);
}

TEST_F(PollCycleTest, GraphWindowWaitsWhileAModalBoxIsOpen)
{
    g.GraphRepaintRequested = true;
    g.ModalActive = 1;
    Tick();
    EXPECT_FALSE(parts.Called("InvalidateGraphWindow"));
    EXPECT_TRUE(g.GraphRepaintRequested);
    g.ModalActive = 0;
    Tick();
    EXPECT_TRUE(parts.Called("InvalidateGraphWindow"));
    EXPECT_FALSE(g.GraphRepaintRequested);
}

TEST_F(PollCycleTest, KeyboardLightsOnlyOnWindows9xInRepaintingTicks)
{
    for (int32_t os : {OsWin9x, OsNT4, OsWin2000}) {
        for (bool repaint : {false, true}) {
            SCOPED_TRACE(testing::Message() << os << " " << repaint);
            g.OsKind = os;
            g.ReloadPictures = repaint;
            Tick();
            EXPECT_EQ(parts.Called("UpdateKeyboardLights"), os == OsWin9x && repaint);
        }
    }
}

TEST_F(PollCycleTest, StatusLineReadsTheLineSettingsThroughTheVxdOrKeepsParityAndStopBits)
{
    g.StatusInDisplay = 1;
    g.LineSettings.BaudRate = 1200;
    g.LineSettings.ByteSize = 7;
    g.LineSettings.Parity = 2;
    g.LineSettings.StopBits = 1;
    Tick(); // no VxD, no handle: speed and data bits read 0
    EXPECT_EQ(g.LineSettings.BaudRate, 0u);
    EXPECT_EQ(g.LineSettings.ByteSize, 0);
    EXPECT_EQ(g.LineSettings.Parity, 2);
    EXPECT_EQ(g.LineSettings.StopBits, 1);

    OpenVxd();
    vxd.Replies[9] = {true, 57600, 0x100};
    vxd.Replies[10] = {true, 0x18, 0x2};
    Tick();
    EXPECT_EQ(g.LineSettings.BaudRate, 57600u);
    EXPECT_EQ(g.LineSettings.ByteSize, 8);
    EXPECT_EQ(g.LineSettings.Parity, 0);
    EXPECT_EQ(g.LineSettings.StopBits, 2);

    g.StatusInDisplay = 0;
    vxd.Requests.clear();
    Tick();
    EXPECT_EQ(std::count(vxd.Requests.begin(), vxd.Requests.end(), 9u), 0);
}

TEST_F(PollCycleTest, RingIsSoundedOnTheRisingEdgeOnly)
{
    OpenDriver();
    const struct {
        uint16_t msr;
        bool sound;
    } ticks[] = {{0x40, true}, {0x40, false}, {0, false}, {0x40, true}};
    for (const auto& t : ticks) {
        library.Registers[Msr2] = t.msr;
        Tick();
        EXPECT_EQ(parts.Called("RingSound"), t.sound);
    }
}

TEST(SignalMemory, ClearingKeepsOnlyHighSpeedAndCopiesItToThePreviousRecord)
{
    TGVar v;
    v.ModemSignals = {true, true, true, true, true, true, true, true, true, true, true};
    v.PreviousSignals = {true, true, true, true, true, true, true, true, true, true, false};
    monitor::ClearSignalMemory(v);
    TModemSignals expected;
    expected.HS = true;
    const auto same = [](const TModemSignals& a, const TModemSignals& b) {
        return a.CTS == b.CTS && a.RTS == b.RTS && a.RI == b.RI && a.PrevRI == b.PrevRI && a.CD == b.CD &&
               a.PrevCD == b.PrevCD && a.DSR == b.DSR && a.TD == b.TD && a.RD == b.RD && a.DTR == b.DTR &&
               a.HS == b.HS;
    };
    EXPECT_TRUE(same(v.ModemSignals, expected));
    EXPECT_TRUE(same(v.PreviousSignals, expected));

    v.ModemSignals.HS = false;
    v.PreviousSignals.HS = true;
    monitor::ClearSignalMemory(v);
    EXPECT_FALSE(v.PreviousSignals.HS);
}

} // namespace
