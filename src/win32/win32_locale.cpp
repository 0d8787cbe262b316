#include "win32/win32_locale.h"

#include "settings/date_time.h"

namespace win32 {

platform::DateTimePatterns Win32Locale::Patterns()
{
    platform::DateTimePatterns p;
    auto read = [](LCTYPE type, std::string& out) {
        char text[80] = {};
        if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, sizeof text) > 1)
            out = text;
    };
    read(LOCALE_SSHORTDATE, p.ShortDate);
    read(LOCALE_STIMEFORMAT, p.LongTime);
    read(LOCALE_S1159, p.Am);
    read(LOCALE_S2359, p.Pm);
    return p;
}

std::string Win32Locale::ShortDateText(double dateTime)
{
    const CalendarTime t = DecodeDateTime(dateTime);
    SYSTEMTIME date{};
    date.wYear = static_cast<WORD>(t.Year);
    date.wMonth = static_cast<WORD>(t.Month);
    date.wDay = static_cast<WORD>(t.Day);
    date.wDayOfWeek = static_cast<WORD>(DayOfWeek(t));
    char text[64] = {};
    return GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &date, nullptr, text, sizeof text) > 0 ? text : "";
}

} // namespace win32
