// A date picker and a time picker editing one date-time together.
#pragma once

#include "setup/page_model.h"

namespace setup {

struct DateTimePickers {
    int Date;
    int Time;

    void Show(SetupContext& ctx, double dateTime) const;
    // A picker of the pair changed: value takes the picked date with its
    // old time of day, or the picked time on its old day. old is the
    // date-time the pickers showed. False when id is neither picker.
    bool Take(SetupContext& ctx, int id, double old, double& value) const;
};

} // namespace setup
