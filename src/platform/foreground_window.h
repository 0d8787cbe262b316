// The foreground window as the title-bar strip sees it: which window it is,
// its style, place and owner, and drawing into its caption through its
// window device context (nothing is hooked or subclassed).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

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

    class Caption;
    // Drawing into the caption: borrows the window's DC and selects the
    // title-bar font for the text. The caption is false when no DC was
    // given, and draws nothing then; it gives the DC back with its old font
    // when it goes, so no path leaves another program's DC held. Nothing
    // else is created: a paint must not make GDI objects.
    Caption DrawCaption(WindowHandle window);

    // Has the window repaint its frame (RedrawWindow, RDW_FRAME |
    // RDW_INVALIDATE): it wipes what was drawn into the caption.
    virtual void RepaintFrame(WindowHandle window) = 0;
    // Posts the window a non-client activation (WM_NCACTIVATE, active), so
    // it redraws its caption as active.
    virtual void PostActiveCaption(WindowHandle window) = 0;

protected:
    // What a Caption calls while it is open: BeginCaption once (false: no
    // DC), the drawing, then EndCaption.
    virtual bool BeginCaption(WindowHandle window) = 0;
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
    // The colours the screen shows on row y of the window (its frame
    // included), one for each x; false when they cannot be read.
    virtual bool ReadRow(int32_t y, std::span<const int32_t> xs, std::span<uint32_t> colours) = 0;
    virtual void EndCaption() = 0;
};

// One caption being drawn; ends it on every path.
class ForegroundWindows::Caption {
public:
    Caption(const Caption&) = delete;
    Caption& operator=(const Caption&) = delete;
    ~Caption()
    {
        if (windows_)
            windows_->EndCaption();
    }

    explicit operator bool() const { return windows_ != nullptr; }
    void StretchPixels(const PixelImage& source, int32_t sourceWidth, int32_t x, int32_t y, int32_t width,
                       int32_t height) const
    {
        windows_->StretchPixels(source, sourceWidth, x, y, width, height);
    }
    TextSize MeasureText(std::string_view text) const { return windows_->MeasureText(text); }
    void DrawText(std::string_view text, const WindowRect& place, uint32_t textColour, uint32_t background) const
    {
        windows_->DrawText(text, place, textColour, background);
    }
    bool ReadRow(int32_t y, std::span<const int32_t> xs, std::span<uint32_t> colours) const
    {
        return windows_->ReadRow(y, xs, colours);
    }

private:
    friend class ForegroundWindows;
    explicit Caption(ForegroundWindows* windows) : windows_(windows) {}

    ForegroundWindows* windows_; // null: no DC
};

inline ForegroundWindows::Caption ForegroundWindows::DrawCaption(WindowHandle window)
{
    return Caption(BeginCaption(window) ? this : nullptr);
}

} // namespace platform
