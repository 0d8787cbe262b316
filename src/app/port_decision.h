// Which port start-up monitors, from "Default Port" and the command line.
#pragma once

#include <array>
#include <cstdint>

enum class PortDecision {
    Monitor,  // the port is decided
    FirstRun, // no port known yet: start without one and ask the user
    Refuse,   // "Port not available! Blinkery will not start."
};

// filePort is "Default Port" (0 = none); commandLinePort is -99 (none),
// -89 (invalid) or 1-8. On Monitor, port holds the port to watch.
PortDecision DecidePort(int32_t filePort, int32_t commandLinePort, const std::array<int32_t, 8>& available,
                        int32_t& port);

inline constexpr const char* PortNotAvailableText = "Port not available! Blinkery will not start.";
