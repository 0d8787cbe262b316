// Local time and the system tick count.
#pragma once

#include <cstdint>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Local date and time, in days since 30 December 1899.
    virtual double Now() = 0;
    // Milliseconds since the system started; wraps after 49.7 days.
    virtual uint32_t TickCount() = 0;
};

} // namespace platform
