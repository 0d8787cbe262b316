// The foreground window as the title-bar strip sees it: which window it is,
// its style, place and owner, and drawing into its caption through its
// window device context (nothing is hooked or subclassed).
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/fonts.h"

namespace platform {

// A window; 0 means none.
using WindowHandle = uintptr_t;

// The style bits the strip's rules look at.
struct WindowStyle {
    bool Caption = false;      // WS_DLGFRAME, the bit WS_CAPTION adds to WS_BORDER
    bool SystemMenu = false;   // WS_SYSMENU
    bool MinimiseBox = false;  // WS_MINIMIZEBOX
    bool MaximiseBox = false;  // WS_MAXIMIZEBOX
    bool SizingBorder = false; // WS_THICKFRAME
    bool Popup = false;        // WS_POPUP
    bool Child = false;        // WS_CHILD
    bool Minimised = false;    // WS_MINIMIZE

    bool operator==(const WindowStyle&) const = default;
};

// A rectangle: a window on the screen, or a place inside a window
// relative to its top-left corner (window DC coordinates).
struct WindowRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    bool operator==(const WindowRect&) const = default;
};

// Pixels 0x00BBGGRR, top row first, Width per row.
struct PixelImage {
    const uint32_t* Pixels = nullptr;
    int32_t Width = 0;
    int32_t Height = 0;
};

struct TextSize {
    int32_t Width = 0;
    int32_t Height = 0;
};

class ForegroundWindows {
public:
    virtual ~ForegroundWindows() = default;

    // The window the user works in; 0 when there is none.
    virtual WindowHandle Foreground() = 0;
    // The window at the top of the parent chain (GetParent until there is
    // none; GetAncestor is missing on Windows 95).
    virtual WindowHandle TopLevel(WindowHandle window) = 0;
    virtual WindowStyle Style(WindowHandle window) = 0;
    // The window's screen rectangle; false when it cannot be read.
    virtual bool Rect(WindowHandle window, WindowRect& rect) = 0;
    // True for every window of Blinkery's own process: the main window, the
    // settings dialog, the throughput window, message boxes.
    virtual bool OfThisProcess(WindowHandle window) = 0;

    // Drawing into the caption. BeginCaption borrows the window's DC and
    // selects `font` (0: leave the DC's font) for the text; false when no DC
    // was given, and nothing else may be called then. EndCaption gives the
    // DC back with its old font. Nothing else is created: a paint must not
    // make GDI objects.
    virtual bool BeginCaption(WindowHandle window, FontHandle font) = 0;
    // Stretches the left `sourceWidth` columns of `source` (all its rows)
    // into the rectangle of width x height at (x, y).
    virtual void StretchPixels(const PixelImage& source, int32_t sourceWidth, int32_t x, int32_t y, int32_t width,
                               int32_t height) = 0;
    // The extent of the text in the selected font.
    virtual TextSize MeasureText(std::string_view text) = 0;
    // One line, vertically centred in `place`, opaque: `background` fills
    // the rectangle behind the text.
    virtual void DrawText(std::string_view text, const WindowRect& place, uint32_t textColour,
                          uint32_t background) = 0;
    virtual void EndCaption() = 0;

    // Has the window repaint its frame (RedrawWindow, RDW_FRAME |
    // RDW_INVALIDATE): it wipes what was drawn into the caption.
    virtual void RepaintFrame(WindowHandle window) = 0;
    // Posts the window a non-client activation (WM_NCACTIVATE, active), so
    // it redraws its caption as active.
    virtual void PostActiveCaption(WindowHandle window) = 0;
};

} // namespace platform
