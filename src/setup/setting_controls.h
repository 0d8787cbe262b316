// Controls that each mirror one setting, listed in tables: check boxes
// storing 1 or 0, spin edits holding 0 to 10000, date and time pickers
// editing one date-time together.
#pragma once

#include <cstdint>
#include <span>

#include "setup/page_model.h"

namespace setup {

inline constexpr int32_t SpinLimit = 10000;

struct CheckSetting {
    int Id;
    int32_t TGVar::*Setting;
};
struct SpinSetting {
    int Id;
    uint32_t TGVar::*Setting;
};

// Shows each box and spin edit from its setting.
void FillChecks(SetupContext& ctx, std::span<const CheckSetting> boxes);
void FillSpins(SetupContext& ctx, std::span<const SpinSetting> spins);
// The box or spin edit with this id stores its state; false when it is
// none of the table's. True, with changed false, for a box that already
// showed its setting (the loading's click).
bool TakeCheckOf(SetupContext& ctx, std::span<const CheckSetting> boxes, int id, bool& changed);
bool TakeSpinOf(SetupContext& ctx, std::span<const SpinSetting> spins, int id);

// A date picker and a time picker showing one date-time.
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
