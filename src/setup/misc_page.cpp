#include "setup/misc_page.h"

#include <optional>
#include <string>
#include <vector>

#include "resource_ids.h"
#include "setup/logs_page.h"

namespace setup {

namespace {

constexpr int ModemClassCount = 10;

constexpr Binding Bindings[] = {
    bind::Text(IDC_CBMODEMLOGNAME, &TGVar::ModemLogName),
    bind::Text(IDC_EDITMODEMINITSTRING, &TGVar::ModemInitString),
    bind::Check(IDC_CBMODEMINIT, &TGVar::InitModem),
    bind::Text(IDC_EDITORNAME, &TGVar::EditorName),
};

} // namespace

MiscPageModel::MiscPageModel(SetupContext& ctx) : PageModel(ctx, Bindings) {}

// The list first: filling it clears the text the binding shows.
void MiscPageModel::Fill()
{
    FillModemLogs();
    FillBindings();
    ctx_.View.Enable(IDC_BITBTNMODEMLOG, !ctx_.G.ModemLogName.empty());
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

bool MiscPageModel::OnClicked(int id)
{
    static constexpr Handler<MiscPageModel> handlers[] = {
        {IDC_BROWSEEDITORNAME, &MiscPageModel::BrowseEditorNameClick},
        {IDC_BUTTONMODEMSETUP, &MiscPageModel::ButtonModemSetupClick},
        {IDC_BITBTNMODEMLOG, &MiscPageModel::BitBtnModemLogClick},
        {IDC_BITBTNHANGUPNOW, &MiscPageModel::BtnHangupNOWClick},
        {IDC_BUTTONSENDNOW, &MiscPageModel::ButtonSendNOWClick},
    };
    return Dispatch<MiscPageModel>(*this, handlers, id);
}

bool MiscPageModel::OnChanged(int id)
{
    static constexpr Handler<MiscPageModel> handlers[] = {
        {IDC_CBMODEMLOGNAME, &MiscPageModel::CBModemLogNameChange},
    };
    return Dispatch<MiscPageModel>(*this, handlers, id);
}

void MiscPageModel::BrowseEditorNameClick() { BrowseProgram(ctx_, IDC_EDITORNAME, ctx_.G.EditorName); }

void MiscPageModel::ButtonModemSetupClick() { ctx_.Launcher.Exec(ModemPropertiesCommand, platform::ShowState::Normal); }

void MiscPageModel::CBModemLogNameChange() { ctx_.View.Enable(IDC_BITBTNMODEMLOG, !ctx_.G.ModemLogName.empty()); }

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

// Whatever "InitModem" says; an empty string opens no port.
void MiscPageModel::ButtonSendNOWClick()
{
    if (!ctx_.G.ModemInitString.empty())
        ctx_.Services.Monitor().SendModemInitString();
}

} // namespace setup
