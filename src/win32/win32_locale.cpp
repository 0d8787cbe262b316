#include "win32/win32_locale.h"

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

} // namespace win32
