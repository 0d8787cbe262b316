// The "Window && SysTray" page: Blinkery's tray icon, staying on top, the
// restore on activity, and the group "Original Modem Icon" (the system's
// own dial-up icon in the tray, and the one 'lights' starts).
#pragma once

#include "setup/page_model.h"

namespace setup {

// HKEY_CURRENT_USER's dial-up user-interface flags: 4 bytes, bit 2 hides
// the system's modem icon in the tray.
inline constexpr char DialUiKey[] = "RemoteAccess";
inline constexpr char DialUiValue[] = "DialUI";
inline constexpr uint8_t DialUiHideIcon = 4;

inline constexpr int32_t AutoDetectDelayMax = 1000;

class WindowPageModel final : public PageModel {
public:
    explicit WindowPageModel(SetupContext& ctx);
    void Fill() override;

    void CBSystrayClick();
    void CBShowDUNIconClick();

protected:
    bool OnClicked(int id) override;
};

} // namespace setup
