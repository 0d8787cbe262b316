// The main window's lamp display: `FormPaint` sizes the window to the
// layout, draws the lamps into the layout picture and shows it with the
// text lines; `FormResize` notes a new size. The window itself is reached
// through LampWindow; the steps that other parts of the program own are
// called through the main window's parts at their place in the paint.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "settings/settings.h"
#include "monitor/window_parts.h"
#include "display/bitmap.h"
#include "display/display_text.h"
#include "display/picture_cache.h"
#include "platform/bitmap_resources.h"
#include "platform/clock.h"
#include "platform/helper_vxd.h"
#include "platform/serial.h"
#include "platform/system_metrics.h"

namespace display {

struct DisplayLayoutInfo;

// The picture's top two rows lie above the client area.
inline constexpr int PictureTop = -2;

struct FontMetrics {
    int Height = 0;       // tmHeight: the height of a text line
    int AveCharWidth = 0; // tmAveCharWidth
};

// What one paint shows in the client area. A frame that is not whole
// differs from the one presented before only in the lamps listed, the text
// lines marked changed and, when marked, the in-display graph.
struct LampFrame {
    const Bitmap* Picture = nullptr;
    int X = 0; // client position of the picture's top-left corner
    int Y = PictureTop;
    std::span<const TextLine> Lines; // in the display font, "TextColor" on the background
    Colour Background = 0;           // the form colour: the client area around picture and text
    Colour Text = 0;
    bool Whole = true;
    std::span<const PixelRect> Lamps; // in picture coordinates
    bool GraphChanged = false;
};

// Why the display paints: the poll tick asks for what changed, the system
// for the whole client area (uncovered, restored, resized).
enum class PaintScope { Changes, Whole };

// The main window as the display uses it.
class LampWindow {
public:
    virtual ~LampWindow() = default;
    // Topmost or not; the window is neither moved, sized nor activated.
    virtual void SetTopmost(bool topmost) = 0;
    // Selects the display font into the window's canvas and gives its metrics.
    virtual FontMetrics SelectDisplayFont() = 0;
    // The extent of text in the selected font.
    virtual TextExtent MeasureText(std::string_view text) = 0;
    // A sizeable border, or a fixed single one.
    virtual void SetSizeable(bool sizeable) = 0;
    // New outer size; the window is neither moved, re-ordered nor activated.
    virtual void Resize(int width, int height) = 0;
    virtual int ClientWidth() = 0;
    // Draws the frame; every client pixel is painted once, nothing is
    // erased first, so the panel does not flicker.
    virtual void Present(const LampFrame& frame) = 0;
    // Invalidates the whole client area without erasing it.
    virtual void Invalidate() = 0;
};

struct LampDisplayServices {
    platform::BitmapResources& Resources;
    platform::SystemMetrics& Metrics;
    platform::Clock& Clock;
    platform::HelperVxd& Vxd;
    platform::SerialPorts& Ports;
};

class TLampDisplay {
public:
    TLampDisplay(TGVar& g, LampDisplayServices services, LampWindow& window, MainWindowParts& parts);

    // The main window's paint; also called by the poll tick when a repaint
    // is requested. Clears `RepaintRequested`, `ReloadPictures` and
    // `DisplayResized`. For changes only, a paint at which nothing shown
    // changed presents nothing.
    void FormPaint(PaintScope scope = PaintScope::Whole);
    // Sizes the window and its border for the layout as the paint does, but
    // draws nothing and runs no other part's step: called before the window
    // first shows, so it never shows at its opening size.
    void FitBeforeShow();
    // The window's new outer size.
    void FormResize(int width, int height);

    // Kept between paints; the window may not be made narrower than MinWidth.
    int MinWidth() const { return minWidth_; }
    int DisplayHeight() const { return displayHeight_; }
    const FontMetrics& TextMetrics() const { return font_; }

    DisplayPictureCache& Pictures() { return pictures_; }
    const DisplayText& Text() const { return text_; }

private:
    // The paint's sizing steps; gives the layout, or null when minimised or
    // the layout is unknown.
    const DisplayLayoutInfo* FitWindow();

    TGVar& g_;
    LampDisplayServices s_;
    LampWindow& window_;
    MainWindowParts& parts_;
    DisplayPictureCache pictures_;
    DisplayText text_;
    FontMetrics font_;
    int minWidth_ = 0;
    int displayHeight_ = 0;
    bool graphChanged_ = false;

    // What the window shows, as last presented.
    struct Shown {
        const DisplayLayoutInfo* Layout = nullptr;
        int X = 0;
        int ClientWidth = 0;
        Colour Background = 0;
        Colour Text = 0;
        std::size_t Lines = 0;
        friend bool operator==(const Shown&, const Shown&) = default;
    };
    Shown shown_;
    DrawnLamps lamps_;
    LampRects changedLamps_{};
};

} // namespace display
