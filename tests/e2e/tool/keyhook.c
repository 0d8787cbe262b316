/* A message hook that wintool puts into another program's thread: there it
   reads that thread's keyboard state (which belongs to the thread; a tool
   attaching to its input would clear it) and writes the lock keys' toggle
   bits to keystate.txt beside that program, as "<vk>=<0|1>" each. */
#include <windows.h>

#include <stdio.h>

static HMODULE self;

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH)
        self = instance;
    return TRUE;
}

__declspec(dllexport) LRESULT CALLBACK KeyStateHook(int code, WPARAM wp, LPARAM lp)
{
    if (code == HC_ACTION) {
        char path[MAX_PATH + 16];
        DWORD n = GetModuleFileNameA(NULL, path, MAX_PATH);
        while (n > 0 && path[n - 1] != '\\')
            --n;
        lstrcpyA(path + n, "keystate.txt");
        char text[64];
        int length = snprintf(text, sizeof text, "20=%d 144=%d 145=%d\r\n", GetKeyState(VK_CAPITAL) & 1,
                              GetKeyState(VK_NUMLOCK) & 1, GetKeyState(VK_SCROLL) & 1);
        HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, NULL, CREATE_ALWAYS, 0, NULL);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, text, (DWORD)length, &written, NULL);
            CloseHandle(file);
        }
    }
    return CallNextHookEx(NULL, code, wp, lp);
}
