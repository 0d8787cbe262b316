#include "win32/main_window.h"

#include "app/fonts.h"
#include "app/paths.h"
#include "devices/modem_init.h"
#include "devices/ras_session.h"
#include "monitor/lights_message.h"
#include "win32/splash_form.h"

namespace win32 {

namespace {

const char WindowClass[] = "TMainWindow";
constexpr UINT_PTR PollTimerId = 1;

enum SystemCommand : WPARAM {
    CmdUpdateNow = 300,
    CmdSetup = 301,
    CmdHelp = 302,
    CmdAbout = 303,
};

constexpr DWORD SingleBorder = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD SizeableBorder = WS_OVERLAPPEDWINDOW;
constexpr uint32_t LogoMilliseconds = 3000;
constexpr int ModemResponseTime = 2000;

} // namespace

TMainWindow::TMainWindow() : profile_(SettingsFileName) {}

TMainWindow::~TMainWindow()
{
    FreeGdiObjects();
}

bool TMainWindow::Create(HINSTANCE instance, const std::string& commandTail)
{
    instance_ = instance;
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hIcon = LoadIconA(instance, "MODEM1_NC");
    wc.lpszClassName = WindowClass;
    RegisterClassA(&wc);

    hwnd_ = CreateWindowExA(0, WindowClass, "Blinkery", SingleBorder, CW_USEDEFAULT, CW_USEDEFAULT, 100, 10,
                            nullptr, nullptr, instance, this);
    if (!hwnd_)
        return false;
    boxes_.SetOwner(hwnd_);
    lampDisplay_ = std::make_unique<LampDisplayWindow>(hwnd_, instance, clock_, vxd_.Device(), ports_, paintParts_);

    const std::string program = system_.ProgramPath();
    rnaapp_.SetFolder(program.substr(0, program.size() - FileNamePart(program).size()));
    tapi_.SetInstance(instance);
    counters_.AttachRas(&ras_.Component(), &ras_.Api());

    const bool windowsNT = system_.GetVersion().PlatformId == VER_PLATFORM_WIN32_NT;
    portIO_ = std::make_unique<devices::TDLPortIO>(portIoLibrary_, services_, windowsNT, system_.SystemDirectory());
    monitor::PollServices pollServices{clock_, boxes_, ports_, *portIO_, vxd_};
    monitor::PollParts parts{counters_, connection_, events_, inactivity_, keyboard_, *this};
    poll_ = std::make_unique<monitor::TPollCycle>(Settings, pollServices, parts);

    SettingsContext settings{profile_, system_, clock_, fonts_};
    StartupContext ctx{settings, boxes_, files_, launcher_, ports_, *portIO_, *this};
    return RunStartUp(Settings, commandTail, ctx);
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
        if (IsWindow(hwnd_))
            DestroyWindow(hwnd_);
    }
    return static_cast<int>(m.wParam);
}

LRESULT CALLBACK TMainWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lp);
        auto* self = static_cast<TMainWindow*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongA(hwnd, GWL_USERDATA, reinterpret_cast<LONG>(self));
    }
    auto* self = reinterpret_cast<TMainWindow*>(GetWindowLongA(hwnd, GWL_USERDATA));
    if (!self)
        return DefWindowProcA(hwnd, msg, wp, lp);
    try {
        return self->OnMessage(msg, wp, lp);
    } catch (...) {
        // Nothing may unwind through the system's frames.
        return 0;
    }
}

LRESULT TMainWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_TIMER:
        if (wp == PollTimerId && poll_)
            poll_->TimerEvent();
        return 0;
    case WM_SYSCOMMAND:
        if (wp >= CmdUpdateNow && wp <= CmdAbout) {
            OnSysCommand(wp);
            return 0;
        }
        break;
    case WM_CLOSE:
        if (Settings.ClosingState == 0 && !CloseQuery(Settings, boxes_))
            return 0;
        RunShutDown(false);
        DestroyWindow(hwnd_);
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wp)
            RunShutDown(true);
        return 0;
    case WM_PAINT: {
        if (lampDisplay_) {
            lampDisplay_->OnPaint();
            return 0;
        }
        PAINTSTRUCT ps;
        BeginPaint(hwnd_, &ps);
        EndPaint(hwnd_, &ps);
        return 0;
    }
    case WM_MOVE:
        OnMove();
        return 0;
    case WM_SIZE:
        if (lampDisplay_)
            lampDisplay_->OnSize(wp);
        return 0;
    case WM_GETMINMAXINFO:
        if (lampDisplay_)
            lampDisplay_->OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lp));
        return 0;
    case WM_COPYDATA: {
        // The companion lights program's message; any process may send it.
        const LRESULT result = DefWindowProcA(hwnd_, msg, wp, lp);
        if (const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp))
            monitor::ReceiveLightsMessage(Settings, launcher_, static_cast<uint32_t>(data->dwData), data->lpData,
                                          data->cbData);
        return result;
    }
    case WM_ERASEBKGND:
        return 1; // the display paints every pixel itself
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd_, msg, wp, lp);
}

void TMainWindow::OnSysCommand(WPARAM id)
{
    if (id == CmdUpdateNow && poll_ && startedUp_)
        poll_->TimerEvent();
}

void TMainWindow::RunShutDown(bool endingSession)
{
    if (!portIO_)
        return;
    SettingsContext settings{profile_, system_, clock_, fonts_};
    ShutdownContext ctx{settings, boxes_, *portIO_, *this};
    ShutDown(Settings, ctx, endingSession);
}

// --- Start-up

void TMainWindow::LoadTrayIcons() {}

void TMainWindow::SetCaption(const std::string& caption)
{
    SetWindowTextA(hwnd_, caption.c_str());
}

void TMainWindow::PlaceWindow(bool sizeable, int32_t left, int32_t top, int32_t width, int32_t height)
{
    SetWindowLongA(hwnd_, GWL_STYLE, static_cast<LONG>(sizeable ? SizeableBorder : SingleBorder));
    SetWindowPos(hwnd_, nullptr, left, top, width > 0 ? width : 100, height > 0 ? height : 10,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TMainWindow::CreateMemoryDc()
{
    HDC windowDc = GetWindowDC(hwnd_);
    memoryDc_ = CreateCompatibleDC(windowDc);
    ReleaseDC(hwnd_, windowDc);
    fonts_.SetDeviceContext(memoryDc_);
}

void TMainWindow::RemoveCaption()
{
    LONG style = GetWindowLongA(hwnd_, GWL_STYLE);
    SetWindowLongA(hwnd_, GWL_STYLE, style & ~static_cast<LONG>(WS_CAPTION));
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void TMainWindow::ConnectRasEvents()
{
    ras_.SetApplicationWindow(hwnd_);
    // The settings dialog's connection status handler takes the state
    // changes; it shows them only while the dialog is open.
    devices::ConnectRasStateEvent(ras_.Component(), Settings, [](devices::TRAS&) {});
}

void TMainWindow::CloseRasConnection(bool endingSession)
{
    devices::TRAS& ras = ras_.Component();
    if (endingSession) { // Windows is ending: nobody is asked
        ras.ReleaseConnection();
        return;
    }
    devices::CloseDownRasConnection(ras, Settings, boxes_, [&] { devices::HangUpRasConnection(ras, Settings); });
}

void TMainWindow::AddSystemMenuItems()
{
    HMENU menu = GetSystemMenu(hwnd_, FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, CmdSetup, "&Setup...");
    AppendMenuA(menu, MF_STRING, CmdAbout, "&About...");
    AppendMenuA(menu, MF_STRING, CmdHelp, "&HELP");
}

void TMainWindow::SetUpdateNowItem(bool present)
{
    HMENU menu = GetSystemMenu(hwnd_, FALSE);
    DeleteMenu(menu, CmdUpdateNow, MF_BYCOMMAND);
    if (present)
        AppendMenuA(menu, MF_STRING, CmdUpdateNow, "Update Lamps &Now!");
}

void TMainWindow::InitModem()
{
    devices::TSerialCom32 com(ports_, boxes_, clock_, pump_);
    com.ResponseTime = ModemResponseTime;
    devices::SendModemInitString(com, Settings.Port, Settings.ModemInitString, devices::kStartupInitReplies, clock_,
                                 pump_);
}

void TMainWindow::ClearSignalMemory()
{
    monitor::ClearSignalMemory(Settings);
}

void TMainWindow::SetPollTimer(uint32_t periodMs)
{
    pollPeriod_ = periodMs;
    if (timer_) {
        KillTimer(hwnd_, PollTimerId);
        timer_ = 0;
    }
    if (periodMs > 0)
        timer_ = SetTimer(hwnd_, PollTimerId, periodMs, nullptr);
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
        KillTimer(hwnd_, PollTimerId);
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
    SetWindowPos(hwnd_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(hwnd_, Settings.NewOrientation < 0 ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE);
}

// --- Shut-down

void TMainWindow::RedrawActiveCaption()
{
    HWND active = GetForegroundWindow();
    while (active && GetParent(active))
        active = GetParent(active);
    if (active)
        PostMessageA(active, WM_NCACTIVATE, TRUE, 0);
}

void TMainWindow::MainWindowPosition(int32_t& left, int32_t& top)
{
    // Screen coordinates, as start-up places the window with them. A
    // minimised or maximised window gives its last normal position, kept
    // at each move: the placement's normal position would be in workspace
    // coordinates, off by a task bar at the top or left.
    RECT r{};
    if (!IsIconic(hwnd_) && !IsZoomed(hwnd_) && GetWindowRect(hwnd_, &r)) {
        left = r.left;
        top = r.top;
    } else if (normalPositionKnown_) {
        left = normalPosition_.x;
        top = normalPosition_.y;
    }
}

void TMainWindow::OnMove()
{
    RECT r{};
    if (!IsIconic(hwnd_) && !IsZoomed(hwnd_) && GetWindowRect(hwnd_, &r)) {
        normalPosition_ = {r.left, r.top};
        normalPositionKnown_ = true;
    }
}

void TMainWindow::GraphWindowRect(int32_t& left, int32_t& top, int32_t& width, int32_t& height)
{
    // No graph window yet: its place and size stay as read.
    left = Settings.ThroughputWindowPositionX;
    top = Settings.ThroughputWindowPositionY;
    width = static_cast<int32_t>(Settings.TWindowSizeX);
    height = static_cast<int32_t>(Settings.TWindowSizeY);
}

void TMainWindow::FreeGdiObjects()
{
    TGVar& g = Settings;
    fonts_.Delete(g.DisplayFontHandle);
    fonts_.Delete(g.TitleFontHandle);
    g.DisplayFontHandle = g.TitleFontHandle = 0;
    if (hwnd_ && !g.HelpFile.empty())
        WinHelpA(hwnd_, g.HelpFile.c_str(), HELP_QUIT, 0);
    if (memoryDc_) {
        DeleteDC(memoryDc_);
        memoryDc_ = nullptr;
    }
}

// --- The poll tick's windows

void TMainWindow::InvalidateMainWindow()
{
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void TMainWindow::FormPaint()
{
    if (lampDisplay_)
        lampDisplay_->Paint();
    else
        Settings.RepaintRequested = false;
}

} // namespace win32
