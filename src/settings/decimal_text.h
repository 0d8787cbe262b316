// A whole number appended to a text in decimal, without a temporary string:
// the displays, the tray tip, the logs and the messages build their texts
// in buffers they keep.
#pragma once

#include <charconv>
#include <cstdint>
#include <string>

inline void AppendDecimal(std::string& text, int64_t value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(digits, end);
}
