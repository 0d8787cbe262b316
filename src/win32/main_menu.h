// The main window's menus and keys on Win32: the items added to its system
// menu at start-up, "Update Lamps &Now!" while the timer is off, and the
// popup menu, whose items take their state from the settings each time it
// pops up. Which command an item, key or system command means, and what it
// does, is the core's (app/main_menu.h).
#pragma once

#include <functional>
#include <optional>

#include <windows.h>

#include "app/main_menu.h"
#include "monitor/window_parts.h"
#include "win32/window_base.h"

namespace win32 {

enum SystemCommand : WPARAM {
    CmdUpdateNow = 300,
    CmdSetup = 301,
    CmdHelp = 302,
    CmdAbout = 303,
};

class MainMenu final : public MenuPart {
public:
    // The paint's minimised duties, run by the main window after the paint,
    // and the restore on activity.
    std::function<void()> RequestMinimisedDuties, RequestAutoRestore;

    void SetWindow(HWND hwnd);
    // The popup menu, for the window's right click and the tray icon.
    HMENU Popup() const { return popup_.Get(); }
    // WM_INITMENUPOPUP of the popup: its items as the settings are now.
    void Refresh(HMENU menu, const TGVar& g);
    // The popup item behind a WM_COMMAND identifier.
    static std::optional<MenuCommand> CommandOf(WPARAM id);
    // Shows the popup at a screen point; the choice arrives as WM_COMMAND.
    void ShowPopup(POINT at);

    // MenuPart
    void AddSystemMenuItems() override;
    void SetUpdateNowItem(bool present) override;
    void MinimiseApplication() override;
    void MinimisedDuties() override;
    void AutoRestore() override;
    bool OnTopActive() override { return Settings.OnTopActive; }

private:
    HWND hwnd_ = nullptr;
    OwnedMenu popup_;
};

} // namespace win32
