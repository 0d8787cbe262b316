// The poll tick with the real counter methods and connection bookkeeping on
// fake sources: the UART behind the port I/O library, the helper VxD, the
// registry statistics, BLIDLL.DLL, the lights companion, TAPI and a clock.
// Free of any test framework, so the unit tests' fixture and the fuzz
// targets share it.
#pragma once

#include "fakes/fake_devices.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_signal_sources.h"
#include "monitor/connection_state.h"
#include "monitor/poll_cycle.h"
#include "monitor/signal_sources.h"

namespace enginetest {

constexpr uint16_t Msr2 = 0x2F8 + 6;
constexpr uint8_t CD = 0x80;
constexpr double Second = 1.0 / 86400;

class Windows : public monitor::PollWindows {
public:
    int Paints = 0;
    void InvalidateMainWindow() override {}
    void FormPaint() override
    {
        ++Paints;
        Settings.RepaintRequested = false;
    }
    void InvalidateGraphWindow() override {}
};

// Resets Settings to a port-2 record with the DLPortIO library present.
class EngineWiring {
public:
    EngineWiring()
    {
        Settings = TGVar{};
        g.PortBaseTable = {0x3F8, 0x2F8, 0x3E8, 0x2E8, 0x3E0, 0x2E0, 0x338, 0x238};
        g.Port = 2;
        g.NewOrientation = 1;
        g.DUNRegistryName = "Dial-Up Adapter";
        library.Files = {"DLPortIO.dll"};
        library.Registers[Msr2] = 0;
        clock.NowValue = 45000.5;
        clock.Tick = 1000000;
    }

    // The UART reports carrier (or not) through the port I/O library.
    void Carrier(bool on)
    {
        if (!io.ActiveHW())
            io.OpenDriver();
        library.Registers[Msr2] = on ? CD : 0;
    }
    void Registry(uint32_t rx, uint32_t tx, uint32_t speed = 0)
    {
        stat.Set("Dial-Up Adapter\\BytesRecvd", rx);
        stat.Set("Dial-Up Adapter\\BytesXmit", tx);
        if (speed)
            stat.Set("Dial-Up Adapter\\ConnectSpeed", speed);
    }
    void Tick(double seconds = 0)
    {
        clock.NowValue += seconds * Second;
        clock.Tick += static_cast<uint32_t>(seconds * 1000);
        poll.TimerEvent();
    }

    TGVar& g = Settings;
    TConnectionState& cs = Settings.ConnectionState;
    fakes::HelperVxd vxd;
    monitor::HelperVxdClient client{vxd};
    fakes::PortIoLibrary library;
    fakes::ServiceManager services;
    devices::TDLPortIO io{library, services, false, "C:\\WINDOWS\\SYSTEM"};
    fakes::Clock clock;
    fakes::MessageBoxes boxes;
    fakes::SerialPorts ports;
    fakes::StatData stat;
    fakes::LightsCompanion lights;
    fakes::RnaappHelper rnaapp;
    fakes::Tapi tapi;
    fakes::Locale locale;
    fakes::EngineHost host;
    monitor::TSignalSources sources{g, monitor::SignalServices{client, lights, rnaapp, stat, tapi, boxes, host, host}};
    monitor::TConnectionSteps connection{g, clock, locale, host.Parts};
    monitor::EventActions events;
    monitor::InactivityRules inactivity;
    monitor::KeyboardLights keyboard;
    Windows windows;
    monitor::TPollCycle poll{g,
                             monitor::PollServices{clock, boxes, ports, io, client},
                             monitor::PollParts{sources, connection, events, inactivity, keyboard, windows}};
};

} // namespace enginetest
