// The RAS method on an in-memory RAS (Windows NT 4 and 2000) and the
// connect speed from TAPI on NT 4.
#include <cstring>

#include "devices/ras_rig.h"
#include "engine_rig.h"

using enginetest::EngineRig;

namespace {

// RasGetConnectionStatistics that answers with a set record.
class StatsRasApi : public fakes::RasApi {
public:
    bool Fails = false;
    devices::RasStatsRecord Stats{};
    uint32_t SizeSeen = 0;
    uint32_t GetConnectionStatistics(platform::RasEntry, uint32_t connection, void* out) override
    {
        auto* record = static_cast<devices::RasStatsRecord*>(out);
        SizeSeen = record->dwSize;
        if (Fails || connection == 0)
            return 6;
        Stats.dwSize = record->dwSize;
        std::memcpy(record, &Stats, sizeof Stats);
        return 0;
    }
};

// NT performance data with one RAS object of one counter block.
std::vector<uint8_t> PerfData(uint32_t xmit, uint32_t recv)
{
    std::vector<uint8_t> b(88 + 64 + 2 * 40 + 12, 0);
    auto put = [&](size_t at, uint32_t v) { std::memcpy(b.data() + at, &v, 4); };
    std::memcpy(b.data(), "P\0E\0R\0F\0", 8);
    put(20, static_cast<uint32_t>(b.size()));
    put(24, 88);
    put(28, 1);
    const size_t object = 88;
    put(object, static_cast<uint32_t>(b.size() - object));
    put(object + 4, 64 + 2 * 40);
    put(object + 8, 64);
    put(object + 32, 2);
    put(object + 40, static_cast<uint32_t>(-1));
    const uint32_t indexes[2] = {872, 874};
    for (size_t i = 0; i < 2; ++i) {
        const size_t d = object + 64 + 40 * i;
        put(d, 40);
        put(d + 4, indexes[i]);
        put(d + 32, 4);
        put(d + 36, static_cast<uint32_t>(4 + 4 * i));
    }
    const size_t block = object + 64 + 80;
    put(block, 12);
    put(block + 4, xmit);
    put(block + 8, recv);
    return b;
}

class RasCountersTest : public EngineRig {
public:
    RasCountersTest()
    {
        devices::RasEntryPoints = {};
        devices::PerfDataBufferSize = devices::kPerfDataInitialSize;
        ras = std::make_unique<devices::TRAS>(api, windows, statistics, statData, pump, 2);
        engine.AttachRas(ras.get(), &api);
        g.OsKind = OsWin2000;
        g.RAS = 1;
        g.NoDirectHardwareAcesss = 1;
        statistics.Block = PerfData(0, 0);
    }
    ~RasCountersTest() override { ras.reset(); }

    fakes::RasLiveConnection& Connect(const std::string& entry)
    {
        fakes::RasLiveConnection c;
        c.Entry = entry;
        c.Handle = 0x5000;
        api.Connections.push_back(c);
        return api.Connections.back();
    }

    StatsRasApi api;
    fakes::RasWindows windows;
    fakes::RasStatistics statistics;
    fakes::StatData statData;
    fakes::RasPump pump;
    std::unique_ptr<devices::TRAS> ras;
};

TEST_F(RasCountersTest, AConnectionRaisesCarrierWithItsAddressesAndCounts)
{
    Connect("Office");
    api.Stats.dwBps = 49333;
    statistics.Block = PerfData(300, 900);
    Tick();
    EXPECT_TRUE(g.ModemSignals.CD);
    EXPECT_EQ(g.ActiveConnectionName, "Office");
    EXPECT_EQ(ras->RASConn, 0x5000u);
    EXPECT_EQ(cs.Info.ClientIP, "10.0.0.2");
    EXPECT_EQ(cs.Info.ServerIP, "10.0.0.1");
    EXPECT_EQ(cs.Info.DialedNumber, "0891234");
    EXPECT_EQ(cs.Info.ConnectionSpeed, 49333u);
    EXPECT_EQ(api.SizeSeen, 60u);

    statistics.Block = PerfData(500, 1400);
    Tick();
    EXPECT_TRUE(g.ModemSignals.RD);
    EXPECT_EQ(cs.SessionRx, 1400u);
    EXPECT_EQ(cs.SessionTx, 500u);
}

TEST_F(RasCountersTest, Windows2000StatisticsFillTheFiguresAndAFailureLeavesZeros)
{
    Connect("Office");
    devices::RasStatsRecord& s = api.Stats;
    s.dwBps = 28800;
    s.dwCrcErr = 1;
    s.dwTimeoutErr = 2;
    s.dwAlignmentErr = 3;
    s.dwHardwareOverrunErr = 4;
    s.dwFramingErr = 5;
    s.dwBufferOverrunErr = 6;
    s.dwCompressionRatioIn = 7;
    s.dwCompressionRatioOut = 8;
    Tick();
    const TConnStatus& i = cs.Info;
    EXPECT_EQ((std::vector<uint32_t>{i.CRCErrors, i.TimeoutErrors, i.AlignmentErrors, i.HardwareOverrun,
                                     i.FramingErrors, i.BufferOverrunErrors, i.RatioIn, i.RatioOut}),
              (std::vector<uint32_t>{1, 2, 3, 4, 5, 6, 7, 8}));

    api.Fails = true;
    monitor::CounterSample sample;
    sources.ReadRasCounters(sample);
    EXPECT_EQ(sample.Speed, 0u);
    EXPECT_EQ((std::vector<uint32_t>{i.CRCErrors, i.TimeoutErrors, i.AlignmentErrors, i.HardwareOverrun,
                                     i.FramingErrors, i.BufferOverrunErrors, i.RatioIn, i.RatioOut}),
              (std::vector<uint32_t>(8, 0)));
}

TEST_F(RasCountersTest, WindowsNT4TakesTheComponentsFiguresAndNoSpeed)
{
    g.OsKind = OsNT4;
    Connect("Office");
    statistics.Block = PerfData(10, 20);
    api.Stats.dwBps = 28800;
    monitor::CounterSample sample;
    g.ModemSignals.CD = true;
    sources.ReadRasCounters(sample);
    EXPECT_EQ(sample.Speed, 0u);
    EXPECT_EQ(sample.RxBytes, 20u);
    EXPECT_EQ(api.SizeSeen, 0u) << "NT 4 has no connection statistics call";
}

TEST_F(RasCountersTest, AConnectionThatGoesAwayIsReleased)
{
    Connect("Office");
    Tick();
    ASSERT_TRUE(g.ModemSignals.CD);
    g.ModalActive = 1;
    api.Connections.clear();
    Tick();
    EXPECT_FALSE(g.ModemSignals.CD) << "without direct hardware access the RAS method rules CD";
    EXPECT_EQ(g.ActiveConnectionName, "");
    EXPECT_EQ(ras->RASConn, 0u);
    EXPECT_TRUE(host.Called("SetupStateChanged"));
    EXPECT_EQ(api.HangUps, (std::vector<uint32_t>{0x5000})) << "the stale handle is released once";
}

// A connection that leaves the connected state for a while ends the
// session, which drops the component's handle; once connected again it
// must be watched again, although its name has not changed.
TEST_F(RasCountersTest, AConnectionBackFromAnotherStateIsWatchedAgain)
{
    fakes::RasLiveConnection& c = Connect("Office");
    Tick();
    ASSERT_TRUE(g.ModemSignals.CD);
    c.State = 11; // calculating link speed
    Tick();
    ASSERT_FALSE(g.ModemSignals.CD);
    EXPECT_EQ(ras->RASConn, 0u);
    c.State = 0x2000;
    Tick();
    EXPECT_TRUE(g.ModemSignals.CD);
    EXPECT_EQ(ras->RASConn, 0x5000u);
}

TEST_F(RasCountersTest, WithDirectHardwareAccessTheUartKeepsCarrier)
{
    g.NoDirectHardwareAcesss = 0;
    Carrier(true);
    Tick();
    EXPECT_TRUE(g.ModemSignals.CD);
    g.OsKind = OsWin9x;
    Connect("Office");
    Carrier(false);
    Tick();
    EXPECT_FALSE(g.ModemSignals.CD) << "the RAS method does nothing on Windows 9x";
    EXPECT_EQ(g.ActiveConnectionName, "");
}

TEST_F(RasCountersTest, AConnectionStillDiallingIsNotCarrier)
{
    Connect("Office").State = 3; // connected/answered, not yet online
    Tick();
    EXPECT_FALSE(g.ModemSignals.CD);
    EXPECT_EQ(g.ActiveConnectionName, "Office");
}

// --- TAPI speed on NT 4

class TapiSpeedTest : public RasCountersTest {
public:
    TapiSpeedTest()
    {
        g.OsKind = OsNT4;
        tapi.Lines = {"Fax Line", "Standard Modem", "ISDN"};
        tapi.Connected = "Standard Modem";
        tapi.Rate = 26400;
    }
};

TEST_F(TapiSpeedTest, TheCallOnTheConnectionsLineGivesTheSpeed)
{
    Connect("Office");
    tapi.NeededExtra = 2000; // more than the first buffer holds
    Tick();
    EXPECT_EQ(cs.Info.ConnectionSpeed, 26400u);
    EXPECT_EQ(tapi.Inits, 1);
    EXPECT_EQ(tapi.Shutdowns, 1);
    ASSERT_GE(tapi.CapsSizesSeen.size(), 2u);
    EXPECT_EQ(tapi.CapsSizesSeen[0], 1276u);
    EXPECT_GT(tapi.CapsSizesSeen[1], 1276u) << "asked again with the needed size";
    Tick();
    EXPECT_EQ(tapi.Inits, 1) << "asked only while the speed is 0";
}

TEST_F(TapiSpeedTest, NoSpeedWithoutAMatchingCallOrConnection)
{
    struct Case {
        const char* What;
        std::function<void(TapiSpeedTest&)> Set;
        int Inits;
    };
    const Case cases[] = {
        {"no RAS connection", [](TapiSpeedTest&) {}, 0},
        {"TAPI fails", [](TapiSpeedTest& t) { t.Connect("Office"); t.tapi.InitFails = true; }, 1},
        {"no line of that name", [](TapiSpeedTest& t) { t.Connect("Office"); t.tapi.Lines = {"Fax Line"}; }, 1},
        {"call info fails", [](TapiSpeedTest& t) { t.Connect("Office"); t.tapi.CallInfoFails = true; }, 1},
        {"version refused", [](TapiSpeedTest& t) { t.Connect("Office"); t.tapi.VersionOk = {true, false, true}; }, 1},
    };
    for (const Case& c : cases) {
        api.Connections.clear();
        tapi = fakes::Tapi{};
        tapi.Lines = {"Fax Line", "Standard Modem", "ISDN"};
        tapi.Connected = "Standard Modem";
        tapi.Rate = 26400;
        ras->HangUp();
        g.ActiveConnectionName.clear();
        c.Set(*this);
        Tick();
        EXPECT_EQ(cs.Info.ConnectionSpeed, 0u) << c.What;
        EXPECT_EQ(tapi.Inits, c.Inits) << c.What;
        EXPECT_EQ(tapi.Shutdowns, tapi.Inits - (tapi.InitFails ? 1 : 0)) << c.What;
    }
}

} // namespace
