// The main window's tray update (Win95Tray): the icon follows "ShowTrayIcon",
// the connection and this tick's activity, and its tip the byte counts and
// the line status. It runs at every paint, so a paint that changes nothing
// neither calls the shell nor allocates.
#pragma once

#include <array>
#include <string>

#include "settings/settings.h"
#include "tray/tray_icon.h"
#include "settings/version.h"
#include "platform/helper_vxd.h"
#include "platform/serial.h"
#include "platform/tray.h"

// The eight tray icons, by row (connected, not connected) and activity
// (none, receive only, transmit only, both).
inline constexpr std::array<const char*, 8> TrayIconNames = {
    "MODEM1", "MODEM2", "MODEM3", "MODEM4", "MODEM1_NC", "MODEM2_NC", "MODEM3_NC", "MODEM4_NC",
};

inline constexpr const char* TrayDefaultStatus = "Blinkery " BLINKERY_VERSION;
inline constexpr size_t TrayTipLength = 143;

class TTrayUpdate {
public:
    TTrayUpdate(TTrayIcon95& tray, platform::HelperVxd& vxd, platform::SerialPorts& ports);

    // Loads the eight icons from the program's resources (at start-up) and
    // frees them (at shut-down).
    void LoadIcons(platform::IconLoader& loader);
    void FreeIcons(platform::IconLoader& loader);

    // The icon of a connection state and this tick's activity.
    TrayHandle IconFor(bool connected, bool receive, bool transmit) const;

    void Win95Tray(TGVar& g);

private:
    void ComposeTip(TGVar& g);

    TTrayIcon95& tray_;
    platform::HelperVxd& vxd_;
    platform::SerialPorts& ports_;
    std::array<TrayHandle, 8> icons_{};
    std::string tip_;    // kept between ticks, so composing reuses its storage
    std::string status_;
};
