// The poll tick when nothing changes, the case that runs up to 18 times a
// second for days. Lean stand-ins answer the device calls, so the figures
// are the tick's own.
//
//   poll_tick_bench [benchmark flags]   Google Benchmark
//   poll_tick_bench --ticks=N win98|win2000
//                                       N quiet ticks of one configuration, for
//                                       counting instructions under callgrind
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string_view>

#include "app/startup.h"
#include "bench_doubles.h"
#include "fakes/fake_events.h"
#include "fakes/fake_keyboard.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_power.h"
#include "fakes/fake_ras.h"
#include "fakes/fake_signal_sources.h"
#include "monitor/engine.h"

namespace {

class Registers final : public platform::PortIoLibrary {
public:
    uint16_t Msr = 0, Mcr = 0;
    platform::LibraryHandle Load(const std::string&) override { return 1; }
    platform::EntryPoint Find(platform::LibraryHandle, const std::string&) override { return 1; }
    bool Unload(platform::LibraryHandle) override { return true; }
    bool ReadPortUshort(platform::EntryPoint, uint16_t port, uint16_t& value) override
    {
        value = (port & 7) == 6 ? Msr : Mcr;
        return true;
    }
    void WritePortUshort(platform::EntryPoint, uint16_t, uint16_t) override {}
};

class NoServices final : public platform::ServiceManager {
public:
    platform::ServiceHandle OpenManager(uint32_t) override { return 0; }
    platform::ServiceHandle Open(platform::ServiceHandle, const std::string&, uint32_t) override { return 0; }
    platform::ServiceHandle Create(platform::ServiceHandle, const platform::ServiceDefinition&) override { return 0; }
    bool QueryState(platform::ServiceHandle, uint32_t&) override { return false; }
    bool Start(platform::ServiceHandle) override { return false; }
    bool Stop(platform::ServiceHandle) override { return false; }
    bool Delete(platform::ServiceHandle) override { return false; }
    void Close(platform::ServiceHandle) override {}
    uint32_t LastError() const override { return 0; }
};

using Vxd = bench::Com2Vxd;
using bench::NoPorts;

class FixedClock final : public platform::Clock {
public:
    double Now() override { return 45000.5; }
    uint32_t TickCount() override { return 1000; }
};

class NoBoxes final : public platform::MessageBoxes {
public:
    platform::MbResult Show(const std::string&, const std::string&, platform::MbButtons, platform::MbIcon) override
    {
        return platform::MbResult::Ok;
    }
};

// The main window as the engine sees it: it counts the paints.
class Window final : public monitor::EngineWindow {
public:
    long Paints = 0;
    void EnablePollTimer(bool) override {}
    bool CloseMainWindow() override { return false; }
    void MakeMainWindowTopmost() override {}
    void InvalidateMainWindow() override {}
    void FormPaint() override
    {
        ++Paints;
        // What the display's paint clears.
        Settings.RepaintRequested = Settings.ReloadPictures = Settings.DisplayResized = false;
    }
    void InvalidateGraphWindow() override {}
};

enum class Setup { Win98VxdAndUart, Win2000Uart, Win98EveryEventArmed };

// One configured program: settings, devices and the engine as the program
// builds it. Armed: every log, launch, rule and light switched on,
// connected, and nothing due.
struct Rig {
    Registers registers;
    NoServices services;
    devices::TDLPortIO io{registers, services, false, "C:\\WINDOWS\\SYSTEM"};
    Vxd vxd;
    monitor::HelperVxdClient client{vxd};
    NoPorts ports;
    FixedClock clock;
    NoBoxes boxes;
    fakes::LightsCompanion lights;
    fakes::RnaappHelper rnaapp;
    fakes::StatData stat;
    fakes::Tapi tapi;
    fakes::Locale locale;
    fakes::EventSound sound;
    fakes::LogFiles logs;
    fakes::Launcher launcher;
    fakes::SystemInfo system;
    fakes::RasApi ras;
    fakes::Power power;
    fakes::Keyboard keys;
    Window window;
    NoWindowParts parts;
    monitor::Engine engine{Settings,
                           monitor::EngineServices{clock, boxes, ports, io, client, lights, rnaapp, stat, tapi, locale,
                                                   sound, logs, launcher, system, ras, power, keys},
                           window, parts.Parts};

    explicit Rig(Setup setup)
    {
        Settings = TGVar{};
        TGVar& g = Settings;
        const bool armed = setup == Setup::Win98EveryEventArmed;
        if (armed) {
            g.LogRI = g.LogDCD = g.LogTotalBytes = 1;
            g.AutoRunCDHigh = g.AutoRunCDLow = 1;
            g.CDAutoExit = 1;
            g.OnTop = 2;
            g.WarnIfInactive = g.DisconnectIfInactive = 1;
            g.WarnTimeIfInactive = g.DisconnectTimeIfInactive = 30;
            g.AutoTimedDisconnectActive = 1;
            g.KeyboardLights_CD = 20;
        }
        g.PortBaseTable = DefaultPortBaseTable;
        g.Port = 2;
        g.NewOrientation = 5;
        g.StatusInDisplay = 1;
        g.Title = 1;
        io.OpenDriver();
        registers.Mcr = 0x03;
        if (setup != Setup::Win2000Uart) {
            g.OsKind = OsWin9x;
            vxd.Opened = true;
            registers.Msr = armed ? 0xB0 : 0x30; // armed: connected, so the rules watch the line
        } else {
            g.OsKind = OsWin2000;
            g.RAS = 1;
            registers.Msr = 0xB0; // connected
            g.DisplayConnectTime = 1;
        }
        // The first ticks light the lamps and paint; after them all is quiet.
        // Armed: a session under way, its idle clock just reset.
        g.ConnectStart = clock.Now();
        engine.Tick();
        engine.Tick();
        g.ConnectionState.LastActivity = clock.Now();
        window.Paints = 0;
    }
};

void QuietTick(benchmark::State& state, Setup setup)
{
    Rig rig(setup);
    for (auto _ : state)
        rig.engine.Tick();
    if (rig.window.Paints != 0)
        state.SkipWithError("a quiet tick painted");
    if (rig.logs.Reads + rig.logs.Appends != 0 || !rig.launcher.Runs.empty())
        state.SkipWithError("a quiet tick touched a log, showed a box or launched");
}

BENCHMARK_CAPTURE(QuietTick, win98_vxd_and_uart, Setup::Win98VxdAndUart);
BENCHMARK_CAPTURE(QuietTick, win2000_uart_connected, Setup::Win2000Uart);
BENCHMARK_CAPTURE(QuietTick, win98_every_event_armed, Setup::Win98EveryEventArmed);

// Plain loop for callgrind: instructions are counted inside TimerEvent only.
int RunTicks(Setup setup, long ticks)
{
    Rig rig(setup);
    for (long i = 0; i < ticks; ++i)
        rig.engine.Tick();
    return rig.window.Paints == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    constexpr std::string_view TicksFlag = "--ticks=";
    if (argc == 3 && std::string_view(argv[1]).starts_with(TicksFlag)) {
        const std::string_view name = argv[2];
        const Setup setup = name == "win2000"  ? Setup::Win2000Uart
                            : name == "events" ? Setup::Win98EveryEventArmed
                                               : Setup::Win98VxdAndUart;
        return RunTicks(setup, std::atol(argv[1] + TicksFlag.size()));
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
