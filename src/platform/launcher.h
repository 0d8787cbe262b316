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
};

} // namespace platform
