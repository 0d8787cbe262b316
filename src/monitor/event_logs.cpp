#include "monitor/event_logs.h"

#include "settings/connect_time.h"
#include "settings/decimal_text.h"
#include "monitor/connection_state.h"
#include "monitor/date_time_text.h"

namespace monitor {

std::string EventLogPath(std::string_view shortProgramPath, const char* ending)
{
    const size_t keep = shortProgramPath.size() >= 3 ? shortProgramPath.size() - 3 : 0;
    std::string path(shortProgramPath.substr(0, keep));
    path.append(ending);
    return path;
}

size_t LastLineLength(std::string_view data)
{
    if (data.ends_with('\n'))
        data.remove_suffix(1);
    if (data.ends_with('\r'))
        data.remove_suffix(1);
    const size_t lineStart = data.find_last_of("\r\n");
    return lineStart == std::string_view::npos ? data.size() : data.size() - lineStart - 1;
}

void BuildCallLine(double lastRing, int32_t rings, const platform::DateTimePatterns& patterns, std::string& out)
{
    out.append("Call: ");
    AppendDateTimeC(lastRing, patterns, out);
    out.append("   Signals= ");
    AppendDecimal(out, rings);
    out.append(LogLineEnd);
}

void BuildConnectPart(double connectStart, const platform::DateTimePatterns& patterns, std::string& out)
{
    out.append("Connected: ");
    AppendDateTimeC(connectStart, patterns, out);
}

void BuildDisconnectPart(const TGVar& g, double now, const platform::DateTimePatterns& patterns, std::string& out)
{
    out.assign("  Disconnected: ");
    AppendDateTimeC(now, patterns, out);
    out.append("  Session Time = ");
    out.append(ConnectTimeText(SessionConnectTime(g, now)));
    out.append("  Total Time = ");
    out.append(ConnectTimeText(g.TotalConnectNew));
    if (g.LogTotalBytes == 1) {
        out.append("  Sent: ");
        AppendDecimal(out, g.ConnectionState.SessionTx);
        out.append("  Received: ");
        AppendDecimal(out, g.ConnectionState.SessionRx);
        out.append(" bytes");
    }
    out.append(LogLineEnd);
}

} // namespace monitor
