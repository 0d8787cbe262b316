// The lamp display on the main window: runs the display's paint on the
// window's device context, and carries its size, border and stacking
// requests out with as few window calls as possible. It keeps no GDI
// objects: the picture goes to the screen straight from its pixels, the
// background is filled with the background colour, and the display font is
// Win32Fonts'.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <windows.h>

#include "display/lamp_display.h"
#include "win32/dib_blit.h"
#include "win32/handles.h"
#include "win32/win32_bitmap_resources.h"
#include "win32/win32_fonts.h"

namespace win32 {

class LampDisplayWindow final : private display::LampWindow {
public:
    LampDisplayWindow(HWND hwnd, HINSTANCE module, platform::Clock& clock, platform::HelperVxd& vxd,
                      platform::SerialPorts& ports, platform::SystemMetrics& metrics, Win32Fonts& fonts,
                      MainWindowParts& parts);
    LampDisplayWindow(const LampDisplayWindow&) = delete;
    LampDisplayWindow& operator=(const LampDisplayWindow&) = delete;

    // The poll tick's repaint: paints what changed at once. An area the
    // system has invalidated is left to WM_PAINT, which paints it whole.
    void Paint();
    // WM_PAINT.
    void OnPaint();
    // Sizes the hidden window for its layout before it first shows.
    void FitBeforeShow();
    // WM_SIZE.
    void OnSize(WPARAM type);
    // WM_GETMINMAXINFO: the display's minimum width.
    void OnGetMinMaxInfo(MINMAXINFO& info) const;
    // Draws what else shares the client area (the in-display graph) and
    // gives the rectangle it covered; false when there is nothing.
    std::function<bool(HDC, RECT&)> DrawOverlay;

    // The window height the display computed at its last paint.
    int DisplayHeight() const { return display_.DisplayHeight(); }

private:
    void UseCanvas(HDC dc, bool paint, display::PaintScope scope = display::PaintScope::Whole);
    void PresentWhole(const display::LampFrame& frame);
    // Where text is measured: the fonts' memory DC, else the canvas.
    HDC MeasureDc();
    // The canvas with the display font selected.
    HDC TextDc();
    // False when the in-display graph moved, so the whole frame must go.
    bool PresentChanges(const display::LampFrame& frame);

    // display::LampWindow
    void SetTopmost(bool topmost) override;
    display::FontMetrics SelectDisplayFont() override;
    display::TextExtent MeasureText(std::string_view text) override;
    void SetSizeable(bool sizeable) override;
    void Resize(int width, int height) override;
    int ClientWidth() override;
    void Present(const display::LampFrame& frame) override;
    void Invalidate() override;

    HWND hwnd_;
    Win32Fonts& fonts_;
    Win32BitmapResources resources_;
    display::TLampDisplay display_;
    HDC dc_ = nullptr;                  // the canvas of the paint running
    std::optional<SelectedObject> font_; // the display font there, over the canvas's own, once text is drawn
    HGDIOBJ textFont_ = nullptr;         // the display font of this paint
    DibBlitter blitter_;
    std::array<int, display::MaxTextLines> lineWidths_{}; // the text lines' widths as drawn
    RECT overlay_{};                  // where the in-display graph was drawn
};

} // namespace win32
