// Switching the monitored port: save the old port's section, read the new.
#pragma once

#include "app/window_host.h"
#include "settings/settings_file.h"
#include "monitor/window_parts.h"
#include "platform/helper_vxd.h"
#include "platform/serial.h"

// Switches to port n (1-8). False when the switch was abandoned: the port
// cannot be opened on Windows 95/98/ME, or the old section could not be
// saved (the user has been told).
bool SwitchPort(TGVar& g, int32_t n, AppContext& ctx);
