// Program entry: creates the main window, whose creation runs start-up,
// and runs the message loop until it closes.
#include <windows.h>

#include "win32/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand)
{
    static win32::TMainWindow mainWindow;
    if (!mainWindow.Create(instance, commandLine ? commandLine : "", showCommand))
        return 1;
    return mainWindow.RunMessageLoop();
}
