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

int RunMessageLoop()
{
    MSG m;
    int failures = 0; // GetMessage failures in a row
    for (;;) {
        const BOOL got = GetMessageA(&m, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(m.wParam);
        if (got == -1) {
            // A message the system could not hand over (Wine fails so on an
            // oversized WM_COPYDATA from another process): it is lost, the
            // program is not. Should failures repeat, do not spin.
            if (++failures > 8)
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            continue;
        }
        failures = 0;
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

} // namespace win32
