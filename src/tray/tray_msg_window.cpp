#include "tray/tray_msg_window.h"

#include <cstdlib>

#include "tray/tray_icon.h"

TTrayIconMsgWindow::TTrayIconMsgWindow(TTrayIcon95& owner, TTimerManager& timers)
    : owner_(owner), click_(timers.Add(false, ClickInterval, [this](uintptr_t) { ResolveClick(); })),
      leave_(timers.Add(false, LeaveInterval, [this](uintptr_t) { LeaveCheck(); }))
{
}

bool TTrayIconMsgWindow::HandleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result)
{
    result = 0;
    switch (message) {
    case TrayCallbackMessage:
        switch (static_cast<uint32_t>(lParam) & 0xFFFF) {
        case WmMouseMove:
            MouseMove();
            break;
        case WmLButtonDown:
            ButtonDown(0);
            break;
        case WmRButtonDown:
            ButtonDown(1);
            break;
        case WmMButtonDown:
            ButtonDown(2);
            break;
        case WmLButtonDblClk:
        case WmRButtonDblClk:
        case WmMButtonDblClk:
            doubleClick_ = true;
            ResolveClick();
            break;
        default:
            break;
        }
        return true;
    case TrayDeferredMessage:
        owner_.RunDeferred();
        return true;
    case WmQueryEndSession:
        result = 1;
        return true;
    case WmEndSession:
        if (wParam != 0)
            owner_.SetActive(false);
        return true;
    default:
        return false;
    }
}

uint32_t TTrayIconMsgWindow::Shift()
{
    platform::TrayDesktop& d = owner_.Desktop();
    uint32_t shift = 0;
    if (d.KeyDown(platform::VkShift))
        shift |= ssShift;
    if (d.KeyDown(platform::VkMenu))
        shift |= ssAlt;
    if (d.KeyDown(platform::VkControl))
        shift |= ssCtrl;
    if (d.KeyDown(platform::VkLButton))
        shift |= ssLeft;
    if (d.KeyDown(platform::VkRButton))
        shift |= ssRight;
    if (d.KeyDown(platform::VkMButton))
        shift |= ssMiddle;
    return shift;
}

void TTrayIconMsgWindow::MouseMove()
{
    cursor_ = owner_.Desktop().CursorPos();
    if (!owner_.OnMouseEnter && !owner_.OnMouseExit) {
        inside_ = true;
    } else if (!inside_) {
        // The shell tells no leaving, so the leave timer watches the cursor.
        inside_ = true;
        leave_.SetEnabled(true);
        if (owner_.OnMouseEnter)
            owner_.OnMouseEnter(owner_, Shift(), cursor_.X, cursor_.Y);
        return;
    }
    if (owner_.OnMouseMove && !click_.Enabled() && inside_)
        owner_.OnMouseMove(owner_, Shift(), cursor_.X, cursor_.Y);
}

void TTrayIconMsgWindow::LeaveCheck()
{
    const platform::CursorPoint now = owner_.Desktop().CursorPos();
    if (std::abs(now.X - cursor_.X) <= 2 && std::abs(now.Y - cursor_.Y) < 3)
        return;
    inside_ = false;
    leave_.SetEnabled(false);
    if (owner_.OnMouseExit)
        owner_.OnMouseExit(owner_, Shift(), now.X, now.Y);
}

void TTrayIconMsgWindow::ButtonDown(int button)
{
    button_ = button;
    if (button == 1 && owner_.AutoPopup && owner_.PopupMenu != 0) {
        AutoPopup();
    } else if (owner_.OnDblClick) {
        doubleClick_ = false;
        click_.SetEnabled(true);
    } else {
        owner_.Defer([](TTrayIcon95& tray, uintptr_t) { tray.MessageWindow().ResolveClick(); }, 0);
    }
}

// The menu needs the application in the foreground, or it does not close
// when the user clicks elsewhere; the posted WM_USER lets it close cleanly.
void TTrayIconMsgWindow::AutoPopup()
{
    platform::TrayDesktop& d = owner_.Desktop();
    platform::TrayApplication& app = owner_.App();
    d.ApplicationToForeground();
    d.ProcessMessages();
    d.Popup(owner_.PopupMenu, cursor_);
    d.PostToApplication(WmUser);
    bool formVisible = false;
    for (size_t i = 0, n = app.FormCount(); i < n && !formVisible; ++i)
        formVisible = app.FormVisible(app.Form(i));
    if (app.IsMinimized() || !formVisible)
        d.DesktopToForeground();
}

// The double-click flag is taken here, so a double click without an
// OnDblClick handler does not swallow the single clicks after it.
void TTrayIconMsgWindow::ResolveClick()
{
    click_.SetEnabled(false);
    const bool doubleClick = doubleClick_;
    doubleClick_ = false;
    if (doubleClick) {
        if (owner_.OnDblClick)
            owner_.OnDblClick(owner_);
    } else if (owner_.OnClick) {
        owner_.OnClick(owner_);
    }
}
