// How numbers are spelled in the settings file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// An integer value: decimal, or hexadecimal after "$" or "0x"/"0X", with an
// optional sign before a decimal or "$" number. Hex numbers up to 8 digits
// wrap into the signed range ($FFFFFFFF is -1). Anything else, including
// an empty text or a number outside 32 bits, gives nothing.
std::optional<int32_t> ParseIniInt(std::string_view text);

// A date-time value: any decimal or scientific number; nothing otherwise.
std::optional<double> ParseIniDateTime(std::string_view text);

// A text as written, so that reading gives it back unchanged: the profile
// reader trims blanks and takes one pair of enclosing quotes (" or ') off a
// value, so a text that starts or ends with a blank or is enclosed in
// quotes is written inside one more pair of double quotes.
std::string IniText(std::string_view text);

// The 23-character form of a date-time: sign position (blank or "-"), one
// digit, a point, 14 digits, "E", the exponent's sign and four digits.
// One and a half days is " 1.50000000000000E+0000".
std::string FormatIniDateTime(double value);
