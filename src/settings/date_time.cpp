#include "settings/date_time.h"

#include <cmath>

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

constexpr int64_t MsPerDay = 86400000;

} // namespace

double EncodeDateTime(const CalendarTime& t)
{
    const int64_t days = DaysFromCivil(t.Year, t.Month, t.Day) - DaysFromCivil(1899, 12, 30);
    const double ms = ((t.Hour * 60.0 + t.Minute) * 60.0 + t.Second) * 1000.0 + t.Millisecond;
    return static_cast<double>(days) + ms / static_cast<double>(MsPerDay);
}

int64_t WholeMilliseconds(double days)
{
    return static_cast<int64_t>(std::llround(days * static_cast<double>(MsPerDay)));
}

CalendarTime DateOfDayNumber(int64_t dayNumber)
{
    const int64_t z = dayNumber + DaysFromCivil(1899, 12, 30) + 719468; // days since 1 March of year 0
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    CalendarTime t;
    t.Day = static_cast<int32_t>(doy - (153 * mp + 2) / 5 + 1);
    t.Month = static_cast<int32_t>(mp < 10 ? mp + 3 : mp - 9);
    t.Year = static_cast<int32_t>(yoe + era * 400 + (t.Month <= 2 ? 1 : 0));
    return t;
}

CalendarTime DecodeDateTime(double dateTime)
{
    // Before 1 January 1 or after 31 December 9999.
    if (!std::isfinite(dateTime) || dateTime < -693593.0 || dateTime >= 2958466.0)
        return {};
    const int64_t totalMs = WholeMilliseconds(dateTime);
    int64_t days = totalMs / MsPerDay, ms = totalMs % MsPerDay;
    if (ms < 0) {
        ms += MsPerDay;
        --days;
    }
    CalendarTime t = DateOfDayNumber(days);
    t.Hour = static_cast<int32_t>(ms / 3600000);
    t.Minute = static_cast<int32_t>(ms / 60000 % 60);
    t.Second = static_cast<int32_t>(ms / 1000 % 60);
    t.Millisecond = static_cast<int32_t>(ms % 1000);
    return t;
}

int SecondOfMinute(double dateTime)
{
    double day = 0;
    const double fraction = std::fabs(std::modf(dateTime, &day));
    return static_cast<int>(WholeMilliseconds(fraction) / 1000 % 60);
}

int32_t DayOfWeek(const CalendarTime& date)
{
    // 1 January 1970 was a Thursday.
    const int64_t days = DaysFromCivil(date.Year, date.Month, date.Day);
    return static_cast<int32_t>(((days + 4) % 7 + 7) % 7);
}

double CombineDateTime(double dayOf, double timeOf)
{
    return std::floor(dayOf) + (timeOf - std::floor(timeOf));
}
