// The user's date and time formats from the system's locale settings, and
// dates in its short format.
#pragma once

#include <windows.h>

#include "platform/locale.h"

namespace win32 {

class Win32Locale final : public platform::LocaleInfo {
public:
    platform::DateTimePatterns Patterns() override;
    std::string ShortDateText(double dateTime) override;
};

} // namespace win32
