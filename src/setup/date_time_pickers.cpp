#include "setup/date_time_pickers.h"

#include "settings/date_time.h"

namespace setup {

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
