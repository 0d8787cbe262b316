#include "setup/logs_page.h"

#include "settings/modal_box.h"
#include "settings/paths.h"
#include "monitor/event_logs.h"
#include "resource_ids.h"

namespace setup {

struct LogsPageModel::Log {
    const char* Ending;   // replaces the program's extension
    const char* FileName; // as the boxes name it
    const char* Question;
};

std::optional<std::string> EditorCommand(SetupContext& ctx)
{
    std::string editor = Unquoted(ctx.G.EditorName);
    bool found = false;
    if (!editor.empty()) {
        found = ctx.Files.Exists(editor);
    } else {
        editor = ctx.Files.AssociatedProgram(ctx.System.WindowsDirectory() + "\\win.ini");
        found = !editor.empty();
    }
    if (!found) {
        ShowOkBox(ctx, EditorMissingText);
        return std::nullopt;
    }
    return ctx.Files.ShortPath(editor) + " ";
}

namespace {

constexpr Binding Bindings[] = {
    bind::Check(IDC_CHECKBOXLOGRI, &TGVar::LogRI),
    bind::Check(IDC_CHECKBOXLOGCONNECT, &TGVar::LogDCD),
    bind::Check(IDC_CBLOGTOTAL, &TGVar::LogTotalBytes),
    bind::Spin(IDC_SECDUPTIME, &TGVar::DCDInterval, 0, SpinMax),
    bind::Spin(IDC_SENEGDELAY, &TGVar::NegotiationDelay, 0, 1000),
};

} // namespace

LogsPageModel::LogsPageModel(SetupContext& ctx) : PageModel(ctx, Bindings) {}

bool LogsPageModel::OnClicked(int id)
{
    static constexpr Handler<LogsPageModel> handlers[] = {
        {IDC_SHOWLOGRI, &LogsPageModel::ButtonShowLogRIClick},
        {IDC_SHOWLOGCD, &LogsPageModel::ButtonShowLogCDClick},
        {IDC_DELETELOGRI, &LogsPageModel::ButtonDeleteLogRIClick},
        {IDC_DELETELOGCD, &LogsPageModel::ButtonDeleteLogCDClick},
    };
    return Dispatch<LogsPageModel>(*this, handlers, id);
}

namespace {

constexpr LogsPageModel::Log RingLog{monitor::RingLogEnding, "BLINKERY.RI", "Delete RI Log file?"};
constexpr LogsPageModel::Log ConnectLog{monitor::ConnectLogEnding, "BLINKERY.DCD", "Delete Connect Log file?"};

} // namespace

void LogsPageModel::ButtonShowLogRIClick() { ShowLog(RingLog); }
void LogsPageModel::ButtonShowLogCDClick() { ShowLog(ConnectLog); }
void LogsPageModel::ButtonDeleteLogRIClick() { DeleteLog(RingLog); }
void LogsPageModel::ButtonDeleteLogCDClick() { DeleteLog(ConnectLog); }

void LogsPageModel::ShowLog(const Log& log)
{
    // Whether the log exists is the editor's business.
    std::optional<std::string> command = EditorCommand(ctx_);
    if (!command)
        return;
    *command += monitor::EventLogPath(ctx_.System.ShortProgramPath(), log.Ending);
    ctx_.Launcher.Exec(*command, platform::ShowState::Normal);
}

void LogsPageModel::DeleteLog(const Log& log)
{
    const std::string path = monitor::EventLogPath(ctx_.System.ProgramPath(), log.Ending);
    if (!ctx_.Files.CanOpenForReading(path)) {
        ShowOkBox(ctx_, std::string("Can not find the log file ") + log.FileName);
        return;
    }
    if (ShowModalBox(ctx_.G, ctx_.Boxes, log.Question, platform::MbButtons::OkCancel, platform::MbIcon::Warning) !=
        platform::MbResult::Ok)
        return;
    // A log the system will not delete (read-only, or held by the editor)
    // must not look deleted.
    if (!ctx_.Files.Remove(path))
        ShowOkBox(ctx_, std::string("Can not delete the log file ") + log.FileName);
}

} // namespace setup
