// The "Keyboard Lights" page: which lock-key LED shows the carrier, the
// received and the sent data.
#pragma once

#include "setup/page_model.h"

namespace setup {

class KeyboardPageModel final : public PageModel {
public:
    using PageModel::PageModel;
    void Fill() override;
    bool Clicked(int id) override;

    void KeyboardLights_CDClick();
    void KeyboardLights_RDClick();
    void KeyboardLights_TDClick();
};

} // namespace setup
