// The companion lights program's message (WM_COPYDATA, data identifier 1):
// "<process handle> <device handle> <text>", the command line that the
// system's own modem-lights program is to receive. Any process can send
// it, so the data is read as untrusted bytes: only within the byte count
// given, up to its first NUL if there is one, with numbers that must fit
// 32 bits and a bounded text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "settings/settings.h"
#include "platform/launcher.h"

namespace monitor {

inline constexpr uint32_t LightsDataIdentifier = 1;
// Longest text kept (a RAS entry name has at most 256 characters).
inline constexpr size_t LightsTextLimit = 256;
// Longest message passed on to the system's lights program.
inline constexpr size_t LightsCommandLimit = 2 * 10 + 2 + LightsTextLimit;
inline constexpr char LightsProgram[] = "lights!.exe ";

struct LightsMessage {
    uint32_t Process = 0;   // 0 when the field holds no number that fits
    uint32_t Device = 0;
    std::string_view Text;  // at most LightsTextLimit characters
    std::string_view Whole; // the message text, at most LightsCommandLimit characters
};

LightsMessage ParseLightsMessage(const void* data, size_t size);

// Handles a WM_COPYDATA message of any identifier: takes the handles and
// the text of a 'lights' message and, with "Run Lights" 1, starts the
// system's lights program with it, unless the one it started last runs.
void ReceiveLightsMessage(TGVar& g, platform::ProcessLauncher& launcher, uint32_t identifier, const void* data,
                          size_t size);

} // namespace monitor
