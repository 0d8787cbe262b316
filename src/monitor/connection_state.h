// The connection's bookkeeping on the edges of CD and while it is up: the
// session clock and the total connect time with its reset schedule, the
// speed window that the rate displays show, and the settings dialog's
// total connect time label.
#pragma once

#include <string>

#include "settings/connect_time.h"
#include "settings/settings.h"
#include "monitor/window_parts.h"
#include "monitor/poll_parts.h"
#include "platform/clock.h"
#include "platform/locale.h"

namespace devices {
class TRAS;
}

namespace monitor {

inline constexpr char ConnectTimeLabelHead[] = "Total connect time   ";
inline constexpr char ConnectTimeLabelSince[] = "   since ";

// "&Reset Session Connect Time" and the total's resets of the menu and the
// settings dialog.
void ResetSessionConnectTime(TGVar& g, double now);
void ResetTotalConnectTime(TGVar& g, double now);

// The wall clock moved back (the autumn clock change, a manual change): the
// moments the engine counts seconds from move back with it by `by` days (a
// negative number), so a session keeps its length, the total never shrinks
// and every "seconds since" rule goes on counting. A moment that is 0 (not
// armed) stays 0. Moments of the calendar (a scheduled disconnect, the reset
// schedule) are the user's and stay.
void ClockMovedBack(TGVar& g, double by);

// "Total connect time   " + connect-time text + "   since " + the date in
// the format "c", built into out.
void BuildConnectTimeLabel(double total, double since, const platform::DateTimePatterns& patterns, std::string& out);

class TConnectionSteps final : public ConnectionSteps {
public:
    // ras: the main window's RAS component; none while there is none.
    TConnectionSteps(TGVar& g, platform::Clock& clock, platform::LocaleInfo& locale, MainWindowParts& parts,
                     devices::TRAS* ras = nullptr)
        : g_(g), clock_(clock), locale_(locale), parts_(parts), ras_(ras)
    {
    }

    void SetRas(devices::TRAS* ras) { ras_ = ras; }

    void SpeedWindow() override;
    void SessionStart() override;
    void SessionEnd() override;
    void AutoResetTotal() override;
    void ConnectTimeLabel() override;

private:
    void ShowLabel(double total);

    TGVar& g_;
    platform::Clock& clock_;
    platform::LocaleInfo& locale_;
    MainWindowParts& parts_;
    devices::TRAS* ras_;
    platform::DateTimePatterns patterns_;
    bool havePatterns_ = false;
    std::string label_;     // the label's text, built here and reused
    std::string lastLabel_; // what the label shows
};

} // namespace monitor
