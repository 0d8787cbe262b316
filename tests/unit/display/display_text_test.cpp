// The text lines under the lamps: their exact texts, paddings and places.
#include "settings/line_settings.h"
#include "lamp_display_rig.h"

using namespace display;

namespace {

std::string Blanks(size_t n) { return std::string(n, ' '); }

struct Line {
    int x, y;
    std::string text;
    bool operator==(const Line&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Line& line)
{
    return out << "(" << line.x << "," << line.y << ") \"" << line.text << "\"";
}

class DisplayTextTest : public rig::LampDisplayTest {
protected:
    std::vector<Line> Paint(PaintScope scope = PaintScope::Whole)
    {
        display.FormPaint(scope);
        std::vector<Line> lines;
        for (const TextLine& line : window.Lines)
            lines.push_back({line.X, line.Y, line.Text});
        return lines;
    }
    // A helper VxD that has hooked COM2 at 8N1 57600.
    void HookedPort()
    {
        vxd.Opened = true;
        vxd.HookedPort = "COM2";
        vxd.Replies[VxdBaudRate] = {true, 57600, 0};
        vxd.Replies[VxdByteSize] = {true, 8, 0};
    }
    static constexpr double Second = 1.0 / 86400;
};

TEST_F(DisplayTextTest, StatusLineWithTheLineSettings)
{
    g.StatusInDisplay = 1;
    HookedPort();
    EXPECT_EQ(Paint(), (std::vector<Line>{{4, 23, "COM 2  8N1 57600" + Blanks(67)}}));
    EXPECT_EQ(window.Measured, std::vector<std::string>{"TD: 1234  "});

    // Without the helper VxD nothing is known of the port.
    vxd.Opened = false;
    EXPECT_EQ(Paint(), (std::vector<Line>{{4, 23, "COM 2 " + Blanks(67)}}));
}

TEST_F(DisplayTextTest, ConnectTimeOnlyWhileConnected)
{
    g.DisplayConnectTime = 1;
    clock.NowValue = 45000.5;
    g.ConnectStart = clock.NowValue - 3723 * Second;
    g.NegotiationDelay = 7;
    g.TotalConnectNew = 1.0;
    EXPECT_EQ(Paint(), std::vector<Line>{});

    g.ModemSignals.CD = true;
    EXPECT_EQ(Paint(), (std::vector<Line>{{4, 23, "Connect time: 1:02:10"}}));

    // The total adds the sessions before this one.
    g.DisplayConnectTime = 0;
    g.DisplayTotalConnectTimeInDisplay = 1;
    EXPECT_EQ(Paint(), (std::vector<Line>{{4, 23, "Connect time: 25:02:10"}}));
}

TEST_F(DisplayTextTest, RatesOverTheSpeedWindowWithoutDigitsForZero)
{
    g.SPYSpeedInDisplay = 1;
    struct Case {
        int period;
        uint32_t tx, rx;
        std::string td, rd;
    } cases[] = {
        {5, 1000, 0, "TD: 200", "RD: "},  {5, 0, 12, "TD: ", "RD: 2"},   {5, 13, 2, "TD: 3", "RD: 0"},
        {10, 25, 35, "TD: 2", "RD: 4"},   {1, 4000000000u, 1, "TD: 4000000000", "RD: 1"},
    };
    for (const Case& c : cases) {
        g.RDTDSpeedUpdate = c.period;
        g.ConnectionState.WindowTx = c.tx;
        g.ConnectionState.WindowRx = c.rx;
        EXPECT_EQ(Paint(), (std::vector<Line>{{4, 23, c.td + Blanks(14)}, {4 + 62, 23, c.rd + Blanks(14)}}))
            << c.tx << "/" << c.rx << " over " << c.period;
    }
}

TEST_F(DisplayTextTest, AllFourLinesOneUnderTheOther)
{
    HookedPort();
    g.StatusInDisplay = g.SPYSpeedInDisplay = g.LogTransmitDisp = g.DisplayConnectTime = 1;
    g.ModemSignals.CD = true;
    g.ConnectionState.SpeedText = "@ 28800 bps ";
    g.ConnectStart = clock.NowValue - 59 * Second;
    g.ConnectionState.WindowRx = 10;
    g.ConnectionState.SessionTx = 123456;
    window.Column = {70, 15};
    // The line advance is the sample's height less one.
    EXPECT_EQ(Paint(), (std::vector<Line>{{4, 23, "COM 2 @ 28800 bps " + Blanks(67)},
                                          {4, 37, "Connect time: 0:00:59"},
                                          {4, 51, "TD: " + Blanks(14)},
                                          {74, 51, "RD: 2" + Blanks(14)},
                                          {4, 65, "TT: 123456" + Blanks(14)},
                                          {74, 65, "RT: " + Blanks(14)}}));
}

// The tick's paint presents only the lines whose text changed, and none
// at all when nothing did; the screen then shows what a whole paint shows.
TEST_F(DisplayTextTest, TickPresentsOnlyChangedLines)
{
    g.StatusInDisplay = g.SPYSpeedInDisplay = g.LogTransmitDisp = g.DisplayConnectTime = 1;
    g.ModemSignals.CD = true;
    g.ConnectStart = clock.NowValue - 59 * Second;
    Paint();
    const int presents = window.Presents;
    Paint(PaintScope::Changes);
    EXPECT_EQ(window.Presents, presents);

    g.ConnectionState.WindowRx = 10;
    clock.NowValue += 1.0 * Second;
    const std::vector<Line> shown = Paint(PaintScope::Changes);
    EXPECT_EQ(window.Presents, presents + 1);
    EXPECT_FALSE(window.Frame.Whole);
    std::vector<std::string> changed;
    for (const TextLine& line : window.Frame.Lines)
        if (line.Changed)
            changed.push_back(line.Text);
    EXPECT_EQ(changed, (std::vector<std::string>{"Connect time: 0:01:00", "RD: 2" + Blanks(14)}));
    EXPECT_EQ(shown, Paint());

    // Lines that move (a wider column) are presented with the whole frame.
    window.Column = {80, 16};
    Paint(PaintScope::Changes);
    EXPECT_TRUE(window.Frame.Whole);
}

// With "RD/TD Speed Update" 0 the rate and totals lines are left out, but
// the window keeps their room.
TEST_F(DisplayTextTest, NoFiguresWithoutASpeedWindow)
{
    g.SPYSpeedInDisplay = g.LogTransmitDisp = 1;
    g.RDTDSpeedUpdate = 0;
    EXPECT_EQ(Paint(), std::vector<Line>{});
    EXPECT_EQ(window.Height, 47 + 2 * 16 + 1);
}

TEST_F(DisplayTextTest, LargeLayoutsShowNoText)
{
    HookedPort();
    g.StatusInDisplay = g.SPYSpeedInDisplay = g.LogTransmitDisp = g.DisplayConnectTime = 1;
    g.ModemSignals.CD = true;
    for (int layout : {1, 2}) {
        g.NewOrientation = layout;
        EXPECT_EQ(Paint(), std::vector<Line>{}) << layout;
        EXPECT_TRUE(window.Measured.empty());
    }
}

} // namespace
