// The thread's keyboard state, counting reads and writes.
#pragma once

#include "platform/keyboard.h"

namespace fakes {

class Keyboard : public platform::KeyboardState {
public:
    platform::KeyTable Keys{};
    int Reads = 0, Writes = 0;
    bool Read(platform::KeyTable& keys) override
    {
        ++Reads;
        keys = Keys;
        return true;
    }
    void Write(const platform::KeyTable& keys) override
    {
        ++Writes;
        Keys = keys;
    }
};

} // namespace fakes
