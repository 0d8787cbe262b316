// The connect-time text of the displays and the connection log.
#pragma once

#include <string>

// "h:mm:ss" below one day; from one day on the total hours, so 26 hours
// 3 minutes 15 seconds read "26:03:15". d is a duration in days.
std::string ConnectTimeText(double d);
