// The connect-time text of the displays and the connection log.
#pragma once

#include <string>

#include "settings/settings.h"

// "h:mm:ss" below one day; from one day on the total hours, so 26 hours
// 3 minutes 15 seconds read "26:03:15". d is a duration in days.
std::string ConnectTimeText(double d);

// The running session's connect time in days: now - ConnectStart (never
// below 0) plus the "Negotiation Delay" the modems spent before the carrier
// was seen.
double SessionConnectTime(const TGVar& g, double now);

// The total connect time in days: "TotalConnectNew", and while connected
// the running session too.
double TotalConnectTime(const TGVar& g, double now);
