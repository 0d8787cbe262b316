// The user's date and time formats from the system's locale settings.
#pragma once

#include <windows.h>

#include "platform/locale.h"

namespace win32 {

class Win32Locale final : public platform::LocaleInfo {
public:
    platform::DateTimePatterns Patterns() override;
};

} // namespace win32
