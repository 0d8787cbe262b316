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
#include "engine_wiring.h"

namespace {

constexpr uint32_t PeriodMs = 56; // 18 ticks a second
constexpr double MsPerDay = 86400000.0;

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

TEST(ConnectionSoak, ThirtyDaysOfTicksAcrossTheTickCountWrap)
{
    SoakStatData stat;
    enginetest::EngineWiring rig{&stat};
    TGVar& g = rig.g;
    g.RNAAPP = 1;
    g.DUNRegistry = 1;
    g.NegotiationDelay = 20;
    g.RDTDSpeedUpdate = 5;
    g.DisplayConnectTime = 1;
    fakes::RnaappHelper& rnaapp = rig.rnaapp;
    // Whole milliseconds from a start three days before the tick count
    // wraps, so that thirty days add up exactly.
    const double start = 45000.0;
    const uint32_t tickStart = 0xFFFFFFFFu - 3u * 86400000u;
    uint64_t ms = 0;

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
    for (ms = 0; ms < endMs; ms += PeriodMs) {
        rig.clock.NowValue = start + static_cast<double>(ms) / MsPerDay;
        rig.clock.Tick = tickStart + static_cast<uint32_t>(ms);
        if (ms >= nextChange) {
            connected = !connected;
            bigSession = connected && !bigSessionDone && ms > 10ull * 86400000;
            uint64_t length = connected ? 300000 + random.Next(3 * 3600000) : 60000 + random.Next(5 * 3600000);
            if (bigSession) {
                length = 2ull * 86400000; // two days at about 36 KB/s: its own count passes 2^32
                bigSessionDone = true;
            }
            nextChange = ms + length;
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
        if (ms > 0) // the first tick builds the registry value names
            alloccount::Start();
        rig.engine.Tick();
        if (ms > 0) {
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
            sessionStart = rig.clock.NowValue;
            sessionLast = 0;
        } else if (!nowConnected && wasConnected) {
            sessionsSum += (rig.clock.NowValue - sessionStart) + g.NegotiationDelay / 86400.0;
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
            if (ms > wrapMs)
                ++publishesAfterWrap;
            if (ms > 60000)
                longestGap = std::max(longestGap, ms - lastPublishMs);
            lastPublishMs = ms;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("soak: %.1f s for %llu ticks, %d sessions, %ld idle ticks, %ld paints\n", seconds,
                static_cast<unsigned long long>(endMs / PeriodMs), sessions, idleTicks, rig.window.Paints);

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
