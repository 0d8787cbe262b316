// Reading and writing the settings file BLINKERY.INI.
#pragma once

#include <string>

#include "settings/settings.h"
#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "platform/system_info.h"

inline constexpr const char* SettingsFileName = "BLINKERY.INI";
inline constexpr const char* MainSection = "Lampwatcher: Main";

// "Lampwatcher on COM" followed by the port number.
std::string PortSection(int32_t port);

struct SettingsContext {
    platform::ProfileFile& Profile;
    platform::SystemInfo& System;
    platform::Clock& Clock;
    platform::FontFactory& Fonts;
};

// Loads "EditorName" and the monitored port's section into g. The GDI
// fonts are the caller's to rebuild (the default title-bar font rebuilds
// its own). A negative port stops after "EditorName".
void ReadSettings(TGVar& g, SettingsContext& ctx);

// Writes "EditorName" and every per-port key, in table order; nothing when
// no port is chosen. False as soon as the system refuses a write: the
// remaining keys are then not written.
bool WriteSettings(TGVar& g, platform::ProfileFile& profile);

// "Default Port" as start-up reads it (a negative value is 0).
int32_t ReadDefaultPort(platform::ProfileFile& profile);
// "Show Logo at Startup" (default 1).
int32_t ReadShowLogo(platform::ProfileFile& profile);

// What the program saves when it closes: "Default Port" when a port is
// chosen, the settings, and "Show Logo at Startup". A refused write shows
// "Unable to write to <path>" once and stops the writing; false then.
bool SaveSettingsAtExit(TGVar& g, platform::ProfileFile& profile, platform::MessageBoxes& boxes);

// The error box for a refused write of the settings file.
void ReportUnableToWrite(TGVar& g, platform::ProfileFile& profile, platform::MessageBoxes& boxes);
