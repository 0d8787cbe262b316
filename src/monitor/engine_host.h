// What the detection methods ask of the main window itself; the features'
// requests go to the window's parts (app/window_parts.h).
#pragma once

namespace monitor {

class EngineHost {
public:
    virtual ~EngineHost() = default;
    // Stops (false) or restarts (true) the poll timer with its period.
    virtual void EnablePollTimer(bool) {}
};

} // namespace monitor
