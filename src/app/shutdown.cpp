#include "app/shutdown.h"

#include "app/settings_dialog_open.h"

#include "settings/connect_time.h"
#include "settings/modal_box.h"

bool CloseNeedsQuestion(const TGVar& g)
{
    if (g.WarnWhenExiting != 0 || !g.ModemSignals.CD)
        return false;
    const bool disconnectArmed =
        g.ScheduledDisconnectActive == 1 || g.AutoTimedDisconnectActive == 1 || g.DisconnectIfInactive == 1;
    return g.Powerdown == 0 || !disconnectArmed;
}

bool CloseQuery(TGVar& g, platform::MessageBoxes& boxes)
{
    if (!CloseNeedsQuestion(g))
        return true;
    return ShowModalBox(g, boxes, StillConnectedText, platform::MbButtons::YesNo, platform::MbIcon::Warning) ==
           platform::MbResult::Yes;
}

void ShutDown(TGVar& g, AppContext& ctx, bool endingSession)
{
    WindowHost& host = ctx.Host;
    if (g.ClosingState != 0)
        return;
    CancelSettingsDialog(g, ctx);
    if (g.RAS == 1)
        host.CloseRasConnection(endingSession);
    host.SetPollTimer(0);
    g.SetupActivePage = ctx.Parts.Setup.ActivePage(g.SetupActivePage);
    if (g.ClosingState != 0) // closed meanwhile, from inside the RAS question
        return;
    g.ClosingState = -1;
    host.LogPendingCall();

    if (g.ModemSignals.CD)
        g.TotalConnectNew += SessionConnectTime(g, ctx.Settings.Clock.Now());

    host.CloseHelperVxd();
    host.UnloadHelperLibrary();
    if (ctx.PortIO.ActiveHW())
        ctx.PortIO.CloseDriver();
    if (g.Title == 1 || g.Title == 2)
        ctx.Parts.TitleStrip.RedrawForegroundCaption();

    host.MainWindowPosition(g.WindowPositionX, g.WindowPositionY);
    int32_t left = g.ThroughputWindowPositionX, top = g.ThroughputWindowPositionY;
    int32_t width = static_cast<int32_t>(g.TWindowSizeX), height = static_cast<int32_t>(g.TWindowSizeY);
    ctx.Parts.Graph.GraphWindowRect(left, top, width, height);
    g.ThroughputWindowPositionX = left;
    g.ThroughputWindowPositionY = top;
    g.TWindowSizeX = static_cast<uint32_t>(width < 0 ? 0 : width);
    g.TWindowSizeY = static_cast<uint32_t>(height < 0 ? 0 : height);

    SaveSettingsAtExit(g, ctx.Settings.Profile, ctx.Boxes);
    host.FreeGdiObjects();
    g.ClosingState = 1;
}
