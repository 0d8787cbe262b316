// The main window's rules that are not painting: minimising and restoring
// (with and without the tray), the caption switch and the setting-change
// rule. The window itself is reached through WindowHost and the parts.
#pragma once

#include <cstdint>

#include "settings/settings.h"
#include "monitor/window_parts.h"
#include "platform/system_metrics.h"

// What the rules ask of the main window beyond its parts.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    // Hides the application into the tray (the tray's HideApplication).
    virtual void HideApplication() = 0;
    // Activates the tray icon and updates it at once, or removes it.
    virtual void SetTrayIconActive(bool active) = 0;
    // Sets (shown) or clears WS_BORDER, which with WS_DLGFRAME makes the caption.
    virtual void SetCaptionBit(bool shown) = 0;
    // The window height the lamp display computed at its last paint.
    virtual int32_t DisplayHeight() = 0;
    // New outer size; the window is neither moved, re-ordered nor activated.
    virtual void ResizeMainWindow(int32_t width, int32_t height) = 0;
};

struct WindowContext {
    WindowHost& Host;
    MainWindowParts& Parts;
    platform::SystemMetrics& Metrics;
};

// The layout's sign records a minimised window; the absolute value is the
// layout. Safe for every int32_t.
int32_t MinimisedLayout(int32_t layout);
int32_t RestoredLayout(int32_t layout);

enum class WindowBorder : uint8_t { None, Single, Sizeable };
// The frame a layout gives the main window: the two small layouts have a
// fixed size, the others can be sized.
WindowBorder LayoutBorder(int32_t layout);

// "&Minimize", the M key and the application's minimise event.
void Minimise(TGVar& g, WindowContext& ctx);
// The application's restore event.
void Restore(TGVar& g, WindowContext& ctx);
// A double click on the tray icon: restore, and back from the tray.
void RestoreFromTray(TGVar& g, WindowContext& ctx);
// At a paint: activity brings a window hidden in the tray back
// ("AutoMaximize"), unless a box or the settings dialog is open.
void AutoRestore(TGVar& g, WindowContext& ctx, bool hiddenInTray);

// "Blinkery in the System Tray" and the popup item "&In the System Tray":
// "ShowTrayIcon" set, the icon activated and updated at once, or removed
// with the application brought back from the tray and the layout without
// its minimised sign; the display is redrawn either way.
void SetTrayIconShown(TGVar& g, WindowContext& ctx, bool shown);

// Adds or removes the caption according to "No Title Bar" and resizes the
// window to match.
void ApplyCaptionSwitch(TGVar& g, WindowContext& ctx);

// WM_SETTINGCHANGE / WM_WININICHANGE, after the standard handling.
void SettingChanged(TGVar& g);
