#include "win32/win32_help.h"

#include <shellapi.h>

#include <string>

#include "settings/help_topics.h"
#include "settings/modal_box.h"
#include "settings/settings.h"
#include "win32/win32_system.h"

namespace win32 {

namespace {

bool FileThere(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

void OpenHelpTopic(HWND owner, int32_t topic)
{
    TGVar& g = Settings;
    // WinHelp answers a missing file with its own box and still returns
    // TRUE, so the file is looked for first; FALSE means no viewer started.
    if (FileThere(g.HelpFile) && WinHelpA(owner, g.HelpFile.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(topic)))
        return;
    const std::string page = help::GuidePage(g.HelpFile, topic);
    if (FileThere(page) &&
        reinterpret_cast<INT_PTR>(ShellExecuteA(owner, "open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32)
        return;
    Win32MessageBoxes boxes;
    boxes.SetOwner(owner);
    ShowModalBox(g, boxes, help::NotFoundText(g.HelpFile), platform::MbButtons::Ok, platform::MbIcon::Information);
}

} // namespace win32
