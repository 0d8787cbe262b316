// The settings snapshot that the settings dialog's Cancel restores: every
// persistent setting of the key table and the monitored port, nothing
// else. Run-time state (connection, signals, requests, session fields) and
// the GDI font handles are never taken back, so the poll tick sees the
// connection as it is; the caller rebuilds the fonts from the restored
// font settings.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "app/settings.h"
#include "platform/profile.h"

class SettingsSnapshot {
public:
    // Copies the settings of the key table, the port and the set-aside
    // "No Title Bar".
    void Take(TGVar& g);

    // Copies them back. The total connect time ("TotalConnectNew",
    // "TotalConnectReset") is the engine's bookkeeping and keeps what the
    // engine did while the dialog showed, as does a reference of the reset
    // schedule ("ConnectResetLoggerTimeRef") that the automatic reset moved
    // on. After a port switch those three come from the old port's section,
    // which the switch wrote. Nothing happens when no snapshot was taken.
    void Restore(TGVar& g, platform::ProfileFile& profile) const;

private:
    using Value = std::variant<int32_t, uint32_t, double, std::string, bool>;
    std::vector<Value> values_; // MainKeys() then PortKeys(), in table order
    int32_t port_ = 0;
    int32_t realNoTitleBar_ = 0;
};
