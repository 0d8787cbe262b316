// Handles that free themselves: one owner for any handle type with its own
// empty value and closer, a borrowed device context given back on every
// path (GetDC, GetWindowDC, BeginPaint), and a selected GDI object that
// puts the old one back.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace win32 {

template <typename Handle>
constexpr Handle NoHandle()
{
    return nullptr;
}

// Files and searches say "none" with INVALID_HANDLE_VALUE.
inline HANDLE InvalidHandle()
{
    return INVALID_HANDLE_VALUE;
}

// Owns one handle and frees it with Free on every path; Empty() is the
// value that holds nothing.
template <typename Handle, auto Free, Handle (*Empty)() = NoHandle<Handle>>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle h) : h_(h) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : h_(other.Release()) {}
    Owned& operator=(Owned&& other) noexcept
    {
        Reset(other.Release());
        return *this;
    }
    ~Owned() { Reset(); }

    Handle Get() const { return h_; }
    explicit operator bool() const { return h_ != Empty(); }
    void Reset(Handle h = Empty())
    {
        if (h_ != Empty())
            Free(h_);
        h_ = h;
    }
    // Gives the handle up without freeing it.
    Handle Release() { return std::exchange(h_, Empty()); }

private:
    Handle h_ = Empty();
};

using OwnedMenu = Owned<HMENU, DestroyMenu>;
using OwnedFont = Owned<HFONT, DeleteObject>;
using OwnedBitmap = Owned<HBITMAP, DeleteObject>;
using OwnedBrush = Owned<HBRUSH, DeleteObject>;
using OwnedMemoryDc = Owned<HDC, DeleteDC>;
using OwnedHandle = Owned<HANDLE, CloseHandle>; // processes, tokens
using OwnedFile = Owned<HANDLE, CloseHandle, InvalidHandle>;
using OwnedFind = Owned<HANDLE, FindClose, InvalidHandle>;
using OwnedKey = Owned<HKEY, RegCloseKey>;
using OwnedLibrary = Owned<HMODULE, FreeLibrary>;

// An existing file opened for reading, others may read and write it.
inline OwnedFile OpenToRead(const std::string& path)
{
    return OwnedFile(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// A window's device context borrowed with Borrow (GetDC: the client area,
// GetWindowDC: the whole window with its caption) and given back on every
// path. The screen's is the one of window 0.
template <HDC(WINAPI* Borrow)(HWND)>
class BorrowedDc {
public:
    explicit BorrowedDc(HWND hwnd) : hwnd_(hwnd), dc_(Borrow(hwnd)) {}
    BorrowedDc(const BorrowedDc&) = delete;
    BorrowedDc& operator=(const BorrowedDc&) = delete;
    ~BorrowedDc()
    {
        if (dc_)
            ReleaseDC(hwnd_, dc_);
    }
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};

using WindowDc = BorrowedDc<GetDC>;
using WholeWindowDc = BorrowedDc<GetWindowDC>;

// WM_PAINT's BeginPaint and EndPaint, the latter on every path.
class PaintDc {
public:
    explicit PaintDc(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { EndPaint(hwnd_, &ps_); }
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// Selects an object into a DC and puts the one it replaced back on every
// path; a null object selects nothing.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(dc && object ? SelectObject(dc, object) : nullptr) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject()
    {
        if (old_)
            SelectObject(dc_, old_);
    }

private:
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace win32
