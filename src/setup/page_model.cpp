#include "setup/page_model.h"

#include <algorithm>

#include "settings/modal_box.h"
#include "settings/paths.h"
#include "settings/settings_keys.h"

namespace setup {

void RequestRedraw(TGVar& g, unsigned redraw)
{
    if (redraw & Reload)
        g.ReloadPictures = true;
    if (redraw & ReloadTitle)
        g.ReloadTitlePictures = true;
    if (redraw & Resized)
        g.DisplayResized = true;
    if (redraw & Repaint)
        g.RepaintRequested = true;
}

int ItemOf(int32_t value, std::span<const int32_t> values)
{
    for (size_t i = 0; i < values.size(); ++i)
        if (values[i] == value)
            return static_cast<int>(i);
    return -1;
}

void ShowOkBox(SetupContext& ctx, const std::string& text, platform::MbIcon icon)
{
    ShowModalBox(ctx.G, ctx.Boxes, text, platform::MbButtons::Ok, icon);
}

void BrowseProgram(SetupContext& ctx, int edit, std::string& setting)
{
    std::string file = Unquoted(setting);
    if (ctx.Services.BrowseFile(ProgramFilter, file))
        setting = file.find(' ') == std::string::npos ? file : '"' + file + '"';
    ctx.View.SetText(edit, setting);
}

namespace {

// A number setting, signed or unsigned, widened so that both fit.
int64_t NumberOf(TGVar& g, const BoundSetting& setting)
{
    if (const auto* number = std::get_if<int32_t TGVar::*>(&setting))
        return g.**number;
    return g.*std::get<uint32_t TGVar::*>(setting);
}

// value lies within the setting's range (see SpinRange).
void SetNumber(TGVar& g, const BoundSetting& setting, int64_t value)
{
    if (const auto* number = std::get_if<int32_t TGVar::*>(&setting))
        g.**number = static_cast<int32_t>(value);
    else
        g.*std::get<uint32_t TGVar::*>(setting) = static_cast<uint32_t>(value);
}

struct Range {
    int32_t Low, High;
};

// A spin edit's range: its key's (unsigned settings have one from 0 on),
// narrowed by the control's own bounds.
Range SpinRange(TGVar& g, const Binding& binding)
{
    Range range{binding.Low, binding.High};
    const void* field = std::visit([&](auto member) -> const void* { return &(g.*member); }, binding.Setting);
    if (const KeyDescriptor* key = KeyOf(g, field)) {
        range.Low = std::max(range.Low, key->Min);
        range.High = std::min(range.High, key->Max);
    }
    return range;
}

int32_t Within(int64_t value, Range range)
{
    return static_cast<int32_t>(std::clamp<int64_t>(value, range.Low, range.High));
}

// The check box rule: a box that shows what the setting means (on only
// for 1) leaves it as stored; otherwise the setting becomes 1 or 0.
bool TakeOn(bool on, int32_t& setting)
{
    if (on == (setting == 1))
        return false;
    setting = on ? 1 : 0;
    return true;
}

bool ReportsClicks(BoundKind kind)
{
    return kind == BoundKind::Check || kind == BoundKind::CheckOff || kind == BoundKind::Radio;
}

} // namespace

bool PageModel::Handle(int id, bool clicked, bool (PageModel::*handler)(int))
{
    for (const Binding& binding : bindings_) {
        if (binding.Id != id)
            continue;
        if (ReportsClicks(binding.Kind) != clicked)
            return false; // no event such a control reports
        if (Take(binding)) {
            RequestRedraw(ctx_.G, binding.Redraw);
            (this->*handler)(id);
        }
        return true;
    }
    return (this->*handler)(id);
}

void PageModel::FillBindings()
{
    for (const Binding& binding : bindings_)
        Show(binding);
}

void PageModel::Show(const Binding& binding)
{
    TGVar& g = ctx_.G;
    SetupView& view = ctx_.View;
    const int id = binding.Id;
    if (const auto* text = std::get_if<std::string TGVar::*>(&binding.Setting)) {
        view.SetText(id, g.**text);
        return;
    }
    const int64_t value = NumberOf(g, binding.Setting);
    switch (binding.Kind) {
    case BoundKind::Check: view.SetCheck(id, value == 1); break;
    case BoundKind::CheckOff: view.SetCheck(id, value != 1); break;
    case BoundKind::Radio: view.SetRadio(id, ItemOf(static_cast<int32_t>(value), binding.Values)); break;
    case BoundKind::List: view.SetSelection(id, ItemOf(static_cast<int32_t>(value), binding.Values)); break;
    case BoundKind::Spin: {
        // A stored value outside the range shows as the nearest bound and
        // stays until the user edits it.
        const Range range = SpinRange(g, binding);
        view.SetSpinRange(id, range.Low, range.High, binding.Step);
        view.SetSpin(id, Within(value, range));
        break;
    }
    case BoundKind::Text: break;
    }
}

bool PageModel::Take(const Binding& binding)
{
    TGVar& g = ctx_.G;
    SetupView& view = ctx_.View;
    const int id = binding.Id;
    if (const auto* text = std::get_if<std::string TGVar::*>(&binding.Setting)) {
        std::string typed = view.Text(id);
        if (typed == g.**text)
            return false;
        g.**text = std::move(typed);
        return true;
    }
    int64_t value = 0;
    switch (binding.Kind) {
    case BoundKind::Check:
    case BoundKind::CheckOff:
        return TakeOn(view.Checked(id) == (binding.Kind == BoundKind::Check),
                      g.*std::get<int32_t TGVar::*>(binding.Setting));
    case BoundKind::Radio:
    case BoundKind::List: {
        const int item = binding.Kind == BoundKind::Radio ? view.RadioItem(id) : view.Selection(id);
        if (item < 0 || static_cast<size_t>(item) >= binding.Values.size())
            return false;
        value = binding.Values[static_cast<size_t>(item)];
        break;
    }
    case BoundKind::Spin: value = Within(view.SpinValue(id), SpinRange(g, binding)); break;
    case BoundKind::Text: return false;
    }
    if (value == NumberOf(g, binding.Setting))
        return false;
    SetNumber(g, binding.Setting, value);
    return true;
}

bool PageModel::TakeCheck(int id, int32_t& setting) { return TakeOn(ctx_.View.Checked(id), setting); }

int PageModel::ClickedItem(int group, int count)
{
    const int item = ctx_.View.RadioItem(group);
    return item >= 0 && item < count ? item : -1;
}

} // namespace setup
