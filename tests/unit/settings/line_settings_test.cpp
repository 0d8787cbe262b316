#include "settings/fonts.h"
#include "settings/line_settings.h"
#include "settings/settings_fixture.h"

namespace {

class LineSettingsTest : public SettingsTest {
protected:
    std::string Status(std::string buffer = "")
    {
        AppendCommStatusText(buffer, g, vxd, ports);
        return buffer;
    }
    void HookedVxd(uint32_t baud, uint32_t parity, uint32_t byteSize, uint32_t stopBits)
    {
        vxd.Opened = true;
        vxd.HookedPort = "COM2";
        vxd.Replies[VxdBaudRate] = {true, baud, parity};
        vxd.Replies[VxdByteSize] = {true, byteSize, stopBits};
    }
    fakes::HelperVxd vxd;
    fakes::SerialPorts ports;
};

TEST_F(LineSettingsTest, FromTheVxdInTheLowFourBits)
{
    HookedVxd(57600, 0x12, 0x38, 0xF1);
    ReadLineSettings(g, 0, vxd, ports);
    EXPECT_EQ(g.LineSettings.BaudRate, 57600u);
    EXPECT_EQ(g.LineSettings.Parity, 2);
    EXPECT_EQ(g.LineSettings.ByteSize, 8);
    EXPECT_EQ(g.LineSettings.StopBits, 1);
}

TEST_F(LineSettingsTest, FromTheCommStateOrLeftAsTheyWere)
{
    platform::LineSettings dcb;
    dcb.BaudRate = 19200;
    dcb.ByteSize = 7;
    dcb.Parity = 2;
    dcb.StopBits = 2;
    ports.Devices["COM1"] = dcb;
    platform::CommHandle h = ports.OpenForQuery("COM1");
    ReadLineSettings(g, h, vxd, ports);
    EXPECT_EQ(g.LineSettings.BaudRate, 19200u);
    EXPECT_EQ(g.LineSettings.ByteSize, 7);

    ReadLineSettings(g, 0, vxd, ports); // the displays' call, without a handle
    EXPECT_EQ(g.LineSettings.BaudRate, 0u);
    EXPECT_EQ(g.LineSettings.ByteSize, 0);
    EXPECT_EQ(g.LineSettings.Parity, 2);
    EXPECT_EQ(g.LineSettings.StopBits, 2);
}

TEST_F(LineSettingsTest, BaudRatesAreDivisorsOf115200)
{
    struct Case {
        uint32_t baud, shown;
    } cases[] = {{56000, 57600}, {57600, 57600}, {115200, 115200}, {33600, 38400}, {300, 300},
                 {110, 110},     {0, 0},         {115201, 0},      {1, 1}};
    for (const Case& c : cases)
        EXPECT_EQ(NormalisedBaudRate(c.baud), c.shown) << c.baud;
}

TEST_F(LineSettingsTest, StatusTextWhileNotConnected)
{
    EXPECT_EQ(Status("COM 2 "), "COM 2 "); // no VxD: nothing to say
    HookedVxd(56000, 0, 8, 0);
    EXPECT_EQ(Status(), "8N1 57600");
    EXPECT_EQ(Status("COM 2"), "COM 2 8N1 57600");
    vxd.Replies[VxdBaudRate] = {true, 2400, 4};
    vxd.Replies[VxdByteSize] = {true, 7, 1};
    EXPECT_EQ(Status(), "7S1.5 2400");
    vxd.HookedPort = "CO"; // a reply of fewer than 3 bytes: no hooked port
    EXPECT_EQ(Status("x"), "x");
}

TEST_F(LineSettingsTest, StatusTextWhileConnected)
{
    g.ModemSignals.CD = true;
    EXPECT_EQ(Status(), "0N1 "); // no VxD and no speed: the failed query's zeros
    g.ConnectionState.ConnectionText = "V.90";
    EXPECT_EQ(Status(), "0N1  V.90");
    g.ConnectionState.SpeedText = "@ 49333 bps V.90";
    EXPECT_EQ(Status("COM 1 "), "COM 1 @ 49333 bps V.90");
    g.ConnectionState.SpeedText = std::string(145, 'x');
    EXPECT_EQ(Status("y"), "y");
    g.ConnectionState.SpeedText = std::string(144, 'x');
    EXPECT_EQ(Status(), std::string(144, 'x'));
}

TEST(GdiFont, ParametersFromTheFontObject)
{
    TFont font{"Arial", 10, 0, true, false, true, false};
    platform::FontParams p = GdiFontParams(font, 96);
    EXPECT_EQ(p.Height, 13);
    EXPECT_EQ(p.Weight, 700);
    EXPECT_EQ(p.Italic, 0);
    EXPECT_EQ(p.Underline, 1);
    EXPECT_EQ(p.StrikeOut, 0);
    EXPECT_EQ(p.CharSet, 1);
    EXPECT_EQ(p.OutPrecision, 0);
    EXPECT_EQ(p.ClipPrecision, 0);
    EXPECT_EQ(p.Quality, 2);
    EXPECT_EQ(p.PitchAndFamily, 34);
    EXPECT_EQ(p.FaceName, "Arial");
    EXPECT_EQ(GdiFontParams({"A", 10}, 120).Height, 17); // 16.67 rounded
    EXPECT_EQ(GdiFontParams({"A", 9}, 96).Height, 12);
    EXPECT_EQ(GdiFontParams({"A", 3}, 96).Height, 4); // 4.0
    EXPECT_EQ(GdiFontParams({"A", -11}, 96).Height, -11);
    EXPECT_EQ(GdiFontParams({"A", 0}, 96).Height, 0);
    EXPECT_EQ(GdiFontParams({"A", 0, 0, false}, 96).Weight, 400);
}

TEST(GdiFont, BuiltForItsUseInTheFactorysPixels)
{
    fakes::FontFactory fonts;
    fonts.Dpi = 120;
    BuildGdiFont({"Arial", 10}, platform::FontUse::Title, fonts);
    ASSERT_EQ(fonts.Created.size(), 1u);
    EXPECT_EQ(fonts.Created[0].Height, 17);
    EXPECT_EQ(fonts.Current.count(platform::FontUse::Display), 0u);
}

} // namespace
