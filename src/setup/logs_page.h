// The "Loggings" page: the two event logs switched on and off, the connect
// log's delays, and each log shown in the editor or deleted. Also the
// editor command that every "Show Log" button uses.
#pragma once

#include <optional>
#include <string>

#include "setup/page_model.h"

namespace setup {

inline constexpr char EditorMissingText[] = "Can not find editor for log files";

// The editor command: "EditorName", or the program the system associates
// with win.ini when it is empty, in short form and followed by one blank.
// Without an editor the user is told and there is no command.
std::optional<std::string> EditorCommand(SetupContext& ctx);

class LogsPageModel final : public PageModel {
public:
    explicit LogsPageModel(SetupContext& ctx);

    void ButtonShowLogRIClick();
    void ButtonShowLogCDClick();
    void ButtonDeleteLogRIClick();
    void ButtonDeleteLogCDClick();

    struct Log; // one of the two logs: its file ending and texts

protected:
    bool OnClicked(int id) override;

private:
    void ShowLog(const Log& log);
    void DeleteLog(const Log& log);
};

} // namespace setup
