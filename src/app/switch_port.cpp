#include "app/switch_port.h"

#include "settings/fonts.h"
#include "settings/line_settings.h"
#include "settings/poll_period.h"
#include "monitor/poll_cycle.h"

namespace {

// Reads the line settings of COMn through a handle opened for the query
// only; false when the device cannot be opened.
bool QueryPort(TGVar& g, int32_t n, AppContext& ctx)
{
    platform::CommHandle handle = ctx.Ports.OpenForQuery("COM" + std::to_string(n));
    if (handle == 0)
        return false;
    ReadLineSettings(g, handle, ctx.Vxd, ctx.Ports);
    ctx.Ports.Close(handle);
    return true;
}

void SetDisplayRequests(TGVar& g)
{
    g.ReloadPictures = true;
    g.ReloadTitlePictures = true;
    g.DisplayResized = true;
    g.RepaintRequested = true;
}

} // namespace

bool SwitchPort(TGVar& g, int32_t n, AppContext& ctx)
{
    const bool win9x = g.OsKind == OsWin9x;
    if (win9x && g.AutoCheck != 1 && !QueryPort(g, n, ctx))
        return false;

    ctx.Host.MainWindowPosition(g.WindowPositionX, g.WindowPositionY);
    g.NoTitleBar = g.RealNoTitleBar;

    // The old port's configuration must be safe before it is replaced.
    if (!WriteSettings(g, ctx.Settings.Profile)) {
        ReportUnableToWrite(g, ctx.Settings.Profile, ctx.Boxes);
        g.NoTitleBar = 0;
        return false;
    }

    if (n != g.Port) {
        if (ctx.Parts.Tray.TrayIconShown())
            ctx.Parts.Tray.ShowFromTray();
        SetDisplayRequests(g);
        g.Port = n;
        // Fresh font objects, as at start: reading only adds styles, so the
        // old port's bold or italic would otherwise leak into the new one.
        g.DisplayFont = TFont{};
        g.TitleFont = TFont{};
        ReadSettings(g, ctx.Settings);
        g.RealNoTitleBar = g.NoTitleBar;
        g.NoTitleBar = 0;
    }

    if (win9x)
        QueryPort(g, n, ctx);

    monitor::ClearSignalMemory(g);
    ctx.Host.SetPollTimer(PollPeriodMs(g.TimerInterval));
    ctx.Parts.Menu.SetUpdateNowItem(g.TimerInterval <= 0);

    SetDisplayRequests(g);
    ctx.Host.MoveMainWindow(g.WindowPositionX, g.WindowPositionY, g.WindowSizeX);
    if (g.NewOrientation < 0) {
        ctx.Parts.Menu.MinimiseApplication();
        ctx.Parts.Menu.EnableMinimiseItem(false);
    }

    BuildGdiFonts(g, ctx.Settings.Fonts);
    g.ConnectionState.LastActivity = ctx.Settings.Clock.Now();
    ctx.Host.InvalidateMainWindow();
    return true;
}
