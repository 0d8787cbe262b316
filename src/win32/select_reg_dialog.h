// TSelectRegDlg, "Select Registry Entry": asks for the dial-up adapter's
// key among the value names of HKEY_DYN_DATA "PerfStats\StartSrv". Each
// entry the user clicks is handed over at once; OK and Cancel only close.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include "win32/window_base.h"

namespace win32 {

class TSelectRegDlg final : private DialogBase {
public:
    TSelectRegDlg(const std::vector<std::string>& names, const std::function<void(const std::string&)>& clicked)
        : names_(names), clicked_(clicked)
    {
    }
    void ShowModal(HINSTANCE instance, HWND owner);

private:
    void OnInit() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;

    const std::vector<std::string>& names_;
    const std::function<void(const std::string&)>& clicked_;
};

} // namespace win32
