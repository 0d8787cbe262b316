// A walk over an NT performance-data block (PERF_DATA_BLOCK with its
// object types, counter definitions, instances and counter blocks), as
// RegQueryValueEx on HKEY_PERFORMANCE_DATA returns it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace devices {

// Objects with more counter definitions than this end the walk.
inline constexpr uint32_t kPerfMostCounters = 50;

// Calls onCounter(index, value) for each counter whose name index is
// wanted, once per instance (or once for an object without instances),
// reading the counter as a 32-bit value. pump runs once per object and
// once per counter definition. False when the block is shorter than 100
// bytes, has no objects, has an object with too many counters, or points
// outside itself.
bool WalkPerformanceData(const uint8_t* data, size_t size, const std::function<bool(uint32_t index)>& wanted,
                         const std::function<void(uint32_t index, uint32_t value)>& onCounter,
                         const std::function<void()>& pump);

} // namespace devices
