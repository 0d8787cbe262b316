#include <gtest/gtest.h>

#include "fakes/fake_keyboard.h"
#include "monitor/keyboard_lights.h"

namespace {

using fakes::Keyboard;

struct KeyboardLightsTest : ::testing::Test {
    void SetUp() override
    {
        g = TGVar{};
        g.RepaintRequested = true;
    }
    TGVar g;
    Keyboard keyboard;
    monitor::TKeyboardLights lights{g, keyboard};
};

TEST_F(KeyboardLightsTest, LampsSetTheirLockKeysAndTheLaterSettingWinsASharedKey)
{
    struct Case {
        int32_t cd, rd, td;
        bool carrier, received, sent;
        uint8_t caps, num, scroll;
    } cases[] = {
        {20, 144, 145, true, false, true, 1, 0, 1},
        {20, 20, 0, true, false, false, 0, 0, 0},  // RD decides CapsLock after CD
        {20, 0, 20, false, false, true, 1, 0, 0},  // TD decides it last
        {0, 144, 0, true, true, true, 0, 1, 0},
        {300, -20, 0, true, true, true, 0, 0, 0},  // outside the table: off
    };
    for (const Case& c : cases) {
        keyboard.Keys = {};
        g.KeyboardLights_CD = c.cd, g.KeyboardLights_RD = c.rd, g.KeyboardLights_TD = c.td;
        g.ModemSignals.CD = c.carrier, g.ModemSignals.RD = c.received, g.ModemSignals.TD = c.sent;
        lights.UpdateKeyboardLights();
        EXPECT_EQ(keyboard.Keys[20], c.caps) << c.cd << " " << c.rd << " " << c.td;
        EXPECT_EQ(keyboard.Keys[144], c.num);
        EXPECT_EQ(keyboard.Keys[145], c.scroll);
    }
}

// The state is written back only when a lock key changed, only in ticks
// that repaint and only on Windows 95/98/ME; other keys are left as read.
TEST_F(KeyboardLightsTest, WritesOnlyWhatChanged)
{
    g.KeyboardLights_CD = 20;
    g.ModemSignals.CD = true;
    keyboard.Keys['A'] = 0x80;
    lights.UpdateKeyboardLights();
    EXPECT_EQ(keyboard.Writes, 1);
    EXPECT_EQ(keyboard.Keys['A'], 0x80);
    lights.UpdateKeyboardLights(); // CapsLock already on
    EXPECT_EQ(keyboard.Writes, 1);

    g.ModemSignals.CD = false;
    g.RepaintRequested = false;
    lights.UpdateKeyboardLights();
    g.RepaintRequested = true;
    g.OsKind = OsNT4;
    lights.UpdateKeyboardLights();
    EXPECT_EQ(keyboard.Writes, 1);
    EXPECT_EQ(keyboard.Reads, 2);
}

} // namespace
