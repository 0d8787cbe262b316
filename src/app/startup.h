// Start-up: the main window's creation, from reading the settings to the
// first launches. The sequence and its decisions live here; the window and
// its components are reached through StartupHost.
#pragma once

#include <string>

#include "settings/settings_file.h"
#include "monitor/window_parts.h"
#include "devices/port_io.h"
#include "platform/file_info.h"
#include "platform/launcher.h"
#include "platform/serial.h"

// What start-up asks of the main window and the components it owns; the
// features' steps go to the window's parts.
class StartupHost {
public:
    virtual ~StartupHost() = default;
    virtual void SetCaption(const std::string& caption) = 0;
    // sizeable: a sizeable border (layouts 3-5), else a single one.
    virtual void PlaceWindow(bool sizeable, int32_t left, int32_t top, int32_t width, int32_t height) = 0;
    virtual void CreateMemoryDc() = 0;
    virtual void RemoveCaption() = 0;
    virtual void ClearEngine() = 0;
    virtual void InitModem() = 0;
    virtual void ClearSignalMemory() = 0;
    // The poll period (0: no timer); the timer does not tick yet.
    virtual void SetPollPeriod(uint32_t periodMs) = 0;
    // Arms the poll timer with that period, once start-up has finished.
    virtual void StartPollTimer() = 0;
    virtual void ShowLogo() = 0; // the logo window, its sound, 3000 ms
    virtual bool OpenHelperVxd() = 0;                 // false when the VxD cannot be opened
    virtual bool HelperVxdOpen() = 0;
    virtual bool HookHelperVxd() = 0;
    virtual void ShowMainWindow() = 0;
};

struct StartupContext {
    SettingsContext& Settings;
    platform::MessageBoxes& Boxes;
    platform::FileQuery& Files;
    platform::ProcessLauncher& Launcher;
    platform::SerialPorts& Ports;
    devices::TDLPortIO& PortIO;
    StartupHost& Host;
    MainWindowParts& Parts;
};

// Runs start-up with the command-line tail; false when the program must not
// start ("Port not available! Blinkery will not start." has been shown).
bool RunStartUp(TGVar& g, const std::string& commandTail, StartupContext& ctx);

// The port-availability test of "-AUTOCHECK" and "Detect Com Ports": a
// port is available when its device exists, even if another program (a
// dialer) holds it open.
void TestPortAvailability(TGVar& g, platform::SerialPorts& ports);

// The OS kind from the system version: 4 NT, 5 Windows 2000, else 0.
int32_t OsKindOf(const platform::OsVersion& version);

// The UART base addresses of COM1-COM8.
inline constexpr std::array<uint16_t, 8> DefaultPortBaseTable = {0x3F8, 0x2F8, 0x3E8, 0x2E8,
                                                                 0x3E0, 0x2E0, 0x338, 0x238};
