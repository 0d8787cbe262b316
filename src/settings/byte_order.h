// Numbers in the byte records and values the system hands over.
#pragma once

#include <cstdint>

// A little-endian 32-bit value.
inline uint32_t Le32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}
