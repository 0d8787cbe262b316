#include "app/date_time.h"

namespace {

// Days from 1 January of year 1 to the given date (proleptic Gregorian).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468; // days since 1970-01-01
}

} // namespace

double EncodeDateTime(const CalendarTime& t)
{
    const int64_t days = DaysFromCivil(t.Year, t.Month, t.Day) - DaysFromCivil(1899, 12, 30);
    const double ms = ((t.Hour * 60.0 + t.Minute) * 60.0 + t.Second) * 1000.0 + t.Millisecond;
    return static_cast<double>(days) + ms / 86400000.0;
}
