// The lamp strip and the connect time in the caption of the window the user
// works in, drawn at every lamp-display paint (no timer of its own). The
// strip is composed here, from the title strip pictures and the title lamp
// images in the display's colours; the window only receives finished pixels
// and one line of text.
#pragma once

#include <array>
#include <string>

#include "settings/connect_time.h"
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
    // layout); otherwise it allocates nothing. A strip that the caption
    // still shows as it was drawn, with no lamp changed, is not drawn
    // again: a few of its pixels, read back after drawing, tell whether the
    // window has since redrawn its caption.
    void DrawTitleBarDisplay() override;
    // Lets the foreground window's top-level window redraw its caption as
    // active, which wipes the strip and the time.
    void RedrawForegroundCaption() override;

    // The composed strip of the last paint that drew one (full picture
    // width; the caption receives its used width).
    const Bitmap& Strip() const { return strip_; }

private:
    // Where a strip was drawn, and the colours read back at a few points of
    // its middle row just after.
    struct StripMark {
        static constexpr std::size_t Points = 4;
        platform::WindowHandle In = 0; // 0: no strip shown
        platform::WindowRect Place;
        int32_t Row = 0;
        std::array<int32_t, Points> Xs{};
        std::array<uint32_t, Points> Colours{};
    };

    platform::WindowHandle Draw(bool connected, bool timeEnabled);
    // Brings the strip picture up to date; false when there is none to
    // show. `changed`: a lamp or the picture differs from the last paint's.
    bool ComposeStrip(const TitleLayoutInfo& layout, bool& changed);
    // Whether a lamp drawn anew at this paint covers a marked point.
    bool LampsCrossMark(const platform::WindowRect& place) const;
    // Whether the caption still shows the marked strip's pixels.
    bool CaptionShowsStrip(platform::WindowHandle target);
    void MarkStrip(const platform::ForegroundWindows::Caption& caption, platform::WindowHandle target,
                   const platform::WindowRect& place);
    void Forget(platform::WindowHandle shown);

    TGVar& g_;
    TitleBarServices s_;
    DisplayPictureCache lamps_; // the title family's images
    Bitmap strip_;
    int stripLayout_ = 0;       // "Orientation Title" of strip_; 0: none loaded
    DrawnLamps stripLamps_;     // the lamps as drawn into strip_
    bool pictureNew_ = false;   // strip_ loaded anew at this paint
    LampRects changedLamps_{}; // the lamps drawn anew at this paint, in strip_
    std::size_t lampsChanged_ = 0;
    StripMark mark_;
    std::array<uint32_t, StripMark::Points> colours_{}; // read back at this paint
    ConnectTimeFormat connectTime_;
    std::string timeText_;      // the connect time drawn last, into timeIn_
    platform::WindowHandle timeIn_ = 0;
    platform::WindowHandle shownIn_ = 0; // the window the last paint drew into
    // Whether the window asked about last is Blinkery's own: a window's
    // process never changes, and asking costs a server call under Wine.
    platform::WindowHandle processAsked_ = 0;
    bool ownWindow_ = false;
};

} // namespace display
