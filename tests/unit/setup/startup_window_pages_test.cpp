// The "Startup && Exit" and "Window && SysTray" pages: each control's
// setting, the Run key of "Load with Windows", the DialUI bit behind the
// modem icon box, the dial-up entries and "Run NOW!", and the tray box.
#include <cctype>
#include <tuple>

#include "resource_ids.h"
#include "setup/startup_page.h"
#include "setup/window_page.h"
#include "setup_fixture.h"

namespace {

using platform::RegistryRoot;

class StartupWindowTest : public SetupTest {
protected:
    fakes::Registry& reg() { return services.Running.Reg; }
    const std::string RunPath = fakes::Registry::Path(RegistryRoot::LocalMachine, setup::RunKey);
    const std::string DialUiPath = fakes::Registry::Path(RegistryRoot::CurrentUser, setup::DialUiKey);
    void Type(int id, const std::string& text)
    {
        view.C[id].Text = text;
        model.Changed(id);
    }
    std::vector<uint8_t> DialUi() { return reg().Get(DialUiPath, setup::DialUiValue)->Data; }
};

// Every box stores 1 checked, 0 not ("No Startup Logo" the other way
// round), shows its setting when loaded, and changes nothing else.
TEST_F(StartupWindowTest, BoxesMirrorTheirSettings)
{
    struct Box {
        int Id;
        int32_t TGVar::*Setting;
        bool Inverted;
    };
    const Box table[] = {
        {IDC_NOLOGO, &TGVar::ShowLogoAtStartup, true},      {IDC_CBAUTORUN, &TGVar::AutoRun, false},
        {IDC_CBASKFIRSTAUTORUN, &TGVar::AskFirstAutoRun, false}, {IDC_CBDUNRUN, &TGVar::DUNRunConnectoid, false},
        {IDC_WARNEXIT, &TGVar::WarnWhenExiting, false},     {IDC_CBAUTOEXIT, &TGVar::CDAutoExit, false},
        {IDC_AUTOMAXIMIZE, &TGVar::AutoMaximize, false},    {IDC_CBRUNLIGHTS, &TGVar::RunLights, false},
    };
    for (const Box& box : table) {
        for (bool checked : {true, false}) {
            g.*box.Setting = checked != box.Inverted ? 1 : 0;
            model.ChangeForm();
            EXPECT_EQ(view.C[box.Id].Checked, checked) << box.Id;
            const auto before = setupfake::Record(g);
            Tick(box.Id, !checked);
            const std::string changes = setupfake::Changes(before, g);
            const std::string stored = !checked != box.Inverted ? "=1" : "=0";
            EXPECT_TRUE(std::count(changes.begin(), changes.end(), '=') == 1 && changes.ends_with(stored))
                << box.Id << ": " << changes;
        }
    }
    // "Ask First" serves "Run Application at Startup" only.
    g.AutoRun = 0;
    model.ChangeForm();
    EXPECT_FALSE(view.C[IDC_CBASKFIRSTAUTORUN].Enabled);
    Tick(IDC_CBAUTORUN, true);
    EXPECT_TRUE(view.C[IDC_CBASKFIRSTAUTORUN].Enabled);
}

// Texts store at every change; spin edits within their ranges; the on-top
// items stand for 1, 2 and 0.
TEST_F(StartupWindowTest, EditsSpinsAndOnTop)
{
    Type(IDC_EDITAUTORUNPROG, "notepad.exe x.txt");
    Type(IDC_COMBOBDUNDESC, "My ISP");
    EXPECT_EQ(g.AutoRunProgram, "notepad.exe x.txt");
    EXPECT_EQ(g.DUNRunConnectoidName, "My ISP");

    model.ChangeForm();
    const std::pair<int, uint32_t TGVar::*> spins[] = {{IDC_SEEXITDELAY, &TGVar::CDAutoExitDelay},
                                                       {IDC_SEAUTODETECT, &TGVar::AutoDelayTitle}};
    for (const auto& [id, setting] : spins) {
        EXPECT_EQ(view.C[id].Low, 0);
        for (int32_t typed : {7, -3, 99999}) {
            Spin(id, typed);
            EXPECT_EQ(static_cast<int32_t>(g.*setting), std::clamp(typed, 0, view.C[id].High)) << id;
        }
    }
    EXPECT_EQ(view.C[IDC_SEEXITDELAY].High, 10000);
    EXPECT_EQ(view.C[IDC_SEAUTODETECT].High, 1000);

    const int32_t onTop[] = {1, 2, 0};
    for (int item : {0, 1, 2}) {
        Choose(IDC_RADIOGROUPONTOP, item);
        EXPECT_EQ(g.OnTop, onTop[item]);
        view.C[IDC_RADIOGROUPONTOP].Radio = -1;
        model.ChangeForm();
        EXPECT_EQ(view.C[IDC_RADIOGROUPONTOP].Radio, item);
    }
}

// "Browse..." opens on the setting; Cancel keeps it, a choice replaces it.
TEST_F(StartupWindowTest, BrowseForTheStartupProgram)
{
    g.AutoRunProgram = "C:\\OLD.EXE";
    services.Browsed = false;
    model.Clicked(IDC_BUTTONBROWSEAUTORUNPROG);
    EXPECT_EQ(services.Filter, std::string(setup::ProgramFilter) + " C:\\OLD.EXE");
    EXPECT_EQ(g.AutoRunProgram, "C:\\OLD.EXE");
    services.Browsed = true;
    model.Clicked(IDC_BUTTONBROWSEAUTORUNPROG);
    EXPECT_EQ(g.AutoRunProgram, services.BrowseFile_);
    EXPECT_EQ(view.C[IDC_EDITAUTORUNPROG].Text, services.BrowseFile_);
}

// The Run value is Blinkery's short path, compared exactly; unchecking
// deletes it; a refused write or a missing key leaves the box as the key is.
TEST_F(StartupWindowTest, LoadWithWindowsKeepsTheRunValue)
{
    reg().Keys[RunPath];
    model.ChangeForm();
    EXPECT_FALSE(view.C[IDC_CBLOADWINDOWS].Checked);
    Tick(IDC_CBLOADWINDOWS, true);
    EXPECT_EQ(reg().Get(RunPath, "Blinkery")->Data, fakes::Registry::Text(system.ShortProgram).Data);
    model.ChangeForm();
    EXPECT_TRUE(view.C[IDC_CBLOADWINDOWS].Checked);

    std::string lower = system.ShortProgram;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return static_cast<char>(std::tolower(c)); });
    reg().Set(RunPath, "Blinkery", lower);
    model.ChangeForm();
    EXPECT_FALSE(view.C[IDC_CBLOADWINDOWS].Checked) << "another spelling is another program";

    Tick(IDC_CBLOADWINDOWS, true);
    Tick(IDC_CBLOADWINDOWS, false);
    EXPECT_EQ(reg().Get(RunPath, "Blinkery"), nullptr);

    reg().ReadOnly.insert(RunPath);
    Tick(IDC_CBLOADWINDOWS, true);
    EXPECT_FALSE(view.C[IDC_CBLOADWINDOWS].Checked);
    EXPECT_EQ(reg().Get(RunPath, "Blinkery"), nullptr);
    reg().ReadOnly.clear();
    reg().Keys.clear();
    Tick(IDC_CBLOADWINDOWS, true);
    EXPECT_FALSE(view.C[IDC_CBLOADWINDOWS].Checked);
}

// Bit 2 of "DialUI" set and cleared with the value's other bits and bytes
// kept; a short value or one of another type never read past its end.
TEST_F(StartupWindowTest, ModemIconBoxSetsTheDialUiBit)
{
    // Values as hex bytes: as stored, then after checking and unchecking.
    struct Case {
        uint32_t Type;
        const char* Stored;
        bool Shown;
        const char* Set;
        const char* Cleared;
    };
    const Case cases[] = {
        {platform::RegistryBinary, "01000000", false, "05000000", "01000000"},
        {platform::RegistryBinary, "0600008009", true, "0600008009", "0200008009"},
        {platform::RegistryBinary, "04", true, "04", "00000000"},
        {platform::RegistryBinary, "", false, "04000000", "00000000"},
        {platform::RegistryString, "3400", false, "04000000", "00000000"},
    };
    auto hex = [](const std::vector<uint8_t>& bytes) {
        std::string out;
        for (uint8_t b : bytes)
            out += "0123456789abcdef"[b >> 4], out += "0123456789abcdef"[b & 15];
        return out;
    };
    for (const Case& c : cases) {
        platform::RegistryValue stored{c.Type, {}};
        for (const char* p = c.Stored; *p; p += 2)
            stored.Data.push_back(static_cast<uint8_t>(std::stoi(std::string(p, 2), nullptr, 16)));
        reg().Keys[DialUiPath].clear();
        reg().Put(DialUiPath, "DialUI", stored);
        view.C[IDC_CBSHOWDUNICON].Checked = !c.Shown;
        model.ChangeForm();
        EXPECT_EQ(view.C[IDC_CBSHOWDUNICON].Checked, c.Shown) << c.Stored;
        Tick(IDC_CBSHOWDUNICON, true);
        EXPECT_EQ(hex(DialUi()), c.Set);
        Tick(IDC_CBSHOWDUNICON, false);
        EXPECT_EQ(hex(DialUi()), c.Cleared);
        EXPECT_EQ(reg().Get(DialUiPath, "DialUI")->Type, platform::RegistryBinary);
    }
    // A refused write: the box shows the stored bit again.
    reg().ReadOnly.insert(DialUiPath);
    Tick(IDC_CBSHOWDUNICON, true);
    EXPECT_FALSE(view.C[IDC_CBSHOWDUNICON].Checked);
    // No key: nothing written, the box as the user left it.
    reg().Keys.clear();
    Tick(IDC_CBSHOWDUNICON, true);
    model.ChangeForm();
    EXPECT_TRUE(view.C[IDC_CBSHOWDUNICON].Checked);
    EXPECT_TRUE(reg().Keys.empty());
}

// The first dial-up networking (RNAAPP.EXE of 1 September 1995 or older)
// with "Run Lights": loading checks the box and so sets the bit.
TEST_F(StartupWindowTest, OldDialUpNetworkingHidesItsIconWithLights)
{
    const std::tuple<int32_t, int32_t, uint8_t> cases[] = {{2, 1, 4}, {1, 1, 0}, {2, 0, 0}, {0, 1, 0}};
    for (const auto& [rnaappNewer, runLights, bit] : cases) {
        reg().Keys[DialUiPath].clear();
        view.C[IDC_CBSHOWDUNICON].Checked = false;
        g.RnaappNewer = rnaappNewer;
        g.RunLights = runLights;
        model.ChangeForm();
        const auto* stored = reg().Get(DialUiPath, "DialUI");
        EXPECT_EQ(stored ? stored->Data[0] : 0, bit) << rnaappNewer << " " << runLights;
    }
}

// The entries are the profiles' sub-keys on NT/2000 and the addresses'
// value names on 95/98/ME; the text is the setting even when not listed;
// "Run NOW!" dials it with the system's dialer.
TEST_F(StartupWindowTest, DialUpEntriesAndRunNow)
{
    reg().Keys["HKCU\\RemoteAccess\\Profile"];
    reg().Keys["HKCU\\RemoteAccess\\Profile\\Work"];
    reg().Keys["HKCU\\RemoteAccess\\Profile\\Home ISP"];
    reg().Keys["HKCU\\RemoteAccess\\Profile\\Home ISP\\Sub"];
    reg().Set("HKCU\\RemoteAccess\\Addresses", "Office", "");
    reg().Set("HKCU\\RemoteAccess\\Addresses", "Modem Pool", "");
    g.DUNRunConnectoidName = "Typed Name";
    struct Case {
        int32_t Os;
        std::vector<std::string> Entries;
        const char* Command;
    };
    const Case cases[] = {{OsWin2000, {"Home ISP", "Work"}, "rasphone.exe -d Typed Name"},
                          {OsNT4, {"Home ISP", "Work"}, "rasphone.exe -d Typed Name"},
                          {OsWin9x, {"Office", "Modem Pool"}, "RUNDLL.EXE rnaui.dll,RnaDial Typed Name"}};
    for (const Case& c : cases) {
        g.OsKind = c.Os;
        model.ChangeForm();
        EXPECT_EQ(view.C[IDC_COMBOBDUNDESC].Items, c.Entries);
        EXPECT_EQ(view.C[IDC_COMBOBDUNDESC].Text, "Typed Name");
        launcher.Runs.clear();
        model.Clicked(IDC_BUTTONRUNNOW);
        ASSERT_EQ(launcher.Runs.size(), 1u);
        EXPECT_EQ(launcher.Runs[0].Command, c.Command);
        EXPECT_EQ(launcher.Runs[0].Show, platform::ShowState::Normal);
    }
    reg().Keys.clear();
    model.ChangeForm();
    EXPECT_TRUE(view.C[IDC_COMBOBDUNDESC].Items.empty());
    Type(IDC_COMBOBDUNDESC, "");
    launcher.Runs.clear();
    model.Clicked(IDC_BUTTONRUNNOW);
    EXPECT_TRUE(launcher.Runs.empty());
}

// The tray box runs the main window's tray action (the one the popup item
// runs) when the user changes it, not when loading shows the setting.
TEST_F(StartupWindowTest, TrayBoxRunsTheTrayAction)
{
    g.ShowTrayIcon = 1;
    model.ChangeForm();
    EXPECT_TRUE(view.C[IDC_CBSYSTRAY].Checked);
    Tick(IDC_CBSYSTRAY, false);
    g.ShowTrayIcon = 0; // as the action sets it
    Tick(IDC_CBSYSTRAY, true);
    EXPECT_EQ(services.Running.Log, (std::vector<std::string>{"Tray off", "Tray on"}));
}

// Spin edits read typed text as a number only when it is one.
TEST(SpinNumberTest, WholeNumbersOnly)
{
    const std::pair<const char*, std::optional<int64_t>> cases[] = {
        {"42", 42}, {"-7", -7}, {"+3", 3}, {"007", 7}, {"", std::nullopt}, {"-", std::nullopt},
        {"12a", std::nullopt}, {"1 2", std::nullopt}, {"abc", std::nullopt}, {"99999999999999999999999", int64_t{1} << 40},
    };
    for (const auto& [text, want] : cases)
        EXPECT_EQ(setup::SpinNumber(text), want) << text;
}

} // namespace
