// Switching the monitored port: save the old port's section, read the new.
#pragma once

#include "settings/settings_file.h"
#include "monitor/window_parts.h"
#include "platform/helper_vxd.h"
#include "platform/serial.h"

// What the switch asks of the main window and the engine.
class SwitchPortHost {
public:
    virtual ~SwitchPortHost() = default;
    virtual void MainWindowPosition(int32_t& left, int32_t& top) = 0;
    virtual void ClearSignalMemory() = 0;
    // 0 stops the poll timer.
    virtual void SetPollTimer(uint32_t periodMs) = 0;
    // Moves the main window without activating it (the layout decides the
    // height) and shows it normally.
    virtual void MoveMainWindow(int32_t left, int32_t top, int32_t width) = 0;
    virtual void ClearInactivityTimers() = 0;
    virtual void Repaint() = 0;
};

struct SwitchPortContext {
    SettingsContext& Settings;
    platform::HelperVxd& Vxd;
    platform::SerialPorts& Ports;
    platform::MessageBoxes& Boxes;
    SwitchPortHost& Host;
    MainWindowParts& Parts;
};

// Switches to port n (1-8). False when the switch was abandoned: the port
// cannot be opened on Windows 95/98/ME, or the old section could not be
// saved (the user has been told).
bool SwitchPort(TGVar& g, int32_t n, SwitchPortContext& ctx);
