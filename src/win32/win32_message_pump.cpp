#include "win32/win32_message_pump.h"

#include <windows.h>

namespace win32 {

namespace {

// False when WM_QUIT came: it is posted again for the main loop to find.
bool DispatchWaiting()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

} // namespace

void Win32MessagePump::Pump(uint32_t maxWaitMs)
{
    if (!DispatchWaiting()) {
        Sleep(maxWaitMs); // the quit message stays queued; do not spin on it
        return;
    }
    if (MsgWaitForMultipleObjects(0, nullptr, FALSE, maxWaitMs, QS_ALLINPUT) == WAIT_OBJECT_0)
        DispatchWaiting();
}

} // namespace win32
