// The monitored port's line settings and the communication-status text.
#pragma once

#include <string>

#include "settings/settings.h"
#include "platform/helper_vxd.h"
#include "platform/serial.h"

// Helper VxD requests used here.
inline constexpr uint32_t VxdHookedPort = 6;
inline constexpr uint32_t VxdBaudRate = 9;
inline constexpr uint32_t VxdByteSize = 10;

// Fills baud rate, byte size, parity and stop bits of g.LineSettings, from
// the helper VxD when it is open, else from the comm-state query on
// handle. A failed query leaves baud rate and byte size 0 and the parity
// and stop bits as they were.
void ReadLineSettings(TGVar& g, platform::CommHandle handle, platform::HelperVxd& vxd, platform::SerialPorts& ports);

// A baud rate as a divisor of 115200 gives it: round(115200 / trunc(115200
// / baud)). 0 for 0 and for rates above 115200.
uint32_t NormalisedBaudRate(uint32_t baud);

// Appends the line settings ("8N1 57600") or the connection-speed text to
// buffer.
void AppendCommStatusText(std::string& buffer, TGVar& g, platform::HelperVxd& vxd, platform::SerialPorts& ports);
