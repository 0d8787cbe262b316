// The connect-time text of the displays and the connection log.
#pragma once

#include <string>

#include "settings/settings.h"

// "h:mm:ss" below one day; from one day on the total hours, so 26 hours
// 3 minutes 15 seconds read "26:03:15". d is a duration in days.
std::string ConnectTimeText(double d);

// The whole seconds ConnectTimeText(d) shows.
long long ConnectTimeSeconds(double d);

// ConnectTimeText for a display that shows it at every paint: the text is
// formatted again only when its whole seconds change, into storage that
// it keeps.
class ConnectTimeFormat {
public:
    const std::string& Of(double d);

private:
    long long seconds_ = -1;
    std::string text_;
};

// The running session's connect time in days: now - ConnectStart (never
// below 0) plus the "Negotiation Delay" the modems spent before the carrier
// was seen.
double SessionConnectTime(const TGVar& g, double now);

// The total connect time in days: "TotalConnectNew", and while connected
// the running session too.
double TotalConnectTime(const TGVar& g, double now);
