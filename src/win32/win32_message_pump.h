// Dispatches window messages while the user-interface thread waits.
#pragma once

#include "platform/message_pump.h"

namespace win32 {

class Win32MessagePump final : public platform::MessagePump {
public:
    void Pump(uint32_t maxWaitMs) override;
};

// The thread's message loop until WM_QUIT; gives the quit message's code.
int RunMessageLoop();

} // namespace win32
