#include "settings/fonts.h"
#include "app/switch_port.h"
#include "main_window_rig.h"

namespace {

// The window as the port switch sees it, apart from the dialog's recorder.
class SwitchRecorder : public WindowHost {
public:
    void MainWindowPosition(int32_t& left, int32_t& top) override { left = 10, top = 20; }
};

class SettingsDialogTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        SetIni("[Lampwatcher on COM1]\r\nFontBold=1\r\nBackgroundColor=255\r\nTotalConnectNew=0.5\r\n"
               "ConnectResetLoggerEvent=5\r\nConnectResetLoggerTimeRef=45000\r\n"
               "[Lampwatcher on COM2]\r\nTimer Interval=0\r\nNo Title Bar=1\r\nBackgroundColor=65280\r\n");
        g.OsKind = OsNT4;
        Read(1);
        BuildGdiFonts(g, fonts);
    }
    void Open() { OpenSettingsDialog(g, app); }
    void SwitchTo(int32_t port) { ASSERT_TRUE(SwitchPort(g, port, switchCtx)); }

    SwitchRecorder switchHost;
    AppContext switchCtx = Context(switchHost, parts, portIO);
};

TEST_F(SettingsDialogTest, CancelAfterAPortSwitchReturnsToTheOldPort)
{
    rec.WhileShown = [&] {
        g.BackgroundColor = 0x123456;
        g.TotalConnectNew += 0.25; // a connection ended before the switch
        SwitchTo(2);
    };
    Open();
    EXPECT_EQ(g.Port, 1);
    EXPECT_EQ(g.BackgroundColor, 255u);
    EXPECT_TRUE(g.DisplayFont.Bold);
    EXPECT_TRUE(rec.Called("Timer 56"));  // the poll timer back at 18 ticks a second
    EXPECT_FALSE(rec.Called("NoCaption")); // COM2's "No Title Bar" stays with COM2
    EXPECT_EQ(rec.Calls.back(), "HideGraph");
    EXPECT_EQ(g.TotalConnectNew, 0.75);    // as the switch saved it for COM1
}

TEST_F(SettingsDialogTest, CancelKeepsRunTimeStateAndCountedTime)
{
    g.ModemSignals.CD = true;
    g.ConnectionState.SessionRx = 1000;
    rec.WhileShown = [&] {
        g.DisplayFont.Size = 14;
        BuildGdiFonts(g, fonts); // the dialog's font button
        g.ModemSignals.CD = false;
        g.ConnectionState.SessionRx = 5000;
        g.TotalConnectNew += 0.125; // the session ended
    };
    Open();
    EXPECT_EQ(g.DisplayFont.Size, 10);
    EXPECT_FALSE(g.ModemSignals.CD);
    EXPECT_EQ(g.ConnectionState.SessionRx, 5000u);
    EXPECT_EQ(g.TotalConnectNew, 0.625);
    EXPECT_EQ(fonts.Created.rbegin()[1].Height, 13); // rebuilt from the restored 10 points
}

TEST_F(SettingsDialogTest, CancelKeepsTheAutomaticResetButNotAMovedReference)
{
    const std::pair<double, double> cases[] = {{45001, 45001}, {45002, 45002}, {45000.5, 45000}}; // set, kept
    for (const auto& [set, kept] : cases) {
        g.ConnectResetLoggerTimeRef = 45000;
        rec.WhileShown = [&, set = set] { g.ConnectResetLoggerTimeRef = set, g.TotalConnectNew = 0; };
        Open();
        EXPECT_EQ(g.ConnectResetLoggerTimeRef, kept) << set;
        EXPECT_EQ(g.TotalConnectNew, 0.0);
    }
}

// Cancel takes back what the user did in the dialog beyond the key table:
// "Activate!" with its time, and "Reset Total Connect Time NOW!" (with the
// time a session that ended after the press added); the VxD and the port
// I/O driver follow their restored settings.
TEST_F(SettingsDialogTest, CancelTakesBackTheDialogsOwnActions)
{
    clock.NowValue = 46000;
    g.TotalConnectReset = 45000;
    rec.WhileShown = [&] {
        g.ScheduledDisconnectActive = 1, g.ScheduledDisconnectTime = 46000.5;
        ResetTotalInDialog(g, 46000.1);
        g.TotalConnectNew += 0.125;
        ResetTotalInDialog(g, 46000.2);
        g.TotalConnectNew += 0.0625;
        g.NoVxd = 1;
    };
    Open();
    EXPECT_EQ(g.ScheduledDisconnectActive, 0);
    EXPECT_EQ(g.ScheduledDisconnectTime, 0.0);
    EXPECT_EQ(g.TotalConnectNew, 0.6875);
    EXPECT_EQ(g.TotalConnectReset, 45000.0);
    EXPECT_TRUE(rec.Called("FollowDetectionAids"));

    // An armed disconnect whose moment came while the dialog showed has run:
    // it is not armed again. A reset by the schedule after the press stands.
    g.ScheduledDisconnectActive = 1, g.ScheduledDisconnectTime = 46000.05;
    rec.WhileShown = [&] {
        clock.NowValue = 46000.3;
        g.ScheduledDisconnectActive = 0;
        ResetTotalInDialog(g, 46000.1);
        g.TotalConnectNew = 0, g.TotalConnectReset = 46000.3; // the schedule's reset
    };
    Open();
    EXPECT_EQ(g.ScheduledDisconnectActive, 0);
    EXPECT_EQ(g.TotalConnectReset, 46000.3);
    EXPECT_EQ(g.TotalConnectNew, 0.0);
}

// Blinkery ending while the dialog shows takes the dialog's changes back
// before anything is saved, once.
TEST_F(SettingsDialogTest, ExitWithTheDialogOpenCancelsFirst)
{
    rec.Ok = true; // however the dialog's loop then ends
    rec.WhileShown = [&] {
        g.BackgroundColor = 0x123456;
        CancelSettingsDialog(g, app);
        EXPECT_EQ(g.BackgroundColor, 255u);
        EXPECT_EQ(rec.Calls.back(), "EndDialog");
        g.ClosingState = 1;
        g.BackgroundColor = 7;
    };
    Open();
    EXPECT_EQ(g.BackgroundColor, 7u);
    EXPECT_FALSE(rec.Called("HideGraph"));
    CancelSettingsDialog(g, app); // closed: nothing to cancel
    EXPECT_EQ(std::count(rec.Calls.begin(), rec.Calls.end(), "EndDialog"), 1);
}

TEST_F(SettingsDialogTest, FirstRunOpensOnTheStartPage)
{
    g.FirstRunRequest = 1;
    EXPECT_TRUE(MinimisedDutiesDue(g));
    MinimisedDuties(g, app);
    EXPECT_EQ(g.FirstRunRequest, 0);
    EXPECT_EQ(rec.Calls.front(), "Page 0");
    EXPECT_TRUE(rec.Called("ShowDialog"));
    EXPECT_FALSE(MinimisedDutiesDue(g)); // a shown window with nothing asked
    g.NewOrientation = -3;
    EXPECT_TRUE(MinimisedDutiesDue(g));
    g.ModalActive = 1;
    EXPECT_FALSE(MinimisedDutiesDue(g));
}

TEST_F(SettingsDialogTest, MinimisedSignAndCaptionComeBackAfterTheDialog)
{
    g.NewOrientation = -3;
    g.NoTitleBar = g.ShowTrayIcon = 1;
    rec.Ok = true;
    rec.WhileShown = [&] { EXPECT_TRUE(g.NewOrientation == 3 && g.NoTitleBar == 0); };
    Open();
    EXPECT_TRUE(g.NewOrientation == -3 && g.NoTitleBar == 1);
    EXPECT_TRUE(rec.Called("HideApplication") && rec.Called("NoCaption"));

    rec.WhileShown = [&] { SwitchTo(2); }; // another port: the window comes back shown
    g.NewOrientation = -3;
    Open();
    EXPECT_GT(g.NewOrientation, 0);
}

} // namespace
