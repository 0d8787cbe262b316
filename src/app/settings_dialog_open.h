// Opening the settings dialog: the routine behind "&Setup", "&Setup...",
// the first-run request, "&About" and "RAS &Dialer", with the snapshot that
// Cancel restores; and the main window's duties at each paint.
#pragma once

#include <cstdint>

#include "settings/settings.h"
#include "settings/settings_file.h"
#include "app/settings_snapshot.h"
#include "app/window_rules.h"

enum class SetupPage : uint8_t {
    Start, // "Start here!"
    About,
    Ras,   // the RAS page with its entry in the page tree
};

// What opening the dialog asks of the main window and the dialog.
class SettingsDialogHost {
public:
    virtual ~SettingsDialogHost() = default;
    // Shows the dialog modally through the tray's ShowModalForm; true for OK.
    virtual bool ShowSettingsDialog() = 0;
    // A visible dialog comes to the front (from the tray too).
    virtual void BringSettingsDialogToFront() = 0;
    // The dialog shows this page (and selects its tree entry).
    virtual void SelectSetupPage(SetupPage page) = 0;
    // The about page's animation timer.
    virtual void StartAboutTimer() = 0;
    virtual void StopAboutTimer() = 0;
    // The main window's border style.
    virtual void SetBorder(WindowBorder border) = 0;
    // The next paint of the main window is followed by one more.
    virtual void RepaintTwice() = 0;
    // Invalidates the main window's client area without erasing.
    virtual void InvalidateMainWindow() = 0;
    // The poll timer's period; 0 stops it.
    virtual void SetPollTimer(uint32_t periodMs) = 0;
    // The helper VxD and the port I/O driver brought in line with "NoVxd"
    // and "No Direct Hardware Acesss", without a box.
    virtual void FollowDetectionAids() = 0;
    // Ends the dialog's own message loop as its Cancel button does.
    virtual void EndSettingsDialog() = 0;
};

struct SettingsDialogContext {
    SettingsDialogHost& Host;
    WindowContext& Window;
    SettingsContext& Settings; // the profile for the snapshot, the fonts to rebuild
    SettingsSnapshot Snapshot{}; // held while the dialog shows
};

// Shows the dialog and, on Cancel, takes the settings back. A dialog that
// is already open only comes to the front.
void OpenSettingsDialog(TGVar& g, SettingsDialogContext& ctx);

// The program ends while the dialog shows: the dialog's changes are taken
// back as its Cancel would, before anything is saved, and the dialog ends.
// Nothing when the dialog is not open.
void CancelSettingsDialog(TGVar& g, SettingsDialogContext& ctx);

// "&About" and system command 303.
void OpenAboutPage(TGVar& g, SettingsDialogContext& ctx);

// "RAS &Dialer" and the D key; nothing on Windows 95/98/ME.
void OpenRasDialer(TGVar& g, SettingsDialogContext& ctx);

// At each paint, before anything is drawn: the first-run request opens the
// dialog, a start with SW_SHOWMINNOACTIVE minimises, and a minimised
// window is minimised again unless a box or the dialog is open.
void MinimisedDuties(TGVar& g, SettingsDialogContext& ctx);
