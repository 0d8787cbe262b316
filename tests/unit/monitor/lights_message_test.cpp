// The companion lights program's WM_COPYDATA message: well-formed and
// hostile data, and the start of the system's own lights program.
#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_platform.h"
#include "monitor/lights_message.h"

namespace {

using monitor::ParseLightsMessage;

TEST(LightsMessage, FieldsOfWellFormedMessages)
{
    struct Case {
        std::string Data;
        uint32_t Process, Device;
        std::string Text;
    };
    const Case cases[] = {
        {std::string("120 4567 Office dial-up\0", 24), 120, 4567, "Office dial-up"},
        {"4294967295 7 x", 4294967295u, 7, "x"},              // numbers of different lengths, no NUL
        {"5 123456789 ", 5, 123456789, ""},
        {"5 6", 5, 6, ""},
        {"5", 5, 0, ""},
        {"12ab 34cd text with  two blanks", 12, 34, "text with  two blanks"}, // numbers at the fields' start
    };
    for (const Case& c : cases) {
        const auto m = ParseLightsMessage(c.Data.data(), c.Data.size());
        EXPECT_EQ(m.Process, c.Process) << c.Data;
        EXPECT_EQ(m.Device, c.Device) << c.Data;
        EXPECT_EQ(m.Text, c.Text) << c.Data;
    }
}

TEST(LightsMessage, HostileMessagesAreReadOnlyWithinTheirBytes)
{
    struct Case {
        const char* What;
        std::string Data;
        size_t Size; // bytes the message claims
        uint32_t Process, Device;
        size_t TextLength;
    };
    const std::string huge(3 << 20, 'A');
    const Case cases[] = {
        {"number beyond 32 bits", "4294967296 99999999999999999999 x", 34, 0, 0, 1},
        {"minus sign", "-1 -2 x", 7, 0, 0, 1},
        {"cut inside the second number", "11 2233 text", 5, 11, 22, 0},
        {"NUL before the count ends", std::string("1 2 ab\0cd", 9), 9, 1, 2, 2},
        {"megabytes of text", "1 2 " + huge, huge.size() + 4, 1, 2, monitor::LightsTextLimit},
        {"megabytes of digits", huge.substr(0, 0) + std::string(1 << 20, '9'), 1 << 20, 0, 0, 0},
        {"no blank at all", std::string(1000, 'x'), 1000, 0, 0, 0},
        {"empty", "", 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        // The message's bytes in a buffer of exactly that size, so that a
        // read past it trips the address sanitizer.
        std::unique_ptr<char[]> bytes(new char[c.Size ? c.Size : 1]);
        std::copy(c.Data.begin(), c.Data.begin() + static_cast<std::ptrdiff_t>(c.Size), bytes.get());
        const auto m = ParseLightsMessage(bytes.get(), c.Size);
        EXPECT_EQ(m.Process, c.Process) << c.What;
        EXPECT_EQ(m.Device, c.Device) << c.What;
        EXPECT_EQ(m.Text.size(), c.TextLength) << c.What;
        EXPECT_LE(m.Whole.size(), monitor::LightsCommandLimit) << c.What;
    }
    EXPECT_EQ(ParseLightsMessage(nullptr, 100).Process, 0u);
}

TEST(LightsMessage, ReceivedMessagesSetTheHandlesAndMayStartTheSystemsProgram)
{
    TGVar g;
    fakes::Launcher launcher;
    const std::string data("120 4567 Office\0junk", 20);
    monitor::ReceiveLightsMessage(g, launcher, 2, data.data(), data.size());
    EXPECT_EQ(g.LightsProcess, 0u) << "another identifier is not a 'lights' message";

    monitor::ReceiveLightsMessage(g, launcher, 1, data.data(), data.size());
    EXPECT_EQ(g.LightsProcess, 120u);
    EXPECT_EQ(g.LightsDevice, 4567u);
    EXPECT_EQ(g.LightsText, "Office");
    EXPECT_TRUE(launcher.Runs.empty());

    g.RunLights = 1;
    monitor::ReceiveLightsMessage(g, launcher, 1, data.data(), data.size());
    ASSERT_EQ(launcher.Runs.size(), 1u);
    EXPECT_EQ(launcher.Runs[0].Command, "lights!.exe 120 4567 Office");
    EXPECT_EQ(launcher.Runs[0].Show, platform::ShowState::Normal);

    // Not again while that program runs; the handles are taken all the same.
    const std::string other("7 8 Home");
    monitor::ReceiveLightsMessage(g, launcher, 1, other.data(), other.size());
    EXPECT_EQ(launcher.Runs.size(), 1u);
    EXPECT_EQ(g.LightsProcess, 7u);
    launcher.WatchedRuns = false;

    const std::string long_(100000, 'z');
    monitor::ReceiveLightsMessage(g, launcher, 1, long_.data(), long_.size());
    EXPECT_EQ(launcher.Runs.back().Command.size(), 12 + monitor::LightsCommandLimit);
}

} // namespace
