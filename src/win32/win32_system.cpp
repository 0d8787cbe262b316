#include "win32/win32_system.h"

#include "settings/date_time.h"

namespace win32 {

platform::OsVersion Win32SystemInfo::GetVersion()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info))
        return {};
    return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

platform::WorkArea Win32SystemInfo::GetWorkArea()
{
    RECT r{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0))
        r = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return {r.left, r.top, r.right, r.bottom};
}

platform::CaptionFont Win32SystemInfo::GetCaptionFont()
{
    // The structure as Windows 95 and NT 4 know it (no padded border).
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    platform::CaptionFont font;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return font;
    const LOGFONTA& lf = metrics.lfCaptionFont;
    font.FaceName = lf.lfFaceName;
    font.Height = lf.lfHeight;
    font.Weight = lf.lfWeight;
    font.Italic = lf.lfItalic != 0;
    font.Underline = lf.lfUnderline != 0;
    font.StrikeOut = lf.lfStrikeOut != 0;
    return font;
}

uint32_t Win32SystemInfo::CaptionTextColour()
{
    return GetSysColor(COLOR_CAPTIONTEXT);
}

uint32_t Win32SystemInfo::ActiveCaptionColour()
{
    return GetSysColor(COLOR_ACTIVECAPTION);
}

std::string Win32SystemInfo::ProgramPath()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, n < sizeof path ? n : 0);
}

std::string Win32SystemInfo::ShortProgramPath()
{
    const std::string full = ProgramPath();
    char path[MAX_PATH];
    DWORD n = GetShortPathNameA(full.c_str(), path, sizeof path);
    return n > 0 && n < sizeof path ? std::string(path, n) : full;
}

std::string Win32SystemInfo::SystemDirectory()
{
    char path[MAX_PATH];
    UINT n = GetSystemDirectoryA(path, sizeof path);
    return std::string(path, n < sizeof path ? n : 0);
}

std::string Win32SystemInfo::WindowsDirectory()
{
    char path[MAX_PATH];
    UINT n = GetWindowsDirectoryA(path, sizeof path);
    return std::string(path, n < sizeof path ? n : 0);
}

namespace {

UINT ShowCommand(platform::ShowState show)
{
    return show == platform::ShowState::Default  ? SW_SHOWDEFAULT
           : show == platform::ShowState::Hidden ? SW_HIDE
                                                 : SW_SHOWNORMAL;
}

} // namespace

bool Win32Launcher::Exec(const std::string& commandLine, platform::ShowState show)
{
    return WinExec(commandLine.c_str(), ShowCommand(show)) > 31;
}

// CreateProcess searches for the program as WinExec does, and gives the
// process handle to watch.
bool Win32Launcher::ExecWatched(const std::string& commandLine, platform::ShowState show)
{
    watched_.Reset();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(ShowCommand(show));
    PROCESS_INFORMATION info{};
    std::string line = commandLine; // CreateProcessA may write to it
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    CloseHandle(info.hThread);
    watched_.Reset(info.hProcess);
    return true;
}

bool Win32Launcher::WatchedRunning()
{
    return watched_ && WaitForSingleObject(watched_.Get(), 0) == WAIT_TIMEOUT;
}

double Win32Clock::Now()
{
    SYSTEMTIME t;
    GetLocalTime(&t);
    return EncodeDateTime({t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds});
}

uint32_t Win32Clock::TickCount()
{
    return GetTickCount();
}

namespace {

RECT ChildRect(HWND dialog, HWND child)
{
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Windows has no box with just Abort and Retry: the Abort/Retry/Ignore box
// loses its Ignore button once it has laid itself out, and the other two
// move to the middle. Does nothing to other boxes.
void TrimIgnoreButton(HWND dialog)
{
    HWND ignore = GetDlgItem(dialog, IDIGNORE);
    HWND abort = GetDlgItem(dialog, IDABORT);
    HWND retry = GetDlgItem(dialog, IDRETRY);
    if (!ignore || !abort || !retry)
        return;
    DestroyWindow(ignore);
    const RECT a = ChildRect(dialog, abort);
    const RECT r = ChildRect(dialog, retry);
    RECT client{};
    GetClientRect(dialog, &client);
    const int shift = (client.right - (r.right - a.left)) / 2 - a.left;
    SetWindowPos(abort, nullptr, a.left + shift, a.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(retry, nullptr, r.left + shift, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

const char OriginalProcProperty[] = "Blinkery.BoxProc";

// The box's window procedure, wrapped from its creation on: the box lays
// out its buttons in WM_INITDIALOG (activation comes before that on some
// systems and after it on others), so the trim follows that message.
LRESULT CALLBACK BoxProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp)
{
    auto original = reinterpret_cast<WNDPROC>(GetPropA(dialog, OriginalProcProperty));
    if (!original)
        return DefDlgProcA(dialog, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        RemovePropA(dialog, OriginalProcProperty);
        SetWindowLongA(dialog, GWL_WNDPROC, reinterpret_cast<LONG>(original));
        return CallWindowProcA(original, dialog, msg, wp, lp);
    }
    const LRESULT result = CallWindowProcA(original, dialog, msg, wp, lp);
    if (msg == WM_INITDIALOG)
        TrimIgnoreButton(dialog);
    return result;
}

HHOOK abortRetryHook = nullptr;

LRESULT CALLBACK AbortRetryHook(int code, WPARAM wp, LPARAM lp)
{
    if (code == HCBT_CREATEWND) {
        HWND window = reinterpret_cast<HWND>(wp);
        char cls[16] = {};
        GetClassNameA(window, cls, sizeof cls);
        if (lstrcmpA(cls, "#32770") == 0 && !GetPropA(window, OriginalProcProperty)) {
            SetPropA(window, OriginalProcProperty, reinterpret_cast<HANDLE>(GetWindowLongA(window, GWL_WNDPROC)));
            SetWindowLongA(window, GWL_WNDPROC, reinterpret_cast<LONG>(&BoxProc));
        }
    }
    return CallNextHookEx(abortRetryHook, code, wp, lp);
}

} // namespace

platform::MbResult Win32MessageBoxes::Show(const std::string& text, const std::string& caption,
                                           platform::MbButtons buttons, platform::MbIcon icon)
{
    UINT type = 0;
    switch (buttons) {
    case platform::MbButtons::Ok: type = MB_OK; break;
    case platform::MbButtons::YesNo: type = MB_YESNO; break;
    case platform::MbButtons::AbortRetry: type = MB_ABORTRETRYIGNORE; break;
    case platform::MbButtons::RetryCancel: type = MB_RETRYCANCEL; break;
    case platform::MbButtons::OkCancel: type = MB_OKCANCEL; break;
    }
    switch (icon) {
    case platform::MbIcon::None: break;
    case platform::MbIcon::Error: type |= MB_ICONERROR; break;
    case platform::MbIcon::Warning: type |= MB_ICONWARNING; break;
    case platform::MbIcon::Question: type |= MB_ICONQUESTION; break;
    case platform::MbIcon::Information: type |= MB_ICONINFORMATION; break;
    }
    HWND owner = owner_ && IsWindow(owner_) ? owner_ : nullptr;
    // One hook serves boxes nested inside this one too.
    const bool hooking = buttons == platform::MbButtons::AbortRetry && !abortRetryHook;
    if (hooking)
        abortRetryHook = SetWindowsHookExA(WH_CBT, AbortRetryHook, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxA(owner, text.c_str(), caption.c_str(), type);
    if (hooking && abortRetryHook) {
        UnhookWindowsHookEx(abortRetryHook);
        abortRetryHook = nullptr;
    }
    switch (answer) {
    case IDYES: return platform::MbResult::Yes;
    case IDNO: return platform::MbResult::No;
    case IDABORT: return platform::MbResult::Abort;
    case IDRETRY: return platform::MbResult::Retry;
    case IDIGNORE: return platform::MbResult::Ignore;
    case IDCANCEL: return platform::MbResult::Cancel;
    default: return platform::MbResult::Ok;
    }
}

} // namespace win32
