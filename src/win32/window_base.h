// One small base for Blinkery's windows and dialogs: the procedure thunk
// keeps `this` in the window's user data and routes every message to the
// object; nothing may unwind through the system's frames. Handles the
// windows own sit in small wrappers that free them on every path.
#pragma once

#include <windows.h>

#include <utility>

namespace win32 {

class WindowBase {
public:
    WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;
    virtual ~WindowBase();

    HWND Handle() const { return hwnd_; }

protected:
    // Registers the class (once per class name) and creates the window.
    bool CreateWindowOf(HINSTANCE instance, const char* className, HICON icon, DWORD exStyle, const char* caption,
                        DWORD style, int x, int y, int width, int height, HWND parent);
    // The window's messages; the default handling for what it leaves.
    virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(hwnd_, msg, wp, lp); }
    // The window is gone (WM_NCDESTROY): the handle is forgotten.
    virtual void OnDestroyed() {}

private:
    static LRESULT CALLBACK Thunk(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    HWND hwnd_ = nullptr;
};

// A dialog from a template of the program's resources, modal or modeless
// (a child page too), with the named hooks a page needs.
class DialogBase {
public:
    DialogBase() = default;
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;
    virtual ~DialogBase();

    HWND Handle() const { return hwnd_; }
    // Shows the dialog modally; the button that ended it (IDOK, IDCANCEL),
    // or -1 when it could not be shown.
    INT_PTR RunModal(HINSTANCE instance, const char* templateName, HWND owner);
    // Creates the dialog modeless (hidden unless its template says
    // WS_VISIBLE); destroyed with the object.
    bool CreateModeless(HINSTANCE instance, const char* templateName, HWND parent);

protected:
    virtual void OnInit() {}
    virtual bool OnCommand(WORD /*id*/, WORD /*code*/, HWND /*control*/) { return false; }
    // A notification; result is the message's result when handled.
    virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    virtual void OnOk() { EndDialog(hwnd_, IDOK); }
    virtual void OnCancel() { EndDialog(hwnd_, IDCANCEL); }
    // Any other message; true when handled (result as the dialog
    // procedure's return value).
    virtual bool OnOther(UINT /*msg*/, WPARAM /*wp*/, LPARAM /*lp*/, INT_PTR& /*result*/) { return false; }

private:
    static INT_PTR CALLBACK Thunk(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    HWND hwnd_ = nullptr;
    bool modeless_ = false;
};

// Owns one handle and frees it with Free on every path.
template <typename Handle, BOOL(WINAPI* Free)(Handle)>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle h) : h_(h) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    Owned& operator=(Owned&& other) noexcept
    {
        Reset(std::exchange(other.h_, nullptr));
        return *this;
    }
    ~Owned() { Reset(); }

    Handle Get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    void Reset(Handle h = nullptr)
    {
        if (h_)
            Free(h_);
        h_ = h;
    }

private:
    Handle h_ = nullptr;
};

using OwnedIcon = Owned<HICON, DestroyIcon>;
using OwnedMenu = Owned<HMENU, DestroyMenu>;

inline BOOL WINAPI DeleteFontObject(HFONT font)
{
    return DeleteObject(font);
}
using OwnedFont = Owned<HFONT, DeleteFontObject>;

// A window's device context for drawing outside WM_PAINT, released on
// every path.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() { ReleaseDC(hwnd_, dc_); }
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

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

} // namespace win32
