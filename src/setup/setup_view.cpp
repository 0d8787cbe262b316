#include "setup/setup_view.h"

namespace setup {

void SetupView::SetCheck(int id, bool checked)
{
    if (Checked(id) == checked)
        return;
    SetCheckState(id, checked);
    if (events_)
        events_->Clicked(id);
}

} // namespace setup
