#include "app/settings_snapshot.h"

#include <type_traits>

#include "settings/settings_file.h"
#include "settings/settings_keys.h"
#include "monitor/connection_state.h"
#include "monitor/reset_schedule.h"

namespace {

// Calls f(descriptor, index) for every key of the table.
template <typename F>
void ForEachKey(F&& f)
{
    size_t i = 0;
    for (const KeyDescriptor& key : MainKeys())
        f(key, i++);
    for (const KeyDescriptor& key : PortKeys())
        f(key, i++);
}

// True when the automatic reset moved the schedule's reference from `from`
// to `to`: it moves one period per reset, so `to` is one of the moments
// that follow `from`.
bool MovedBySchedule(double from, double to, int32_t event)
{
    for (int periods = 0; periods < 10000 && from < to; ++periods) {
        const double next = monitor::NextResetTime(from, event);
        if (next <= from)
            return false; // no schedule
        from = next;
        if (from == to)
            return true;
    }
    return false;
}

// The date-time key whose field is `field`, read from section; `fallback`
// when the section does not hold a number for it.
double ReadDateKey(TGVar& g, double& field, platform::ProfileFile& profile, const std::string& section,
                   double fallback)
{
    for (const KeyDescriptor& key : PortKeys()) {
        if (key.Type == KeyType::DateTime && &key.Date(g) == &field)
            return DateOf(key, profile.ReadString(section, key.Name, "")).value_or(fallback);
    }
    return fallback;
}

} // namespace

void SettingsSnapshot::Take(TGVar& g)
{
    values_.clear();
    ForEachKey([&](const KeyDescriptor& key, size_t) {
        std::visit([&](auto field) { values_.emplace_back(field(g)); }, key.Field);
    });
    port_ = g.Port;
    realNoTitleBar_ = g.RealNoTitleBar;
    scheduledActive_ = g.ScheduledDisconnectActive;
    scheduledTime_ = g.ScheduledDisconnectTime;
    g.DialogReset = TDialogReset{};
    g.DialogReset.Port = g.Port;
}

void ResetTotalInDialog(TGVar& g, double now)
{
    TDialogReset& r = g.DialogReset;
    if (g.Port == r.Port) {
        // A reset by the schedule since the last press starts the record
        // anew: Cancel brings back the total as the schedule left it.
        if (!r.Pressed || g.TotalConnectReset != r.At)
            r = {r.Port, true, 0, g.TotalConnectReset, 0};
        r.Emptied += g.TotalConnectNew;
        r.At = now;
    }
    monitor::ResetTotalConnectTime(g, now);
}

void SettingsSnapshot::Restore(TGVar& g, platform::ProfileFile& profile, double now)
{
    if (values_.empty())
        return;

    // The engine's side of the total connect time, as it stands now.
    const bool samePort = g.Port == port_;
    const double totalNew = g.TotalConnectNew;
    const double totalReset = g.TotalConnectReset;
    const double liveReference = g.ConnectResetLoggerTimeRef;
    const int32_t liveEvent = g.ConnectResetLoggerEvent;

    ForEachKey([&](const KeyDescriptor& key, size_t i) {
        std::visit(
            [&](auto field) {
                using T = std::remove_reference_t<decltype(field(g))>;
                field(g) = std::get<T>(values_[i]);
            },
            key.Field);
    });
    g.Port = port_;
    g.RealNoTitleBar = realNoTitleBar_;

    // Cancel undoes choices, not the connect time the engine counted while
    // the dialog showed: a connection that ended adds to "TotalConnectNew",
    // the automatic reset empties it and moves the reference on. Copying
    // the old values back would lose that time, or let the schedule reset
    // the total a second time. After a port switch the engine's values of
    // the old port are those the switch wrote to its section.
    double total = totalNew, since = totalReset, reference = liveReference;
    int32_t event = liveEvent;
    if (!samePort) {
        const std::string section = PortSection(port_);
        total = ReadDateKey(g, g.TotalConnectNew, profile, section, g.TotalConnectNew);
        since = ReadDateKey(g, g.TotalConnectReset, profile, section, g.TotalConnectReset);
        reference = ReadDateKey(g, g.ConnectResetLoggerTimeRef, profile, section, g.ConnectResetLoggerTimeRef);
        event = g.ConnectResetLoggerEvent;
    }
    // The dialog's own resets are taken back, unless the schedule reset the
    // total after them.
    const TDialogReset& pressed = g.DialogReset;
    if (pressed.Pressed && pressed.Port == port_ && since == pressed.At) {
        total += pressed.Emptied;
        since = pressed.Since;
    }
    g.TotalConnectNew = total;
    g.TotalConnectReset = since;
    if (MovedBySchedule(g.ConnectResetLoggerTimeRef, reference, event))
        g.ConnectResetLoggerTimeRef = reference;
    g.DialogReset = TDialogReset{};

    if (!(scheduledActive_ != 0 && now > scheduledTime_)) {
        g.ScheduledDisconnectActive = scheduledActive_;
        g.ScheduledDisconnectTime = scheduledTime_;
    }
    values_.clear();
}
