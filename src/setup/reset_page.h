// The page " Connect Time Reset": the total connect time with the moment
// it counts from, its automatic reset schedule and a reset at once.
#pragma once

#include <functional>
#include <string>

#include "setup/page_model.h"

namespace setup {

class ResetPageModel final : public PageModel {
public:
    // reload loads every control anew (after the schedule or its reference
    // changed).
    ResetPageModel(SetupContext& ctx, std::function<void()> reload);
    void Fill() override;

protected:
    bool OnClicked(int id) override;
    bool OnChanged(int id) override;

private:
    void ShowConnectTime();
    void ShowNextReset();

    std::function<void()> reload_;
    std::string text_; // a label's text, built here
};

} // namespace setup
