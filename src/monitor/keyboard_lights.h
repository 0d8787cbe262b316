// The keyboard's lock-key LEDs as modem lights on Windows 95/98/ME: the
// carrier, received and sent data each on the lock key the settings name.
#pragma once

#include "settings/settings.h"
#include "monitor/poll_parts.h"
#include "platform/keyboard.h"

namespace monitor {

// The lock keys a lamp may use: NumLock, CapsLock, ScrollLock.
inline constexpr uint8_t VkNumLock = 144, VkCapsLock = 20, VkScrollLock = 145;

class TKeyboardLights final : public KeyboardLights {
public:
    TKeyboardLights(TGVar& g, platform::KeyboardState& keyboard) : g_(g), keyboard_(keyboard) {}

    // Only on Windows 95/98/ME, in a tick that repaints: the keyboard state
    // is written back only when a lock key's entry changed.
    void UpdateKeyboardLights() override;

private:
    TGVar& g_;
    platform::KeyboardState& keyboard_;
    platform::KeyTable keys_{};
    platform::KeyTable read_{};
};

} // namespace monitor
