// Date-times as OLE Automation days (days since 30 December 1899, the time
// of day as the fraction).
#pragma once

#include <cstdint>

inline constexpr double HoursPerDay = 24.0;
inline constexpr double MinutesPerDay = 1440.0;
inline constexpr double SecondsPerDay = 86400.0;

struct CalendarTime {
    int32_t Year = 1899, Month = 12, Day = 30;
    int32_t Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

double EncodeDateTime(const CalendarTime& t);
// A date-time or a duration in whole milliseconds, rounded to the nearest:
// every split into hours, minutes and seconds starts from it, so all of
// them round alike.
int64_t WholeMilliseconds(double days);
// The calendar date of a whole day number (days since 30 December 1899,
// proleptic Gregorian); the time fields stay 0.
CalendarTime DateOfDayNumber(int64_t dayNumber);
// The calendar date and time of a date-time, to the millisecond; a value
// outside the years 1-9999 gives 30 December 1899.
CalendarTime DecodeDateTime(double dateTime);
// 0 Sunday to 6 Saturday.
int32_t DayOfWeek(const CalendarTime& date);
// The seconds field (0-59) of a date-time or a duration: cheap enough for
// every poll tick, where a full decode is not.
int SecondOfMinute(double dateTime);

// The whole days of `dayOf` with the time of day of `timeOf`: a date
// picked keeps the time, a time picked keeps the day.
double CombineDateTime(double dayOf, double timeOf);
