#include "settings/connect_time.h"

#include <cmath>
#include <cstdio>

#include "settings/date_time.h"

std::string ConnectTimeText(double d)
{
    // Whole milliseconds first, as the time-of-day formatting rounds them,
    // then whole seconds. A negative duration cannot be a connect time.
    if (!std::isfinite(d) || d < 0)
        d = 0;
    const long long seconds = WholeMilliseconds(d) / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

double SessionConnectTime(const TGVar& g, double now)
{
    // Never negative, whatever the clock did before the tick saw it.
    return (now > g.ConnectStart ? now - g.ConnectStart : 0.0) + g.NegotiationDelay / SecondsPerDay;
}

double TotalConnectTime(const TGVar& g, double now)
{
    return g.ModemSignals.CD ? SessionConnectTime(g, now) + g.TotalConnectNew : g.TotalConnectNew;
}
