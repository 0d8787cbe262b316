// Program entry: creates the main window, whose creation runs start-up,
// and runs the message loop until it closes.
#include <windows.h>

#include <cstdlib>

#include "win32/main_window.h"

// An exception that escapes ends the program as abort() does. This replaces
// the runtime's handler, whose message names the exception's type through a
// demangler of some 50 KB, printed to a console a windowed program has not.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
} // namespace __gnu_cxx

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand)
{
    static win32::TMainWindow mainWindow;
    if (!mainWindow.Create(instance, commandLine ? commandLine : "", showCommand))
        return 1;
    return mainWindow.RunMessageLoop();
}
