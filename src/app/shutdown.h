// The close query and the shut-down of the main window.
#pragma once

#include "app/window_host.h"
#include "settings/settings_file.h"
#include "monitor/window_parts.h"
#include "devices/port_io.h"

inline constexpr const char* StillConnectedText = "Still connected! Exit Blinkery anyway?";

// Whether closing must ask first: "Warn when Exiting" is 0, a connection
// is up, and no automatic disconnection would power the computer down.
bool CloseNeedsQuestion(const TGVar& g);

// The close query: true when the window may close (after asking when
// needed).
bool CloseQuery(TGVar& g, platform::MessageBoxes& boxes);

// Shut-down. Runs from the close query and again from the close event (and
// from Windows' end of session); only the first run does the work, so the
// connect time is added and the file written once.
void ShutDown(TGVar& g, AppContext& ctx, bool endingSession = false);
