#include "win32/window_base.h"

namespace win32 {

WindowBase::~WindowBase()
{
    if (hwnd_ && IsWindow(hwnd_)) {
        SetWindowLongA(hwnd_, GWL_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool WindowBase::CreateWindowOf(HINSTANCE instance, const char* className, HICON icon, DWORD exStyle,
                                const char* caption, DWORD style, int x, int y, int width, int height, HWND parent)
{
    WNDCLASSA existing{};
    if (!GetClassInfoA(instance, className, &existing)) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Thunk;
        wc.hInstance = instance;
        wc.hIcon = icon;
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.lpszClassName = className;
        if (!RegisterClassA(&wc))
            return false;
    }
    return CreateWindowExA(exStyle, className, caption, style, x, y, width, height, parent, nullptr, instance, this) !=
           nullptr;
}

LRESULT CALLBACK WindowBase::Thunk(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongA(hwnd, GWL_USERDATA, reinterpret_cast<LONG>(self));
    }
    auto* self = reinterpret_cast<WindowBase*>(GetWindowLongA(hwnd, GWL_USERDATA));
    if (!self)
        return DefWindowProcA(hwnd, msg, wp, lp);
    LRESULT result = 0;
    try {
        result = self->OnMessage(msg, wp, lp);
    } catch (...) {
        // Nothing may unwind through the system's frames.
        result = 0;
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongA(hwnd, GWL_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->OnDestroyed();
    }
    return result;
}

DialogBase::~DialogBase()
{
    if (modeless_ && hwnd_ && IsWindow(hwnd_)) {
        SetWindowLongA(hwnd_, DWL_USER, 0);
        DestroyWindow(hwnd_);
    }
}

INT_PTR DialogBase::RunModal(HINSTANCE instance, const char* templateName, HWND owner)
{
    return DialogBoxParamA(instance, templateName, owner, Thunk, reinterpret_cast<LPARAM>(this));
}

bool DialogBase::CreateModeless(HINSTANCE instance, const char* templateName, HWND parent)
{
    modeless_ = true;
    return CreateDialogParamA(instance, templateName, parent, Thunk, reinterpret_cast<LPARAM>(this)) != nullptr;
}

INT_PTR CALLBACK DialogBase::Thunk(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_INITDIALOG) {
        auto* self = reinterpret_cast<DialogBase*>(lp);
        self->hwnd_ = hwnd;
        SetWindowLongA(hwnd, DWL_USER, static_cast<LONG>(lp));
    }
    auto* self = reinterpret_cast<DialogBase*>(GetWindowLongA(hwnd, DWL_USER));
    if (!self)
        return FALSE;
    try {
        switch (msg) {
        case WM_INITDIALOG:
            self->OnInit();
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wp) == IDOK) {
                self->OnOk();
                return TRUE;
            }
            if (LOWORD(wp) == IDCANCEL) {
                self->OnCancel();
                return TRUE;
            }
            return self->OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp)) ? TRUE : FALSE;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (!self->OnNotify(*reinterpret_cast<const NMHDR*>(lp), result))
                return FALSE;
            SetWindowLongA(hwnd, DWL_MSGRESULT, static_cast<LONG>(result));
            return TRUE;
        }
        case WM_NCDESTROY:
            SetWindowLongA(hwnd, DWL_USER, 0);
            self->hwnd_ = nullptr;
            return FALSE;
        default: {
            INT_PTR result = FALSE;
            return self->OnOther(msg, wp, lp, result) ? result : FALSE;
        }
        }
    } catch (...) {
        return FALSE;
    }
}

} // namespace win32
