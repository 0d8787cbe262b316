#include "setup/page_model.h"

#include "settings/modal_box.h"
#include "settings/paths.h"

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

bool PageModel::TakeCheck(int id, int32_t& setting)
{
    const bool checked = ctx_.View.Checked(id);
    if (checked == (setting == 1))
        return false;
    setting = checked ? 1 : 0;
    return true;
}

void BrowseProgram(SetupContext& ctx, int edit, std::string& setting)
{
    std::string file = Unquoted(setting);
    if (ctx.Services.BrowseFile(ProgramFilter, file))
        setting = file.find(' ') == std::string::npos ? file : '"' + file + '"';
    ctx.View.SetText(edit, setting);
}

void PageModel::FillSpin(int id, int32_t low, int32_t high, int64_t setting, int32_t step)
{
    ctx_.View.SetSpinRange(id, low, high, step);
    ctx_.View.SetSpin(id, static_cast<int32_t>(setting < low ? low : setting > high ? high : setting));
}

int PageModel::ClickedItem(int group, int count)
{
    const int item = ctx_.View.RadioItem(group);
    return item >= 0 && item < count ? item : -1;
}

bool PageModel::TakeRadio(int group, std::span<const int32_t> values, int32_t& setting)
{
    const int item = ClickedItem(group, static_cast<int>(values.size()));
    if (item < 0)
        return false;
    setting = values[static_cast<size_t>(item)];
    return true;
}

} // namespace setup
