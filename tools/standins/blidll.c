/* Stand-in for Blinkery's helper library BLIDLL.DLL.

   OpenRNAAPP finds the dial-up application by its window class "RNAAPP"
   and hands back its window and a process handle that can read its memory.
   The eight arguments are 32-bit integers passed by reference, in this
   order: RNAAPP.EXE newer flag, found flag, last sent total, last received
   total, session sent bytes, session received bytes, process handle,
   window handle. Only the found flag and the two handles are written; a
   process handle from an earlier call is kept while the window stays the
   same and closed when it changes or goes away. */
#include <windows.h>

#define APP_CLASS "RNAAPP"

__declspec(dllexport) void WINAPI OpenRNAAPP(LONG* newer, LONG* found, LONG* lastSent, LONG* lastReceived,
                                             LONG* sessionSent, LONG* sessionReceived, LONG* process, LONG* window)
{
    (void)newer;
    (void)lastSent;
    (void)lastReceived;
    (void)sessionSent;
    (void)sessionReceived;
    HWND app = FindWindowA(APP_CLASS, NULL);
    if (app && (LONG)(LONG_PTR)app == *window && *process != 0) {
        *found = 1;
        return;
    }
    if (*process != 0)
        CloseHandle((HANDLE)(LONG_PTR)*process);
    *process = 0;
    *window = 0;
    *found = 0;
    if (!app)
        return;
    DWORD pid = 0;
    GetWindowThreadProcessId(app, &pid);
    HANDLE h = OpenProcess(PROCESS_VM_READ | PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (!h)
        return;
    *process = (LONG)(LONG_PTR)h;
    *window = (LONG)(LONG_PTR)app;
    *found = 1;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)instance;
    (void)reason;
    (void)reserved;
    return TRUE;
}
