#include "tray/tray_icon.h"

#include <algorithm>
#include <cstring>

using platform::TrayCommand;

TTrayIcon95::TTrayIcon95(const TrayServices& services, TrayHandle owner)
    : services_(services), timers_(services.Timer, services.Clock),
      Animation(timers_.Add(false, 1000, [this](uintptr_t) { AnimationStep(); })), window_(*this, timers_)
{
    if (owner == 0)
        throw TrayError(TrayOwnerError);
}

TTrayIcon95::~TTrayIcon95()
{
    if (active_ && shown_)
        services_.Shell.Notify(TrayCommand::Delete, record_);
    if (frameIcon_ != 0)
        services_.Icons.FreeIcon(frameIcon_);
}

// --- The icon in the tray ---

void TTrayIcon95::UpdateRecord()
{
    record_.Window = services_.Desktop.MessageWindow();
    record_.Icon = current_;
    const size_t n = showHint_ ? std::min(hint_.size(), sizeof record_.Tip - 1) : 0;
    std::memcpy(record_.Tip, hint_.data(), n);
    std::memset(record_.Tip + n, 0, sizeof record_.Tip - n);
}

// A change while the icon is not in the tray (the shell refused it, as it
// does before the task bar exists) tries to add it again. A change of the
// icon in the tray sends only the parts that differ from what the shell
// was given, and nothing when none does: each call goes through the shell's
// process, up to 18 times a second while data flows.
bool TTrayIcon95::Notify(TrayCommand command)
{
    UpdateRecord();
    if (command == TrayCommand::Modify && !shown_)
        command = TrayCommand::Add;
    using platform::TrayIconFlag, platform::TrayMessageFlag, platform::TrayTipFlag;
    record_.Flags = TrayMessageFlag | TrayIconFlag | TrayTipFlag;
    if (command == TrayCommand::Modify) {
        record_.Flags = (record_.Window != sent_.Window || record_.CallbackMessage != sent_.CallbackMessage
                             ? TrayMessageFlag
                             : 0) |
                        (record_.Icon != sent_.Icon ? TrayIconFlag : 0) |
                        (std::memcmp(record_.Tip, sent_.Tip, sizeof record_.Tip) != 0 ? TrayTipFlag : 0);
        if (record_.Flags == 0)
            return true;
    }
    const bool ok = services_.Shell.Notify(command, record_);
    if (ok && command != TrayCommand::Delete)
        sent_ = record_;
    if (command == TrayCommand::Add)
        shown_ = ok;
    else if (command == TrayCommand::Delete)
        shown_ = false;
    return ok;
}

void TTrayIcon95::SetActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    if (active) {
        BuildCurrentIcon();
        Notify(TrayCommand::Add);
        if (state_ == TTrayIconState::tsAnimated)
            StartAnimation();
    } else {
        StopAnimation();
        Notify(TrayCommand::Delete);
    }
}

void TTrayIcon95::Readd()
{
    if (!active_)
        return;
    shown_ = false;
    Notify(TrayCommand::Add);
}

void TTrayIcon95::SetHint(std::string_view hint)
{
    if (hint == hint_)
        return;
    hint_.assign(hint);
    if (showHint_ && active_)
        Notify(TrayCommand::Modify);
}

void TTrayIcon95::SetShowHint(bool show)
{
    if (show == showHint_)
        return;
    showHint_ = show;
    if (active_)
        Notify(TrayCommand::Modify);
}

void TTrayIcon95::SetIcon(TrayHandle icon)
{
    if (icon == icon_)
        return;
    icon_ = icon;
    IconChanged();
}

void TTrayIcon95::SetHintAndIcon(std::string_view hint, TrayHandle icon)
{
    const bool hintChanged = hint != hint_;
    if (hintChanged)
        hint_.assign(hint);
    const TrayHandle before = current_;
    if (icon != icon_) {
        icon_ = icon;
        BuildCurrentIcon();
    }
    if (active_ && ((hintChanged && showHint_) || current_ != before))
        Notify(TrayCommand::Modify);
}

void TTrayIcon95::SetDisabledIcon(TrayHandle icon)
{
    if (icon == disabledIcon_)
        return;
    disabledIcon_ = icon;
    IconChanged();
}

void TTrayIcon95::BuildCurrentIcon()
{
    switch (state_) {
    case TTrayIconState::tsEnabled:
        current_ = icon_;
        break;
    case TTrayIconState::tsDisabled:
        current_ = disabledIcon_;
        break;
    case TTrayIconState::tsAnimated: {
        const auto& icons = Animation.Icons;
        if (Animation.frame_ >= icons.size())
            break;
        const std::string& name = icons[Animation.frame_];
        TrayHandle frame = 0;
        if (Animation.Options == TAnimationOption::aoIconsInExe) {
            std::string upper = name;
            std::transform(upper.begin(), upper.end(), upper.begin(),
                           [](unsigned char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : char(c); });
            frame = services_.Icons.LoadResourceIcon(upper);
        } else {
            frame = services_.Icons.LoadIconFile(name);
        }
        if (frame == 0) // a frame that cannot be loaded leaves the previous picture
            break;
        current_ = frame;
        if (frameIcon_ != 0)
            services_.Icons.FreeIcon(frameIcon_);
        frameIcon_ = frame;
        break;
    }
    }
}

void TTrayIcon95::IconChanged()
{
    const TrayHandle before = current_;
    BuildCurrentIcon();
    if (active_ && current_ != before)
        Notify(TrayCommand::Modify);
}

void TTrayIcon95::SetState(TTrayIconState state)
{
    if (inStateChanging_)
        throw TrayError(TrayStateError);
    if (!active_) {
        state_ = state;
        return;
    }
    if (state == state_)
        return;
    if (OnStateChanging) {
        inStateChanging_ = true;
        try {
            OnStateChanging(*this, state);
        } catch (...) {
            inStateChanging_ = false;
            throw;
        }
        inStateChanging_ = false;
        if (state == state_)
            return;
    }
    if (state_ == TTrayIconState::tsAnimated)
        StopAnimation();
    state_ = state;
    IconChanged();
    if (state == TTrayIconState::tsAnimated)
        StartAnimation();
}

// --- Animation ---

void TTrayIcon95::StartAnimation() { Animation.timer_.SetEnabled(true); }
void TTrayIcon95::StopAnimation() { Animation.timer_.SetEnabled(false); }

void TTrayIcon95::AnimationStep()
{
    if (OnAnimation)
        OnAnimation(*this);
    IconChanged();
    const size_t count = Animation.Icons.size();
    Animation.frame_ = count == 0 ? 0 : (Animation.frame_ + 1) % count;
}

// --- Deferred calls ---

void TTrayIcon95::Defer(DeferredRoutine routine, uintptr_t argument)
{
    pending_ = routine;
    pendingArgument_ = argument;
    if (!services_.Desktop.PostDeferred()) {
        pending_ = nullptr; // nothing would ever run it
        pendingArgument_ = 0;
    }
}

void TTrayIcon95::RunDeferred()
{
    DeferredRoutine routine = pending_;
    const uintptr_t argument = pendingArgument_;
    pending_ = nullptr;
    pendingArgument_ = 0;
    if (routine == nullptr)
        return;
    try {
        routine(*this, argument);
    } catch (const TrayError&) {
        // A failed call is dropped: it was taken out before it ran.
    }
}

// --- The application and the tray ---

void TTrayIcon95::ShowApplication()
{
    Defer([](TTrayIcon95& tray, uintptr_t) { tray.DoShowApplication(); }, 0);
}

void TTrayIcon95::HideApplication()
{
    Defer([](TTrayIcon95& tray, uintptr_t) { tray.DoHideApplication(); }, 0);
}

void TTrayIcon95::UnderHiddenParent()
{
    if (!services_.App.UnderHiddenParent())
        throw TrayError(TrayClassError);
}

void TTrayIcon95::DoHideApplication()
{
    platform::TrayApplication& app = services_.App;
    if (Options & toCloseFormsOnHideApp) {
        for (size_t i = app.FormCount(); i-- > 0;) {
            const TrayHandle form = app.Form(i);
            if (app.FormVisible(form))
                HideForm(form);
        }
        UnderHiddenParent();
        return;
    }
    UnderHiddenParent();
    app.NormalizeTopMosts();
    app.Activate();
    // Without the animation the window does not fly to the task bar
    // before it vanishes into the tray.
    const bool animation = app.MinimizeAnimation();
    if (animation)
        app.SetMinimizeAnimation(false);
    app.Minimize();
    if (animation)
        app.SetMinimizeAnimation(true);
    if (OnAppMinimize)
        OnAppMinimize(*this);
    app.HideWindow();
    if (TrayHandle main = app.MainForm())
        app.HideForm(main);
    app.HideWindow();
    app.ReleaseFromHiddenParent();
}

void TTrayIcon95::DoShowApplication()
{
    platform::TrayApplication& app = services_.App;
    UnderHiddenParent();
    app.ToForeground();
    if (app.IsMinimized())
        app.Restore();
    const TrayHandle main = app.MainForm();
    if (main != 0 && !app.FormVisible(main))
        app.ShowForm(main);
    if (Options & toHideTaskBarIconOnShowApp) {
        app.HideWindow();
        if (main != 0) {
            app.ShowForm(main);
            AttachNotifier(main, true);
        }
    } else {
        app.ShowWindowNormal();
    }
    app.ReleaseFromHiddenParent();
}

void TTrayIcon95::ApplicationMinimized()
{
    if (active_ && (Options & toMinimizeToTray))
        HideApplication();
    if (OnAppMinimize)
        OnAppMinimize(*this);
}

void TTrayIcon95::ApplicationRestored()
{
    if (active_)
        ShowApplication();
    if (OnAppRestore)
        OnAppRestore(*this);
}

// --- Forms ---

int32_t TTrayIcon95::ShowModalForm(TrayHandle form) { return ShowFormFromTray(form, true); }

void TTrayIcon95::ShowForm(TrayHandle form) { ShowFormFromTray(form, false); }

int32_t TTrayIcon95::ShowFormFromTray(TrayHandle form, bool modal)
{
    if (form == 0)
        throw TrayError(TrayShowNilError);
    if (inShowEvent_)
        throw TrayError(TrayShowInShowError);
    platform::TrayApplication& app = services_.App;
    const bool wasHidden = !app.WindowVisible();
    if (app.IsMinimized())
        app.Restore();
    app.ToForeground();
    if (app.FormVisible(form)) {
        if (wasHidden)
            app.HideWindow();
        app.FormToForeground(form);
        return 0;
    }
    wrappedForm_ = form;
    wrappedWasHidden_ = wasHidden;
    AttachNotifier(form, wasHidden);
    if (wasHidden)
        UnderHiddenParent();
    if (modal)
        return app.ShowModal(form);
    app.ShowForm(form);
    return 0;
}

void TTrayIcon95::FormShown(TrayHandle form)
{
    platform::TrayApplication& app = services_.App;
    inShowEvent_ = true;
    try {
        app.RunShowHandler(form);
    } catch (...) {
        inShowEvent_ = false;
        throw;
    }
    inShowEvent_ = false;
    if (form != wrappedForm_)
        return;
    wrappedForm_ = 0;
    if (wrappedWasHidden_)
        Defer(
            [](TTrayIcon95& tray, uintptr_t shown) {
                tray.App().HideWindow();
                tray.App().FormToForeground(shown);
            },
            form);
}

void TTrayIcon95::AttachNotifier(TrayHandle form, bool returnToTray)
{
    for (auto& notifier : notifiers_) {
        if (notifier.Form == form) {
            notifier.ReturnToTray = returnToTray;
            return;
        }
    }
    notifiers_.push_back({form, returnToTray});
}

void TTrayIcon95::FormClosing(TrayHandle form)
{
    auto it = std::find_if(notifiers_.begin(), notifiers_.end(), [form](const auto& n) { return n.Form == form; });
    if (it == notifiers_.end())
        return;
    const bool back = it->ReturnToTray;
    notifiers_.erase(it);
    if (back)
        HideApplication();
}

void TTrayIcon95::HideForm(TrayHandle form)
{
    if (form == 0)
        throw TrayError(TrayHideNilError);
    platform::TrayApplication& app = services_.App;
    if (form == app.MainForm()) {
        // Hiding raises no close event, so the notifier is run here.
        app.HideForm(form);
        FormClosing(form);
    } else {
        app.CloseForm(form); // its close event reaches FormClosing
    }
}
