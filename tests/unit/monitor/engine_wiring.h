// The engine as the program builds it, on fakes: the UART behind the port
// I/O library, the helper VxD, the registry statistics, BLIDLL.DLL, the
// lights companion, TAPI, the event services and a clock. Free of any test
// framework, so the unit tests' fixture and the fuzz targets share it.
#pragma once

#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/startup.h"
#include "fakes/fake_devices.h"
#include "fakes/fake_events.h"
#include "fakes/fake_keyboard.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_power.h"
#include "fakes/fake_ras.h"
#include "fakes/fake_signal_sources.h"
#include "monitor/engine.h"
#include "monitor/uart_registers.h"

namespace enginetest {

constexpr uint16_t Msr2 = 0x2F8 + monitor::uart::ModemStatus;
constexpr uint8_t CD = monitor::uart::StatusCD;
constexpr double Second = 1.0 / 86400;

// The rig's local time and tick count. With Step set, the tick count moves
// on by Step at every reading (the hang-up's waits), and a wait that never
// ends fails instead of hanging the test.
class Clock : public fakes::Clock {
public:
    uint32_t Step = 0;
    std::vector<uint32_t> Read;
    uint32_t TickCount() override
    {
        if (!Step)
            return Tick;
        if (Read.size() > 100000)
            throw std::runtime_error("the wait does not end");
        Read.push_back(Tick);
        return std::exchange(Tick, Tick + Step);
    }
};

// The main window as the engine sees it, and the boxes it shows: the
// window's requests and the boxes in one log, in their order. A box may run
// a hook beneath it, as a real box's message loop runs ticks.
class Window : public monitor::EngineWindow, public fakes::MessageBoxes {
public:
    std::vector<std::string> Log;
    std::function<void()> Beneath;
    bool CloseAccepted = true;
    long Paints = 0;
    std::function<void()> OnPaint, OnGraphInvalidated; // the displays, where a rig has them

    void EnablePollTimer(bool on) override { Log.push_back(on ? "TimerOn" : "TimerOff"); }
    bool CloseMainWindow() override { return Log.push_back("Close"), CloseAccepted; }
    void MakeMainWindowTopmost() override { Log.push_back("Topmost"); }
    void UncheckScheduledDisconnect() override { Log.push_back("Uncheck"); }
    void InvalidateMainWindow() override {}
    // Without a display, as the lamp display does: a paint answers every
    // display request.
    void FormPaint() override
    {
        ++Paints;
        if (OnPaint)
            OnPaint();
        else
            Settings.RepaintRequested = Settings.ReloadPictures = Settings.ReloadTitlePictures = false;
    }
    void InvalidateGraphWindow() override
    {
        if (OnGraphInvalidated)
            OnGraphInvalidated();
    }
    platform::MbResult Show(const std::string& text, const std::string& caption, platform::MbButtons buttons,
                            platform::MbIcon icon) override
    {
        Log.push_back(Settings.ModalActive ? "Box" : "Box without ModalActive");
        if (auto beneath = std::exchange(Beneath, nullptr))
            beneath();
        return fakes::MessageBoxes::Show(text, caption, buttons, icon);
    }
};

// RASAPI32 of Windows 95: it lists connections in 412-byte records.
class Ras9x : public fakes::RasApi {
public:
    uint32_t SizeField = 0, SizeGiven = 0;
    uint32_t EnumConnections(platform::RasEntry, void* records, uint32_t& size, uint32_t& count) override;
};

// Resets Settings to a port-2 record with the DLPortIO library present.
// stat: the registry statistics to read instead of the rig's own.
class EngineWiring {
public:
    explicit EngineWiring(platform::StatDataKey* statData = nullptr) : statKey(statData ? *statData : stat)
    {
        Settings = TGVar{};
        g.PortBaseTable = DefaultPortBaseTable;
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
        engine.Tick();
    }

    TGVar& g = Settings;
    TConnectionState& cs = Settings.ConnectionState;
    fakes::HelperVxd vxd;
    monitor::HelperVxdClient client{vxd};
    fakes::PortIoLibrary library;
    fakes::ServiceManager services;
    devices::TDLPortIO io{library, services, false, "C:\\WINDOWS\\SYSTEM"};
    Clock clock;
    Window window;
    fakes::MessageBoxes& boxes = window;
    fakes::SerialPorts ports;
    fakes::StatData stat;
    platform::StatDataKey& statKey;
    fakes::LightsCompanion lights;
    fakes::RnaappHelper rnaapp;
    fakes::Tapi tapi;
    fakes::Locale locale;
    fakes::EventSound sound;
    fakes::LogFiles logs;
    fakes::Launcher launcher;
    fakes::SystemInfo system;
    Ras9x ras;
    fakes::Power power;
    fakes::Keyboard keys;
    fakes::EngineHost host; // the window's parts
    monitor::Engine engine{g,
                           monitor::EngineServices{clock, window, ports, io, client, lights, rnaapp, statKey, tapi,
                                                   locale, sound, logs, launcher, system, ras, power, keys},
                           window, host.Parts};
    monitor::TSignalSources& sources = engine.Counters();
    monitor::TConnectionSteps& connection = engine.Connection();
    monitor::TEventActions& actions = engine.Events();
    monitor::TInactivityRules& rules = engine.Inactivity();
};

inline uint32_t Ras9x::EnumConnections(platform::RasEntry, void* records, uint32_t& size, uint32_t& count)
{
    std::memcpy(&SizeField, records, 4);
    SizeGiven = size;
    for (uint32_t i = 0; i < Connections.size(); ++i)
        std::memcpy(static_cast<char*>(records) + i * 412 + 4, &Connections[i].Handle, 4);
    count = static_cast<uint32_t>(Connections.size());
    return 0;
}

} // namespace enginetest
