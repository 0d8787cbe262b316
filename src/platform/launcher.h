// Starting other programs by command line.
#pragma once

#include <string>

namespace platform {

enum class ShowState { Normal, Default, Hidden }; // SW_SHOWNORMAL, SW_SHOWDEFAULT, SW_HIDE

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // WinExec: false when the program could not be started.
    virtual bool Exec(const std::string& commandLine, ShowState show) = 0;
    // Starts a program as Exec does and watches it, in place of the one
    // watched before.
    virtual bool ExecWatched(const std::string& commandLine, ShowState show) = 0;
    // The watched program is still running.
    virtual bool WatchedRunning() = 0;
};

} // namespace platform
