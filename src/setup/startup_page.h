// The "Startup && Exit" page: loading with Windows (the system's Run key),
// the start-up logo, a program and a dial-up entry started with Blinkery,
// and the warning and automatic exit at the end of a connection.
#pragma once

#include "setup/page_model.h"

namespace setup {

// HKEY_LOCAL_MACHINE's programs started with Windows; Blinkery's value
// holds the short path of its program file.
inline constexpr char RunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char RunValue[] = "Blinkery";
// HKEY_CURRENT_USER's dial-up entries: one sub-key each on Windows NT/2000,
// one value each on Windows 95/98/ME.
inline constexpr char DialUpProfilesKey[] = "RemoteAccess\\Profile";
inline constexpr char DialUpAddressesKey[] = "RemoteAccess\\Addresses";

inline constexpr int32_t ExitDelayMax = 10000;

class StartupPageModel final : public PageModel {
public:
    using PageModel::PageModel;
    void Fill() override;
    bool Clicked(int id) override;
    bool Changed(int id) override;

    void CBLoadWindowsClick();
    void NoLogoClick();
    void CBAutoRunClick();
    void editautorunprogChange();
    void ButtonBrowseAutoRunProgClick();
    void CBAskFirstAutoRunClick();
    void CBDUNRunClick();
    void ComboBDUNDescChange();
    void ButtonRunNOWClick();
    void WarnExitClick();
    void CBAutoExitClick();
    void SEExitDelayChange();

private:
    // The Run key holds Blinkery's short path, exactly.
    bool LoadsWithWindows();
    void FillDialUpEntries();
};

} // namespace setup
