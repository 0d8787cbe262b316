#include "win32/win32_system.h"

#include "app/date_time.h"

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

bool Win32FileQuery::Find(const std::string& path, platform::FileInfo& info)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(path.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    FindClose(find);
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return false;
    info.Size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    FILETIME local;
    SYSTEMTIME t;
    info.Modified = 0;
    if (FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) && FileTimeToSystemTime(&local, &t))
        info.Modified = EncodeDateTime({t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds});
    return true;
}

bool Win32Launcher::Exec(const std::string& commandLine, platform::ShowState show)
{
    return WinExec(commandLine.c_str(), show == platform::ShowState::Default ? SW_SHOWDEFAULT : SW_SHOWNORMAL) > 31;
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
    switch (MessageBoxA(owner, text.c_str(), caption.c_str(), type)) {
    case IDYES: return platform::MbResult::Yes;
    case IDNO: return platform::MbResult::No;
    case IDABORT: return platform::MbResult::Abort;
    case IDRETRY: return platform::MbResult::Retry;
    case IDIGNORE: return platform::MbResult::Ignore;
    case IDCANCEL: return platform::MbResult::Cancel;
    default: return platform::MbResult::Ok;
    }
}

platform::FontHandle Win32Fonts::Create(const platform::FontParams& p)
{
    HFONT font = CreateFontA(p.Height, p.Width, p.Escapement, p.Orientation, p.Weight, p.Italic, p.Underline,
                             p.StrikeOut, p.CharSet, p.OutPrecision, p.ClipPrecision, p.Quality, p.PitchAndFamily,
                             p.FaceName.c_str());
    return reinterpret_cast<platform::FontHandle>(font);
}

void Win32Fonts::Delete(platform::FontHandle font)
{
    if (font)
        DeleteObject(reinterpret_cast<HFONT>(font));
}

int32_t Win32Fonts::LogPixelsY()
{
    if (dc_)
        return GetDeviceCaps(dc_, LOGPIXELSY);
    HDC screen = GetDC(nullptr);
    int32_t dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

} // namespace win32
