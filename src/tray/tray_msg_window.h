// The tray icon's message window: turns the shell's callback messages into
// click, double-click and pointer events, runs the deferred calls and
// answers the end of the Windows session.
#pragma once

#include <cstdint>

#include "tray/timer_manager.h"
#include "platform/tray.h"

class TTrayIcon95;

// Messages of the message window.
inline constexpr uint32_t TrayCallbackMessage = 1124; // WM_USER + 100
inline constexpr uint32_t TrayDeferredMessage = 1125; // WM_USER + 101
inline constexpr uint32_t WmQueryEndSession = 17;
inline constexpr uint32_t WmEndSession = 22;
inline constexpr uint32_t WmUser = 1024;

// Mouse messages in the low part of the callback's lParam.
inline constexpr uint32_t WmMouseMove = 512;
inline constexpr uint32_t WmLButtonDown = 513, WmLButtonDblClk = 515;
inline constexpr uint32_t WmRButtonDown = 516, WmRButtonDblClk = 518;
inline constexpr uint32_t WmMButtonDown = 519, WmMButtonDblClk = 521;

// The shift state handed to the pointer events.
enum TShiftState : uint32_t {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
};

class TTrayIconMsgWindow {
public:
    static constexpr uint32_t ClickInterval = 400; // the wait for a possible double click
    static constexpr uint32_t LeaveInterval = 70;  // how often the cursor is checked while inside

    TTrayIconMsgWindow(TTrayIcon95& owner, TTimerManager& timers);

    // One message of the window. True when handled; result is then the
    // window procedure's answer.
    bool HandleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result);

    // Fires OnDblClick or OnClick for the pending click.
    void ResolveClick();

    bool PointerInside() const { return inside_; }
    int LastButton() const { return button_; } // 0 left, 1 right, 2 middle

private:
    void MouseMove();
    void ButtonDown(int button);
    void LeaveCheck();
    void AutoPopup();
    uint32_t Shift();

    TTrayIcon95& owner_;
    TTimerItem& click_;
    TTimerItem& leave_;
    platform::CursorPoint cursor_;
    bool inside_ = false;
    int button_ = 0;
    bool doubleClick_ = false;
};
