// What the window's sequences (start-up, shut-down, the window rules, the
// settings dialog's opening, the port switch and the menu commands) ask of
// the main window, each request once, and the one context they all take.
// Every request does nothing by default, so a test's window answers only
// what it watches.
#pragma once

#include <cstdint>
#include <string>

#include "app/settings_snapshot.h"
#include "devices/port_io.h"
#include "monitor/poll_parts.h"
#include "monitor/window_parts.h"
#include "platform/file_info.h"
#include "platform/helper_vxd.h"
#include "platform/launcher.h"
#include "platform/serial.h"
#include "platform/system_metrics.h"
#include "settings/settings_file.h"

enum class WindowBorder : uint8_t { None, Single, Sizeable };

enum class SetupPage : uint8_t {
    Start, // "Start here!"
    About,
    Ras,   // the RAS page with its entry in the page tree
};

class WindowHost {
public:
    virtual ~WindowHost() = default;

    // --- The frame
    virtual void SetCaption(const std::string&) {}
    // sizeable: a sizeable border (layouts 3-5), else a single one.
    virtual void PlaceWindow(bool /*sizeable*/, int32_t /*left*/, int32_t /*top*/, int32_t /*width*/,
                             int32_t /*height*/) {}
    // Moves the window without activating it (a width of 0 keeps the present
    // one; the layout decides the height) and shows it normally.
    virtual void MoveMainWindow(int32_t /*left*/, int32_t /*top*/, int32_t /*width*/) {}
    // New outer size; the window is neither moved, re-ordered nor activated.
    virtual void ResizeMainWindow(int32_t /*width*/, int32_t /*height*/) {}
    // The last place on the screen where it was neither minimised nor maximised.
    virtual void MainWindowPosition(int32_t& /*left*/, int32_t& /*top*/) {}
    virtual void SetBorder(WindowBorder) {}
    // Sets (shown) or clears WS_BORDER, which with WS_DLGFRAME makes the caption.
    virtual void SetCaptionBit(bool /*shown*/) {}
    virtual void ShowMainWindow() {}
    // Invalidates the client area without erasing.
    virtual void InvalidateMainWindow() {}
    // The next paint is followed by one more.
    virtual void RepaintTwice() {}
    // The window height the lamp display computed at its last paint.
    virtual int32_t DisplayHeight() { return 0; }
    // Closes the window through its close query; false when it stays open.
    virtual bool CloseMainWindow() { return false; }

    // --- The poll timer
    // The period; 0 stops the timer. Before start-up has finished it is
    // only noted.
    virtual void SetPollTimer(uint32_t /*periodMs*/) {}
    // Start-up has finished: the timer runs with its period.
    virtual void StartPollTimer() {}
    // Runs one poll cycle at once.
    virtual void UpdateLampsNow() {}

    // --- The engine's components
    virtual void InitModem() {}
    virtual bool OpenHelperVxd() { return false; } // false when the VxD cannot be opened
    virtual bool HelperVxdOpen() { return false; }
    virtual bool HookHelperVxd() { return false; }
    virtual void CloseHelperVxd() {}
    // The helper VxD and the port I/O driver brought in line with "NoVxd"
    // and "No Direct Hardware Acesss", without a box.
    virtual void FollowDetectionAids() {}
    // The call still counted (its ringing stopped less than 10 s ago) is logged.
    virtual void LogPendingCall() {}
    virtual void UnloadHelperLibrary() {}
    // The RAS connection: asks, hangs up or releases it (endingSession:
    // Windows is shutting down, so nobody is asked).
    virtual void CloseRasConnection(bool /*endingSession*/) {}
    virtual void CreateMemoryDc() {}
    virtual void FreeGdiObjects() {} // displays' objects, fonts, memory DC, help, process handles
    virtual void ShowLogo() {}       // the logo window, its sound, 3000 ms

    // --- The tray, the settings dialog and help
    // Hides the application into the tray (the tray's HideApplication).
    virtual void HideApplication() {}
    // Activates the tray icon and updates it at once, or removes it.
    virtual void SetTrayIconActive(bool /*active*/) {}
    // Shows the dialog modally through the tray's ShowModalForm; true for OK.
    virtual bool ShowSettingsDialog() { return false; }
    // A visible dialog comes to the front (from the tray too).
    virtual void BringSettingsDialogToFront() {}
    // The dialog shows this page (and selects its tree entry).
    virtual void SelectSetupPage(SetupPage) {}
    virtual void StartAboutTimer() {}
    virtual void StopAboutTimer() {}
    // Ends the dialog's own message loop as its Cancel button does.
    virtual void EndSettingsDialog() {}
    // WinHelp with a numbered topic of the help file.
    virtual void ShowHelpTopic(int32_t) {}
};

// The window's sequences run on this: the settings' services, the
// components the main window owns, the window and its parts.
struct AppContext {
    SettingsContext& Settings; // the profile, the system, the clock, the fonts
    platform::MessageBoxes& Boxes;
    platform::FileQuery& Files;
    platform::ProcessLauncher& Launcher;
    platform::SerialPorts& Ports;
    platform::HelperVxd& Vxd;
    platform::SystemMetrics& Metrics;
    devices::TDLPortIO& PortIO;
    monitor::InactivityRules& Inactivity;
    WindowHost& Host;
    MainWindowParts& Parts;
    SettingsSnapshot Snapshot{}; // held while the settings dialog shows
};
