// The settings dialog's pages as the page models see them: controls
// reached by their ids (resources/resource_ids.h). The Win32 dialog and
// the tests' fake both implement the primitives; the rule every page
// relies on lives here once.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace setup {

// A spin edit's text as a whole number: digits after an optional sign
// (saturating far outside 32 bits); nothing for any other text, such as an
// empty edit or a pasted word.
std::optional<int64_t> SpinNumber(std::string_view text);

// What a user does to a control, delivered to the page models.
class ControlEvents {
public:
    virtual ~ControlEvents() = default;
    // A button, check box or radio item was clicked (a radio item reports
    // its group's id: the group box id, see resource_ids.h).
    virtual void Clicked(int id) = 0;
    // An edit's or a spin edit's text changed, or a list's selection.
    virtual void Changed(int id) = 0;
};

class SetupView {
public:
    virtual ~SetupView() = default;

    // Receives the click a check box set by code reports.
    void Attach(ControlEvents* events) { events_ = events; }

    // Sets a check box. When its state changes, its click handler runs,
    // as if the user had clicked it.
    void SetCheck(int id, bool checked);
    virtual bool Checked(int id) = 0;

    // A radio group: the item shown (-1 none). Setting one runs no handler.
    virtual void SetRadio(int group, int item) = 0;
    virtual int RadioItem(int group) = 0;

    virtual void Enable(int id, bool enabled) = 0;
    virtual void Show(int id, bool shown) = 0;
    virtual void SetText(int id, const std::string& text) = 0;
    virtual std::string Text(int id) = 0;

    // A list: its items, and the selected one (-1 none).
    virtual void SetItems(int id, const std::vector<std::string>& items) = 0;
    virtual void SetSelection(int id, int index) = 0;
    virtual int Selection(int id) = 0;

    // A spin edit: its range and step, and its value, always within the
    // range (text typed outside it reads as the nearest bound; text that is
    // no number reads as the value last shown, so no handler stores it).
    virtual void SetSpinRange(int id, int32_t low, int32_t high, int32_t step = 1) = 0;
    virtual void SetSpin(int id, int32_t value) = 0;
    virtual int32_t SpinValue(int id) = 0;

    // Repaints a paint box (a colour swatch, the about animation).
    virtual void Repaint(int id) = 0;

    // A date picker or a time picker: the date-time it shows (days since
    // 30 December 1899; 0 when there is no such picker). Setting one
    // reports no change.
    virtual void SetDateTime(int id, double dateTime) = 0;
    virtual double DateTime(int id) = 0;

    // Draws a control's caption in a font and colour of its own (face,
    // height in pixels, bold, 0x00BBGGRR).
    struct TextLook {
        const char* Face;
        int32_t Height;
        bool Bold;
        uint32_t Colour;
    };
    virtual void SetTextLook(int id, const TextLook& look) = 0;

protected:
    // Sets the check box's state without any handler.
    virtual void SetCheckState(int id, bool checked) = 0;

private:
    ControlEvents* events_ = nullptr;
};

} // namespace setup
