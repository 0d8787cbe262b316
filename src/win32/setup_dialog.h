// The settings dialog as the main window's setup part. Until its pages
// exist it is a small modal dialog captioned "Blinkery Settings" with OK
// and Cancel.
#pragma once

#include <functional>

#include <windows.h>

#include "app/settings.h"
#include "app/window_parts.h"
#include "win32/win32_ras.h"
#include "win32/window_base.h"

namespace win32 {

class SetupDialog final : public SetupPart, private DialogBase {
public:
    // The tray follows the dialog: shown, and about to close.
    std::function<void()> OnShown, OnClosing;

    explicit SetupDialog(Win32Ras& ras) : ras_(ras) {}
    void SetInstance(HINSTANCE instance) { instance_ = instance; }

    // Shows the dialog modally over owner; true for OK.
    bool ShowModal(HWND owner);
    bool Visible() const { return Handle() && IsWindowVisible(Handle()); }
    HWND Window() const { return Handle(); }

    // SetupPart
    void ConnectRasEvents() override;

private:
    void OnInit() override;
    void OnOk() override;
    void OnCancel() override;

    HINSTANCE instance_ = nullptr;
    Win32Ras& ras_;
};

} // namespace win32
