#include "setup/setup_view.h"

namespace setup {

std::optional<int64_t> SpinNumber(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    constexpr int64_t Saturated = int64_t{1} << 40; // beyond every spin edit's range
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value >= Saturated ? Saturated : value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

void SetupView::SetCheck(int id, bool checked)
{
    if (Checked(id) == checked)
        return;
    SetCheckState(id, checked);
    if (events_)
        events_->Clicked(id);
}

} // namespace setup
