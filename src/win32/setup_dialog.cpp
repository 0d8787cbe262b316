#include "win32/setup_dialog.h"

#include <commctrl.h>

#include <algorithm>

#include "devices/ras_session.h"
#include "resource_ids.h"
#include "win32/graph_display.h"
#include "win32/input_box.h"
#include "win32/win32_help.h"

namespace win32 {
namespace {

// The frame in pixels, whatever the dialog font: the client area, the
// tree at the left, the page host at the right, the bottom panel's buttons.
constexpr int ClientWidth = 589, ClientHeight = 378;
constexpr RECT TreeRect{2, 2, 2 + 145, 2 + 337};
constexpr RECT PageRect{150, 0, 150 + 438, 340};
constexpr int PanelTop = 340, ButtonWidth = 75, ButtonHeight = 25, ButtonGap = 6;
constexpr int AboutBoxWidth = 112, AboutBoxHeight = 47;
constexpr UINT_PTR AboutTimerId = 1;
constexpr int StatusPanelWidth = 250;

// The common controls, with the date and time pickers where comctl32 has
// them: InitCommonControlsEx came with Internet Explorer 3, after the
// first Windows 95, so it is looked up. Without it the pickers' pages
// open without the pickers (DS_NOFAILCREATE).
void InitControlClasses()
{
    InitCommonControls();
    using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    HMODULE comctl = GetModuleHandleA("comctl32.dll");
    const auto initEx =
        comctl ? reinterpret_cast<InitEx>(reinterpret_cast<void*>(GetProcAddress(comctl, "InitCommonControlsEx")))
               : nullptr;
    if (initEx) {
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES};
        initEx(&classes);
    }
}

} // namespace

TSetupDlg::TSetupDlg(Win32Ras& ras, const Services& services)
    : ras_(ras),
      services_(services),
      context_{Settings, view_, *this, services.Boxes, services.Launcher, services.Fonts, services.System,
               services.Bitmaps, services.Sound, services.Clock, services.Locale, services.Files},
      model_(context_)
{
    view_.Attach(&model_);
}

TSetupDlg::~TSetupDlg()
{
    StopAboutTimer();
}

bool TSetupDlg::Create(HINSTANCE instance, HWND owner)
{
    if (Handle())
        return true;
    instance_ = instance;
    InitControlClasses();
    return CreateModeless(instance, MAKEINTRESOURCEA(IDD_SETUP), owner);
}

void TSetupDlg::OnInit()
{
    tree_ = GetDlgItem(Handle(), IDC_TREEVIEWSETUP);
    PlaceFrame();
    for (int i = 0; i < setup::PageCount; ++i) {
        auto page = std::make_unique<Page>(*this);
        if (page->CreateModeless(instance_, MAKEINTRESOURCEA(IDD_PAGE_FIRST + i), Handle())) {
            FitPage(page->Handle());
            view_.AddDialog(page->Handle());
        }
        pages_[static_cast<size_t>(i)] = std::move(page);
    }
    if (HWND about = view_.Control(IDC_PAINTBOXABOUT))
        SetWindowPos(about, nullptr, 0, 0, AboutBoxWidth, AboutBoxHeight, SWP_NOMOVE | SWP_NOZORDER);
    SetUpRasPage();
    FillTree();
    model_.FormCreate();
}

// The status bars have one panel each; the password shows as stars.
void TSetupDlg::SetUpRasPage()
{
    for (int id : {IDC_STATUSBAR1, IDC_STATUSBAR2}) {
        int right = StatusPanelWidth;
        if (HWND bar = view_.Control(id))
            SendMessageA(bar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&right));
    }
    if (HWND password = view_.Control(IDC_CONNPW))
        SendMessageA(password, EM_SETPASSWORDCHAR, '*', 0);
}

void TSetupDlg::PlaceFrame()
{
    RECT outer{0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongA(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(Handle(), GWL_EXSTYLE)));
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(tree_, nullptr, TreeRect.left, TreeRect.top, TreeRect.right - TreeRect.left,
                 TreeRect.bottom - TreeRect.top, SWP_NOZORDER);
    // "&OK" "&Intro" "I&ndex" at the panel's left of Cancel, all at its right.
    const int ids[] = {IDOK, IDC_INTRO, IDC_INDEX, IDCANCEL};
    int x = ClientWidth - 4 * ButtonWidth - 3 * ButtonGap - 8;
    const int y = PanelTop + (ClientHeight - PanelTop - ButtonHeight) / 2;
    for (int id : ids) {
        SetWindowPos(GetDlgItem(Handle(), id), nullptr, x, y, ButtonWidth, ButtonHeight, SWP_NOZORDER);
        x += ButtonWidth + ButtonGap;
    }
}

// A page's template is laid out in dialog units: with the font it was
// designed for it fills the host exactly. A wider font (another system's
// substitute) would push its controls past the host, so the controls, and
// their font, are scaled down to fit.
void TSetupDlg::FitPage(HWND page)
{
    const int width = PageRect.right - PageRect.left, height = PageRect.bottom - PageRect.top;
    RECT natural{};
    GetClientRect(page, &natural);
    SetWindowPos(page, tree_, PageRect.left, PageRect.top, width, height, SWP_NOACTIVATE);
    if (natural.right <= width && natural.bottom <= height)
        return;
    const double scale = std::min(static_cast<double>(width) / std::max<LONG>(natural.right, 1),
                                  static_cast<double>(height) / std::max<LONG>(natural.bottom, 1));
    if (!pageFont_) {
        LOGFONTA lf{};
        if (GetObjectA(reinterpret_cast<HFONT>(SendMessageA(page, WM_GETFONT, 0, 0)), sizeof lf, &lf)) {
            lf.lfHeight = static_cast<LONG>(lf.lfHeight * scale);
            lf.lfWidth = 0;
            pageFont_.Reset(CreateFontIndirectA(&lf));
        }
    }
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
        const auto at = [scale](LONG v) { return static_cast<int>(v * scale + 0.5); };
        SetWindowPos(child, nullptr, at(r.left), at(r.top), at(r.right) - at(r.left), at(r.bottom) - at(r.top),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (pageFont_)
            SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(pageFont_.Get()), FALSE);
    }
}

void TSetupDlg::FillTree()
{
    for (int i = 0; i < setup::PageCount; ++i) {
        const std::string text(setup::Pages()[static_cast<size_t>(i)].Node);
        TVINSERTSTRUCTA insert{};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = const_cast<char*>(text.c_str());
        insert.item.lParam = i;
        nodes_[static_cast<size_t>(i)] = reinterpret_cast<HTREEITEM>(
            SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    }
}

bool TSetupDlg::ShowModal(HWND owner)
{
    if (!Create(instance_ ? instance_ : GetModuleHandleA(nullptr), owner))
        return false;
    showing_ = true;
    model_.ChangeForm();
    result_ = 0;
    const bool ownerWasEnabled = owner && !EnableWindow(owner, FALSE);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    if (OnShown)
        OnShown();

    // The dialog's own loop: the main window's timers and paints go on
    // behind it, its input is off.
    MSG msg;
    int failures = 0;
    while (result_ == 0) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // A quit for the program: end the dialog and let the main loop see it.
            PostQuitMessage(static_cast<int>(msg.wParam));
            result_ = IDCANCEL;
            break;
        }
        if (got == -1) {
            // A lost message, not the end (as in the main loop).
            if (++failures > 8)
                Sleep(50);
            continue;
        }
        failures = 0;
        if (!IsDialogMessageA(Handle(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    showing_ = false;
    if (OnClosing)
        OnClosing();
    if (ownerWasEnabled)
        EnableWindow(owner, TRUE);
    ShowWindow(Handle(), SW_HIDE);
    if (owner && IsWindowVisible(owner))
        SetActiveWindow(owner);
    return result_ == IDOK;
}

void TSetupDlg::End(INT_PTR result)
{
    // A dial waiting for its outcome is aborted; its handler ends before
    // the modal loop sees the result.
    if (model_.DialWaiting())
        model_.HangUp();
    result_ = result;
}

void TSetupDlg::SelectPage(int page)
{
    if (Handle())
        model_.ShowPageOf(page);
}

void TSetupDlg::StartAboutTimer()
{
    if (Handle() && !aboutTimer_)
        aboutTimer_ = SetTimer(Handle(), AboutTimerId, 1000, nullptr);
}

void TSetupDlg::StopAboutTimer()
{
    if (aboutTimer_ && Handle())
        KillTimer(Handle(), AboutTimerId);
    aboutTimer_ = 0;
}

bool TSetupDlg::OnCommand(WORD id, WORD code, HWND control)
{
    switch (id) {
    case IDC_INTRO:
        model_.IntroClick();
        return true;
    case IDC_INDEX:
        model_.IndexClick();
        return true;
    default:
        return PageCommand(id, code, control);
    }
}

bool TSetupDlg::PageCommand(WORD id, WORD code, HWND control)
{
    if (id == IDC_PAGE_SETTINGS && code == BN_CLICKED) {
        model_.SettingsClick();
        return true;
    }
    const bool handled = view_.Command(model_, id, code, control);
    if (closePutOff_ && !model_.DialWaiting()) {
        closePutOff_ = false;
        PostMessageA(GetWindow(Handle(), GW_OWNER), WM_CLOSE, 0, 0);
    }
    return handled;
}

bool TSetupDlg::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.hwndFrom == tree_ && header.code == TVN_SELCHANGEDA) {
        const auto& change = reinterpret_cast<const NMTREEVIEWA&>(header);
        if (!selecting_)
            model_.TreeViewSetupChange(static_cast<int>(change.itemNew.lParam));
        result = 0;
        return true;
    }
    return view_.Notify(model_, header, result);
}

bool TSetupDlg::OnOther(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result)
{
    switch (msg) {
    case WM_TIMER:
        if (wp != AboutTimerId)
            return false;
        if (IsWindowVisible(Handle()))
            view_.Repaint(IDC_PAINTBOXABOUT);
        result = TRUE;
        return true;
    case WM_DRAWITEM:
        result = DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        return result != FALSE;
    default:
        return false;
    }
}

bool TSetupDlg::DrawItem(const DRAWITEMSTRUCT& item)
{
    const int id = static_cast<int>(item.CtlID);
    const RECT& r = item.rcItem;
    if (id == IDC_PAINTBOXABOUT) {
        aboutBlitter_.Draw(item.hDC, r.left, r.top, model_.PaintBoxAboutPaint());
        return true;
    }
    uint32_t colour = 0;
    if (!model_.SwatchColour(id, colour))
        return false;
    // An outline with the default pen and brush, the inside in the colour.
    {
        const SelectedObject pen(item.hDC, GetStockObject(BLACK_PEN));
        const SelectedObject brush(item.hDC, GetStockObject(WHITE_BRUSH));
        Rectangle(item.hDC, r.left, r.top, r.right, r.bottom);
    }
    if (const OwnedBrush fill(CreateSolidBrush(colour)); fill) {
        RECT inside{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        FillRect(item.hDC, &inside, fill.Get());
    }
    return true;
}

bool TSetupDlg::Page::OnCommand(WORD id, WORD code, HWND control)
{
    return owner_.PageCommand(id, code, control);
}

bool TSetupDlg::Page::OnNotify(const NMHDR& header, LRESULT& result)
{
    return owner_.OnNotify(header, result);
}

bool TSetupDlg::Page::OnOther(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result)
{
    if (msg == WM_HSCROLL) { // a track bar moved
        if (!owner_.view_.Scroll(owner_.model_, LOWORD(wp), reinterpret_cast<HWND>(lp)))
            return false;
        result = 0;
        return true;
    }
    if (msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN) { // a caption in a colour of its own
        COLORREF colour = 0;
        if (!owner_.view_.TextColour(reinterpret_cast<HWND>(lp), colour))
            return false;
        const auto dc = reinterpret_cast<HDC>(wp);
        SetTextColor(dc, colour);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        result = reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        return true;
    }
    if (msg != WM_DRAWITEM)
        return false;
    return owner_.OnOther(msg, wp, lp, result);
}

// --- The frame's services

void TSetupDlg::ShowPage(int index, bool contentsShown)
{
    if (index < 0 || index >= setup::PageCount)
        return;
    HWND next = pages_[static_cast<size_t>(index)] ? pages_[static_cast<size_t>(index)]->Handle() : nullptr;
    for (const auto& page : pages_)
        if (page && page->Handle() && page->Handle() != next)
            ShowWindow(page->Handle(), SW_HIDE);
    if (next)
        ShowWindow(next, contentsShown ? SW_SHOW : SW_HIDE);
    shownPage_ = index;
}

void TSetupDlg::SelectTreeNode(int index)
{
    if (index < 0 || index >= setup::PageCount || !tree_)
        return;
    selecting_ = true;
    SendMessageA(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(nodes_[static_cast<size_t>(index)]));
    selecting_ = false;
}

void TSetupDlg::SetHelpContext(int topic)
{
    if (tree_)
        SetWindowContextHelpId(tree_, static_cast<DWORD>(topic));
}

void TSetupDlg::OpenHelp(int topic) { OpenHelpTopic(Handle(), topic); }

int32_t TSetupDlg::GrowGraphWindow(int32_t dy)
{
    return services_.Graph.GrowWindow(dy);
}

void TSetupDlg::SetThroughputTimer(uint32_t periodMs)
{
    services_.Graph.SetTimerPeriod(periodMs);
}

// --- The setup part

void TSetupDlg::ConnectRasEvents()
{
    // The connections page's status handler takes the state changes; it
    // shows them only while the dialog is open.
    devices::ConnectRasStateEvent(ras_.Component(), Settings, [this](devices::TRAS&) { model_.StateChanged(); });
}

void TSetupDlg::SetupStateChanged() { model_.StateChanged(); }

// After every paint of the display: while the dialog is closed this costs
// the one test.
void TSetupDlg::RefreshInformationPage()
{
    if (Settings.SetupDialogOpen)
        model_.Information();
}

void TSetupDlg::RasHangUp() { model_.HangUp(); }

// The engine hands the line on only when its text changed; the control is
// compared too (the page's loading sets it as well), so an unchanged line
// costs neither an allocation nor a repaint.
void TSetupDlg::SetConnectTimeLabel(const std::string& text)
{
    HWND label = view_.Control(IDC_LABELCONNECTTIME);
    if (!label)
        return;
    char shown[256];
    const auto length = static_cast<size_t>(GetWindowTextA(label, shown, sizeof shown));
    if (length == text.size() && text.compare(0, length, shown, length) == 0)
        return;
    SetWindowTextA(label, text.c_str());
}

bool TSetupDlg::PutOffClose()
{
    if (!model_.DialWaiting())
        return false;
    closePutOff_ = true;
    model_.HangUp();
    return true;
}

// --- The connections and information pages' services

devices::TRAS& TSetupDlg::Ras() { return ras_.Component(); }

// Sleeps in the system until a message comes, never polling: the dial's
// progress, the user's clicks and the timers all arrive as messages.
void TSetupDlg::WaitForMessages()
{
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
        MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The program ends: the dial is aborted and the quit left for
            // the loops outside.
            PostQuitMessage(static_cast<int>(msg.wParam));
            model_.HangUp();
            return;
        }
        if (!Handle() || !IsDialogMessageA(Handle(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

bool TSetupDlg::InputQuery(const std::string& caption, const std::string& prompt, std::string& text)
{
    return TInputBox::Ask(instance_, Handle(), caption, prompt, text);
}

void TSetupDlg::Beep() { MessageBeep(0); }

int32_t TSetupDlg::ActivePage(int32_t stored)
{
    return Handle() ? model_.ActivePage() : stored;
}

void TSetupDlg::SetupChangeForm()
{
    if (Handle())
        model_.ChangeForm();
}

} // namespace win32
