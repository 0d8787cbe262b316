#include "display/display_text.h"

#include "settings/connect_time.h"
#include "settings/decimal_text.h"
#include "settings/line_settings.h"
#include "settings/rounding.h"
#include "display/display_size.h"

namespace display {

namespace {

constexpr int StatusPadding = 67;
constexpr int FigurePadding = 14;

// A figure with its label; a zero shows no digits at all.
void AppendFigure(std::string& text, std::string_view label, long long value, bool show)
{
    text += label;
    if (show)
        AppendDecimal(text, value);
    text.append(FigurePadding, ' ');
}

} // namespace

bool DisplayText::Unchanged(int x, int y, const LineKey& key)
{
    TextLine& line = lines_[count_];
    if (key.Kind < 0 || !(keys_[count_] == key) || line.X != x || line.Y != y)
        return false;
    line.Changed = false;
    ++count_;
    return true;
}

std::string& DisplayText::Start()
{
    next_.clear();
    return next_;
}

void DisplayText::Keep(int x, int y, const LineKey& key)
{
    keys_[count_] = key;
    TextLine& line = lines_[count_++];
    const bool moved = line.X != x || line.Y != y;
    moved_ = moved_ || moved;
    line.Changed = moved || line.Text != next_;
    if (!line.Changed)
        return;
    line.X = x;
    line.Y = y;
    line.Text.assign(next_);
}

void DisplayText::Compose(TGVar& g, TextExtent column, double now, platform::HelperVxd& vxd,
                          platform::SerialPorts& ports)
{
    count_ = 0;
    moved_ = false;
    const int x = TextLeft;
    const int advance = column.Height - 1;
    int y = TextTop;

    // The status line reads the port each time.
    if (g.StatusInDisplay == 1) {
        std::string& text = Start();
        text += "COM ";
        AppendDecimal(text, g.Port);
        text += ' ';
        AppendCommStatusText(text, g, vxd, ports);
        text.append(StatusPadding, ' ');
        Keep(x, y, LineKey{});
        y += advance;
    }

    // The other lines are composed only when their figures changed.
    if (ConnectTimeShown(g)) {
        double value = SessionConnectTime(g, now);
        if (g.DisplayTotalConnectTimeInDisplay == 1)
            value += g.TotalConnectNew;
        const LineKey key{1, ConnectTimeSeconds(value)};
        if (!Unchanged(x, y, key)) {
            std::string& text = Start();
            text += "Connect time: ";
            text += ConnectTimeText(value);
            Keep(x, y, key);
        }
        y += advance;
    }

    const int period = g.RDTDSpeedUpdate;
    const TConnectionState& cs = g.ConnectionState;
    // A figure with its label as line `kind` at (left, y).
    const auto figure = [&](int kind, int left, std::string_view label, long long value, int64_t source) {
        const LineKey key{kind, source, period};
        if (Unchanged(left, y, key))
            return;
        AppendFigure(Start(), label, value, source != 0);
        Keep(left, y, key);
    };
    if (g.SPYSpeedInDisplay == 1 && period != 0) {
        figure(2, x, "TD: ", RoundHalfEven(static_cast<double>(cs.WindowTx) / period), cs.WindowTx);
        figure(3, x + column.Width, "RD: ", RoundHalfEven(static_cast<double>(cs.WindowRx) / period), cs.WindowRx);
        y += advance;
    }

    if (g.LogTransmitDisp == 1 && period != 0) {
        figure(4, x, "TT: ", cs.SessionTx, cs.SessionTx);
        figure(5, x + column.Width, "RT: ", cs.SessionRx, cs.SessionRx);
    }
}

} // namespace display
