#include "win32/select_reg_dialog.h"

#include "resource_ids.h"

namespace win32 {

void TSelectRegDlg::ShowModal(HINSTANCE instance, HWND owner)
{
    RunModal(instance, MAKEINTRESOURCEA(IDD_SELECTREG), owner);
}

void TSelectRegDlg::OnInit()
{
    HWND list = GetDlgItem(Handle(), IDC_LBCHANGEREG);
    for (const std::string& name : names_)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

bool TSelectRegDlg::OnCommand(WORD id, WORD code, HWND control)
{
    if (id != IDC_LBCHANGEREG || code != LBN_SELCHANGE)
        return false;
    const LRESULT index = SendMessageA(control, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR)
        return true;
    const LRESULT length = SendMessageA(control, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR)
        return true;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT got = SendMessageA(control, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == LB_ERR ? 0 : static_cast<size_t>(got));
    if (clicked_)
        clicked_(text);
    return true;
}

} // namespace win32
