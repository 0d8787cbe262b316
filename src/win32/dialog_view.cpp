#include "win32/dialog_view.h"

#include <commctrl.h>

#include <algorithm>

#include "settings/date_time.h"

namespace win32 {
namespace {

bool IsClass(HWND control, const char* name)
{
    char cls[32] = {};
    GetClassNameA(control, cls, sizeof cls);
    return lstrcmpiA(cls, name) == 0;
}

bool IsRadio(HWND control)
{
    const LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    return IsClass(control, "Button") && (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON);
}

bool IsGroupBox(HWND control)
{
    return IsClass(control, "Button") && (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

bool IsTrackBar(HWND control) { return control && IsClass(control, TRACKBAR_CLASSA); }

// A combo box with an edit of its own (not a drop-down list).
bool HasEdit(HWND control)
{
    return IsClass(control, "ComboBox") && (GetWindowLongA(control, GWL_STYLE) & 3) != CBS_DROPDOWNLIST;
}

// A radio group's items follow its id; a group has fewer than ten.
constexpr int RadioGroupSpan = 10;

} // namespace

HWND DialogView::Control(int id) const
{
    for (HWND dialog : dialogs_)
        if (HWND control = GetDlgItem(dialog, id))
            return control;
    return nullptr;
}

std::vector<HWND> DialogView::Family(int id) const
{
    std::vector<HWND> family;
    HWND control = Control(id);
    if (!control)
        return family;
    family.push_back(control);
    if (IsGroupBox(control)) {
        for (int item = id + 1; item < id + RadioGroupSpan; ++item)
            if (HWND radio = Control(item); radio && IsRadio(radio))
                family.push_back(radio);
    } else if (HWND upDown = UpDown(id)) {
        family.push_back(upDown);
    }
    return family;
}

bool DialogView::Command(setup::ControlEvents& events, WORD id, WORD code, HWND control)
{
    if (!control)
        return false;
    switch (code) {
    case BN_CLICKED: // STN_CLICKED of a swatch too
        if (IsRadio(control)) {
            if (SendMessageA(control, BM_GETCHECK, 0, 0) != BST_CHECKED)
                return true;
            events.Clicked(id - id % RadioGroupSpan);
        } else {
            events.Clicked(id);
        }
        return true;
    case EN_CHANGE:
        if (!settingText_)
            events.Changed(id);
        return true;
    case CBN_SELCHANGE:
        // The edit of a combo box shows the chosen item only after this
        // notification; the handler reads it now.
        if (HasEdit(control)) {
            const LRESULT index = SendMessageA(control, CB_GETCURSEL, 0, 0);
            const LRESULT length = index == CB_ERR ? CB_ERR : SendMessageA(control, CB_GETLBTEXTLEN, index, 0);
            if (length != CB_ERR) {
                std::string item(static_cast<size_t>(length) + 1, '\0');
                SendMessageA(control, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()));
                SetText(id, item.c_str());
            }
        }
        events.Changed(id);
        return true;
    case CBN_EDITCHANGE:
        if (!settingText_)
            events.Changed(id);
        return true;
    default:
        return false;
    }
}

bool DialogView::Notify(setup::ControlEvents& events, const NMHDR& header, LRESULT& result)
{
    if (header.code == DTN_DATETIMECHANGE) {
        if (!settingText_)
            events.Changed(static_cast<int>(header.idFrom));
        result = 0;
        return true;
    }
    if (header.code != UDN_DELTAPOS)
        return false;
    const int edit = static_cast<int>(header.idFrom) - 1;
    const auto spin = spins_.find(edit);
    if (spin == spins_.end())
        return false;
    const auto& delta = reinterpret_cast<const NMUPDOWN&>(header);
    const int64_t next = static_cast<int64_t>(SpinValue(edit)) + static_cast<int64_t>(delta.iDelta) * spin->second.Step;
    const auto value = static_cast<int32_t>(std::clamp<int64_t>(next, spin->second.Low, spin->second.High));
    if (value != SpinValue(edit) || Text(edit) != std::to_string(value)) {
        SetSpin(edit, value);
        events.Changed(edit);
    }
    result = 1; // the up-down keeps no position of its own
    return true;
}

bool DialogView::Scroll(setup::ControlEvents& events, WORD code, HWND control)
{
    if (!IsTrackBar(control))
        return false;
    if (code != TB_ENDTRACK) // the end of a drag moves nothing
        events.Changed(GetDlgCtrlID(control));
    return true;
}

bool DialogView::Checked(int id)
{
    HWND control = Control(id);
    return control && SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void DialogView::SetCheckState(int id, bool checked)
{
    if (HWND control = Control(id))
        SendMessageA(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void DialogView::SetRadio(int group, int item)
{
    const auto family = Family(group);
    for (size_t i = 1; i < family.size(); ++i)
        SendMessageA(family[i], BM_SETCHECK, static_cast<int>(i) - 1 == item ? BST_CHECKED : BST_UNCHECKED, 0);
}

int DialogView::RadioItem(int group)
{
    const auto family = Family(group);
    for (size_t i = 1; i < family.size(); ++i)
        if (SendMessageA(family[i], BM_GETCHECK, 0, 0) == BST_CHECKED)
            return static_cast<int>(i) - 1;
    return -1;
}

void DialogView::Enable(int id, bool enabled)
{
    for (HWND control : Family(id))
        EnableWindow(control, enabled);
}

void DialogView::Show(int id, bool shown)
{
    for (HWND control : Family(id))
        ShowWindow(control, shown ? SW_SHOW : SW_HIDE);
}

void DialogView::SetText(int id, const std::string& text)
{
    if (HWND control = Control(id)) {
        settingText_ = true;
        SetWindowTextA(control, text.c_str());
        settingText_ = false;
    }
}

std::string DialogView::Text(int id)
{
    HWND control = Control(id);
    if (!control)
        return {};
    std::string text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void DialogView::SetItems(int id, const std::vector<std::string>& items)
{
    HWND control = Control(id);
    if (!control)
        return;
    const bool list = IsClass(control, "ListBox");
    SendMessageA(control, list ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0);
    for (const auto& item : items)
        SendMessageA(control, list ? LB_ADDSTRING : CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void DialogView::SetSelection(int id, int index)
{
    if (HWND control = Control(id))
        SendMessageA(control, IsClass(control, "ListBox") ? LB_SETCURSEL : CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int DialogView::Selection(int id)
{
    HWND control = Control(id);
    if (!control)
        return -1;
    return static_cast<int>(SendMessageA(control, IsClass(control, "ListBox") ? LB_GETCURSEL : CB_GETCURSEL, 0, 0));
}

HWND DialogView::UpDown(int id) const
{
    HWND buddy = Control(id + 1);
    return buddy && IsClass(buddy, UPDOWN_CLASSA) ? buddy : nullptr;
}

// An up-down without a range counts from 100 down to 0, so its up arrow
// would report a step down. It gets a small rising range with its position
// in the middle, which it keeps (every step is refused, see Notify), so both
// arrows always report a step; the edit's own range may pass 16 bits, which
// UDM_SETRANGE32 would carry but comctl32 before 4.71 lacks.
void DialogView::SetSpinRange(int id, int32_t low, int32_t high, int32_t step)
{
    spins_[id] = {low, high, std::max<int32_t>(step, 1)};
    if (HWND control = Control(id); IsTrackBar(control)) {
        SendMessageA(control, TBM_SETRANGE, TRUE, MAKELPARAM(low, high));
        SendMessageA(control, TBM_SETLINESIZE, 0, static_cast<LPARAM>(std::max<int32_t>(step, 1)));
    } else if (HWND upDown = UpDown(id)) {
        SendMessageA(upDown, UDM_SETRANGE, 0, MAKELPARAM(2, 0));
        SendMessageA(upDown, UDM_SETPOS, 0, MAKELPARAM(1, 0));
    }
}

void DialogView::SetSpin(int id, int32_t value)
{
    if (const auto spin = spins_.find(id); spin != spins_.end())
        spin->second.Shown = value = std::clamp(value, spin->second.Low, spin->second.High);
    if (HWND control = Control(id); IsTrackBar(control)) {
        SendMessageA(control, TBM_SETPOS, TRUE, value);
        return;
    }
    SetText(id, std::to_string(value));
}

int32_t DialogView::SpinValue(int id)
{
    if (HWND control = Control(id); IsTrackBar(control))
        return static_cast<int32_t>(SendMessageA(control, TBM_GETPOS, 0, 0));
    const std::optional<int64_t> typed = setup::SpinNumber(Text(id));
    const auto spin = spins_.find(id);
    if (spin == spins_.end())
        return static_cast<int32_t>(std::clamp<int64_t>(typed.value_or(0), INT32_MIN, INT32_MAX));
    // A text that is no number keeps the value last shown.
    if (typed)
        spin->second.Shown = static_cast<int32_t>(std::clamp<int64_t>(*typed, spin->second.Low, spin->second.High));
    return spin->second.Shown;
}

void DialogView::Repaint(int id)
{
    if (HWND control = Control(id))
        InvalidateRect(control, nullptr, TRUE);
}

void DialogView::SetDateTime(int id, double dateTime)
{
    HWND control = Control(id);
    if (!control)
        return;
    const CalendarTime t = DecodeDateTime(dateTime);
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(t.Year);
    st.wMonth = static_cast<WORD>(t.Month);
    st.wDay = static_cast<WORD>(t.Day);
    st.wHour = static_cast<WORD>(t.Hour);
    st.wMinute = static_cast<WORD>(t.Minute);
    st.wSecond = static_cast<WORD>(t.Second);
    settingText_ = true;
    SendMessageA(control, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
    settingText_ = false;
}

double DialogView::DateTime(int id)
{
    SYSTEMTIME st{};
    HWND control = Control(id);
    if (!control || SendMessageA(control, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID)
        return 0;
    return EncodeDateTime({st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, 0});
}

void DialogView::SetTextLook(int id, const TextLook& look)
{
    HWND control = Control(id);
    if (!control)
        return;
    if (!lookFont_)
        lookFont_.Reset(CreateFontA(-look.Height, 0, 0, 0, look.Bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                    ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_SWISS, look.Face));
    if (lookFont_ && reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)) != lookFont_.Get())
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(lookFont_.Get()), TRUE);
    colours_[id] = look.Colour;
}

bool DialogView::TextColour(HWND control, COLORREF& colour) const
{
    const auto found = colours_.find(GetDlgCtrlID(control));
    if (found == colours_.end() || Control(found->first) != control)
        return false;
    colour = found->second;
    return true;
}

} // namespace win32
