// The "Miscellaneous" page. Its group "Edit for Logfiles" names the editor
// the "Show Log" buttons start.
#pragma once

#include "setup/page_model.h"

namespace setup {

inline constexpr char EditorFilter[] = "Executables (*.exe)|*.exe|All files (*.*)|*.*";

class MiscPageModel final : public PageModel {
public:
    using PageModel::PageModel;
    void Fill() override;
    bool Clicked(int id) override;
    bool Changed(int id) override;

    void EditornameChange();
    void BrowseEditorNameClick();
};

} // namespace setup
