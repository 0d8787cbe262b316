#include "monitor/reset_schedule.h"

#include <cmath>

#include "app/date_time.h"

namespace monitor {

namespace {

bool LeapYear(int32_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int32_t DaysInMonth(int32_t year, int32_t month)
{
    switch (month) {
    case 2:
        return LeapYear(year) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

struct Date {
    int32_t Year, Month, Day;
};

// The calendar date of a day number (days since 30 December 1899, which
// is 25569 days before 1 January 1970), proleptic Gregorian.
Date DateOfDay(int64_t dayNumber)
{
    const int64_t z = dayNumber - 25569 + 719468; // days since 1 March of year 0
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t day = doy - (153 * mp + 2) / 5 + 1;
    const int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int32_t>(year), static_cast<int32_t>(month), static_cast<int32_t>(day)};
}

double MonthsLater(double reference, int32_t months)
{
    const double day = std::floor(reference);
    const double timeOfDay = reference - day;
    const Date date = DateOfDay(static_cast<int64_t>(day));
    int32_t year = date.Year;
    int32_t month = date.Month + months;
    if (month > 12) {
        month -= 12;
        ++year;
    }
    const int32_t last = DaysInMonth(year, month);
    CalendarTime target;
    target.Year = year;
    target.Month = month;
    target.Day = date.Day < last ? date.Day : last;
    return EncodeDateTime(target) + timeOfDay;
}

} // namespace

double NextResetTime(double reference, int32_t event)
{
    switch (event) {
    case ResetYearly:
        return reference + 365;
    case ResetQuarterly:
        return MonthsLater(reference, 3);
    case ResetMonthly:
        return MonthsLater(reference, 1);
    case ResetWeekly:
        return reference + 7;
    case ResetDaily:
        return reference + 1;
    default:
        return reference;
    }
}

} // namespace monitor
