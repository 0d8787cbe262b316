#include "win32/lamp_display_window.h"

#include "win32/frame.h"
#include "win32/window_base.h"

namespace win32 {

namespace {

// The border bits that make a window sizeable; the caption bits are left
// as they are, so a window without a title bar keeps none.
constexpr LONG SizeableBits = WS_THICKFRAME | WS_MAXIMIZEBOX;

} // namespace

LampDisplayWindow::LampDisplayWindow(HWND hwnd, HINSTANCE module, platform::Clock& clock, platform::HelperVxd& vxd,
                                     platform::SerialPorts& ports, Win32Fonts& fonts, MainWindowParts& parts)
    : hwnd_(hwnd), fonts_(fonts), resources_(module),
      display_(Settings, {resources_, metrics_, clock, vxd, ports}, *this, parts)
{
}

void LampDisplayWindow::Paint()
{
    {
        WindowDc dc(hwnd_);
        PaintOn(dc.Get());
    }
    if (presented_)
        ValidateRect(hwnd_, nullptr);
}

void LampDisplayWindow::OnPaint()
{
    PaintDc dc(hwnd_);
    PaintOn(dc.Get());
}

void LampDisplayWindow::FitBeforeShow()
{
    WindowDc dc(hwnd_);
    UseCanvas(dc.Get(), false);
}

void LampDisplayWindow::PaintOn(HDC dc)
{
    presented_ = false;
    UseCanvas(dc, true);
}

// The display measures its font in dc; the font selected before is put back.
void LampDisplayWindow::UseCanvas(HDC dc, bool paint)
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
        display_.FormPaint();
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
    if (minWidth_ > 0)
        info.ptMinTrackSize.x = minWidth_;
}

void LampDisplayWindow::SetTopmost(bool topmost)
{
    Frame(hwnd_).SetTopmost(topmost);
}

display::FontMetrics LampDisplayWindow::SelectDisplayFont()
{
    const HFONT built = fonts_.Font(platform::FontUse::Display);
    const HGDIOBJ font = built ? built : GetStockObject(SYSTEM_FONT);
    if (font_)
        SelectObject(dc_, font); // the canvas's own font is the one already kept
    else
        font_.emplace(dc_, font);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc_, &tm);
    return {static_cast<int>(tm.tmHeight), static_cast<int>(tm.tmAveCharWidth)};
}

display::TextExtent LampDisplayWindow::MeasureText(std::string_view text)
{
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    return {static_cast<int>(size.cx), static_cast<int>(size.cy)};
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
    HDC dc = dc_;
    const display::Bitmap& picture = *frame.Picture;
    const COLORREF background = GetNearestColor(dc, frame.Background);
    RECT client{};
    GetClientRect(hwnd_, &client);

    // The background around the picture and the text lines, each pixel
    // painted once: nothing is erased before it is drawn.
    SaveDC(dc);
    RECT covered{};
    if (DrawOverlay && DrawOverlay(dc, covered))
        ExcludeClipRect(dc, covered.left, covered.top, covered.right, covered.bottom);
    ExcludeClipRect(dc, frame.X, frame.Y, frame.X + picture.Width, frame.Y + picture.Height);
    for (const display::TextLine& line : frame.Lines) {
        const display::TextExtent extent = MeasureText(line.Text);
        ExcludeClipRect(dc, line.X, line.Y, line.X + extent.Width, line.Y + extent.Height);
    }
    SetBkColor(dc, background);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
    RestoreDC(dc, -1);

    blitter_.Draw(dc, frame.X, frame.Y, picture);

    // The text lines, opaque in the form colour.
    SetTextColor(dc, frame.Text);
    SetBkColor(dc, background);
    SetBkMode(dc, OPAQUE);
    for (const display::TextLine& line : frame.Lines)
        TextOutA(dc, line.X, line.Y, line.Text.data(), static_cast<int>(line.Text.size()));

    minWidth_ = frame.MinWidth;
    presented_ = true;
}

void LampDisplayWindow::Invalidate()
{
    Frame(hwnd_).Invalidate();
}

} // namespace win32
