#include "win32/main_menu.h"

#include <string>

namespace win32 {

namespace {

// Popup items are WM_COMMAND identifiers from here on, in table order.
constexpr WPARAM FirstPopupId = 1000;

} // namespace

void MainMenu::SetWindow(HWND hwnd)
{
    hwnd_ = hwnd;
    popup_.Reset(CreatePopupMenu());
}

void MainMenu::Refresh(HMENU menu, const TGVar& g)
{
    if (menu != popup_.Get())
        return;
    while (GetMenuItemCount(menu) > 0)
        DeleteMenu(menu, 0, MF_BYPOSITION);
    const auto items = PopupMenuItems();
    for (size_t i = 0; i < items.size(); ++i) {
        const PopupMenuItem& item = items[i];
        const PopupItemState state = PopupItemStateOf(g, item.Command);
        if (!state.Visible) // a hidden item takes its separator with it
            continue;
        if (item.SeparatorBefore)
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        const std::string text(item.Text);
        UINT flags = MF_STRING | (state.Checked ? MF_CHECKED : 0) | (state.Enabled ? 0 : MF_GRAYED);
        AppendMenuA(menu, flags, FirstPopupId + i, text.c_str());
        if (item.Default)
            SetMenuDefaultItem(menu, static_cast<UINT>(FirstPopupId + i), FALSE);
    }
}

std::optional<MenuCommand> MainMenu::CommandOf(WPARAM id)
{
    const auto items = PopupMenuItems();
    const WPARAM index = LOWORD(id) - FirstPopupId;
    if (LOWORD(id) < FirstPopupId || index >= items.size())
        return std::nullopt;
    return items[index].Command;
}

void MainMenu::ShowPopup(POINT at)
{
    // The window must be in the foreground, or the menu does not close when
    // the user clicks elsewhere.
    SetForegroundWindow(hwnd_);
    TrackPopupMenu(popup_.Get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
    PostMessageA(hwnd_, WM_NULL, 0, 0);
}

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

void MainMenu::MinimiseApplication()
{
    // A window hidden in the tray stays hidden; a minimised one stays so.
    if (IsWindowVisible(hwnd_) && !IsIconic(hwnd_))
        ShowWindow(hwnd_, SW_MINIMIZE);
}

void MainMenu::MinimisedDuties()
{
    if (RequestMinimisedDuties)
        RequestMinimisedDuties();
}

void MainMenu::AutoRestore()
{
    if (RequestAutoRestore)
        RequestAutoRestore();
}

} // namespace win32
