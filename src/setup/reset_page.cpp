#include "setup/reset_page.h"

#include "settings/connect_time.h"
#include "app/settings_snapshot.h"
#include "monitor/connection_state.h"
#include "monitor/date_time_text.h"
#include "monitor/reset_schedule.h"
#include "resource_ids.h"
#include "setup/date_time_pickers.h"

namespace setup {

namespace {

constexpr int32_t ResetEvents[] = {0, 1, 2, 3, 4, 5}; // "No automatic reset" ... "Each Day"
constexpr DateTimePickers ReferencePickers{IDC_CONNECTRESETDATEPICKER, IDC_CONNECTRESETTIMEPICKER};

constexpr Binding Bindings[] = {bind::Radio(IDC_RGAUTORESET, &TGVar::ConnectResetLoggerEvent, ResetEvents)};

} // namespace

ResetPageModel::ResetPageModel(SetupContext& ctx, std::function<void()> reload)
    : PageModel(ctx, Bindings), reload_(std::move(reload))
{
}

void ResetPageModel::Fill()
{
    ShowConnectTime();
    FillBindings();
    ReferencePickers.Show(ctx_, ctx_.G.ConnectResetLoggerTimeRef);
    ShowNextReset();
}

// The poll cycle keeps this line current while the dialog shows.
void ResetPageModel::ShowConnectTime()
{
    const TGVar& g = ctx_.G;
    monitor::BuildConnectTimeLabel(TotalConnectTime(g, ctx_.Clock.Now()), g.TotalConnectReset, ctx_.Locale.Patterns(),
                                   text_);
    ctx_.View.SetText(IDC_LABELCONNECTTIME, text_);
}

// Only a schedule the automatic reset knows has a next reset: a value
// outside 1-5 (a hand-edited file) resets nothing and shows none.
void ResetPageModel::ShowNextReset()
{
    const TGVar& g = ctx_.G;
    const bool scheduled =
        g.ConnectResetLoggerEvent >= monitor::ResetYearly && g.ConnectResetLoggerEvent <= monitor::ResetDaily;
    text_.clear();
    if (scheduled)
        monitor::AppendDateTimeC(monitor::NextResetTime(g.ConnectResetLoggerTimeRef, g.ConnectResetLoggerEvent),
                                 ctx_.Locale.Patterns(), text_);
    ctx_.View.SetText(IDC_LABELNEXTRESET, text_);
    ctx_.View.Show(IDC_LABELNEXTRESET1, scheduled);
}

bool ResetPageModel::OnClicked(int id)
{
    TGVar& g = ctx_.G;
    switch (id) {
    case IDC_RGAUTORESET: // the next reset follows the schedule
        reload_();
        return true;
    case IDC_BUTTONNOW:
        g.ConnectResetLoggerTimeRef = ctx_.Clock.Now();
        reload_(); // the pickers show it
        return true;
    case IDC_BUTTONRESETNOW:
        ResetTotalInDialog(g, ctx_.Clock.Now());
        ShowConnectTime();
        return true;
    default:
        return false;
    }
}

bool ResetPageModel::OnChanged(int id)
{
    double& reference = ctx_.G.ConnectResetLoggerTimeRef;
    if (!ReferencePickers.Take(ctx_, id, reference, reference))
        return false;
    reload_();
    return true;
}

} // namespace setup
