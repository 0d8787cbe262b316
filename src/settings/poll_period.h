// The poll timer's period from "Timer Interval".
#pragma once

#include <cstdint>

// round(1000 / ticksPerSecond) milliseconds, halves to even; 0 (timer
// stopped) when ticksPerSecond is below 1.
uint32_t PollPeriodMs(int32_t ticksPerSecond);
