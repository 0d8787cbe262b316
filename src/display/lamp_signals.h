// Which lamps are lit: the signal behind each lamp position, and the HS
// (high speed) lamp.
#pragma once

#include <cstdint>

#include "settings/settings.h"
#include "display/lamp_images.h"
#include "display/layout_tables.h"

namespace display {

// The monitored port's baud rate as the line settings last read it,
// normalised to a divisor of 115200; 0 when unknown or above 115200.
uint32_t EffectiveBaudRate(const TGVar& g);

// HS is lit when a port is chosen and either its effective baud rate is
// above 9600, or a connection is up and a detection method reported a
// connect speed above 9600 bps. Without the helper VxD the line settings
// read as 0, so on Windows NT and 2000 the reported connect speed is the
// only way the lamp can come on; it counts only while carrier is up, so
// the lamp goes dark with the connection.
bool HighSpeedLampOn(const TGVar& g);

// On when the position's signal is 1, off otherwise, and no lamp at a
// position that has no signal.
LampState LampStateOf(LampSignal signal, const TGVar& g);

} // namespace display
