// Blinkery's main window: owns the long-lived objects and turns window
// messages into calls of the logic.
#pragma once

#include <string>

#include <windows.h>

#include "win32/win32_profile.h"
#include "win32/win32_system.h"

namespace win32 {

class TMainWindow {
public:
    TMainWindow();
    TMainWindow(const TMainWindow&) = delete;
    TMainWindow& operator=(const TMainWindow&) = delete;
    ~TMainWindow();

    // Runs start-up; false when the program must not start.
    bool Create(HINSTANCE instance, const std::string& commandTail);
    HWND Handle() const { return hwnd_; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    void ShutDown();
    void FreeGdiObjects();

    HWND hwnd_ = nullptr;
    HDC memoryDc_ = nullptr;
    Win32Profile profile_;
    Win32SystemInfo system_;
    Win32Clock clock_;
    Win32MessageBoxes boxes_;
    Win32Fonts fonts_;
};

} // namespace win32
