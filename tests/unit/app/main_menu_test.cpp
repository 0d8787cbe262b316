#include "main_window_rig.h"

namespace {

using enum MenuCommand;

TEST_F(MainWindowTest, PopupItemStatesFollowTheSettings)
{
    struct Case {
        std::function<void(TGVar&)> set;
        MenuCommand item;
        PopupItemState expected; // checked, enabled, visible
    };
    const Case cases[] = {
        {[](TGVar& s) { s.ShowTrayIcon = 1; }, InTheSystemTray, {true, true, true}},
        {[](TGVar& s) { s.ShowTrayIcon = 2; }, InTheSystemTray, {false, true, true}},
        {[](TGVar& s) { s.ModemSignals.CD = true; }, ResetSessionConnectTime, {false, true, true}},
        {[](TGVar&) {}, ResetSessionConnectTime, {false, false, true}},
        {[](TGVar& s) { s.NewOrientation = -3; }, Minimize, {false, false, true}},
        {[](TGVar& s) { s.OsKind = OsWin9x; }, RasDialer, {false, true, false}},
        {[](TGVar& s) { s.OsKind = OsWin2000; }, RasDialer, {false, true, true}},
        {[](TGVar& s) { s.Throughput = 1; }, ThroughputDisplay, {true, true, true}},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        TGVar s;
        s.NewOrientation = 3;
        cases[i].set(s);
        const PopupItemState got = PopupItemStateOf(s, cases[i].item), want = cases[i].expected;
        EXPECT_TRUE(got.Checked == want.Checked && got.Enabled == want.Enabled && got.Visible == want.Visible)
            << "case " << i;
    }
}

TEST_F(MainWindowTest, KeysInEitherCase)
{
    const std::pair<std::string, std::optional<MenuCommand>> keys[] = {
        {"aA", About}, {"hH", Help}, {"mM", Minimize}, {"nN", HangUpNow}, {"oO", ToggleTitlebar},
        {"rR", ResetSessionConnectTime}, {"sS", MenuCommand::Setup}, {"tT", ThroughputDisplay}, {"xX", Exit},
        {"qQ1\xE1", std::nullopt},
    };
    for (const auto& [chars, command] : keys)
        for (char c : chars)
            EXPECT_EQ(KeyCommand(g, static_cast<unsigned char>(c)), command) << c;
    for (int32_t os : {OsWin9x, OsNT4, OsWin2000}) {
        g.OsKind = os;
        const std::optional<MenuCommand> want = os == OsWin9x ? std::nullopt : std::optional(RasDialer);
        EXPECT_EQ(KeyCommand(g, 'd'), want) << os;
        EXPECT_EQ(KeyCommand(g, 'D'), want) << os;
    }
}

TEST_F(MainWindowTest, ThroughputDisplayTogglesBetweenTwoAndNothing)
{
    g.Throughput = 1;
    Run(ThroughputDisplay);
    EXPECT_EQ(g.Throughput, 2);
    EXPECT_TRUE(PopupItemStateOf(g, ThroughputDisplay).Checked);
    EXPECT_TRUE(g.RepaintRequested);
    Run(ThroughputDisplay);
    EXPECT_EQ(g.Throughput, 0);
}

TEST_F(MainWindowTest, LeavingTheTrayBringsTheWindowBack)
{
    g.NewOrientation = -4;
    g.ShowTrayIcon = 1;
    Run(InTheSystemTray);
    EXPECT_EQ(g.ShowTrayIcon, 0);
    EXPECT_EQ(g.NewOrientation, 4);
    EXPECT_EQ(rec.Calls, (std::vector<std::string>{"TrayOff", "ShowApplication"}));
    // And back: the icon only, updated at once; the display redrawn.
    rec.Calls.clear();
    g.RepaintRequested = g.ReloadPictures = false;
    Run(InTheSystemTray);
    EXPECT_EQ(g.ShowTrayIcon, 1);
    EXPECT_EQ(rec.Calls, std::vector<std::string>{"TrayOn"});
    EXPECT_TRUE(g.RepaintRequested && g.ReloadPictures);
}

TEST_F(MainWindowTest, SetupWhileTheDialogShowsTakesNoSecondSnapshot)
{
    g.SetupDialogOpen = 1;
    Run(MenuCommand::Setup);
    EXPECT_TRUE(rec.Calls.empty());
    Run(*SystemMenuCommand(301));
    EXPECT_EQ(rec.Calls, std::vector<std::string>{"Front"});
}

} // namespace
