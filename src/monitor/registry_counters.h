// The registry method (Windows 95/98/ME): byte counts, speed and line
// error counts from the dial-up statistics under HKEY_DYN_DATA, counted
// from the baseline of the last tick without carrier.
#pragma once

#include <array>
#include <string>

#include "settings/settings.h"
#include "monitor/poll_parts.h"
#include "platform/message_box.h"
#include "platform/stat_data.h"

namespace monitor {

inline constexpr char InvalidDataTypeText[] = "Invalid data type for '%s'";

class RegistryCounters {
public:
    RegistryCounters(TGVar& g, platform::StatDataKey& key, platform::MessageBoxes& boxes)
        : g_(g), key_(key), boxes_(boxes)
    {
    }
    // False when a value of the wrong type ended the tick (after its box).
    bool Read(CounterSample& sample);

private:
    void BuildNames();
    void ReportInvalid(const std::string& name);

    TGVar& g_;
    platform::StatDataKey& key_;
    platform::MessageBoxes& boxes_;
    std::string prefix_;                 // the "DUNRegistryName" the names were built from
    std::array<std::string, 9> names_{}; // its value names, built once
    bool built_ = false;
    std::string reported_; // the bad value shown last; not shown again while it stays bad
};

} // namespace monitor
