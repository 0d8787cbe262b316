#include <gtest/gtest.h>

#include "tray/tray_icon.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_tray.h"

namespace {

class TrayTest : public ::testing::Test {
protected:
    intptr_t Send(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0)
    {
        intptr_t result = -1;
        tray.HandleMessage(message, wParam, lParam, result);
        return result;
    }
    void Mouse(uint32_t mouseMessage) { Send(TrayCallbackMessage, 42, mouseMessage); }
    // The deferred message arrives for every post.
    void Deliver()
    {
        while (windows.Posted > delivered) {
            ++delivered;
            Send(TrayDeferredMessage);
        }
    }
    void Advance(uint32_t ms)
    {
        clock.Tick += ms;
        tray.TimerTick();
    }
    bool Logged(const std::string& step) const
    {
        return std::find(windows.Log.begin(), windows.Log.end(), step) != windows.Log.end();
    }

    fakes::TrayShell shell;
    fakes::SystemTimer timer;
    fakes::Clock clock;
    fakes::TrayWindows windows;
    fakes::IconLoader icons;
    TTrayIcon95 tray{{shell, timer, clock, windows, windows, icons}, 11};
    int delivered = 0;
    int clicks = 0, doubleClicks = 0;
};

TEST_F(TrayTest, ClicksAreResolvedAfterTheDoubleClickWait)
{
    struct Row {
        const char* Name;
        std::vector<uint32_t> Messages;
        bool AutoPopup;
        int Clicks, DoubleClicks;
    };
    const Row rows[] = {
        {"single left click", {WmLButtonDown}, false, 1, 0},
        {"double click", {WmLButtonDown, WmLButtonDblClk}, false, 0, 1},
        {"right click without AutoPopup", {WmRButtonDown}, false, 1, 0},
        {"right click with AutoPopup but no menu", {WmRButtonDown}, true, 1, 0},
        {"middle double click", {WmMButtonDown, WmMButtonDblClk}, false, 0, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TTrayIcon95 t{{shell, timer, clock, windows, windows, icons}, 11};
        int c = 0, d = 0;
        t.OnClick = [&](TTrayIcon95&) { ++c; };
        t.OnDblClick = [&](TTrayIcon95&) { ++d; };
        t.AutoPopup = row.AutoPopup;
        intptr_t result;
        for (uint32_t m : row.Messages)
            t.HandleMessage(TrayCallbackMessage, 42, m, result);
        clock.Tick += 399;
        t.TimerTick();
        EXPECT_EQ(c, 0);
        clock.Tick += 1;
        t.TimerTick();
        EXPECT_EQ(c, row.Clicks);
        EXPECT_EQ(d, row.DoubleClicks);
    }
}

TEST_F(TrayTest, WithoutDoubleClickHandlerClicksAreDeferredAndNoneIsLostAfterADoubleClick)
{
    tray.OnClick = [&](TTrayIcon95&) { ++clicks; };
    Mouse(WmLButtonDown);
    EXPECT_EQ(clicks, 0);
    Deliver();
    EXPECT_EQ(clicks, 1);
    Mouse(WmLButtonDblClk); // no OnDblClick: nothing fires
    Mouse(WmLButtonDown);
    Deliver();
    EXPECT_EQ(clicks, 2);
}

TEST_F(TrayTest, PointerLeavesWhenTheCursorMovesMoreThanTwoAcrossOrThreeDown)
{
    struct Row {
        int Dx, Dy;
        bool Left;
    } const rows[] = {{2, 0, false}, {3, 0, true}, {-3, 0, true}, {0, 2, false},
                      {0, 3, true},  {0, -3, true}, {2, 2, false}, {-2, -2, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Dx << "," << row.Dy);
        TTrayIcon95 t{{shell, timer, clock, windows, windows, icons}, 11};
        int enters = 0, exits = 0;
        t.OnMouseEnter = [&](TTrayIcon95&, uint32_t, int32_t, int32_t) { ++enters; };
        t.OnMouseExit = [&](TTrayIcon95&, uint32_t, int32_t, int32_t) { ++exits; };
        windows.Cursor = {100, 200};
        intptr_t result;
        t.HandleMessage(TrayCallbackMessage, 42, WmMouseMove, result);
        EXPECT_EQ(enters, 1);
        windows.Cursor = {100 + row.Dx, 200 + row.Dy};
        clock.Tick += 70;
        t.TimerTick();
        EXPECT_EQ(exits, row.Left ? 1 : 0);
        EXPECT_EQ(t.MessageWindow().PointerInside(), !row.Left);
    }
}

TEST_F(TrayTest, AutoPopupGivesTheForegroundBackToTheDesktopUnlessAFormShows)
{
    tray.AutoPopup = true;
    tray.PopupMenu = 99;
    tray.OnClick = [&](TTrayIcon95&) { ++clicks; };
    windows.Cursor = {640, 470};
    Mouse(WmMouseMove);
    Mouse(WmRButtonDown);
    EXPECT_EQ(windows.Log, (std::vector<std::string>{"app to foreground", "process messages", "popup 640,470",
                                                     "post 1024"}));
    windows.Minimized = true;
    Mouse(WmRButtonDown);
    EXPECT_EQ(windows.Log.back(), "desktop to foreground");
    windows.Minimized = false;
    windows.VisibleForms.clear();
    Mouse(WmRButtonDown);
    EXPECT_EQ(windows.Log.back(), "desktop to foreground");
    Advance(400);
    EXPECT_EQ(clicks, 0);
}

TEST_F(TrayTest, SessionEndIsAllowedAndRemovesTheIcon)
{
    tray.SetActive(true);
    EXPECT_EQ(Send(WmQueryEndSession), 1);
    Send(WmEndSession, 0);
    EXPECT_TRUE(tray.Active());
    Send(WmEndSession, 1);
    EXPECT_FALSE(tray.Active());
    EXPECT_EQ(shell.Calls.back().Command, platform::TrayCommand::Delete);
}

// A change sends only the part that changed, and a hint that differs only
// past the 63 characters the shell takes sends nothing.
TEST_F(TrayTest, RecordCarriesTheFirst63CharactersOfTheHint)
{
    tray.SetIcon(5);
    tray.SetActive(true);
    const std::string hint(70, 'x');
    tray.SetHint(hint);
    const platform::TrayRecord& sent = shell.Calls.back().Record;
    EXPECT_EQ(shell.Calls.back().Command, platform::TrayCommand::Modify);
    EXPECT_EQ(std::string(sent.Tip), hint.substr(0, 63));
    EXPECT_EQ(sent.Flags, platform::TrayTipFlag);
    EXPECT_EQ(sent.Window, 7u);
    const size_t calls = shell.Calls.size();
    tray.SetHint(hint.substr(0, 65));
    EXPECT_EQ(shell.Calls.size(), calls);
    tray.SetIcon(6);
    EXPECT_EQ(shell.Calls.back().Record.Flags, platform::TrayIconFlag);
    EXPECT_EQ(shell.Calls.back().Record.Icon, 6u);
    tray.SetShowHint(false);
    EXPECT_EQ(std::string(shell.Calls.back().Record.Tip), "");
}

TEST_F(TrayTest, IconRefusedByTheShellIsAddedAtTheNextChange)
{
    shell.Refuse = true;
    tray.SetActive(true);
    EXPECT_FALSE(tray.Shown());
    shell.Refuse = false;
    tray.SetHint("up");
    EXPECT_EQ(shell.Calls.back().Command, platform::TrayCommand::Add);
    EXPECT_TRUE(tray.Shown());
}

TEST_F(TrayTest, DeferredCallRunsOnceAndAFailingOneIsDropped)
{
    tray.Options = 0;
    tray.HideApplication();
    EXPECT_TRUE(windows.Log.empty()); // not before the message arrives
    Deliver();
    Send(TrayDeferredMessage); // a second arrival finds nothing
    EXPECT_EQ(std::count(windows.Log.begin(), windows.Log.end(), "release"), 1);
    EXPECT_TRUE(Logged("minimize")); // without the animation
    EXPECT_TRUE(windows.Animation);  // which is back on afterwards

    windows.Log.clear();
    windows.ParentWorks = false; // the hidden parent's class cannot be registered
    tray.ShowApplication();
    EXPECT_NO_THROW(Deliver());
    EXPECT_FALSE(Logged("show app"));
    windows.ParentWorks = true;
    Send(TrayDeferredMessage);
    EXPECT_FALSE(Logged("show app"));

    windows.PostWorks = false;
    tray.ShowApplication();
    windows.PostWorks = true;
    Send(TrayDeferredMessage); // a message from elsewhere does not run the unposted call
    EXPECT_FALSE(Logged("show app"));
}

TEST_F(TrayTest, FormErrorsCarryTheirTexts)
{
    auto message = [](auto&& call) {
        try {
            call();
        } catch (const TrayError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { tray.ShowForm(0); }), TrayShowNilError);
    EXPECT_EQ(message([&] { tray.ShowModalForm(0); }), TrayShowNilError);
    EXPECT_EQ(message([&] { tray.HideForm(0); }), TrayHideNilError);
    EXPECT_EQ(message([&] { TTrayIcon95 t({shell, timer, clock, windows, windows, icons}, 0); }), TrayOwnerError);

    std::string inShow;
    windows.OnShowHandler = [&] { inShow = message([&] { tray.ShowForm(12); }); };
    tray.FormShown(12);
    EXPECT_EQ(inShow, TrayShowInShowError);
    EXPECT_EQ(message([&] { tray.ShowForm(12); }), "no error"); // the guard is lifted again

    tray.SetActive(true);
    std::string inChanging;
    tray.OnStateChanging = [&](TTrayIcon95& t, TTrayIconState&) {
        inChanging = message([&] { t.SetState(TTrayIconState::tsEnabled); });
    };
    tray.SetState(TTrayIconState::tsDisabled);
    EXPECT_EQ(inChanging, TrayStateError);
}

TEST_F(TrayTest, ModalFormFromTheTrayReturnsThereWhenItCloses)
{
    windows.Visible = false; // the application is in the tray
    EXPECT_EQ(tray.ShowModalForm(12), 2);
    EXPECT_TRUE(Logged("under hidden parent"));
    tray.FormShown(12);
    Deliver(); // the application window is hidden again, the form in front
    EXPECT_EQ(windows.Log.back(), "form to foreground 12");
    windows.Log.clear();
    tray.Options = 0;
    tray.FormClosing(12);
    Deliver();
    EXPECT_TRUE(Logged("minimize"));
    windows.Log.clear();
    tray.FormClosing(12); // the notifier is gone with the form
    Deliver();
    EXPECT_TRUE(windows.Log.empty());
}

TEST_F(TrayTest, AnimationCyclesItsFramesAndKeepsThePictureOfAMissingOne)
{
    tray.Animation.Icons = {"a.ico", "b.ico", "c.ico"};
    icons.Missing = {"b.ico"};
    int steps = 0;
    tray.OnAnimation = [&](TTrayIcon95&) { ++steps; };
    tray.SetActive(true);
    tray.SetState(TTrayIconState::tsAnimated);
    EXPECT_EQ(timer.Period, 150u);
    const TrayHandle first = tray.CurrentIcon();
    EXPECT_NE(first, 0u);
    std::vector<TrayHandle> shown;
    for (int i = 0; i < 4; ++i) {
        Advance(1000);
        shown.push_back(tray.CurrentIcon());
    }
    EXPECT_EQ(steps, 4);
    EXPECT_EQ(icons.Loaded, (std::vector<std::string>{"a.ico", "a.ico", "c.ico", "a.ico"}));
    EXPECT_EQ(shown[1], shown[0]); // b.ico missing: a's picture stays
    tray.SetState(TTrayIconState::tsEnabled);
    EXPECT_FALSE(timer.Running);
}

} // namespace
