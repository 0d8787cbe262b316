// The pieces of the engine that the poll tick calls at fixed steps: the
// counter methods of the detection settings, the connection bookkeeping,
// the event actions, the inactivity and automatic-disconnect rules and the
// keyboard lights. Each method's default does nothing, so the tick runs
// with whatever pieces exist; the main window's part (painting and
// invalidating) has no default.
#pragma once

#include <cstdint>

namespace monitor {

// Byte counts and connect speed of one tick. Each counter method
// overwrites all three fields.
struct CounterSample {
    uint32_t RxBytes = 0; // received, cumulative since the method's own baseline
    uint32_t TxBytes = 0; // sent, likewise
    uint32_t Speed = 0;   // connect speed in bps; 0 = not reported
};

// The counter methods, run in this order when enabled ("DUNLights",
// "RNAAPP", "DUNRegistry", "RAS"); the VxD counters when none of them
// counted a byte; the TAPI speed on NT 4 while the connect speed is 0.
// Some may set or clear CD of ModemSignals.
class SignalCounters {
public:
    virtual ~SignalCounters() = default;
    virtual void ReadLightsCounters(CounterSample&) {}
    virtual void ReadRnaappCounters(CounterSample&) {}
    virtual void ReadRegistryCounters(CounterSample&) {}
    virtual void ReadRasCounters(CounterSample&) {}
    virtual void ReadVxdCounters(CounterSample&) {}
    virtual void ReadTapiSpeed(CounterSample&) {}
    // True once after a method met a read error that ends the tick's
    // remaining steps (a registry value of the wrong type).
    virtual bool TakeEndOfTick() { return false; }
};

// Connection state and connect time.
class ConnectionSteps {
public:
    virtual ~ConnectionSteps() = default;
    virtual void SpeedWindow() {}      // publishes the bytes of the last speed window
    virtual void SessionStart() {}     // CD rose
    virtual void SessionEnd() {}       // CD fell
    virtual void AutoResetTotal() {}   // the total's reset schedule, while CD is up
    virtual void ConnectTimeLabel() {} // the settings dialog's total connect time label, while it shows
};

// Sounds, logs, launches, the automatic exit and on-top.
class EventActions {
public:
    virtual ~EventActions() = default;
    virtual void RingSound() {}       // RI rose
    virtual void AutoOnTop() {}       // "OnTop" = 2
    virtual void ConnectSound() {}    // CD rose, before the session starts
    virtual void DisconnectSound() {} // CD fell, before the session ends
    virtual void AutoExit() {}        // the automatic exit after a disconnect
    virtual void LaunchOnCDHigh() {}
    virtual void LaunchOnCDLow() {}
    virtual void RingLog() {}
    virtual void ConnectLog() {}
    // True once after a step ended the tick's remaining steps (a log that
    // could not be written, or the automatic exit closed the window).
    virtual bool TakeEndOfTick() { return false; }
};

// Inactivity and the automatic disconnections.
class InactivityRules {
public:
    virtual ~InactivityRules() = default;
    virtual void DisconnectIfInactive() {}
    virtual void WarnIfInactive() {}
    // True when the disconnect at a set date and time fired.
    virtual bool DisconnectAtDateTime() { return false; }
    virtual void DisconnectAfterConnectTime() {}
    // The hang-up routine, also run by "Hang-up &NOW!" and the N key.
    virtual void HangUpNow() {}
};

// The keyboard's lock-key LEDs as modem lights.
class KeyboardLights {
public:
    virtual ~KeyboardLights() = default;
    virtual void UpdateKeyboardLights() {}
};

// What the tick asks of the main window and the throughput window.
class PollWindows {
public:
    virtual ~PollWindows() = default;
    // Invalidates the main window's whole client area without erasing.
    virtual void InvalidateMainWindow() = 0;
    // Paints the lamp display now; clears RepaintRequested.
    virtual void FormPaint() = 0;
    // Invalidates the throughput window's whole client area without erasing.
    virtual void InvalidateGraphWindow() = 0;
};

struct PollParts {
    SignalCounters& Counters;
    ConnectionSteps& Connection;
    EventActions& Events;
    InactivityRules& Inactivity;
    KeyboardLights& Keyboard;
    PollWindows& Windows;
};

} // namespace monitor
