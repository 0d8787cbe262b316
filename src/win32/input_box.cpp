#include "win32/input_box.h"

#include "resource_ids.h"

namespace win32 {

bool TInputBox::Ask(HINSTANCE instance, HWND owner, const std::string& caption, const std::string& prompt,
                    std::string& text)
{
    std::string edited = text;
    TInputBox box(caption, prompt, edited);
    if (box.RunModal(instance, MAKEINTRESOURCEA(IDD_INPUTBOX), owner) != IDOK)
        return false;
    text = edited;
    return true;
}

void TInputBox::OnInit()
{
    SetWindowTextA(Handle(), caption_.c_str());
    SetDlgItemTextA(Handle(), IDC_INPUTBOX_PROMPT, prompt_.c_str());
    HWND edit = GetDlgItem(Handle(), IDC_INPUTBOX_EDIT);
    SetWindowTextA(edit, text_.c_str());
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SetFocus(edit);
}

void TInputBox::OnOk()
{
    HWND edit = GetDlgItem(Handle(), IDC_INPUTBOX_EDIT);
    std::string text(static_cast<size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(edit, text.data(), static_cast<int>(text.size()))));
    text_ = text;
    EndDialog(Handle(), IDOK);
}

} // namespace win32
