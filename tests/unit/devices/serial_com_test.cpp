#include <gtest/gtest.h>

#include "devices/serial_com.h"
#include "fakes/fake_devices.h"

using platform::MbButtons;
using platform::MbIcon;
using platform::MbResult;

namespace {

struct SerialComTest : ::testing::Test {
    fakes::ManualClock clock;
    fakes::SerialDevice device{clock};
    fakes::ScriptedBoxes boxes;
    fakes::MessagePump pump{clock};
    devices::TSerialCom32 com{device, boxes, clock, pump};

    SerialComTest()
    {
        device.Devices = {"COM1", "COM2", "COM3"};
        device.Line.BaudRate = 2400;
        device.Line.Flags = 0x3011; // flow control bits the open must keep
        device.Line.ByteSize = 7;
        device.Line.Parity = 2;
        device.Line.StopBits = 2;
        com.ResponseTime = 2000;
    }
    void Arrive(uint32_t at, std::string bytes) { device.Input.push_back({at, std::move(bytes)}); }
};

TEST_F(SerialComTest, OpenSetsSpeedAndEightNoneOneAndKeepsTheRest)
{
    com.SetPort(3);
    com.SetBaud(57600);
    ASSERT_TRUE(com.OpenPort());
    EXPECT_EQ(device.OpenedNames, std::vector<std::string>{"COM3"});
    ASSERT_EQ(device.LineWrites.size(), 1u);
    const auto& line = device.LineWrites[0];
    EXPECT_EQ(line.BaudRate, 57600u);
    EXPECT_EQ(line.ByteSize, 8);
    EXPECT_EQ(line.Parity, 0);
    EXPECT_EQ(line.StopBits, 0);
    EXPECT_EQ(line.Flags, 0x3011u);
    com.ClosePort();
    EXPECT_FALSE(com.Opened());
    EXPECT_EQ(device.Open, 0);

    device.RefuseGetLine = true;
    ASSERT_TRUE(com.OpenPort());
    EXPECT_EQ(device.LineWrites.size(), 1u); // unread settings are not written back
}

TEST_F(SerialComTest, APortHeldElsewhereAsksAbortOrRetry)
{
    device.Busy = {"COM2"};
    com.SetPort(2);
    boxes.WhileShown = [&] {
        if (boxes.Shown.size() == 2)
            device.Busy.clear(); // the other program lets go during the second box
    };
    boxes.Answers = {MbResult::Retry, MbResult::Retry};
    EXPECT_TRUE(com.OpenPort());
    ASSERT_EQ(boxes.Shown.size(), 2u);
    EXPECT_EQ(boxes.Shown[0].Text, "Error opening COM2: ");
    EXPECT_EQ(boxes.Shown[0].Caption, "Blinkery");
    EXPECT_EQ(boxes.Shown[0].Buttons, MbButtons::AbortRetry);
    EXPECT_EQ(boxes.Shown[0].Icon, MbIcon::Warning);
    EXPECT_EQ(device.OpenedNames.size(), 3u);
    com.ClosePort();

    device.Busy = {"COM2"};
    boxes.Shown.clear();
    boxes.Answers = {MbResult::Abort};
    EXPECT_FALSE(com.OpenPort());
    EXPECT_EQ(boxes.Shown.size(), 1u);

    com.ShowErrors = false;
    boxes.Shown.clear();
    device.OpenedNames.clear();
    EXPECT_FALSE(com.OpenPort());
    EXPECT_TRUE(boxes.Shown.empty());
    EXPECT_EQ(device.OpenedNames.size(), 1u);
}

TEST_F(SerialComTest, ChangingPortOrBaudReopensOnlyAnOpenPort)
{
    com.SetPort(2);
    com.SetBaud(19200);
    EXPECT_TRUE(device.OpenedNames.empty());
    ASSERT_TRUE(com.OpenPort());
    com.SetBaud(19200);
    EXPECT_EQ(device.OpenedNames.size(), 1u);
    com.SetPort(3);
    com.SetBaud(38400);
    EXPECT_EQ(device.OpenedNames, (std::vector<std::string>{"COM2", "COM3", "COM3"}));
    EXPECT_EQ(device.Line.BaudRate, 38400u);
    EXPECT_EQ(device.Open, 1);
}

TEST_F(SerialComTest, SendStringIsTrueOnlyWhenEveryByteWasWritten)
{
    EXPECT_FALSE(com.SendString("ATZ\r\n"));
    ASSERT_TRUE(com.OpenPort());
    EXPECT_TRUE(com.SendString("ATZ\r\n"));
    device.ShortWrites = 1;
    EXPECT_FALSE(com.SendString("AT\r\n"));
}

TEST_F(SerialComTest, ReadWithoutMarkerTakesWhatIsThereUpToNul)
{
    std::string text = "stale";
    com.ReadResponse(text);
    EXPECT_EQ(text, ""); // closed
    EXPECT_EQ(com.InCount(), 0);

    ASSERT_TRUE(com.OpenPort());
    com.ReadResponse(text);
    EXPECT_EQ(text, "");
    Arrive(0, std::string("OK\r\n\0junk", 9));
    EXPECT_EQ(com.InCount(), 9);
    com.ReadResponse(text);
    EXPECT_EQ(text, "OK\r\n");
    EXPECT_EQ(com.InCount(), 0);
    EXPECT_EQ(pump.Pumps, 0);
}

TEST_F(SerialComTest, ReadWithMarkerJoinsAReplyInTwoPieces)
{
    com.EndOfResponse = "OK";
    ASSERT_TRUE(com.OpenPort());
    Arrive(0, "O");
    Arrive(300, "K\r\n");
    std::string text;
    com.ReadResponse(text);
    EXPECT_EQ(text, "OK\r\n");
    EXPECT_FALSE(com.TimedOut());
    EXPECT_TRUE(boxes.Shown.empty());
    EXPECT_GE(clock.Tick, 300u);
    EXPECT_LT(clock.Tick, 300u + 2 * devices::kSerialPollSliceMs);
}

TEST_F(SerialComTest, TimeOutAsksAbortOrRetryAndKeepsWhatArrived)
{
    int timeouts = 0;
    com.OnTimeout = [&] { ++timeouts; };
    com.EndOfResponse = "OK";
    ASSERT_TRUE(com.OpenPort());

    // Retry, then the answer arrives during the second attempt.
    Arrive(0, "AT");
    Arrive(3000, "\r\nOK\r\n");
    boxes.Answers = {MbResult::Retry};
    std::string text;
    com.ReadResponse(text);
    EXPECT_EQ(text, "AT\r\nOK\r\n");
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Text, "Timeout waiting for response.");
    EXPECT_EQ(boxes.Shown[0].Buttons, MbButtons::AbortRetry);
    EXPECT_EQ(timeouts, 1);
    EXPECT_FALSE(com.TimedOut());

    // Retry, then Abort: two full waits.
    boxes.Shown.clear();
    boxes.Answers = {MbResult::Retry, MbResult::Abort};
    Arrive(0, "ATZ");
    uint32_t start = clock.Tick;
    com.ReadResponse(text);
    EXPECT_EQ(text, "ATZ");
    EXPECT_EQ(boxes.Shown.size(), 2u);
    EXPECT_TRUE(com.TimedOut());
    EXPECT_EQ(timeouts, 3);
    EXPECT_GE(clock.Tick - start, 4000u);
    EXPECT_LT(clock.Tick - start, 4000u + 2 * devices::kSerialPollSliceMs);
    EXPECT_FALSE(com.InUse());

    // Without ShowErrors the first time-out ends the read.
    com.ShowErrors = false;
    boxes.Shown.clear();
    com.ReadResponse(text);
    EXPECT_TRUE(boxes.Shown.empty());
    EXPECT_EQ(timeouts, 4);
}

TEST_F(SerialComTest, TheTimeOutSurvivesTheTickCountWrapping)
{
    clock.Tick = 0xFFFFFF00u;
    com.EndOfResponse = "OK";
    com.ShowErrors = false;
    ASSERT_TRUE(com.OpenPort());
    std::string text;
    com.ReadResponse(text);
    EXPECT_TRUE(com.TimedOut());
    EXPECT_EQ(clock.Tick - 0xFFFFFF00u, 2000u);
}

TEST_F(SerialComTest, ASecondReadDuringTheWaitIsRefused)
{
    com.EndOfResponse = "OK";
    ASSERT_TRUE(com.OpenPort());
    Arrive(0, "AT");
    Arrive(100, "OK");
    std::string inner = "untouched";
    pump.OnPump.push_back([&] {
        if (pump.Pumps == 1)
            com.ReadResponse(inner);
    });
    std::string text;
    com.ReadResponse(text);
    EXPECT_EQ(inner, "");
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Text, "Port is in use -- operation aborted");
    EXPECT_EQ(text, "ATOK");
    EXPECT_FALSE(com.InUse());
}

TEST_F(SerialComTest, DestructionClosesThePort)
{
    {
        devices::TSerialCom32 other(device, boxes, clock, pump);
        ASSERT_TRUE(other.OpenPort());
        EXPECT_EQ(device.Open, 1);
    }
    EXPECT_EQ(device.Open, 0);
}

} // namespace
