/* Stand-in for the system's rasdial.exe: appends its command line and the
   show state it was started with to rasdial.log next to it, as
       <arguments>\t<show state>\r\n
   and ends. Beside Blinkery.exe it is found before the system's. */
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include "beside_exe.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show)
{
    (void)instance;
    (void)previous;
    (void)show;
    STARTUPINFOA startup;
    memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const int state = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;

    char path[MAX_PATH + 16];
    char line[600];
    BesideExe("rasdial.log", path);
    int n = snprintf(line, sizeof line, "%s\t%d\r\n", arguments ? arguments : "", state);
    if (n < 0 || n >= (int)sizeof line)
        n = (int)sizeof line - 1;
    HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, NULL, OPEN_ALWAYS, 0, NULL);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        SetFilePointer(file, 0, NULL, FILE_END);
        WriteFile(file, line, (DWORD)n, &written, NULL);
        CloseHandle(file);
    }
    return 0;
}
