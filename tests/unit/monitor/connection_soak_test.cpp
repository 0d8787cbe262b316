// Thirty days of poll ticks at 18 a second on a fake clock that starts
// three days before the 32-bit tick count wraps: connections come and go
// (the dial-up application's record gives CD), the registry statistics
// count the bytes, and their raw counter crosses 2^32 several times. The
// total connect time must equal the sum of the sessions, the speed window
// must keep publishing across the wrap, and idle ticks must not allocate.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>

#include "allocation_counter.h"
#include "fakes/fake_devices.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_signal_sources.h"
#include "monitor/connection_state.h"
#include "monitor/poll_cycle.h"
#include "monitor/signal_sources.h"

namespace {

constexpr uint32_t PeriodMs = 56; // 18 ticks a second
constexpr double MsPerDay = 86400000.0;

// A clock driven in whole milliseconds, so that thirty days add up exactly.
class SoakClock : public platform::Clock {
public:
    double Start = 45000.0;
    uint64_t Ms = 0;
    uint32_t TickStart = 0;
    double Now() override { return Start + static_cast<double>(Ms) / MsPerDay; }
    uint32_t TickCount() override { return TickStart + static_cast<uint32_t>(Ms); }
};

// The registry statistics: two raw counters, looked up without a map.
class SoakStatData : public platform::StatDataKey {
public:
    uint32_t Rx = 0, Tx = 0;
    bool Open() override { return true; }
    void Close() override {}
    platform::StatValue Read(const std::string& name) override
    {
        platform::StatValue v;
        const bool rx = name.ends_with("\\BytesRecvd");
        if (!rx && !name.ends_with("\\BytesXmit"))
            return v;
        v.Found = v.Binary = true;
        v.Size = 4;
        const uint32_t value = rx ? Rx : Tx;
        std::memcpy(v.Data, &value, 4);
        return v;
    }
};

// A deterministic random sequence.
class Lcg {
public:
    uint32_t Next(uint32_t below)
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<uint32_t>((state_ >> 33) % below);
    }

private:
    uint64_t state_ = 0x5EED;
};

class Windows : public monitor::PollWindows {
public:
    long Paints = 0;
    void InvalidateMainWindow() override {}
    // As the lamp display does: a paint answers every display request.
    void FormPaint() override
    {
        ++Paints;
        Settings.RepaintRequested = Settings.ReloadPictures = Settings.ReloadTitlePictures = false;
    }
    void InvalidateGraphWindow() override {}
};

TEST(ConnectionSoak, ThirtyDaysOfTicksAcrossTheTickCountWrap)
{
    Settings = TGVar{};
    TGVar& g = Settings;
    g.PortBaseTable = {0x3F8, 0x2F8, 0x3E8, 0x2E8, 0x3E0, 0x2E0, 0x338, 0x238};
    g.Port = 2;
    g.NewOrientation = 1;
    g.RNAAPP = 1;
    g.DUNRegistry = 1;
    g.DUNRegistryName = "Dial-Up Adapter";
    g.NegotiationDelay = 20;
    g.RDTDSpeedUpdate = 5;
    g.DisplayConnectTime = 1;

    SoakClock clock;
    clock.TickStart = 0xFFFFFFFFu - 3u * 86400000u; // wraps three days in
    fakes::HelperVxd vxd;
    monitor::HelperVxdClient client{vxd};
    fakes::PortIoLibrary library;
    fakes::ServiceManager services;
    devices::TDLPortIO io{library, services, false, "C:\\WINDOWS\\SYSTEM"};
    fakes::MessageBoxes boxes;
    fakes::SerialPorts ports;
    SoakStatData stat;
    fakes::LightsCompanion lights;
    fakes::RnaappHelper rnaapp;
    fakes::Tapi tapi;
    fakes::Locale locale;
    monitor::EngineHost host;
    NoWindowParts parts;
    monitor::TSignalSources sources{g, monitor::SignalServices{client, lights, rnaapp, stat, tapi, boxes, host,
                                                               parts.Setup}};
    monitor::TConnectionSteps connection{g, clock, locale, parts.Parts};
    monitor::EventActions events;
    monitor::InactivityRules inactivity;
    monitor::KeyboardLights keyboard;
    Windows windows;
    monitor::TPollCycle poll{g,
                             monitor::PollServices{clock, boxes, ports, io, client},
                             monitor::PollParts{sources, connection, events, inactivity, keyboard, windows}};

    Lcg random;
    const uint64_t endMs = 30ull * 86400000;
    const uint64_t wrapMs = 3ull * 86400000 + 1;
    bool connected = false;
    uint64_t nextChange = 60000;
    double sessionsSum = 0;
    double sessionStart = 0;
    int sessions = 0;
    bool bigSessionDone = false;
    bool bigSession = false;
    int sessionWraps = 0;      // ticks at which a session's count wrapped past 2^32
    int rawWraps = 0;          // times the raw received counter crossed 2^32
    long idleAllocations = 0;
    long steadyAllocations = 0; // connected ticks that are not an edge
    long idleTicks = 0;
    uint32_t lastPublished = g.ConnectionState.LastWindowTick;
    long publishesAfterWrap = 0;
    uint64_t longestGap = 0, lastPublishMs = 0;
    uint32_t sessionLast = 0;

    rnaapp.SetRecord(false, 0, 0, 0);
    const auto started = std::chrono::steady_clock::now();
    for (clock.Ms = 0; clock.Ms < endMs; clock.Ms += PeriodMs) {
        if (clock.Ms >= nextChange) {
            connected = !connected;
            bigSession = connected && !bigSessionDone && clock.Ms > 10ull * 86400000;
            uint64_t length = connected ? 300000 + random.Next(3 * 3600000) : 60000 + random.Next(5 * 3600000);
            if (bigSession) {
                length = 2ull * 86400000; // two days at about 36 KB/s: its own count passes 2^32
                bigSessionDone = true;
            }
            nextChange = clock.Ms + length;
            rnaapp.SetRecord(connected, 0, 0, 57600);
        }
        if (connected) {
            const uint32_t step = bigSession ? 2000 : random.Next(400);
            if (stat.Rx + step < stat.Rx)
                ++rawWraps;
            stat.Rx += step;
            stat.Tx += step / 4;
        }

        const bool wasConnected = g.ModemSignals.CD;
        const bool idle = !wasConnected && !connected;
        if (clock.Ms > 0) // the first tick builds the registry value names
            alloccount::Start();
        poll.TimerEvent();
        if (clock.Ms > 0) {
            const long allocations = alloccount::Stop();
            if (idle) {
                idleAllocations += allocations;
                ++idleTicks;
            } else if (wasConnected == connected) {
                steadyAllocations += allocations;
            }
        }

        const bool nowConnected = g.ModemSignals.CD;
        if (nowConnected && !wasConnected) {
            sessionStart = clock.Now();
            sessionLast = 0;
        } else if (!nowConnected && wasConnected) {
            sessionsSum += (clock.Now() - sessionStart) + g.NegotiationDelay / 86400.0;
            ++sessions;
        }
        if (nowConnected) {
            const uint32_t count = g.ConnectionState.SessionRx;
            if (count < sessionLast)
                ++sessionWraps;
            sessionLast = count;
        }
        if (g.ConnectionState.LastWindowTick != lastPublished) {
            lastPublished = g.ConnectionState.LastWindowTick;
            if (clock.Ms > wrapMs)
                ++publishesAfterWrap;
            if (clock.Ms > 60000)
                longestGap = std::max(longestGap, clock.Ms - lastPublishMs);
            lastPublishMs = clock.Ms;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("soak: %.1f s for %llu ticks, %d sessions, %ld idle ticks, %ld paints\n", seconds,
                static_cast<unsigned long long>(endMs / PeriodMs), sessions, idleTicks, windows.Paints);

    EXPECT_GT(sessions, 50);
    EXPECT_GE(rawWraps, 1) << "the raw counter crossed 2^32";
    EXPECT_EQ(sessionWraps, 1) << "the two-day session's count wraps once and goes on, its lamps lighting";
    EXPECT_NEAR(g.TotalConnectNew, sessionsSum, 0.001 / 86400) << "to the millisecond";
    EXPECT_EQ(idleAllocations, 0);
    EXPECT_EQ(steadyAllocations, 0);
    EXPECT_GT(publishesAfterWrap, 27 * 86400 / 5 - 10) << "a window every 5 s after the wrap";
    EXPECT_LE(longestGap, 5000u + PeriodMs);
}

} // namespace
