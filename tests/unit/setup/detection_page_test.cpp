#include "resource_ids.h"
#include "setup/detection_page.h"
#include "setup_fixture.h"

namespace {

// A system with every detection aid: ports 1-3 and 5-8, the port I/O
// driver open, the registry's serial ports, adapters and dial-up keys.
class DetectionTest : public SetupTest {
protected:
    void SetUp() override
    {
        g.Port = 2;
        g.PortAvailable = {1, 1, 1, 0, 1, 1, 1, 1};
        g.TimerInterval = 5;
        g.TScalingPredefined = 28800;
        g.DUNRegistry = g.RNAAPP = g.AlternativeMethodForRD = g.RAS = 1;
        g.DUNRegistryName = "Dial-Up Adapter";
        reg().Set("HKLM\\Hardware\\devicemap\\serialcomm", "\\Device\\Serial1", "COM3");
        reg().Set("HKLM\\Hardware\\devicemap\\serialcomm", "\\Device\\Serial0", "COM1");
        reg().Set("HKLM\\Enum\\Root\\Net\\0000", "DeviceDesc", "Dial-Up Adapter");
        reg().Set("HKLM\\Enum\\Root\\Net\\0002", "DeviceDesc", "Second Adapter");
        reg().Set("HKLM\\SYSTEM\\CurrentControlSet\\Enum\\Root\\NET\\0001", "DeviceDesc", "WAN Miniport");
        reg().Set("HKDD\\PerfStats\\StartSrv", "Dial-Up Adapter", "");
        reg().Set("HKDD\\PerfStats\\StartSrv", "Dial-Up Adapter #2", "");
        running().PortIo.OpenDriver();
    }
    setupfake::RunningMonitor& running() { return services.Running; }
    fakes::Registry& reg() { return running().Reg; }
    void Pick(int id, const std::string& text)
    {
        view.C[id].Text = text;
        model.Changed(id);
    }
    // The boxes and lists as "name" with "+" checked and "(off)" disabled.
    std::string Boxes()
    {
        static const std::pair<int, const char*> controls[] = {
            {IDC_BUTTONDETECTCOMPORTS, "detect"}, {IDC_COMBOBPORTS, "ports"},   {IDC_CBDUNREGISTRY, "registry"},
            {IDC_COMBOBDEVICEDESC, "adapter"},    {IDC_CBRNAAPP, "rnaapp"},     {IDC_CBRDALTDETECT, "alt"},
            {IDC_CBNOVXD, "novxd"},               {IDC_CBNDPA, "ndpa"},         {IDC_CBRAS, "ras"},
            {IDC_CBWINMODEM, "winmodem"},         {IDC_CBSHOWDUNICON, "icon"}};
        std::string out;
        for (const auto& [id, name] : controls)
            out += std::string(out.empty() ? "" : " ") + name + (view.C[id].Checked ? "+" : "") +
                   (view.C[id].Enabled ? "" : "(off)");
        return out;
    }
    std::string PortList()
    {
        const auto& list = view.C[IDC_COMBOBPORTS];
        std::string out;
        for (size_t i = 0; i < list.Items.size(); ++i)
            out += (i ? " " : "") + list.Items[i] + (static_cast<int>(i) == list.Selection ? "*" : "");
        return out;
    }
};

// Loading on each system, with and without a software modem: what the
// boxes show, which settings the modem forces and whether the driver stays.
TEST_F(DetectionTest, LoadingFollowsTheSystemAndTheWinModem)
{
    struct Case {
        int32_t os, winModem;
        const char *ports, *adapters, *boxes, *changes;
        bool driverOpen;
    } cases[] = {
        {OsWin9x, 0, "COM1 COM2* COM3 COM5 COM6 COM7 COM8", "Dial-Up Adapter Second Adapter",
         "detect ports registry+ adapter rnaapp+ alt+ novxd ndpa ras(off) winmodem icon", "", true},
        {OsWin9x, 1, "COM1 COM2* COM3 COM5 COM6 COM7 COM8", "Dial-Up Adapter Second Adapter",
         "detect ports registry(off) adapter(off) rnaapp+(off) alt(off) novxd ndpa+(off) ras(off) winmodem+ icon",
         "Alternative method for RD=0 DUNRegistry=0 No Direct Hardware Acesss=1 NoVxd=1", false},
        {OsNT4, 0, "COM1 COM3", "Dial-Up Adapter Second Adapter",
         "detect(off) ports registry(off) adapter(off) rnaapp+(off) alt(off) novxd(off) ndpa ras+ winmodem icon", "",
         true},
        {OsWin2000, 1, "COM1 COM2* COM3 COM5 COM6 COM7 COM8", "WAN Miniport",
         "detect(off) ports(off) registry(off) adapter(off) rnaapp+(off) alt(off) novxd(off) ndpa+(off) ras+ "
         "winmodem+ icon",
         "No Direct Hardware Acesss=1", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.os * 10 + c.winModem);
        const int32_t timer = g.TimerInterval;
        g = TGVar{};
        view.C.clear();
        reg().Keys.clear();
        SetUp();
        g.TimerInterval = timer;
        g.OsKind = c.os;
        g.WinModem = c.winModem;
        const auto before = setupfake::Record(g);
        model.ChangeForm();
        EXPECT_EQ(PortList(), c.ports);
        std::string adapters;
        for (const std::string& item : view.C[IDC_COMBOBDEVICEDESC].Items)
            adapters += (adapters.empty() ? "" : " ") + item;
        EXPECT_EQ(adapters, c.adapters);
        EXPECT_EQ(view.C[IDC_COMBOBDEVICEDESC].Text, "Dial-Up Adapter");
        EXPECT_EQ(view.C[IDC_SETIMER].Spin, 5);
        EXPECT_EQ(Boxes(), c.boxes);
        EXPECT_EQ(setupfake::Changes(before, g), c.changes);
        EXPECT_EQ(running().PortIo.ActiveHW(), c.driverOpen);
        EXPECT_TRUE(running().Log.empty());
        EXPECT_TRUE(boxes.Shown.empty());
        // Loading again changes nothing more.
        const auto loaded = setupfake::Record(g);
        model.ChangeForm();
        EXPECT_EQ(setupfake::Changes(loaded, g), "");
    }
}

// Checking "WinModem" and clearing it again on Windows 95/98/ME gives the
// methods back to the user with the values the check set. Once Cancel has
// put the settings back, loading shows them as they were, both ways.
TEST_F(DetectionTest, WinModemOnAndOffLeavesItsValuesAndEnablesTheMethods)
{
    g.OsKind = OsWin9x;
    model.ChangeForm();
    const TGVar opened = g;
    const std::string shown = Boxes();
    Tick(IDC_CBWINMODEM, true);
    g = opened; // Cancel
    model.ChangeForm();
    EXPECT_EQ(Boxes(), shown);
    Tick(IDC_CBWINMODEM, true);
    EXPECT_FALSE(running().PortIo.ActiveHW());
    Tick(IDC_CBWINMODEM, false);
    EXPECT_EQ(g.WinModem, 0);
    EXPECT_EQ(g.DUNRegistry, 0);
    EXPECT_EQ(g.RNAAPP, 1);
    EXPECT_EQ(g.NoDirectHardwareAcesss, 1);
    EXPECT_EQ(g.NoVxd, 1);
    EXPECT_EQ(Boxes(), "detect ports registry adapter rnaapp+ alt novxd ndpa+ ras(off) winmodem icon");
    EXPECT_TRUE(services.Log.end() == std::find(services.Log.begin(), services.Log.end(), "SelectReg"));
}

// On Windows NT/2000 RAS is the method: its box cannot be cleared, and
// loading leaves it checked even for a stored 0.
TEST_F(DetectionTest, RasBoxStaysCheckedOnWindowsNT)
{
    g.OsKind = OsNT4;
    for (int32_t ras : {1, 0}) {
        g.RAS = ras;
        model.ChangeForm();
        EXPECT_TRUE(view.C[IDC_CBRAS].Checked);
        Tick(IDC_CBRAS, false);
        EXPECT_TRUE(view.C[IDC_CBRAS].Checked);
        EXPECT_EQ(g.RAS, ras);
    }
}

// The port list: the monitored port chosen again does nothing; another
// switches and reloads every control; "Detect Com Ports" tests the ports
// again and rebuilds the list.
TEST_F(DetectionTest, PortListSwitchesToAnotherPortOnly)
{
    g.OsKind = OsWin9x;
    model.ChangeForm();
    services.Log.clear();
    Pick(IDC_COMBOBPORTS, "COM2");
    EXPECT_TRUE(running().Log.empty());
    EXPECT_TRUE(services.Log.empty());

    for (bool works : {true, false}) {
        running().SwitchWorks = works;
        running().Log.clear();
        services.Log.clear();
        view.C[IDC_COMBOBPORTS].Selection = 2;
        Pick(IDC_COMBOBPORTS, "COM3");
        EXPECT_EQ(running().Log, std::vector<std::string>{"Switch 3"});
        // Reloaded: the list shows the port monitored now.
        EXPECT_FALSE(services.Log.empty());
        EXPECT_EQ(view.C[IDC_COMBOBPORTS].Selection, 1);
    }

    running().SerialPorts.Devices = {{"COM1", {}}, {"COM4", {}}};
    model.Clicked(IDC_BUTTONDETECTCOMPORTS);
    EXPECT_EQ(PortList(), "COM1 COM4");
}

// The track bar sets the poll timer to round(1000 / position) ms; 0 stops
// it and offers "Update Lamps Now!" instead.
TEST_F(DetectionTest, TrackBarSetsThePollRate)
{
    model.ChangeForm();
    for (auto [position, period] : {std::pair{3, 333u}, {18, 56u}, {0, 0u}, {1, 1000u}}) {
        running().Log.clear();
        Spin(IDC_SETIMER, position);
        EXPECT_EQ(g.TimerInterval, position);
        EXPECT_EQ(running().Log, (std::vector<std::string>{"Poll " + std::to_string(period),
                                                           period ? "NoUpdateNow" : "UpdateNow"}));
    }
}

// The registry method switched on asks for the adapter's key only when the
// name is no value of "PerfStats\StartSrv" (names compare without case);
// each entry clicked is taken at once.
TEST_F(DetectionTest, RegistryMethodAsksForAnUnknownAdapterOnly)
{
    g.OsKind = OsWin9x;
    model.ChangeForm();
    struct Case {
        const char *name, *clicked, *result;
        bool asked;
    } cases[] = {
        {"Dial-Up Adapter", "", "Dial-Up Adapter", false},
        {"dial-up adapter #2", "", "dial-up adapter #2", false},
        {"Old Adapter", "Dial-Up Adapter #2", "Dial-Up Adapter #2", true},
        {"Old Adapter", "", "Old Adapter", true}, // Cancel without a click
    };
    for (const Case& c : cases) {
        g.DUNRegistryName = c.name;
        services.RegistryChoices.clear();
        if (*c.clicked)
            services.RegistryChoices.push_back(c.clicked);
        services.Log.clear();
        Tick(IDC_CBDUNREGISTRY, false);
        EXPECT_FALSE(view.C[IDC_COMBOBDEVICEDESC].Enabled);
        Tick(IDC_CBDUNREGISTRY, true);
        EXPECT_EQ(!services.Log.empty(), c.asked) << c.name;
        EXPECT_EQ(g.DUNRegistry, 1);
        EXPECT_TRUE(view.C[IDC_COMBOBDEVICEDESC].Enabled);
        EXPECT_EQ(g.DUNRegistryName, c.result);
        if (*c.clicked) {
            EXPECT_EQ(view.C[IDC_COMBOBDEVICEDESC].Text, c.result);
            EXPECT_EQ(services.Offered, (std::vector<std::string>{"Dial-Up Adapter", "Dial-Up Adapter #2"}));
        }
    }
    // Without the dial-up keys (no dial-up networking) there is nothing to ask.
    reg().Keys.erase("HKDD\\PerfStats\\StartSrv");
    services.Log.clear();
    Tick(IDC_CBDUNREGISTRY, false);
    Tick(IDC_CBDUNREGISTRY, true);
    EXPECT_TRUE(services.Log.empty());
}

// "Hide original modem icon" serves the registry and rnaapp methods: it is
// disabled only when neither is checked. "Run original modem icon" serves
// 'lights' with LIGHTS!.EXE present.
TEST_F(DetectionTest, DunIconsFollowTheirMethods)
{
    g.OsKind = OsWin9x;
    g.DUNRegistry = g.RNAAPP = 0;
    g.LightsAvailable = g.LightsPresent = 1;
    model.ChangeForm();
    EXPECT_FALSE(view.C[IDC_CBSHOWDUNICON].Enabled);
    EXPECT_FALSE(view.C[IDC_CBRUNLIGHTS].Enabled);
    Tick(IDC_CBDUNLIGHTS, true);
    EXPECT_EQ(g.DUNLights, 1);
    EXPECT_TRUE(view.C[IDC_CBRUNLIGHTS].Enabled);
    Tick(IDC_CBRNAAPP, true);
    Tick(IDC_CBDUNREGISTRY, true);
    Tick(IDC_CBDUNREGISTRY, false);
    EXPECT_TRUE(view.C[IDC_CBSHOWDUNICON].Enabled);
    Tick(IDC_CBRNAAPP, false);
    EXPECT_FALSE(view.C[IDC_CBSHOWDUNICON].Enabled);
    EXPECT_EQ(g.RNAAPP, 0);
    Tick(IDC_CBRNAAPP, true);
    EXPECT_TRUE(view.C[IDC_CBSHOWDUNICON].Enabled);
}

// "No direct port access" closes the driver when it becomes 1 and opens it
// when it becomes 0.
TEST_F(DetectionTest, NoPortAccessClosesAndOpensTheDriver)
{
    g.OsKind = OsWin9x;
    model.ChangeForm();
    Tick(IDC_CBNDPA, true);
    EXPECT_EQ(g.NoDirectHardwareAcesss, 1);
    EXPECT_FALSE(running().PortIo.ActiveHW());
    Tick(IDC_CBNDPA, false);
    EXPECT_EQ(g.NoDirectHardwareAcesss, 0);
    EXPECT_TRUE(running().PortIo.ActiveHW());
    // A driver that will not open stays closed without a word.
    Tick(IDC_CBNDPA, true);
    running().Library.Files.clear();
    Tick(IDC_CBNDPA, false);
    EXPECT_FALSE(running().PortIo.ActiveHW());
    EXPECT_TRUE(boxes.Shown.empty());
}

// "Do not use device driver..." unloads the open VxD (unhooked first) and
// loads it again from the program's folder, hooked as at start-up.
TEST_F(DetectionTest, NoVxdBoxUnloadsAndLoadsTheVxd)
{
    g.OsKind = OsWin9x;
    running().VxdDevice.Opened = true;
    model.ChangeForm();
    struct Case {
        bool checked, present;
        const char* text;
        platform::MbIcon icon;
        bool open;
        std::vector<uint32_t> requests;
    } cases[] = {
        {true, true, setup::VxdUnloadedText, platform::MbIcon::None, false, {monitor::VxdUnhook}},
        {false, true, setup::VxdLoadedText, platform::MbIcon::None, true, {monitor::VxdHook}},
        {true, true, setup::VxdUnloadedText, platform::MbIcon::None, false, {monitor::VxdUnhook}},
        {false, false, monitor::VxdNotFoundText, platform::MbIcon::Warning, false, {}},
    };
    for (const Case& c : cases) {
        running().VxdDevice.Present = c.present;
        running().VxdDevice.Requests.clear();
        boxes.Shown.clear();
        Tick(IDC_CBNOVXD, c.checked);
        EXPECT_EQ(g.NoVxd, c.checked ? 1 : 0);
        EXPECT_EQ(view.C[IDC_CBRDALTDETECT].Enabled, !c.checked);
        EXPECT_EQ(running().VxdDevice.Opened, c.open);
        EXPECT_EQ(running().VxdDevice.Requests, c.requests);
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].Text, c.text);
        EXPECT_EQ(boxes.Shown[0].Icon, c.icon);
    }
    EXPECT_EQ(running().VxdDevice.OpenedPaths.back(), "\\\\.\\C:\\PROGRA~1\\BLINKERY\\BLINKR95.VXD");
}

} // namespace
