#include "app/main_menu.h"

#include "monitor/connection_state.h"

namespace {

using enum MenuCommand;

constexpr PopupMenuItem Items[] = {
    {"&Setup", Setup, false, true},
    {"&In the System Tray", InTheSystemTray, false, false},
    {"Toggle Titlebar &On/Off", ToggleTitlebar, false, false},
    {"&Reset Session Connect Time", ResetSessionConnectTime, false, false},
    {"&Reset Total Connect Time", ResetTotalConnectTime, false, false},
    {"Hang-up &NOW!", HangUpNow, false, false},
    {"&Minimize", Minimize, false, false},
    {"&Throughput Display", ThroughputDisplay, true, false},
    {"RAS &Dialer", RasDialer, true, false},
    {"&About", About, true, false},
    {"&Help", Help, false, false},
    {"E&xit", Exit, false, false},
};

} // namespace

std::span<const PopupMenuItem> PopupMenuItems()
{
    return Items;
}

PopupItemState PopupItemStateOf(const TGVar& g, MenuCommand command)
{
    PopupItemState state;
    switch (command) {
    case InTheSystemTray:
        state.Checked = g.ShowTrayIcon == 1;
        break;
    case ResetSessionConnectTime:
        state.Enabled = g.ModemSignals.CD;
        break;
    case Minimize:
        state.Enabled = g.NewOrientation >= 0;
        break;
    case ThroughputDisplay:
        state.Checked = g.Throughput != 0;
        break;
    case RasDialer:
        state.Visible = g.OsKind != OsWin9x;
        break;
    default:
        break;
    }
    return state;
}

std::optional<MenuCommand> KeyCommand(const TGVar& g, uint32_t character)
{
    if (character >= 'a' && character <= 'z')
        character -= 'a' - 'A';
    switch (character) {
    case 'A': return About;
    case 'D': return g.OsKind == OsWin9x ? std::nullopt : std::optional(RasDialer);
    case 'H': return Help;
    case 'M': return Minimize;
    case 'N': return HangUpNow;
    case 'O': return ToggleTitlebar;
    case 'R': return ResetSessionConnectTime;
    case 'S': return Setup;
    case 'T': return ThroughputDisplay;
    case 'X': return Exit;
    default: return std::nullopt;
    }
}

std::optional<MenuCommand> SystemMenuCommand(uint32_t id)
{
    switch (id) {
    case 300: return UpdateLampsNow;
    case 301: return SetupFromSystemMenu;
    case 302: return Help;
    case 303: return About;
    default: return std::nullopt;
    }
}

void RunMenuCommand(TGVar& g, MenuCommand command, AppContext& ctx)
{
    AppContext& window = ctx;
    switch (command) {
    case Setup:
        if (!g.SetupDialogOpen)
            OpenSettingsDialog(g, ctx);
        break;
    case SetupFromSystemMenu:
        OpenSettingsDialog(g, ctx);
        break;
    case InTheSystemTray:
        // The same as a click on "Blinkery in the System Tray"; an open
        // settings dialog shows the new state.
        SetTrayIconShown(g, window, g.ShowTrayIcon != 1);
        if (g.SetupDialogOpen)
            window.Parts.Setup.SetupChangeForm();
        break;
    case ToggleTitlebar:
        g.NoTitleBar = g.NoTitleBar == 1 ? 0 : 1;
        ApplyCaptionSwitch(g, window);
        break;
    case ResetSessionConnectTime:
        monitor::ResetSessionConnectTime(g, ctx.Settings.Clock.Now());
        break;
    case ResetTotalConnectTime:
        monitor::ResetTotalConnectTime(g, ctx.Settings.Clock.Now());
        break;
    case HangUpNow:
        ctx.Inactivity.HangUpNow();
        break;
    case Minimize:
        Minimise(g, window);
        break;
    case ThroughputDisplay:
        // "Always" (1) becomes "while connected" (2), as an unchecked item does.
        g.Throughput = g.Throughput == 2 ? 0 : 2;
        g.RepaintRequested = true;
        break;
    case RasDialer:
        OpenRasDialer(g, ctx);
        break;
    case About:
        OpenAboutPage(g, ctx);
        break;
    case Help:
        ctx.Host.ShowHelpTopic(MainWindowHelpTopic);
        break;
    case Exit:
        ctx.Host.CloseMainWindow();
        break;
    case UpdateLampsNow:
        ctx.Host.UpdateLampsNow();
        break;
    }
}
