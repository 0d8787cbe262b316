// A poll tick over fake sources: the helper VxD, the port I/O library with
// its UART registers, a clock, message boxes, and engine parts that record
// the order in which the tick calls them.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string_view>
#include <vector>

#include "app/startup.h"
#include "fakes/fake_devices.h"
#include "fakes/fake_platform.h"
#include "monitor/poll_cycle.h"

namespace polltest {

constexpr uint16_t Com2 = 0x2F8;
constexpr uint16_t Msr2 = Com2 + 6;
constexpr uint16_t Mcr2 = Com2 + 4;

// Every engine part at once; each call is logged by name. The counter
// methods deliver the sample set for them (and may run a hook, e.g. to
// set CD as the RAS method does).
class RecordingParts : public monitor::SignalCounters,
                       public monitor::ConnectionSteps,
                       public monitor::EventActions,
                       public monitor::InactivityRules,
                       public monitor::KeyboardLights,
                       public monitor::PollWindows {
public:
    explicit RecordingParts(TGVar& g) : g_(g) { Log.reserve(256); }

    std::vector<std::string_view> Log;
    monitor::CounterSample Registry, Ras, Lights, Rnaapp, Vxd, Tapi;
    std::function<void()> OnRas;
    bool DateTimeFires = false;

    void ReadLightsCounters(monitor::CounterSample& c) override { Count("ReadLightsCounters", c, Lights); }
    void ReadRnaappCounters(monitor::CounterSample& c) override { Count("ReadRnaappCounters", c, Rnaapp); }
    void ReadRegistryCounters(monitor::CounterSample& c) override { Count("ReadRegistryCounters", c, Registry); }
    void ReadRasCounters(monitor::CounterSample& c) override
    {
        Count("ReadRasCounters", c, Ras);
        if (OnRas)
            OnRas();
    }
    void ReadVxdCounters(monitor::CounterSample& c) override { Count("ReadVxdCounters", c, Vxd); }
    void ReadTapiSpeed(monitor::CounterSample& c) override
    {
        Log.push_back("ReadTapiSpeed");
        c.Speed = Tapi.Speed;
    }

    void SpeedWindow() override { Log.push_back("SpeedWindow"); }
    void SessionStart() override { Log.push_back("SessionStart"); }
    void SessionEnd() override { Log.push_back("SessionEnd"); }
    void AutoResetTotal() override { Log.push_back("AutoResetTotal"); }
    void ConnectTimeLabel() override { Log.push_back("ConnectTimeLabel"); }

    void RingSound() override { Log.push_back("RingSound"); }
    void AutoOnTop() override { Log.push_back("AutoOnTop"); }
    void ConnectSound() override { Log.push_back("ConnectSound"); }
    void DisconnectSound() override { Log.push_back("DisconnectSound"); }
    void AutoExit() override { Log.push_back("AutoExit"); }
    void LaunchOnCDHigh() override { Log.push_back("LaunchOnCDHigh"); }
    void LaunchOnCDLow() override { Log.push_back("LaunchOnCDLow"); }
    void RingLog() override { Log.push_back("RingLog"); }
    void ConnectLog() override { Log.push_back("ConnectLog"); }

    void DisconnectIfInactive() override { Log.push_back("DisconnectIfInactive"); }
    void WarnIfInactive() override { Log.push_back("WarnIfInactive"); }
    bool DisconnectAtDateTime() override
    {
        Log.push_back("DisconnectAtDateTime");
        return DateTimeFires;
    }
    void DisconnectAfterConnectTime() override { Log.push_back("DisconnectAfterConnectTime"); }

    void UpdateKeyboardLights() override { Log.push_back("UpdateKeyboardLights"); }

    void InvalidateMainWindow() override { Log.push_back("InvalidateMainWindow"); }
    void FormPaint() override
    {
        Log.push_back("FormPaint");
        g_.RepaintRequested = false;
    }
    void InvalidateGraphWindow() override { Log.push_back("InvalidateGraphWindow"); }

    bool Called(std::string_view name) const
    {
        for (std::string_view entry : Log)
            if (entry == name)
                return true;
        return false;
    }

private:
    void Count(std::string_view name, monitor::CounterSample& c, const monitor::CounterSample& value)
    {
        Log.push_back(name);
        c = value;
    }
    TGVar& g_;
};

class PollTest : public ::testing::Test {
protected:
    PollTest()
    {
        Settings = TGVar{};
        g.PortBaseTable = DefaultPortBaseTable;
        g.Port = 2;
        g.NewOrientation = 1;
        library.Files = {"DLPortIO.dll"};
        library.Registers[Msr2] = 0;
        library.Registers[Mcr2] = 0;
        library.Reads.reserve(64);
        vxd.Requests.reserve(64);
        vxd.Calls.reserve(64);
    }

    void OpenDriver() { io.OpenDriver(); }
    void OpenVxd(const char* hooked = "COM2")
    {
        vxd.Opened = true;
        vxd.HookedPort = hooked;
    }
    // One tick with a fresh call log.
    void Tick()
    {
        parts.Log.clear();
        poll.TimerEvent();
    }

    TGVar& g = Settings;
    fakes::HelperVxd vxd;
    monitor::HelperVxdClient client{vxd};
    fakes::PortIoLibrary library;
    fakes::ServiceManager services;
    devices::TDLPortIO io{library, services, false, "C:\\WINDOWS\\SYSTEM"};
    fakes::Clock clock;
    fakes::MessageBoxes boxes;
    fakes::SerialPorts ports;
    RecordingParts parts{g};
    monitor::TPollCycle poll{g,
                             monitor::PollServices{clock, boxes, ports, io, client},
                             monitor::PollParts{parts, parts, parts, parts, parts, parts}};
};

} // namespace polltest
