// The settings snapshot that the settings dialog's Cancel restores: every
// persistent setting of the key table, the monitored port, the scheduled
// disconnect, and the resets of the total pressed in the dialog. Run-time
// state (connection, signals, requests, the connect time the engine
// counted) and the GDI font handles are never taken back, so the poll tick
// sees the connection as it is; the caller rebuilds the fonts from the
// restored font settings.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "settings/settings.h"
#include "platform/profile.h"

class SettingsSnapshot {
public:
    // Copies the settings of the key table, the port, the set-aside
    // "No Title Bar" and the scheduled disconnect; no reset pressed yet.
    void Take(TGVar& g);

    // Copies them back and forgets them. The total connect time
    // ("TotalConnectNew", "TotalConnectReset") is the engine's bookkeeping
    // and keeps what the engine did while the dialog showed, as does a
    // reference of the reset schedule ("ConnectResetLoggerTimeRef") that the
    // automatic reset moved on; only the dialog's own resets are taken back.
    // After a port switch those three come from the old port's section,
    // which the switch wrote. A scheduled disconnect whose moment has come
    // by now stays as it is: it has run, or would run again at once.
    // Nothing happens when no snapshot is held.
    void Restore(TGVar& g, platform::ProfileFile& profile, double now);
    bool Held() const { return !values_.empty(); }

private:
    using Value = std::variant<int32_t, uint32_t, double, std::string, bool>;
    std::vector<Value> values_; // MainKeys() then PortKeys(), in table order
    int32_t port_ = 0;
    int32_t realNoTitleBar_ = 0;
    int32_t scheduledActive_ = 0;
    double scheduledTime_ = 0;
};

// "Reset Total Connect Time NOW!": the reset, noted for the dialog's Cancel.
void ResetTotalInDialog(TGVar& g, double now);
