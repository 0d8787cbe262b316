#include "monitor/date_time_text.h"

#include <cmath>
#include <string_view>

#include "settings/date_time.h"

namespace monitor {

namespace {

constexpr const char* MonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};
constexpr const char* DayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

struct Parts {
    int32_t Year, Month, Day, DayOfWeek, Hour, Minute, Second;
};

Parts Split(double dateTime)
{
    if (!std::isfinite(dateTime) || std::fabs(dateTime) > 2958465.0) // beyond 31 December 9999
        dateTime = 0;
    const CalendarTime t = DecodeDateTime(dateTime);
    return {t.Year, t.Month, t.Day, DayOfWeek(t), t.Hour, t.Minute, t.Second};
}

void AppendNumber(std::string& out, int32_t value, size_t width)
{
    char digits[12];
    size_t n = 0;
    auto v = static_cast<uint32_t>(value < 0 ? -value : value);
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0 && n < sizeof digits);
    for (size_t i = n; i < width; ++i)
        out.push_back('0');
    while (n > 0)
        out.push_back(digits[--n]);
}

// One picture in Windows notation: d dd ddd dddd, M MM MMM MMMM, y yy yyyy,
// h hh (12-hour), H HH, m mm, s ss, t tt, text in single quotes.
void AppendPicture(std::string& out, std::string_view picture, const Parts& p,
                   const platform::DateTimePatterns& patterns)
{
    size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == '\'') {
            const size_t end = picture.find('\'', i + 1);
            const size_t stop = end == std::string_view::npos ? picture.size() : end;
            out.append(picture.substr(i + 1, stop - i - 1));
            i = stop + 1;
            continue;
        }
        size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c)
            ++run;
        const int32_t hour12 = p.Hour % 12 == 0 ? 12 : p.Hour % 12;
        switch (c) {
        case 'd':
            if (run >= 4)
                out.append(DayNames[p.DayOfWeek]);
            else if (run == 3)
                out.append(std::string_view(DayNames[p.DayOfWeek]).substr(0, 3));
            else
                AppendNumber(out, p.Day, run);
            break;
        case 'M':
            if (run >= 4)
                out.append(MonthNames[p.Month - 1]);
            else if (run == 3)
                out.append(std::string_view(MonthNames[p.Month - 1]).substr(0, 3));
            else
                AppendNumber(out, p.Month, run);
            break;
        case 'y':
            if (run <= 2)
                AppendNumber(out, p.Year % 100, run);
            else
                AppendNumber(out, p.Year, 4);
            break;
        case 'h':
            AppendNumber(out, hour12, run >= 2 ? 2 : 1);
            break;
        case 'H':
            AppendNumber(out, p.Hour, run >= 2 ? 2 : 1);
            break;
        case 'm':
            AppendNumber(out, p.Minute, run >= 2 ? 2 : 1);
            break;
        case 's':
            AppendNumber(out, p.Second, run >= 2 ? 2 : 1);
            break;
        case 't': {
            const std::string& marker = p.Hour < 12 ? patterns.Am : patterns.Pm;
            out.append(run >= 2 ? std::string_view(marker) : std::string_view(marker).substr(0, 1));
            break;
        }
        default:
            out.append(run, c);
            break;
        }
        i += run;
    }
}

} // namespace

void AppendDateTimeC(double dateTime, const platform::DateTimePatterns& patterns, std::string& out)
{
    const Parts p = Split(dateTime);
    AppendPicture(out, patterns.ShortDate, p, patterns);
    if (p.Hour != 0 || p.Minute != 0 || p.Second != 0) {
        out.push_back(' ');
        AppendPicture(out, patterns.LongTime, p, patterns);
    }
}

} // namespace monitor
