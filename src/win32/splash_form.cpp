#include "win32/splash_form.h"

#include <mmsystem.h>

#include "win32/window_base.h"

namespace win32 {

namespace {

const char SplashClass[] = "TSplashForm";
constexpr int LogoWidth = 322;
constexpr int LogoHeight = 240;

// The borderless window that paints the logo picture.
class LogoWindow final : public WindowBase {
public:
    explicit LogoWindow(HBITMAP logo) : logo_(logo) {}

    bool Create(HINSTANCE instance)
    {
        const int left = (GetSystemMetrics(SM_CXSCREEN) - LogoWidth) / 2;
        const int top = (GetSystemMetrics(SM_CYSCREEN) - LogoHeight) / 2;
        return CreateWindowOf(instance, SplashClass, nullptr, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Blinkery", WS_POPUP,
                              left, top, LogoWidth, LogoHeight, nullptr);
    }

private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override
    {
        if (msg != WM_PAINT)
            return Default(msg, wp, lp);
        const PaintDc dc(Handle());
        if (logo_) {
            const OwnedMemoryDc source(CreateCompatibleDC(dc.Get()));
            const SelectedObject picture(source.Get(), logo_);
            BitBlt(dc.Get(), 0, 0, LogoWidth, LogoHeight, source.Get(), 0, 0, SRCCOPY);
        }
        return 0;
    }

    HBITMAP logo_;
};

} // namespace

void TSplashForm::Show(HINSTANCE instance, const std::string& wavePath, uint32_t milliseconds,
                       platform::MessagePump& pump)
{
    // The picture outlives the window that paints it.
    const OwnedBitmap logo(static_cast<HBITMAP>(LoadImageA(instance, "LOGO", IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    LogoWindow window(logo.Get());
    if (!window.Create(instance))
        return;
    ShowWindow(window.Handle(), SW_SHOWNOACTIVATE);
    UpdateWindow(window.Handle());

    PlaySoundA(wavePath.c_str(), nullptr, SND_ASYNC | SND_FILENAME);
    const DWORD start = GetTickCount();
    for (DWORD elapsed = 0; elapsed < milliseconds; elapsed = GetTickCount() - start)
        pump.Pump(milliseconds - elapsed);
}

} // namespace win32
