// The settings dialog's system choosers (colour, font, file) and the file
// services its pages use.
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <cstring>

#include "settings/fonts.h"
#include "settings/version.h"
#include "win32/select_reg_dialog.h"
#include "win32/setup_dialog.h"

namespace win32 {
namespace {

constexpr char ApplyProperty[] = "BlinkeryFontApply";
constexpr WORD ApplyButton = 1026; // psh3 of the font chooser's template
constexpr WORD ColourList = 0x473; // cmb4, the font chooser's colour list

struct FontApply {
    const std::function<void(const TFont&)>* Apply;
    int32_t LogPixelsY;
    bool Effects;
    TFont Base;
};

TFont FontOf(const LOGFONTA& lf, int32_t pointSizeTenths, COLORREF colour, const FontApply& how)
{
    TFont font = how.Base;
    font.Name = lf.lfFaceName;
    if (pointSizeTenths > 0)
        font.Size = (pointSizeTenths + 5) / 10;
    else if (lf.lfHeight < 0 && how.LogPixelsY > 0)
        font.Size = MulDiv(-lf.lfHeight, 72, how.LogPixelsY);
    font.Bold = lf.lfWeight >= FW_BOLD;
    font.Italic = lf.lfItalic != 0;
    if (how.Effects) {
        font.Underline = lf.lfUnderline != 0;
        font.StrikeOut = lf.lfStrikeOut != 0;
        font.Color = static_cast<int32_t>(colour);
    }
    return font;
}

// The font chooser's Apply button: the chooser's font at once.
UINT_PTR CALLBACK FontHook(HWND dialog, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_INITDIALOG) {
        const auto* choose = reinterpret_cast<const CHOOSEFONTA*>(lp);
        SetPropA(dialog, ApplyProperty, reinterpret_cast<HANDLE>(choose->lCustData));
        return TRUE;
    }
    if (msg == WM_DESTROY) {
        RemovePropA(dialog, ApplyProperty);
        return FALSE;
    }
    if (msg == WM_COMMAND && LOWORD(wp) == ApplyButton && HIWORD(wp) == BN_CLICKED) {
        const auto* how = reinterpret_cast<const FontApply*>(GetPropA(dialog, ApplyProperty));
        if (!how || !how->Apply || !*how->Apply)
            return TRUE;
        LOGFONTA lf{};
        SendMessageA(dialog, WM_CHOOSEFONT_GETLOGFONT, 0, reinterpret_cast<LPARAM>(&lf));
        COLORREF colour = static_cast<COLORREF>(how->Base.Color);
        const LRESULT index = SendDlgItemMessageA(dialog, ColourList, CB_GETCURSEL, 0, 0);
        if (index != CB_ERR)
            colour = static_cast<COLORREF>(SendDlgItemMessageA(dialog, ColourList, CB_GETITEMDATA, index, 0));
        try {
            (*how->Apply)(FontOf(lf, 0, colour, *how));
        } catch (...) {
        }
        return TRUE;
    }
    return FALSE;
}

} // namespace

setup::ChooserResult TSetupDlg::ChooseColour(uint32_t& colour)
{
    CHOOSECOLORA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = Handle();
    choose.rgbResult = colour;
    choose.lpCustColors = customColours_.data();
    choose.Flags = CC_RGBINIT | CC_ANYCOLOR;
    if (::ChooseColorA(&choose)) {
        colour = choose.rgbResult;
        return setup::ChooserResult::Ok;
    }
    return CommDlgExtendedError() == 0 ? setup::ChooserResult::Cancel : setup::ChooserResult::Failed;
}

setup::ChooserResult TSetupDlg::PickFont(setup::FontKind kind, TFont& font,
                                           const std::function<void(const TFont&)>& apply)
{
    const bool title = kind == setup::FontKind::Titlebar;
    FontApply how{&apply, services_.Fonts.LogPixelsY(), title, font};
    const platform::FontParams params = GdiFontParams(font, how.LogPixelsY);
    LOGFONTA lf{};
    lf.lfHeight = params.Height;
    lf.lfWeight = params.Weight;
    lf.lfItalic = params.Italic;
    lf.lfUnderline = params.Underline;
    lf.lfStrikeOut = params.StrikeOut;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, params.FaceName.c_str(), LF_FACESIZE);

    CHOOSEFONTA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = Handle();
    choose.lpLogFont = &lf;
    choose.rgbColors = static_cast<COLORREF>(font.Color);
    choose.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_FORCEFONTEXIST | CF_APPLY | CF_ENABLEHOOK |
                   (title ? CF_EFFECTS : CF_ANSIONLY);
    choose.lpfnHook = FontHook;
    choose.lCustData = reinterpret_cast<LPARAM>(&how);
    if (::ChooseFontA(&choose)) {
        font = FontOf(lf, choose.iPointSize, choose.rgbColors, how);
        return setup::ChooserResult::Ok;
    }
    return CommDlgExtendedError() == 0 ? setup::ChooserResult::Cancel : setup::ChooserResult::Failed;
}

bool TSetupDlg::BrowseFile(const std::string& filter, std::string& file)
{
    // "Text|*.ext|..." becomes the chooser's NUL-separated list.
    std::string list = filter;
    for (char& c : list)
        if (c == '|')
            c = '\0';
    list.append(2, '\0');
    char name[MAX_PATH] = {};
    lstrcpynA(name, file.c_str(), MAX_PATH);
    OPENFILENAMEA open{};
    open.lStructSize = OPENFILENAME_SIZE_VERSION_400A; // what Windows 95 and NT 4 accept
    open.hwndOwner = Handle();
    open.lpstrFilter = list.c_str();
    open.lpstrFile = name;
    open.nMaxFile = MAX_PATH;
    open.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (!GetOpenFileNameA(&open))
        return false;
    file = name;
    return true;
}

bool TSetupDlg::FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool TSetupDlg::CanOpenForReading(const std::string& path)
{
    return static_cast<bool>(OpenToRead(path));
}

std::string TSetupDlg::ShortPath(const std::string& path)
{
    char buffer[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : path;
}

std::string TSetupDlg::WindowsDirectory()
{
    char buffer[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

std::string TSetupDlg::AssociatedProgram(const std::string& file)
{
    char program[MAX_PATH] = {};
    const auto result = reinterpret_cast<INT_PTR>(FindExecutableA(file.c_str(), nullptr, program));
    return result > 32 ? std::string(program) : std::string();
}

bool TSetupDlg::RemoveFile(const std::string& path)
{
    return ::DeleteFileA(path.c_str()) != FALSE;
}

std::string TSetupDlg::ProgramVersion()
{
    return BLINKERY_VERSION;
}

std::string TSetupDlg::ProgramFileDate()
{
    // GetFileAttributesEx is missing on Windows 95: the file's own time.
    const OwnedFile file = OpenToRead(services_.System.ProgramPath());
    FILETIME written{}, local{};
    SYSTEMTIME time{};
    if (!file || !GetFileTime(file.Get(), nullptr, nullptr, &written) || !FileTimeToLocalFileTime(&written, &local) ||
        !FileTimeToSystemTime(&local, &time))
        return {};
    char text[64] = {};
    return GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, sizeof text) > 0 ? text : "";
}

void TSetupDlg::SelectRegistryEntry(const std::vector<std::string>& names,
                                    const std::function<void(const std::string&)>& clicked)
{
    TSelectRegDlg dialog(names, clicked);
    dialog.ShowModal(instance_ ? instance_ : GetModuleHandleA(nullptr), Handle());
}

std::vector<std::string> TSetupDlg::FindFiles(const std::string& pattern)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    const OwnedFind search(FindFirstFileA(pattern.c_str(), &found));
    if (!search)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.emplace_back(found.cFileName);
    } while (FindNextFileA(search.Get(), &found));
    return names;
}

} // namespace win32
