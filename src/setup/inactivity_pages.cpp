#include "setup/inactivity_pages.h"

#include "resource_ids.h"
#include "setup/date_time_pickers.h"
#include "setup/sounds_page.h"

namespace setup {

namespace {

constexpr SoundChoice WarnSound{IDC_WARNINACTIVESOUNDGROUP, &TGVar::WarnInactivePlaySound, &TGVar::WarnInactiveSound};

constexpr Binding InactivityBindings[] = {
    bind::Check(IDC_CBTRIGGERRD, &TGVar::TriggerRD),
    bind::Check(IDC_CBWARNINACTIVE, &TGVar::WarnIfInactive),
    bind::Check(IDC_CBDISCONNECTINACTIVE, &TGVar::DisconnectIfInactive),
    bind::Check(IDC_CBPOWERDOWN2, &TGVar::Powerdown),
    bind::Spin(IDC_SEWARNMINUTES, &TGVar::WarnTimeIfInactive, 0, SpinMax),
    bind::Spin(IDC_SEWARNSECONDS, &TGVar::WarnTimeIfInactiveSeconds, 0, SpinMax),
    bind::Spin(IDC_SEDISCONNECTMINUTES, &TGVar::DisconnectTimeIfInactive, 0, SpinMax),
    bind::Spin(IDC_SEDISCONNECTSECONDS, &TGVar::DisconnectTimeIfInactiveSeconds, 0, SpinMax),
    WarnSound.Radio(),
};

constexpr Binding DisconnectBindings[] = {
    bind::Check(IDC_CBAUTODISCONNECTACTIVE, &TGVar::ScheduledDisconnectActive),
    bind::Check(IDC_CBAUTOTIMEDDISCONNECTACTIVE, &TGVar::AutoTimedDisconnectActive),
    bind::Check(IDC_CBPOWERDOWN, &TGVar::Powerdown),
    bind::Spin(IDC_SEAUTOTIMEDHOURS, &TGVar::AutoTimedDisconnectHours, 0, SpinMax),
    bind::Spin(IDC_SEAUTOTIMEDMINUTES, &TGVar::AutoTimedDisconnectMinutes, 0, SpinMax),
};
constexpr DateTimePickers ScheduledPickers{IDC_AUTODISCONNECTDATEPICKER, IDC_AUTODISCONNECTTIMEPICKER};

// A power-down box shows on Windows NT and 2000 only.
void ShowPowerDown(SetupContext& ctx, int id) { ctx.View.Show(id, ctx.G.OsKind != OsWin9x); }

// Either power-down box, once it changed the setting, sets the other to
// its state (whose click then finds the setting already stored).
void PowerDownClicked(SetupContext& ctx, int box)
{
    ctx.View.SetCheck(box == IDC_CBPOWERDOWN ? IDC_CBPOWERDOWN2 : IDC_CBPOWERDOWN, ctx.View.Checked(box));
}

// The idle time of a rule counts anew from now, and its message may come
// again. Without carrier there is no idle time to restart.
void RestartInactivity(TGVar& g, bool& busy, double now)
{
    busy = false;
    if (g.ModemSignals.CD)
        g.ConnectionState.LastActivity = now;
}

} // namespace

InactivityPageModel::InactivityPageModel(SetupContext& ctx) : PageModel(ctx, InactivityBindings) {}

void InactivityPageModel::Fill()
{
    FillBindings();
    ShowSoundChoice(ctx_, WarnSound);
    ShowPowerDown(ctx_, IDC_CBPOWERDOWN2);
}

// A rule's box restarts the rule once the user changed it.
bool InactivityPageModel::OnClicked(int id)
{
    TGVar& g = ctx_.G;
    if (id == IDC_CBWARNINACTIVE)
        RestartInactivity(g, g.WarnBusy, ctx_.Clock.Now());
    else if (id == IDC_CBDISCONNECTINACTIVE)
        RestartInactivity(g, g.DisconnectBusy, ctx_.Clock.Now());
    else if (id == IDC_CBPOWERDOWN2)
        PowerDownClicked(ctx_, id);
    else
        return SoundChoiceClicked(ctx_, WarnSound, id);
    return true;
}

DisconnectPageModel::DisconnectPageModel(SetupContext& ctx, std::function<void()> reload)
    : PageModel(ctx, DisconnectBindings), reload_(std::move(reload))
{
}

// The pickers show the scheduled moment, or the present one while none
// is set (which stays unset until the user picks).
void DisconnectPageModel::Fill()
{
    const TGVar& g = ctx_.G;
    FillBindings();
    ScheduledPickers.Show(ctx_, g.ScheduledDisconnectTime != 0 ? g.ScheduledDisconnectTime : ctx_.Clock.Now());
    ctx_.View.SetTextLook(IDC_CBAUTODISCONNECTACTIVE, ActivateLook);
    ctx_.View.SetTextLook(IDC_CBAUTOTIMEDDISCONNECTACTIVE, ActivateLook);
    ShowPowerDown(ctx_, IDC_CBPOWERDOWN);
}

bool DisconnectPageModel::OnClicked(int id)
{
    if (id == IDC_CBPOWERDOWN) {
        PowerDownClicked(ctx_, id);
    } else if (id == IDC_BTNHANGUPNOW2) {
        ctx_.Services.Monitor().HangUpNow();
    } else if (id == IDC_BUTTONAUTODISCONNECTNOW) {
        ctx_.G.ScheduledDisconnectTime = ctx_.Clock.Now();
        reload_(); // the pickers show it
    } else {
        return false;
    }
    return true;
}

// While no moment is set the pickers show the one of the loading: the
// picked date or time combines with what they show, never with the
// unset value's 30 December 1899.
bool DisconnectPageModel::OnChanged(int id)
{
    double& scheduled = ctx_.G.ScheduledDisconnectTime;
    double shown = scheduled;
    if (shown == 0)
        shown = ctx_.View.DateTime(id == ScheduledPickers.Date ? ScheduledPickers.Time : ScheduledPickers.Date);
    if (!ScheduledPickers.Take(ctx_, id, shown, scheduled))
        return false;
    reload_();
    return true;
}

void DisconnectPageModel::ScheduledDisconnectDone() { ctx_.View.SetCheck(IDC_CBAUTODISCONNECTACTIVE, false); }

} // namespace setup
