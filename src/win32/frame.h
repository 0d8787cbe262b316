// A window's frame as a value: caption, style, place, size, z-order, show
// and invalidate. It owns nothing; any part that holds the handle may make
// one, so every change to a window's frame goes through these few calls.
#pragma once

#include <string>

#include <windows.h>

namespace win32 {

class Frame {
public:
    explicit Frame(HWND window) : hwnd_(window) {}

    void SetCaption(const std::string& caption) const { SetWindowTextA(hwnd_, caption.c_str()); }
    // A new border style; whether it shows, is minimised, maximised or
    // disabled stays as it is.
    void SetStyle(DWORD style) const
    {
        const LONG keep = GetWindowLongA(hwnd_, GWL_STYLE) & (WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE | WS_DISABLED);
        ApplyStyle(keep | static_cast<LONG>(style));
    }
    // Sets or clears style bits; nothing when they already are so.
    void SetStyleBits(LONG bits, bool on) const
    {
        const LONG style = GetWindowLongA(hwnd_, GWL_STYLE);
        const LONG wanted = on ? style | bits : style & ~bits;
        if (wanted != style)
            ApplyStyle(wanted);
    }
    void Place(int left, int top, int width, int height) const
    {
        SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void Resize(int width, int height) const
    {
        SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT Rect() const
    {
        RECT r{};
        GetWindowRect(hwnd_, &r);
        return r;
    }
    // Topmost or not; nothing when it already is so.
    void SetTopmost(bool topmost) const
    {
        if (((GetWindowLongA(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) != topmost)
            ForceTopmost(topmost);
    }
    void ForceTopmost(bool topmost) const
    {
        SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    void Show(int command) const { ShowWindow(hwnd_, command); }
    void Invalidate() const { InvalidateRect(hwnd_, nullptr, FALSE); }
    bool Minimised() const { return IsIconic(hwnd_) != 0; }
    bool Maximised() const { return IsZoomed(hwnd_) != 0; }

private:
    void ApplyStyle(LONG style) const
    {
        SetWindowLongA(hwnd_, GWL_STYLE, style);
        SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }

    HWND hwnd_;
};

} // namespace win32
