// TRAS: the byte counters, connect speed and line error counters of the
// dial-up adapter: the registry statistics of Windows 95/98/ME and the
// performance data of Windows NT.
#include <algorithm>
#include <vector>

#include "settings/byte_order.h"
#include "devices/ras_perf_data.h"
#include "devices/rascomp32.h"

namespace devices {

namespace {

constexpr uint32_t kPlatformWin9x = 1;
constexpr uint32_t kPlatformNT = 2;

// The performance-data value of the RAS objects.
constexpr const char* kRasPerfObjects = "906";
// Beyond this the buffer stops growing and the read fails.
constexpr uint32_t kPerfDataMostSize = 16u << 20;

// Counter name indexes of the RAS objects.
enum : uint32_t {
    kBytesTransmitted = 872,
    kBytesReceived = 874,
    kCompressionOut = 880,
    kCompressionIn = 882,
    kCrcErrors = 884,
    kTimeoutErrors = 886,
    kAlignmentErrors = 890,
    kBufferOverrunErrors = 892,
    kHardwareOverrunErrors = 894,
};

} // namespace

void TRAS::ResetStatistics()
{
    xmitBaseline_ = rawXmit_;
    recvBaseline_ = rawRecv_;
    statsXmit_ = 0;
    statsRecv_ = 0;
}

bool TRAS::ReadStatistics()
{
    if (platformId_ == kPlatformWin9x)
        return ReadStatistics9x();
    if (platformId_ == kPlatformNT)
        return ReadStatisticsNT();
    return false;
}

bool TRAS::ReadStatistics9x()
{
    uint32_t speed = 0;
    {
        const platform::OpenStatData open(statData_);
        // A 4-byte value of any type; false when missing or of another size.
        auto read = [this](const std::string& name, uint32_t& value) {
            const platform::StatValue stat = statData_.Read(KeyDUNAdap + "\\" + name);
            if (!stat.Found || stat.Size != 4)
                return false;
            value = Le32(stat.Data);
            return true;
        };
        if (!open || !read(KeyDUNXmit, rawXmit_) || !read(KeyDUNRecv, rawRecv_) || !read(KeyDUNConn, speed))
            return false;
    }
    // A total below its baseline: the adapter restarted its count.
    if (rawXmit_ < xmitBaseline_ || rawRecv_ < recvBaseline_)
        ResetStatistics();
    statsConn_ = static_cast<int32_t>(speed);
    statsXmit_ = static_cast<int32_t>(rawXmit_ - xmitBaseline_);
    statsRecv_ = static_cast<int32_t>(rawRecv_ - recvBaseline_);
    return true;
}

bool TRAS::ReadStatisticsNT()
{
    std::vector<uint8_t> buffer(PerfDataBufferSize);
    uint32_t size = 0;
    uint32_t result = 0;
    for (;;) {
        size = PerfDataBufferSize;
        result = statistics_.QueryPerformanceData(kRasPerfObjects, buffer.data(), size);
        if (result != kRegistryMoreData)
            break;
        if (PerfDataBufferSize >= kPerfDataMostSize)
            return false;
        PerfDataBufferSize += 1024;
        buffer.resize(PerfDataBufferSize);
    }
    if (result != 0)
        return false;
    if (size > buffer.size())
        size = static_cast<uint32_t>(buffer.size());

    auto wanted = [](uint32_t index) {
        switch (index) {
        case kBytesTransmitted: case kBytesReceived: case kCompressionOut: case kCompressionIn: case kCrcErrors:
        case kTimeoutErrors: case kAlignmentErrors: case kBufferOverrunErrors: case kHardwareOverrunErrors:
            return true;
        default:
            return false;
        }
    };
    auto take = [this](uint32_t index, uint32_t value) {
        const auto signedValue = static_cast<int32_t>(value);
        switch (index) {
        case kBytesTransmitted: statsXmit_ = std::max(statsXmit_, signedValue); break;
        case kBytesReceived: statsRecv_ = std::max(statsRecv_, signedValue); break;
        case kCompressionOut: CompressionRatioout = value; break;
        case kCompressionIn: CompressionRatioIn = value; break;
        case kCrcErrors: CrcErr = value; break;
        case kTimeoutErrors: TimeoutErr = value; break;
        case kAlignmentErrors: AlignmentErr = value; break;
        case kBufferOverrunErrors: BufferOverrunErr = value; break;
        case kHardwareOverrunErrors: HardwareOverrunErr = value; break;
        default: break;
        }
    };
    return WalkPerformanceData(buffer.data(), size, wanted, take, [this] { pump_.Pump(0); });
}

} // namespace devices
