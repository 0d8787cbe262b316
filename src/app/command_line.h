// The command line: an optional port number 1-8 and the optional switch
// "-AUTOCHECK", in either order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

inline constexpr int32_t NoCommandLinePort = -99;
inline constexpr int32_t InvalidCommandLinePort = -89;

struct CommandLine {
    int32_t Port = NoCommandLinePort; // -99 none, -89 invalid, else 1-8
    bool AutoCheck = false;
};

// args without the program name. The first port argument wins; one that is
// not a number from 1 to 8 is invalid. Arguments past the second are
// ignored.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// Splits a Windows command-line tail into arguments (blanks separate them,
// double quotes group them).
std::vector<std::string> SplitCommandLine(const std::string& tail);
