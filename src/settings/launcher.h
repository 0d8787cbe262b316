// The program launcher used by start-up, the CD launches and the settings
// dialog's "Run NOW!".
#pragma once

#include <string>

#include "settings/paths.h"
#include "settings/settings.h"
#include "platform/launcher.h"
#include "platform/message_box.h"

// "Run ´<command>´?" with the acute accents of the Windows code page.
std::string RunQuestion(const std::string& command);

// Launches command (asking first when askFirst is 1, and not while another
// box of the program is open). Blinkery never starts itself: a command whose
// file name (inside quotes, if quoted) is programFileName exactly is
// ignored. Failures are silent.
void Launch(TGVar& g, const std::string& command, int32_t askFirst, const std::string& programFileName,
            platform::MessageBoxes& boxes, platform::ProcessLauncher& launcher);

// Dials a dial-up entry with the system's own dialer, as start-up does with
// "DUNRunConnectoidName" and the settings dialog's "Run NOW!": rasphone on
// Windows NT/2000, the dial-up networking's RnaDial on Windows 95/98/ME.
// Started with a normal window; a failure is silent. Nothing for an empty
// name.
void DialUpEntry(const TGVar& g, const std::string& entry, platform::ProcessLauncher& launcher);
