// The page "Auto Launch": a program started when CD goes high and one when
// it goes low, each after a delay and, if asked, after a question.
#pragma once

#include "setup/page_model.h"

namespace setup {

class LaunchPageModel final : public PageModel {
public:
    explicit LaunchPageModel(SetupContext& ctx);
    void Fill() override;

protected:
    bool OnClicked(int id) override;
};

} // namespace setup
