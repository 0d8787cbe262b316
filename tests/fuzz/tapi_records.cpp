// TAPI's variable-size records as the connect-speed reader walks them: the
// line's device capabilities (its name by size and offset), the call list
// (count and offset of the call handles) and the call information. A TAPI
// line set that answers from the fuzzer's bytes fills each record, as TAPI
// does, only within the total size the caller wrote in it, and may ask for
// more; the records lie in the reader's own buffers, so a read past them
// trips ASan.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstring>

#include "devices/ras_rig.h"
#include "fuzz_check.h"
#include "settings/byte_order.h"
#include "monitor/tapi_speed.h"

namespace {

class FuzzedTapi : public platform::TapiLines {
public:
    explicit FuzzedTapi(FuzzedDataProvider& in) : in_(in) {}
    int Inits = 0, Shutdowns = 0;
    uint32_t Rate = 0;
    bool RateGiven = false;

    bool Initialize(uint32_t& deviceCount) override
    {
        ++Inits;
        deviceCount = in_.ConsumeIntegralInRange<uint32_t>(0, 4);
        return in_.ConsumeBool();
    }
    bool NegotiateApiVersion(uint32_t, uint32_t lowest, uint32_t highest, uint32_t& version) override
    {
        FUZZ_CHECK(lowest <= highest);
        version = highest;
        return in_.ConsumeBool();
    }
    bool GetDevCaps(uint32_t, uint32_t, uint8_t* caps) override { return Fill(caps); }
    bool OpenLineMonitor(uint32_t device, uint32_t, platform::TapiLine& line) override
    {
        line = device + 1;
        return in_.ConsumeBool();
    }
    bool GetNewCalls(platform::TapiLine line, uint8_t* callList) override
    {
        FUZZ_CHECK(line != 0);
        return Fill(callList);
    }
    bool GetCallInfo(uint32_t, uint8_t* callInfo) override
    {
        const bool ok = Fill(callInfo);
        if (ok && Le32(callInfo) >= 32) {
            Rate = Le32(callInfo + 28);
            RateGiven = true;
        }
        return ok;
    }
    void Shutdown() override { ++Shutdowns; }

private:
    // Writes the fuzzer's bytes after the total-size field, never past the
    // total size, and answers success or failure.
    bool Fill(uint8_t* record)
    {
        const uint32_t total = Le32(record);
        FUZZ_CHECK(total >= 12);
        const std::vector<uint8_t> bytes = in_.ConsumeBytes<uint8_t>(in_.ConsumeIntegralInRange<size_t>(0, 512));
        std::copy_n(bytes.begin(), std::min<size_t>(bytes.size(), total - 4), record + 4);
        return in_.ConsumeBool();
    }

    FuzzedDataProvider& in_;
};

RasRig& Rig()
{
    static RasRig rig(2);
    return rig;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    devices::TRAS& ras = *Rig().ras;
    ras.RASConn = in.ConsumeBool() ? 0x5000 : 0;
    ras.DeviceName = in.ConsumeRandomLengthString(40);

    FuzzedTapi tapi(in);
    monitor::TapiSpeed reader(tapi);
    reader.Attach(&ras);
    // Two reads, so the second one starts with the buffers the first grew.
    for (int read = 0; read < 2; ++read) {
        monitor::CounterSample sample;
        sample.Speed = 7;
        tapi.RateGiven = false;
        const int inits = tapi.Inits, shutdowns = tapi.Shutdowns;
        reader.Read(sample);
        const bool initialised = tapi.Inits > inits, shutDown = tapi.Shutdowns > shutdowns;
        if (ras.RASConn == 0) {
            FUZZ_CHECK(!initialised && !shutDown && sample.Speed == 7);
        } else {
            // TAPI is shut down when it started; the speed is then the
            // call's rate, or 0 when no call gave one.
            FUZZ_CHECK(initialised);
            if (shutDown)
                FUZZ_CHECK(sample.Speed == (tapi.RateGiven ? tapi.Rate : 0));
            else
                FUZZ_CHECK(sample.Speed == 7);
        }
    }
    return 0;
}
