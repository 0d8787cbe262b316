#include "setup/misc_page.h"

#include "resource_ids.h"

namespace setup {

void MiscPageModel::Fill() { ctx_.View.SetText(IDC_EDITORNAME, ctx_.G.EditorName); }

bool MiscPageModel::Clicked(int id)
{
    static constexpr Handler<MiscPageModel> handlers[] = {
        {IDC_BROWSEEDITORNAME, &MiscPageModel::BrowseEditorNameClick},
    };
    return Dispatch<MiscPageModel>(*this, handlers, id);
}

bool MiscPageModel::Changed(int id)
{
    static constexpr Handler<MiscPageModel> handlers[] = {
        {IDC_EDITORNAME, &MiscPageModel::EditornameChange},
    };
    return Dispatch<MiscPageModel>(*this, handlers, id);
}

void MiscPageModel::EditornameChange() { ctx_.G.EditorName = ctx_.View.Text(IDC_EDITORNAME); }

void MiscPageModel::BrowseEditorNameClick()
{
    std::string file = ctx_.G.EditorName;
    if (ctx_.Services.BrowseFile(EditorFilter, file))
        ctx_.G.EditorName = file;
    ctx_.View.SetText(IDC_EDITORNAME, ctx_.G.EditorName);
}

} // namespace setup
