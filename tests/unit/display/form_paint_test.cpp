// The paint as a whole: the order of its steps, the window's size, border
// and stacking, the centred picture, and the reload requests it consumes.
#include "lamp_display_rig.h"

using namespace display;

namespace {

using Calls = std::vector<std::string>;

class FormPaintTest : public rig::LampDisplayTest {
protected:
    void Paint()
    {
        window.Calls.clear();
        bitmaps.Loaded.clear();
        display.FormPaint();
    }
};

TEST_F(FormPaintTest, StepsInOrder)
{
    g.ShowTrayIcon = 1;
    Paint();
    EXPECT_EQ(window.Calls, (Calls{"duties", "title", "tray", "restore", "throughput", "font", "border", "graph",
                                   "resize", "topmost", "present", "hide button", "information"}));
    EXPECT_FALSE(g.RepaintRequested);
    EXPECT_FALSE(g.ReloadPictures);
    EXPECT_FALSE(g.DisplayResized);
    EXPECT_TRUE(g.ReloadTitlePictures); // the title strip's own request

    g.ShowTrayIcon = 0;
    Paint();
    EXPECT_EQ(std::count(window.Calls.begin(), window.Calls.end(), "hide button"), 0);
}

// Minimised, the paint does its other duties and draws nothing; the reload
// requests wait for the window to come back.
TEST_F(FormPaintTest, MinimisedStopsBeforeTheWindow)
{
    g.NewOrientation = -4;
    g.ShowTrayIcon = 1;
    Paint();
    EXPECT_EQ(window.Calls, (Calls{"duties", "title", "tray", "restore", "throughput"}));
    EXPECT_FALSE(g.RepaintRequested);
    EXPECT_TRUE(g.ReloadPictures);
    EXPECT_TRUE(g.DisplayResized);
}

TEST_F(FormPaintTest, TopmostRule)
{
    struct Case {
        int onTop;
        bool active;
        int setupOpen;
        bool topmost;
    } cases[] = {
        {0, true, 0, false}, {1, false, 0, true}, {1, false, 1, false}, {2, false, 0, false},
        {2, true, 0, true},  {2, true, 1, false}, {3, true, 0, false},
    };
    for (const Case& c : cases) {
        g.OnTop = c.onTop;
        parts.OnTop = c.active;
        g.SetupDialogOpen = c.setupOpen;
        window.Topmost = !c.topmost;
        Paint();
        EXPECT_EQ(window.Topmost, c.topmost) << c.onTop << " " << c.active << " " << c.setupOpen;
    }
}

// Window sizes with the Windows 98 metrics of the rig (dialog frame 3,
// SM_CYSIZE 18, SM_CXMIN 112) and a line height of 16.
TEST_F(FormPaintTest, WindowSizeFollowsLayoutTextAndCaption)
{
    struct Case {
        int layout;
        int lines; // status, rates, totals, connect time: how many are on
        int noTitleBar;
        int sizeX; // "WindowSizeX" before the paint
        bool sizeable;
        int width, height, minWidth;
    } cases[] = {
        {1, 0, 0, 0, false, 112, 92, 112},   {1, 4, 0, 150, false, 150, 92, 103},
        {2, 0, 0, 0, false, 186, 62, 186},   {2, 0, 1, 190, false, 190, 44, 186},
        {3, 0, 0, 0, true, 112, 47, 112},    {3, 1, 0, 112, true, 112, 64, 103},
        {3, 4, 0, 300, true, 300, 112, 103}, {4, 2, 1, 111, true, 126, 62, 126},
        {5, 3, 0, 175, true, 175, 96, 175},  {5, 0, 0, 500, true, 500, 47, 175},
    };
    for (const Case& c : cases) {
        g.NewOrientation = c.layout;
        g.StatusInDisplay = c.lines >= 1;
        g.SPYSpeedInDisplay = c.lines >= 2;
        g.LogTransmitDisp = c.lines >= 3;
        g.DisplayConnectTime = c.lines >= 4;
        g.ModemSignals.CD = c.lines >= 4;
        g.NoTitleBar = c.noTitleBar;
        g.WindowSizeX = c.sizeX;
        Paint();
        EXPECT_EQ(window.Sizeable, c.sizeable) << "layout " << c.layout;
        EXPECT_EQ(window.Width, c.width) << "layout " << c.layout << " from " << c.sizeX;
        EXPECT_EQ(g.WindowSizeX, c.width) << "layout " << c.layout << " from " << c.sizeX;
        EXPECT_EQ(window.Height, c.height) << "layout " << c.layout << " lines " << c.lines;
        EXPECT_EQ(display.DisplayHeight(), c.height);
        EXPECT_EQ(display.MinWidth(), c.minWidth) << "layout " << c.layout << " from " << c.sizeX;
    }
}

// A connect-time line only counts while the carrier is up.
TEST_F(FormPaintTest, ConnectTimeLineFollowsTheCarrier)
{
    g.DisplayTotalConnectTimeInDisplay = 1;
    Paint();
    EXPECT_EQ(window.Height, 47);
    g.ModemSignals.CD = true;
    Paint();
    EXPECT_EQ(window.Height, 47 + 16 + 1);
}

// With the graph inside the display the window takes "WindowSizeY", and
// the graph may change the display height.
TEST_F(FormPaintTest, GraphInsideTheDisplayKeepsItsHeight)
{
    g.GraphMode = 2;
    g.WindowSizeY = 140;
    parts.GraphHeight = 99;
    Paint();
    EXPECT_EQ(window.Height, 140);
    EXPECT_EQ(display.DisplayHeight(), 99);
    g.GraphMode = 1;
    Paint();
    EXPECT_EQ(window.Height, 99);
}

// Before the window first shows it is sized as the first paint will size
// it, the graph's mode taken from the settings, and nothing else is done:
// no part's step (the first paint may open the settings dialog), no drawing.
TEST_F(FormPaintTest, FittedBeforeShowingAsThePaintSizesIt)
{
    struct Case {
        int layout, throughput, inDisplay, graphMode;
    } cases[] = {{5, 0, 1, 0}, {3, 1, 0, 1}, {3, 1, 1, 2}, {2, 2, 1, 0}, {-5, 1, 1, -1}};
    for (const Case& c : cases) {
        g.NewOrientation = c.layout;
        g.Throughput = c.throughput;
        g.ThroughputInDisplay = c.inDisplay;
        g.GraphMode = -1;
        g.WindowSizeX = 0;
        g.WindowSizeY = 140;
        window.Calls.clear();
        window.Width = window.Height = 0;
        display.FitBeforeShow();
        EXPECT_EQ(window.Calls, c.layout < 0 ? Calls{} : (Calls{"font", "border", "graph", "resize"}))
            << "layout " << c.layout;
        if (c.layout < 0)
            continue;
        EXPECT_EQ(g.GraphMode, c.graphMode) << "layout " << c.layout;
        const int width = window.Width, height = window.Height;
        EXPECT_EQ(height, c.graphMode == 2 ? 140 : display.DisplayHeight());
        g.GraphMode = c.graphMode; // what the paint's throughput step sets
        Paint();
        EXPECT_EQ(std::make_pair(window.Width, window.Height), std::make_pair(width, height)) << "layout " << c.layout;
    }
}

TEST_F(FormPaintTest, PictureCentredInTheClientArea)
{
    struct Case {
        int layout, sizeX, x;
    } cases[] = {{3, 300, 96}, {3, 109, 2}, {1, 112, 2}, {2, 186, -2}, {5, 181, 0}};
    for (const Case& c : cases) {
        g.NewOrientation = c.layout;
        g.WindowSizeX = c.sizeX;
        Paint();
        EXPECT_EQ(window.Frame.X, c.x) << "layout " << c.layout << " width " << c.sizeX;
        EXPECT_EQ(window.Frame.Y, -2);
    }
}

TEST_F(FormPaintTest, FrameColoursAreColourValues)
{
    g.BackgroundColor = 0x12345678;
    g.TextColor = 0x80000005;
    Paint();
    EXPECT_EQ(window.Frame.Background, 0x345678u);
    EXPECT_EQ(window.Frame.Text, 0x000005u);
}

// Recolouring runs only on a request: a repaint with nothing to reload
// loads nothing; a resize reloads the picture but not the lamps.
TEST_F(FormPaintTest, PicturesLoadOnlyOnRequest)
{
    g.NewOrientation = 4;
    Paint();
    EXPECT_EQ(bitmaps.Loaded, (Calls{"HORIZ_MODEM", "LIGHTON_Modem_R", "LIGHTOFF_Modem_R", "NOLIGHT_Modem_R"}));

    g.ModemSignals.CD = g.ModemSignals.TD = true;
    Paint();
    EXPECT_EQ(bitmaps.Loaded, Calls{});

    g.DisplayResized = true;
    Paint();
    EXPECT_EQ(bitmaps.Loaded, Calls{"HORIZ_MODEM"});

    g.LampLook = 2;
    g.ReloadPictures = true;
    Paint();
    EXPECT_EQ(bitmaps.Loaded, (Calls{"HORIZ_MODEM", "LIGHTON_Modem_SQ", "LIGHTOFF_Modem_SQ", "NOLIGHT_Modem_SQ"}));
}

// A new layout or look always loads its pictures, even if no one asked:
// the panel never shows another layout's picture or empty lamps.
TEST_F(FormPaintTest, NewLayoutOrLookLoadsWithoutARequest)
{
    Paint();
    g.NewOrientation = 1;
    Paint();
    EXPECT_EQ(bitmaps.Loaded, (Calls{"SQUARE", "LIGHTON_LARGE_R", "LIGHTOFF_LARGE_R"}));
    g.LampLook = 0;
    Paint();
    EXPECT_EQ(bitmaps.Loaded, (Calls{"LIGHTON_LARGE_D", "LIGHTOFF_LARGE_D"}));
    // A look the lamps do not have is the default one.
    g.LampLook = 7;
    Paint();
    EXPECT_EQ(bitmaps.Loaded, (Calls{"LIGHTON_LARGE_R", "LIGHTOFF_LARGE_R"}));
}

TEST_F(FormPaintTest, PictureThatDoesNotLoadLeavesThePreviousOne)
{
    Paint();
    const Bitmap before = window.Shown;
    bitmaps.Missing.insert("COURIER");
    g.NewOrientation = 5;
    g.ReloadPictures = true;
    Paint();
    EXPECT_EQ(window.Shown.Width, before.Width);
    EXPECT_EQ(window.Presents, 2);
}

TEST_F(FormPaintTest, ResizeStoresTheSizeAndAsksForARebuild)
{
    g.DisplayResized = false;
    g.WindowSizeY = 80;
    display.FormResize(250, 90);
    EXPECT_EQ(g.WindowSizeX, 250);
    EXPECT_EQ(g.WindowSizeY, 80);
    EXPECT_TRUE(g.DisplayResized);
    EXPECT_EQ(window.Invalidations, 1);
    EXPECT_EQ(window.Presents, 0); // a resize never paints by itself

    g.GraphMode = 2;
    display.FormResize(260, 120);
    EXPECT_EQ(g.WindowSizeY, 120);
}

// The title strip draws its lamps through the same cache, with its own
// look and its own reload request.
TEST_F(FormPaintTest, TitleFamilyUsesItsOwnRequest)
{
    g.LampLookTitle = 1;
    g.LightColorOn = Rgb(1, 2, 3);
    g.ModemSignals.CD = true;
    Bitmap strip(94, 18, 0);
    const LampPosition lamp{0, 2, "CD", LampSignal::CD};
    DrawnLamps drawn;
    display.Pictures().DrawChangedLamps(strip, {&lamp, 1}, TitleLampGeometry, LampFamily::Title, drawn, {});
    EXPECT_FALSE(g.ReloadTitlePictures);
    EXPECT_TRUE(g.ReloadPictures);
    const Bitmap& image = shipped::Pictures().Find("LIGHTON_Title_R")->Image;
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x)
            if (image.At(x, y) == LitColour) {
                EXPECT_EQ(strip.At(3 + 2 * 15 + x, 1 + y), Rgb(1, 2, 3));
            }
}

} // namespace
