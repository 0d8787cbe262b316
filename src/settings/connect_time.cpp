#include "settings/connect_time.h"

#include <cmath>
#include <cstdio>

#include "settings/date_time.h"

long long ConnectTimeSeconds(double d)
{
    // Whole milliseconds first, as the time-of-day formatting rounds them.
    // A negative duration cannot be a connect time.
    if (!std::isfinite(d) || d < 0)
        d = 0;
    return WholeMilliseconds(d) / 1000;
}

namespace {

void Format(std::string& text, long long seconds)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    text.assign(buffer);
}

} // namespace

std::string ConnectTimeText(double d)
{
    std::string text;
    Format(text, ConnectTimeSeconds(d));
    return text;
}

const std::string& ConnectTimeFormat::Of(double d)
{
    const long long seconds = ConnectTimeSeconds(d);
    if (seconds != seconds_) {
        Format(text_, seconds);
        seconds_ = seconds;
    }
    return text_;
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
