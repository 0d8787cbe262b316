// The strip and the connect time in the foreground window's caption: when
// they are drawn, which windows take them and where, the strip's pixels on
// the shipped pictures, and a quiet repaint that allocates nothing.
#include <climits>
#include <map>

#include "../monitor/allocation_counter.h"
#include "display/layout_pictures.h"
#include "display/title_bar_display.h"
#include "lamp_display_rig.h"

using namespace display;
using platform::WindowHandle;

namespace {

constexpr platform::WindowStyle Overlapped{true, true, true, true, true, false, false, false};

struct FakeWindow {
    platform::WindowStyle Style = Overlapped;
    int Width = 640;
    WindowHandle Parent = 0;
    bool Ours = false;
    bool RectReadable = true;
};

// Windows by handle; records what is drawn into captions.
class Windows : public platform::ForegroundWindows {
public:
    std::map<WindowHandle, FakeWindow> All{{1, {}}, {2, {}}};
    WindowHandle Active = 1;
    bool Record = true;
    struct Blit { WindowHandle Into; int SourceWidth, X, Y, W, H; std::vector<Colour> Source; };
    struct Text { WindowHandle Into; std::string Text; platform::WindowRect Place; uint32_t Colour, Background; };
    std::vector<Blit> Blits;
    std::vector<Text> Texts;
    std::vector<WindowHandle> Repainted;
    WindowHandle Open = 0;

    WindowHandle Foreground() override { return Active; }
    WindowHandle TopLevel(WindowHandle w) override
    {
        while (All.at(w).Parent)
            w = All.at(w).Parent;
        return w;
    }
    platform::WindowStyle Style(WindowHandle w) override { return All.at(w).Style; }
    bool Rect(WindowHandle w, platform::WindowRect& r) override
    {
        r = {100, 50, 100 + All.at(w).Width, 400};
        return All.at(w).RectReadable;
    }
    int ProcessAsks = 0;
    bool OfThisProcess(WindowHandle w) override
    {
        ++ProcessAsks;
        return All.at(w).Ours;
    }
    bool BeginCaption(WindowHandle w) override { return (Open = w) != 0; }
    void StretchPixels(const platform::PixelImage& s, int32_t sw, int32_t x, int32_t y, int32_t w, int32_t h) override
    {
        Shown& shown = Shows[Open]; // its storage kept: the fake allocates nothing once set up
        shown.Source.assign(s.Pixels, s.Pixels + s.Width * s.Height);
        shown.Width = s.Width;
        shown.Height = s.Height;
        shown.X = x;
        shown.Y = y;
        shown.H = h;
        if (Record)
            Blits.push_back({Open, sw, x, y, w, h, {s.Pixels, s.Pixels + s.Width * s.Height}});
    }
    platform::TextSize MeasureText(std::string_view text) override { return {7 * static_cast<int>(text.size()), 16}; }
    void DrawText(std::string_view t, const platform::WindowRect& r, uint32_t c, uint32_t b) override
    {
        if (Record)
            Texts.push_back({Open, std::string(t), r, c, b});
    }
    void EndCaption() override { Open = 0; }
    void RepaintFrame(WindowHandle w) override { Repainted.push_back(w); }
    void PostActiveCaption(WindowHandle) override {}
    // A caption shows the strip drawn into it last, stretched as drawn,
    // until its window redraws it (Wipe).
    struct Shown { std::vector<Colour> Source; int Width = 0, Height = 0, X = 0, Y = 0, H = 0; };
    std::map<WindowHandle, Shown> Shows;
    bool Readable = true;
    void Wipe(WindowHandle w) { Shows[w].Source.clear(); }
    int Reads = 0;
    bool ReadRow(int32_t y, std::span<const int32_t> xs, std::span<uint32_t> colours) override
    {
        ++Reads;
        const Shown& s = Shows[Open];
        for (std::size_t i = 0; i < xs.size() && i < colours.size(); ++i)
            colours[i] = s.Source.empty() ? 0xFFFFFFFFu // the caption's own colour
                                          : s.Source[((y - s.Y) * s.Height / s.H) * s.Width + (xs[i] - s.X)];
        return Readable;
    }
};

class TitleStripTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g = TGVar{};
        g.Port = 2;
        g.OrientationTitle = 3;
        g.BackgroundColor = Rgb(200, 220, 170);
        g.TextColor = Rgb(90, 0, 40);
        g.LightColorOn = Rgb(250, 10, 200);
        g.LightColorOff = Rgb(20, 120, 60);
        g.TitleFont.Color = 0x0000FF;
        g.FontTitlebarBackgroundColor = 0x800000;
        g.ReloadTitlePictures = true;
        g.ConnectStart = clock.NowValue - 3723.0 / 86400; // 1:02:03, and 5 s of negotiation
        g.NegotiationDelay = 5;
        metrics.Values.insert({{platform::Metric::CxSize, 18}, {platform::Metric::CxFrame, 4},
                               {platform::Metric::CyFrame, 4}, {platform::Metric::CxBorder, 1},
                               {platform::Metric::CyBorder, 1}, {platform::Metric::CyCaption, 19}});
    }
    void Paint(int title, bool cd, int time)
    {
        g.Title = title;
        g.ModemSignals.CD = cd;
        g.DisplayConnectTimeInTitlebar = time;
        strip.DrawTitleBarDisplay();
        EXPECT_EQ(windows.Open, 0u) << "the caption's DC is still held";
    }

    TGVar& g = Settings;
    rig::ShippedBitmaps bitmaps;
    rig::Metrics metrics; // Windows 98's standard scheme
    fakes::Clock clock;
    Windows windows;
    TitleBarDisplay strip{g, {bitmaps, metrics, clock, windows}};
};

// "Title" 1 always shows the strip, 2 only with carrier; the time only with
// carrier and when asked, also with "Title" 0.
TEST_F(TitleStripTest, ProceedRule)
{
    struct Case { int title; bool cd; int time; size_t blits, texts; } cases[] = {
        {1, false, 0, 1, 0}, {1, false, 1, 1, 0}, {1, true, 0, 1, 0}, {1, true, 1, 1, 1},
        {2, false, 0, 0, 0}, {2, false, 1, 0, 0}, {2, true, 0, 1, 0}, {2, true, 1, 1, 1},
        {0, false, 0, 0, 0}, {0, false, 1, 0, 0}, {0, true, 0, 0, 0}, {0, true, 1, 0, 1},
    };
    for (const Case& c : cases) {
        windows.Blits.clear();
        windows.Texts.clear();
        clock.NowValue += 1.0 / 86400; // a new second each time
        windows.Wipe(1);                // and a caption without the strip
        Paint(c.title, c.cd, c.time);
        EXPECT_EQ(windows.Blits.size(), c.blits) << "title " << c.title << " cd " << c.cd << " time " << c.time;
        EXPECT_EQ(windows.Texts.size(), c.texts) << "title " << c.title << " cd " << c.cd << " time " << c.time;
    }
}

// A strip the caption still shows is not drawn again until a lamp changes
// or the window redraws its caption, which also takes the time with it.
TEST_F(TitleStripTest, DrawnAgainOnlyWhenChangedOrRedrawn)
{
    const auto paint = [&](size_t blits, size_t texts, const char* when) {
        windows.Blits.clear();
        windows.Texts.clear();
        Paint(1, true, 1);
        EXPECT_EQ(windows.Blits.size(), blits) << when;
        EXPECT_EQ(windows.Texts.size(), texts) << when;
    };
    paint(1, 1, "first");
    paint(0, 0, "nothing changed");
    g.ModemSignals.TD = true;
    const int reads = windows.Reads;
    paint(1, 0, "a lamp changed");
    EXPECT_EQ(windows.Reads, reads) << "a lamp off the marked points keeps the mark";
    windows.Wipe(1);
    paint(1, 1, "the caption was redrawn");
    clock.NowValue += 1.0 / 86400;
    paint(0, 1, "a new second");
    windows.Active = 2;
    paint(1, 1, "another window");
    windows.Readable = false;
    paint(1, 1, "pixels that cannot be read");
    paint(1, 0, "still unreadable");
}

// Where the strip lands, and the room test's edge (0 is no room).
TEST_F(TitleStripTest, RoomAndPosition)
{
    constexpr platform::WindowStyle Fixed{true, true, true, false, false, false, false, false};
    struct Case { const char* name; platform::WindowStyle style; int width, cxSize, offset, offsetT;
                  bool drawn; int x, y; };
    const Case cases[] = {
        {"sizeable", Overlapped, 640, 18, 0, 0, true, 487, 4},
        {"offsets", Overlapped, 640, 18, 100, 5, true, 387, 9},
        {"negative offset", Overlapped, 640, 18, -50, -3, true, 537, 1},
        {"offset beyond its range", Overlapped, 640, 18, INT_MAX, INT_MIN, true, -513, -996},
        {"thin frame", Fixed, 300, 18, 0, 0, true, 149, 1},
        {"no room", Overlapped, 170, 18, 0, 0, false, 0, 0},
        {"just room", Overlapped, 171, 18, 0, 0, true, 18, 4},
        {"large buttons, no room", Overlapped, 179, 21, 0, 0, false, 0, 0},
        {"large buttons, room", Overlapped, 180, 21, 0, 0, true, 18, 4},
    };
    for (const Case& c : cases) {
        windows.Blits.clear();
        windows.All[1] = {c.style, c.width};
        metrics.Values[platform::Metric::CxSize] = c.cxSize;
        g.TitleBarOffset = c.offset;
        g.TitleBarOffsetT = c.offsetT;
        Paint(1, false, 0);
        ASSERT_EQ(windows.Blits.size(), c.drawn ? 1u : 0u) << c.name;
        if (c.drawn) {
            const Windows::Blit& b = windows.Blits[0];
            EXPECT_EQ(std::vector<int>({b.X, b.Y, b.W, b.H, b.SourceWidth}), std::vector<int>({c.x, c.y, 94, 17, 94}))
                << c.name;
        }
    }
}

// Only an ordinary window of another program takes the strip; a child
// window's top-level window takes it in its place.
TEST_F(TitleStripTest, Qualification)
{
    using S = platform::WindowStyle;
    struct Case { const char* name; bool S::*flag; bool value, ours, readable, drawn; } cases[] = {
        {"application window", &S::Caption, true, false, true, true},
        {"no caption", &S::Caption, false, false, true, false},
        {"no minimise box", &S::MinimiseBox, false, false, true, false},
        {"pop-up", &S::Popup, true, false, true, false},
        {"child", &S::Child, true, false, true, false},
        {"minimised", &S::Minimised, true, false, true, false},
        {"Blinkery's own", &S::Caption, true, true, true, false},
        {"rectangle unreadable", &S::Caption, true, false, false, false},
    };
    WindowHandle next = 10; // each case a window of its own
    for (const Case& c : cases) {
        windows.Blits.clear();
        FakeWindow& w = windows.All[windows.Active = next++] = {};
        w.Style.*c.flag = c.value;
        w.Ours = c.ours;
        w.RectReadable = c.readable;
        Paint(1, false, 0);
        EXPECT_EQ(windows.Blits.size(), c.drawn ? 1u : 0u) << c.name;
    }
    windows.Active = 10;
    Paint(1, false, 0);
    const int asks = windows.ProcessAsks;
    Paint(1, false, 0);
    Paint(1, false, 0);
    EXPECT_EQ(windows.ProcessAsks, asks) << "a window's process is asked once";
    windows.All[3] = {Overlapped, 200, 1}; // a child of window 1
    windows.Active = 3;
    windows.Blits.clear();
    Paint(1, false, 0);
    ASSERT_EQ(windows.Blits.size(), 1u);
    EXPECT_EQ(windows.Blits[0].Into, 1u);
    windows.Active = 0;
    Paint(1, false, 0);
    EXPECT_EQ(windows.Blits.size(), 1u);
}

// The connect time ends 2 pixels left of the strip (of its end without
// one) and is drawn again only when its second changes or in a new window;
// the window drawn into before has its frame repainted.
TEST_F(TitleStripTest, ConnectTime)
{
    Paint(1, true, 1);
    ASSERT_EQ(windows.Texts.size(), 1u);
    const Windows::Text& t = windows.Texts[0];
    EXPECT_EQ(t.Text, "1:02:08");
    EXPECT_EQ(t.Place, (platform::WindowRect{436, 4, 485, 22}));
    EXPECT_EQ(std::vector<uint32_t>({t.Colour, t.Background}), std::vector<uint32_t>({0x0000FF, 0x800000}));

    clock.NowValue += 0.4 / 86400;
    Paint(1, true, 1);
    EXPECT_EQ(windows.Texts.size(), 1u); // same second
    clock.NowValue += 0.6 / 86400;
    Paint(1, true, 1);
    ASSERT_EQ(windows.Texts.size(), 2u);
    EXPECT_EQ(windows.Texts[1].Text, "1:02:09");

    windows.Active = 2; // another window, same second: it gets the time at once
    Paint(1, true, 1);
    ASSERT_EQ(windows.Texts.size(), 3u);
    EXPECT_EQ(windows.Texts[2].Into, 2u);
    EXPECT_EQ(windows.Repainted, std::vector<WindowHandle>{1});

    g.DisplayTotalConnectTimeInTitlebar = 1;
    g.TotalConnectNew = 1.0;
    Paint(0, true, 0); // no strip: the time ends where it would end
    ASSERT_EQ(windows.Texts.size(), 4u);
    EXPECT_EQ(windows.Texts[3].Text, "25:02:09");
    EXPECT_EQ(windows.Texts[3].Place, (platform::WindowRect{523, 4, 579, 22}));

    Paint(0, false, 0); // nothing shown any more
    EXPECT_EQ(windows.Repainted, (std::vector<WindowHandle>{1, 2}));
}

// The Courier strip in the display's colours on the shipped pictures: the
// title lamps at their places, OH, SYN and ARQ as empty sockets, and only
// the used 185 of the picture's 189 columns in the caption.
TEST_F(TitleStripTest, CourierStripPixels)
{
    g.OrientationTitle = 5;
    g.LampLookTitle = 1;
    g.ModemSignals.RD = true;
    Paint(1, false, 0);
    ASSERT_EQ(windows.Blits.size(), 1u);
    EXPECT_EQ(windows.Blits[0].SourceWidth, 185);
    EXPECT_EQ(windows.Blits[0].W, 185);

    Bitmap expected = shipped::Pictures().Find("TITLE22")->Image;
    for (Colour& c : expected.Pixels)
        c = c == PanelColour ? g.BackgroundColor : c == LabelColour ? g.TextColor : c;
    for (const LampPosition& lamp : FindTitleLayout(5)->Lamps) {
        const LampState state = lamp.Signal == LampSignal::None ? LampState::NoLamp
                                : lamp.Signal == LampSignal::RD ? LampState::On
                                                                : LampState::Off;
        Bitmap image = shipped::Pictures().Find(FindLampImage(LampFamily::Title, 1, state)->Name)->Image;
        for (Colour& c : image.Pixels)
            c = c == LitColour        ? g.LightColorOn
                : c == UnlitColour    ? g.LightColorOff
                : c == LampBackground ? g.BackgroundColor
                                      : c;
        expected.Draw(image, 3 + 15 * lamp.Column, 1);
    }
    EXPECT_TRUE(windows.Blits[0].Source == expected.Pixels);
}

// Repaints with nothing to reload, lamps and the clock changing, allocate
// nothing and load no picture.
TEST_F(TitleStripTest, QuietRepaintAllocatesNothing)
{
    g.OrientationTitle = 4;
    Paint(1, true, 1);
    const size_t loads = bitmaps.Loaded.size();
    windows.Record = false;
    alloccount::Start();
    for (int i = 0; i < 50; ++i) {
        g.ModemSignals.TD = i % 2;
        clock.NowValue += 0.5 / 86400;
        strip.DrawTitleBarDisplay();
    }
    EXPECT_EQ(alloccount::Stop(), 0);
    EXPECT_EQ(bitmaps.Loaded.size(), loads);
}

} // namespace
