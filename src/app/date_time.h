// Date-times as OLE Automation days (days since 30 December 1899, the time
// of day as the fraction).
#pragma once

#include <cstdint>

struct CalendarTime {
    int32_t Year = 1899, Month = 12, Day = 30;
    int32_t Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

double EncodeDateTime(const CalendarTime& t);
