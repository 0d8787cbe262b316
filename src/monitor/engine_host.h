// What the detection methods and the connection bookkeeping ask of the main
// window, the settings dialog and the throughput graph. Each request does
// nothing until the part of the program that answers it exists.
#pragma once

#include <string>

namespace monitor {

class EngineHost {
public:
    virtual ~EngineHost() = default;
    // Stops (false) or restarts (true) the poll timer with its period.
    virtual void EnablePollTimer(bool) {}
    // Lets the outermost window of the foreground window redraw its caption
    // (WM_NCACTIVATE, active), which wipes a connect time drawn into it.
    virtual void RedrawForegroundCaption() {}
    // Empties the throughput graph's samples.
    virtual void ClearThroughputHistory() {}
    // The settings dialog's connections page shows the RAS state anew.
    virtual void SetupStateChanged() {}
    // The settings dialog reloads every control.
    virtual void SetupChangeForm() {}
    // The settings dialog's total connect time label.
    virtual void SetConnectTimeLabel(const std::string&) {}
};

} // namespace monitor
