// The two event logs: the call log (BLINKERY.RI) and the connection log
// (BLINKERY.DCD), their paths and the exact text of their lines. Lines end
// with CR LF. Each builder writes into a string the caller keeps and reuses.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/settings.h"
#include "platform/locale.h"

namespace monitor {

inline constexpr char RingLogEnding[] = "RI";
inline constexpr char ConnectLogEnding[] = "DCD";
inline constexpr char LogLineEnd[] = "\r\n";

// A connect part alone on the last line is shorter than this; the next
// connect part then starts on a new line.
inline constexpr size_t LoneConnectPartLength = 40;

// The program's short path with its last three characters (the extension)
// replaced: C:\BLINKERY\BLINKERY.EXE and "RI" give C:\BLINKERY\BLINKERY.RI.
std::string EventLogPath(std::string_view shortProgramPath, const char* ending);

// The length of the file's last line, as reading it line by line leaves it:
// a final line break ends that line and starts no new one; an empty file
// has an empty last line.
size_t LastLineLength(std::string_view data);

// "Call: " + the last ring in the format "c" + "   Signals= " + rings, CR LF,
// appended.
void BuildCallLine(double lastRing, int32_t rings, const platform::DateTimePatterns& patterns, std::string& out);

// "Connected: " + connectStart in the format "c", without a line break.
void BuildConnectPart(double connectStart, const platform::DateTimePatterns& patterns, std::string& out);

// The rest of the line at a disconnect: the disconnect time, the session's
// and the total connect time, with "Log total bytes" the session's bytes,
// then CR LF. The total already holds this session.
void BuildDisconnectPart(const TGVar& g, double now, const platform::DateTimePatterns& patterns, std::string& out);

} // namespace monitor
