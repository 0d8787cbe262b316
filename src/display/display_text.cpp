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

std::string& DisplayText::Start(int x, int y)
{
    TextLine& line = lines_[count_++];
    line.X = x;
    line.Y = y;
    line.Text.clear();
    return line.Text;
}

void DisplayText::Compose(TGVar& g, TextExtent column, double now, platform::HelperVxd& vxd,
                          platform::SerialPorts& ports)
{
    count_ = 0;
    const int x = TextLeft;
    const int advance = column.Height - 1;
    int y = TextTop;

    if (g.StatusInDisplay == 1) {
        std::string& text = Start(x, y);
        text += "COM ";
        AppendDecimal(text, g.Port);
        text += ' ';
        AppendCommStatusText(text, g, vxd, ports);
        text.append(StatusPadding, ' ');
        y += advance;
    }

    if (ConnectTimeShown(g)) {
        double value = SessionConnectTime(g, now);
        if (g.DisplayTotalConnectTimeInDisplay == 1)
            value += g.TotalConnectNew;
        std::string& text = Start(x, y);
        text += "Connect time: ";
        text += ConnectTimeText(value);
        y += advance;
    }

    const int period = g.RDTDSpeedUpdate;
    if (g.SPYSpeedInDisplay == 1 && period != 0) {
        const TConnectionState& cs = g.ConnectionState;
        AppendFigure(Start(x, y), "TD: ", RoundHalfEven(static_cast<double>(cs.WindowTx) / period), cs.WindowTx != 0);
        AppendFigure(Start(x + column.Width, y), "RD: ", RoundHalfEven(static_cast<double>(cs.WindowRx) / period),
                     cs.WindowRx != 0);
        y += advance;
    }

    if (g.LogTransmitDisp == 1 && period != 0) {
        const TConnectionState& cs = g.ConnectionState;
        AppendFigure(Start(x, y), "TT: ", cs.SessionTx, cs.SessionTx != 0);
        AppendFigure(Start(x + column.Width, y), "RT: ", cs.SessionRx, cs.SessionRx != 0);
    }
}

} // namespace display
