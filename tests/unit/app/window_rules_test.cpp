#include <limits>

#include "main_window_rig.h"

namespace {

TEST_F(MainWindowTest, MinimiseAndRestoreKeepTheLayoutInTheSign)
{
    constexpr int32_t Min = std::numeric_limits<int32_t>::min(), Max = std::numeric_limits<int32_t>::max();
    const int32_t cases[][4] = {{3, 1, -3, 3}, {-5, 0, -5, 5}, {Min, 2, Min, Max}}; // layout, tray, minimised, restored
    for (const auto& c : cases) {
        rec.Calls.clear();
        g.NewOrientation = c[0];
        g.ShowTrayIcon = c[1];
        g.MinimisedStart = true;
        Minimise(g, app);
        EXPECT_EQ(g.NewOrientation, c[2]);
        EXPECT_EQ(rec.Called("HideApplication"), c[1] == 1); // into the tray only with the icon
        EXPECT_FALSE(g.MinimisedStart);                       // the start command is forgotten
        Restore(g, app);
        EXPECT_EQ(g.NewOrientation, c[3]);
    }
}

// Activity brings Blinkery back from the tray, but not over an open box or
// the settings dialog, and not a window that is merely minimised.
TEST_F(MainWindowTest, ActivityRestoresOnlyFromTheTrayWhenNothingIsOpen)
{
    struct Case {
        bool activity, inTray;
        int32_t modal, setup;
        bool restored;
    } cases[] = {{true, true, 0, 0, true}, {false, true, 0, 0, false}, {true, false, 0, 0, false},
                 {true, true, 1, 0, false}, {true, true, 0, 1, false}};
    for (const Case& c : cases) {
        rec.Calls.clear();
        g.NewOrientation = -5;
        g.ActivityRestore = c.activity;
        g.ModalActive = c.modal;
        g.SetupDialogOpen = c.setup;
        AutoRestore(g, app, c.inTray);
        EXPECT_EQ(rec.Called("ShowApplication"), c.restored);
        EXPECT_EQ(g.NewOrientation, c.restored ? 5 : -5);
    }
}

TEST_F(MainWindowTest, CaptionSwitchTakesTheCaptionHeightOff)
{
    g.WindowSizeX = 150;
    Run(MenuCommand::ToggleTitlebar);
    Run(MenuCommand::ToggleTitlebar);
    EXPECT_EQ(rec.Calls, (std::vector<std::string>{"NoCaption", "Resize 150x101", "Caption", "Resize 150x120"}));
}

} // namespace
