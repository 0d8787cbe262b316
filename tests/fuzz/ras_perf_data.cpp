// The NT performance-data walk over a block the fuzzer writes: header,
// object types, counter definitions, instances and counter blocks, each
// with lengths and offsets of its own. The block lies in a buffer of
// exactly its size, so a read past it trips ASan.
#include <cstring>
#include <memory>

#include "devices/ras_perf_data.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::unique_ptr<uint8_t[]> block(new uint8_t[size ? size : 1]);
    if (size)
        std::memcpy(block.get(), data, size);

    // Even name indexes are wanted, as the RAS counters' are; odd ones not.
    size_t pumps = 0, counters = 0;
    const auto wanted = [](uint32_t index) { return index % 2 == 0; };
    const auto onCounter = [&](uint32_t index, uint32_t) {
        FUZZ_CHECK(index % 2 == 0);
        ++counters;
    };
    const bool read = devices::WalkPerformanceData(block.get(), size, wanted, onCounter, [&] { ++pumps; });
    if (size < 100)
        FUZZ_CHECK(!read && pumps == 0);
    // The walk is bounded by the block: objects are at least 64 bytes apart
    // with at most 50 counters, and every counter block takes 4 bytes.
    FUZZ_CHECK(pumps <= (size / 64 + 1) * (1 + devices::kPerfMostCounters));
    FUZZ_CHECK(counters <= (size / 4) * devices::kPerfMostCounters);
    return 0;
}
