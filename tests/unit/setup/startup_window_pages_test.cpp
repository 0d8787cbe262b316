// The "Startup && Exit" and "Window && SysTray" pages: each control's
// setting, the Run key of "Load with Windows", the DialUI bit behind the
// modem icon box, the dial-up entries and "Run NOW!", and the tray box.
#include <array>
#include <cctype>

#include "resource_ids.h"
#include "setup/startup_page.h"
#include "setup/window_page.h"
#include "setup_fixture.h"

namespace {

using namespace std::literals;

class StartupWindowTest : public SetupTest {
protected:
    fakes::Registry& reg() { return services.Running.Reg; }
    const std::string RunPath = "HKLM\\" + std::string(setup::RunKey), DialUiPath = "HKCU\\RemoteAccess";
    std::string DialUi() // as hex bytes
    {
        std::string out;
        for (uint8_t b : reg().Get(DialUiPath, setup::DialUiValue)->Data)
            out += "0123456789abcdef"[b >> 4], out += "0123456789abcdef"[b & 15];
        return out;
    }
};

// Each control stores its own setting and nothing else ("No Startup Logo"
// the other way round; spin edits within their ranges; on-top items 1, 2,
// 0) and shows it when loaded.
TEST_F(StartupWindowTest, ControlsStoreTheirSettings)
{
    const std::tuple<int, int32_t TGVar::*, bool> checkBoxes[] = {
        {IDC_NOLOGO, &TGVar::ShowLogoAtStartup, true}, {IDC_CBAUTORUN, &TGVar::AutoRun, false},
        {IDC_CBASKFIRSTAUTORUN, &TGVar::AskFirstAutoRun, false}, {IDC_CBDUNRUN, &TGVar::DUNRunConnectoid, false},
        {IDC_WARNEXIT, &TGVar::WarnWhenExiting, false}, {IDC_CBAUTOEXIT, &TGVar::CDAutoExit, false},
        {IDC_AUTOMAXIMIZE, &TGVar::AutoMaximize, false}, {IDC_CBRUNLIGHTS, &TGVar::RunLights, false}};
    for (const auto& [id, setting, inverted] : checkBoxes) {
        for (bool checked : {true, false}) {
            g.*setting = checked != inverted ? 1 : 0;
            model.ChangeForm();
            EXPECT_EQ(view.C[id].Checked, checked) << id;
            const auto before = setupfake::Record(g);
            Tick(id, !checked);
            const std::string changes = setupfake::Changes(before, g);
            EXPECT_TRUE(std::count(changes.begin(), changes.end(), '=') == 1 &&
                        changes.ends_with(!checked != inverted ? "=1" : "=0"))
                << id << ": " << changes;
        }
    }
    g.AutoRun = 0;
    model.ChangeForm();
    EXPECT_FALSE(view.C[IDC_CBASKFIRSTAUTORUN].Enabled) << "\"Ask First\" serves a startup program only";
    Tick(IDC_CBAUTORUN, true);
    EXPECT_TRUE(view.C[IDC_CBASKFIRSTAUTORUN].Enabled);

    for (const auto& [id, setting, high] : {std::tuple{IDC_SEEXITDELAY, &TGVar::CDAutoExitDelay, 10000},
                                            std::tuple{IDC_SEAUTODETECT, &TGVar::AutoDelayTitle, 1000}})
        for (int32_t typed : {7, -3, 99999}) {
            Spin(id, typed);
            EXPECT_EQ(static_cast<int32_t>(g.*setting), std::clamp(typed, 0, high)) << id;
        }
    for (int item : {0, 1, 2}) {
        Choose(IDC_RADIOGROUPONTOP, item);
        EXPECT_EQ(g.OnTop, (std::array{1, 2, 0}[static_cast<size_t>(item)]));
        view.C[IDC_RADIOGROUPONTOP].Radio = -1;
        model.ChangeForm();
        EXPECT_EQ(view.C[IDC_RADIOGROUPONTOP].Radio, item);
    }
}

// The Run value is Blinkery's short path, compared exactly; unchecking
// deletes it; a refused write or a missing key leaves the box as the key is.
TEST_F(StartupWindowTest, LoadWithWindowsKeepsTheRunValue)
{
    reg().Keys[RunPath];
    Tick(IDC_CBLOADWINDOWS, true);
    EXPECT_EQ(reg().Get(RunPath, "Blinkery")->Data, fakes::Registry::Text(system.ShortProgram).Data);
    std::string lower = system.ShortProgram;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return char(std::tolower(c)); });
    for (const std::string& stored : {system.ShortProgram, lower}) {
        reg().Set(RunPath, "Blinkery", stored);
        model.ChangeForm();
        EXPECT_EQ(view.C[IDC_CBLOADWINDOWS].Checked, stored == system.ShortProgram) << stored;
    }
    Tick(IDC_CBLOADWINDOWS, true);
    Tick(IDC_CBLOADWINDOWS, false);
    EXPECT_EQ(reg().Get(RunPath, "Blinkery"), nullptr);

    reg().ReadOnly.insert(RunPath);
    Tick(IDC_CBLOADWINDOWS, true);
    EXPECT_FALSE(view.C[IDC_CBLOADWINDOWS].Checked);
    reg().Keys.clear();
    Tick(IDC_CBLOADWINDOWS, true);
    EXPECT_FALSE(view.C[IDC_CBLOADWINDOWS].Checked);
}

// Bit 2 of "DialUI" set and cleared with the value's other bits and bytes
// kept; a short value or one of another type never read past its end.
TEST_F(StartupWindowTest, ModemIconBoxSetsTheDialUiBit)
{
    // The value as stored (type, bytes), shown checked, then after
    // checking and after unchecking.
    const std::tuple<uint32_t, std::string_view, bool, const char*, const char*> cases[] = {
        {platform::RegistryBinary, "\x01\0\0\0"sv, false, "05000000", "01000000"},
        {platform::RegistryBinary, "\x06\0\0\x80\x09"sv, true, "0600008009", "0200008009"},
        {platform::RegistryBinary, "\x04"sv, true, "04", "00000000"},
        {platform::RegistryBinary, ""sv, false, "04000000", "00000000"},
        {platform::RegistryString, "4\0"sv, false, "04000000", "00000000"}};
    for (const auto& [type, bytes, shown, set, cleared] : cases) {
        reg().Keys[DialUiPath].clear();
        reg().Put(DialUiPath, "DialUI", {type, std::vector<uint8_t>(bytes.begin(), bytes.end())});
        view.C[IDC_CBSHOWDUNICON].Checked = !shown;
        model.ChangeForm();
        EXPECT_EQ(view.C[IDC_CBSHOWDUNICON].Checked, shown) << set;
        Tick(IDC_CBSHOWDUNICON, true);
        EXPECT_EQ(DialUi(), set);
        Tick(IDC_CBSHOWDUNICON, false);
        EXPECT_EQ(DialUi(), cleared);
        EXPECT_EQ(reg().Get(DialUiPath, "DialUI")->Type, platform::RegistryBinary);
    }
    reg().ReadOnly.insert(DialUiPath);
    Tick(IDC_CBSHOWDUNICON, true);
    EXPECT_FALSE(view.C[IDC_CBSHOWDUNICON].Checked) << "a refused write shows the stored bit";
    reg().Keys.clear();
    Tick(IDC_CBSHOWDUNICON, true);
    model.ChangeForm();
    EXPECT_TRUE(view.C[IDC_CBSHOWDUNICON].Checked) << "without the key the box keeps its state";
    EXPECT_TRUE(reg().Keys.empty());

    // The first dial-up networking (RNAAPP.EXE of 1 September 1995 or
    // older) with "Run Lights": loading checks the box and sets the bit.
    reg().ReadOnly.clear();
    const std::tuple<int32_t, int32_t, const char*> rules[] = {{2, 1, "04"}, {1, 1, "00"}, {2, 0, "00"}};
    for (const auto& [rnaappNewer, runLights, bit] : rules) {
        reg().Keys[DialUiPath] = {};
        reg().Put(DialUiPath, "DialUI", {platform::RegistryBinary, {0, 0, 0, 0}});
        view.C[IDC_CBSHOWDUNICON].Checked = false;
        g.RnaappNewer = rnaappNewer, g.RunLights = runLights;
        model.ChangeForm();
        EXPECT_EQ(DialUi().substr(0, 2), bit) << rnaappNewer << runLights;
    }
}

// The entries: the profiles' sub-keys on NT/2000, the addresses' value
// names on 95/98/ME; the text is the setting even when not listed; "Run
// NOW!" dials it with the system's dialer, and an empty name not at all.
TEST_F(StartupWindowTest, DialUpEntriesAndRunNow)
{
    for (const char* key : {"Profile", "Profile\\Work", "Profile\\Home", "Profile\\Home\\Sub"})
        reg().Keys[DialUiPath + "\\" + key];
    reg().Set(DialUiPath + "\\Addresses", "Office", "");
    g.DUNRunConnectoidName = "Typed";
    const std::tuple<int32_t, const char*, const char*> systems[] = {
        {OsWin2000, "Home Work", "rasphone.exe -d Typed"}, {OsNT4, "Home Work", "rasphone.exe -d Typed"},
        {OsWin9x, "Office", "RUNDLL.EXE rnaui.dll,RnaDial Typed"}};
    for (const auto& [os, entries, command] : systems) {
        g.OsKind = os;
        model.ChangeForm();
        std::string listed;
        for (const std::string& item : view.C[IDC_COMBOBDUNDESC].Items)
            listed += (listed.empty() ? "" : " ") + item;
        EXPECT_EQ(listed, entries);
        EXPECT_EQ(view.C[IDC_COMBOBDUNDESC].Text, "Typed");
        launcher.Runs.clear();
        model.Clicked(IDC_BUTTONRUNNOW);
        ASSERT_EQ(launcher.Runs.size(), 1u);
        EXPECT_EQ(launcher.Runs[0].Command, command);
        EXPECT_EQ(launcher.Runs[0].Show, platform::ShowState::Normal);
    }
    view.C[IDC_COMBOBDUNDESC].Text = "";
    model.Changed(IDC_COMBOBDUNDESC);
    launcher.Runs.clear();
    model.Clicked(IDC_BUTTONRUNNOW);
    EXPECT_TRUE(launcher.Runs.empty());
}

// The tray box runs the main window's tray action (the popup item's) when
// the user changes it, not when loading shows the setting.
TEST_F(StartupWindowTest, TrayBoxRunsTheTrayAction)
{
    g.ShowTrayIcon = 1;
    model.ChangeForm();
    Tick(IDC_CBSYSTRAY, false);
    g.ShowTrayIcon = 0; // as the action sets it
    Tick(IDC_CBSYSTRAY, true);
    EXPECT_EQ(services.Running.Log, (std::vector<std::string>{"Tray off", "Tray on"}));
}

TEST(SpinNumberTest, WholeNumbersOnly)
{
    const std::pair<const char*, std::optional<int64_t>> cases[] = {
        {"42", 42}, {"-7", -7}, {"+3", 3}, {"", std::nullopt}, {"-", std::nullopt}, {"12a", std::nullopt},
        {"1 2", std::nullopt}, {"99999999999999999999999", int64_t{1} << 40}};
    for (const auto& [text, want] : cases)
        EXPECT_EQ(setup::SpinNumber(text), want) << text;
}

} // namespace
