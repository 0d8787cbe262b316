// The composed panel: the layout picture in the user's colours with every
// lamp in its state, checked pixel for pixel against the shipped art.
#include "display/lamp_signals.h"
#include "display/layout_pictures.h"
#include "display/recolouring.h"
#include "lamp_display_rig.h"

using namespace display;

namespace {

// Colours unlike any the pictures ship, so each recoloured pixel is seen.
constexpr Colour Background = Rgb(200, 220, 170);
constexpr Colour Text = Rgb(90, 0, 40);
constexpr Colour On = Rgb(250, 10, 200);
constexpr Colour Off = Rgb(20, 120, 60);

void Light(TGVar& g, LampSignal signal)
{
    TModemSignals& s = g.ModemSignals;
    switch (signal) {
    case LampSignal::None: break;
    case LampSignal::HighSpeed: g.LineSettings.BaudRate = 57600; break;
    case LampSignal::CTS: s.CTS = true; break;
    case LampSignal::RTS: s.RTS = true; break;
    case LampSignal::RI: s.RI = true; break;
    case LampSignal::CD: s.CD = true; break;
    case LampSignal::DSR: s.DSR = true; break;
    case LampSignal::DTR: s.DTR = true; break;
    case LampSignal::TD: s.TD = true; break;
    case LampSignal::RD: s.RD = true; break;
    }
}

// The shipped image in the user's colours, by the art's colour code.
Bitmap Recoloured(const LampImage& image)
{
    Bitmap out = shipped::Pictures().Find(image.Name)->Image;
    for (Colour& c : out.Pixels)
        c = c == LitColour ? On : c == UnlitColour ? Off : c == LampBackground ? Background : c;
    return out;
}

// What the panel must show: the layout picture's panel in the background
// colour and its labels in the text colour, the separator when asked, and
// each lamp's image for its state.
Bitmap ExpectedPanel(const DisplayLayoutInfo& layout, int look, bool separator, LampSignal lit)
{
    Bitmap panel = shipped::Pictures().Find(layout.Picture)->Image;
    for (Colour& c : panel.Pixels)
        c = c == PanelColour ? Background : c == LabelColour ? Text : c;
    if (separator) {
        panel.FillRect(0, 22, panel.Width, 1, Rgb(128, 128, 128));
        panel.FillRect(0, 23, panel.Width, 1, Rgb(255, 255, 255));
    }
    for (const LampPosition& lamp : layout.Lamps) {
        const LampState state = lamp.Signal == LampSignal::None ? LampState::NoLamp
                                : lamp.Signal == lit            ? LampState::On
                                                                : LampState::Off;
        panel.Draw(Recoloured(*FindLampImage(layout.Family, look, state)), layout.Geometry.X(lamp.Column),
                   layout.Geometry.Y(lamp.Row));
    }
    return panel;
}

// The first differing pixel, for a readable failure.
std::string Difference(const Bitmap& shown, const Bitmap& expected)
{
    if (shown.Width != expected.Width || shown.Height != expected.Height)
        return "size " + std::to_string(shown.Width) + "x" + std::to_string(shown.Height);
    for (int y = 0; y < shown.Height; ++y)
        for (int x = 0; x < shown.Width; ++x)
            if (shown.At(x, y) != expected.At(x, y))
                return "pixel " + std::to_string(x) + "," + std::to_string(y);
    return "";
}

class LampPanelTest : public rig::LampDisplayTest {
protected:
    void SetUp() override
    {
        LampDisplayTest::SetUp();
        g.BackgroundColor = Background;
        g.TextColor = Text;
        g.LightColorOn = On;
        g.LightColorOff = Off;
    }
    // A whole paint after a reload, or the tick's paint of what changed.
    void Paint(int layout, int look, LampSignal lit, PaintScope scope = PaintScope::Whole)
    {
        g.NewOrientation = layout;
        g.LampLook = look;
        g.ModemSignals = {};
        g.LineSettings.BaudRate = 0;
        Light(g, lit);
        g.ReloadPictures = scope == PaintScope::Whole;
        display.FormPaint(scope);
    }
};

// Every layout in every look, with each lamp alone lit in turn, and with
// none lit: the lamp shows its on image exactly when its signal is 1, the
// Courier's OH, SYN and ARQ always show the no-lamp socket, and panel and
// labels take the background and text colours. The same holds on the
// screen when the tick's paints present only the lamps that changed: the
// one going off and the one coming on.
TEST_F(LampPanelTest, EachLampLightsExactlyWithItsSignal)
{
    for (const PaintScope scope : {PaintScope::Whole, PaintScope::Changes})
        for (const DisplayLayoutInfo& layout : DisplayLayouts())
            for (int look = 0; look < 3; ++look) {
                Paint(layout.Layout, look, LampSignal::None);
                EXPECT_EQ(Difference(window.Shown, ExpectedPanel(layout, look, false, LampSignal::None)), "")
                    << "layout " << layout.Layout << " look " << look << " all off";
                for (const LampPosition& lamp : layout.Lamps) {
                    if (lamp.Signal == LampSignal::None)
                        continue;
                    Paint(layout.Layout, look, lamp.Signal, scope);
                    EXPECT_EQ(Difference(window.Shown, ExpectedPanel(layout, look, false, lamp.Signal)), "")
                        << "layout " << layout.Layout << " look " << look << " lamp " << lamp.Label;
                    if (scope == PaintScope::Changes)
                        EXPECT_LE(window.Frame.Whole ? 99 : window.Frame.Lamps.size(), 2u) << lamp.Label;
                }
            }
}

TEST_F(LampPanelTest, OnlyTheCourierHasPositionsWithoutALamp)
{
    std::vector<std::string> none;
    for (const DisplayLayoutInfo& layout : DisplayLayouts())
        for (const LampPosition& lamp : layout.Lamps)
            if (lamp.Signal == LampSignal::None)
                none.push_back(std::to_string(layout.Layout) + " " + std::string(lamp.Label) + " " +
                               std::to_string(lamp.Column));
    EXPECT_EQ(none, (std::vector<std::string>{"5 OH 3", "5 SYN 10", "5 ARQ 11"}));
}

// The separator crosses the small layouts only while a text line or the
// graph inside the display is on; the large layouts never show it.
TEST_F(LampPanelTest, SeparatorOnlyUnderTextOrGraph)
{
    struct Case {
        int layout;
        int status, speed, totals, connectTime;
        bool cd;
        int graphMode;
        bool separator;
    } cases[] = {
        {3, 0, 0, 0, 0, false, 0, false}, {3, 1, 0, 0, 0, false, 0, true},  {4, 0, 1, 0, 0, false, 0, true},
        {5, 0, 0, 1, 0, false, 0, true},  {5, 0, 0, 0, 1, false, 0, false}, {5, 0, 0, 0, 1, true, 0, true},
        {4, 0, 0, 0, 0, false, 2, true},  {4, 0, 0, 0, 0, false, 1, false}, {1, 1, 1, 1, 1, true, 2, false},
        {2, 1, 1, 1, 0, false, 0, false},
    };
    for (const Case& c : cases) {
        g.StatusInDisplay = c.status;
        g.SPYSpeedInDisplay = c.speed;
        g.LogTransmitDisp = c.totals;
        g.DisplayConnectTime = c.connectTime;
        g.GraphMode = c.graphMode;
        Paint(c.layout, 1, c.cd ? LampSignal::CD : LampSignal::None);
        const DisplayLayoutInfo& layout = *FindDisplayLayout(c.layout);
        EXPECT_EQ(Difference(window.Shown, ExpectedPanel(layout, 1, c.separator, c.cd ? LampSignal::CD : LampSignal::None)),
                  "")
            << "layout " << c.layout << " status " << c.status << " speed " << c.speed << " totals " << c.totals
            << " time " << c.connectTime << " cd " << c.cd << " graph " << c.graphMode;
    }
}

TEST(HighSpeedLamp, BaudRateOrReportedConnectSpeed)
{
    struct Case {
        int port;
        uint32_t baud;
        bool cd;
        uint32_t connectSpeed;
        bool on;
    } cases[] = {
        {2, 57600, false, 0, true},  {2, 9600, false, 0, false},   {2, 11520, false, 0, true},
        {2, 0, false, 0, false},     {0, 57600, false, 0, false},  {2, 56000, false, 0, true},
        {2, 115201, false, 0, false}, {2, 0, true, 28800, true},   {2, 0, true, 9600, false},
        {2, 0, false, 28800, false}, {0, 0, true, 28800, false},   {2, 2400, true, 14400, true},
    };
    for (const Case& c : cases) {
        TGVar g;
        g.Port = c.port;
        g.LineSettings.BaudRate = c.baud;
        g.ModemSignals.CD = c.cd;
        g.ConnectionState.Info.ConnectionSpeed = c.connectSpeed;
        EXPECT_EQ(HighSpeedLampOn(g), c.on)
            << "port " << c.port << " baud " << c.baud << " cd " << c.cd << " speed " << c.connectSpeed;
        EXPECT_EQ(LampStateOf(LampSignal::HighSpeed, g), c.on ? LampState::On : LampState::Off);
    }
}

// The engine's own HS flag (set for the Courier layout from a reported
// speed, and kept after the carrier drops) does not light the lamp.
TEST(HighSpeedLamp, StaleEngineFlagStaysDark)
{
    TGVar g;
    g.Port = 2;
    g.ModemSignals.HS = true;
    EXPECT_FALSE(HighSpeedLampOn(g));
}

} // namespace
