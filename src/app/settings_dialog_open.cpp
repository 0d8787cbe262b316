#include "app/settings_dialog_open.h"

#include "settings/fonts.h"
#include "settings/poll_period.h"
#include "settings/settings_keys.h"
#include "app/settings_snapshot.h"

namespace {

void TakeBackSettings(TGVar& g, AppContext& ctx)
{
    if (!ctx.Snapshot.Held())
        return;
    const int32_t trayBefore = g.ShowTrayIcon;
    const int32_t timerBefore = g.TimerInterval;
    const int32_t noVxdBefore = g.NoVxd;
    const int32_t portAccessBefore = g.NoDirectHardwareAcesss;

    ctx.Snapshot.Restore(g, ctx.Settings.Profile, ctx.Settings.Clock.Now());
    ApplyLayoutBorder(g, ctx.Host, g.NewOrientation);

    g.ReloadPictures = true;
    // The title strip's layout, look and colours may have been taken back too.
    g.ReloadTitlePictures = true;
    ctx.Host.RepaintTwice();
    BuildGdiFonts(g, ctx.Settings.Fonts);

    // The dialog applies these at once when they change; taking the value
    // back must take its effect back as well.
    if (g.TimerInterval != timerBefore)
        ctx.Host.SetPollTimer(PollPeriodMs(g.TimerInterval));
    if ((g.ShowTrayIcon == 1) != (trayBefore == 1))
        ctx.Host.SetTrayIconActive(g.ShowTrayIcon == 1);
    if (g.NoVxd != noVxdBefore || g.NoDirectHardwareAcesss != portAccessBefore)
        ctx.Host.FollowDetectionAids();
}

} // namespace

void OpenSettingsDialog(TGVar& g, AppContext& ctx)
{
    // A second run while the dialog shows would take a new snapshot over
    // the one Cancel needs.
    if (g.SetupDialogOpen) {
        ctx.Host.BringSettingsDialogToFront();
        return;
    }

    // 1.
    if (g.FirstRunRequest) {
        g.FirstRunRequest = 0;
        ctx.Host.SelectSetupPage(SetupPage::Start);
    }

    // 2. The caption is shown while the dialog is open.
    g.RealNoTitleBar = g.NoTitleBar;
    if (g.NoTitleBar == 1) {
        g.NoTitleBar = 0;
        ApplyCaptionSwitch(g, ctx);
    }

    // 3-4.
    const bool wasMinimised = g.NewOrientation < 0;
    g.NewOrientation = RestoredLayout(g.NewOrientation);
    const int32_t port = g.Port;
    ctx.Snapshot.Take(g);

    // 5-7.
    ctx.Host.StartAboutTimer();
    g.SetupDialogOpen = 1;
    const bool ok = ctx.Host.ShowSettingsDialog();
    ctx.Host.StopAboutTimer();

    // 8. (A shut-down while the dialog showed has taken them back already.)
    // What the dialog leaves is held to the ranges the file is read with.
    if (!ok)
        TakeBackSettings(g, ctx);
    HoldToRanges(g);
    ctx.Snapshot = SettingsSnapshot{};
    if (g.ClosingState != 0) {
        g.SetupDialogOpen = 0;
        return;
    }

    // 9.
    if (g.Port == port && wasMinimised)
        g.NewOrientation = MinimisedLayout(g.NewOrientation);
    else
        g.NewOrientation = RestoredLayout(g.NewOrientation);
    if (g.NewOrientation < 0 && g.ShowTrayIcon == 1)
        ctx.Host.HideApplication();

    // 10.
    ctx.Parts.Menu.SetUpdateNowItem(g.TimerInterval <= 0);

    // 11.
    if (g.RealNoTitleBar == 1) {
        g.NoTitleBar = 1;
        ApplyCaptionSwitch(g, ctx);
    }

    // 12-13. The next paint shows the graph window again when it is due.
    ctx.Parts.Graph.HideGraphWindow();
    g.RepaintRequested = true;
    g.SetupDialogOpen = 0;
}

void CancelSettingsDialog(TGVar& g, AppContext& ctx)
{
    if (!ctx.Snapshot.Held()) // held only while the dialog shows
        return;
    TakeBackSettings(g, ctx);
    ctx.Host.EndSettingsDialog();
}

void OpenAboutPage(TGVar& g, AppContext& ctx)
{
    // A box of the tick may be open underneath: leave its flag as it was.
    const int32_t wasModal = g.ModalActive;
    g.ModalActive = 1;
    ctx.Host.SelectSetupPage(SetupPage::About);
    OpenSettingsDialog(g, ctx);
    ctx.Host.InvalidateMainWindow();
    ctx.Parts.Menu.SetUpdateNowItem(g.TimerInterval <= 0);
    g.RepaintRequested = true;
    g.ModalActive = wasModal;
}

void OpenRasDialer(TGVar& g, AppContext& ctx)
{
    if (g.OsKind == OsWin9x)
        return;
    if (g.SetupDialogOpen) {
        ctx.Host.SelectSetupPage(SetupPage::Ras);
        return;
    }
    g.RasPageRequest = 1;
    OpenSettingsDialog(g, ctx);
}

bool MinimisedDutiesDue(const TGVar& g)
{
    return g.FirstRunRequest || g.MinimisedStart || (g.NewOrientation < 0 && !g.ModalActive && !g.SetupDialogOpen);
}

void MinimisedDuties(TGVar& g, AppContext& ctx)
{
    if (g.FirstRunRequest)
        OpenSettingsDialog(g, ctx);
    if (g.MinimisedStart)
        Minimise(g, ctx);
    else if (g.NewOrientation < 0 && !g.ModalActive && !g.SetupDialogOpen)
        ctx.Parts.Menu.MinimiseApplication();
}
