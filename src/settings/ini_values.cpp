#include "settings/ini_values.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<int32_t> ParseIniInt(std::string_view text)
{
    bool negative = false;
    bool hex = false;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        hex = true;
        text.remove_prefix(2);
    } else {
        if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
            negative = text[0] == '-';
            text.remove_prefix(1);
        }
        if (!text.empty() && text[0] == '$') {
            hex = true;
            text.remove_prefix(1);
        }
    }
    if (text.empty())
        return std::nullopt;

    uint64_t value = 0;
    for (char c : text) {
        int digit = hex ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (digit < 0)
            return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }

    if (hex) {
        uint32_t bits = static_cast<uint32_t>(value);
        if (negative)
            bits = 0u - bits;
        return static_cast<int32_t>(bits);
    }
    if (negative) {
        if (value > 0x80000000ull)
            return std::nullopt;
        return static_cast<int32_t>(-static_cast<int64_t>(value));
    }
    if (value > 0x7FFFFFFFull)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

std::optional<double> ParseIniDateTime(std::string_view text)
{
    // The written form starts with a blank where a sign could stand.
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    // Only digits, one sign per part, a point and an exponent: strtod alone
    // would also take "inf", "nan" and hex floats.
    if (text.empty() || text.size() > 64)
        return std::nullopt;
    bool digits = false;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c != '+' && c != '-' && c != '.' && c != 'e' && c != 'E')
            return std::nullopt;
    }
    if (!digits)
        return std::nullopt;
    std::string copy(text);
    char* end = nullptr;
    double value = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string IniText(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const bool quoted = text.size() >= 2 && text.front() == text.back() && (text.front() == '"' || text.front() == '\'');
    if (!text.empty() && (quoted || blank(text.front()) || blank(text.back())))
        return '"' + std::string(text) + '"';
    return std::string(text);
}

std::string FormatIniDateTime(double value)
{
    if (!std::isfinite(value))
        value = 0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14E", std::fabs(value));
    // buffer: d.ddddddddddddddE<sign><2 or 3 digits>
    std::string text(buffer);
    size_t e = text.find('E');
    std::string mantissa = text.substr(0, e);
    char expSign = text[e + 1];
    int exponent = std::atoi(text.c_str() + e + 2);
    char tail[16];
    std::snprintf(tail, sizeof tail, "E%c%04d", expSign, exponent);
    return std::string(1, value < 0 ? '-' : ' ') + mantissa + tail;
}
