// The throughput graph: sampling, scales, the status text, the columns of
// both views and the quiet repaint.
#include <gtest/gtest.h>

#include <functional>

#include "display/throughput_graph.h"
#include "monitor/allocation_counter.h"

using namespace display;

namespace {

constexpr Colour Bg = Rgb(254, 254, 235), Rd = Rgb(0, 200, 0), Td = Rgb(220, 0, 0);

struct Host final : GraphHost {
    GraphSize Client{200, 40};
    std::vector<std::string> Log;
    const platform::PixelImage* Window = nullptr;
    const platform::PixelImage* InDisplay = nullptr;
    int Top = 0;
    bool GraphWindowBounds(GraphBounds& b) override { return b = {5, 6, 300, 90}, true; }
    void ShowGraphWindow(bool shown) override { Log.push_back(shown ? "show" : "hide"); }
    void InvalidateGraphWindow() override {}
    GraphSize GraphClientSize() override { return Client; }
    void PresentGraphWindow(const platform::PixelImage& graph) override { Window = &graph; }
    GraphSize DisplayClientSize(int w, int h) override { return {w - 8, h - 27}; }
    void SetDisplayGraph(const platform::PixelImage* graph, int top) override { InDisplay = graph, Top = top; }
    void SetThroughputTimer(uint32_t ms) override { Log.push_back("timer " + std::to_string(ms)); }
    void ShowStatusBar(GraphStatusBar, bool) override {}
    void SetStatusText(GraphStatusBar, std::string_view text) override { Status.assign(text); }
    std::string Status = std::string(80, ' ');
};

class ThroughputGraphTest : public ::testing::Test {
protected:
    TGVar g;
    Host host;
    TThroughputGraph graph{g, host};
    void SetUp() override
    {
        g.TWindowSizeX = 601, g.ThroghputUpdateSpeed = 10;
        g.LightThroughputBackground = Bg, g.LightThroughputRD = Rd, g.LightThroughputTD = Td;
    }
    void Tick(uint32_t td, uint32_t rd)
    {
        g.ConnectionState.GraphTx = td, g.ConnectionState.GraphRx = rd;
        graph.TimerThroughputTimer();
    }
    void Skip() { Tick(0, 0), Tick(0, 0); }
};

// A copy of a shown picture.
Bitmap Shown(const platform::PixelImage& picture)
{
    Bitmap b;
    b.Width = picture.Width, b.Height = picture.Height;
    if (picture.Pixels)
        b.Pixels.assign(picture.Pixels, picture.Pixels + size_t(picture.Width) * size_t(picture.Height));
    return b;
}

// Columns 0 to n-1 from the top as runs: "B5T3R2" is 5 background, 3 sent, 2 received.
std::vector<std::string> Columns(const platform::PixelImage& picture, int n)
{
    const Bitmap b = Shown(picture);
    std::vector<std::string> out(static_cast<size_t>(n));
    for (int x = 0; x < n; ++x)
        for (int y = 0, run = 1; y < b.Height; ++y, ++run)
            if (y + 1 == b.Height || b.At(x, y + 1) != b.At(x, y)) {
                const Colour c = b.At(x, y);
                out[static_cast<size_t>(x)] += c == Bg ? 'B' : c == Td ? 'T' : c == Rd ? 'R' : '?';
                out[static_cast<size_t>(x)] += std::to_string(run);
                run = 0;
            }
    return out;
}

TEST_F(ThroughputGraphTest, SamplingSkipsTheFirstTwoTicksAndClearsKeepNothing)
{
    g.GraphMode = 1;
    Tick(50, 60), Tick(70, 80);
    EXPECT_EQ(graph.Sample(0).RD + g.ConnectionState.GraphRx, 0u); // the skipped bytes are dropped
    EXPECT_FALSE(g.GraphRepaintRequested);
    Tick(3, 4), Tick(5, 6);
    EXPECT_EQ(graph.Sample(0).TD, 5u); // newest first
    EXPECT_EQ(graph.Sample(1).RD, 4u);
    EXPECT_TRUE(g.GraphRepaintRequested);
    g.ConnectionState.GraphTx = 9;
    graph.ClearThroughputHistory();
    EXPECT_EQ(graph.Sample(1).RD + graph.Sample(0).TD + g.ConnectionState.GraphTx, 0u);
    Tick(1, 1); // no new skips after a clear
    EXPECT_EQ(graph.Sample(0).TD, 1u);
}

TEST_F(ThroughputGraphTest, AutomaticMaximumOverTheColumnsThatFit)
{
    struct Case { uint32_t windowWidth; uint32_t newestTd, newestRd; int64_t maximum; };
    // Older columns: 1 holds 10+20, 2 holds 100+200 (stacked sums count).
    for (const Case c : {Case{601, 5, 6, 300}, {3, 5, 6, 300}, {2, 5, 6, 30}, {1, 5, 6, 6}, {2, 25, 40, 40},
                         {0, 0, 0, 1}}) {
        TThroughputGraph fresh{g, host};
        g.TWindowSizeX = c.windowWidth;
        g.ConnectionState = {};
        for (auto [td, rd] : {std::pair{0u, 0u}, {0u, 0u}, {100u, 200u}, {10u, 20u}, {c.newestTd, c.newestRd}})
            g.ConnectionState.GraphTx = td, g.ConnectionState.GraphRx = rd, fresh.TimerThroughputTimer();
        EXPECT_EQ(fresh.AutomaticMaximum(), c.maximum) << "width " << c.windowWidth << " newest " << c.newestRd;
    }
}

TEST_F(ThroughputGraphTest, Scales)
{
    struct Case { int set, predefined, value; int64_t scale; };
    for (const Case c : {Case{0, 28800, 9, 77}, {1, 28800, 9, 6400}, {1, 33600, 9, 7467}, {1, 56000, 9, 12444},
                         {2, 28800, 3, 1}, {2, 0, 1, 1}, {2, 0, -900, 1}, {2, 0, 400000, 88889}}) {
        g.TScalingSet = c.set, g.TScalingPredefined = c.predefined, g.TScalingValue = c.value;
        EXPECT_EQ(ThroughputScale(g, 77), c.scale) << c.set << " " << c.predefined << " " << c.value;
    }
}

TEST_F(ThroughputGraphTest, StatusTextIsPerSecond)
{
    struct Case { uint32_t rd, td, tenths; const char* text; };
    for (const Case c : {Case{1536, 0, 10, "DL:   1.5 kB/s   UL:   0.0 kB/s"},
                         {2048, 512, 20, "DL:   1.0 kB/s   UL:   0.3 kB/s"}, // half rounds up
                         {1280, 1024, 1, "DL:  12.5 kB/s   UL:  10.0 kB/s"},
                         {102400000, 0, 10, "DL:100000.0 kB/s   UL:   0.0 kB/s"}}) {
        std::string text;
        BuildThroughputStatus({c.td, c.rd}, c.tenths, text);
        EXPECT_EQ(text, c.text);
    }
}

TEST_F(ThroughputGraphTest, WindowColumnsStackReceivedBelowSentAndClipAtTheTop)
{
    g.TScalingSet = 2, g.TScalingValue = 45, g.ThroughputDataInWindow = 1; // 10 bytes full scale
    host.Client = {4, 28}; // 10 rows above the status bar
    Skip();
    for (auto [td, rd] : {std::pair{30u, 1u}, {0u, 0u}, {5u, 5u}, {3u, 2u}})
        Tick(td, rd);
    graph.FormPaint();
    // Newest at the left; too high a column is cut by the window.
    EXPECT_EQ(Columns(*host.Window, 4), (std::vector<std::string>{"B5T3R2", "T5R5", "B10", "T9R1"}));
    EXPECT_EQ(host.Status, "DL:   0.0 kB/s   UL:   0.0 kB/s");
}

TEST_F(ThroughputGraphTest, InDisplayChartEndsAtTheFirstSampleAboveFullScale)
{
    g.GraphMode = 2, g.TScalingSet = 2, g.TScalingValue = 45;
    g.WindowSizeX = 13, g.WindowSizeY = 75; // 75 - (60 + 2) = 13 rows below the panel
    Skip();
    for (auto [td, rd] : {std::pair{2u, 2u}, {11u, 0u}, {10u, 0u}, {6u, 6u}, {3u, 2u}})
        Tick(td, rd);
    int height = 60;
    graph.DrawThroughputInDisplay(height);
    ASSERT_NE(host.InDisplay, nullptr);
    EXPECT_EQ(height, 75);
    EXPECT_EQ(host.Top, 48 - 13 + 2); // client 48 high
    // Exactly full scale is drawn; the sample above it and all older ones are not.
    EXPECT_EQ(Columns(*host.InDisplay, 5), (std::vector<std::string>{"B5T3R2", "T4R6", "T10", "B10", "B10"}));

    // No room: the window grows to hold the status bar, and there is no graph.
    g.ThroughputDataInWindow = 1, g.WindowSizeY = 70;
    graph.DrawThroughputInDisplay(height = 60);
    EXPECT_EQ(host.InDisplay, nullptr);
    EXPECT_EQ(g.WindowSizeY, 80);
    EXPECT_EQ(height, 60);

    // The largest size the file holds: its pixel count would wrap a 32-bit
    // size, so the picture stays empty.
    g.ThroughputDataInWindow = 0, g.WindowSizeX = g.WindowSizeY = 32767;
    graph.DrawThroughputInDisplay(height = 60);
    ASSERT_NE(host.InDisplay, nullptr);
    EXPECT_EQ(host.InDisplay->Width, 0);
    EXPECT_EQ(host.InDisplay->Pixels, nullptr);
}

TEST_F(ThroughputGraphTest, NewSamplesMoveThePicturesAsAFullCompositionDrawsThem)
{
    // A second graph takes the same samples and composes its views anew at
    // every paint. Both views are wider than the history; spikes raise the
    // automatic scale until they leave the 40 columns it looks at, a fixed
    // scale cuts the in-display chart, some ticks go unpainted, the history
    // is cleared once, and the pictures move further than the room before them.
    Host fullHost;
    TThroughputGraph full{g, fullHost};
    g.GraphMode = 2, g.TWindowSizeX = 40, g.TScalingValue = 4500; // fixed: 1000 bytes full scale
    host.Client = fullHost.Client = {650, 12};
    g.WindowSizeX = 660, g.WindowSizeY = 75; // in display: 652 x 10
    uint32_t seed = 1, moved = 0;
    const auto next = [&seed](uint32_t below) { return ((seed = seed * 1103515245u + 12345u) >> 16 & 0x7FFF) % below; };
    const Colour* before = nullptr;
    for (int i = 0; i < 1300; ++i) {
        const uint32_t td = next(300), rd = next(50) == 0 ? 20000 : next(7) == 0 ? 0 : next(900);
        for (TThroughputGraph* each : {&graph, &full})
            g.ConnectionState.GraphTx = td, g.ConnectionState.GraphRx = rd, each->TimerThroughputTimer();
        if (i == 500)
            graph.ClearThroughputHistory(), full.ClearThroughputHistory();
        g.TScalingSet = i / 150 % 2 * 2;
        if (next(13) == 0)
            continue;
        int height = 60;
        graph.FormPaint(), graph.DrawThroughputInDisplay(height);
        full.ComposeAnew();
        full.FormPaint(), full.DrawThroughputInDisplay(height = 60);
        ASSERT_EQ(Shown(*host.Window), Shown(*fullHost.Window)) << "sample " << i;
        ASSERT_EQ(Shown(*host.InDisplay), Shown(*fullHost.InDisplay)) << "sample " << i;
        moved += std::less<>{}(host.Window->Pixels, before);
        before = host.Window->Pixels;
    }
    EXPECT_GT(moved, 1000u); // most new samples moved the picture
}

TEST_F(ThroughputGraphTest, ModeTimerAndWindow)
{
    // Each paint sets the mode; the timer and the window hear only of changes.
    struct Case { int throughput, inDisplay; bool cd, modal; int mode; std::vector<std::string> on, off; };
    const Case cases[] = {
        {1, 0, false, false, 1, {"timer 1000", "show"}, {"timer 0", "hide"}},
        {2, 0, true, true, 1, {"timer 1000"}, {"timer 0"}}, // not shown over a message box
        {2, 1, true, false, 2, {"timer 1000"}, {"timer 0"}},
        {2, 0, false, false, 0, {}, {}},
    };
    for (const Case& c : cases) {
        TThroughputGraph fresh{g, host};
        g.Throughput = c.throughput, g.ThroughputInDisplay = c.inDisplay, g.ModemSignals.CD = c.cd;
        g.ModalActive = c.modal, g.TWindowSizeX = 601;
        host.Log.clear();
        fresh.ThroughputMode(), fresh.ThroughputMode();
        EXPECT_EQ(g.GraphMode, c.mode);
        EXPECT_EQ(host.Log, c.on) << c.throughput << c.inDisplay << c.cd;
        EXPECT_EQ(g.TWindowSizeX, c.mode == 1 ? 300u : 601u); // the shown window's bounds are kept
        host.Log.clear();
        g.Throughput = 0;
        fresh.ThroughputMode();
        EXPECT_EQ(host.Log, c.off) << c.throughput << c.inDisplay << c.cd;
    }

    // Hidden at a minimise (or as the dialog closes), the window stays hidden
    // while minimised and comes back at the first paint after the restore.
    TThroughputGraph hidden{g, host};
    g.Throughput = 1, g.ModalActive = 0, g.NewOrientation = -5;
    host.Log.clear();
    hidden.ThroughputMode();
    hidden.HideGraphWindow(), hidden.HideGraphWindow();
    g.NewOrientation = 5;
    hidden.ThroughputMode();
    hidden.HideGraphWindow(), hidden.ThroughputMode();
    EXPECT_EQ(host.Log, (std::vector<std::string>{"timer 1000", "show", "hide", "show"}));
}

TEST_F(ThroughputGraphTest, QuietRepaintAllocatesNothing)
{
    g.GraphMode = 2, g.ThroughputDataInWindow = 1, g.WindowSizeX = 200, g.WindowSizeY = 200;
    Skip();
    Tick(1000, 3000);
    int height = 60;
    graph.FormPaint(), graph.DrawThroughputInDisplay(height);
    alloccount::Start();
    for (uint32_t i = 0; i < 50; ++i) {
        Tick(i * 100, i * 7); // a new sample: both views are composed anew
        graph.FormPaint(), graph.FormPaint(), graph.DrawThroughputInDisplay(height = 60);
    }
    EXPECT_EQ(alloccount::Stop(), 0);
}

} // namespace
