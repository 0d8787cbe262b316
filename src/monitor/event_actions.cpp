#include "monitor/event_actions.h"

#include "settings/date_time.h"
#include "settings/modal_box.h"

#include "settings/launcher.h"
#include "settings/paths.h"
#include "monitor/event_logs.h"

namespace monitor {

namespace {

constexpr double CallOverSeconds = 10;    // no ring for this long ends a call
constexpr double StartInhibitSeconds = 10; // "Auto Run CD Inhibit"

double SecondsSince(double then, double now)
{
    return (now - then) * SecondsPerDay;
}

} // namespace

void PlayEventSound(platform::EventSound& sound, int32_t setting, const std::string& file)
{
    if (setting == 1)
        sound.PlayFile(file);
    else if (setting == 2)
        sound.Beep();
}

TEventActions::TEventActions(TGVar& g, EventServices services)
    : g_(g),
      s_(services),
      shortProgramPath_(services.System.ShortProgramPath()),
      programFileName_(FileNamePart(services.System.ProgramPath())),
      ringLogPath_(EventLogPath(shortProgramPath_, RingLogEnding)),
      connectLogPath_(EventLogPath(shortProgramPath_, ConnectLogEnding))
{
}

void TEventActions::PlayEventSound(int32_t setting, const std::string& file)
{
    monitor::PlayEventSound(s_.Sound, setting, file);
}

void TEventActions::RingSound()
{
    PlayEventSound(g_.RIPlaySound, g_.RISound);
}

void TEventActions::ConnectSound()
{
    PlayEventSound(g_.ConnectPlaySound, g_.ConnectSound);
}

void TEventActions::DisconnectSound()
{
    PlayEventSound(g_.DisconnectPlaySound, g_.DisconnectSound);
}

void TEventActions::AutoOnTop()
{
    const TModemSignals& s = g_.ModemSignals;
    const double now = s_.Clock.Now();
    if (s.TD || s.RD) {
        g_.OnTopActive = true;
        g_.OnTopTime = now;
    } else if (SecondsSince(g_.OnTopTime, now) > g_.AutoDelayTitle) {
        g_.OnTopActive = false;
    }
}

// The exit fires once: a refused close must not ask again on every tick.
// After a refusal monitoring goes on as before: the VxD, closed for the
// exit, is opened and hooked again and the poll timer runs again. After a
// close the rest of the tick is skipped, since the shut-down has run.
void TEventActions::AutoExit()
{
    if (!g_.AutoExitPending || SecondsSince(g_.AutoExitStart, s_.Clock.Now()) <= g_.CDAutoExitDelay)
        return;
    g_.AutoExitPending = false;
    const bool vxdWasOpen = s_.Vxd.IsOpen();
    s_.Vxd.Close();
    s_.Host.EnablePollTimer(false);
    if (s_.Host.CloseMainWindow()) {
        endOfTick_ = true;
        return;
    }
    if (vxdWasOpen)
        s_.Vxd.Follow(g_.OsKind, g_.NoVxd, shortProgramPath_);
    s_.Host.EnablePollTimer(true);
}

void TEventActions::LaunchOnCDHigh()
{
    LaunchWhenDue(g_.AutoRunCDHigh, g_.CdHighTime, g_.CDHighDelay, g_.AutoRunProgramCDHigh,
                  g_.AskFirstAutoLaunchProgCDHigh);
}

void TEventActions::LaunchOnCDLow()
{
    LaunchWhenDue(g_.AutoRunCDLow, g_.CdLowTime, g_.CDLowDelay, g_.AutoRunProgramCDLow,
                  g_.AskFirstAutoLaunchProgCDLow);
}

// The launch time is cleared before the launcher runs: its question opens
// a box under which further ticks run, and they must not launch again.
void TEventActions::LaunchWhenDue(int32_t enabled, double& armedAt, uint32_t delay, const std::string& command,
                                  int32_t askFirst)
{
    if (enabled != 1 || armedAt == 0)
        return;
    const double now = s_.Clock.Now();
    if (SecondsSince(armedAt, now) <= delay)
        return;
    armedAt = 0;
    if (g_.AutoRunCDInhibit == 1 && SecondsSince(g_.ProgramStartTime, now) < StartInhibitSeconds)
        return;
    Launch(g_, command, askFirst, programFileName_, s_.Boxes, s_.Launcher);
}

// RingCount is the number of rings + 1 while a call is counted. The call
// is logged once no ring came for more than 10 seconds; it is forgotten
// whether or not the line could be written, so a failed write is reported
// once.
void TEventActions::RingLog()
{
    if (g_.LogRI != 1)
        return;
    const TModemSignals& s = g_.ModemSignals;
    const double now = s_.Clock.Now();
    if (s.RI && !s.PrevRI) {
        if (g_.RingCount == 0)
            g_.RingCount = 1;
        ++g_.RingCount;
        g_.LastRingTime = now;
    }
    if (s.RI || g_.RingCount <= 0 || SecondsSince(g_.LastRingTime, now) <= CallOverSeconds)
        return;
    if (!WriteCall())
        ReportUnableToWrite(ringLogPath_);
}

// Shut-down: a call whose ringing stopped less than 10 seconds ago is over
// too. No box at exit: the line is written or not.
void TEventActions::LogPendingCall()
{
    if (g_.LogRI == 1 && g_.RingCount > 0)
        WriteCall();
}

// The call's line, and the call forgotten. A write that failed may have
// left part of a line, so the next one starts on a new line.
bool TEventActions::WriteCall()
{
    line_.clear();
    if (callLineBroken_)
        line_.append(LogLineEnd);
    BuildCallLine(g_.LastRingTime, g_.RingCount - 1, s_.Locale.Patterns(), line_);
    g_.RingCount = 0;
    callLineBroken_ = !s_.Logs.Append(ringLogPath_, line_);
    return !callLineBroken_;
}

// A connection is logged once it has lasted "DCD Interval" seconds: the
// connect part then, the rest of the line when the carrier falls. A
// connection that ends sooner leaves no entry.
void TEventActions::ConnectLog()
{
    if (g_.LogDCD != 1)
        return;
    int32_t& state = g_.DcdLogState;
    const double now = s_.Clock.Now();
    const bool due = SecondsSince(g_.ConnectStart, now) > g_.DCDInterval;
    if (g_.ModemSignals.CD) {
        if (state == DcdIdle)
            state = DcdNotLogged;
        if (state == DcdNotLogged && due)
            WriteConnectPart();
        return;
    }
    if (state == DcdNotLogged && due) {
        state = DcdIdle;
    } else if (state == DcdConnectLogged) {
        state = DcdIdle;
        BuildDisconnectPart(g_, now, s_.Locale.Patterns(), line_);
        if (!s_.Logs.Append(connectLogPath_, line_))
            ReportUnableToWrite(connectLogPath_);
    } else if (state == DcdEntryDropped) {
        state = DcdIdle;
    }
}

// A missing log is created by the append; an existing one is only ever
// added to. When its last line is a connect part that never got its
// disconnect part (or the file is empty), the new entry starts on a new
// line; the file's last bytes tell, whatever its size. The state is settled
// before the error box, under which further ticks run.
void TEventActions::WriteConnectPart()
{
    line_.clear();
    if (s_.Logs.ReadTail(connectLogPath_, LoneConnectPartLength + 2, file_) &&
        LastLineLength(file_) < LoneConnectPartLength)
        line_.append(LogLineEnd);
    BuildConnectPart(g_.ConnectStart, s_.Locale.Patterns(), line_);
    g_.DcdLogState = DcdConnectLogged;
    if (s_.Logs.Append(connectLogPath_, line_))
        return;
    g_.DcdLogState = DcdEntryDropped;
    ReportUnableToWrite(connectLogPath_);
}

// One error box naming the file; the tick ends after it. The entry's state
// is already settled, so the ticks that run beneath the box do not report
// it again; the end of the tick is only set once the box is closed, so
// that none of them takes it for its own.
void TEventActions::ReportUnableToWrite(const std::string& path)
{
    ShowModalBox(g_, s_.Boxes, UnableToWriteText + path, platform::MbButtons::Ok, platform::MbIcon::Error);
    endOfTick_ = true;
}

bool TEventActions::TakeEndOfTick()
{
    const bool end = endOfTick_;
    endOfTick_ = false;
    return end;
}

} // namespace monitor
