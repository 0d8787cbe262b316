#include "win32/main_window.h"

#include "app/shutdown.h"
#include "app/startup.h"
#include "app/switch_port.h"
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
constexpr UINT WM_APP_MINIMISED_DUTIES = WM_APP + 1;

// The in-display graph's status bar is a child: the display paints round it.
constexpr DWORD SingleBorder = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD SizeableBorder = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr uint32_t LogoMilliseconds = 3000;

} // namespace

TMainWindow::TMainWindow() : os_(SettingsFileName) {}

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
    timer_.Attach(hwnd);
    os_.Boxes.SetOwner(hwnd);
    menu_.SetWindow(hwnd);
    menu_.RequestMinimisedDuties = [this] {
        // Run after the paint, not inside it: the duties may open the
        // settings dialog or minimise the window.
        if (!dutiesPosted_ && MinimisedDutiesDue(Settings))
            dutiesPosted_ = PostMessageA(Handle(), WM_APP_MINIMISED_DUTIES, 0, 0) != FALSE;
    };
    menu_.RequestAutoRestore = [this] {
        if (app_)
            ::AutoRestore(Settings, *app_, tray_.TrayIconShown() && !IsWindowVisible(Handle()));
    };
    CreateTray(instance);
    lampDisplay_ = std::make_unique<LampDisplayWindow>(hwnd, instance, os_.Clock, os_.Vxd.Device(), os_.Ports,
                                                       os_.Metrics, os_.Fonts, parts_);

    const std::string program = os_.System.ProgramPath();
    os_.Rnaapp.SetFolder(program.substr(0, program.size() - FileNamePart(program).size()));
    os_.Tapi.SetInstance(instance);
    const bool windowsNT = os_.System.GetVersion().PlatformId == VER_PLATFORM_WIN32_NT;
    portIO_ = std::make_unique<devices::TDLPortIO>(os_.PortIoLibrary, os_.ServiceManager, windowsNT,
                                                   os_.System.SystemDirectory());
    const monitor::EngineServices services{
        os_.Clock, os_.Boxes, os_.Ports, *portIO_, os_.Vxd, os_.Lights, os_.Rnaapp, os_.StatData, os_.Tapi,
        os_.Locale, os_.Sound, os_.Logs, os_.Launcher, os_.System, os_.Ras.Api(), os_.Power, os_.KeyboardState,
        &os_.Ras.Component()};
    engine_ = std::make_unique<monitor::Engine>(Settings, services, static_cast<monitor::EngineWindow&>(*this), parts_);
    app_ = std::make_unique<AppContext>(AppContext{settings_, os_.Boxes, os_.Files, os_.Launcher, os_.Ports,
                                                   os_.VxdDevice, os_.Metrics, *portIO_, engine_->Inactivity(),
                                                   *this, parts_});

    if (!RunStartUp(Settings, commandTail, *app_))
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
    const int code = win32::RunMessageLoop();
    // A WM_QUIT that did not come from the window's own close (another
    // program may post one to this thread) still saves everything, without
    // questions, as at the end of a Windows session.
    if (Settings.ClosingState == 0) {
        RunShutDown(true);
        if (IsWindow(Handle()))
            DestroyWindow(Handle());
    }
    return code;
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
    if (wp != PollTimer::Id || !engine_)
        return Default(msg, wp, lp);
    engine_->Tick();
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
    os_.Metrics.Forget(); // the frames or the caption may have new sizes
    SettingChanged(Settings);
    return result;
}

LRESULT TMainWindow::OnMinimisedDuties()
{
    dutiesPosted_ = false;
    if (app_)
        MinimisedDuties(Settings, *app_);
    return 0;
}

void TMainWindow::RunCommand(MenuCommand command)
{
    if (timer_.Started())
        RunMenuCommand(Settings, command, *app_);
}

void TMainWindow::RunWindowRule(void (*rule)(TGVar&, AppContext&))
{
    if (app_)
        rule(Settings, *app_);
}

LRESULT TMainWindow::OnClose()
{
    if (parts_.Setup.PutOffClose())
        return 0;
    if (Settings.ClosingState == 0 && !CloseQuery(Settings, os_.Boxes))
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
        monitor::ReceiveLightsMessage(Settings, os_.Launcher, static_cast<uint32_t>(data->dwData), data->lpData,
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
    if (app_)
        ShutDown(Settings, *app_, endingSession);
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
    icon.OnDblClick = [this](TTrayIcon95&) { RunWindowRule(&RestoreFromTray); };
    setup_.OnShown = [this] { tray_.Icon().FormShown(TrayForm::SetupForm); };
    setup_.OnClosing = [this] { tray_.Icon().FormClosing(TrayForm::SetupForm); };
}

// --- Start-up

void TMainWindow::PlaceWindow(bool sizeable, int32_t left, int32_t top, int32_t width, int32_t height)
{
    Window().SetStyle(sizeable ? SizeableBorder : SingleBorder);
    Window().Place(left, top, width > 0 ? width : 100, height > 0 ? height : 10);
}

void TMainWindow::CreateMemoryDc()
{
    os_.Fonts.CreateMemoryDc(Handle());
}

void TMainWindow::CloseRasConnection(bool endingSession)
{
    devices::TRAS& ras = os_.Ras.Component();
    if (endingSession) { // Windows is ending: nobody is asked
        ras.ReleaseConnection();
        return;
    }
    devices::CloseDownRasConnection(ras, Settings, os_.Boxes, [this] { parts_.Setup.RasHangUp(); });
}

// The init string to the monitored port; replies: the replies read before
// the port closes.
void TMainWindow::SendInitString(int replies)
{
    devices::SendModemInitString(os_.Ports, os_.Boxes, os_.Clock, os_.Pump, Settings.Port, Settings.ModemInitString,
                                 replies);
}

bool TMainWindow::DialogMonitor::SwitchPort(int32_t n)
{
    return w_.app_ && ::SwitchPort(Settings, n, *w_.app_);
}

void TMainWindow::DialogMonitor::HangUpNow()
{
    if (w_.engine_)
        w_.engine_->Inactivity().HangUpNow();
}

void TMainWindow::DialogMonitor::ShowInSystemTray(bool shown)
{
    if (w_.app_)
        SetTrayIconShown(Settings, *w_.app_, shown);
}

// The layout decides the height at the next paint (the switch sets
// DisplayResized); a width of 0 keeps the present one until then.
void TMainWindow::MoveMainWindow(int32_t left, int32_t top, int32_t width)
{
    const RECT r = Window().Rect();
    Window().Place(left, top, width > 0 ? width : r.right - r.left, r.bottom - r.top);
    Window().Show(SW_SHOWNOACTIVATE);
}

void TMainWindow::ShowLogo()
{
    TSplashForm::Show(instance_, ChangeFileExtension(os_.System.ProgramPath(), ".wav"), LogoMilliseconds, os_.Pump);
}

bool TMainWindow::OpenHelperVxd()
{
    return os_.Vxd.Open(Settings.OsKind, Settings.NoVxd, os_.System.ShortProgramPath()) ==
           monitor::VxdOpenResult::Opened;
}

void TMainWindow::ShowMainWindow()
{
    if (lampDisplay_)
        lampDisplay_->FitBeforeShow();
    Window().ForceTopmost(false);
    Window().Show(Settings.NewOrientation < 0 ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE);
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
    const Frame frame = Window();
    if (!frame.Minimised() && !frame.Maximised()) {
        const RECT r = frame.Rect();
        normalPosition_ = {r.left, r.top};
        normalPositionKnown_ = true;
    }
    return 0;
}

void TMainWindow::FreeGdiObjects()
{
    os_.Fonts.Free();
    const TGVar& g = Settings;
    if (Handle() && !g.HelpFile.empty())
        WinHelpA(Handle(), g.HelpFile.c_str(), HELP_QUIT, 0);
}

// --- The poll tick's windows

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

void TMainWindow::SelectSetupPage(SetupPage page)
{
    setup_.SelectPage(page == SetupPage::About ? setup::AboutPage
                      : page == SetupPage::Ras ? setup::RasPage
                                               : setup::StartHerePage);
}

void TMainWindow::FollowDetectionAids()
{
    os_.Vxd.Follow(Settings.OsKind, Settings.NoVxd, os_.System.ShortProgramPath());
    if (portIO_)
        portIO_->Follow(Settings.NoDirectHardwareAcesss);
}

void TMainWindow::SetBorder(WindowBorder border)
{
    Window().SetStyle(border == WindowBorder::None     ? WS_POPUP | WS_CLIPCHILDREN
                      : border == WindowBorder::Single ? SingleBorder
                                                       : SizeableBorder);
}

void TMainWindow::ShowHelpTopic(int32_t topic) { OpenHelpTopic(Handle(), topic); }

// Through the close query, at once: the engine's automatic exit needs to
// know whether the window closed.
bool TMainWindow::CloseMainWindow()
{
    SendMessageA(Handle(), WM_CLOSE, 0, 0);
    return Settings.ClosingState != 0;
}

void TMainWindow::UpdateLampsNow()
{
    if (engine_ && timer_.Started())
        engine_->Tick();
}

} // namespace win32
