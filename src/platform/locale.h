// The user's date and time formats, as the system's locale gives them
// (Windows picture notation: "dd/MM/yyyy", "HH:mm:ss", "h:mm:ss tt").
#pragma once

#include <string>

namespace platform {

struct DateTimePatterns {
    std::string ShortDate = "dd/MM/yyyy";
    std::string LongTime = "HH:mm:ss";
    std::string Am = "AM";
    std::string Pm = "PM";
};

class LocaleInfo {
public:
    virtual ~LocaleInfo() = default;
    virtual DateTimePatterns Patterns() = 0;
    // A date-time's date in the system's short date format.
    virtual std::string ShortDateText(double dateTime) = 0;
};

} // namespace platform
