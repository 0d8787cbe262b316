#include "monitor/reset_schedule.h"

#include <cmath>

#include "settings/date_time.h"

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

double MonthsLater(double reference, int32_t months)
{
    const double day = std::floor(reference);
    const double timeOfDay = reference - day;
    const CalendarTime date = DateOfDayNumber(static_cast<int64_t>(day));
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
