#include "setup/reset_page.h"

#include "settings/connect_time.h"
#include "app/settings_snapshot.h"
#include "monitor/connection_state.h"
#include "monitor/date_time_text.h"
#include "monitor/reset_schedule.h"
#include "resource_ids.h"
#include "setup/setting_controls.h"

namespace setup {

namespace {

constexpr int ResetItemCount = 6; // "No automatic reset" ... "Each Day", stored as 0-5
constexpr DateTimePickers ReferencePickers{IDC_CONNECTRESETDATEPICKER, IDC_CONNECTRESETTIMEPICKER};

} // namespace

void ResetPageModel::Fill()
{
    const TGVar& g = ctx_.G;
    ShowConnectTime();
    const int32_t event = g.ConnectResetLoggerEvent;
    ctx_.View.SetRadio(IDC_RGAUTORESET, event >= 0 && event < ResetItemCount ? event : -1);
    ReferencePickers.Show(ctx_, g.ConnectResetLoggerTimeRef);
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

bool ResetPageModel::Clicked(int id)
{
    TGVar& g = ctx_.G;
    switch (id) {
    case IDC_RGAUTORESET: {
        const int item = ClickedItem(IDC_RGAUTORESET, ResetItemCount);
        if (item >= 0) {
            g.ConnectResetLoggerEvent = item;
            reload_();
        }
        return true;
    }
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

bool ResetPageModel::Changed(int id)
{
    double& reference = ctx_.G.ConnectResetLoggerTimeRef;
    if (!ReferencePickers.Take(ctx_, id, reference, reference))
        return false;
    reload_();
    return true;
}

} // namespace setup
