// The thread's keyboard state: the 256-byte table of virtual keys, whose
// lock-key entries the lamps may drive (bit 0x01 = toggled on).
#pragma once

#include <array>
#include <cstdint>

namespace platform {

using KeyTable = std::array<uint8_t, 256>;

class KeyboardState {
public:
    virtual ~KeyboardState() = default;
    // GetKeyboardState; false when the system refused.
    virtual bool Read(KeyTable& keys) = 0;
    // SetKeyboardState.
    virtual void Write(const KeyTable& keys) = 0;
};

} // namespace platform
