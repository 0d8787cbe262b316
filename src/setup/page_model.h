// What every page model of the settings dialog shares: its bindings (a
// table of the controls that each mirror one setting, filled and taken by
// one rule per kind of control), its handlers reached by control id, and
// the redraw requests a control sets.
#pragma once

#include <climits>
#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "setup/setup_services.h"

namespace setup {

// The file dialog's filter of every "Browse..." button for a program.
inline constexpr char ProgramFilter[] = "Executables (*.exe)|*.exe|All files (*.*)|*.*";

// The display requests a control sets when the user changes it.
enum Redraw : unsigned {
    NoRedraw = 0,
    Reload = 1,      // ReloadPictures
    ReloadTitle = 2, // ReloadTitlePictures
    Resized = 4,     // DisplayResized
    Repaint = 8,     // RepaintRequested
};
void RequestRedraw(TGVar& g, unsigned redraw);

// The item of a radio group whose values are `values`; -1 for a value
// that none stands for.
int ItemOf(int32_t value, std::span<const int32_t> values);

// Shows one of the dialog's boxes: OK only, with an error icon unless
// another is given.
void ShowOkBox(SetupContext& ctx, const std::string& text, platform::MbIcon icon = platform::MbIcon::Error);

// A "Browse..." button for a program: the file dialog opens on the
// setting; a chosen file becomes the setting (quoted when its path has a
// blank, so that its launch runs it whole), and the edit shows the setting
// either way (Cancel changes nothing).
void BrowseProgram(SetupContext& ctx, int edit, std::string& setting);

// The kinds of control a binding ties to its setting, each with its rule.
// A control that shows what its setting means takes nothing from it: a
// loading's click, or a click on what is already chosen, leaves a stored
// value as it is (a check box's 2, say) and runs no handler.
enum class BoundKind : uint8_t {
    Check,    // checked for 1 (a flag's "on"); stores 1 or 0
    CheckOff, // a "No ..." box: checked for anything but 1; stores 0 or 1
    Spin,     // a spin edit or track bar: the value within the range
    Text,     // an edit's or a combo box's text
    Radio,    // a radio group: item i stores Values[i]; no item for another value
    List,     // a list's selection, as Radio
};

using BoundSetting = std::variant<int32_t TGVar::*, uint32_t TGVar::*, std::string TGVar::*>;

// The largest number most spin edits of the dialog take.
inline constexpr int32_t SpinMax = 10000;

// One row of a page's table: a control, its setting and its rule, and the
// redraw requests a change of the setting sets. A spin edit's range is its
// key's range, narrowed by the control's own bounds.
struct Binding {
    int Id;
    BoundKind Kind;
    BoundSetting Setting;
    std::span<const int32_t> Values = {};
    int32_t Low = INT32_MIN, High = INT32_MAX, Step = 1;
    unsigned Redraw = NoRedraw;
};

namespace bind {

constexpr Binding Check(int id, int32_t TGVar::*setting) { return {id, BoundKind::Check, setting}; }
constexpr Binding CheckOff(int id, int32_t TGVar::*setting) { return {id, BoundKind::CheckOff, setting}; }
template <typename Number>
constexpr Binding Spin(int id, Number TGVar::*setting, int32_t low = INT32_MIN, int32_t high = INT32_MAX,
                       int32_t step = 1)
{
    return {id, BoundKind::Spin, setting, {}, low, high, step};
}
constexpr Binding Text(int id, std::string TGVar::*setting) { return {id, BoundKind::Text, setting}; }
constexpr Binding Radio(int id, int32_t TGVar::*setting, std::span<const int32_t> values)
{
    return {id, BoundKind::Radio, setting, values};
}
constexpr Binding List(int id, int32_t TGVar::*setting, std::span<const int32_t> values)
{
    return {id, BoundKind::List, setting, values};
}
constexpr Binding Redrawing(Binding binding, unsigned redraw)
{
    binding.Redraw = redraw;
    return binding;
}

} // namespace bind

class PageModel {
public:
    explicit PageModel(SetupContext& ctx, std::span<const Binding> bindings = {}) : ctx_(ctx), bindings_(bindings) {}
    virtual ~PageModel() = default;
    PageModel(const PageModel&) = delete;
    PageModel& operator=(const PageModel&) = delete;

    // Sets every control of the page from the settings; by default the
    // bound ones.
    virtual void Fill() { FillBindings(); }
    // A control of this page was clicked, or its text, value or selection
    // changed. A bound control's setting takes the control's value first;
    // its redraw requests and its handler then follow only when that changed
    // the setting. False when id is none of the page's.
    bool Clicked(int id) { return Handle(id, true, &PageModel::OnClicked); }
    bool Changed(int id) { return Handle(id, false, &PageModel::OnChanged); }

protected:
    // The page's handlers: what a control does besides storing its setting.
    virtual bool OnClicked(int /*id*/) { return false; }
    virtual bool OnChanged(int /*id*/) { return false; }

    // A handler by control id.
    template <typename Page>
    struct Handler {
        int Id;
        void (Page::*Run)();
    };
    template <typename Page>
    static bool Dispatch(Page& page, std::span<const Handler<Page>> table, int id)
    {
        for (const Handler<Page>& handler : table) {
            if (handler.Id == id) {
                (page.*handler.Run)();
                return true;
            }
        }
        return false;
    }

    // Every bound control shows its setting.
    void FillBindings();
    // A check box the table cannot bind (its state depends on more than its
    // setting) takes the Check rule here: false when the box already showed
    // the setting.
    bool TakeCheck(int id, int32_t& setting);
    // The item the user chose, or -1 when the group shows none of its
    // `count` items.
    int ClickedItem(int group, int count);

    SetupContext& ctx_;

private:
    // clicked: the event is a click (check boxes, radio groups), else a
    // change (spin edits, texts, lists).
    bool Handle(int id, bool clicked, bool (PageModel::*handler)(int));
    void Show(const Binding& binding);
    // True when the setting changed.
    bool Take(const Binding& binding);

    std::span<const Binding> bindings_;
};

} // namespace setup
