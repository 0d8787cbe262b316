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
        Minimise(g, window);
        EXPECT_EQ(g.NewOrientation, c[2]);
        EXPECT_EQ(rec.Called("HideApplication"), c[1] == 1); // into the tray only with the icon
        EXPECT_FALSE(g.MinimisedStart);                       // the start command is forgotten
        Restore(g, window);
        EXPECT_EQ(g.NewOrientation, c[3]);
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
