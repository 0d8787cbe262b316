#include "win32/main_window.h"

#include <cstdlib>

#include "app/command_line.h"
#include "app/fonts.h"
#include "app/port_decision.h"
#include "app/settings_file.h"

namespace win32 {

namespace {

const char WindowClass[] = "TMainWindow";

int32_t OsKindOf(const platform::OsVersion& v)
{
    if (v.PlatformId != VER_PLATFORM_WIN32_NT)
        return OsWin9x;
    return v.Major == 5 ? OsWin2000 : OsNT4;
}

} // namespace

TMainWindow::TMainWindow() : profile_(SettingsFileName) {}

TMainWindow::~TMainWindow()
{
    FreeGdiObjects();
}

bool TMainWindow::Create(HINSTANCE instance, const std::string& commandTail)
{
    TGVar& g = Settings;
    g.OsKind = OsKindOf(system_.GetVersion());

    int32_t filePort = ReadDefaultPort(profile_);
    CommandLine cl = ParseCommandLine(SplitCommandLine(commandTail));
    g.CommandLinePort = cl.Port;
    g.AutoCheck = cl.AutoCheck ? 1 : 0;
    g.PortAvailable.fill(1);

    switch (DecidePort(filePort, cl.Port, g.PortAvailable, g.Port)) {
    case PortDecision::Refuse:
        boxes_.Show(PortNotAvailableText, "Blinkery", platform::MbButtons::Ok, platform::MbIcon::Error);
        return false;
    case PortDecision::FirstRun:
        g.FirstRunRequest = 1;
        break;
    case PortDecision::Monitor:
        break;
    }

    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = WindowClass;
    RegisterClassA(&wc);

    hwnd_ = CreateWindowA(WindowClass, "Blinkery", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 100, 10,
                          nullptr, nullptr, instance, this);
    if (!hwnd_)
        return false;
    boxes_.SetOwner(hwnd_);

    HDC windowDc = GetWindowDC(hwnd_);
    memoryDc_ = CreateCompatibleDC(windowDc);
    ReleaseDC(hwnd_, windowDc);
    fonts_.SetDeviceContext(memoryDc_);

    SettingsContext ctx{profile_, system_, clock_, fonts_};
    ReadSettings(g, ctx);
    BuildGdiFonts(g, fonts_);
    g.ShowLogoAtStartup = ReadShowLogo(profile_);

    const bool fixedSize = std::abs(g.NewOrientation) < 3;
    const int width = fixedSize ? 100 : (g.WindowSizeX > 0 ? g.WindowSizeX : 100);
    const int height = fixedSize ? 10 : g.WindowSizeY;
    SetWindowPos(hwnd_, nullptr, g.WindowPositionX, g.WindowPositionY, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    return true;
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
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

LRESULT TMainWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CLOSE:
        ShutDown();
        DestroyWindow(hwnd_);
        return 0;
    case WM_ENDSESSION:
        if (wp)
            ShutDown();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd_, msg, wp, lp);
    }
}

void TMainWindow::ShutDown()
{
    TGVar& g = Settings;
    if (g.ClosingState != 0)
        return;
    g.ClosingState = -1;
    SaveSettingsAtExit(g, profile_, boxes_);
    FreeGdiObjects();
    g.ClosingState = 1;
}

void TMainWindow::FreeGdiObjects()
{
    TGVar& g = Settings;
    fonts_.Delete(g.DisplayFontHandle);
    fonts_.Delete(g.TitleFontHandle);
    g.DisplayFontHandle = g.TitleFontHandle = 0;
    if (memoryDc_) {
        DeleteDC(memoryDc_);
        memoryDc_ = nullptr;
    }
}

} // namespace win32
