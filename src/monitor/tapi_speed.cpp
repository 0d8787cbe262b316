#include "monitor/tapi_speed.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "settings/byte_order.h"
#include "devices/rascomp32.h"

namespace monitor {

namespace {

// Offsets in TAPI's records.
constexpr size_t TotalSizeAt = 0;
constexpr size_t NeededSizeAt = 4;
constexpr size_t LineNameSizeAt = 32;   // LINEDEVCAPS
constexpr size_t LineNameOffsetAt = 36;
constexpr size_t CallsCountAt = 12;     // LINECALLLIST
constexpr size_t CallsOffsetAt = 20;
constexpr size_t RateAt = 28;           // LINECALLINFO

// A record that asks for more than this is not believed.
constexpr uint32_t MostRecordSize = 64 * 1024;

void SetLe32(uint8_t* p, uint32_t value)
{
    p[0] = static_cast<uint8_t>(value);
    p[1] = static_cast<uint8_t>(value >> 8);
    p[2] = static_cast<uint8_t>(value >> 16);
    p[3] = static_cast<uint8_t>(value >> 24);
}

// The text of a (size, offset) field of a record, inside the record only,
// up to its first NUL.
std::string_view FieldText(const std::vector<uint8_t>& record, size_t sizeAt, size_t offsetAt)
{
    const uint32_t size = Le32(record.data() + sizeAt);
    const uint32_t offset = Le32(record.data() + offsetAt);
    if (offset >= record.size() || size == 0)
        return {};
    const size_t n = std::min<size_t>(size, record.size() - offset);
    const char* text = reinterpret_cast<const char*>(record.data() + offset);
    return std::string_view(text, strnlen(text, n));
}

} // namespace

// Asks with the buffer's total size set, and again with the needed size
// while TAPI needs more than the buffer holds.
template <typename Ask>
bool TapiSpeed::AskGrowing(std::vector<uint8_t>& buffer, uint32_t initialSize, Ask ask)
{
    if (buffer.size() < initialSize)
        buffer.resize(initialSize);
    std::fill(buffer.begin(), buffer.end(), 0);
    SetLe32(buffer.data() + TotalSizeAt, static_cast<uint32_t>(buffer.size()));
    for (;;) {
        if (!ask(buffer.data()))
            return false;
        const uint32_t needed = Le32(buffer.data() + NeededSizeAt);
        if (needed <= buffer.size())
            return true;
        if (needed > MostRecordSize)
            return false;
        buffer.assign(needed, 0);
        SetLe32(buffer.data() + TotalSizeAt, needed);
    }
}

bool TapiSpeed::FindCall(uint32_t devices, uint32_t& call)
{
    const std::string& deviceName = ras_->DeviceName;
    for (uint32_t device = 0; device < devices; ++device) {
        uint32_t version = 0;
        if (!tapi_.NegotiateApiVersion(device, TapiVersion20, TapiVersion20, version))
            continue;
        if (!AskGrowing(caps_, TapiDevCapsSize, [&](uint8_t* caps) { return tapi_.GetDevCaps(device, version, caps); }))
            continue;
        if (FieldText(caps_, LineNameSizeAt, LineNameOffsetAt) != deviceName)
            continue;
        platform::TapiLine line = 0;
        if (!tapi_.OpenLineMonitor(device, version, line))
            continue;
        if (!AskGrowing(calls_, TapiCallListSize, [&](uint8_t* list) { return tapi_.GetNewCalls(line, list); }))
            continue;
        const uint32_t count = Le32(calls_.data() + CallsCountAt);
        const uint32_t offset = Le32(calls_.data() + CallsOffsetAt);
        if (count >= 1 && offset <= calls_.size() - 4) {
            call = Le32(calls_.data() + offset);
            return true;
        }
    }
    return false;
}

void TapiSpeed::Read(CounterSample& sample)
{
    if (!ras_ || ras_->RASConn == 0)
        return;
    uint32_t devices = 0;
    if (!tapi_.Initialize(devices))
        return;
    uint32_t call = 0;
    sample.Speed = 0;
    if (FindCall(devices, call)) {
        uint8_t info[TapiCallInfoSize] = {};
        SetLe32(info + TotalSizeAt, TapiCallInfoSize);
        if (tapi_.GetCallInfo(call, info))
            sample.Speed = Le32(info + RateAt);
    }
    tapi_.Shutdown();
}

} // namespace monitor
