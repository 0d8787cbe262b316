// The main window's rules that are not painting: minimising and restoring
// (with and without the tray), the caption switch and the setting-change
// rule. The window itself is reached through WindowHost and the parts.
#pragma once

#include <cstdint>

#include "app/window_host.h"
#include "settings/settings.h"
#include "monitor/window_parts.h"
#include "platform/system_metrics.h"

// The layout's sign records a minimised window; the absolute value is the
// layout. Safe for every int32_t.
int32_t MinimisedLayout(int32_t layout);
int32_t RestoredLayout(int32_t layout);

// The frame a layout gives the main window: the two small layouts have a
// fixed size, the others can be sized.
WindowBorder LayoutBorder(int32_t layout);
// The main window takes the border of the layout; on Windows 95/98/ME by
// way of no border first.
void ApplyLayoutBorder(const TGVar& g, WindowHost& host, int32_t layout);

// "&Minimize", the M key and the application's minimise event.
void Minimise(TGVar& g, AppContext& ctx);
// The application's restore event.
void Restore(TGVar& g, AppContext& ctx);
// A double click on the tray icon: restore, and back from the tray.
void RestoreFromTray(TGVar& g, AppContext& ctx);
// At a paint: activity brings a window hidden in the tray back
// ("AutoMaximize"), unless a box or the settings dialog is open.
void AutoRestore(TGVar& g, AppContext& ctx, bool hiddenInTray);

// "Blinkery in the System Tray" and the popup item "&In the System Tray":
// "ShowTrayIcon" set, the icon activated and updated at once, or removed
// with the application brought back from the tray and the layout without
// its minimised sign; the display is redrawn either way.
void SetTrayIconShown(TGVar& g, AppContext& ctx, bool shown);

// Adds or removes the caption according to "No Title Bar" and resizes the
// window to match.
void ApplyCaptionSwitch(TGVar& g, AppContext& ctx);

// WM_SETTINGCHANGE / WM_WININICHANGE, after the standard handling.
void SettingChanged(TGVar& g);
