#include "app/switch_port.h"
#include "main_window_rig.h"

namespace {

class RecordingHost : public WindowHost, public TrayPart, public MenuPart {
public:
    int32_t Left = 40, Top = 50;
    bool Tray = false;
    std::vector<std::string> Calls;
    uint32_t Period = 999;
    bool UpdateNow = false;

    void MainWindowPosition(int32_t& left, int32_t& top) override
    {
        left = Left;
        top = Top;
    }
    bool TrayIconShown() override { return Tray; }
    void ShowFromTray() override { Calls.push_back("ShowFromTray"); }
    void SetPollTimer(uint32_t periodMs) override { Period = periodMs; }
    void SetUpdateNowItem(bool present) override { UpdateNow = present; }
    void MoveMainWindow(int32_t left, int32_t top, int32_t width) override
    {
        Calls.push_back("Move " + std::to_string(left) + "," + std::to_string(top) + "," + std::to_string(width));
    }
    void MinimiseApplication() override { Calls.push_back("Minimise"); }
    void EnableMinimiseItem(bool enabled) override { Calls.push_back(enabled ? "EnableMin" : "DisableMin"); }
    void InvalidateMainWindow() override { Calls.push_back("Repaint"); }
};

class SwitchPortTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        SetIni("[Lampwatcher on COM1]\r\nTimer Interval=18\r\nFontBold=1\r\n"
               "[Lampwatcher on COM2]\r\nTimer Interval=0\r\nNo Title Bar=1\r\nNewOrientation=-4\r\n"
               "WindowSizeX=150\r\nWindow Position X=70\r\nWindow Position Y=80\r\n");
        Read(1);
        platform::LineSettings dcb;
        dcb.BaudRate = 38400;
        ports.Devices["COM2"] = dcb;
        ports.Devices["COM1"] = dcb;
        fonts.Created.clear();
    }
    bool Switch(int32_t n) { return SwitchPort(g, n, sctx); }

    RecordingHost host;
    NoWindowParts none;
    MainWindowParts parts{host, host, none.Setup, none.Graph, none.TitleStrip};
    AppContext sctx = Context(host, parts, portIO);
};

TEST_F(SwitchPortTest, SavesTheOldPortAndLoadsTheNew)
{
    g.RealNoTitleBar = 0;
    g.NoTitleBar = 0;
    host.Tray = true;
    ASSERT_TRUE(Switch(2));
    EXPECT_EQ(g.Port, 2);
    EXPECT_EQ(Value("Lampwatcher on COM1", "Window Position X"), "40");
    EXPECT_EQ(Value("Lampwatcher on COM1", "Window Position Y"), "50");
    EXPECT_EQ(g.WindowPositionX, 70);
    EXPECT_EQ(g.RealNoTitleBar, 1); // set aside while the dialog shows the caption
    EXPECT_EQ(g.NoTitleBar, 0);
    EXPECT_FALSE(g.DisplayFont.Bold); // COM1's bold does not follow
    EXPECT_EQ(host.Period, 0u);
    EXPECT_TRUE(host.UpdateNow);
    EXPECT_EQ(g.LineSettings.BaudRate, 38400u);
    EXPECT_EQ(ports.OpenHandles, 0);
    EXPECT_EQ(host.Calls, (std::vector<std::string>{"ShowFromTray", "Move 70,80,150", "Minimise",
                                                    "DisableMin", "Repaint"}));
    EXPECT_TRUE(g.ReloadPictures && g.ReloadTitlePictures && g.DisplayResized && g.RepaintRequested);
    EXPECT_EQ(fonts.Created.size(), 3u); // the caption font while reading, then both
}

TEST_F(SwitchPortTest, AMissingPortIsNotSwitchedToOnWindows9x)
{
    EXPECT_FALSE(Switch(5));
    EXPECT_EQ(g.Port, 1);
    EXPECT_EQ(files.Writes, 0);
    EXPECT_TRUE(host.Calls.empty());
    EXPECT_TRUE(boxes.Shown.empty());
}

TEST_F(SwitchPortTest, NoPortCheckUnderNTOrWithAutoCheck)
{
    g.OsKind = OsNT4;
    EXPECT_TRUE(Switch(5));
    EXPECT_EQ(g.Port, 5);
    EXPECT_TRUE(ports.Opened.empty());

    g.OsKind = OsWin9x;
    g.AutoCheck = 1;
    EXPECT_TRUE(Switch(6)); // COM6 cannot be opened; only the re-read after the switch tries it
    EXPECT_EQ(g.Port, 6);
    EXPECT_EQ(ports.Opened, std::vector<std::string>{"COM6"});
}

TEST_F(SwitchPortTest, SamePortSavesAndReappliesWithoutRereading)
{
    g.TimerInterval = 7;
    ASSERT_TRUE(Switch(1));
    EXPECT_EQ(g.TimerInterval, 7);
    EXPECT_EQ(Value("Lampwatcher on COM1", "Timer Interval"), "7");
    EXPECT_EQ(host.Period, 143u);
    EXPECT_FALSE(host.UpdateNow);
}

TEST_F(SwitchPortTest, AnUnsavableOldPortIsKept)
{
    g.OsKind = OsNT4;
    files.ReadOnly.insert(path);
    EXPECT_FALSE(Switch(2));
    EXPECT_EQ(g.Port, 1);
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Text, "Unable to write to " + path);
}

} // namespace
