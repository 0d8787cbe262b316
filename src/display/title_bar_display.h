// The lamp strip and the connect time in the caption of the window the user
// works in, drawn at every lamp-display paint (no timer of its own). The
// strip is composed here, from the title strip pictures and the title lamp
// images in the display's colours; the window only receives finished pixels
// and one line of text.
#pragma once

#include <string>

#include "settings/settings.h"
#include "monitor/window_parts.h"
#include "display/bitmap.h"
#include "display/layout_tables.h"
#include "display/picture_cache.h"
#include "platform/bitmap_resources.h"
#include "platform/clock.h"
#include "platform/foreground_window.h"
#include "platform/system_metrics.h"

namespace display {

struct TitleBarServices {
    platform::BitmapResources& Resources;
    platform::SystemMetrics& Metrics;
    platform::Clock& Clock;
    platform::ForegroundWindows& Windows;
};

// The strip layout of "Orientation Title" (sign ignored); an unknown value
// shows the default, Small Horizontal.
const TitleLayoutInfo& TitleLayoutOf(int32_t orientation);

class TitleBarDisplay final : public TitleStripPart {
public:
    TitleBarDisplay(TGVar& g, TitleBarServices services);

    // Draws the strip and the connect time into the foreground window's
    // caption as the settings ask. Reloads and recolours the strip picture
    // and the title lamps only on `ReloadTitlePictures` (or a new strip
    // layout); otherwise it allocates nothing.
    void DrawTitleBarDisplay() override;
    // Lets the foreground window's top-level window redraw its caption as
    // active, which wipes the strip and the time.
    void RedrawForegroundCaption() override;

    // The composed strip of the last paint that drew one (full picture
    // width; the caption receives its used width).
    const Bitmap& Strip() const { return strip_; }

private:
    platform::WindowHandle Draw(bool connected, bool timeEnabled);
    bool ComposeStrip(const TitleLayoutInfo& layout);
    void Forget(platform::WindowHandle shown);

    TGVar& g_;
    TitleBarServices s_;
    DisplayPictureCache lamps_; // the title family's images
    Bitmap strip_;
    int stripLayout_ = 0;       // "Orientation Title" of strip_; 0: none loaded
    std::string timeText_;      // the connect time drawn last, into timeIn_
    std::string nextText_;      // this paint's connect time
    platform::WindowHandle timeIn_ = 0;
    platform::WindowHandle shownIn_ = 0; // the window the last paint drew into
};

} // namespace display
