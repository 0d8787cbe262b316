// The engine: the detection methods' counters, the connection bookkeeping,
// the event actions, the inactivity rules, the keyboard lights and the poll
// tick over them, built from the platform services they need. The program,
// the tests, the fuzzer and the bench build it the same way.
#pragma once

#include "devices/port_io.h"
#include "devices/rascomp32.h"
#include "monitor/connection_state.h"
#include "monitor/event_actions.h"
#include "monitor/inactivity_rules.h"
#include "monitor/keyboard_lights.h"
#include "monitor/poll_cycle.h"
#include "monitor/signal_sources.h"
#include "monitor/window_parts.h"

namespace monitor {

// What the engine asks of the main window: its poll timer, its close and
// on-top, and its paints.
class EngineWindow : public EventHost, public InactivityHost, public PollWindows {};

struct EngineServices {
    platform::Clock& Clock;
    platform::MessageBoxes& Boxes;
    platform::SerialPorts& Ports;
    devices::TDLPortIO& PortIO;
    HelperVxdClient& Vxd;
    platform::LightsCompanion& Lights;
    platform::RnaappHelper& Rnaapp;
    platform::StatDataKey& StatData;
    platform::TapiLines& Tapi;
    platform::LocaleInfo& Locale;
    platform::EventSound& Sound;
    platform::LogFiles& Logs;
    platform::ProcessLauncher& Launcher;
    platform::SystemInfo& System;
    platform::RasApi& RasApi;
    platform::Power& Power;
    platform::KeyboardState& Keyboard;
    devices::TRAS* Ras = nullptr; // the RAS component; nullptr where there is none
};

class Engine {
public:
    Engine(TGVar& g, const EngineServices& s, EngineWindow& window, MainWindowParts& parts);
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // One poll tick.
    void Tick() { poll_.TimerEvent(); }
    // The RAS component the counters and the bookkeeping read (nullptr: none).
    void AttachRas(devices::TRAS* ras, platform::RasApi* api);

    TSignalSources& Counters() { return counters_; }
    TConnectionSteps& Connection() { return connection_; }
    TEventActions& Events() { return events_; }
    TInactivityRules& Inactivity() { return inactivity_; }

private:
    TSignalSources counters_;
    TConnectionSteps connection_;
    TEventActions events_;
    TInactivityRules inactivity_;
    TKeyboardLights keyboard_;
    TPollCycle poll_;
};

} // namespace monitor
