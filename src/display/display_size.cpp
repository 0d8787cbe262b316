#include "display/display_size.h"

#include <algorithm>

namespace display {

bool ConnectTimeShown(const TGVar& g)
{
    return (g.DisplayConnectTime == 1 || g.DisplayTotalConnectTimeInDisplay == 1) && g.ModemSignals.CD;
}

int TextLineCount(const TGVar& g, const DisplayLayoutInfo& layout)
{
    if (layout.Layout < 3)
        return 0;
    return (g.StatusInDisplay == 1) + (g.SPYSpeedInDisplay == 1) + (g.LogTransmitDisp == 1) + ConnectTimeShown(g);
}

DisplaySize ComputeDisplaySize(const TGVar& g, const DisplayLayoutInfo& layout, int lineHeight,
                               platform::SystemMetrics& metrics)
{
    using platform::Metric;
    DisplaySize size;
    size.MinWidth = layout.Width + metrics.Get(Metric::CxDlgFrame);
    size.Height = layout.Height + metrics.Get(Metric::CySize) + metrics.Get(Metric::CyDlgFrame) + 1;
    if (const int lines = TextLineCount(g, layout))
        size.Height += lines * lineHeight + 1;
    if (g.NoTitleBar == 1)
        size.Height -= metrics.Get(Metric::CySize);
    // A window narrower than the system's minimum is widened to it, but
    // never below the width the picture needs.
    const int systemMinimum = metrics.Get(Metric::CxMin);
    if (g.WindowSizeX < systemMinimum)
        size.MinWidth = std::max(size.MinWidth, systemMinimum);
    return size;
}

} // namespace display
