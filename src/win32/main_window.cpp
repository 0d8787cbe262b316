#include "win32/main_window.h"

#include "settings/fonts.h"
#include "settings/paths.h"
#include "devices/modem_init.h"
#include "devices/ras_session.h"
#include "monitor/lights_message.h"
#include "win32/splash_form.h"
#include "win32/win32_help.h"

namespace win32 {

namespace {

const char WindowClass[] = "TMainWindow";
constexpr UINT_PTR PollTimerId = 1;
constexpr UINT WM_APP_MINIMISED_DUTIES = WM_APP + 1;

// The in-display graph's status bar is a child: the display paints round it.
constexpr DWORD SingleBorder = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD SizeableBorder = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr uint32_t LogoMilliseconds = 3000;
constexpr int ModemResponseTime = 2000;

} // namespace

TMainWindow::TMainWindow() : profile_(SettingsFileName) {}

TMainWindow::~TMainWindow()
{
    FreeGdiObjects();
}

bool TMainWindow::Create(HINSTANCE instance, const std::string& commandTail, int showCommand)
{
    instance_ = instance;
    Settings.MinimisedStart = showCommand == SW_SHOWMINNOACTIVE;
    if (!CreateWindowOf(instance, WindowClass, LoadIconA(instance, "MODEM1_NC"), 0, "Blinkery", SingleBorder,
                        CW_USEDEFAULT, CW_USEDEFAULT, 100, 10, nullptr))
        return false;
    HWND hwnd = Handle();
    boxes_.SetOwner(hwnd);
    menu_.SetWindow(hwnd);
    menu_.RequestMinimisedDuties = [this] {
        // Run after the paint, not inside it: the duties may open the
        // settings dialog or minimise the window.
        if (!dutiesPosted_)
            dutiesPosted_ = PostMessageA(Handle(), WM_APP_MINIMISED_DUTIES, 0, 0) != FALSE;
    };
    menu_.RequestAutoRestore = [this] {
        ::AutoRestore(Settings, rules_, tray_.TrayIconShown() && !IsWindowVisible(Handle()));
    };
    setup_.SetMainBorder = [this](WindowBorder border) { SetBorder(border); };
    CreateTray(instance);
    lampDisplay_ = std::make_unique<LampDisplayWindow>(hwnd, instance, clock_, vxd_.Device(), ports_, fonts_, parts_);

    const std::string program = system_.ProgramPath();
    rnaapp_.SetFolder(program.substr(0, program.size() - FileNamePart(program).size()));
    tapi_.SetInstance(instance);
    counters_.AttachRas(&ras_.Component(), &ras_.Api());

    const bool windowsNT = system_.GetVersion().PlatformId == VER_PLATFORM_WIN32_NT;
    portIO_ = std::make_unique<devices::TDLPortIO>(portIoLibrary_, services_, windowsNT, system_.SystemDirectory());
    monitor::PollServices pollServices{clock_, boxes_, ports_, *portIO_, vxd_};
    events_ = std::make_unique<monitor::TEventActions>(
        Settings, monitor::EventServices{clock_, sound_, logs_, boxes_, launcher_, locale_, system_, vxd_, engineWindow_});
    inactivity_ = std::make_unique<monitor::TInactivityRules>(
        Settings, monitor::InactivityServices{clock_, boxes_, sound_, launcher_, ras_.Api(), power_, *portIO_},
        engineWindow_, &ras_.Component());
    monitor::PollParts parts{counters_, connection_, *events_, *inactivity_, keyboard_, *this};
    poll_ = std::make_unique<monitor::TPollCycle>(Settings, pollServices, parts);

    StartupContext ctx{settings_, boxes_, files_, launcher_, ports_, *portIO_, *this, parts_};
    if (!RunStartUp(Settings, commandTail, ctx))
        return false;
    CreateGraph(instance); // at the bounds the settings give
    setup_.Create(instance, hwnd); // on the page "SetupActivePage" gives
    return true;
}

void TMainWindow::CreateGraph(HINSTANCE instance)
{
    graph_.OpenThroughputPage = [this] {
        Settings.ThroughputPageRequest = 1;
        RunCommand(MenuCommand::Setup);
    };
    graph_.KeyPressed = [this](uint32_t key) {
        const auto command = KeyCommand(Settings, key);
        if (command == MenuCommand::Setup || command == MenuCommand::ThroughputDisplay)
            RunCommand(*command);
    };
    graph_.Create(instance, Handle());
    lampDisplay_->DrawOverlay = [this](HDC dc, RECT& covered) { return graph_.DrawInDisplay(dc, covered); };
}

int TMainWindow::RunMessageLoop()
{
    MSG m;
    int failures = 0; // GetMessage failures in a row
    for (;;) {
        const BOOL got = GetMessageA(&m, nullptr, 0, 0);
        if (got == 0)
            break;
        if (got == -1) {
            // A message the system could not hand over (Wine fails so on an
            // oversized WM_COPYDATA from another process): it is lost, the
            // program is not. Should failures repeat, do not spin.
            if (++failures > 8)
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            continue;
        }
        failures = 0;
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    // A WM_QUIT that did not come from the window's own close (another
    // program may post one to this thread) still saves everything, without
    // questions, as at the end of a Windows session.
    if (Settings.ClosingState == 0) {
        RunShutDown(true);
        if (IsWindow(Handle()))
            DestroyWindow(Handle());
    }
    return static_cast<int>(m.wParam);
}

LRESULT TMainWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_TIMER: return OnTimer(msg, wp, lp);
    case WM_SYSCOMMAND: return OnSysCommand(msg, wp, lp);
    case WM_CLOSE: return OnClose();
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION: return OnEndSession(wp != 0);
    case WM_PAINT: return OnPaint();
    case WM_MOVE: return OnMove();
    case WM_SIZE: return OnSize(wp);
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lp));
    case WM_COPYDATA: return OnCopyData(msg, wp, lp);
    case WM_NCHITTEST: return OnNcHitTest(msg, wp, lp);
    case WM_COMMAND: return OnCommand(msg, wp, lp);
    case WM_CHAR: return OnChar(msg, wp, lp);
    case WM_INITMENUPOPUP: return OnInitMenuPopup(reinterpret_cast<HMENU>(wp));
    case WM_RBUTTONUP: return OnContextMenu();
    case WM_SETTINGCHANGE: return OnSettingChange(msg, wp, lp); // also WM_WININICHANGE
    case WM_APP_MINIMISED_DUTIES: return OnMinimisedDuties();
    case WM_ERASEBKGND: return 1; // the display paints every pixel itself
    case WM_DESTROY: return OnDestroy();
    default: return Default(msg, wp, lp);
    }
}

LRESULT TMainWindow::OnTimer(UINT msg, WPARAM wp, LPARAM lp)
{
    if (wp != PollTimerId || !poll_)
        return Default(msg, wp, lp);
    poll_->TimerEvent();
    return 0;
}

LRESULT TMainWindow::OnEndSession(bool ending)
{
    if (ending)
        RunShutDown(true);
    return 0;
}

LRESULT TMainWindow::OnSize(WPARAM type)
{
    if (lampDisplay_)
        lampDisplay_->OnSize(type);
    return 0;
}

LRESULT TMainWindow::OnGetMinMaxInfo(MINMAXINFO& info)
{
    if (lampDisplay_)
        lampDisplay_->OnGetMinMaxInfo(info);
    return 0;
}

LRESULT TMainWindow::OnInitMenuPopup(HMENU menu)
{
    menu_.Refresh(menu, Settings);
    return 0;
}

LRESULT TMainWindow::OnDestroy()
{
    tray_.Release(); // the icon leaves the tray with the window
    PostQuitMessage(0);
    return 0;
}

LRESULT TMainWindow::OnSysCommand(UINT msg, WPARAM wp, LPARAM lp)
{
    const bool wasMinimised = IsIconic(Handle()) != 0;
    const LRESULT result = Default(msg, wp, lp);
    switch (wp & 0xFFF0) {
    case SC_MINIMIZE: // the user minimised the application
        RunWindowRule(&Minimise);
        return result;
    case SC_RESTORE:
    case SC_MAXIMIZE:
        if (wasMinimised) // the user restored it
            RunWindowRule(&Restore);
        return result;
    default:
        break;
    }
    if (const auto command = SystemMenuCommand(static_cast<uint32_t>(wp)))
        RunCommand(*command);
    return result;
}

LRESULT TMainWindow::OnCommand(UINT msg, WPARAM wp, LPARAM lp)
{
    if (const auto command = MainMenu::CommandOf(wp)) {
        RunCommand(*command);
        return 0;
    }
    return Default(msg, wp, lp);
}

LRESULT TMainWindow::OnChar(UINT msg, WPARAM wp, LPARAM lp)
{
    if (const auto command = KeyCommand(Settings, static_cast<uint32_t>(wp))) {
        RunCommand(*command);
        return 0;
    }
    return Default(msg, wp, lp);
}

LRESULT TMainWindow::OnContextMenu()
{
    POINT at{};
    GetCursorPos(&at);
    menu_.ShowPopup(at);
    return 0;
}

LRESULT TMainWindow::OnSettingChange(UINT msg, WPARAM wp, LPARAM lp)
{
    const LRESULT result = Default(msg, wp, lp);
    SettingChanged(Settings);
    return result;
}

LRESULT TMainWindow::OnMinimisedDuties()
{
    dutiesPosted_ = false;
    MinimisedDuties(Settings, dialog_);
    return 0;
}

void TMainWindow::RunCommand(MenuCommand command)
{
    if (!startedUp_)
        return;
    MenuCommandContext menu{*this, dialog_, *inactivity_, clock_};
    RunMenuCommand(Settings, command, menu);
}

void TMainWindow::RunWindowRule(void (*rule)(TGVar&, WindowContext&))
{
    rule(Settings, rules_);
}

LRESULT TMainWindow::OnClose()
{
    if (parts_.Setup.PutOffClose())
        return 0;
    if (Settings.ClosingState == 0 && !CloseQuery(Settings, boxes_))
        return 0;
    RunShutDown(false);
    DestroyWindow(Handle());
    return 0;
}

LRESULT TMainWindow::OnPaint()
{
    if (lampDisplay_) {
        lampDisplay_->OnPaint();
        return 0;
    }
    PaintDc validate(Handle());
    return 0;
}

LRESULT TMainWindow::OnCopyData(UINT msg, WPARAM wp, LPARAM lp)
{
    // The companion lights program's message; any process may send it.
    const LRESULT result = Default(msg, wp, lp);
    if (const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp))
        monitor::ReceiveLightsMessage(Settings, launcher_, static_cast<uint32_t>(data->dwData), data->lpData,
                                      data->cbData);
    return result;
}

// The window is dragged by any point of its face. The button's state is
// asked at this moment: the hit test of a button press comes before the
// press is the thread's key state.
LRESULT TMainWindow::OnNcHitTest(UINT msg, WPARAM wp, LPARAM lp)
{
    const LRESULT hit = Default(msg, wp, lp);
    const int left = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    return hit == HTCLIENT && (GetAsyncKeyState(left) & 0x8000) ? HTCAPTION : hit;
}

void TMainWindow::RunShutDown(bool endingSession)
{
    if (!portIO_)
        return;
    ShutdownContext ctx{settings_, boxes_, *portIO_, *this, parts_};
    ShutDown(Settings, ctx, endingSession);
}

void TMainWindow::CreateTray(HINSTANCE instance)
{
    Win32Tray::Forms forms;
    forms.SetupWindow = [this] { return setup_.Window(); };
    forms.RunSetupModal = [this] { return setup_.ShowModal(Handle()) ? IDOK : IDCANCEL; };
    tray_.Create(instance, Handle(), std::move(forms));
    TTrayIcon95& icon = tray_.Icon();
    icon.AutoPopup = true;
    icon.Options = 0;
    icon.PopupMenu = reinterpret_cast<platform::TrayHandle>(menu_.Popup());
    icon.OnDblClick = [this](TTrayIcon95&) { OnTrayDoubleClick(); };
    setup_.OnShown = [this] { tray_.Icon().FormShown(TrayForm::SetupForm); };
    setup_.OnClosing = [this] { tray_.Icon().FormClosing(TrayForm::SetupForm); };
}

void TMainWindow::OnTrayDoubleClick()
{
    RunWindowRule(&RestoreFromTray);
}

// --- Start-up

void TMainWindow::SetCaption(const std::string& caption)
{
    SetWindowTextA(Handle(), caption.c_str());
}

void TMainWindow::PlaceWindow(bool sizeable, int32_t left, int32_t top, int32_t width, int32_t height)
{
    SetWindowLongA(Handle(), GWL_STYLE, static_cast<LONG>(sizeable ? SizeableBorder : SingleBorder));
    SetWindowPos(Handle(), nullptr, left, top, width > 0 ? width : 100, height > 0 ? height : 10,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TMainWindow::CreateMemoryDc()
{
    fonts_.CreateMemoryDc(Handle());
}

void TMainWindow::RemoveCaption()
{
    SetCaptionBit(false);
}

void TMainWindow::CloseRasConnection(bool endingSession)
{
    devices::TRAS& ras = ras_.Component();
    if (endingSession) { // Windows is ending: nobody is asked
        ras.ReleaseConnection();
        return;
    }
    devices::CloseDownRasConnection(ras, Settings, boxes_, [this] { parts_.Setup.RasHangUp(); });
}

void TMainWindow::InitModem()
{
    SendInitString(devices::kStartupInitReplies);
}

// The init string to the monitored port through a component made for the
// exchange; replies: the replies read before the port closes.
void TMainWindow::SendInitString(int replies)
{
    devices::TSerialCom32 com(ports_, boxes_, clock_, pump_);
    com.ResponseTime = ModemResponseTime;
    devices::SendModemInitString(com, Settings.Port, Settings.ModemInitString, replies, clock_, pump_);
}

bool TMainWindow::SwitchPort(int32_t n)
{
    SwitchPortContext ctx{settings_, vxd_.Device(), ports_, boxes_, *this, parts_};
    return ::SwitchPort(Settings, n, ctx);
}

void TMainWindow::HangUpNow()
{
    if (inactivity_)
        inactivity_->HangUpNow();
}

// The layout decides the height at the next paint (the switch sets
// DisplayResized); a width of 0 keeps the present one until then.
void TMainWindow::MoveMainWindow(int32_t left, int32_t top, int32_t width)
{
    RECT r{};
    GetWindowRect(Handle(), &r);
    SetWindowPos(Handle(), nullptr, left, top, width > 0 ? width : r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
}

// The idle time of the inactivity rules counts from now.
void TMainWindow::ClearInactivityTimers()
{
    Settings.ConnectionState.LastActivity = clock_.Now();
}

void TMainWindow::ClearSignalMemory()
{
    monitor::ClearSignalMemory(Settings);
}

void TMainWindow::SetPollTimer(uint32_t periodMs)
{
    pollPeriod_ = periodMs;
    if (timer_) {
        KillTimer(Handle(), PollTimerId);
        timer_ = 0;
    }
    if (periodMs > 0)
        timer_ = SetTimer(Handle(), PollTimerId, periodMs, nullptr);
}

void TMainWindow::StartPollTimer()
{
    startedUp_ = true;
    SetPollTimer(pollPeriod_);
}

// Stops the poll timer for a while, or starts it again with its period.
void TMainWindow::EnablePollTimer(bool on)
{
    if (on) {
        SetPollTimer(pollPeriod_);
    } else if (timer_) {
        KillTimer(Handle(), PollTimerId);
        timer_ = 0;
    }
}

void TMainWindow::ShowLogo()
{
    TSplashForm::Show(instance_, ChangeFileExtension(system_.ProgramPath(), ".wav"), LogoMilliseconds, pump_);
}

bool TMainWindow::OpenHelperVxd()
{
    return vxd_.Open(Settings.OsKind, Settings.NoVxd, system_.ShortProgramPath()) == monitor::VxdOpenResult::Opened;
}

void TMainWindow::ShowMainWindow()
{
    if (lampDisplay_)
        lampDisplay_->FitBeforeShow();
    SetWindowPos(Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(Handle(), Settings.NewOrientation < 0 ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE);
}

// --- Shut-down

void TMainWindow::MainWindowPosition(int32_t& left, int32_t& top)
{
    // Screen coordinates, as start-up places the window with them. A
    // minimised or maximised window gives its last normal position, kept
    // at each move: the placement's normal position would be in workspace
    // coordinates, off by a task bar at the top or left.
    OnMove();
    if (normalPositionKnown_) {
        left = normalPosition_.x;
        top = normalPosition_.y;
    }
}

// Notes the position of a window that is neither minimised nor maximised.
LRESULT TMainWindow::OnMove()
{
    RECT r{};
    if (!IsIconic(Handle()) && !IsZoomed(Handle()) && GetWindowRect(Handle(), &r)) {
        normalPosition_ = {r.left, r.top};
        normalPositionKnown_ = true;
    }
    return 0;
}

void TMainWindow::FreeGdiObjects()
{
    fonts_.Free();
    const TGVar& g = Settings;
    if (Handle() && !g.HelpFile.empty())
        WinHelpA(Handle(), g.HelpFile.c_str(), HELP_QUIT, 0);
}

// --- The poll tick's windows

void TMainWindow::InvalidateMainWindow()
{
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TMainWindow::FormPaint()
{
    if (lampDisplay_)
        lampDisplay_->Paint();
    else
        Settings.RepaintRequested = false;
    if (repaintTwice_) {
        repaintTwice_ = false;
        Settings.RepaintRequested = true;
        InvalidateMainWindow();
    }
}

// --- The window's rules, the settings dialog and the menu commands

void TMainWindow::SetTrayIconActive(bool active)
{
    if (!active) {
        tray_.HideTrayIcon();
        return;
    }
    tray_.Icon().SetActive(true);
    tray_.UpdateTrayIcon();
}

void TMainWindow::SetCaptionBit(bool shown)
{
    const LONG style = GetWindowLongA(Handle(), GWL_STYLE);
    const LONG wanted = shown ? (style | WS_BORDER) : (style & ~static_cast<LONG>(WS_BORDER));
    if (wanted == style)
        return;
    SetWindowLongA(Handle(), GWL_STYLE, wanted);
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TMainWindow::ResizeMainWindow(int32_t width, int32_t height)
{
    SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TMainWindow::ShowSettingsDialog()
{
    return tray_.Icon().ShowModalForm(TrayForm::SetupForm) == IDOK;
}

void TMainWindow::SelectSetupPage(SetupPage page)
{
    setup_.SelectPage(page == SetupPage::About ? setup::AboutPage
                      : page == SetupPage::Ras ? setup::RasPage
                                               : setup::StartHerePage);
}

void TMainWindow::FollowDetectionAids()
{
    vxd_.Follow(Settings.OsKind, Settings.NoVxd, system_.ShortProgramPath());
    if (portIO_)
        portIO_->Follow(Settings.NoDirectHardwareAcesss);
}

void TMainWindow::BringSettingsDialogToFront()
{
    tray_.Icon().ShowForm(TrayForm::SetupForm);
}

void TMainWindow::SetBorder(WindowBorder border)
{
    const LONG keep = GetWindowLongA(Handle(), GWL_STYLE) & (WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE | WS_DISABLED);
    const DWORD style = border == WindowBorder::None     ? WS_POPUP | WS_CLIPCHILDREN
                        : border == WindowBorder::Single ? SingleBorder
                                                         : SizeableBorder;
    SetWindowLongA(Handle(), GWL_STYLE, keep | static_cast<LONG>(style));
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TMainWindow::ShowHelpTopic(int32_t topic) { OpenHelpTopic(Handle(), topic); }

bool TMainWindow::EngineWindow::CloseMainWindow()
{
    SendMessageA(window_.Handle(), WM_CLOSE, 0, 0);
    return Settings.ClosingState != 0;
}

void TMainWindow::EngineWindow::MakeMainWindowTopmost()
{
    SetWindowPos(window_.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TMainWindow::UpdateLampsNow()
{
    if (poll_ && startedUp_)
        poll_->TimerEvent();
}

} // namespace win32
