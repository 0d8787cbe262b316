// TRAS statistics: the registry counters of Windows 95/98/ME with their
// baselines, and the NT performance data walked from hand-built blocks.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "devices/ras_perf_data.h"
#include "devices/ras_rig.h"

using devices::TRAS;

namespace {

// --- Windows 95/98/ME

void SetCounters(RasRig& rig, uint32_t xmit, uint32_t recv, uint32_t speed)
{
    rig.statData.Set("Dial-Up Adapter\\TotalBytesXmit", xmit);
    rig.statData.Set("Dial-Up Adapter\\TotalBytesRecvd", recv);
    rig.statData.Set("Dial-Up Adapter\\ConnectSpeed", speed);
}

TEST(RasStatistics9x, CountsFromTheBaselineOfTheLastReset)
{
    RasRig rig(1);
    TRAS& ras = *rig.ras;
    SetCounters(rig, 1000, 5000, 28800);
    ASSERT_TRUE(ras.ReadStatistics());
    EXPECT_EQ(ras.StatsXmit(), 1000);
    EXPECT_EQ(ras.StatsRecv(), 5000);
    EXPECT_EQ(ras.StatsConn(), 28800);

    ras.ResetStatistics();
    EXPECT_EQ(ras.StatsXmit(), 0);
    SetCounters(rig, 1300, 5900, 28800);
    ASSERT_TRUE(ras.ReadStatistics());
    EXPECT_EQ(ras.StatsXmit(), 300);
    EXPECT_EQ(ras.StatsRecv(), 900);
    EXPECT_EQ(rig.statData.Opens, rig.statData.Closes);
}

TEST(RasStatistics9x, ACounterBelowItsBaselineStartsANewCount)
{
    RasRig rig(1);
    TRAS& ras = *rig.ras;
    SetCounters(rig, 1000, 5000, 28800);
    ras.ReadStatistics();
    ras.ResetStatistics();
    // The adapter restarted: the received total fell below its baseline.
    SetCounters(rig, 1200, 40, 33600);
    ASSERT_TRUE(ras.ReadStatistics());
    EXPECT_EQ(ras.StatsXmit(), 0);
    EXPECT_EQ(ras.StatsRecv(), 0);
    EXPECT_EQ(ras.StatsConn(), 33600);
    SetCounters(rig, 1250, 100, 33600);
    ASSERT_TRUE(ras.ReadStatistics());
    EXPECT_EQ(ras.StatsXmit(), 50);
    EXPECT_EQ(ras.StatsRecv(), 60);
}

TEST(RasStatistics9x, MissingKeyOrValuesReadNothing)
{
    RasRig rig(1);
    TRAS& ras = *rig.ras;
    SetCounters(rig, 1000, 5000, 28800);
    ras.ReadStatistics();
    ras.KeyDUNAdap = "Other Adapter";
    EXPECT_FALSE(ras.ReadStatistics());
    EXPECT_EQ(ras.StatsXmit(), 1000);

    ras.KeyDUNAdap = "Dial-Up Adapter";
    rig.statData.Values.erase("Dial-Up Adapter\\ConnectSpeed");
    EXPECT_FALSE(ras.ReadStatistics());
    rig.statData.Exists = false;
    EXPECT_FALSE(ras.ReadStatistics());
    EXPECT_EQ(rig.statData.Opens, 4);
    EXPECT_EQ(rig.statData.Closes, 3) << "a key that did not open is not closed";
}

TEST(RasStatistics, Win32sHasNone)
{
    RasRig rig(0);
    EXPECT_FALSE(rig.ras->ReadStatistics());
    EXPECT_EQ(rig.statData.Opens, 0);
    EXPECT_TRUE(rig.statistics.SizesOffered.empty());
}

// --- Windows NT performance data

class PerfBlock {
public:
    struct Counter {
        uint32_t Index;
        uint32_t Offset;
    };

    PerfBlock()
    {
        bytes_.assign(88, 0);
        std::memcpy(bytes_.data(), "P\0E\0R\0F\0", 8);
        Put(24, 88); // HeaderLength
    }
    // One object; instances -1 for a single counter block, else one block per value set.
    void AddObject(const std::vector<Counter>& counters, int32_t instances,
                   const std::vector<std::vector<uint32_t>>& blocks)
    {
        const size_t object = bytes_.size();
        bytes_.resize(object + 64, 0);
        Put(object + 8, 64);                                         // HeaderLength
        Put(object + 32, static_cast<uint32_t>(counters.size()));     // NumCounters
        Put(object + 40, static_cast<uint32_t>(instances));           // NumInstances
        for (const Counter& c : counters) {
            const size_t d = bytes_.size();
            bytes_.resize(d + 40, 0);
            Put(d, 40);
            Put(d + 4, c.Index);
            Put(d + 32, 4);
            Put(d + 36, c.Offset);
        }
        Put(object + 4, static_cast<uint32_t>(bytes_.size() - object)); // DefinitionLength
        for (const auto& values : blocks) {
            if (instances >= 0) {
                const size_t i = bytes_.size();
                bytes_.resize(i + 32, 0); // instance record with an 8-byte name
                Put(i, 32);
                Put(i + 16, 24);
                Put(i + 20, 8);
            }
            const size_t b = bytes_.size();
            bytes_.resize(b + 4 + 4 * values.size(), 0);
            Put(b, static_cast<uint32_t>(4 + 4 * values.size()));
            for (size_t v = 0; v < values.size(); ++v)
                Put(b + 4 + 4 * v, values[v]);
        }
        Put(object, static_cast<uint32_t>(bytes_.size() - object)); // TotalByteLength
        Put(28, ++objects_);
        Put(20, static_cast<uint32_t>(bytes_.size()));
    }
    void Put(size_t at, uint32_t value) { std::memcpy(bytes_.data() + at, &value, 4); }
    std::vector<uint8_t>& Bytes() { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
    uint32_t objects_ = 0;
};

// The RAS port counters at offsets 4, 8, ... in their block.
const std::vector<PerfBlock::Counter> kRasCounters = {
    {872, 4}, {874, 8}, {880, 12}, {882, 16}, {884, 20}, {886, 24}, {890, 28}, {892, 32}, {894, 36}, {900, 40},
};

TEST(RasStatisticsNT, CountersOfAllInstancesWithTheLargestByteCounts)
{
    PerfBlock block;
    block.AddObject(kRasCounters, 2,
                    {{100, 900, 11, 12, 13, 14, 15, 16, 17, 99}, {700, 300, 21, 22, 23, 24, 25, 26, 27, 99}});
    RasRig rig(2);
    rig.statistics.Block = block.Bytes();
    TRAS& ras = *rig.ras;
    ASSERT_TRUE(ras.ReadStatistics());
    EXPECT_EQ(ras.StatsXmit(), 700);
    EXPECT_EQ(ras.StatsRecv(), 900);
    // The other counters come from the last instance.
    EXPECT_EQ(ras.CompressionRatioout, 21u);
    EXPECT_EQ(ras.CompressionRatioIn, 22u);
    EXPECT_EQ(ras.CrcErr, 23u);
    EXPECT_EQ(ras.TimeoutErr, 24u);
    EXPECT_EQ(ras.AlignmentErr, 25u);
    EXPECT_EQ(ras.BufferOverrunErr, 26u);
    EXPECT_EQ(ras.HardwareOverrunErr, 27u);
    EXPECT_EQ(rig.pump.Pumps, 1 + 10) << "once per object and once per counter";

    // The byte counts only grow until the next reset.
    PerfBlock smaller;
    smaller.AddObject(kRasCounters, -1, {{50, 60, 0, 0, 0, 0, 0, 0, 0, 0}});
    rig.statistics.Block = smaller.Bytes();
    ASSERT_TRUE(ras.ReadStatistics());
    EXPECT_EQ(ras.StatsXmit(), 700);
    ras.ResetStatistics();
    ASSERT_TRUE(ras.ReadStatistics());
    EXPECT_EQ(ras.StatsXmit(), 50);
    EXPECT_EQ(ras.StatsRecv(), 60);
}

TEST(RasStatisticsNT, BlocksThatReadNothing)
{
    struct Case {
        const char* Name;
        std::function<void(PerfBlock&)> Build;
        bool Result;
    };
    std::vector<PerfBlock::Counter> many;
    for (uint32_t i = 0; i < 51; ++i)
        many.push_back({2000 + 2 * i, 4});
    std::vector<PerfBlock::Counter> fifty(many.begin(), many.begin() + 50);
    const std::vector<Case> cases = {
        {"no objects (as Wine answers)", [](PerfBlock& b) { b.Bytes().resize(100, 0); }, false},
        {"fewer than 100 bytes", [](PerfBlock& b) { b.AddObject({}, -1, {}); b.Bytes().resize(96); b.Put(20, 96); },
         false},
        {"51 counters", [&](PerfBlock& b) { b.AddObject(many, -1, {std::vector<uint32_t>(2, 0)}); }, false},
        {"50 counters", [&](PerfBlock& b) { b.AddObject(fifty, -1, {std::vector<uint32_t>(2, 0)}); }, true},
        {"an object without counters is skipped", [](PerfBlock& b) {
             b.AddObject({}, -1, {});
             b.AddObject(kRasCounters, -1, {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}});
         }, true},
        {"instances counted but none there", [](PerfBlock& b) { b.AddObject(kRasCounters, 0, {}); }, true},
        {"a counter past its block", [](PerfBlock& b) {
             b.AddObject({{872, 4}, {874, 400}}, -1, {{1, 2}});
         }, false},
        {"an object longer than the data", [](PerfBlock& b) {
             b.AddObject(kRasCounters, -1, {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}});
             b.Put(88, 100000);
         }, false},
        {"a second object that is not there", [](PerfBlock& b) {
             b.AddObject(kRasCounters, -1, {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}});
             b.Put(28, 2);
         }, false},
    };
    for (const Case& c : cases) {
        PerfBlock block;
        c.Build(block);
        RasRig rig(2);
        rig.statistics.Block = block.Bytes();
        EXPECT_EQ(rig.ras->ReadStatistics(), c.Result) << c.Name;
    }
}

TEST(RasStatisticsNT, TheBufferGrowsBy1024AndKeepsItsSize)
{
    PerfBlock block;
    block.AddObject(kRasCounters, -1, {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}});
    block.Bytes().resize(10000, 0);
    RasRig rig(2);
    rig.statistics.Block = block.Bytes();
    ASSERT_TRUE(rig.ras->ReadStatistics());
    EXPECT_EQ(rig.statistics.SizesOffered, (std::vector<uint32_t>{8192, 9216, 10240}));
    EXPECT_EQ(devices::PerfDataBufferSize, 10240u);

    rig.statistics.SizesOffered.clear();
    ASSERT_TRUE(rig.ras->ReadStatistics());
    EXPECT_EQ(rig.statistics.SizesOffered, std::vector<uint32_t>{10240}) << "the next read starts at the grown size";

    rig.statistics.QueryResult = 5;
    EXPECT_FALSE(rig.ras->ReadStatistics());
}

} // namespace
