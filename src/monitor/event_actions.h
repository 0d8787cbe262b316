// What Blinkery does when something happens on the line: the ring, connect
// and disconnect sounds, the call and connection logs, the programs
// launched after the carrier rose or fell, the automatic exit after a
// disconnect and the automatic on-top mode. The poll tick calls each at
// its step; the restore on activity is set by the tick itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/settings.h"
#include "monitor/engine_host.h"
#include "monitor/helper_vxd_client.h"
#include "monitor/poll_parts.h"
#include "platform/clock.h"
#include "platform/launcher.h"
#include "platform/locale.h"
#include "platform/log_files.h"
#include "platform/message_box.h"
#include "platform/sound.h"
#include "platform/system_info.h"

namespace monitor {

// The connection log's states (DcdLogState).
inline constexpr int32_t DcdIdle = 0;
inline constexpr int32_t DcdNotLogged = 1;  // carrier up, connect part not yet due
inline constexpr int32_t DcdConnectLogged = 2;
// The connect part could not be written: the entry is dropped, so no
// disconnect part follows; back to idle when the carrier falls.
inline constexpr int32_t DcdEntryDropped = 3;

// A sound setting's value with its wave file: 1 plays the file, 2 beeps,
// anything else is silent.
void PlayEventSound(platform::EventSound& sound, int32_t setting, const std::string& file);

// What the automatic exit asks of the main window.
class EventHost : public EngineHost {
public:
    // Closes the main window through its normal close path, with the
    // question about a live connection. False when the user refused.
    virtual bool CloseMainWindow() = 0;
};

struct EventServices {
    platform::Clock& Clock;
    platform::EventSound& Sound;
    platform::LogFiles& Logs;
    platform::MessageBoxes& Boxes;
    platform::ProcessLauncher& Launcher;
    platform::LocaleInfo& Locale;
    platform::SystemInfo& System;
    HelperVxdClient& Vxd;
    EventHost& Host;
};

class TEventActions final : public EventActions {
public:
    TEventActions(TGVar& g, EventServices services);

    void RingSound() override;
    void AutoOnTop() override;
    void ConnectSound() override;
    void DisconnectSound() override;
    void AutoExit() override;
    void LaunchOnCDHigh() override;
    void LaunchOnCDLow() override;
    void RingLog() override;
    void ConnectLog() override;
    bool TakeEndOfTick() override;

    // For the inactivity warning.
    void PlayEventSound(int32_t setting, const std::string& file);
    // Shut-down: the call still counted is logged.
    void LogPendingCall();

    const std::string& RingLogPath() const { return ringLogPath_; }
    const std::string& ConnectLogPath() const { return connectLogPath_; }

private:
    void LaunchWhenDue(int32_t enabled, double& armedAt, uint32_t delay, const std::string& command,
                       int32_t askFirst);
    bool WriteCall();
    void WriteConnectPart();
    void ReportUnableToWrite(const std::string& path);

    TGVar& g_;
    EventServices s_;
    std::string shortProgramPath_;
    std::string programFileName_;
    std::string ringLogPath_;
    std::string connectLogPath_;
    std::string line_; // the line being written, reused
    std::string file_; // the connection log's last bytes, reused
    bool callLineBroken_ = false; // the last call line's write failed
    bool endOfTick_ = false;
};

} // namespace monitor
