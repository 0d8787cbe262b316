#include <gtest/gtest.h>

#include "settings/connect_time.h"
#include "settings/poll_period.h"

namespace {

constexpr double Second = 1.0 / 86400;

TEST(ConnectTimeText, HoursHaveNoLeadingZeroAndCountPastOneDay)
{
    struct Case {
        double days;
        const char* text;
    } cases[] = {
        {0, "0:00:00"},
        {3599 * Second, "0:59:59"},
        {(2 * 3600 + 3 * 60 + 15) * Second, "2:03:15"},
        {1.0, "24:00:00"},
        {(26 * 3600 + 3 * 60 + 15) * Second, "26:03:15"},
        {100.0, "2400:00:00"},
        {86399.9996 * Second, "24:00:00"}, // rounds to the millisecond first
        {-5 * Second, "0:00:00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ConnectTimeText(c.days), c.text) << c.days;
}

TEST(PollPeriod, RoundsHalvesToEvenAndStopsBelowOne)
{
    EXPECT_EQ(PollPeriodMs(18), 56u);
    EXPECT_EQ(PollPeriodMs(7), 143u);
    EXPECT_EQ(PollPeriodMs(16), 62u); // 62.5
    EXPECT_EQ(PollPeriodMs(1), 1000u);
    EXPECT_EQ(PollPeriodMs(0), 0u);
    EXPECT_EQ(PollPeriodMs(-3), 0u);
}

} // namespace
