// What every page model of the settings dialog shares: its fill routine,
// its handlers reached by control id, and the small rules its controls
// follow (a check box bound to a 0/1 setting, a radio group standing for
// a list of values, the redraw requests a control sets).
#pragma once

#include <cstdint>
#include <span>
#include <string>

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

class PageModel {
public:
    explicit PageModel(SetupContext& ctx) : ctx_(ctx) {}
    virtual ~PageModel() = default;
    PageModel(const PageModel&) = delete;
    PageModel& operator=(const PageModel&) = delete;

    // Sets every control of the page from the settings.
    virtual void Fill() = 0;
    // The handler of a control of this page; false when id is none of its.
    virtual bool Clicked(int /*id*/) { return false; }
    virtual bool Changed(int /*id*/) { return false; }

protected:
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

    // A check box shows its setting: checked for 1, unchecked otherwise.
    void FillCheck(int id, int32_t setting) { ctx_.View.SetCheck(id, setting == 1); }
    // A click on a check box: the setting takes the box's state. False
    // when the box already showed the setting, which then stays as it is
    // (loading runs the handler when it changes a box).
    bool TakeCheck(int id, int32_t& setting);

    // A spin edit with its range, showing the setting (the nearest bound
    // for a stored value outside the range; loading keeps the value).
    void FillSpin(int id, int32_t low, int32_t high, int64_t setting, int32_t step = 1);

    // A radio group shows the item standing for its setting (none for a
    // value no item stands for; loading keeps such a value).
    void FillRadio(int group, int32_t setting, std::span<const int32_t> values)
    {
        ctx_.View.SetRadio(group, ItemOf(setting, values));
    }
    // The item the user chose, or -1 when the group shows none of its
    // `count` items.
    int ClickedItem(int group, int count);
    // A click on a radio group: the setting takes the chosen item's value.
    // False when no item is chosen.
    bool TakeRadio(int group, std::span<const int32_t> values, int32_t& setting);

    SetupContext& ctx_;
};

} // namespace setup
