#include "setup/detection_page.h"

#include <algorithm>
#include <cctype>

#include "app/poll_period.h"
#include "app/startup.h"
#include "resource_ids.h"

namespace setup {

namespace {

constexpr int MaxPort = 8;
constexpr int AdapterKeyCount = 10;

// Registry names compare without regard to case, as the registry does.
bool SameName(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

// Loading checks a box when its setting is 1 and never clears it; only
// "No direct port access" and "Use RAS" follow their settings both ways.
// A box whose state changes runs its click handler.
void DetectionPageModel::Fill()
{
    TGVar& g = ctx_.G;
    SetupView& v = ctx_.View;
    const bool win9x = Win9x();

    if (!win9x)
        v.Enable(IDC_BUTTONDETECTCOMPORTS, false);
    FillPorts();
    FillSpin(IDC_SETIMER, 0, 18, g.TimerInterval);

    // The two dial-up icon boxes serve their methods only, as their
    // methods' click handlers keep them.
    if (g.LightsAvailable != 1) {
        v.Enable(IDC_CBDUNLIGHTS, false);
        v.Enable(IDC_CBRUNLIGHTS, false);
    } else if (g.DUNLights == 1) {
        v.SetCheck(IDC_CBDUNLIGHTS, true);
        v.Enable(IDC_CBRUNLIGHTS, g.LightsPresent == 1);
        if (g.RunLights == 1)
            v.SetCheck(IDC_CBRUNLIGHTS, true);
    } else {
        v.Enable(IDC_CBRUNLIGHTS, false);
    }

    FillAdapters();
    v.SetText(IDC_COMBOBDEVICEDESC, g.DUNRegistryName);
    v.Enable(IDC_CBSHOWDUNICON, v.Checked(IDC_CBRNAAPP) || v.Checked(IDC_CBDUNREGISTRY));

    if (!win9x) {
        v.Enable(IDC_CBDUNREGISTRY, false);
        v.Enable(IDC_COMBOBDEVICEDESC, false);
        v.SetCheck(IDC_CBRAS, g.RAS == 1);
    } else {
        v.Enable(IDC_CBRAS, false);
        if (g.DUNRegistry == 1) {
            v.SetCheck(IDC_CBDUNREGISTRY, true);
            v.Enable(IDC_COMBOBDEVICEDESC, true);
        } else {
            v.Enable(IDC_COMBOBDEVICEDESC, false);
        }
    }

    if (g.RnaappNewer == 2)
        v.Enable(IDC_CBRNAAPP, false); // an RNAAPP too old to be asked
    else if (g.RNAAPP == 1)
        v.SetCheck(IDC_CBRNAAPP, true);
    if (!win9x)
        v.Enable(IDC_CBRNAAPP, false);

    v.SetCheck(IDC_CBNDPA, g.NoDirectHardwareAcesss == 1);
    FillWinModem();
}

// The port list: on Windows NT/2000 without "WinModem" the system's serial
// ports, none chosen; otherwise the available ports with the monitored one
// chosen.
void DetectionPageModel::FillPorts()
{
    TGVar& g = ctx_.G;
    std::vector<std::string> ports;
    int chosen = -1;
    if (!Win9x() && g.WinModem != 1) {
        std::vector<std::string> names;
        platform::Registry& registry = ctx_.Services.Monitor().Registry();
        registry.ValueNames(platform::RegistryRoot::LocalMachine, SerialCommKey, names);
        for (const std::string& name : names) {
            std::string port;
            if (registry.ReadString(platform::RegistryRoot::LocalMachine, SerialCommKey, name, port))
                ports.push_back(port);
        }
    } else {
        for (int n = 1; n <= MaxPort; ++n)
            if (g.PortAvailable[static_cast<size_t>(n - 1)] != 0)
                ports.push_back("COM" + std::to_string(n));
    }
    // The list is sorted; the view's indices follow the sorted order.
    std::sort(ports.begin(), ports.end());
    if (Win9x() || g.WinModem == 1) {
        const auto it = std::find(ports.begin(), ports.end(), "COM" + std::to_string(g.Port));
        if (it != ports.end())
            chosen = static_cast<int>(it - ports.begin());
    }
    ctx_.View.SetItems(IDC_COMBOBPORTS, ports);
    ctx_.View.SetSelection(IDC_COMBOBPORTS, chosen);
}

// The dial-up adapters' descriptions: HKLM "...Enum\Root\Net\0000" to 0009.
void DetectionPageModel::FillAdapters()
{
    const std::string base = ctx_.G.OsKind == OsWin2000 ? AdapterKeys2000 : AdapterKeys;
    std::vector<std::string> adapters;
    for (int i = 0; i < AdapterKeyCount; ++i) {
        std::string description;
        if (ctx_.Services.Monitor().Registry().ReadString(platform::RegistryRoot::LocalMachine,
                                                          base + std::to_string(i), "DeviceDesc", description))
            adapters.push_back(description);
    }
    ctx_.View.SetItems(IDC_COMBOBDEVICEDESC, adapters);
}

// A software modem has no UART to read and no port of its own to choose.
void DetectionPageModel::FillWinModem()
{
    TGVar& g = ctx_.G;
    SetupView& v = ctx_.View;
    if (!Win9x()) {
        v.Enable(IDC_CBRDALTDETECT, false);
        v.Enable(IDC_CBNOVXD, false);
        if (g.WinModem == 1) {
            v.SetCheck(IDC_CBWINMODEM, true);
            ClosePortIo();
            ForceNoPortAccess();
            v.Enable(IDC_COMBOBDEVICEDESC, false);
            v.Enable(IDC_COMBOBPORTS, false);
        }
        return;
    }
    if (g.AlternativeMethodForRD == 1)
        v.SetCheck(IDC_CBRDALTDETECT, true);
    if (g.NoVxd == 1)
        v.SetCheck(IDC_CBNOVXD, true);
    if (g.WinModem != 1)
        return;
    v.SetCheck(IDC_CBWINMODEM, true);
    ForceWin9xModemMethods();
    ClosePortIo();
    ForceNoPortAccess();
    v.Enable(IDC_COMBOBDEVICEDESC, false);
}

void DetectionPageModel::ForceWin9xModemMethods()
{
    TGVar& g = ctx_.G;
    SetupView& v = ctx_.View;
    g.DUNRegistry = 0;
    v.SetCheck(IDC_CBDUNREGISTRY, false);
    v.Enable(IDC_CBDUNREGISTRY, false);
    g.RNAAPP = 1;
    v.SetCheck(IDC_CBRNAAPP, true);
    v.Enable(IDC_CBRNAAPP, false);
    // The box shows the method as off, as the setting now is.
    v.SetCheck(IDC_CBRDALTDETECT, false);
    g.AlternativeMethodForRD = 0;
    v.Enable(IDC_CBRDALTDETECT, false);
}

bool DetectionPageModel::Clicked(int id)
{
    static constexpr Handler<DetectionPageModel> handlers[] = {
        {IDC_BUTTONDETECTCOMPORTS, &DetectionPageModel::ButtonDetectComPortsClick},
        {IDC_CBDUNLIGHTS, &DetectionPageModel::CBDUNlightsClick},
        {IDC_CBDUNREGISTRY, &DetectionPageModel::CBDUNRegistryClick},
        {IDC_CBRNAAPP, &DetectionPageModel::CBRNAAPPClick},
        {IDC_CBRDALTDETECT, &DetectionPageModel::CBRDAltDetectClick},
        {IDC_CBNOVXD, &DetectionPageModel::CBNoVxdClick},
        {IDC_CBNDPA, &DetectionPageModel::NDPAClick},
        {IDC_CBRAS, &DetectionPageModel::CBRASClick},
        {IDC_CBWINMODEM, &DetectionPageModel::CBWinModemClick},
    };
    return Dispatch<DetectionPageModel>(*this, handlers, id);
}

bool DetectionPageModel::Changed(int id)
{
    static constexpr Handler<DetectionPageModel> handlers[] = {
        {IDC_COMBOBPORTS, &DetectionPageModel::ComboBPortsChange},
        {IDC_SETIMER, &DetectionPageModel::SETimeroldChange},
        {IDC_COMBOBDEVICEDESC, &DetectionPageModel::ComboBDeviceDescChange},
    };
    return Dispatch<DetectionPageModel>(*this, handlers, id);
}

void DetectionPageModel::ComboBPortsChange()
{
    const std::string chosen = ctx_.View.Text(IDC_COMBOBPORTS);
    if (chosen == "COM" + std::to_string(ctx_.G.Port))
        return;
    for (int n = 1; n <= MaxPort; ++n) {
        if (chosen != "COM" + std::to_string(n))
            continue;
        // An abandoned switch reloads too: the list shows the monitored port again.
        ctx_.Services.Monitor().SwitchPort(n);
        reload_();
        return;
    }
}

void DetectionPageModel::ButtonDetectComPortsClick()
{
    TestPortAvailability(ctx_.G, ctx_.Services.Monitor().Ports());
    reload_();
}

void DetectionPageModel::SETimeroldChange()
{
    const int32_t position = ctx_.View.SpinValue(IDC_SETIMER);
    ctx_.Services.Monitor().SetPollTimer(PollPeriodMs(position));
    // Without the timer the lamps are updated on demand only.
    ctx_.Services.Monitor().SetUpdateNowItem(position <= 0);
    ctx_.G.TimerInterval = position;
}

void DetectionPageModel::CBDUNlightsClick()
{
    const bool checked = ctx_.View.Checked(IDC_CBDUNLIGHTS);
    ctx_.G.DUNLights = checked ? 1 : 0;
    ctx_.View.Enable(IDC_CBRUNLIGHTS, checked && ctx_.G.LightsPresent == 1);
}

void DetectionPageModel::DisableDunIconUnless(int otherMethod)
{
    if (!ctx_.View.Checked(otherMethod))
        ctx_.View.Enable(IDC_CBSHOWDUNICON, false);
}

void DetectionPageModel::CBDUNRegistryClick()
{
    TGVar& g = ctx_.G;
    SetupView& v = ctx_.View;
    if (v.Checked(IDC_CBDUNREGISTRY)) {
        if (g.DUNRegistry == 0) {
            v.Enable(IDC_COMBOBDEVICEDESC, true);
            CheckAdapterKey();
        }
        g.DUNRegistry = 1;
        v.Enable(IDC_CBSHOWDUNICON, true);
    } else {
        g.DUNRegistry = 0;
        DisableDunIconUnless(IDC_CBRNAAPP);
        v.Enable(IDC_COMBOBDEVICEDESC, false);
    }
}

void DetectionPageModel::CheckAdapterKey()
{
    std::vector<std::string> names;
    if (!ctx_.Services.Monitor().Registry().ValueNames(platform::RegistryRoot::DynData, StartSrvKey, names))
        return;
    const std::string& adapter = ctx_.G.DUNRegistryName;
    if (std::any_of(names.begin(), names.end(), [&](const std::string& name) { return SameName(name, adapter); }))
        return;
    // Each entry clicked is taken at once; Cancel keeps the last one.
    ctx_.Services.SelectRegistryEntry(names, [this](const std::string& name) {
        ctx_.G.DUNRegistryName = name;
        ctx_.View.SetText(IDC_COMBOBDEVICEDESC, name);
    });
}

void DetectionPageModel::ComboBDeviceDescChange() { ctx_.G.DUNRegistryName = ctx_.View.Text(IDC_COMBOBDEVICEDESC); }

void DetectionPageModel::CBRNAAPPClick()
{
    if (ctx_.View.Checked(IDC_CBRNAAPP)) {
        ctx_.G.RNAAPP = 1;
        ctx_.View.Enable(IDC_CBSHOWDUNICON, true);
    } else {
        ctx_.G.RNAAPP = 0;
        DisableDunIconUnless(IDC_CBDUNREGISTRY);
    }
}

void DetectionPageModel::CBRDAltDetectClick()
{
    ctx_.G.AlternativeMethodForRD = ctx_.View.Checked(IDC_CBRDALTDETECT) ? 1 : 0;
}

void DetectionPageModel::CBNoVxdClick()
{
    TGVar& g = ctx_.G;
    monitor::HelperVxdClient& vxd = ctx_.Services.Monitor().Vxd();
    if (ctx_.View.Checked(IDC_CBNOVXD)) {
        g.NoVxd = 1;
        ctx_.View.Enable(IDC_CBRDALTDETECT, false);
        if (vxd.IsOpen()) {
            vxd.Close(); // unhooks first
            ShowOkBox(ctx_, VxdUnloadedText, platform::MbIcon::None);
        }
        return;
    }
    g.NoVxd = 0;
    ctx_.View.Enable(IDC_CBRDALTDETECT, true);
    if (vxd.IsOpen())
        return;
    // Loaded as start-up loads it, but not asked to hook: only start-up hooks.
    switch (vxd.Open(g.OsKind, g.NoVxd, ctx_.System.ShortProgramPath())) {
    case monitor::VxdOpenResult::Opened: ShowOkBox(ctx_, VxdLoadedText, platform::MbIcon::None); break;
    case monitor::VxdOpenResult::NotFound: ShowOkBox(ctx_, monitor::VxdNotFoundText, platform::MbIcon::Warning); break;
    case monitor::VxdOpenResult::NotWanted: break; // Windows NT/2000 have no VxD
    }
}

void DetectionPageModel::NDPAClick()
{
    TGVar& g = ctx_.G;
    const int32_t before = g.NoDirectHardwareAcesss;
    g.NoDirectHardwareAcesss = ctx_.View.Checked(IDC_CBNDPA) ? 1 : 0;
    devices::TDLPortIO* io = ctx_.Services.Monitor().PortIO();
    if (!io || g.NoDirectHardwareAcesss == before)
        return;
    // A driver that fails to open leaves the component inactive, unreported.
    if (g.NoDirectHardwareAcesss == 1 && io->ActiveHW())
        io->CloseDriver();
    else if (g.NoDirectHardwareAcesss == 0 && !io->ActiveHW())
        io->OpenDriver();
}

// RAS is the only method of Windows NT/2000: the box cannot be cleared.
void DetectionPageModel::CBRASClick() { ctx_.View.SetCheck(IDC_CBRAS, true); }

void DetectionPageModel::ClosePortIo()
{
    devices::TDLPortIO* io = ctx_.Services.Monitor().PortIO();
    if (io && io->ActiveHW())
        io->CloseDriver();
}

void DetectionPageModel::ForceNoPortAccess()
{
    // The box first, so that its handler closes the driver when it was clear.
    ctx_.View.SetCheck(IDC_CBNDPA, true);
    ctx_.G.NoDirectHardwareAcesss = 1;
    ctx_.View.Enable(IDC_CBNDPA, false);
}

void DetectionPageModel::CBWinModemClick()
{
    TGVar& g = ctx_.G;
    SetupView& v = ctx_.View;
    const bool win9x = Win9x();
    if (!v.Checked(IDC_CBWINMODEM)) {
        // The methods come back for the user to choose; their values stay.
        g.WinModem = 0;
        for (int id : {IDC_COMBOBDEVICEDESC, IDC_CBNDPA, IDC_COMBOBPORTS})
            v.Enable(id, true);
        if (win9x) {
            v.Enable(IDC_CBDUNREGISTRY, true);
            v.Enable(IDC_CBRNAAPP, g.RnaappNewer != 2);
            v.Enable(IDC_CBRDALTDETECT, true);
        }
        return;
    }
    g.WinModem = 1;
    ForceNoPortAccess();
    v.Enable(IDC_COMBOBDEVICEDESC, false);
    if (!win9x) {
        ClosePortIo();
        v.Enable(IDC_COMBOBPORTS, false);
        return;
    }
    ForceWin9xModemMethods();
    g.NoVxd = 1; // the box and the VxD stay as they are
}

} // namespace setup
