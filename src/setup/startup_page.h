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

class StartupPageModel final : public PageModel {
public:
    explicit StartupPageModel(SetupContext& ctx);
    void Fill() override;

    void CBLoadWindowsClick();
    void CBAutoRunClick();
    void ButtonBrowseAutoRunProgClick();
    void ButtonRunNOWClick();

protected:
    bool OnClicked(int id) override;

private:
    // The Run key holds Blinkery's short path, exactly.
    bool LoadsWithWindows();
    void FillDialUpEntries();
};

} // namespace setup
