#include "app/startup.h"

#include "app/command_line.h"
#include "settings/date_time.h"
#include "settings/fonts.h"
#include "settings/launcher.h"
#include "settings/modal_box.h"
#include "settings/poll_period.h"
#include "app/port_decision.h"
#include "app/window_rules.h"
#include "monitor/helper_vxd_client.h"
#include "monitor/poll_cycle.h"

namespace {

void Warn(TGVar& g, platform::MessageBoxes& boxes, const char* text, platform::MbIcon icon)
{
    ShowModalBox(g, boxes, text, platform::MbButtons::Ok, icon);
}

// The dial-up helpers of Windows 95/98/ME in the system directory.
void FindDialUpHelpers(TGVar& g, const std::string& systemDir, platform::FileQuery& files)
{
    platform::FileInfo info;
    g.RnaappNewer = 0;
    if (files.Find(systemDir + "\\RNAAPP.EXE", info)) {
        const double september1995 = EncodeDateTime({1995, 9, 2});
        g.RnaappNewer = info.Modified >= september1995 ? 1 : 2;
        if (g.RNAAPP == -1 && g.RnaappNewer == 1)
            g.RNAAPP = 1;
    }
    g.LightsAvailable = files.Find(systemDir + "\\LIGHTS.EXE", info) && info.Size == 21248 ? 1 : 0;
    g.LightsPresent = files.Find(systemDir + "\\LIGHTS!.EXE", info) ? 1 : 0;
}

} // namespace

void TestPortAvailability(TGVar& g, platform::SerialPorts& ports)
{
    for (int32_t port = 1; port <= 8; ++port)
        g.PortAvailable[static_cast<size_t>(port - 1)] = ports.Exists("COM" + std::to_string(port)) ? 1 : 0;
}

int32_t OsKindOf(const platform::OsVersion& version)
{
    if (version.PlatformId != 2)
        return OsWin9x;
    return version.Major == 5 ? OsWin2000 : OsNT4;
}

bool RunStartUp(TGVar& g, const std::string& commandTail, AppContext& ctx)
{
    SettingsContext& sc = ctx.Settings;
    WindowHost& host = ctx.Host;
    const std::string program = sc.System.ProgramPath();

    // 1-3
    g.ProgramStartTime = sc.Clock.Now();
    g.OsKind = OsKindOf(sc.System.GetVersion());
    g.HelpFile = ChangeFileExtension(program, ".hlp");
    ctx.Parts.Tray.LoadTrayIcons();

    // 4-7: the port
    const int32_t filePort = ReadDefaultPort(sc.Profile);
    const CommandLine cl = ParseCommandLine(SplitCommandLine(commandTail));
    g.CommandLinePort = cl.Port;
    g.AutoCheck = cl.AutoCheck ? 1 : 0;
    g.PortBaseTable = DefaultPortBaseTable;
    if (cl.AutoCheck)
        TestPortAvailability(g, ctx.Ports);
    else
        g.PortAvailable.fill(1);
    switch (DecidePort(filePort, cl.Port, g.PortAvailable, g.Port)) {
    case PortDecision::Refuse:
        Warn(g, ctx.Boxes, PortNotAvailableText, platform::MbIcon::Error);
        return false;
    case PortDecision::FirstRun:
        g.FirstRunRequest = 1;
        break;
    case PortDecision::Monitor:
        break;
    }

    // 8-13
    g.DisplayFont = TFont{};
    g.TitleFont = TFont{};
    ReadSettings(g, sc);
    host.SetCaption("Blinkery");
    if (LayoutBorder(g.NewOrientation) == WindowBorder::Single)   // a fixed size
        host.PlaceWindow(false, g.WindowPositionX, g.WindowPositionY, 100, 10);
    else
        host.PlaceWindow(true, g.WindowPositionX, g.WindowPositionY, g.WindowSizeX, g.WindowSizeY);
    host.CreateMemoryDc();
    g.ReloadPictures = g.ReloadTitlePictures = g.DisplayResized = g.RepaintRequested = true;
    g.ModalActive = 0;
    g.SetupDialogOpen = 0;
    if (g.NoTitleBar == 1)
        host.SetCaptionBit(false);

    // 14-21
    if (g.RAS == 1)
        ctx.Parts.Setup.ConnectRasEvents();
    ctx.Parts.Menu.AddSystemMenuItems();
    // Without the timer (0, or a negative value from a hand-edited file) the
    // lamps are updated on demand only.
    if (g.TimerInterval <= 0)
        ctx.Parts.Menu.SetUpdateNowItem(true);
    if (g.InitModem == 1 && !g.ModemInitString.empty())
        host.InitModem();
    monitor::ClearSignalMemory(g);
    host.SetPollTimer(PollPeriodMs(g.TimerInterval));
    g.ConnectStart = sc.Clock.Now();
    BuildGdiFonts(g, sc.Fonts);

    // 22: the logo
    g.ShowLogoAtStartup = ReadShowLogo(sc.Profile);
    if (g.ShowLogoAtStartup == 1)
        host.ShowLogo();

    // 24: a software modem has no registers to read and no VxD to hook
    if (g.WinModem == 1) {
        g.DUNRegistry = 0;
        g.RNAAPP = 1;
        g.NoDirectHardwareAcesss = 1;
        g.AlternativeMethodForRD = 0;
        g.NoVxd = 1;
    }

    // 25-28: the detection aids
    if (g.OsKind == OsWin9x && g.NoVxd == 0 && !host.OpenHelperVxd())
        Warn(g, ctx.Boxes, monitor::VxdNotFoundText, platform::MbIcon::Warning);
    if (g.OsKind != OsWin9x) {
        const std::string folder = devices::ProgramFolder(program);
        platform::FileInfo info;
        if (ctx.Files.Find(devices::JoinPath(folder, devices::kPortIoDriverFile), info))
            ctx.PortIO.DriverPath = folder;
    }
    if (g.NoDirectHardwareAcesss != 1) {
        ctx.PortIO.OpenDriver();
        if (!ctx.PortIO.ActiveHW())
            Warn(g, ctx.Boxes, g.OsKind != OsWin9x ? monitor::DriverMissingNtText : monitor::DriverMissing9xText,
                 platform::MbIcon::Error);
    }
    if (host.HelperVxdOpen() && !host.HookHelperVxd())
        Warn(g, ctx.Boxes, monitor::VxdHookFailedText, platform::MbIcon::Warning);

    // 29-33
    ctx.Parts.Menu.ConnectApplicationEvents();
    if (g.ShowTrayIcon == 1)
        ctx.Parts.Tray.ShowTrayIcon(g.NewOrientation < 0);
    host.ShowMainWindow();
    if (g.AutoRun == 1)
        Launch(g, g.AutoRunProgram, g.AskFirstAutoRun, FileNamePart(program), ctx.Boxes, ctx.Launcher);
    if (g.DUNRunConnectoid == 1)
        DialUpEntry(g, g.DUNRunConnectoidName, ctx.Launcher);

    // 34-35
    g.ConnectionState = TConnectionState{};
    g.ScheduledDisconnectActive = 0;
    g.ScheduledDisconnectTime = 0;
    if (g.OsKind == OsWin9x)
        FindDialUpHelpers(g, sc.System.SystemDirectory(), ctx.Files);

    // The logo and the boxes above dispatch messages: a tick run among them
    // would see the line before the detection aids are open and before the
    // engine is cleared, so the timer ticks only from here on.
    host.StartPollTimer();
    return true;
}
