/* Stand-in for the system's rasdial.exe: appends its command line and the
   show state it was started with to rasdial.log next to it, as
       <arguments>\t<show state>\r\n
   and ends, or runs on for as long as rasdial.wait is there beside it
   (at most ten minutes). Beside Blinkery.exe it is found before the
   system's. */
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

    char line[600];
    int n = snprintf(line, sizeof line, "%s\t%d\r\n", arguments ? arguments : "", state);
    if (n < 0 || n >= (int)sizeof line)
        n = (int)sizeof line - 1;
    AppendBesideExe("rasdial.log", line, n);
    char wait[MAX_PATH + 16];
    BesideExe("rasdial.wait", wait);
    for (int i = 0; i < 6000 && GetFileAttributesA(wait) != INVALID_FILE_ATTRIBUTES; ++i)
        Sleep(100);
    return 0;
}
