// Opening the settings dialog: the routine behind "&Setup", "&Setup...",
// the first-run request, "&About" and "RAS &Dialer", with the snapshot that
// Cancel restores; and the main window's duties at each paint.
#pragma once

#include <cstdint>

#include "app/window_host.h"
#include "settings/settings.h"
#include "settings/settings_file.h"
#include "app/settings_snapshot.h"
#include "app/window_rules.h"

// Shows the dialog and, on Cancel, takes the settings back. A dialog that
// is already open only comes to the front.
void OpenSettingsDialog(TGVar& g, AppContext& ctx);

// The program ends while the dialog shows: the dialog's changes are taken
// back as its Cancel would, before anything is saved, and the dialog ends.
// Nothing when the dialog is not open.
void CancelSettingsDialog(TGVar& g, AppContext& ctx);

// "&About" and system command 303.
void OpenAboutPage(TGVar& g, AppContext& ctx);

// "RAS &Dialer" and the D key; nothing on Windows 95/98/ME.
void OpenRasDialer(TGVar& g, AppContext& ctx);

// At each paint, before anything is drawn: the first-run request opens the
// dialog, a start with SW_SHOWMINNOACTIVE minimises, and a minimised
// window is minimised again unless a box or the dialog is open.
void MinimisedDuties(TGVar& g, AppContext& ctx);
// Whether MinimisedDuties has anything to do: the window asks only then, so
// a paint does not cost a posted message.
bool MinimisedDutiesDue(const TGVar& g);
