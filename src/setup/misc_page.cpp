#include "setup/misc_page.h"

#include <optional>
#include <string>
#include <vector>

#include "resource_ids.h"
#include "setup/logs_page.h"

namespace setup {

namespace {

constexpr int ModemClassCount = 10;

} // namespace

void MiscPageModel::Fill()
{
    TGVar& g = ctx_.G;
    FillModemLogs();
    ctx_.View.SetText(IDC_CBMODEMLOGNAME, g.ModemLogName);
    ctx_.View.Enable(IDC_BITBTNMODEMLOG, !g.ModemLogName.empty());
    ctx_.View.SetText(IDC_EDITMODEMINITSTRING, g.ModemInitString);
    FillCheck(IDC_CBMODEMINIT, g.InitModem);
    ctx_.View.SetText(IDC_EDITORNAME, g.EditorName);
}

// The modem logs: on Windows NT/2000 the Windows folder's "Modem*.txt"
// files, on Windows 95/98/ME the log paths of the modem classes.
void MiscPageModel::FillModemLogs()
{
    std::vector<std::string> logs;
    if (ctx_.G.OsKind != OsWin9x) {
        logs = ctx_.Files.Matching(ctx_.System.WindowsDirectory() + "\\Modem*.txt");
    } else {
        platform::Registry& registry = ctx_.Services.Monitor().Registry();
        for (int i = 0; i < ModemClassCount; ++i) {
            std::string path;
            if (registry.ReadString(platform::RegistryRoot::LocalMachine, ModemClassKeys + std::to_string(i),
                                    "LoggingPath", path) &&
                !path.empty())
                logs.push_back(path);
        }
    }
    ctx_.View.SetItems(IDC_CBMODEMLOGNAME, logs);
}

bool MiscPageModel::Clicked(int id)
{
    static constexpr Handler<MiscPageModel> handlers[] = {
        {IDC_BROWSEEDITORNAME, &MiscPageModel::BrowseEditorNameClick},
        {IDC_BUTTONMODEMSETUP, &MiscPageModel::ButtonModemSetupClick},
        {IDC_BITBTNMODEMLOG, &MiscPageModel::BitBtnModemLogClick},
        {IDC_BITBTNHANGUPNOW, &MiscPageModel::BtnHangupNOWClick},
        {IDC_CBMODEMINIT, &MiscPageModel::CBModemInitClick},
        {IDC_BUTTONSENDNOW, &MiscPageModel::ButtonSendNOWClick},
    };
    return Dispatch<MiscPageModel>(*this, handlers, id);
}

bool MiscPageModel::Changed(int id)
{
    static constexpr Handler<MiscPageModel> handlers[] = {
        {IDC_EDITORNAME, &MiscPageModel::EditornameChange},
        {IDC_CBMODEMLOGNAME, &MiscPageModel::CBModemLogNameChange},
        {IDC_EDITMODEMINITSTRING, &MiscPageModel::EditModemInitStringChange},
    };
    return Dispatch<MiscPageModel>(*this, handlers, id);
}

void MiscPageModel::EditornameChange() { ctx_.G.EditorName = ctx_.View.Text(IDC_EDITORNAME); }

void MiscPageModel::BrowseEditorNameClick() { BrowseProgram(ctx_, IDC_EDITORNAME, ctx_.G.EditorName); }

void MiscPageModel::ButtonModemSetupClick() { ctx_.Launcher.Exec(ModemPropertiesCommand, platform::ShowState::Normal); }

void MiscPageModel::CBModemLogNameChange()
{
    ctx_.G.ModemLogName = ctx_.View.Text(IDC_CBMODEMLOGNAME);
    ctx_.View.Enable(IDC_BITBTNMODEMLOG, !ctx_.G.ModemLogName.empty());
}

// A name with a drive ("C:...") is a path of its own; any other lies in
// the Windows folder.
void MiscPageModel::BitBtnModemLogClick()
{
    const std::string& name = ctx_.G.ModemLogName;
    const std::string path = name.size() >= 2 && name[1] == ':' ? name : ctx_.System.WindowsDirectory() + "\\" + name;
    // An empty name would make the folder itself the "log".
    if (name.empty() || !ctx_.Files.Exists(path)) {
        ShowOkBox(ctx_, ModemLogMissingText);
        return;
    }
    std::optional<std::string> command = EditorCommand(ctx_);
    if (!command)
        return;
    ctx_.Launcher.Exec(*command + ctx_.Files.ShortPath(path), platform::ShowState::Normal);
}

void MiscPageModel::BtnHangupNOWClick() { ctx_.Services.Monitor().HangUpNow(); }

void MiscPageModel::CBModemInitClick() { TakeCheck(IDC_CBMODEMINIT, ctx_.G.InitModem); }

void MiscPageModel::EditModemInitStringChange() { ctx_.G.ModemInitString = ctx_.View.Text(IDC_EDITMODEMINITSTRING); }

// Whatever "InitModem" says; an empty string opens no port.
void MiscPageModel::ButtonSendNOWClick()
{
    if (!ctx_.G.ModemInitString.empty())
        ctx_.Services.Monitor().SendModemInitString();
}

} // namespace setup
