// The main window's poll timer.
#pragma once

#include <cstdint>

#include <windows.h>

namespace win32 {

// The poll timer of a window: its id and period. Until start-up has
// finished a new period is only noted.
class PollTimer {
public:
    static constexpr UINT_PTR Id = 1;

    void Attach(HWND window) { hwnd_ = window; }
    // The period; 0 stops the timer.
    void Set(uint32_t periodMs)
    {
        period_ = periodMs;
        Enable(true);
    }
    // Start-up has finished: the timer runs with its period.
    void Start()
    {
        started_ = true;
        Enable(true);
    }
    bool Started() const { return started_; }
    // Stops the timer for a while, or starts it again with its period.
    void Enable(bool on)
    {
        if (running_) {
            KillTimer(hwnd_, Id);
            running_ = false;
        }
        if (on && started_ && period_ > 0)
            running_ = SetTimer(hwnd_, Id, period_, nullptr) != 0;
    }

private:
    HWND hwnd_ = nullptr;
    uint32_t period_ = 0;
    bool started_ = false;
    bool running_ = false;
};

} // namespace win32
