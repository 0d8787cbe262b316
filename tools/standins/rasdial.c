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

    char line[600];
    int n = snprintf(line, sizeof line, "%s\t%d\r\n", arguments ? arguments : "", state);
    if (n < 0 || n >= (int)sizeof line)
        n = (int)sizeof line - 1;
    AppendBesideExe("rasdial.log", line, n);
    return 0;
}
