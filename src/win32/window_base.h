// One small base for Blinkery's windows and dialogs: the procedure thunk
// keeps `this` in the window's user data and routes every message to the
// object; nothing may unwind through the system's frames. Handles the
// windows own sit in the owners of win32/handles.h.
#pragma once

#include <windows.h>

#include "win32/handles.h"

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

// A window that is never shown, with the default handling of every message
// it does not take itself: an owner, or a target for posted messages.
class HiddenWindow : public WindowBase {
public:
    bool Create(HINSTANCE instance, const char* className, DWORD exStyle = 0)
    {
        return CreateWindowOf(instance, className, nullptr, exStyle, "", WS_POPUP, 0, 0, 0, 0, nullptr);
    }
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

} // namespace win32
