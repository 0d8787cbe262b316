#include "settings/launcher.h"

#include "settings/modal_box.h"

std::string RunQuestion(const std::string& command)
{
    return "Run \xB4" + command + "\xB4?";
}

void Launch(TGVar& g, const std::string& command, int32_t askFirst, const std::string& programFileName,
            platform::MessageBoxes& boxes, platform::ProcessLauncher& launcher)
{
    if (askFirst == 1) {
        if (g.ModalActive)
            return;
        const platform::MbResult answer =
            ShowModalBox(g, boxes, RunQuestion(command), platform::MbButtons::YesNo, platform::MbIcon::Warning);
        if (answer != platform::MbResult::Yes)
            return;
    }
    if (command.empty() || FileNamePart(Unquoted(command)) == programFileName)
        return;
    launcher.Exec(command, platform::ShowState::Default);
}

void DialUpEntry(const TGVar& g, const std::string& entry, platform::ProcessLauncher& launcher)
{
    if (entry.empty())
        return;
    launcher.Exec((g.OsKind != OsWin9x ? "rasphone.exe -d " : "RUNDLL.EXE rnaui.dll,RnaDial ") + entry,
                  platform::ShowState::Normal);
}
