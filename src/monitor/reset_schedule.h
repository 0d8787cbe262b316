// The schedule on which the total connect time resets itself
// ("ConnectResetLoggerEvent").
#pragma once

#include <cstdint>

namespace monitor {

enum ResetEvent : int32_t {
    ResetNone = 0,
    ResetYearly = 1,    // 365 days on
    ResetQuarterly = 2, // same day and time three months on
    ResetMonthly = 3,   // same day and time one month on
    ResetWeekly = 4,
    ResetDaily = 5,
};

// The next reset moment after reference (a date-time in days). A day that
// the target month lacks becomes its last day (31 January monthly gives 28
// or 29 February). No schedule, or a value outside 1-5, gives the
// reference itself.
double NextResetTime(double reference, int32_t event);

} // namespace monitor
