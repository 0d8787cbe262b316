// What the program does with the RAS component at start and at close: the
// state-change hook and the offer to hang up when Blinkery closes.
#pragma once

#include <functional>

#include "settings/settings.h"
#include "devices/rascomp32.h"
#include "platform/message_box.h"

namespace devices {

inline constexpr const char* kCloseDownQuestion = "Close Down Dial-Up Connection?";

// Start-up: with "RAS" on, the component's state changes go to the
// settings dialog's connection status handler.
void ConnectRasStateEvent(TRAS& ras, const TGVar& settings, TNotifyEvent handler);

// First step of shut-down. With "RAS" on: "Warn when Exiting" lets the
// connection stay up; otherwise, when a connection is up, asks "Close Down
// Dial-Up Connection?": Yes runs hangUp, No lets go of the connection
// without hanging up. On the first run of shut-down the component first
// takes up the first active connection when it holds none (one dialled
// elsewhere, or before the poll tick watched it).
void CloseDownRasConnection(TRAS& ras, TGVar& settings, platform::MessageBoxes& boxes,
                            const std::function<void()>& hangUp);

} // namespace devices
