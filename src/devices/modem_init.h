// The modem init string: sent through TSerialCom32 at start-up (when
// "InitModem" asks for it) and from the settings dialog's "Send NOW!".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "devices/serial_com.h"
#include "platform/clock.h"
#include "platform/message_pump.h"

namespace devices {

// Replies read after the string: the command echo and the modem's answer at
// start-up, one from "Send NOW!".
inline constexpr int kStartupInitReplies = 2;
inline constexpr int kSendNowInitReplies = 1;

struct ModemInitResult {
    bool Opened = false;
    bool Sent = false;
    std::vector<std::string> Replies; // the non-empty replies read, in order
};

// Opens COM<port>, sends initString + CR LF, reads up to `replies`
// non-empty replies and closes the port. Nothing happens for an empty
// string. The write is repeated until the component accepts it and each
// read until it returns text, but each of these waits ends after the
// component's ResponseTime; a wait that ends empty-handed ends the exchange.
// The wait keeps window messages flowing.
ModemInitResult SendModemInitString(TSerialCom32& com, int port, std::string_view initString, int replies,
                                    platform::Clock& clock, platform::MessagePump& pump);

// The same through a component made for the exchange, with the main
// window's response time.
ModemInitResult SendModemInitString(platform::SerialPorts& ports, platform::MessageBoxes& boxes,
                                    platform::Clock& clock, platform::MessagePump& pump, int port,
                                    std::string_view initString, int replies);

} // namespace devices
