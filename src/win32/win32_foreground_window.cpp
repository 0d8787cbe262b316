#include "win32/win32_foreground_window.h"

#include <algorithm>

namespace win32 {

namespace {

HWND AsWindow(platform::WindowHandle w) { return reinterpret_cast<HWND>(w); }
platform::WindowHandle AsHandle(HWND w) { return reinterpret_cast<platform::WindowHandle>(w); }

} // namespace

platform::WindowHandle Win32ForegroundWindows::Foreground()
{
    return AsHandle(GetForegroundWindow());
}

platform::WindowHandle Win32ForegroundWindows::TopLevel(platform::WindowHandle window)
{
    HWND w = AsWindow(window);
    while (w && GetParent(w))
        w = GetParent(w);
    return AsHandle(w);
}

platform::WindowStyle Win32ForegroundWindows::Style(platform::WindowHandle window)
{
    const DWORD style = static_cast<DWORD>(GetWindowLongA(AsWindow(window), GWL_STYLE));
    platform::WindowStyle s;
    s.Caption = (style & WS_DLGFRAME) != 0;
    s.SystemMenu = (style & WS_SYSMENU) != 0;
    s.MinimiseBox = (style & WS_MINIMIZEBOX) != 0;
    s.MaximiseBox = (style & WS_MAXIMIZEBOX) != 0;
    s.SizingBorder = (style & WS_THICKFRAME) != 0;
    s.Popup = (style & WS_POPUP) != 0;
    s.Child = (style & WS_CHILD) != 0;
    s.Minimised = (style & WS_MINIMIZE) != 0;
    return s;
}

bool Win32ForegroundWindows::Rect(platform::WindowHandle window, platform::WindowRect& rect)
{
    RECT r{};
    if (!GetWindowRect(AsWindow(window), &r))
        return false;
    rect = {r.left, r.top, r.right, r.bottom};
    return true;
}

bool Win32ForegroundWindows::OfThisProcess(platform::WindowHandle window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(AsWindow(window), &process);
    return process == GetCurrentProcessId();
}

bool Win32ForegroundWindows::BeginCaption(platform::WindowHandle window)
{
    dc_.emplace(AsWindow(window));
    if (!*dc_) {
        dc_.reset();
        return false;
    }
    return true;
}

HDC Win32ForegroundWindows::TextDc()
{
    // The title font goes in for text only (none built: the DC's own).
    if (!font_)
        font_.emplace(dc_->Get(), fonts_.Font(platform::FontUse::Title));
    return dc_->Get();
}

void Win32ForegroundWindows::StretchPixels(const platform::PixelImage& source, int32_t sourceWidth, int32_t x,
                                           int32_t y, int32_t width, int32_t height)
{
    blitter_.Stretch(dc_->Get(), x, y, width, height, source, sourceWidth);
}

platform::TextSize Win32ForegroundWindows::MeasureText(std::string_view text)
{
    SIZE size{};
    GetTextExtentPoint32A(TextDc(), text.data(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

void Win32ForegroundWindows::DrawText(std::string_view text, const platform::WindowRect& place, uint32_t textColour,
                                      uint32_t background)
{
    const HDC dc = TextDc();
    RECT r{place.Left, place.Top, place.Right, place.Bottom};
    SetTextColor(dc, textColour & 0x00FFFFFF);
    SetBkColor(dc, background & 0x00FFFFFF);
    SetBkMode(dc, OPAQUE);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr); // the whole place, behind the text
    ::DrawTextA(dc, text.data(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

bool Win32ForegroundWindows::PrepareRow()
{
    if (row_.Bits)
        return true;
    row_.Dc.Reset(CreateCompatibleDC(nullptr));
    if (!row_.Dc)
        return false;
    const BITMAPINFO format = Rgb32Format(Row::Capacity, 1);
    void* bits = nullptr;
    row_.Bitmap.Reset(CreateDIBSection(row_.Dc.Get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!row_.Bitmap || !bits)
        return false;
    row_.Selected.emplace(row_.Dc.Get(), row_.Bitmap.Get());
    row_.Bits = static_cast<const uint32_t*>(bits);
    return true;
}

bool Win32ForegroundWindows::ReadRow(int32_t y, std::span<const int32_t> xs, std::span<uint32_t> colours)
{
    const std::size_t n = std::min(xs.size(), colours.size());
    if (n == 0)
        return true;
    const auto [low, high] = std::minmax_element(xs.begin(), xs.begin() + static_cast<std::ptrdiff_t>(n));
    const int32_t left = *low, width = *high - *low + 1;
    if (width > Row::Capacity || !PrepareRow() || !BitBlt(row_.Dc.Get(), 0, 0, width, 1, dc_->Get(), left, y, SRCCOPY))
        return false;
    GdiFlush();
    for (std::size_t i = 0; i < n; ++i)
        colours[i] = SwapRedBlue(row_.Bits[xs[i] - left]);
    return true;
}

void Win32ForegroundWindows::EndCaption()
{
    font_.reset(); // the old font back before the DC goes
    dc_.reset();
}

void Win32ForegroundWindows::RepaintFrame(platform::WindowHandle window)
{
    RedrawWindow(AsWindow(window), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void Win32ForegroundWindows::PostActiveCaption(platform::WindowHandle window)
{
    PostMessageA(AsWindow(window), WM_NCACTIVATE, TRUE, 0);
}

} // namespace win32
