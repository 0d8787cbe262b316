// The pages "Inactivity", "Auto Disconnect", "Auto Launch" and " Connect
// Time Reset": what each control stores and shows, the restarts of the
// idle watch, the power-down pair, the date and time pickers and the next
// reset line.
#include "settings/date_time.h"
#include "resource_ids.h"
#include "setup_fixture.h"

namespace {

struct BoxSetting {
    int Id;
    int32_t TGVar::*Setting;
};
constexpr BoxSetting Boxes[] = {
    {IDC_CBTRIGGERRD, &TGVar::TriggerRD},
    {IDC_CBWARNINACTIVE, &TGVar::WarnIfInactive},
    {IDC_CBDISCONNECTINACTIVE, &TGVar::DisconnectIfInactive},
    {IDC_CBAUTODISCONNECTACTIVE, &TGVar::ScheduledDisconnectActive},
    {IDC_CBAUTOTIMEDDISCONNECTACTIVE, &TGVar::AutoTimedDisconnectActive},
    {IDC_CBAUTOLAUNCHCDHIGH, &TGVar::AutoRunCDHigh},
    {IDC_CBAUTOLAUNCHCDHIGH + 5, &TGVar::AskFirstAutoLaunchProgCDHigh},
    {IDC_CBAUTOLAUNCHCDLOW, &TGVar::AutoRunCDLow},
    {IDC_CBAUTOLAUNCHCDLOW + 5, &TGVar::AskFirstAutoLaunchProgCDLow},
    {IDC_CBAUTORUNCDINHIBIT, &TGVar::AutoRunCDInhibit},
};

struct SpinSetting {
    int Id;
    uint32_t TGVar::*Setting;
};
constexpr SpinSetting Spins[] = {
    {IDC_SEWARNMINUTES, &TGVar::WarnTimeIfInactive},
    {IDC_SEWARNSECONDS, &TGVar::WarnTimeIfInactiveSeconds},
    {IDC_SEDISCONNECTMINUTES, &TGVar::DisconnectTimeIfInactive},
    {IDC_SEDISCONNECTSECONDS, &TGVar::DisconnectTimeIfInactiveSeconds},
    {IDC_SEAUTOTIMEDHOURS, &TGVar::AutoTimedDisconnectHours},
    {IDC_SEAUTOTIMEDMINUTES, &TGVar::AutoTimedDisconnectMinutes},
    {IDC_CBAUTOLAUNCHCDHIGH + 3, &TGVar::CDHighDelay},
    {IDC_CBAUTOLAUNCHCDLOW + 3, &TGVar::CDLowDelay},
};

TEST_F(SetupTest, TimingBoxesAndSpinEditsStoreAndShowTheirSettings)
{
    for (const BoxSetting& box : Boxes) {
        g.*box.Setting = 1;
        model.ChangeForm();
        EXPECT_TRUE(view.C[box.Id].Checked) << box.Id;
        Tick(box.Id, false);
        EXPECT_EQ(g.*box.Setting, 0) << box.Id;
        Tick(box.Id, true);
        EXPECT_EQ(g.*box.Setting, 1) << box.Id;
    }
    for (const SpinSetting& spin : Spins) {
        g.*spin.Setting = 70000; // shown at the bound, kept until edited
        model.ChangeForm();
        EXPECT_EQ(view.C[spin.Id].Spin, 10000) << spin.Id;
        EXPECT_EQ(g.*spin.Setting, 70000u);
        Spin(spin.Id, 37);
        EXPECT_EQ(g.*spin.Setting, 37u) << spin.Id;
        Spin(spin.Id, -5);
        EXPECT_EQ(g.*spin.Setting, 0u) << spin.Id;
    }
}

// Each launch box enables its "Ask First"; the program follows its edit
// and its "Browse..." (which Cancel leaves alone).
TEST_F(SetupTest, LaunchesEnableAskFirstAndTakeTheirProgram)
{
    const std::pair<int, std::string TGVar::*> launches[] = {{IDC_CBAUTOLAUNCHCDHIGH, &TGVar::AutoRunProgramCDHigh},
                                                             {IDC_CBAUTOLAUNCHCDLOW, &TGVar::AutoRunProgramCDLow}};
    for (const auto& [box, program] : launches) {
        g.*program = "OLD.EXE";
        model.ChangeForm();
        EXPECT_FALSE(view.C[box + 5].Enabled);
        EXPECT_EQ(view.C[box + 1].Text, "OLD.EXE");
        Tick(box, true);
        EXPECT_TRUE(view.C[box + 5].Enabled);

        services.Browsed = false;
        model.Clicked(box + 2);
        EXPECT_EQ(services.Filter, "Executables (*.exe)|*.exe|All files (*.*)|*.* OLD.EXE");
        EXPECT_EQ(g.*program, "OLD.EXE");
        services.Browsed = true;
        model.Clicked(box + 2);
        EXPECT_EQ(g.*program, services.BrowseFile_);
        EXPECT_EQ(view.C[box + 1].Text, services.BrowseFile_);

        view.C[box + 1].Text = "C:\\NEW.EXE";
        model.Changed(box + 1);
        EXPECT_EQ(g.*program, "C:\\NEW.EXE");
    }
}

// A user's click on a rule's box restarts that rule's idle time (while
// the carrier is up) and lets its message come again; the loading's
// click, which changes no setting, restarts nothing.
TEST_F(SetupTest, InactivityBoxesRestartTheirRule)
{
    const std::pair<int, bool TGVar::*> rules[] = {{IDC_CBWARNINACTIVE, &TGVar::WarnBusy},
                                                   {IDC_CBDISCONNECTINACTIVE, &TGVar::DisconnectBusy}};
    for (const auto& [box, busy] : rules) {
        for (const bool carrier : {true, false}) {
            g.ModemSignals.CD = carrier;
            g.ConnectionState.LastActivity = carrier ? 100.0 : 0.0;
            g.*busy = true;
            Tick(box, !view.C[box].Checked);
            EXPECT_FALSE(g.*busy) << box;
            EXPECT_EQ(g.ConnectionState.LastActivity, carrier ? clock.NowValue : 0.0) << box;
        }
        g.ModemSignals.CD = true;
        g.ConnectionState.LastActivity = 100.0;
        g.*busy = true;
        model.ChangeForm();
        EXPECT_EQ(g.ConnectionState.LastActivity, 100.0);
        EXPECT_TRUE(g.*busy);
    }
}

TEST_F(SetupTest, PowerDownBoxesStayEqualAndShowOnNtOnly)
{
    const std::pair<int, int> pairs[] = {{IDC_CBPOWERDOWN2, IDC_CBPOWERDOWN}, {IDC_CBPOWERDOWN, IDC_CBPOWERDOWN2}};
    for (const auto& [box, other] : pairs) {
        Tick(box, true);
        EXPECT_EQ(g.Powerdown, 1);
        EXPECT_TRUE(view.C[other].Checked);
        Tick(box, false);
        EXPECT_EQ(g.Powerdown, 0);
        EXPECT_FALSE(view.C[other].Checked);
    }
    for (const int32_t os : {OsWin9x, OsNT4}) {
        g.OsKind = os;
        model.ChangeForm();
        EXPECT_EQ(view.C[IDC_CBPOWERDOWN].Shown, os != OsWin9x);
        EXPECT_EQ(view.C[IDC_CBPOWERDOWN2].Shown, os != OsWin9x);
    }
}

// Both pairs of pickers: a date picked keeps the time of day, a time
// picked keeps the day, and the page shows the result.
TEST_F(SetupTest, DateTimePickersKeepTheOtherHalf)
{
    const std::tuple<int, int, double TGVar::*> pairs[] = {
        {IDC_AUTODISCONNECTDATEPICKER, IDC_AUTODISCONNECTTIMEPICKER, &TGVar::ScheduledDisconnectTime},
        {IDC_CONNECTRESETDATEPICKER, IDC_CONNECTRESETTIMEPICKER, &TGVar::ConnectResetLoggerTimeRef},
    };
    for (const auto& [date, time, setting] : pairs) {
        g.*setting = 45000.25;
        model.ChangeForm();
        view.DateTimes[date] = 45010.75;
        model.Changed(date);
        EXPECT_EQ(g.*setting, 45010.25);
        view.DateTimes[time] = 44000.5;
        model.Changed(time);
        EXPECT_EQ(g.*setting, 45010.5);
        EXPECT_EQ(view.DateTimes[date], 45010.5);
        EXPECT_EQ(view.DateTimes[time], 45010.5);
    }
}

// With no moment set the pickers show the present one without storing
// it; a time picked then falls on the day shown, not on 30 December 1899.
TEST_F(SetupTest, UnsetDisconnectMomentShowsNowAndKeepsTheShownDay)
{
    clock.NowValue = EncodeDateTime({2026, 12, 8, 17, 30});
    model.ChangeForm();
    EXPECT_EQ(view.DateTimes[IDC_AUTODISCONNECTDATEPICKER], clock.NowValue);
    EXPECT_EQ(g.ScheduledDisconnectTime, 0.0);
    view.DateTimes[IDC_AUTODISCONNECTTIMEPICKER] = EncodeDateTime({2026, 12, 8, 23, 0});
    model.Changed(IDC_AUTODISCONNECTTIMEPICKER);
    EXPECT_EQ(g.ScheduledDisconnectTime, EncodeDateTime({2026, 12, 8, 23, 0}));

    clock.NowValue += 0.5;
    model.Clicked(IDC_BUTTONAUTODISCONNECTNOW);
    EXPECT_EQ(g.ScheduledDisconnectTime, clock.NowValue);
    EXPECT_EQ(view.DateTimes[IDC_AUTODISCONNECTTIMEPICKER], clock.NowValue);
}

TEST_F(SetupTest, DisconnectPageHangsUpAndItsActivateBoxesStandOut)
{
    model.ChangeForm();
    EXPECT_EQ(view.Looks[IDC_CBAUTODISCONNECTACTIVE], "MS Sans Serif 16 1 ff");
    EXPECT_EQ(view.Looks[IDC_CBAUTOTIMEDDISCONNECTACTIVE], "MS Sans Serif 16 1 ff");
    model.Clicked(IDC_BTNHANGUPNOW2);
    EXPECT_EQ(services.Running.Log, std::vector<std::string>{"HangUp"});

    // The scheduled hang-up has run and cleared the flag: the box follows.
    Tick(IDC_CBAUTODISCONNECTACTIVE, true);
    g.ScheduledDisconnectActive = 0;
    model.ScheduledDisconnectDone();
    EXPECT_FALSE(view.C[IDC_CBAUTODISCONNECTACTIVE].Checked);
    EXPECT_EQ(g.ScheduledDisconnectActive, 0);
}

// "Set Date/Time = NOW!" then "Each Day": the next reset is that moment
// one day on; without a schedule the line is empty and its caption hidden.
TEST_F(SetupTest, NextResetFollowsTheReferenceAndTheSchedule)
{
    clock.NowValue = EncodeDateTime({2026, 12, 8, 17, 30, 15});
    model.Clicked(IDC_BUTTONNOW);
    EXPECT_EQ(g.ConnectResetLoggerTimeRef, clock.NowValue);
    EXPECT_EQ(view.DateTimes[IDC_CONNECTRESETDATEPICKER], clock.NowValue);
    Choose(IDC_RGAUTORESET, 5);
    EXPECT_EQ(g.ConnectResetLoggerEvent, 5);
    EXPECT_EQ(view.C[IDC_LABELNEXTRESET].Text, "09/12/2026 17:30:15");
    EXPECT_TRUE(view.C[IDC_LABELNEXTRESET1].Shown);

    Choose(IDC_RGAUTORESET, 0);
    EXPECT_EQ(view.C[IDC_LABELNEXTRESET].Text, "");
    EXPECT_FALSE(view.C[IDC_LABELNEXTRESET1].Shown);

    // A value no schedule stands for never resets: no next reset either.
    Choose(IDC_RGAUTORESET, 5);
    g.ConnectResetLoggerEvent = 7;
    model.ChangeForm();
    EXPECT_EQ(view.C[IDC_LABELNEXTRESET].Text, "");
    EXPECT_FALSE(view.C[IDC_LABELNEXTRESET1].Shown);
}

// The total connect time line counts the running session while connected;
// "Reset Total Connect Time NOW!" starts the total afresh from now.
TEST_F(SetupTest, ConnectTimeLineAndTheResetNow)
{
    clock.NowValue = EncodeDateTime({2026, 12, 8, 12, 0});
    g.TotalConnectNew = 1.0 / 24;
    g.TotalConnectReset = EncodeDateTime({2026, 12, 1});
    g.ModemSignals.CD = true;
    g.ConnectStart = clock.NowValue - 0.5 / 24;
    model.ChangeForm();
    EXPECT_EQ(view.C[IDC_LABELCONNECTTIME].Text, "Total connect time   1:30:00   since 01/12/2026");

    g.ModemSignals.CD = false;
    model.Clicked(IDC_BUTTONRESETNOW);
    EXPECT_EQ(g.TotalConnectNew, 0.0);
    EXPECT_EQ(g.TotalConnectReset, clock.NowValue);
    EXPECT_EQ(view.C[IDC_LABELCONNECTTIME].Text, "Total connect time   0:00:00   since 08/12/2026 12:00:00");
}

} // namespace
