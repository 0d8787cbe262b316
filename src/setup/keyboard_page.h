// The "Keyboard Lights" page: which lock-key LED shows the carrier, the
// received and the sent data.
#pragma once

#include "setup/page_model.h"

namespace setup {

class KeyboardPageModel final : public PageModel {
public:
    explicit KeyboardPageModel(SetupContext& ctx);
};

} // namespace setup
