#include "app/window_rules.h"

#include <limits>

int32_t MinimisedLayout(int32_t layout)
{
    return layout > 0 ? -layout : layout;
}

int32_t RestoredLayout(int32_t layout)
{
    if (layout == std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::max();
    return layout < 0 ? -layout : layout;
}

WindowBorder LayoutBorder(int32_t layout)
{
    return RestoredLayout(layout) <= 2 ? WindowBorder::Single : WindowBorder::Sizeable;
}

void ApplyLayoutBorder(const TGVar& g, WindowHost& host, int32_t layout)
{
    if (g.OsKind == OsWin9x)
        host.SetBorder(WindowBorder::None);
    host.SetBorder(LayoutBorder(layout));
}

void Minimise(TGVar& g, AppContext& ctx)
{
    g.NewOrientation = MinimisedLayout(g.NewOrientation);
    ctx.Parts.Menu.MinimiseApplication();
    ctx.Parts.Menu.EnableMinimiseItem(false);
    if (g.ShowTrayIcon == 1)
        ctx.Host.HideApplication();
    g.RepaintRequested = true;
    ctx.Parts.Graph.HideGraphWindow();
    // A start with SW_SHOWMINNOACTIVE has now been carried out.
    g.MinimisedStart = false;
}

void Restore(TGVar& g, AppContext& ctx)
{
    g.NewOrientation = RestoredLayout(g.NewOrientation);
    ctx.Parts.Menu.EnableMinimiseItem(true);
    g.ReloadPictures = true;
}

void RestoreFromTray(TGVar& g, AppContext& ctx)
{
    Restore(g, ctx);
    ctx.Parts.Tray.ShowFromTray();
}

void AutoRestore(TGVar& g, AppContext& ctx, bool hiddenInTray)
{
    if (g.ActivityRestore && hiddenInTray && !g.ModalActive && !g.SetupDialogOpen)
        RestoreFromTray(g, ctx);
}

void SetTrayIconShown(TGVar& g, AppContext& ctx, bool shown)
{
    g.ShowTrayIcon = shown ? 1 : 0;
    ctx.Host.SetTrayIconActive(shown);
    if (!shown) {
        ctx.Parts.Tray.ShowFromTray();
        g.NewOrientation = RestoredLayout(g.NewOrientation);
    }
    g.RepaintRequested = true;
    g.ReloadPictures = true;
}

void ApplyCaptionSwitch(TGVar& g, AppContext& ctx)
{
    const bool noCaption = g.NoTitleBar == 1;
    ctx.Host.SetCaptionBit(!noCaption);
    // The height the display computed still holds the caption; without it
    // the window loses the caption's height. With the graph inside the
    // display the window keeps "WindowSizeY", as the paint does.
    int32_t height = ctx.Host.DisplayHeight();
    if (noCaption)
        height -= ctx.Metrics.Get(platform::Metric::CySize) + 1;
    ctx.Host.ResizeMainWindow(g.WindowSizeX, g.GraphMode == 2 ? g.WindowSizeY : height);
    g.RepaintRequested = true;
    g.ReloadPictures = true;
}

void SettingChanged(TGVar& g)
{
    g.ReloadPictures = true;
    g.RepaintRequested = true;
}
