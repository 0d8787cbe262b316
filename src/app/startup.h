// Start-up: the main window's creation, from reading the settings to the
// first launches. The sequence and its decisions live here; the window and
// its components are reached through the window's host and parts.
#pragma once

#include <string>

#include "app/window_host.h"
#include "settings/settings_file.h"
#include "monitor/window_parts.h"
#include "devices/port_io.h"
#include "platform/file_info.h"
#include "platform/launcher.h"
#include "platform/serial.h"

// Runs start-up with the command-line tail; false when the program must not
// start ("Port not available! Blinkery will not start." has been shown).
bool RunStartUp(TGVar& g, const std::string& commandTail, AppContext& ctx);

// The port-availability test of "-AUTOCHECK" and "Detect Com Ports": a
// port is available when its device exists, even if another program (a
// dialer) holds it open.
void TestPortAvailability(TGVar& g, platform::SerialPorts& ports);

// The OS kind from the system version: 4 NT, 5 Windows 2000, else 0.
int32_t OsKindOf(const platform::OsVersion& version);

// The UART base addresses of COM1-COM8.
inline constexpr std::array<uint16_t, 8> DefaultPortBaseTable = {0x3F8, 0x2F8, 0x3E8, 0x2E8,
                                                                 0x3E0, 0x2E0, 0x338, 0x238};
