#include "monitor/inactivity_rules.h"

#include <cstddef>

#include "settings/date_time.h"
#include "settings/decimal_text.h"
#include "settings/modal_box.h"
#include "devices/ras_records.h"
#include "monitor/event_actions.h"
#include "monitor/uart_registers.h"

namespace monitor {

namespace {

// A connection record as Windows 95 fills it: the leading size and handle
// of the NT record, with shorter fields after them.
struct RasConn9xRecord {
    uint32_t dwSize;
    uint32_t hrasconn;
    char szEntryName[257];
    char szDeviceType[17];
    char szDeviceName[129];
};
static_assert(sizeof(RasConn9xRecord) == Ras9xConnRecordSize);
static_assert(offsetof(RasConn9xRecord, hrasconn) == offsetof(devices::RasConnRecord, hrasconn));

} // namespace

TInactivityRules::TInactivityRules(TGVar& g, InactivityServices services, InactivityHost& host, devices::TRAS* ras)
    : g_(g), s_(services), host_(host), ras_(ras), autoDisconnectText_(AutoDisconnectText)
{
}

// True when the line has been idle for at least this long.
bool TInactivityRules::IdleFor(uint32_t minutes, uint32_t seconds)
{
    return s_.Clock.Now() - minutes / MinutesPerDay - seconds / SecondsPerDay >= g_.ConnectionState.LastActivity;
}

void TInactivityRules::BuildInactiveText(std::string& text, uint32_t minutes, uint32_t seconds, const char* end)
{
    text.assign(InactiveTextStart);
    AppendDecimal(text, minutes);
    text.append(InactiveTextMinutes);
    AppendDecimal(text, seconds);
    text.append(end);
}

// The window comes to the top first so the box is not hidden behind
// another program. A box of an outer tick may have set ModalActive already:
// it is left as it was.
platform::MbResult TInactivityRules::ShowBox(const std::string& text, platform::MbButtons buttons)
{
    host_.MakeMainWindowTopmost();
    return ShowModalBox(g_, s_.Boxes, text, buttons, platform::MbIcon::Warning);
}

void TInactivityRules::DisconnectIfInactive()
{
    TGVar& g = g_;
    if (g.DisconnectBusy || !g.ModemSignals.CD || g.ConnectionState.LastActivity == 0 ||
        g.DisconnectIfInactive != 1 || !IdleFor(g.DisconnectTimeIfInactive, g.DisconnectTimeIfInactiveSeconds))
        return;
    g.DisconnectBusy = true;
    HangUpNow();
    BuildInactiveText(disconnectText_, g.DisconnectTimeIfInactive, g.DisconnectTimeIfInactiveSeconds,
                      InactiveDisconnectEnd);
    ShowBox(disconnectText_, platform::MbButtons::Ok);
    g.DisconnectBusy = false;
    g.ConnectionState.LastActivity = s_.Clock.Now();
}

void TInactivityRules::WarnIfInactive()
{
    TGVar& g = g_;
    if (g.WarnBusy || !g.ModemSignals.CD || g.ConnectionState.LastActivity == 0 || g.WarnIfInactive != 1 ||
        !IdleFor(g.WarnTimeIfInactive, g.WarnTimeIfInactiveSeconds))
        return;
    PlayEventSound(s_.Sound, g.WarnInactivePlaySound, g.WarnInactiveSound);
    g.WarnBusy = true;
    BuildInactiveText(warnText_, g.WarnTimeIfInactive, g.WarnTimeIfInactiveSeconds, InactiveWarnEnd);
    if (ShowBox(warnText_, platform::MbButtons::YesNo) == platform::MbResult::Yes)
        HangUpNow();
    g.WarnBusy = false;
    // Answered No, the warning comes again after the same idle time.
    g.ConnectionState.LastActivity = s_.Clock.Now();
}

void TInactivityRules::ReportAutoDisconnect()
{
    s_.Sound.Beep();
    ShowBox(autoDisconnectText_, platform::MbButtons::Ok);
}

// The rules hang up while still armed, so that the power-down condition of
// the hang-up holds; they are disarmed before their message opens, so a
// tick beneath the message does not fire them again.
bool TInactivityRules::DisconnectAtDateTime()
{
    TGVar& g = g_;
    if (g.ScheduledDisconnectActive == 0 || !(s_.Clock.Now() > g.ScheduledDisconnectTime))
        return false;
    HangUpNow();
    g.ScheduledDisconnectActive = 0;
    host_.UncheckScheduledDisconnect();
    ReportAutoDisconnect();
    return true;
}

void TInactivityRules::DisconnectAfterConnectTime()
{
    TGVar& g = g_;
    if (g.AutoTimedDisconnectActive == 0 || g.TimedDisconnectDone)
        return;
    const double limit =
        g.ConnectStart + g.AutoTimedDisconnectHours / HoursPerDay + g.AutoTimedDisconnectMinutes / MinutesPerDay;
    if (!(s_.Clock.Now() > limit))
        return;
    HangUpNow();
    g.TimedDisconnectDone = true;
    ReportAutoDisconnect();
}

void TInactivityRules::HangUpNow()
{
    TGVar& g = g_;
    if (g.OsKind != OsWin9x)
        s_.Launcher.Exec(RasDisconnectCommand, platform::ShowState::Hidden);
    else if (g.NoDirectHardwareAcesss == 1)
        HangUpRas9x();
    else
        DropDtr();

    if (g.RAS == 1) {
        if (ras_)
            ras_->HangUp();
        g.ActiveConnectionName.clear();
    }

    if (g.Powerdown == 1 &&
        (g.ScheduledDisconnectActive != 0 || g.AutoTimedDisconnectActive == 1 || g.DisconnectIfInactive == 1))
        PowerDown();
}

// Hangs up the first connection RAS lists. The two entry points go into the
// shared table for the call and get their old values back once the library
// is freed, so the table never holds addresses of an unloaded library.
void TInactivityRules::HangUpRas9x()
{
    platform::RasApi& api = s_.Ras;
    const platform::RasLibrary library = api.Load(std::string(devices::kRasApiLibrary));
    if (library == 0)
        return;
    devices::TRasEntryPoints& table = devices::RasEntryPoints;
    const platform::RasEntry oldEnum = table.RasEnumConnectionsA;
    const platform::RasEntry oldHangUp = table.RasHangUpA;
    table.RasEnumConnectionsA = api.Find(library, "RasEnumConnectionsA");
    table.RasHangUpA = api.Find(library, "RasHangUpA");

    if (table.RasEnumConnectionsA != 0 && table.RasHangUpA != 0) {
        RasConn9xRecord records[Ras9xConnBufferSize / Ras9xConnRecordSize]{};
        records[0].dwSize = Ras9xConnRecordSize;
        uint32_t size = Ras9xConnBufferSize;
        uint32_t count = 0;
        if (api.EnumConnections(table.RasEnumConnectionsA, records, size, count) == 0 && count > 0)
            api.HangUp(table.RasHangUpA, records[0].hrasconn);
    }

    api.Free(library);
    table.RasEnumConnectionsA = oldEnum;
    table.RasHangUpA = oldHangUp;
}

// Drops DTR for a second, which makes the modem hang up. The wait keeps the
// user-interface thread (no messages), and compares the elapsed ticks
// unsigned so it also ends when the tick count wraps meanwhile.
void TInactivityRules::DropDtr()
{
    TGVar& g = g_;
    devices::TDLPortIO& io = s_.PortIO;
    if (!io.ActiveHW() || g.Port < 1 || g.Port > 8)
        return;
    const auto control = static_cast<uint16_t>(g.PortBaseTable[static_cast<size_t>(g.Port - 1)] + uart::ModemControl);
    const uint16_t v = io.ReadPortWord(control);
    // A faulted read gives no register value to put back afterwards.
    if (v == devices::kPortReadFailed)
        return;
    io.WritePortWord(control, static_cast<uint16_t>((v & 0xFF) & ~uart::ControlDTR));
    const uint32_t start = s_.Clock.TickCount();
    while (s_.Clock.TickCount() - start <= DtrDropMs) {
    }
    io.WritePortWord(control, v);
}

void TInactivityRules::PowerDown()
{
    platform::Power& power = s_.Power;
    if (g_.OsKind == OsWin9x) {
        power.SetSystemPowerState();
        return;
    }
    if (!power.OpenProcessToken())
        return;
    power.SetShutdownPrivilege(true);
    if (power.ExitWindowsPowerOff())
        power.SetShutdownPrivilege(false);
    power.CloseProcessToken();
}

} // namespace monitor
