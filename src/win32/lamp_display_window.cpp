#include "win32/lamp_display_window.h"

#include <algorithm>

#include "win32/frame.h"
#include "win32/window_base.h"

namespace win32 {

namespace {

// The border bits that make a window sizeable; the caption bits are left
// as they are, so a window without a title bar keeps none.
constexpr LONG SizeableBits = WS_THICKFRAME | WS_MAXIMIZEBOX;

} // namespace

LampDisplayWindow::LampDisplayWindow(HWND hwnd, HINSTANCE module, platform::Clock& clock, platform::HelperVxd& vxd,
                                     platform::SerialPorts& ports, platform::SystemMetrics& metrics, Win32Fonts& fonts,
                                     MainWindowParts& parts)
    : hwnd_(hwnd), fonts_(fonts), resources_(module),
      display_(Settings, {resources_, metrics, clock, vxd, ports}, *this, parts)
{
}

void LampDisplayWindow::Paint()
{
    // Only what changed: an area the system has invalidated keeps its
    // WM_PAINT, which paints it whole.
    WindowDc dc(hwnd_);
    UseCanvas(dc.Get(), true, display::PaintScope::Changes);
}

void LampDisplayWindow::OnPaint()
{
    PaintDc dc(hwnd_);
    UseCanvas(dc.Get(), true, display::PaintScope::Whole);
}

void LampDisplayWindow::FitBeforeShow()
{
    WindowDc dc(hwnd_);
    UseCanvas(dc.Get(), false);
}

// The display measures its font in dc; the font selected before is put back.
void LampDisplayWindow::UseCanvas(HDC dc, bool paint, display::PaintScope scope)
{
    // The display's font leaves the canvas however the paint ends.
    struct Canvas {
        LampDisplayWindow& w;
        Canvas(LampDisplayWindow& window, HDC dc) : w(window) { w.dc_ = dc; }
        ~Canvas()
        {
            w.font_.reset();
            w.dc_ = nullptr;
        }
    } canvas(*this, dc);
    if (paint)
        display_.FormPaint(scope);
    else
        display_.FitBeforeShow();
}

void LampDisplayWindow::OnSize(WPARAM type)
{
    if (type == SIZE_MINIMIZED)
        return; // the restored size is the one to keep
    const RECT r = Frame(hwnd_).Rect();
    display_.FormResize(r.right - r.left, r.bottom - r.top);
}

void LampDisplayWindow::OnGetMinMaxInfo(MINMAXINFO& info) const
{
    if (display_.MinWidth() > 0)
        info.ptMinTrackSize.x = display_.MinWidth();
}

void LampDisplayWindow::SetTopmost(bool topmost)
{
    Frame(hwnd_).SetTopmost(topmost);
}

display::FontMetrics LampDisplayWindow::SelectDisplayFont()
{
    const HFONT built = fonts_.Font(platform::FontUse::Display);
    textFont_ = built ? built : GetStockObject(SYSTEM_FONT);
    if (font_)
        SelectObject(dc_, textFont_); // the canvas's own font is the one already kept
    TEXTMETRICA tm{};
    GetTextMetricsA(MeasureDc(), &tm);
    return {static_cast<int>(tm.tmHeight), static_cast<int>(tm.tmAveCharWidth)};
}

display::TextExtent LampDisplayWindow::MeasureText(std::string_view text)
{
    SIZE size{};
    GetTextExtentPoint32A(MeasureDc(), text.data(), static_cast<int>(text.size()), &size);
    return {static_cast<int>(size.cx), static_cast<int>(size.cy)};
}

HDC LampDisplayWindow::MeasureDc()
{
    const HDC measuring = fonts_.MeasuringDc(platform::FontUse::Display);
    return measuring ? measuring : TextDc();
}

HDC LampDisplayWindow::TextDc()
{
    // The display font goes into the canvas only for text drawn there.
    if (!font_)
        font_.emplace(dc_, textFont_);
    return dc_;
}

void LampDisplayWindow::SetSizeable(bool sizeable)
{
    Frame(hwnd_).SetStyleBits(SizeableBits, sizeable);
}

void LampDisplayWindow::Resize(int width, int height)
{
    // A minimised window keeps its icon; the size is applied once it is back.
    const Frame frame(hwnd_);
    const RECT r = frame.Rect();
    if (frame.Minimised() || (r.right - r.left == width && r.bottom - r.top == height))
        return;
    frame.Resize(width, height);
}

int LampDisplayWindow::ClientWidth()
{
    RECT r{};
    GetClientRect(hwnd_, &r);
    return r.right - r.left;
}

void LampDisplayWindow::Present(const display::LampFrame& frame)
{
    // The background and the text lines' cells in the form colour.
    SetTextColor(dc_, frame.Text);
    SetBkColor(dc_, GetNearestColor(dc_, frame.Background));
    SetBkMode(dc_, OPAQUE);
    if (frame.Whole || !PresentChanges(frame))
        PresentWhole(frame);
}

void LampDisplayWindow::PresentWhole(const display::LampFrame& frame)
{
    HDC dc = dc_;
    const display::Bitmap& picture = *frame.Picture;
    RECT client{};
    GetClientRect(hwnd_, &client);

    // The background around the picture and the text lines, each pixel
    // painted once: nothing is erased before it is drawn.
    SaveDC(dc);
    overlay_ = {};
    if (DrawOverlay && DrawOverlay(dc, overlay_))
        ExcludeClipRect(dc, overlay_.left, overlay_.top, overlay_.right, overlay_.bottom);
    ExcludeClipRect(dc, frame.X, frame.Y, frame.X + picture.Width, frame.Y + picture.Height);
    for (std::size_t i = 0; i < frame.Lines.size(); ++i) {
        const display::TextLine& line = frame.Lines[i];
        const display::TextExtent extent = MeasureText(line.Text);
        ExcludeClipRect(dc, line.X, line.Y, line.X + extent.Width, line.Y + extent.Height);
        lineWidths_[i] = extent.Width;
    }
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
    RestoreDC(dc, -1);

    blitter_.Draw(dc, frame.X, frame.Y, picture);

    for (const display::TextLine& line : frame.Lines)
        TextOutA(TextDc(), line.X, line.Y, line.Text.data(), static_cast<int>(line.Text.size()));
}

bool LampDisplayWindow::PresentChanges(const display::LampFrame& frame)
{
    HDC dc = dc_;
    if (frame.GraphChanged) {
        RECT covered{};
        if (!DrawOverlay || !DrawOverlay(dc, covered) || !EqualRect(&covered, &overlay_))
            return false;
    }
    for (const display::PixelRect& lamp : frame.Lamps)
        blitter_.Draw(dc, frame.X, frame.Y, *frame.Picture, lamp);
    // A changed line covers what it showed before, as far as it reached.
    for (std::size_t i = 0; i < frame.Lines.size(); ++i) {
        const display::TextLine& line = frame.Lines[i];
        if (!line.Changed)
            continue;
        const display::TextExtent extent = MeasureText(line.Text);
        int& width = lineWidths_[i];
        const RECT r{line.X, line.Y, line.X + std::max(extent.Width, width), line.Y + extent.Height};
        ExtTextOutA(TextDc(), line.X, line.Y, ETO_OPAQUE, &r, line.Text.data(), static_cast<UINT>(line.Text.size()),
                    nullptr);
        width = extent.Width;
    }
    return true;
}

void LampDisplayWindow::Invalidate()
{
    Frame(hwnd_).Invalidate();
}

} // namespace win32
