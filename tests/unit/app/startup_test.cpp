#include "settings/date_time.h"
#include "settings/launcher.h"
#include "app/shutdown.h"
#include "app/startup.h"
#include "monitor/poll_cycle.h"
#include "fakes/fake_devices.h"
#include "main_window_rig.h"

namespace {

class RecordingStartupHost : public WindowHost,
                             public TrayPart,
                             public MenuPart,
                             public SetupPart,
                             public GraphPart,
                             public TitleStripPart {
public:
    std::vector<std::string> Calls;
    bool VxdOpens = true, VxdHooks = true, VxdIsOpen = false;
    uint32_t Period = 12345;

    void Log(const std::string& s) { Calls.push_back(s); }
    void LoadTrayIcons() override { Log("LoadTrayIcons"); }
    void SetCaption(const std::string& c) override { Log("Caption " + c); }
    void PlaceWindow(bool sizeable, int32_t l, int32_t t, int32_t w, int32_t h) override
    {
        Log(std::string(sizeable ? "Sizeable " : "Single ") + std::to_string(l) + "," + std::to_string(t) + "," +
            std::to_string(w) + "," + std::to_string(h));
    }
    void CreateMemoryDc() override { Log("CreateMemoryDc"); }
    void SetCaptionBit(bool shown) override { Log(shown ? "Caption" : "RemoveCaption"); }
    void ConnectRasEvents() override { Log("ConnectRasEvents"); }
    void AddSystemMenuItems() override { Log("AddSystemMenuItems"); }
    void SetUpdateNowItem(bool present) override { Log(present ? "UpdateNow+" : "UpdateNow-"); }
    void InitModem() override { Log("InitModem"); }
    void SetPollTimer(uint32_t ms) override
    {
        Period = ms;
        if (ms == 0)
            Log("StopPollTimer");
    }
    void StartPollTimer() override { Log("StartPollTimer"); }
    void ShowLogo() override { Log("ShowLogo"); }
    bool OpenHelperVxd() override
    {
        Log("OpenHelperVxd");
        return VxdIsOpen = VxdOpens;
    }
    bool HelperVxdOpen() override { return VxdIsOpen; }
    bool HookHelperVxd() override
    {
        Log("HookHelperVxd");
        return VxdHooks;
    }
    void ConnectApplicationEvents() override { Log("ConnectApplicationEvents"); }
    void ShowTrayIcon(bool hide) override { Log(hide ? "Tray hidden" : "Tray shown"); }
    void ShowMainWindow() override { Log("ShowMainWindow"); }

    // Shut-down
    void CloseRasConnection(bool ending) override { Log(ending ? "RasRelease" : "RasAsk"); }
    int32_t ActivePage(int32_t) override { return 7; }
    void CloseHelperVxd() override { Log("CloseHelperVxd"); }
    void UnloadHelperLibrary() override { Log("UnloadHelperLibrary"); }
    void RedrawForegroundCaption() override { Log("RedrawActiveCaption"); }
    void MainWindowPosition(int32_t& l, int32_t& t) override { l = 11, t = 22; }
    void GraphWindowRect(int32_t& l, int32_t& t, int32_t& w, int32_t& h) override { l = 1, t = 2, w = 300, h = 90; }
    void FreeGdiObjects() override { Log("FreeGdiObjects"); }
    void LogPendingCall() override { Log("LogPendingCall"); }

    bool Called(const std::string& s) const { return std::find(Calls.begin(), Calls.end(), s) != Calls.end(); }
};

class StartupTest : public AppTest {
protected:
    bool Start(const std::string& tail = "")
    {
        // The driver as the system's kind has it (the fixture's is Windows 95's).
        devices::TDLPortIO io(library, services, system.Version.PlatformId == 2, system.SystemDir);
        MainWindowParts parts{host, host, host, host, host};
        AppContext sctx = Context(host, parts, io);
        bool started = RunStartUp(g, tail, sctx);
        portIOActive = io.ActiveHW();
        return started;
    }
    std::vector<std::string> BoxTexts()
    {
        std::vector<std::string> texts;
        for (auto& b : boxes.Shown)
            texts.push_back(b.Text);
        return texts;
    }
    // No logo and no detection aids on any port; the default port's section
    // comes last so that a test can append keys to it.
    void Quiet(int port)
    {
        std::string ini = "[Lampwatcher: Main]\r\nDefault Port=" + std::to_string(port) + "\r\nShow Logo at Startup=0\r\n";
        for (int p = 1; p <= 8; ++p) {
            if (p != port)
                ini += "[Lampwatcher on COM" + std::to_string(p) + "]\r\nNoVxd=1\r\nNo Direct Hardware Acesss=1\r\n";
        }
        SetIni(ini + "[Lampwatcher on COM" + std::to_string(port) + "]\r\nNoVxd=1\r\nNo Direct Hardware Acesss=1\r\n");
    }

    RecordingStartupHost host;
    bool portIOActive = false;
};

TEST_F(StartupTest, NoFileAndNoArgumentStartsWithoutAPort)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ(g.Port, 0);
    EXPECT_EQ(g.FirstRunRequest, 1);
    EXPECT_TRUE(host.Called("ShowLogo"));
    EXPECT_TRUE(host.Called("ShowMainWindow"));
    EXPECT_EQ(g.PortBaseTable[1], 0x2F8);
    EXPECT_EQ(g.HelpFile, "C:\\Program Files\\Blinkery\\Blinkery.hlp");
}

TEST_F(StartupTest, PortArgumentsAndRefusals)
{
    struct Case {
        const char* tail;
        bool starts;
        int32_t port;
    } cases[] = {{"3", true, 3}, {"9", false, 0}, {"x", false, 0}, {"-autocheck 2", true, 2},
                 {"2 -AUTOCHECK", true, 2}, {"-AUTOCHECK 4", false, 0}};
    platform::LineSettings dcb;
    ports.Devices["COM2"] = dcb; // only COM2 exists for the availability test
    for (const Case& c : cases) {
        SettingsTest::SetUp();
        Quiet(1);
        boxes.Shown.clear();
        host.Calls.clear();
        EXPECT_EQ(Start(c.tail), c.starts) << c.tail;
        EXPECT_EQ(host.Called("StartPollTimer"), c.starts) << c.tail;
        if (c.starts) {
            EXPECT_EQ(g.Port, c.port) << c.tail;
            EXPECT_TRUE(boxes.Shown.empty()) << c.tail;
        } else {
            EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Port not available! Blinkery will not start."}) << c.tail;
            EXPECT_EQ(boxes.Shown[0].Icon, platform::MbIcon::Error);
        }
    }
}

TEST_F(StartupTest, TimerIntervalAndLayout)
{
    // The timer ticks only once everything else has run: the logo, the
    // boxes and the launches dispatch messages, and a tick among them would
    // see the line before the engine is cleared.
    SetIni("[Lampwatcher: Main]\r\nDefault Port=1\r\n[Lampwatcher on COM1]\r\nTimer Interval=7\r\n"
           "NewOrientation=2\r\nWindow Position X=40\r\nWindow Position Y=50\r\nAuto Run=1\r\n"
           "Auto Run Program=x.exe\r\nAskFirstAutoRun=1\r\n");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(host.Called("ShowLogo"));
    EXPECT_EQ(boxes.Shown.size(), 2u); // the driver, the launch question
    EXPECT_EQ(host.Calls.back(), "StartPollTimer");
    EXPECT_EQ(std::count(host.Calls.begin(), host.Calls.end(), "StartPollTimer"), 1);
    EXPECT_EQ(host.Period, 143u);
    EXPECT_FALSE(host.Called("UpdateNow+"));
    EXPECT_TRUE(host.Called("Single 40,50,100,10"));

    SettingsTest::SetUp();
    Quiet(1);
    SetIni(Ini() + "Timer Interval=-3\r\nNewOrientation=4\r\nWindowSizeX=150\r\nWindowSizeY=30\r\n");
    host.Calls.clear();
    ASSERT_TRUE(Start());
    EXPECT_EQ(host.Period, 0u);
    EXPECT_TRUE(host.Called("UpdateNow+"));
    EXPECT_TRUE(host.Called("Sizeable 512,369,150,30"));
}

TEST_F(StartupTest, DetectionAidsAndTheirWarnings)
{
    SetIni("[Lampwatcher: Main]\r\nDefault Port=1\r\nShow Logo at Startup=0\r\n");
    host.VxdOpens = false;
    ASSERT_TRUE(Start());
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{monitor::VxdNotFoundText, monitor::DriverMissing9xText}));
    EXPECT_FALSE(host.Called("HookHelperVxd"));
    EXPECT_EQ(g.ModalActive, 0);

    SettingsTest::SetUp();
    SetIni("[Lampwatcher: Main]\r\nDefault Port=1\r\nShow Logo at Startup=0\r\n");
    boxes.Shown.clear();
    host = RecordingStartupHost{};
    host.VxdHooks = false;
    library.Files.insert(std::string(devices::kPortIoLibraryName));
    ASSERT_TRUE(Start());
    EXPECT_TRUE(portIOActive);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{monitor::VxdHookFailedText});

    // NT: no VxD, the driver text of NT.
    SettingsTest::SetUp();
    SetIni("[Lampwatcher: Main]\r\nDefault Port=1\r\nShow Logo at Startup=0\r\n");
    boxes.Shown.clear();
    host = RecordingStartupHost{};
    library.Files.clear();
    system.Version = {2, 4, 0};
    ASSERT_TRUE(Start());
    EXPECT_FALSE(host.Called("OpenHelperVxd"));
    EXPECT_EQ(g.OsKind, OsNT4);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{monitor::DriverMissingNtText});
}

TEST_F(StartupTest, WinModemForcesTheDetectionSettings)
{
    Quiet(1);
    SetIni(Ini() + "WinModem=1\r\nNoVxd=0\r\nDUNRegistry=1\r\nAlternative method for RD=1\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(g.NoVxd, 1);
    EXPECT_EQ(g.RNAAPP, 1);
    EXPECT_EQ(g.DUNRegistry, 0);
    EXPECT_EQ(g.AlternativeMethodForRD, 0);
    EXPECT_FALSE(host.Called("OpenHelperVxd"));
    EXPECT_TRUE(boxes.Shown.empty());
}

TEST_F(StartupTest, LaunchesAndDialUpEntry)
{
    Quiet(1);
    SetIni(Ini() + "Auto Run=1\r\nAuto Run Program=notepad.exe x.txt\r\nDUNRunConnectoid=1\r\n"
                   "DUNRunConnectoidName=My ISP\r\n");
    ASSERT_TRUE(Start());
    ASSERT_EQ(launcher.Runs.size(), 2u);
    EXPECT_EQ(launcher.Runs[0].Command, "notepad.exe x.txt");
    EXPECT_EQ(launcher.Runs[0].Show, platform::ShowState::Default);
    EXPECT_EQ(launcher.Runs[1].Command, "RUNDLL.EXE rnaui.dll,RnaDial My ISP");
    EXPECT_EQ(launcher.Runs[1].Show, platform::ShowState::Normal);

    SettingsTest::SetUp();
    Quiet(1);
    SetIni(Ini() + "DUNRunConnectoid=1\r\nDUNRunConnectoidName=My ISP\r\n");
    system.Version = {2, 5, 0};
    launcher.Runs.clear();
    ASSERT_TRUE(Start());
    EXPECT_EQ(launcher.Runs.at(0).Command, "rasphone.exe -d My ISP");
}

TEST_F(StartupTest, DialUpHelpersOfWindows9x)
{
    Quiet(1);
    fileQuery.Files["C:\\WINDOWS\\SYSTEM\\RNAAPP.EXE"] = {1000, EncodeDateTime({1995, 9, 2})};
    fileQuery.Files["C:\\WINDOWS\\SYSTEM\\LIGHTS.EXE"] = {21248, 0};
    ASSERT_TRUE(Start());
    EXPECT_EQ(g.RnaappNewer, 1);
    EXPECT_EQ(g.RNAAPP, 1); // undecided and newer: on
    EXPECT_EQ(g.LightsAvailable, 1);
    EXPECT_EQ(g.LightsPresent, 0);

    SettingsTest::SetUp();
    Quiet(1);
    fileQuery.Files["C:\\WINDOWS\\SYSTEM\\RNAAPP.EXE"] = {1000, EncodeDateTime({1995, 9, 1, 23, 59})};
    fileQuery.Files["C:\\WINDOWS\\SYSTEM\\LIGHTS.EXE"] = {21249, 0};
    fileQuery.Files["C:\\WINDOWS\\SYSTEM\\LIGHTS!.EXE"] = {5, 0};
    ASSERT_TRUE(Start());
    EXPECT_EQ(g.RnaappNewer, 2);
    EXPECT_EQ(g.RNAAPP, -1);
    EXPECT_EQ(g.LightsAvailable, 0);
    EXPECT_EQ(g.LightsPresent, 1);
}

TEST(Launcher, AsksGuardsAndNeverStartsItself)
{
    Settings = TGVar{};
    fakes::MessageBoxes boxes;
    fakes::Launcher launcher;
    EXPECT_EQ(RunQuestion("calc.exe"), "Run \xB4" "calc.exe\xB4?");

    Launch(Settings, "calc.exe", 1, "Blinkery.exe", boxes, launcher); // answered Ok: not Yes
    EXPECT_TRUE(launcher.Runs.empty());
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Buttons, platform::MbButtons::YesNo);
    EXPECT_EQ(boxes.Shown[0].Icon, platform::MbIcon::Warning);

    boxes.Answer = platform::MbResult::Yes;
    Launch(Settings, "calc.exe", 1, "Blinkery.exe", boxes, launcher);
    EXPECT_EQ(launcher.Runs.size(), 1u);

    Settings.ModalActive = 1; // another box is open: no question, no launch
    Launch(Settings, "calc.exe", 1, "Blinkery.exe", boxes, launcher);
    EXPECT_EQ(boxes.Shown.size(), 2u);
    EXPECT_EQ(launcher.Runs.size(), 1u);
    Settings.ModalActive = 0;

    Launch(Settings, "C:\\B\\Blinkery.exe", 0, "Blinkery.exe", boxes, launcher);
    Launch(Settings, "", 0, "Blinkery.exe", boxes, launcher);
    Launch(Settings, "C:\\B\\BLINKERY.EXE", 0, "Blinkery.exe", boxes, launcher); // exact comparison
    Launch(Settings, "\"C:\\Program Files\\B\\Blinkery.exe\"", 0, "Blinkery.exe", boxes, launcher);
    ASSERT_EQ(launcher.Runs.size(), 2u);
    EXPECT_EQ(launcher.Runs[1].Command, "C:\\B\\BLINKERY.EXE");
}

class ShutdownTest : public StartupTest {
protected:
    void Close(bool ending = false)
    {
        MainWindowParts parts{host, host, host, host, host};
        AppContext sctx = Context(host, parts, portIO);
        ShutDown(g, sctx, ending);
    }
};

TEST_F(ShutdownTest, CloseQuestion)
{
    struct Case {
        int32_t warnWhenExiting, powerdown, inactive, timed, scheduled;
        bool cd, asks;
    } cases[] = {
        {0, 0, 0, 0, 0, true, true},  {0, 0, 0, 0, 0, false, false}, {1, 0, 0, 0, 0, true, false},
        {0, 1, 1, 0, 0, true, false}, {0, 1, 0, 1, 0, true, false},  {0, 1, 0, 0, 1, true, false},
        {0, 1, 0, 0, 0, true, true},  {0, 0, 1, 0, 0, true, true},
    };
    for (const Case& c : cases) {
        g.WarnWhenExiting = c.warnWhenExiting;
        g.Powerdown = c.powerdown;
        g.DisconnectIfInactive = c.inactive;
        g.AutoTimedDisconnectActive = c.timed;
        g.ScheduledDisconnectActive = c.scheduled;
        g.ModemSignals.CD = c.cd;
        EXPECT_EQ(CloseNeedsQuestion(g), c.asks) << &c - cases;
    }
    g = TGVar{};
    g.ModemSignals.CD = true;
    boxes.Answer = platform::MbResult::No;
    EXPECT_FALSE(CloseQuery(g, boxes));
    EXPECT_EQ(boxes.Shown.at(0).Text, "Still connected! Exit Blinkery anyway?");
    boxes.Answer = platform::MbResult::Yes;
    g.ModalActive = 1; // asked from under a tick's box: that box is still open after
    EXPECT_TRUE(CloseQuery(g, boxes));
    EXPECT_EQ(g.ModalActive, 1);
}

TEST_F(ShutdownTest, ClosingTwiceAddsTheConnectTimeAndWritesOnce)
{
    Read(2);
    g.Port = 2;
    g.RAS = 1;
    g.Title = 2;
    g.ModemSignals.CD = true;
    g.TotalConnectNew = 1.0;
    g.ConnectStart = clock.NowValue - 0.25;
    g.NegotiationDelay = 8640; // a tenth of a day
    Close();
    const int writes = files.Writes;
    Close();
    EXPECT_EQ(files.Writes, writes);
    EXPECT_NEAR(g.TotalConnectNew, 1.35, 1e-9);
    EXPECT_EQ(g.ClosingState, 1);
    EXPECT_EQ(g.SetupActivePage, 7);
    EXPECT_EQ(g.WindowPositionX, 11);
    EXPECT_EQ(g.ThroughputWindowPositionY, 2);
    EXPECT_EQ(g.TWindowSizeX, 300u);
    EXPECT_EQ(Value("Lampwatcher on COM2", "TotalConnectNew"), "1.35000000000000E+0000");
    EXPECT_EQ(Value("Lampwatcher: Main", "Default Port"), "2");
    EXPECT_EQ(host.Calls, (std::vector<std::string>{"RasAsk", "StopPollTimer", "LogPendingCall",
                                                    "CloseHelperVxd",
                                                    "UnloadHelperLibrary", "RedrawActiveCaption", "FreeGdiObjects"}));
}

TEST_F(ShutdownTest, EndOfSessionSavesWithoutAsking)
{
    Read(1);
    g.RAS = 1;
    Close(true);
    EXPECT_TRUE(host.Called("RasRelease"));
    EXPECT_TRUE(boxes.Shown.empty());
    EXPECT_EQ(Value("Lampwatcher: Main", "Show Logo at Startup"), "0");
}

} // namespace
