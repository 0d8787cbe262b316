// The start-up logo: a borderless, always-on-top window with the logo
// picture, shown for three seconds while the program's sound plays.
#pragma once

#include <string>

#include <windows.h>

#include "platform/message_pump.h"

namespace win32 {

class TSplashForm {
public:
    // Shows the logo, plays wavePath asynchronously (the system's default
    // sound when the file is missing), keeps messages flowing for
    // milliseconds and closes again.
    static void Show(HINSTANCE instance, const std::string& wavePath, uint32_t milliseconds,
                     platform::MessagePump& pump);
};

} // namespace win32
