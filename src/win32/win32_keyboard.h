// The thread's keyboard state for the keyboard lights.
#pragma once

#include <windows.h>

#include "platform/keyboard.h"

namespace win32 {

class Win32KeyboardState final : public platform::KeyboardState {
public:
    bool Read(platform::KeyTable& keys) override { return GetKeyboardState(keys.data()) != FALSE; }
    void Write(const platform::KeyTable& keys) override
    {
        platform::KeyTable copy = keys; // SetKeyboardState takes a writable table
        SetKeyboardState(copy.data());
    }
};

} // namespace win32
