// The main window's size for a layout: the picture, the caption and frame,
// and one text line for each line shown under the lamps.
#pragma once

#include "settings/settings.h"
#include "display/layout_tables.h"
#include "platform/system_metrics.h"

namespace display {

// A connect-time line is shown: one of its two settings is on and the
// carrier is up.
bool ConnectTimeShown(const TGVar& g);

// The text lines under the lamps: status, connect time, rates, totals.
// Only the small layouts (3 to 5) have them. A rate or totals line counts
// even when "RD/TD Speed Update" is 0 and it is left empty.
int TextLineCount(const TGVar& g, const DisplayLayoutInfo& layout);

struct DisplaySize {
    int MinWidth = 0; // the narrowest the window may be
    int Height = 0;   // the window's height, caption and frame included
};

// lineHeight: the display font's character height (tmHeight).
DisplaySize ComputeDisplaySize(const TGVar& g, const DisplayLayoutInfo& layout, int lineHeight,
                               platform::SystemMetrics& metrics);

} // namespace display
