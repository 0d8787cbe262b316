#include <gtest/gtest.h>

#include "devices/modem_init.h"
#include "fakes/fake_devices.h"

using devices::SendModemInitString;

namespace {

struct ModemInitTest : ::testing::Test {
    fakes::ManualClock clock;
    fakes::SerialDevice device{clock};
    fakes::ScriptedBoxes boxes;
    fakes::MessagePump pump{clock};
    devices::TSerialCom32 com{device, boxes, clock, pump};

    ModemInitTest()
    {
        device.Devices = {"COM1", "COM4"};
        com.ResponseTime = devices::kMainWindowResponseTime;
    }
    void Arrive(uint32_t at, std::string bytes) { device.Input.push_back({at, std::move(bytes)}); }
};

TEST_F(ModemInitTest, StartUpSendsTheStringReadsEchoAndAnswerAndCloses)
{
    Arrive(40, "AT&F\r");
    Arrive(400, "\r\nOK\r\n");
    auto result = SendModemInitString(com, 4, "AT&F", devices::kStartupInitReplies, clock, pump);
    EXPECT_EQ(device.OpenedNames, std::vector<std::string>{"COM4"});
    EXPECT_EQ(device.Written, "AT&F\r\n");
    EXPECT_EQ(result.Replies, (std::vector<std::string>{"AT&F\r", "\r\nOK\r\n"}));
    EXPECT_FALSE(com.Opened());
    EXPECT_EQ(device.Open, 0);
}

TEST_F(ModemInitTest, EveryWaitEndsWithinTheBound)
{
    const struct {
        const char* name;
        std::vector<fakes::SerialDevice::Arrival> input;
        int shortWrites;
        int replies;
        bool sent;
        size_t repliesRead;
        uint32_t maxTicks;
    } cases[] = {
        // Echo and answer in one read: the second read gives up after the bound.
        {"one piece", {{10, "ATZ\r\r\nOK\r\n"}}, 0, 2, true, 1, 10 + 2000 + 10},
        {"silent modem", {}, 0, 2, true, 0, 2000 + 10},
        {"write refused", {}, 1000000, 2, false, 0, 2000 + 10},
        {"write accepted on retry", {{0, "OK"}}, 1, 1, true, 1, 10},
    };
    for (const auto& c : cases) {
        clock.Tick = 0;
        device.Input.assign(c.input.begin(), c.input.end());
        device.ShortWrites = c.shortWrites;
        auto result = SendModemInitString(com, 1, "ATZ", c.replies, clock, pump);
        EXPECT_TRUE(result.Opened) << c.name;
        EXPECT_EQ(result.Sent, c.sent) << c.name;
        EXPECT_EQ(result.Replies.size(), c.repliesRead) << c.name;
        EXPECT_LE(clock.Tick, c.maxTicks) << c.name;
        EXPECT_EQ(device.Open, 0) << c.name;
    }
}

TEST_F(ModemInitTest, NothingOpensForAnEmptyStringOrAfterAbort)
{
    auto result = SendModemInitString(com, 1, "", devices::kSendNowInitReplies, clock, pump);
    EXPECT_FALSE(result.Opened);
    EXPECT_TRUE(device.OpenedNames.empty());

    result = SendModemInitString(com, 2, "ATZ", devices::kSendNowInitReplies, clock, pump); // COM2 is missing
    EXPECT_FALSE(result.Opened);
    EXPECT_EQ(boxes.Shown.size(), 1u); // answered Abort
    EXPECT_EQ(device.Written, "");
}

} // namespace
