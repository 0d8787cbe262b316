#include "setup/inactivity_pages.h"

#include "resource_ids.h"
#include "setup/setting_controls.h"
#include "setup/sounds_page.h"

namespace setup {

namespace {

constexpr SoundChoice WarnSound{IDC_WARNINACTIVESOUNDGROUP, &TGVar::WarnInactivePlaySound, &TGVar::WarnInactiveSound};

constexpr CheckSetting InactivityBoxes[] = {
    {IDC_CBTRIGGERRD, &TGVar::TriggerRD},
    {IDC_CBWARNINACTIVE, &TGVar::WarnIfInactive},
    {IDC_CBDISCONNECTINACTIVE, &TGVar::DisconnectIfInactive},
    {IDC_CBPOWERDOWN2, &TGVar::Powerdown},
};
constexpr SpinSetting InactivitySpins[] = {
    {IDC_SEWARNMINUTES, &TGVar::WarnTimeIfInactive},
    {IDC_SEWARNSECONDS, &TGVar::WarnTimeIfInactiveSeconds},
    {IDC_SEDISCONNECTMINUTES, &TGVar::DisconnectTimeIfInactive},
    {IDC_SEDISCONNECTSECONDS, &TGVar::DisconnectTimeIfInactiveSeconds},
};

constexpr CheckSetting DisconnectBoxes[] = {
    {IDC_CBAUTODISCONNECTACTIVE, &TGVar::ScheduledDisconnectActive},
    {IDC_CBAUTOTIMEDDISCONNECTACTIVE, &TGVar::AutoTimedDisconnectActive},
    {IDC_CBPOWERDOWN, &TGVar::Powerdown},
};
constexpr SpinSetting DisconnectSpins[] = {
    {IDC_SEAUTOTIMEDHOURS, &TGVar::AutoTimedDisconnectHours},
    {IDC_SEAUTOTIMEDMINUTES, &TGVar::AutoTimedDisconnectMinutes},
};
constexpr DateTimePickers ScheduledPickers{IDC_AUTODISCONNECTDATEPICKER, IDC_AUTODISCONNECTTIMEPICKER};

// A power-down box shows on Windows NT and 2000 only.
void ShowPowerDown(SetupContext& ctx, int id) { ctx.View.Show(id, ctx.G.OsKind != OsWin9x); }

// Either power-down box sets the other to its state (whose click then
// finds the setting already stored).
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

void InactivityPageModel::Fill()
{
    FillChecks(ctx_, InactivityBoxes);
    FillSpins(ctx_, InactivitySpins);
    FillSoundChoice(ctx_, WarnSound);
    ShowPowerDown(ctx_, IDC_CBPOWERDOWN2);
}

bool InactivityPageModel::Clicked(int id)
{
    bool changed = false;
    if (!TakeCheckOf(ctx_, InactivityBoxes, id, changed))
        return SoundChoiceClicked(ctx_, WarnSound, id);
    TGVar& g = ctx_.G;
    if (id == IDC_CBWARNINACTIVE && changed)
        RestartInactivity(g, g.WarnBusy, ctx_.Clock.Now());
    else if (id == IDC_CBDISCONNECTINACTIVE && changed)
        RestartInactivity(g, g.DisconnectBusy, ctx_.Clock.Now());
    else if (id == IDC_CBPOWERDOWN2)
        PowerDownClicked(ctx_, id);
    return true;
}

bool InactivityPageModel::Changed(int id) { return TakeSpinOf(ctx_, InactivitySpins, id); }

// The pickers show the scheduled moment, or the present one while none
// is set (which stays unset until the user picks).
void DisconnectPageModel::Fill()
{
    const TGVar& g = ctx_.G;
    FillChecks(ctx_, DisconnectBoxes);
    FillSpins(ctx_, DisconnectSpins);
    ScheduledPickers.Show(ctx_, g.ScheduledDisconnectTime != 0 ? g.ScheduledDisconnectTime : ctx_.Clock.Now());
    ctx_.View.SetTextLook(IDC_CBAUTODISCONNECTACTIVE, ActivateLook);
    ctx_.View.SetTextLook(IDC_CBAUTOTIMEDDISCONNECTACTIVE, ActivateLook);
    ShowPowerDown(ctx_, IDC_CBPOWERDOWN);
}

bool DisconnectPageModel::Clicked(int id)
{
    bool changed = false;
    if (TakeCheckOf(ctx_, DisconnectBoxes, id, changed)) {
        if (id == IDC_CBPOWERDOWN)
            PowerDownClicked(ctx_, id);
        return true;
    }
    if (id == IDC_BTNHANGUPNOW2) {
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
bool DisconnectPageModel::Changed(int id)
{
    if (TakeSpinOf(ctx_, DisconnectSpins, id))
        return true;
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
