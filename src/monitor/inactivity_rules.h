// Inactivity and the automatic disconnections: the idle warning and the
// idle hang-up, the hang-up at a set date and time and the one after a set
// connect time; the hang-up routine behind every "Hang-up NOW!" and the
// power-down that may follow it.
#pragma once

#include <cstdint>
#include <string>

#include "settings/settings.h"
#include "devices/port_io.h"
#include "devices/rascomp32.h"
#include "monitor/poll_parts.h"
#include "platform/clock.h"
#include "platform/launcher.h"
#include "platform/message_box.h"
#include "platform/power.h"
#include "platform/ras_api.h"
#include "platform/sound.h"

namespace monitor {

inline constexpr char InactiveTextStart[] = "Your connection has been inactive for ";
inline constexpr char InactiveTextMinutes[] = " minute(s) and ";
inline constexpr char InactiveDisconnectEnd[] = " seconds(s). Automatic disconnect performed!";
inline constexpr char InactiveWarnEnd[] = " seconds(s). Do You want to disconnect?";
inline constexpr char AutoDisconnectText[] = "Automatic disconnect performed!";
inline constexpr char RasDisconnectCommand[] = "rasdial /disconnect";

// The 9x enumeration of the hang-up: four connection records of the size
// Windows 95 knows.
inline constexpr uint32_t Ras9xConnRecordSize = 412;
inline constexpr uint32_t Ras9xConnBufferSize = 4 * Ras9xConnRecordSize;

// How long DTR stays down to make the modem hang up, in milliseconds; the
// wait ends once more than this has passed.
inline constexpr uint32_t DtrDropMs = 1000;

// What the rules ask of the main window.
class InactivityHost {
public:
    virtual ~InactivityHost() = default;
    // Makes the main window topmost without moving or sizing it, so the
    // message that follows is seen.
    virtual void MakeMainWindowTopmost() = 0;
    // Unchecks "Activate!" (CBAutoDisconnectActive) of the "Auto
    // Disconnect" page after the scheduled disconnect ran.
    virtual void UncheckScheduledDisconnect() {}
};

struct InactivityServices {
    platform::Clock& Clock;
    platform::MessageBoxes& Boxes;
    platform::EventSound& Sound;
    platform::ProcessLauncher& Launcher;
    platform::RasApi& Ras;
    platform::Power& Power;
    devices::TDLPortIO& PortIO;
};

class TInactivityRules final : public InactivityRules {
public:
    // ras: the main window's RAS component; nullptr while there is none.
    TInactivityRules(TGVar& g, InactivityServices services, InactivityHost& host, devices::TRAS* ras = nullptr);

    void SetRasComponent(devices::TRAS* ras) { ras_ = ras; }

    void DisconnectIfInactive() override;
    void WarnIfInactive() override;
    bool DisconnectAtDateTime() override;
    void DisconnectAfterConnectTime() override;
    void HangUpNow() override;

    // Switches the computer off; failures are silent.
    void PowerDown();

private:
    bool IdleFor(uint32_t minutes, uint32_t seconds);
    void BuildInactiveText(std::string& text, uint32_t minutes, uint32_t seconds, const char* end);
    platform::MbResult ShowBox(const std::string& text, platform::MbButtons buttons);
    void ReportAutoDisconnect();
    void HangUpRas9x();
    void DropDtr();

    TGVar& g_;
    InactivityServices s_;
    InactivityHost& host_;
    devices::TRAS* ras_;
    // One text per rule: a nested tick may show another rule's message
    // while an outer one is still open.
    std::string disconnectText_;
    std::string warnText_;
    const std::string autoDisconnectText_;
};

} // namespace monitor
