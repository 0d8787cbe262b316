#include "win32/main_menu.h"

namespace win32 {

void MainMenu::AddSystemMenuItems()
{
    HMENU menu = GetSystemMenu(hwnd_, FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, CmdSetup, "&Setup...");
    AppendMenuA(menu, MF_STRING, CmdAbout, "&About...");
    AppendMenuA(menu, MF_STRING, CmdHelp, "&HELP");
}

void MainMenu::SetUpdateNowItem(bool present)
{
    HMENU menu = GetSystemMenu(hwnd_, FALSE);
    DeleteMenu(menu, CmdUpdateNow, MF_BYCOMMAND);
    if (present)
        AppendMenuA(menu, MF_STRING, CmdUpdateNow, "Update Lamps &Now!");
}

} // namespace win32
