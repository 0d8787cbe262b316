// The tray icon on Win32: the hidden message window that receives the
// shell's callbacks, the deferred calls and the tray timer; the shell, the
// desktop and the application window as the tray's core asks for them;
// and the main window's tray part (the icon follows the modem at each
// paint). The application window is the main window itself: it owns the
// task-bar button, which an owner ("TTrayApplication", hidden) takes away.
#pragma once

#include <functional>

#include <windows.h>

#include "tray/tray_icon.h"
#include "tray/tray_update.h"
#include "monitor/window_parts.h"
#include "platform/tray.h"
#include "win32/window_base.h"

namespace win32 {

// The forms the tray knows: the main window and the settings dialog.
enum TrayForm : platform::TrayHandle { MainForm = 1, SetupForm = 2 };

class Win32Tray final : public TrayPart,
                        private HiddenWindow,
                        private platform::TrayShell,
                        private platform::SystemTimer,
                        private platform::TrayDesktop,
                        private platform::TrayApplication,
                        private platform::IconLoader {
public:
    struct Forms {
        std::function<HWND()> SetupWindow;                  // the settings dialog while it shows
        std::function<int32_t()> RunSetupModal;             // shows it modally; IDOK or IDCANCEL
    };

    Win32Tray(platform::Clock& clock, platform::HelperVxd& vxd, platform::SerialPorts& ports);
    ~Win32Tray() override;

    // Creates the message window; app is the main window.
    bool Create(HINSTANCE instance, HWND app, Forms forms);
    TTrayIcon95& Icon() { return tray_; }

    // TrayPart
    void LoadTrayIcons() override;
    void ShowTrayIcon(bool hideApplication) override;
    void UpdateTrayIcon() override;
    bool TrayIconShown() override { return tray_.Active(); }
    void ShowFromTray() override { tray_.ShowApplication(); }

    // Switches the icon on and updates it at once, or off (and brings the
    // application back from the tray).
    void SetIconActive(bool active);
    // The settings dialog through the tray: modally (true for OK), or a
    // dialog that shows to the front.
    bool ShowSetupModal() { return tray_.ShowModalForm(SetupForm) == IDOK; }
    void BringSetupToFront() { tray_.ShowForm(SetupForm); }
    // Frees the icons; the icon leaves the tray.
    void Release();

private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    HWND FormWindow(platform::TrayHandle form);

    // platform::TrayShell
    bool Notify(platform::TrayCommand command, const platform::TrayRecord& record) override;
    // platform::SystemTimer
    void Start(uint32_t periodMs) override;
    void Stop() override;
    // platform::TrayDesktop
    platform::TrayHandle MessageWindow() override { return reinterpret_cast<platform::TrayHandle>(Handle()); }
    bool PostDeferred() override;
    platform::CursorPoint CursorPos() override;
    bool KeyDown(int virtualKey) override { return (GetKeyState(virtualKey) & 0x8000) != 0; }
    void ApplicationToForeground() override { SetForegroundWindow(app_); }
    void ProcessMessages() override;
    void Popup(platform::TrayHandle menu, platform::CursorPoint at) override;
    void PostToApplication(uint32_t message) override { PostMessageA(app_, message, 0, 0); }
    void DesktopToForeground() override { SetForegroundWindow(GetDesktopWindow()); }
    // platform::TrayApplication
    bool UnderHiddenParent() override;
    void ReleaseFromHiddenParent() override;
    void NormalizeTopMosts() override {}
    void Activate() override { SetActiveWindow(app_); }
    void Minimize() override { ShowWindow(app_, SW_MINIMIZE); }
    void Restore() override { ShowWindow(app_, SW_RESTORE); }
    bool IsMinimized() override { return IsIconic(app_) != 0; }
    bool MinimizeAnimation() override;
    void SetMinimizeAnimation(bool on) override;
    bool WindowVisible() override { return IsWindowVisible(app_) != 0; }
    void HideWindow() override { ShowWindow(app_, SW_HIDE); }
    void ShowWindowNormal() override { ShowWindow(app_, IsIconic(app_) ? SW_RESTORE : SW_SHOWNOACTIVATE); }
    void ToForeground() override { SetForegroundWindow(app_); }
    platform::TrayHandle MainForm() override { return TrayForm::MainForm; }
    size_t FormCount() override { return 2; }
    platform::TrayHandle Form(size_t index) override { return index == 0 ? TrayForm::MainForm : TrayForm::SetupForm; }
    bool FormVisible(platform::TrayHandle form) override;
    void ShowForm(platform::TrayHandle form) override;
    int32_t ShowModal(platform::TrayHandle form) override;
    void HideForm(platform::TrayHandle form) override;
    void CloseForm(platform::TrayHandle form) override;
    void FormToForeground(platform::TrayHandle form) override;
    void RunShowHandler(platform::TrayHandle) override {}
    // platform::IconLoader
    platform::TrayHandle LoadResourceIcon(std::string_view name) override;
    platform::TrayHandle LoadIconFile(std::string_view path) override;
    void FreeIcon(platform::TrayHandle icon) override;

    HINSTANCE instance_ = nullptr;
    HWND app_ = nullptr;
    HiddenWindow hiddenParent_; // owns the main window while it has no task-bar button
    Forms forms_;
    UINT taskbarCreated_ = 0;
    TTrayIcon95 tray_;
    TTrayUpdate update_;
};

} // namespace win32
