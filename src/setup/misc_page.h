// The "Miscellaneous" page: the modem's properties, its log and a hang-up;
// the group "Modem Init" with the init string; and the group "Edit for
// Logfiles", which names the editor the "Show Log" buttons start.
#pragma once

#include "setup/page_model.h"

namespace setup {

inline constexpr char ModemLogMissingText[] = "Can not find log file";
inline constexpr char ModemPropertiesCommand[] = "control.exe modem.cpl";
// The modem classes of Windows 95/98/ME, "...\Modem\0000" to 0009.
inline constexpr char ModemClassKeys[] = "System\\CurrentControlSet\\Services\\Class\\Modem\\000";

class MiscPageModel final : public PageModel {
public:
    explicit MiscPageModel(SetupContext& ctx);
    void Fill() override;

    void BrowseEditorNameClick();
    void ButtonModemSetupClick();
    void CBModemLogNameChange();
    void BitBtnModemLogClick();
    void BtnHangupNOWClick();
    void ButtonSendNOWClick();

protected:
    bool OnClicked(int id) override;
    bool OnChanged(int id) override;

private:
    void FillModemLogs();
};

} // namespace setup
