// The program launcher used by start-up and the CD launches.
#pragma once

#include <string>

#include "app/paths.h"
#include "app/settings.h"
#include "platform/launcher.h"
#include "platform/message_box.h"

// "Run ´<command>´?" with the acute accents of the Windows code page.
std::string RunQuestion(const std::string& command);

// Launches command (asking first when askFirst is 1, and not while another
// box of the program is open). Blinkery never starts itself: a command whose
// file name is programFileName exactly is ignored. Failures are silent.
void Launch(TGVar& g, const std::string& command, int32_t askFirst, const std::string& programFileName,
            platform::MessageBoxes& boxes, platform::ProcessLauncher& launcher);
