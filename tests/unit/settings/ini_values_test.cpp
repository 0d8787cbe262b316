#include <gtest/gtest.h>

#include <tuple>

#include "settings/ini_values.h"

namespace {

TEST(IniValues, IntegerSpellings)
{
    struct Case {
        const char* text;
        std::optional<int32_t> value;
    } cases[] = {
        {"16", 16},          {"0x10", 16},         {"0X10", 16},         {"$10", 16},
        {"-5", -5},          {"+5", 5},            {"-$10", -16},        {"$FFFFFFFF", -1},
        {"0xFFFFFFFF", -1},  {"2147483647", 2147483647}, {"-2147483648", INT32_MIN},
        {"2147483648", {}},  {"0x1FFFFFFFF", {}},  {"abc", {}},          {"", {}},
        {"12abc", {}},       {"0x", {}},           {"$", {}},            {"-", {}},
        {"-0x10", {}},       {"1 2", {}},          {"0xG", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseIniInt(c.text), c.value) << c.text;
}

TEST(IniValues, DateTimeIsWrittenIn23Characters)
{
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {1.5, " 1.50000000000000E+0000"},
        {0.0, " 0.00000000000000E+0000"},
        {45000.25, " 4.50002500000000E+0004"},
        {-0.5, "-5.00000000000000E-0001"},
        {1.0 / 86400, " 1.15740740740741E-0005"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatIniDateTime(c.value), c.text);
        EXPECT_EQ(FormatIniDateTime(c.value).size(), 23u);
    }
}

TEST(IniValues, DateTimeReadsBackWhatWasWritten)
{
    for (double v : {0.0, 1.5, 45123.456789012345, 1e-9, 36525.999988425926})
        EXPECT_NEAR(ParseIniDateTime(FormatIniDateTime(v)).value(), v, std::abs(v) * 1e-14) << v;
}

TEST(IniValues, DateTimeAcceptsOnlyNumbers)
{
    EXPECT_EQ(ParseIniDateTime("45000.5"), 45000.5);
    EXPECT_EQ(ParseIniDateTime("1.5E+0000"), 1.5);
    EXPECT_EQ(ParseIniDateTime("12"), 12.0);
    for (const char* bad : {"", "abc", "inf", "nan", "1,5", "0x10", "1.5 days", "E", "-", "1e999"})
        EXPECT_FALSE(ParseIniDateTime(bad).has_value()) << bad;
}

} // namespace

#include "settings/date_time.h"

namespace {

TEST(DateTime, EncodesOleAutomationDays)
{
    EXPECT_EQ(EncodeDateTime({1899, 12, 30}), 0.0);
    EXPECT_EQ(EncodeDateTime({1900, 1, 1}), 2.0);
    EXPECT_EQ(EncodeDateTime({2000, 1, 1, 12}), 36526.5);
    EXPECT_EQ(EncodeDateTime({2026, 12, 8, 18}), 46364.75);
    EXPECT_EQ(EncodeDateTime({1899, 12, 29}), -1.0);
}

// What the date and time pickers show and give back.
TEST(DateTime, DecodesWhatItEncodes)
{
    const CalendarTime times[] = {{1899, 12, 30}, {1601, 1, 1}, {2000, 2, 29, 23, 59, 59, 999},
                                  {2026, 12, 8, 17, 30, 15, 250}, {9999, 12, 31, 23, 59, 59}};
    for (const CalendarTime& t : times) {
        const CalendarTime back = DecodeDateTime(EncodeDateTime(t));
        EXPECT_EQ(std::tie(back.Year, back.Month, back.Day, back.Hour, back.Minute, back.Second, back.Millisecond),
                  std::tie(t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second, t.Millisecond))
            << t.Year << "-" << t.Month << "-" << t.Day;
    }
    EXPECT_EQ(DecodeDateTime(1e9).Year, 1899); // beyond 9999
    // Days of the week (0 Sunday) from 1601 to 9999, a leap day among them.
    EXPECT_EQ(DayOfWeek(times[0]), 6);
    EXPECT_EQ(DayOfWeek(times[1]), 1);
    EXPECT_EQ(DayOfWeek(times[2]), 2);
    EXPECT_EQ(DayOfWeek(times[4]), 5);
}

} // namespace
