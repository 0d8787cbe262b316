// What the benchmarks share: a helper VxD that has hooked COM2, no serial
// ports, and a main that runs Google Benchmark or, with --paints=N KIND,
// N paints of that kind for callgrind.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string_view>

#include "platform/helper_vxd.h"
#include "platform/serial.h"

namespace bench {

// A helper VxD that has hooked COM2 at 8N1 57600, CTS and DSR up.
class Com2Vxd final : public platform::HelperVxd {
public:
    bool Opened = false;
    bool Open(const std::string&) override { return Opened = true; }
    void Close() override { Opened = false; }
    bool IsOpen() const override { return Opened; }
    platform::VxdReply Request(uint32_t code, const void*, uint32_t, void* out, uint32_t) override
    {
        switch (code) {
        case 6:
            std::memcpy(out, "COM2", 4);
            return {true, 4, 0};
        case 8: return {true, 0x30, 0};
        case 9: return {true, 57600, 0};
        case 10: return {true, 8, 0};
        default: return {true, 0, 0};
        }
    }
};

class NoPorts final : public platform::SerialPorts {
public:
    platform::CommHandle OpenForQuery(const std::string&) override { return 0; }
    void Close(platform::CommHandle) override {}
    bool GetLineSettings(platform::CommHandle, platform::LineSettings&) override { return false; }
};

// Google Benchmark, or N paints of runPaints(kind, N).
inline int Main(int argc, char** argv, int (*runPaints)(std::string_view kind, long paints))
{
    constexpr std::string_view PaintsFlag = "--paints=";
    if (argc == 3 && std::string_view(argv[1]).starts_with(PaintsFlag))
        return runPaints(argv[2], std::atol(argv[1] + PaintsFlag.size()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
