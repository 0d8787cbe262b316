#include "win32/title_strip.h"

#include <windows.h>

namespace win32 {

void TitleStrip::RedrawForegroundCaption()
{
    HWND active = GetForegroundWindow();
    while (active && GetParent(active))
        active = GetParent(active);
    if (active)
        PostMessageA(active, WM_NCACTIVATE, TRUE, 0);
}

} // namespace win32
