#include "setup/detection_page.h"

#include <algorithm>
#include <cctype>

#include "settings/poll_period.h"
#include "app/startup.h"
#include "resource_ids.h"

namespace setup {

namespace {

constexpr int MaxPort = 8;
constexpr int AdapterKeyCount = 10;
constexpr int32_t MaxTicksShown = 18; // the track bar's right end

constexpr Binding Bindings[] = {
    bind::Spin(IDC_SETIMER, &TGVar::TimerInterval, 0, MaxTicksShown),
    bind::Text(IDC_COMBOBDEVICEDESC, &TGVar::DUNRegistryName),
    bind::Check(IDC_CBNDPA, &TGVar::NoDirectHardwareAcesss),
};

// Registry names compare without regard to case, as the registry does.
bool SameName(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

DetectionPageModel::DetectionPageModel(SetupContext& ctx, std::function<void()> reload)
    : PageModel(ctx, Bindings), reload_(std::move(reload))
{
}

// Loading sets every box to its setting, both ways, and every box's
// enabled state from the settings: a load follows Cancel and each port
// switch, so a box must not keep a state an earlier load or click gave it.
// A box whose state changes runs its click handler, as a click would. The
// method boxes show a method the system offers only, so the table binds
// none of them.
void DetectionPageModel::Fill()
{
    const TGVar& g = ctx_.G;
    SetupView& v = ctx_.View;
    const bool win9x = Win9x();

    FillPorts();
    FillAdapters(); // before the binding shows the adapter's name
    FillBindings();
    v.SetCheck(IDC_CBDUNLIGHTS, g.LightsAvailable == 1 && g.DUNLights == 1);
    v.SetCheck(IDC_CBRAS, !win9x && g.RAS == 1);
    v.SetCheck(IDC_CBDUNREGISTRY, win9x && g.DUNRegistry == 1);
    v.SetCheck(IDC_CBRNAAPP, g.RnaappNewer != 2 && g.RNAAPP == 1); // an RNAAPP too old to be asked
    if (win9x) {
        v.SetCheck(IDC_CBRDALTDETECT, g.AlternativeMethodForRD == 1);
        v.SetCheck(IDC_CBNOVXD, g.NoVxd == 1);
    }

    // A software modem has no UART to read and no port of its own to choose.
    v.SetCheck(IDC_CBWINMODEM, g.WinModem == 1);
    if (g.WinModem == 1) {
        if (win9x)
            ForceWin9xModemMethods();
        ClosePortIo();
        ForceNoPortAccess();
    }
    EnableControls();
}

// What each method's box allows, as the click handlers leave it.
void DetectionPageModel::EnableControls()
{
    TGVar& g = ctx_.G;
    SetupView& v = ctx_.View;
    const bool win9x = Win9x(), modem = g.WinModem == 1, lights = g.LightsAvailable == 1;
    v.Enable(IDC_BUTTONDETECTCOMPORTS, win9x);
    v.Enable(IDC_COMBOBPORTS, win9x || !modem);
    v.Enable(IDC_CBDUNLIGHTS, lights);
    // The two dial-up icon boxes serve their methods only.
    v.Enable(IDC_CBRUNLIGHTS, lights && v.Checked(IDC_CBDUNLIGHTS) && g.LightsPresent == 1);
    v.Enable(IDC_CBSHOWDUNICON, v.Checked(IDC_CBRNAAPP) || v.Checked(IDC_CBDUNREGISTRY));
    v.Enable(IDC_CBDUNREGISTRY, win9x && !modem);
    v.Enable(IDC_COMBOBDEVICEDESC, win9x && !modem && v.Checked(IDC_CBDUNREGISTRY));
    v.Enable(IDC_CBRAS, !win9x);
    v.Enable(IDC_CBRNAAPP, win9x && !modem && g.RnaappNewer != 2);
    v.Enable(IDC_CBNDPA, !modem);
    v.Enable(IDC_CBRDALTDETECT, win9x && !modem && !v.Checked(IDC_CBNOVXD));
    v.Enable(IDC_CBNOVXD, win9x);
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

bool DetectionPageModel::OnClicked(int id)
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

bool DetectionPageModel::OnChanged(int id)
{
    static constexpr Handler<DetectionPageModel> handlers[] = {
        {IDC_COMBOBPORTS, &DetectionPageModel::ComboBPortsChange},
        {IDC_SETIMER, &DetectionPageModel::SETimeroldChange},
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
    const int32_t position = ctx_.G.TimerInterval;
    ctx_.Services.Monitor().SetPollTimer(PollPeriodMs(position));
    // Without the timer the lamps are updated on demand only.
    ctx_.Services.Monitor().SetUpdateNowItem(position <= 0);
}

void DetectionPageModel::CBDUNlightsClick()
{
    TakeCheck(IDC_CBDUNLIGHTS, ctx_.G.DUNLights);
    ctx_.View.Enable(IDC_CBRUNLIGHTS, ctx_.View.Checked(IDC_CBDUNLIGHTS) && ctx_.G.LightsPresent == 1);
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
        TakeCheck(IDC_CBDUNREGISTRY, g.DUNRegistry);
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

void DetectionPageModel::CBRNAAPPClick()
{
    TakeCheck(IDC_CBRNAAPP, ctx_.G.RNAAPP);
    if (ctx_.View.Checked(IDC_CBRNAAPP))
        ctx_.View.Enable(IDC_CBSHOWDUNICON, true);
    else
        DisableDunIconUnless(IDC_CBDUNREGISTRY);
}

void DetectionPageModel::CBRDAltDetectClick() { TakeCheck(IDC_CBRDALTDETECT, ctx_.G.AlternativeMethodForRD); }

// The VxD is loaded as start-up loads it, and hooked as start-up hooks it.
void DetectionPageModel::CBNoVxdClick()
{
    TGVar& g = ctx_.G;
    TakeCheck(IDC_CBNOVXD, g.NoVxd);
    ctx_.View.Enable(IDC_CBRDALTDETECT, !ctx_.View.Checked(IDC_CBNOVXD));
    switch (ctx_.Services.Monitor().Vxd().Follow(g.OsKind, g.NoVxd, ctx_.System.ShortProgramPath())) {
    case monitor::VxdChange::Unloaded: ShowOkBox(ctx_, VxdUnloadedText, platform::MbIcon::None); break;
    case monitor::VxdChange::Loaded: ShowOkBox(ctx_, VxdLoadedText, platform::MbIcon::None); break;
    case monitor::VxdChange::NotHooked:
        ShowOkBox(ctx_, VxdLoadedText, platform::MbIcon::None);
        ShowOkBox(ctx_, monitor::VxdHookFailedText, platform::MbIcon::Warning);
        break;
    case monitor::VxdChange::NotFound: ShowOkBox(ctx_, monitor::VxdNotFoundText, platform::MbIcon::Warning); break;
    case monitor::VxdChange::None: break; // as wanted, or Windows NT/2000, which have no VxD
    }
}

// The port I/O driver follows the changed setting at once.
void DetectionPageModel::NDPAClick()
{
    if (devices::TDLPortIO* io = ctx_.Services.Monitor().PortIO())
        io->Follow(ctx_.G.NoDirectHardwareAcesss);
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
