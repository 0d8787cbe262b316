// The settings pages' controls as the page models see them: every control
// of a set of dialogs reached by its id (ids are unique across the pages).
// Spin edits are an edit and an up-down control whose steps this view
// turns into values within the edit's range; a track bar is a spin value
// too.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <windows.h>

#include "setup/setup_view.h"
#include "win32/window_base.h"

namespace win32 {

class DialogView final : public setup::SetupView {
public:
    // The dialogs whose controls the view reaches.
    void AddDialog(HWND dialog) { dialogs_.push_back(dialog); }
    HWND Control(int id) const;

    // The page's WM_COMMAND and WM_NOTIFY, turned into the events the
    // models take; true when the message was one of theirs.
    bool Command(setup::ControlEvents& events, WORD id, WORD code, HWND control);
    bool Notify(setup::ControlEvents& events, const NMHDR& header, LRESULT& result);
    // A track bar's WM_HSCROLL: its new position is a change.
    bool Scroll(setup::ControlEvents& events, WORD code, HWND control);

    // setup::SetupView
    bool Checked(int id) override;
    void SetRadio(int group, int item) override;
    int RadioItem(int group) override;
    void Enable(int id, bool enabled) override;
    void Show(int id, bool shown) override;
    void SetText(int id, const std::string& text) override;
    std::string Text(int id) override;
    void SetItems(int id, const std::vector<std::string>& items) override;
    void SetSelection(int id, int index) override;
    int Selection(int id) override;
    void SetSpinRange(int id, int32_t low, int32_t high, int32_t step) override;
    void SetSpin(int id, int32_t value) override;
    int32_t SpinValue(int id) override;
    void Repaint(int id) override;
    void SetDateTime(int id, double dateTime) override;
    double DateTime(int id) override;
    void SetTextLook(int id, const TextLook& look) override;

    // The colour of a control's caption given by SetTextLook; false for a
    // control that has none (the page's WM_CTLCOLORSTATIC/-BTN).
    bool TextColour(HWND control, COLORREF& colour) const;

private:
    void SetCheckState(int id, bool checked) override;
    // The controls that belong to id: a radio group's items, a spin
    // edit's up-down control.
    std::vector<HWND> Family(int id) const;
    // A spin edit's up-down control (the control after the edit), if any.
    HWND UpDown(int id) const;

    struct SpinRange {
        int32_t Low = 0, High = 0, Step = 1;
        int32_t Shown = 0; // the last value shown or read
    };
    std::vector<HWND> dialogs_;
    std::map<int, SpinRange> spins_;
    bool settingText_ = false; // text set by code reports no change
    std::map<int, COLORREF> colours_;
    OwnedFont lookFont_;       // the one font SetTextLook asks for, made once
};

} // namespace win32
