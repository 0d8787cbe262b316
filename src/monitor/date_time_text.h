// Date-times as the user reads them: the format "c", the locale's short
// date, a blank and its long time; the time is left out at midnight
// exactly.
#pragma once

#include <string>

#include "platform/locale.h"

namespace monitor {

// Appends the text to out (which the caller may reuse, so that a steady
// text costs no allocation).
void AppendDateTimeC(double dateTime, const platform::DateTimePatterns& patterns, std::string& out);

} // namespace monitor
