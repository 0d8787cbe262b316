#include "setup/setting_controls.h"

#include "settings/date_time.h"

namespace setup {

void FillChecks(SetupContext& ctx, std::span<const CheckSetting> boxes)
{
    for (const CheckSetting& box : boxes)
        ctx.View.SetCheck(box.Id, ctx.G.*box.Setting == 1);
}

void FillSpins(SetupContext& ctx, std::span<const SpinSetting> spins)
{
    for (const SpinSetting& spin : spins) {
        ctx.View.SetSpinRange(spin.Id, 0, SpinLimit);
        const uint32_t value = ctx.G.*spin.Setting;
        ctx.View.SetSpin(spin.Id, static_cast<int32_t>(value > SpinLimit ? SpinLimit : value));
    }
}

bool TakeCheckOf(SetupContext& ctx, std::span<const CheckSetting> boxes, int id, bool& changed)
{
    for (const CheckSetting& box : boxes) {
        if (box.Id != id)
            continue;
        const int32_t value = ctx.View.Checked(id) ? 1 : 0;
        changed = (ctx.G.*box.Setting == 1 ? 1 : 0) != value;
        ctx.G.*box.Setting = value;
        return true;
    }
    return false;
}

// The view keeps a spin edit's value within its range, so a typed value
// out of it or no number at all never reaches the setting as such.
bool TakeSpinOf(SetupContext& ctx, std::span<const SpinSetting> spins, int id)
{
    for (const SpinSetting& spin : spins) {
        if (spin.Id != id)
            continue;
        const int32_t value = ctx.View.SpinValue(id);
        ctx.G.*spin.Setting = static_cast<uint32_t>(value < 0 ? 0 : value > SpinLimit ? SpinLimit : value);
        return true;
    }
    return false;
}

void DateTimePickers::Show(SetupContext& ctx, double dateTime) const
{
    ctx.View.SetDateTime(Date, dateTime);
    ctx.View.SetDateTime(Time, dateTime);
}

bool DateTimePickers::Take(SetupContext& ctx, int id, double old, double& value) const
{
    if (id == Date)
        value = CombineDateTime(ctx.View.DateTime(Date), old);
    else if (id == Time)
        value = CombineDateTime(old, ctx.View.DateTime(Time));
    else
        return false;
    return true;
}

} // namespace setup
