#include "win32/splash_form.h"

#include <mmsystem.h>

namespace win32 {

namespace {

const char SplashClass[] = "TSplashForm";
constexpr int LogoWidth = 322;
constexpr int LogoHeight = 240;

LRESULT CALLBACK SplashProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        auto logo = reinterpret_cast<HBITMAP>(GetWindowLongA(hwnd, GWL_USERDATA));
        if (logo) {
            HDC source = CreateCompatibleDC(dc);
            HGDIOBJ old = SelectObject(source, logo);
            BitBlt(dc, 0, 0, LogoWidth, LogoHeight, source, 0, 0, SRCCOPY);
            SelectObject(source, old);
            DeleteDC(source);
        }
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

} // namespace

void TSplashForm::Show(HINSTANCE instance, const std::string& wavePath, uint32_t milliseconds,
                       platform::MessagePump& pump)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = SplashProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = SplashClass;
    RegisterClassA(&wc);

    const int left = (GetSystemMetrics(SM_CXSCREEN) - LogoWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - LogoHeight) / 2;
    HWND hwnd = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, SplashClass, "Blinkery", WS_POPUP, left, top,
                                LogoWidth, LogoHeight, nullptr, nullptr, instance, nullptr);
    if (!hwnd)
        return;
    HBITMAP logo = static_cast<HBITMAP>(LoadImageA(instance, "LOGO", IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    SetWindowLongA(hwnd, GWL_USERDATA, reinterpret_cast<LONG>(logo));
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    UpdateWindow(hwnd);

    PlaySoundA(wavePath.c_str(), nullptr, SND_ASYNC | SND_FILENAME);
    const DWORD start = GetTickCount();
    for (DWORD elapsed = 0; elapsed < milliseconds; elapsed = GetTickCount() - start)
        pump.Pump(milliseconds - elapsed);

    DestroyWindow(hwnd);
    if (logo)
        DeleteObject(logo);
}

} // namespace win32
