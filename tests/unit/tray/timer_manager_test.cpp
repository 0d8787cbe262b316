#include <gtest/gtest.h>

#include "tray/timer_manager.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_tray.h"

namespace {

class TimerManagerTest : public ::testing::Test {
protected:
    fakes::SystemTimer timer;
    fakes::Clock clock;
    TTimerManager manager{timer, clock};
};

TEST_F(TimerManagerTest, PeriodIsTheShortestEnabledIntervalButAtMost150)
{
    struct Item {
        bool Enabled;
        uint32_t Interval;
    };
    struct Row {
        std::vector<Item> Items;
        bool Running;
        uint32_t Period;
    };
    const Row rows[] = {
        {{{true, 400}, {true, 70}, {true, 1000}}, true, 70},
        {{{false, 400}, {false, 70}, {true, 1000}}, true, 150},
        {{{true, 400}, {false, 70}}, true, 150},
        {{{false, 400}, {false, 70}}, false, 0},
    };
    for (const Row& row : rows) {
        fakes::SystemTimer t;
        TTimerManager m{t, clock};
        for (const Item& item : row.Items)
            m.Add(item.Enabled, item.Interval, nullptr);
        EXPECT_EQ(t.Running, row.Running);
        if (row.Running) {
            EXPECT_EQ(t.Period, row.Period);
        }
    }
}

TEST_F(TimerManagerTest, EnablingRearmsAndTheLastDisableStopsTheTimer)
{
    TTimerItem& slow = manager.Add(false, 1000, nullptr);
    TTimerItem& fast = manager.Add(false, 70, nullptr);
    EXPECT_FALSE(timer.Running);
    slow.SetEnabled(true);
    EXPECT_EQ(timer.Period, 150u);
    fast.SetEnabled(true);
    EXPECT_EQ(timer.Period, 70u);
    fast.SetInterval(40);
    EXPECT_EQ(timer.Period, 40u);
    fast.SetEnabled(false);
    EXPECT_TRUE(timer.Running);
    slow.SetEnabled(false);
    EXPECT_FALSE(timer.Running);
    manager.SetEnabled(false);
    slow.SetEnabled(true);
    EXPECT_FALSE(timer.Running);
    manager.SetEnabled(true);
    EXPECT_TRUE(timer.Running);
}

TEST_F(TimerManagerTest, FiresByTheTickCountAcrossItsWrap)
{
    clock.Tick = 0xFFFFFF00u;
    int fired = 0;
    manager.Add(true, 400, [&](uintptr_t) { ++fired; });
    clock.Tick = 0xFFFFFF00u + 399; // wrapped past 0
    manager.Tick();
    EXPECT_EQ(fired, 0);
    clock.Tick = 0xFFFFFF00u + 400;
    manager.Tick();
    EXPECT_EQ(fired, 1);
    clock.Tick += 399;
    manager.Tick();
    EXPECT_EQ(fired, 1); // counted from the firing, not from the start
    clock.Tick += 1;
    manager.Tick();
    EXPECT_EQ(fired, 2);
}

} // namespace
