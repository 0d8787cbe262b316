#include "win32/tray_window.h"

#include <shellapi.h>

#include <cstring>
#include <string>

#include "settings/settings.h"

namespace win32 {

namespace {

const char MessageWindowClass[] = "TTrayIconMsgWindow";
const char HiddenParentClass[] = "TTrayApplication";
constexpr UINT_PTR TrayTimerId = 1;

HICON AsIcon(platform::TrayHandle h) { return reinterpret_cast<HICON>(h); }

} // namespace

Win32Tray::Win32Tray(platform::Clock& clock, platform::HelperVxd& vxd, platform::SerialPorts& ports)
    : tray_({*this, *this, clock, *this, *this, *this}, TrayForm::MainForm), update_(tray_, vxd, ports)
{
}

Win32Tray::~Win32Tray()
{
    Release();
}

bool Win32Tray::Create(HINSTANCE instance, HWND app, Forms forms)
{
    instance_ = instance;
    app_ = app;
    forms_ = std::move(forms);
    // Explorer announces a new task bar (after it restarted) with this
    // message; the icon is added again then.
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    return HiddenWindow::Create(instance, MessageWindowClass, WS_EX_TOOLWINDOW);
}

LRESULT Win32Tray::OnMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_TIMER && wp == TrayTimerId) {
        tray_.TimerTick();
        return 0;
    }
    if (taskbarCreated_ && msg == taskbarCreated_) {
        tray_.Readd();
        return 0;
    }
    intptr_t result = 0;
    if (tray_.HandleMessage(msg, wp, lp, result))
        return result;
    return Default(msg, wp, lp);
}

// --- The main window's tray part

void Win32Tray::LoadTrayIcons()
{
    update_.LoadIcons(*this);
}

void Win32Tray::ShowTrayIcon(bool hideApplication)
{
    tray_.SetActive(true);
    if (hideApplication)
        tray_.HideApplication();
    else
        tray_.ShowApplication();
}

void Win32Tray::UpdateTrayIcon()
{
    update_.Win95Tray(Settings);
}

void Win32Tray::SetIconActive(bool active)
{
    if (active) {
        tray_.SetActive(true);
        UpdateTrayIcon();
        return;
    }
    if (!IsWindowVisible(app_))
        tray_.ShowApplication();
    tray_.SetActive(false);
}

void Win32Tray::Release()
{
    tray_.SetActive(false);
    update_.FreeIcons(*this);
}

// --- The shell

bool Win32Tray::Notify(platform::TrayCommand command, const platform::TrayRecord& record)
{
    // The record as Windows 95 and NT 4 know it: 88 bytes.
    NOTIFYICONDATAA data{};
    static_assert(sizeof data >= 88, "the shell's record is at least 88 bytes");
    data.cbSize = 88;
    data.hWnd = reinterpret_cast<HWND>(record.Window);
    data.uID = record.Id;
    data.uFlags = record.Flags;
    data.uCallbackMessage = record.CallbackMessage;
    data.hIcon = AsIcon(record.Icon);
    std::memcpy(data.szTip, record.Tip, sizeof record.Tip);
    data.szTip[63] = '\0';
    const DWORD message = command == platform::TrayCommand::Add      ? NIM_ADD
                          : command == platform::TrayCommand::Modify ? NIM_MODIFY
                                                                     : NIM_DELETE;
    return Shell_NotifyIconA(message, &data) != FALSE;
}

// --- The timer and the desktop

void Win32Tray::Start(uint32_t periodMs)
{
    SetTimer(Handle(), TrayTimerId, periodMs, nullptr);
}

void Win32Tray::Stop()
{
    KillTimer(Handle(), TrayTimerId);
}

bool Win32Tray::PostDeferred()
{
    return PostMessageA(Handle(), TrayDeferredMessage, 0, 0) != FALSE;
}

platform::CursorPoint Win32Tray::CursorPos()
{
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void Win32Tray::ProcessMessages()
{
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT) { // for the main loop to see
            PostQuitMessage(static_cast<int>(m.wParam));
            break;
        }
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

void Win32Tray::Popup(platform::TrayHandle menu, platform::CursorPoint at)
{
    // The main window owns the menu: it sets the items' states as it pops
    // up and receives the chosen command.
    TrackPopupMenu(reinterpret_cast<HMENU>(menu), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.X, at.Y, 0, app_, nullptr);
}

// --- The application window and the forms

bool Win32Tray::UnderHiddenParent()
{
    if (!hiddenParent_.Handle() && !hiddenParent_.Create(instance_, HiddenParentClass, WS_EX_TOOLWINDOW))
        return false;
    // An owned window has no task-bar button.
    SetWindowLongA(app_, GWL_HWNDPARENT, reinterpret_cast<LONG>(hiddenParent_.Handle()));
    return true;
}

void Win32Tray::ReleaseFromHiddenParent()
{
    SetWindowLongA(app_, GWL_HWNDPARENT, 0);
}

bool Win32Tray::MinimizeAnimation()
{
    ANIMATIONINFO info{};
    info.cbSize = sizeof info;
    return SystemParametersInfoA(SPI_GETANIMATION, sizeof info, &info, 0) && info.iMinAnimate != 0;
}

void Win32Tray::SetMinimizeAnimation(bool on)
{
    ANIMATIONINFO info{};
    info.cbSize = sizeof info;
    info.iMinAnimate = on ? 1 : 0;
    SystemParametersInfoA(SPI_SETANIMATION, sizeof info, &info, 0);
}

HWND Win32Tray::FormWindow(platform::TrayHandle form)
{
    if (form == TrayForm::MainForm)
        return app_;
    return form == TrayForm::SetupForm && forms_.SetupWindow ? forms_.SetupWindow() : nullptr;
}

bool Win32Tray::FormVisible(platform::TrayHandle form)
{
    HWND hwnd = FormWindow(form);
    return hwnd && IsWindowVisible(hwnd);
}

void Win32Tray::ShowForm(platform::TrayHandle form)
{
    if (HWND hwnd = FormWindow(form))
        ShowWindow(hwnd, SW_SHOW);
}

int32_t Win32Tray::ShowModal(platform::TrayHandle form)
{
    return form == TrayForm::SetupForm && forms_.RunSetupModal ? forms_.RunSetupModal() : IDCANCEL;
}

void Win32Tray::HideForm(platform::TrayHandle form)
{
    if (HWND hwnd = FormWindow(form))
        ShowWindow(hwnd, SW_HIDE);
}

void Win32Tray::CloseForm(platform::TrayHandle form)
{
    if (HWND hwnd = FormWindow(form))
        PostMessageA(hwnd, WM_COMMAND, form == TrayForm::SetupForm ? IDCANCEL : 0, 0);
}

void Win32Tray::FormToForeground(platform::TrayHandle form)
{
    if (HWND hwnd = FormWindow(form))
        SetForegroundWindow(hwnd);
}

// --- Icons

platform::TrayHandle Win32Tray::LoadResourceIcon(std::string_view name)
{
    const std::string upper(name);
    return reinterpret_cast<platform::TrayHandle>(LoadImageA(instance_, upper.c_str(), IMAGE_ICON, 16, 16, 0));
}

platform::TrayHandle Win32Tray::LoadIconFile(std::string_view path)
{
    const std::string file(path);
    return reinterpret_cast<platform::TrayHandle>(LoadImageA(nullptr, file.c_str(), IMAGE_ICON, 16, 16, LR_LOADFROMFILE));
}

void Win32Tray::FreeIcon(platform::TrayHandle icon)
{
    if (icon)
        DestroyIcon(AsIcon(icon));
}

} // namespace win32
