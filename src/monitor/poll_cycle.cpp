#include "monitor/poll_cycle.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "settings/date_time.h"
#include "settings/line_settings.h"
#include "settings/modal_box.h"
#include "monitor/connection_state.h"
#include "monitor/uart_registers.h"

namespace monitor {

namespace {

constexpr uint16_t NoUart = 0xFFFF; // what a port address without a UART reads

// Status bits light their lines; a line already lit stays lit.
void SetStatusLines(TModemSignals& s, unsigned status)
{
    s.CTS |= (status & uart::StatusCTS) != 0;
    s.DSR |= (status & uart::StatusDSR) != 0;
    s.RI |= (status & uart::StatusRI) != 0;
    s.CD |= (status & uart::StatusCD) != 0;
}

} // namespace

void ClearSignalMemory(TGVar& g)
{
    const bool hs = g.ModemSignals.HS;
    g.ModemSignals = TModemSignals{};
    g.ModemSignals.HS = hs;
    g.PreviousSignals = TModemSignals{};
    g.PreviousSignals.HS = hs;
}

uint16_t TPollCycle::PortBase() const
{
    return g_.PortBaseTable[static_cast<size_t>(g_.Port - 1)];
}

// Asks the VxD for the port it has hooked and, when that is the monitored
// one, takes the modem status through it. True when the VxD named the
// monitored port.
bool TPollCycle::ReadVxdStatus()
{
    HelperVxdClient& vxd = s_.Vxd;
    if (!vxd.IsOpen())
        return false;
    char name[4];
    if (vxd.PortName(name) < 3)
        return false;
    const char expected[4] = {'C', 'O', 'M', static_cast<char>('0' + g_.Port)};
    if (std::memcmp(name, expected, sizeof expected) != 0) {
        vxd.ReportOtherPort();
        return false;
    }
    SetStatusLines(g_.ModemSignals, vxd.ModemStatus());
    return true;
}

// The direct status read, with the recovery of a failed driver call.
void TPollCycle::ReadUartStatus()
{
    devices::TDLPortIO& io = s_.PortIO;
    uint16_t value = io.ActiveHW() ? io.ReadPortWord(static_cast<uint16_t>(PortBase() + uart::ModemStatus)) : 0;
    if (value == NoUart) {
        value = 0;
        g_.PortPresent = false;
    } else {
        g_.PortPresent = true;
    }
    if (value == devices::kPortReadFailed) {
        io.CloseDriver();
        io.OpenDriver();
        if (!io.ActiveHW()) {
            // The ticks that come beneath the box are skipped, and later
            // ones find the driver inactive and read nothing, so no second
            // box appears. A box of an outer tick may already have set
            // ModalActive: leave it as it was.
            ShowModalBox(g_, s_.Boxes, g_.OsKind != OsWin9x ? DriverMissingNtText : DriverMissing9xText,
                         platform::MbButtons::Ok, platform::MbIcon::Error);
        }
        return;
    }
    SetStatusLines(g_.ModemSignals, value & 0xFF);
}

// The control register and the ring read. Neither the driver's failure
// mark nor the all-ones of an absent UART is a register value: both read
// as 0, so they never light DTR, RTS or RI.
uint16_t TPollCycle::ReadUartRegister(uint16_t offset)
{
    devices::TDLPortIO& io = s_.PortIO;
    if (!io.ActiveHW() || (g_.OsKind == OsWin2000 && !g_.PortPresent))
        return 0;
    const uint16_t value = io.ReadPortWord(static_cast<uint16_t>(PortBase() + offset));
    return value == devices::kPortReadFailed || value == NoUart ? 0 : value;
}

// False when a method's read error ended the tick.
bool TPollCycle::ReadCounters(CounterSample& sample, bool vxdOnPort)
{
    SignalCounters& c = p_.Counters;
    if (g_.DUNLights == 1)
        c.ReadLightsCounters(sample);
    if (g_.RNAAPP == 1)
        c.ReadRnaappCounters(sample);
    if (g_.DUNRegistry == 1) {
        c.ReadRegistryCounters(sample);
        if (c.TakeEndOfTick())
            return false;
    }
    if (g_.RAS == 1)
        c.ReadRasCounters(sample);
    if (sample.RxBytes == 0 && sample.TxBytes == 0 && vxdOnPort)
        c.ReadVxdCounters(sample);
    return true;
}

namespace {

// The totals are 32-bit counts that wrap: a total rose when the difference,
// taken modulo 2^32, is below 2^31 (so a busy line keeps lighting past 2 GB
// and 4 GB); a larger difference is a count that dropped.
bool Rose(uint32_t total, uint32_t last)
{
    const uint32_t d = total - last;
    return d != 0 && d < 0x80000000u;
}

} // namespace

// A total that rose lights its lamp and feeds the rate buckets; one that
// dropped (a method restarted its count) waits until it passes the last
// total again.
void TPollCycle::CountActivity(const CounterSample& sample)
{
    TConnectionState& cs = g_.ConnectionState;
    TModemSignals& s = g_.ModemSignals;
    if (Rose(sample.RxBytes, cs.LastRx)) {
        s.RD = true;
        const uint32_t d = sample.RxBytes - cs.LastRx;
        cs.GraphRx += d;
        cs.WindowAccRx += d;
        cs.LastRx = sample.RxBytes;
        if (s.CD)
            cs.SessionRx = sample.RxBytes;
    }
    if (Rose(sample.TxBytes, cs.LastTx)) {
        s.TD = true;
        const uint32_t d = sample.TxBytes - cs.LastTx;
        cs.GraphTx += d;
        cs.WindowAccTx += d;
        cs.LastTx = sample.TxBytes;
        if (s.CD)
            cs.SessionTx = sample.TxBytes;
    }
    cs.Info.BytesOut = cs.SessionTx;
    cs.Info.BytesIn = cs.SessionRx;
}

// "@ " speed " bps " connection text; rebuilt only when it would differ,
// so a steady connection costs no allocation.
void TPollCycle::UpdateSpeedText(uint32_t speed)
{
    TConnectionState& cs = g_.ConnectionState;
    char digits[10];
    const auto result = std::to_chars(digits, digits + sizeof digits, speed);
    const std::string_view number(digits, static_cast<size_t>(result.ptr - digits));
    constexpr std::string_view At = "@ ";
    constexpr std::string_view Bps = " bps ";
    const std::string_view current = cs.SpeedText;
    const std::string_view text = cs.ConnectionText;
    const size_t size = At.size() + number.size() + Bps.size() + text.size();
    if (current.size() == size && current.starts_with(At) && current.substr(At.size(), number.size()) == number &&
        current.substr(At.size() + number.size(), Bps.size()) == Bps && current.ends_with(text))
        return;
    std::string& out = cs.SpeedText;
    out.assign(At);
    out.append(number);
    out.append(Bps);
    out.append(text);
}

bool TPollCycle::LampsChanged() const
{
    const TModemSignals& now = g_.ModemSignals;
    const TModemSignals& before = g_.PreviousSignals;
    const int layout = std::abs(g_.NewOrientation);
    if (layout < 1 || layout > 5)
        return false;
    const bool lampChanged = now.RI != before.RI || now.CD != before.CD || now.DSR != before.DSR ||
                             now.CTS != before.CTS || now.TD != before.TD || now.RD != before.RD;
    if (layout <= 3)
        return lampChanged;
    return lampChanged || now.RTS != before.RTS || now.DTR != before.DTR;
}

// Whether a display shows a running clock (or a speed figure that the
// speed window updates) and so needs a repaint each second.
bool TPollCycle::ClockShown() const
{
    const TGVar& g = g_;
    if (g.Title == 1)
        return true;
    if (g.ModemSignals.CD &&
        (g.Title == 2 || g.DisplayConnectTimeInTitlebar == 1 || g.DisplayTotalConnectTimeInTitlebar == 1 ||
         g.GraphMode == 2 || g.DisplayConnectTime == 1 || g.DisplayTotalConnectTimeInDisplay == 1))
        return true;
    return (g.SPYSpeedInDisplay == 1 || g.LogTransmitDisp == 1) && g.RDTDSpeedUpdate != 0;
}

// Steps 2-19: the line as read this tick, and the connect or disconnect it
// shows. False when the counters could not be read: the tick ends there.
bool TPollCycle::ReadLine()
{
    TGVar& g = g_;
    TModemSignals& s = g.ModemSignals;
    TConnectionState& cs = g.ConnectionState;

    // 2. Lines and activity are fresh each tick; PrevRI, PrevCD and HS carry over.
    s.CTS = s.RTS = s.RI = s.CD = s.DSR = s.TD = s.RD = s.DTR = false;

    // 3-4. Status lines through the VxD, then straight from the UART.
    const bool vxdOnPort = ReadVxdStatus();
    ReadUartStatus();

    // 5. Byte counters and speed.
    CounterSample sample;
    if (!ReadCounters(sample, vxdOnPort))
        return false;

    // 6. Connect speed.
    uint32_t& speed = cs.Info.ConnectionSpeed;
    if (!s.CD)
        speed = 0;
    if (speed == 0 && g.OsKind == OsNT4)
        p_.Counters.ReadTapiSpeed(sample);
    if (sample.Speed != 0)
        speed = sample.Speed;

    // 7. Activity.
    CountActivity(sample);

    // 8. Without the VxD, counted bytes mean a connection.
    if (!s_.Vxd.IsOpen() && (sample.RxBytes != 0 || sample.TxBytes != 0))
        s.CD = true;

    // 9. Speed text and HS keep their values while the speed is unknown.
    if (speed != 0) {
        UpdateSpeedText(speed);
        s.HS = g.NewOrientation == 5 && speed > 9600;
    }

    // 10. Last activity.
    if (g.TriggerRD == 1 ? s.RD : (s.RD || s.TD))
        cs.LastActivity = s_.Clock.Now();

    // 11. DTR and RTS, for the layouts that show them.
    if (g.NewOrientation == 4 || g.NewOrientation == 5) {
        const uint16_t control = ReadUartRegister(uart::ModemControl);
        s.DTR |= (control & uart::ControlDTR) != 0;
        s.RTS |= (control & uart::ControlRTS) != 0;
    }

    // 12. A second status read, for a ring that came since the first.
    if (ReadUartRegister(uart::ModemStatus) & uart::StatusRI)
        s.RI = true;

    // 13-14.
    if (s.RI && !s.PrevRI)
        p_.Events.RingSound();
    if (g.OnTop == 2)
        p_.Events.AutoOnTop();

    // 15.
    if (!s.CD)
        cs.LastActivity = 0;

    // 16. Restore from the tray on activity.
    g.ActivityRestore = g.AutoMaximize == 1 && (s.TD || s.RD);

    // 17.
    p_.Connection.SpeedWindow();

    // 18.
    if (!s.CD)
        g.LightsDevice = 0;

    // 19. Connect and disconnect.
    if (s.CD != s.PrevCD) {
        if (s.CD) {
            p_.Events.ConnectSound();
            p_.Connection.SessionStart();
        } else {
            p_.Events.DisconnectSound();
            p_.Connection.SessionEnd();
        }
    }
    s.PrevCD = s.CD;
    if (s.CD)
        g.CdLowTime = 0;
    else
        g.CdHighTime = 0;
    return true;
}

void TPollCycle::TimerEvent()
{
    TGVar& g = g_;
    TModemSignals& s = g.ModemSignals;

    // 1. Nothing to watch.
    if (g.Port < 1 || g.Port > 8)
        return;
    // A read that pumps messages (the NT statistics) or a box it shows lets
    // the timer in again: a tick that comes while this one reads the line
    // is skipped, so this one acts on the line as it read it. Ticks beneath
    // the boxes of the later steps run.
    if (readingLine_)
        return;
    // The wall clock went back since the last tick.
    const double wallClock = s_.Clock.Now();
    if (wallClock < lastNow_)
        ClockMovedBack(g, wallClock - lastNow_);
    lastNow_ = wallClock;

    struct Reading {
        bool& flag;
        explicit Reading(bool& f) : flag(f) { flag = true; }
        ~Reading() { flag = false; }
    };
    bool read = false;
    {
        Reading reading(readingLine_);
        read = ReadLine();
    }
    if (!read)
        return;

    // 20-24. A log that could not be written, or the automatic exit's
    // close, ends the tick there.
    p_.Events.AutoExit();
    if (p_.Events.TakeEndOfTick())
        return;
    p_.Events.LaunchOnCDHigh();
    p_.Events.LaunchOnCDLow();
    p_.Events.RingLog();
    s.PrevRI = s.RI;
    if (p_.Events.TakeEndOfTick())
        return;
    p_.Inactivity.DisconnectIfInactive();
    p_.Inactivity.WarnIfInactive();
    p_.Events.ConnectLog();
    if (p_.Events.TakeEndOfTick())
        return;

    // 25. Line settings for the status line; without the VxD there is no
    // open handle, so speed and data bits read 0.
    if (g.StatusInDisplay == 1)
        ReadLineSettings(g, 0, s_.Vxd.Device(), s_.Ports);

    // 26-27.
    if (s.CD) {
        p_.Connection.AutoResetTotal();
        if (!p_.Inactivity.DisconnectAtDateTime())
            p_.Inactivity.DisconnectAfterConnectTime();
    }

    // 28. Lamp change test.
    if (LampsChanged())
        g.RepaintRequested = true;
    g.PreviousSignals = s;

    // 29. A rebuilt or resized display must be painted.
    if (g.NewOrientation > 0 && (g.ReloadPictures || g.DisplayResized))
        g.RepaintRequested = true;

    // 30. A shown clock repaints once per second, not on every tick.
    if (!g.RepaintRequested && ClockShown()) {
        const double now = s_.Clock.Now();
        if (SecondOfMinute(now) != SecondOfMinute(g.LastClockRepaint)) {
            g.RepaintRequested = true;
            g.LastClockRepaint = now;
        }
    }

    // 31.
    if (g.OsKind == OsWin9x && g.RepaintRequested)
        p_.Keyboard.UpdateKeyboardLights();

    // 32.
    if (g.SetupDialogOpen)
        p_.Connection.ConnectTimeLabel();

    // 33. Repaint: at once, with what changed; while closing, by the
    // window's own paint.
    if (g.RepaintRequested) {
        if (g.ClosingState == 0)
            p_.Windows.FormPaint();
        else
            p_.Windows.InvalidateMainWindow();
    }

    // 34. Throughput window.
    if (!g.ModalActive && g.GraphRepaintRequested) {
        p_.Windows.InvalidateGraphWindow();
        g.GraphRepaintRequested = false;
    }
}

} // namespace monitor
