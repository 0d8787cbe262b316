// The pages "Inactivity" (the idle warning and the idle hang-up) and "Auto
// Disconnect" (the hang-up at a set date and time or after a set connect
// time). Both carry the power-down box, and the two boxes stay equal.
#pragma once

#include <functional>

#include "setup/page_model.h"

namespace setup {

// The two "Activate!" boxes: bold red, 16-pixel MS Sans Serif.
inline constexpr SetupView::TextLook ActivateLook{"MS Sans Serif", 16, true, 0x0000FF};

class InactivityPageModel final : public PageModel {
public:
    explicit InactivityPageModel(SetupContext& ctx);
    void Fill() override;

protected:
    bool OnClicked(int id) override;
};

class DisconnectPageModel final : public PageModel {
public:
    // reload loads every control anew (after a picker or "Set Date/Time =
    // NOW!").
    DisconnectPageModel(SetupContext& ctx, std::function<void()> reload);
    void Fill() override;

    // The scheduled hang-up ran: "Activate!" is cleared.
    void ScheduledDisconnectDone();

protected:
    bool OnClicked(int id) override;
    bool OnChanged(int id) override;

private:
    std::function<void()> reload_;
};

} // namespace setup
