#include "settings/date_time.h"
#include "settings/version.h"
#include "display/about_frames.h"
#include "display/layout_tables.h"
#include "monitor/allocation_counter.h"
#include "resource_ids.h"
#include "setup_fixture.h"

namespace {

// The animation lights the lamps of a connection one after another and
// starts again after the sixth picture; painting allocates nothing once the
// pictures are composed.
TEST_F(SetupTest, AboutAnimationLightsTheLampsOfAConnection)
{
    const display::DisplayLayoutInfo& layout = *display::FindDisplayLayout(3);
    const char* lit[] = {"", "CTS DCD", "CTS DCD DSR", "CTS DCD DSR RD", "CTS DCD DSR TD", "CTS DCD DSR TD RD"};
    const display::Bitmap& first = model.PaintBoxAboutPaint();
    ASSERT_EQ(first.Width, display::AboutFrameWidth);
    ASSERT_EQ(first.Height, display::AboutFrameHeight);
    for (int n = 1; n <= display::AboutFrameCount; ++n) {
        const display::Bitmap& frame = model.PaintBoxAboutPaint();
        std::string shown; // the lamps that differ from the first picture's
        for (const display::LampPosition& lamp : layout.Lamps) {
            const int x = display::AboutPictureLeft + layout.Geometry.X(lamp.Column);
            const int y = display::AboutPictureTop + layout.Geometry.Y(lamp.Row);
            std::set<display::Colour> colours;
            bool differs = false;
            for (int dy = 0; dy < 12; ++dy)
                for (int dx = 0; dx < 11; ++dx) {
                    colours.insert(first.At(x + dx, y + dy));
                    differs |= frame.At(x + dx, y + dy) != first.At(x + dx, y + dy);
                }
            EXPECT_GT(colours.size(), 2u) << lamp.Label; // a lamp is drawn there
            if (differs)
                shown += (shown.empty() ? "" : " ") + std::string(lamp.Label);
        }
        EXPECT_EQ(shown, lit[n % display::AboutFrameCount]) << n;
    }
    alloccount::Start();
    for (int n = 0; n < 12; ++n)
        model.PaintBoxAboutPaint();
    EXPECT_EQ(alloccount::Stop(), 0);
}

// The program file's last write in the locale's short date; none when the
// file cannot be found.
TEST_F(SetupTest, AboutPageShowsTheVersionAndTheFileDate)
{
    model.ChangeForm();
    EXPECT_EQ(view.C[IDC_ABOUT_VERSION].Text, BLINKERY_VERSION "  ");
    files.Files[system.Program] = {640000, EncodeDateTime({1999, 3, 12, 23, 59, 59, 999})};
    model.ChangeForm();
    EXPECT_EQ(view.C[IDC_ABOUT_VERSION].Text, BLINKERY_VERSION "  12.3.1999");
    model.TimerAboutTimer();
    EXPECT_EQ(view.Repaints, std::vector<int>{IDC_PAINTBOXABOUT});
}

} // namespace
