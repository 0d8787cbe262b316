#include "monitor/lights_message.h"

#include <cstring>
#include <string>

namespace monitor {

namespace {

// The decimal number at the start of a field; 0 when there is none or it
// does not fit 32 bits.
uint32_t LeadingNumber(std::string_view field)
{
    uint64_t value = 0;
    size_t i = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        value = value * 10 + static_cast<uint64_t>(field[i] - '0');
        if (value > UINT32_MAX)
            return 0;
    }
    return static_cast<uint32_t>(value);
}

} // namespace

LightsMessage ParseLightsMessage(const void* data, size_t size)
{
    LightsMessage m;
    if (!data || size == 0)
        return m;
    const char* bytes = static_cast<const char*>(data);
    const void* nul = std::memchr(bytes, '\0', size);
    const size_t length = nul ? static_cast<size_t>(static_cast<const char*>(nul) - bytes) : size;
    const std::string_view text(bytes, length);

    const size_t first = text.find(' ');
    m.Process = LeadingNumber(text.substr(0, first));
    if (first != std::string_view::npos) {
        const std::string_view rest = text.substr(first + 1);
        const size_t second = rest.find(' ');
        m.Device = LeadingNumber(rest.substr(0, second));
        if (second != std::string_view::npos)
            m.Text = rest.substr(second + 1, LightsTextLimit);
    }
    m.Whole = text.substr(0, LightsCommandLimit);
    return m;
}

void ReceiveLightsMessage(TGVar& g, platform::ProcessLauncher& launcher, uint32_t identifier, const void* data,
                          size_t size)
{
    if (identifier != LightsDataIdentifier || !data || size == 0)
        return;
    const LightsMessage m = ParseLightsMessage(data, size);
    g.LightsProcess = m.Process;
    g.LightsDevice = m.Device;
    g.LightsText.assign(m.Text);
    // Any process can send the message: the program is started again only
    // once the one started before has ended.
    if (g.RunLights == 1 && !launcher.WatchedRunning()) {
        std::string command = LightsProgram;
        command.append(m.Whole);
        launcher.ExecWatched(command, platform::ShowState::Normal);
    }
}

} // namespace monitor
