#include "settings/poll_period.h"

#include "settings/rounding.h"

uint32_t PollPeriodMs(int32_t ticksPerSecond)
{
    if (ticksPerSecond < 1)
        return 0;
    return static_cast<uint32_t>(RoundHalfEven(1000.0 / ticksPerSecond));
}
