// The main window's features as parts: the tray icon, the popup menu and
// keys, the settings dialog, the throughput graph and the title-bar strip.
// Start-up, shut-down, the paint, the port switch and the engine reach each
// feature through its part; every method does nothing until the feature
// exists, so a new feature lands as one class and one member of the bundle.
#pragma once

#include <cstdint>
#include <string>

// The tray icon (and the application's hiding into the tray).
class TrayPart {
public:
    virtual ~TrayPart() = default;
    virtual void LoadTrayIcons() {}
    // Start-up with "ShowTrayIcon" 1: activates the icon and hides the
    // application into the tray (minimised layout) or brings it back.
    virtual void ShowTrayIcon(bool /*hideApplication*/) {}
    // The icon and its tip after each paint.
    virtual void UpdateTrayIcon() {}
    virtual bool TrayIconShown() { return false; }
    // Brings the application back from the tray.
    virtual void ShowFromTray() {}
};

// The popup menu, the keys, the system menu and the window's minimise,
// restore and on-top behaviour.
class MenuPart {
public:
    virtual ~MenuPart() = default;
    virtual void AddSystemMenuItems() {}
    // Removes "Update Lamps &Now!" and adds it again when present is true.
    virtual void SetUpdateNowItem(bool /*present*/) {}
    virtual void EnableMinimiseItem(bool /*enabled*/) {}
    virtual void MinimiseApplication() {}
    // Routes the application's minimise and restore to the window.
    virtual void ConnectApplicationEvents() {}
    // At a paint: the first-run request, a minimised start, minimising
    // again while minimised.
    virtual void MinimisedDuties() {}
    // Restores the window on activity while minimised ("AutoMaximize").
    virtual void AutoRestore() {}
    // The automatic on-top flag of "OnTop" = 2.
    virtual bool OnTopActive() { return false; }
    // Hides the application's task-bar button where the settings ask.
    virtual void HideTaskbarButton() {}
};

// The settings dialog.
class SetupPart {
public:
    virtual ~SetupPart() = default;
    // Connects the RAS component's state event to the connections page.
    virtual void ConnectRasEvents() {}
    // The dialog's current page ("SetupActivePage" at shut-down).
    virtual int32_t ActivePage(int32_t stored) { return stored; }
    // The connections page shows the RAS state anew.
    virtual void SetupStateChanged() {}
    // The dialog reloads every control.
    virtual void SetupChangeForm() {}
    // The total connect time label.
    virtual void SetConnectTimeLabel(const std::string&) {}
    virtual void RefreshInformationPage() {}
    // Shut-down's hang-up: the connections page's "Hang-up NOW!".
    virtual void RasHangUp() {}
    // A close of the main window while the connections page waits for a
    // dial: the dial is aborted and the close comes again once the page's
    // handler has ended. True when the close is put off so.
    virtual bool PutOffClose() { return false; }
};

// The throughput graph, in its own window or inside the display.
class GraphPart {
public:
    virtual ~GraphPart() = default;
    // Empties the graph's samples.
    virtual void ClearThroughputHistory() {}
    // Sets `GraphMode` and the throughput timer; shows or hides the window.
    virtual void ThroughputMode() {}
    // Hides the graph's own window (minimise, the settings dialog closing);
    // a later ThroughputMode shows it again when its mode wants it.
    virtual void HideGraphWindow() {}
    // The graph inside the display; it may change the display height and
    // "WindowSizeY". True when its picture or its place differ from the
    // last call's, so the display must show it again.
    virtual bool DrawThroughputInDisplay(int& /*displayHeight*/) { return false; }
    // Invalidates the graph window's client area without erasing.
    virtual void InvalidateGraphWindow() {}
    // The graph window's place and size; unchanged while there is none.
    virtual void GraphWindowRect(int32_t& /*left*/, int32_t& /*top*/, int32_t& /*width*/, int32_t& /*height*/) {}
};

// The lamp strip drawn into the active window's title bar.
class TitleStripPart {
public:
    virtual ~TitleStripPart() = default;
    virtual void DrawTitleBarDisplay() {}
    // Lets the outermost window of the foreground window redraw its caption
    // (WM_NCACTIVATE, active), which wipes what was drawn into it.
    virtual void RedrawForegroundCaption() {}
};

struct MainWindowParts {
    TrayPart& Tray;
    MenuPart& Menu;
    SetupPart& Setup;
    GraphPart& Graph;
    TitleStripPart& TitleStrip;
};

// A bundle of do-nothing parts, for tests and tools that need one.
struct NoWindowParts {
    TrayPart Tray;
    MenuPart Menu;
    SetupPart Setup;
    GraphPart Graph;
    TitleStripPart TitleStrip;
    MainWindowParts Parts{Tray, Menu, Setup, Graph, TitleStrip};
};
