// The 'lights' WM_COPYDATA message: any process can send it, so the
// identifier, the bytes and their count are all the fuzzer's. The bytes lie
// in a buffer of exactly that count, so a read past it trips ASan.
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "fakes/fake_platform.h"
#include "fuzz_check.h"
#include "monitor/lights_message.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // First byte: the identifier (1 is 'lights') and "Run Lights"; the rest
    // is the message.
    if (size == 0)
        return 0;
    const uint32_t identifier = data[0] & 0x3;
    const bool runLights = (data[0] & 0x4) != 0;
    const size_t count = size - 1;
    std::unique_ptr<char[]> bytes(new char[count ? count : 1]);
    if (count)
        std::memcpy(bytes.get(), data + 1, count);

    const monitor::LightsMessage m = monitor::ParseLightsMessage(count ? bytes.get() : nullptr, count);
    // Every view lies inside the message, before its first NUL.
    const std::string_view message(bytes.get(), count ? strnlen(bytes.get(), count) : 0);
    FUZZ_CHECK(m.Whole.size() <= monitor::LightsCommandLimit);
    FUZZ_CHECK(m.Whole == message.substr(0, m.Whole.size()));
    FUZZ_CHECK(m.Text.size() <= monitor::LightsTextLimit);
    if (!m.Text.empty()) {
        FUZZ_CHECK(m.Text.data() >= message.data());
        FUZZ_CHECK(m.Text.data() + m.Text.size() <= message.data() + message.size());
    }

    TGVar g;
    g.RunLights = runLights ? 1 : 0;
    fakes::Launcher launcher;
    monitor::ReceiveLightsMessage(g, launcher, identifier, bytes.get(), count);
    if (identifier != monitor::LightsDataIdentifier || count == 0) {
        FUZZ_CHECK(launcher.Runs.empty() && g.LightsText.empty() && g.LightsProcess == 0);
        return 0;
    }
    FUZZ_CHECK(g.LightsProcess == m.Process && g.LightsDevice == m.Device && g.LightsText == m.Text);
    FUZZ_CHECK(launcher.Runs.size() == (runLights ? 1u : 0u));
    if (runLights)
        FUZZ_CHECK(launcher.Runs[0].Command == std::string(monitor::LightsProgram) + std::string(m.Whole));
    return 0;
}
