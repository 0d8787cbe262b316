// The close query and the shut-down of the main window.
#pragma once

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

// What shut-down asks of the main window and the components it owns.
class ShutdownHost {
public:
    virtual ~ShutdownHost() = default;
    // The RAS connection: asks, hangs up or releases it (endingSession:
    // Windows is shutting down, so nobody is asked).
    virtual void CloseRasConnection(bool endingSession) = 0;
    virtual void StopPollTimer() = 0;
    // The call still counted (its ringing stopped less than 10 s ago) is logged.
    virtual void LogPendingCall() = 0;
    virtual void CloseHelperVxd() = 0;
    virtual void UnloadHelperLibrary() = 0;
    virtual void MainWindowPosition(int32_t& left, int32_t& top) = 0;
    virtual void FreeGdiObjects() = 0; // displays' objects, fonts, memory DC, help, process handles
    // The settings dialog, when it shows, is cancelled: its changes taken
    // back before the settings are saved.
    virtual void CancelSettingsDialog() = 0;
};

struct ShutdownContext {
    SettingsContext& Settings;
    platform::MessageBoxes& Boxes;
    devices::TDLPortIO& PortIO;
    ShutdownHost& Host;
    MainWindowParts& Parts;
};

// Shut-down. Runs from the close query and again from the close event (and
// from Windows' end of session); only the first run does the work, so the
// connect time is added and the file written once.
void ShutDown(TGVar& g, ShutdownContext& ctx, bool endingSession = false);
