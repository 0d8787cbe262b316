#include <gtest/gtest.h>

#include "app/command_line.h"

namespace {

TEST(CommandLine, PortAndSwitchInEitherOrder)
{
    struct Case {
        std::vector<std::string> args;
        int32_t port;
        bool autoCheck;
    } cases[] = {
        {{}, NoCommandLinePort, false},
        {{"3"}, 3, false},
        {{"-autocheck", "2"}, 2, true},
        {{"2", "-AUTOCHECK"}, 2, true},
        {{"-AutoCheck"}, NoCommandLinePort, true},
        {{"9"}, InvalidCommandLinePort, false},
        {{"0"}, InvalidCommandLinePort, false},
        {{"-1"}, InvalidCommandLinePort, false},
        {{"x"}, InvalidCommandLinePort, false},
        {{"4", "9"}, 4, false}, // the first number wins
        {{"9", "4"}, InvalidCommandLinePort, false},
        {{"1", "2", "-AUTOCHECK"}, 1, false}, // at most two arguments
    };
    for (const Case& c : cases) {
        CommandLine cl = ParseCommandLine(c.args);
        EXPECT_EQ(cl.Port, c.port) << testing::PrintToString(c.args);
        EXPECT_EQ(cl.AutoCheck, c.autoCheck) << testing::PrintToString(c.args);
    }
}

TEST(CommandLine, SplitsTheTail)
{
    EXPECT_EQ(SplitCommandLine("  3   -AUTOCHECK "), (std::vector<std::string>{"3", "-AUTOCHECK"}));
    EXPECT_EQ(SplitCommandLine("\"a b\" c"), (std::vector<std::string>{"a b", "c"}));
    EXPECT_EQ(SplitCommandLine(""), std::vector<std::string>{});
    EXPECT_EQ(SplitCommandLine("\"\""), std::vector<std::string>{""});
}

} // namespace

#include "app/port_decision.h"

namespace {

TEST(PortDecision, FileAndCommandLine)
{
    std::array<int32_t, 8> all{1, 1, 1, 1, 1, 1, 1, 1};
    std::array<int32_t, 8> onlyCom2{0, 1, 0, 0, 0, 0, 0, 0};
    struct Case {
        int32_t file, arg;
        const std::array<int32_t, 8>& available;
        PortDecision decision;
        int32_t port;
    } cases[] = {
        {0, NoCommandLinePort, all, PortDecision::FirstRun, 0},
        {1, 3, all, PortDecision::Monitor, 3},
        {2, NoCommandLinePort, all, PortDecision::Monitor, 2},
        {0, 4, all, PortDecision::Monitor, 4},
        {1, InvalidCommandLinePort, all, PortDecision::Refuse, 1},
        {0, InvalidCommandLinePort, all, PortDecision::Refuse, 0},
        {1, NoCommandLinePort, onlyCom2, PortDecision::Refuse, 1},
        {1, 2, onlyCom2, PortDecision::Monitor, 2},
        {2, 3, onlyCom2, PortDecision::Refuse, 2},
        {12, NoCommandLinePort, all, PortDecision::Refuse, 12},
    };
    for (const Case& c : cases) {
        int32_t port = -1;
        EXPECT_EQ(DecidePort(c.file, c.arg, c.available, port), c.decision) << c.file << " " << c.arg;
        EXPECT_EQ(port, c.port) << c.file << " " << c.arg;
    }
}

} // namespace

#include "settings/paths.h"

namespace {

TEST(Paths, FileNameAndExtension)
{
    EXPECT_EQ(FileNamePart("C:\\B\\Blinkery.exe 2"), "Blinkery.exe 2");
    EXPECT_EQ(FileNamePart("notepad"), "notepad");
    EXPECT_EQ(ChangeFileExtension("C:\\Program Files\\Blinkery\\Blinkery.exe", ".hlp"),
              "C:\\Program Files\\Blinkery\\Blinkery.hlp");
    EXPECT_EQ(ChangeFileExtension("C:\\My.Dir\\BLINKERY", ".wav"), "C:\\My.Dir\\BLINKERY.wav");
}

} // namespace
