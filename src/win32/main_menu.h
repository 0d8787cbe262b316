// The main window's menus and keys: the items added to its system menu at
// start-up, "Update Lamps &Now!" while the timer is off, and the popup menu.
#pragma once

#include <windows.h>

#include "app/window_parts.h"

namespace win32 {

enum SystemCommand : WPARAM {
    CmdUpdateNow = 300,
    CmdSetup = 301,
    CmdHelp = 302,
    CmdAbout = 303,
};

class MainMenu final : public MenuPart {
public:
    void SetWindow(HWND hwnd) { hwnd_ = hwnd; }

    // MenuPart
    void AddSystemMenuItems() override;
    void SetUpdateNowItem(bool present) override;

private:
    HWND hwnd_ = nullptr;
};

} // namespace win32
