#include "devices/modem_init.h"

namespace devices {

namespace {

// Repeats attempt() until it succeeds or the bound has passed since the
// first try; pumps messages between tries.
template <typename Attempt>
bool RepeatWithin(uint32_t boundMs, platform::Clock& clock, platform::MessagePump& pump, Attempt attempt)
{
    const uint32_t start = clock.TickCount();
    for (;;) {
        if (attempt())
            return true;
        if (clock.TickCount() - start >= boundMs)
            return false;
        pump.Pump(kSerialPollSliceMs);
    }
}

} // namespace

ModemInitResult SendModemInitString(TSerialCom32& com, int port, std::string_view initString, int replies,
                                    platform::Clock& clock, platform::MessagePump& pump)
{
    ModemInitResult result;
    if (initString.empty())
        return result;
    com.SetPort(port);
    result.Opened = com.OpenPort();
    if (!result.Opened)
        return result;

    const uint32_t bound = static_cast<uint32_t>(com.ResponseTime > 0 ? com.ResponseTime : 0);
    const std::string line = std::string(initString) + "\r\n";
    result.Sent = RepeatWithin(bound, clock, pump, [&] { return com.SendString(line); });
    for (int i = 0; result.Sent && i < replies; ++i) {
        std::string reply;
        if (!RepeatWithin(bound, clock, pump, [&] {
                com.ReadResponse(reply);
                return !reply.empty();
            }))
            break;
        result.Replies.push_back(reply);
    }
    com.ClosePort();
    return result;
}

ModemInitResult SendModemInitString(platform::SerialPorts& ports, platform::MessageBoxes& boxes,
                                    platform::Clock& clock, platform::MessagePump& pump, int port,
                                    std::string_view initString, int replies)
{
    TSerialCom32 com(ports, boxes, clock, pump);
    com.ResponseTime = kMainWindowResponseTime;
    return SendModemInitString(com, port, initString, replies, clock, pump);
}

} // namespace devices
