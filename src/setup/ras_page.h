// The "RAS Phonebook && Dialer" page (Windows NT and 2000): the phone-book
// entries and the RAS devices, the chosen entry's logon, device and number,
// the entry's creation, editing, renaming and deletion, and a dial with its
// progress in the page's status bars.
#pragma once

#include <optional>
#include <string>

#include "setup/page_model.h"

namespace devices {
class TRAS;
}

namespace setup {

inline constexpr char RenameCaption[] = "Rename Connection";
inline constexpr char RenamePrompt[] = "New Connection Name";

class RasPageModel final : public PageModel {
public:
    explicit RasPageModel(SetupContext& ctx);
    void Fill() override;

    void ConnListClick();
    void BitBtnCreateConnClick();
    void BitBtnEditConnClick();
    void BitBtnRenameConnClick();
    void BitBtnDeleteConnClick();
    // Dials the chosen entry and waits, dispatching the window messages,
    // until the dial connects, fails or is aborted.
    void BitBtnDialNowClick();
    void BitBtnHangUPClick();
    // The RAS component's state changes, shown while the dialog is open.
    void StateChanged();

    // A dial is waiting for its outcome.
    bool DialWaiting() const { return dialWaiting_; }

protected:
    bool OnClicked(int id) override;
    bool OnChanged(int id) override;

private:
    devices::TRAS& Ras();
    std::optional<std::string> SelectedEntry();
    bool TakeSelectedEntry();
    void ShowRasError();
    void ClearStatus();
    void ListEntries();
    void RefillEntries();
    void EnablePollTimer(bool on);

    bool dialAborted_ = false; // set by a hang-up or a failed dial; ends the wait
    bool dialWaiting_ = false;
};

} // namespace setup
