// Opens the user's guide at a numbered topic: in WinHelp when the help file
// is beside the program, else the same topic's web page, else one box that
// says where the guide belongs.
#pragma once

#include <windows.h>

#include <cstdint>

namespace win32 {

void OpenHelpTopic(HWND owner, int32_t topic);

} // namespace win32
