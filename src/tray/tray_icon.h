// The tray icon component: the icon, its tip and state in the notification
// area, the icon animation, and hiding the application into the tray and
// bringing it and its forms back.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tray/timer_manager.h"
#include "tray/tray_msg_window.h"
#include "platform/clock.h"
#include "platform/tray.h"

using platform::TrayHandle;

// An error of the tray component; what() is the text shown to the user,
// one of the constant texts below (kept by pointer, so the exe needs none
// of the runtime's string-holding exception classes).
class TrayError : public std::exception {
public:
    explicit TrayError(const char* text) noexcept : text_(text) {}
    const char* what() const noexcept override { return text_; }

private:
    const char* text_;
};

inline constexpr const char* TrayOwnerError = "SystemTrays must be owned by a Form !";
inline constexpr const char* TrayClassError = "Couldn't register window class: TTrayApplication";
inline constexpr const char* TrayShowNilError = "You cant show a \"nil\" form !";
inline constexpr const char* TrayHideNilError = "You cant hide a \"nil\" form !";
inline constexpr const char* TrayShowInShowError =
    "You cant call ShowForm or ShowModalForm in the OnShow event of a form !";
inline constexpr const char* TrayStateError = "You cannot modify the state property in the OnStateChanging event !!!";

enum class TTrayIconState { tsEnabled, tsDisabled, tsAnimated };

enum TTrayIconOption : uint32_t {
    toMinimizeToTray = 1,
    toCloseFormsOnHideApp = 2,
    toHideTaskBarIconOnShowApp = 4,
};

enum class TAnimationOption { aoIconsInExe, aoIconsAreFiles };

struct TrayServices {
    platform::TrayShell& Shell;
    platform::SystemTimer& Timer;
    platform::Clock& Clock;
    platform::TrayDesktop& Desktop;
    platform::TrayApplication& App;
    platform::IconLoader& Icons;
};

class TTrayIcon95;

// The icons cycled in state tsAnimated.
class TTrayIconAnimation {
public:
    uint32_t Interval() const { return timer_.Interval(); }
    void SetInterval(uint32_t intervalMs) { timer_.SetInterval(intervalMs); }
    std::vector<std::string> Icons;
    TAnimationOption Options = TAnimationOption::aoIconsAreFiles;
    size_t Frame() const { return frame_; }

private:
    friend class TTrayIcon95;
    explicit TTrayIconAnimation(TTimerItem& timer) : timer_(timer) {}
    TTimerItem& timer_;
    size_t frame_ = 0;
};

// Sends the application back to the tray when its form closes, if the
// application came from there. A form has at most one.
struct TNotifyOnFormClose {
    TrayHandle Form = 0;
    bool ReturnToTray = false;
};

class TTrayIcon95 {
    // First: the animation's timer item is made from the manager.
    TrayServices services_;
    TTimerManager timers_;

public:
    using NotifyEvent = std::function<void(TTrayIcon95&)>;
    using MouseEvent = std::function<void(TTrayIcon95&, uint32_t shift, int32_t x, int32_t y)>;
    using StateChangingEvent = std::function<void(TTrayIcon95&, TTrayIconState& newState)>;
    // A deferred routine and its argument.
    using DeferredRoutine = void (*)(TTrayIcon95&, uintptr_t);

    // owner: the form that owns the icon (must not be 0).
    TTrayIcon95(const TrayServices& services, TrayHandle owner);
    virtual ~TTrayIcon95();
    TTrayIcon95(const TTrayIcon95&) = delete;
    TTrayIcon95& operator=(const TTrayIcon95&) = delete;

    bool Active() const { return active_; }
    void SetActive(bool active);
    // The icon is in the tray (the shell accepted it).
    bool Shown() const { return shown_; }
    // Adds the active icon again, after the shell's task bar was re-created.
    void Readd();

    bool AutoPopup = false;
    TrayHandle PopupMenu = 0;

    const std::string& Hint() const { return hint_; }
    void SetHint(std::string_view hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);

    TrayHandle Icon() const { return icon_; }
    void SetIcon(TrayHandle icon);
    // Both at once: one call to the shell when either changed.
    void SetHintAndIcon(std::string_view hint, TrayHandle icon);
    TrayHandle DisabledIcon() const { return disabledIcon_; }
    void SetDisabledIcon(TrayHandle icon);
    TrayHandle CurrentIcon() const { return current_; }

    TTrayIconState State() const { return state_; }
    void SetState(TTrayIconState state);

    uint32_t Options = toMinimizeToTray | toCloseFormsOnHideApp;
    TTrayIconAnimation Animation;

    NotifyEvent OnClick, OnDblClick;
    MouseEvent OnMouseEnter, OnMouseMove, OnMouseExit;
    NotifyEvent OnAppMinimize, OnAppRestore, OnAnimation;
    StateChangingEvent OnStateChanging;

    // Bring the application back from the tray / hide it there (deferred).
    virtual void ShowApplication();
    virtual void HideApplication();

    // Show a form even while the application is in the tray.
    int32_t ShowModalForm(TrayHandle form);
    void ShowForm(TrayHandle form);
    // Hides the main form or closes any other; the application goes back
    // to the tray when it came from there.
    void HideForm(TrayHandle form);

    // Calls from the window layer.
    // The application was minimised / restored.
    void ApplicationMinimized();
    void ApplicationRestored();
    // A form's show event: runs the form's own show code (within the
    // guard against showing forms from it).
    void FormShown(TrayHandle form);
    // A form is closing, before its own close handler runs.
    void FormClosing(TrayHandle form);
    // A message of the message window; see TTrayIconMsgWindow.
    bool HandleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result)
    {
        return window_.HandleMessage(message, wParam, lParam, result);
    }
    // A tick of the system timer.
    void TimerTick() { timers_.Tick(); }

    // Stores the routine and posts the deferred message; a call still
    // pending is replaced. Dropped when the post fails.
    void Defer(DeferredRoutine routine, uintptr_t argument);
    // The deferred message arrived: runs the pending routine once.
    void RunDeferred();

    const platform::TrayRecord& Record() const { return record_; }
    TTrayIconMsgWindow& MessageWindow() { return window_; }
    platform::TrayDesktop& Desktop() { return services_.Desktop; }
    platform::TrayApplication& App() { return services_.App; }

protected:
    // The deferred parts of ShowApplication and HideApplication.
    virtual void DoShowApplication();
    virtual void DoHideApplication();

private:
    int32_t ShowFormFromTray(TrayHandle form, bool modal);
    void AttachNotifier(TrayHandle form, bool returnToTray);
    void UnderHiddenParent();
    void BuildCurrentIcon();
    void IconChanged();
    void UpdateRecord();
    bool Notify(platform::TrayCommand command);
    void AnimationStep();
    void StartAnimation();
    void StopAnimation();

    TTrayIconMsgWindow window_;
    bool active_ = false;
    bool shown_ = false;
    std::string hint_;
    bool showHint_ = true;
    TrayHandle icon_ = 0;
    TrayHandle disabledIcon_ = 0;
    TrayHandle current_ = 0;
    TrayHandle frameIcon_ = 0; // the loaded animation frame, ours to free
    TTrayIconState state_ = TTrayIconState::tsEnabled;
    bool inStateChanging_ = false;
    platform::TrayRecord record_;
    platform::TrayRecord sent_; // what the shell was last given

    DeferredRoutine pending_ = nullptr;
    uintptr_t pendingArgument_ = 0;

    std::vector<TNotifyOnFormClose> notifiers_;
    TrayHandle wrappedForm_ = 0;   // a form shown from the tray whose show event is still to come
    bool wrappedWasHidden_ = false;
    bool inShowEvent_ = false;     // guard against ShowForm from a form's show event
};
