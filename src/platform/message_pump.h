// Keeps the program's windows alive while the user-interface thread waits.
#pragma once

#include <cstdint>

namespace platform {

class MessagePump {
public:
    virtual ~MessagePump() = default;
    // Dispatches the window messages already waiting, then waits at most
    // maxWaitMs for more (returning as soon as one arrives) and dispatches
    // those too.
    virtual void Pump(uint32_t maxWaitMs) = 0;
};

} // namespace platform
