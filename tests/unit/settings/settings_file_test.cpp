#include <algorithm>
#include <vector>

#include "settings/settings_keys.h"
#include "settings/settings_fixture.h"

namespace {

std::vector<std::string> KeysOf(const std::string& ini, const std::string& section)
{
    std::vector<std::string> keys;
    bool in = false;
    size_t i = 0;
    while (i < ini.size()) {
        size_t end = ini.find("\r\n", i);
        std::string line = ini.substr(i, end - i);
        i = end + 2;
        if (!line.empty() && line[0] == '[')
            in = line == "[" + section + "]";
        else if (in)
            keys.push_back(line.substr(0, line.find('=')));
    }
    return keys;
}

TEST_F(SettingsTest, FreshInstallationGivesEveryDefault)
{
    Read(0);
    EXPECT_EQ(g.NewOrientation, 3);
    EXPECT_EQ(g.TimerInterval, 18);
    EXPECT_EQ(g.RNAAPP, -1);
    EXPECT_EQ(g.BackgroundColor, 0xC0C0C0u);
    EXPECT_EQ(g.LightThroughputBackground, 0xEBFEFEu);
    EXPECT_EQ(g.AutoDelayTitle, 60u);
    EXPECT_EQ(g.TWindowSizeX, 100u);
    EXPECT_EQ(g.WindowSizeY, 80);
    EXPECT_EQ(g.ThroughputInDisplayHeigth, 50);
    EXPECT_EQ(g.DisplayFont.Name, "Arial");
    EXPECT_EQ(g.DisplayFont.Size, 10);
    EXPECT_FALSE(g.DisplayFont.Bold);
    // Half the work area: X truncated, Y rounded halves to even (737 / 2).
    system.Work = {0, 0, 1023, 737};
    Read(0);
    EXPECT_EQ(g.WindowPositionX, 511);
    EXPECT_EQ(g.WindowPositionY, 368);
    EXPECT_EQ(g.ThroughputWindowPositionX, 511);
    EXPECT_EQ(g.ThroughputWindowPositionY, 368);
    EXPECT_EQ(g.RAS, 0);
}

TEST_F(SettingsTest, IntegerSpellingsAndRangeRecovery)
{
    SetIni("[Lampwatcher on COM2]\r\n"
           "Timer Interval=0x10\r\nTitle=$2\r\nOnTop=abc\r\n"
           "CD High Delay=-7\r\nDCD Interval=$FFFFFFFF\r\nLightColorOn=-1\r\nCD Low Delay=12\r\n"
           "Auto Run CD high=1\r\nFont Color Titlebar=0x00FF00\r\n");
    Read(2);
    EXPECT_EQ(g.TimerInterval, 16);
    EXPECT_EQ(g.Title, 2);
    EXPECT_EQ(g.OnTop, 0);
    EXPECT_EQ(g.CDHighDelay, 5u);  // negative uint: the key's default
    EXPECT_EQ(g.DCDInterval, 30u); // $FFFFFFFF is -1
    EXPECT_EQ(g.LightColorOn, 0x0000FFu);
    EXPECT_EQ(g.CDLowDelay, 12u);
    EXPECT_EQ(g.AutoRunCDHigh, 1); // matched without regard to case
}

// A number just outside its key's range reads as the default; the bounds
// themselves stay.
TEST_F(SettingsTest, ValuesOutsideTheirRangeReadAsTheDefault)
{
    for (const KeyDescriptor& k : PortKeys()) {
        const bool unsignedKey = k.Type == KeyType::Uint || k.Type == KeyType::Colour;
        const bool ranged = unsignedKey || k.Min != INT32_MIN || k.Max != INT32_MAX;
        if ((k.Type != KeyType::Int && !unsignedKey) || k.DefaultKind != KeyDefault::Value || !ranged)
            continue;
        const int64_t values[] = {int64_t{k.Min} - 1, k.Min, k.Max, int64_t{k.Max} + 1};
        for (const int64_t v : values) {
            if (v < INT32_MIN || v > INT32_MAX)
                continue;
            SetIni("[Lampwatcher on COM1]\r\nFont Style Titlebar=Arial\r\n" + std::string(k.Name) + "=" +
                   std::to_string(v) + "\r\n");
            Read(1);
            const int64_t read = unsignedKey ? int64_t{k.Uint(g)} : k.Int(g);
            EXPECT_EQ(read, v < k.Min || v > k.Max ? k.DefaultNumber : v) << k.Name << "=" << v;
        }
    }
}

TEST_F(SettingsTest, LayoutZeroAndSixReadAsThree)
{
    struct Case {
        const char* value;
        int32_t layout;
    } cases[] = {{"0", 3}, {"6", 3}, {"-6", 3}, {"-4", -4}, {"5", 5}, {"7", 7}, {"-2147483648", 3}};
    for (const Case& c : cases) {
        SetIni(std::string("[Lampwatcher on COM1]\r\nNewOrientation=") + c.value + "\r\n");
        Read(1);
        EXPECT_EQ(g.NewOrientation, c.layout) << c.value;
    }
}

TEST_F(SettingsTest, WindowPositionsAreBroughtOnScreen)
{
    system.Work = {0, 0, 1024, 737};
    struct Case {
        int32_t layout, x, y, wantX, wantY;
    } cases[] = {
        {3, 1014, 727, 1014, 727},  // right - 10, bottom - 10 stay
        {3, 1015, 728, 512, 368},   // one beyond: half the work area, halves to even
        {1, -105, -74, -105, -74},  // layout 1 margins (100, 70)
        {1, -106, -75, 512, 368},
        {2, -188, -44, -188, -44},  // (183, 40)
        {5, -177, -29, -177, -29},  // (172, 25)
        {-4, -128, -29, -128, -29}, // minimised layout 4: (123, 25)
        {7, -15, -14, -15, -14},    // any other layout: (10, 10)
        {7, -16, -15, 512, 368},
    };
    for (const Case& c : cases) {
        SetIni("[Lampwatcher on COM1]\r\nNewOrientation=" + std::to_string(c.layout) +
               "\r\nWindow Position X=" + std::to_string(c.x) + "\r\nWindow Position Y=" + std::to_string(c.y) +
               "\r\nThroughput Window Position X=-11\r\nThroughput Window Position Y=-9\r\n");
        Read(1);
        EXPECT_EQ(g.WindowPositionX, c.wantX) << c.layout << " " << c.x;
        EXPECT_EQ(g.WindowPositionY, c.wantY) << c.layout << " " << c.y;
        EXPECT_EQ(g.ThroughputWindowPositionX, 512); // below left - 10
        EXPECT_EQ(g.ThroughputWindowPositionY, -9);  // top - 9 is allowed
    }
}

TEST_F(SettingsTest, RasIsAlwaysOnUnderNT)
{
    SetIni("[Lampwatcher on COM1]\r\nRAS=0\r\n");
    g.OsKind = OsNT4;
    Read(1);
    EXPECT_EQ(g.RAS, 1);
    g.OsKind = OsWin9x;
    Read(1);
    EXPECT_EQ(g.RAS, 0);
}

TEST_F(SettingsTest, FontStylesAreOnlyAdded)
{
    SetIni("[Lampwatcher on COM1]\r\nFontBold=0\r\nFontItalic=1\r\nFontUnderline=2\r\n"
           "FontTitlebarStrikeOut=1\r\nFont Style Titlebar=Tahoma\r\nFont Size Titlebar=9\r\n");
    g.DisplayFont.Bold = true;
    Read(1);
    EXPECT_TRUE(g.DisplayFont.Bold);
    EXPECT_TRUE(g.DisplayFont.Italic);
    EXPECT_FALSE(g.DisplayFont.Underline); // flags are on only at exactly 1
    EXPECT_TRUE(g.TitleFont.StrikeOut);
    EXPECT_EQ(g.TitleFont.Name, "Tahoma");
    EXPECT_EQ(g.TitleFont.Size, 9);
    EXPECT_TRUE(fonts.Created.empty()); // a named title font is the caller's to build
}

TEST_F(SettingsTest, EmptyTitleBarFontTakesTheSystemCaptionFont)
{
    SetIni("[Lampwatcher on COM1]\r\nFont Color Titlebar=255\r\nFontTitlebarBackgroundColor=0\r\n"
           "Font Size Titlebar=20\r\n");
    system.Caption = {"Caption Face", -13, 700, true, false, false};
    Read(1);
    EXPECT_EQ(g.TitleFont.Name, "Caption Face");
    EXPECT_EQ(g.TitleFont.Size, -13);
    EXPECT_TRUE(g.TitleFont.Bold);
    EXPECT_TRUE(g.TitleFont.Italic);
    EXPECT_TRUE(g.ReloadPictures);
    ASSERT_EQ(fonts.Created.size(), 1u);
    EXPECT_EQ(fonts.Created[0].Height, -13);
    EXPECT_EQ(fonts.Current.at(platform::FontUse::Title), 1u);
    // The colours the file gives stay; without them, the system's caption colours.
    EXPECT_EQ(g.TitleFont.Color, 255);
    EXPECT_EQ(g.FontTitlebarBackgroundColor, 0u);
    SetIni("[Lampwatcher on COM1]\r\n");
    Read(1);
    EXPECT_EQ(g.TitleFont.Color, 0xFFFFFF);
    EXPECT_EQ(g.FontTitlebarBackgroundColor, 0x800000u);
}

TEST_F(SettingsTest, DateTimeDefaults)
{
    clock.NowValue = 46000.25;
    Read(1);
    EXPECT_EQ(g.TotalConnectReset, 46000.25);
    EXPECT_EQ(g.ConnectResetLoggerTimeRef, 46000.25);
    EXPECT_EQ(g.TotalConnectNew, 0.0);

    SetIni("[Lampwatcher on COM1]\r\nConnectResetLoggerTimeRef= 4.50000000000000E+0004\r\n"
           "TotalConnectNew=1.5\r\nTotalConnectReset=0\r\n");
    Read(1);
    EXPECT_EQ(g.TotalConnectReset, 45000.0);
    EXPECT_EQ(g.ConnectResetLoggerTimeRef, 45000.0);
    EXPECT_EQ(g.TotalConnectNew, 1.5);

    // Outside the calendar, or a negative total: as missing.
    SetIni("[Lampwatcher on COM1]\r\nConnectResetLoggerTimeRef=1E+300\r\n"
           "TotalConnectReset=-7E+5\r\nTotalConnectNew=-0.5\r\n");
    Read(1);
    EXPECT_EQ(g.TotalConnectReset, 46000.25);
    EXPECT_EQ(g.ConnectResetLoggerTimeRef, 46000.25);
    EXPECT_EQ(g.TotalConnectNew, 0.0);
}

TEST_F(SettingsTest, NegativePortReadsOnlyTheEditor)
{
    SetIni("[Lampwatcher: Main]\r\nEditorName=notepad.exe\r\n[Lampwatcher on COM-1]\r\nTimer Interval=3\r\n");
    Read(-1);
    EXPECT_EQ(g.EditorName, "notepad.exe");
    EXPECT_EQ(g.TimerInterval, 0);
}

TEST_F(SettingsTest, WritesEveryKeyInTableOrderWithTheWritersNames)
{
    Read(0);
    g.Port = 4;
    ASSERT_TRUE(WriteSettings(g, profile));
    std::vector<std::string> expected;
    for (const KeyDescriptor& k : PortKeys())
        expected.push_back(std::string(k.WriteName));
    EXPECT_EQ(KeysOf(Ini(), "Lampwatcher on COM4"), expected);
    EXPECT_NE(std::find(expected.begin(), expected.end(), "Auto Run CD high"), expected.end());
    EXPECT_NE(std::find(expected.begin(), expected.end(), "Auto Run CD low"), expected.end());
    EXPECT_EQ(KeysOf(Ini(), "Lampwatcher: Main"), std::vector<std::string>{"EditorName"});
    EXPECT_EQ(PortKeys().size() + 3, 124u);
}

TEST_F(SettingsTest, WriteRules)
{
    Read(0);
    g.Port = 1;
    g.NewOrientation = -6;
    g.ConnectResetLoggerTimeRef = 45000.5;
    g.DisplayFont.Italic = true;
    g.CDHighDelay = 0x80000000u; // beyond what the reader takes back
    g.WindowSizeY = -1;
    g.TotalConnectNew = 1E+300;
    ASSERT_TRUE(WriteSettings(g, profile));
    EXPECT_EQ(Value("Lampwatcher on COM1", "NewOrientation"), "3");
    EXPECT_EQ(g.ConnectResetLoggerTimeRef, 0.0); // no automatic reset: no reference
    EXPECT_EQ(Value("Lampwatcher on COM1", "ConnectResetLoggerTimeRef"), "0.00000000000000E+0000");
    EXPECT_EQ(Value("Lampwatcher on COM1", "FontItalic"), "1");
    EXPECT_EQ(Value("Lampwatcher on COM1", "FontBold"), "0");
    EXPECT_EQ(Value("Lampwatcher on COM1", "CD High Delay"), "5");
    EXPECT_EQ(Value("Lampwatcher on COM1", "WindowSizeY"), "80");
    EXPECT_EQ(Value("Lampwatcher on COM1", "TotalConnectNew"), "0.00000000000000E+0000");

    g.ConnectResetLoggerEvent = 3;
    g.ConnectResetLoggerTimeRef = 1.5;
    ASSERT_TRUE(WriteSettings(g, profile));
    EXPECT_EQ(Value("Lampwatcher on COM1", "ConnectResetLoggerTimeRef"), "1.50000000000000E+0000");
}

TEST_F(SettingsTest, WhatIsWrittenReadsBackUnchanged)
{
    SetIni("[Lampwatcher on COM3]\r\nFont Style Titlebar=Verdana\r\n");
    Read(3);
    // Give every key a value of its own.
    int32_t n = 1;
    for (const KeyDescriptor& k : PortKeys()) {
        switch (k.Type) {
        case KeyType::Flag: k.Int(g) = n % 2; break;
        case KeyType::Int: k.Int(g) = std::clamp(n * 7 - 300, k.Min, k.Max); break;
        case KeyType::Uint:
        case KeyType::Colour: k.Uint(g) = static_cast<uint32_t>(std::clamp(n * 1001, k.Min, k.Max)); break;
        case KeyType::Style: k.Style(g) = n % 2 == 1; break;
        case KeyType::Text: { // quoted, with blanks at an end, or plain
            const std::string text = "text " + std::to_string(n);
            const std::string shapes[] = {'"' + text + '"', "'" + text + "'", " " + text, text + "\t", text};
            k.Text(g) = shapes[n % 5];
            break;
        }
        case KeyType::DateTime: k.Date(g) = 40000.0 + n / 7.0; break;
        }
        ++n;
    }
    g.NewOrientation = 2;
    g.ConnectResetLoggerEvent = 1;
    g.WindowPositionX = g.WindowPositionY = g.ThroughputWindowPositionX = g.ThroughputWindowPositionY = 100;
    const TGVar written = g;
    // Any number of starts and exits.
    for (int run = 0; run < 2; ++run) {
        ASSERT_TRUE(WriteSettings(g, profile));
        Settings = TGVar{};
        Read(3);
    }
    for (const KeyDescriptor& k : PortKeys()) {
        TGVar& w = const_cast<TGVar&>(written);
        switch (k.Type) {
        case KeyType::Flag:
        case KeyType::Int: EXPECT_EQ(k.Int(g), k.Int(w)) << k.Name; break;
        case KeyType::Uint:
        case KeyType::Colour: EXPECT_EQ(k.Uint(g), k.Uint(w)) << k.Name; break;
        case KeyType::Style: EXPECT_EQ(k.Style(g), k.Style(w)) << k.Name; break;
        case KeyType::Text: EXPECT_EQ(k.Text(g), k.Text(w)) << k.Name; break;
        case KeyType::DateTime: EXPECT_NEAR(k.Date(g), k.Date(w), 1e-9) << k.Name; break;
        }
    }
}

TEST_F(SettingsTest, NothingIsWrittenWithoutAPort)
{
    Read(0);
    ASSERT_TRUE(WriteSettings(g, profile));
    EXPECT_EQ(files.Writes, 0);
}

TEST_F(SettingsTest, RefusedWriteStopsTheRemainingKeys)
{
    Read(0);
    g.Port = 2;
    files.FailAfter = 10;
    EXPECT_FALSE(WriteSettings(g, profile));
    EXPECT_EQ(files.Writes, 10);
    files.FailAfter = 10000;
    EXPECT_EQ(Value("Lampwatcher on COM2", std::string(PortKeys()[8].WriteName)), "0");
    EXPECT_EQ(Value("Lampwatcher on COM2", std::string(PortKeys()[9].WriteName)), "<missing>");
}

TEST_F(SettingsTest, SaveAtExitWithoutAPortWritesOnlyTheLogoFlag)
{
    Read(0);
    g.ShowLogoAtStartup = 1;
    ASSERT_TRUE(SaveSettingsAtExit(g, profile, boxes));
    EXPECT_EQ(Ini(), "[Lampwatcher: Main]\r\nShow Logo at Startup=1\r\n");
}

TEST_F(SettingsTest, SaveAtExitWritesThePortFirst)
{
    SetIni("[Lampwatcher: Main]\r\nDefault Port=1\r\n");
    Read(3);
    ASSERT_TRUE(SaveSettingsAtExit(g, profile, boxes));
    EXPECT_EQ(ReadDefaultPort(profile), 3);
    EXPECT_EQ(KeysOf(Ini(), "Lampwatcher: Main"),
              (std::vector<std::string>{"Default Port", "EditorName", "Show Logo at Startup"}));
    EXPECT_EQ(KeysOf(Ini(), "Lampwatcher on COM3").size(), PortKeys().size());
    EXPECT_TRUE(boxes.Shown.empty());
}

TEST_F(SettingsTest, SaveAtExitReportsARefusedWriteOnce)
{
    SetIni("[Lampwatcher: Main]\r\nDefault Port=1\r\n");
    files.ReadOnly.insert(path);
    Read(1);
    EXPECT_FALSE(SaveSettingsAtExit(g, profile, boxes));
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Text, "Unable to write to C:\\WINDOWS\\BLINKERY.INI");
    EXPECT_EQ(boxes.Shown[0].Caption, "Blinkery");
    EXPECT_EQ(boxes.Shown[0].Icon, platform::MbIcon::Error);
    EXPECT_EQ(g.ModalActive, 0);
}

TEST_F(SettingsTest, MainSectionValues)
{
    EXPECT_EQ(ReadDefaultPort(profile), 0);
    EXPECT_EQ(ReadShowLogo(profile), 1);
    SetIni("[Lampwatcher: Main]\r\nDefault Port=-3\r\nShow Logo at Startup=0\r\n");
    EXPECT_EQ(ReadDefaultPort(profile), 0);
    EXPECT_EQ(ReadShowLogo(profile), 0);
    EXPECT_EQ(PortSection(7), "Lampwatcher on COM7");
}

} // namespace
