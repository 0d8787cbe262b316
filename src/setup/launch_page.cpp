#include "setup/launch_page.h"

#include <string>

#include "resource_ids.h"
#include "setup/setting_controls.h"

namespace setup {

namespace {

// A launch's controls, laid out from its box's id (see resource_ids.h).
struct Launch {
    int Box;
    int32_t TGVar::*Run;
    std::string TGVar::*Program;
    uint32_t TGVar::*Delay;
    int32_t TGVar::*AskFirst;

    int Edit() const { return Box + 1; }
    int Browse() const { return Box + 2; }
    int DelaySpin() const { return Box + 3; }
    int AskFirstBox() const { return Box + 5; }
};

constexpr Launch Launches[] = {
    {IDC_CBAUTOLAUNCHCDHIGH, &TGVar::AutoRunCDHigh, &TGVar::AutoRunProgramCDHigh, &TGVar::CDHighDelay,
     &TGVar::AskFirstAutoLaunchProgCDHigh},
    {IDC_CBAUTOLAUNCHCDLOW, &TGVar::AutoRunCDLow, &TGVar::AutoRunProgramCDLow, &TGVar::CDLowDelay,
     &TGVar::AskFirstAutoLaunchProgCDLow},
};

constexpr CheckSetting InhibitBox[] = {{IDC_CBAUTORUNCDINHIBIT, &TGVar::AutoRunCDInhibit}};

void FillLaunch(SetupContext& ctx, const Launch& launch)
{
    const CheckSetting boxes[] = {{launch.Box, launch.Run}, {launch.AskFirstBox(), launch.AskFirst}};
    const SpinSetting delay[] = {{launch.DelaySpin(), launch.Delay}};
    FillChecks(ctx, boxes);
    FillSpins(ctx, delay);
    ctx.View.SetText(launch.Edit(), ctx.G.*launch.Program);
    ctx.View.Enable(launch.AskFirstBox(), ctx.G.*launch.Run == 1);
}

bool LaunchClicked(SetupContext& ctx, const Launch& launch, int id)
{
    TGVar& g = ctx.G;
    if (id == launch.Box) {
        g.*launch.Run = ctx.View.Checked(id) ? 1 : 0;
        ctx.View.Enable(launch.AskFirstBox(), g.*launch.Run == 1);
    } else if (id == launch.AskFirstBox()) {
        g.*launch.AskFirst = ctx.View.Checked(id) ? 1 : 0;
    } else if (id == launch.Browse()) {
        BrowseProgram(ctx, launch.Edit(), g.*launch.Program);
    } else {
        return false;
    }
    return true;
}

bool LaunchChanged(SetupContext& ctx, const Launch& launch, int id)
{
    if (id == launch.Edit()) {
        ctx.G.*launch.Program = ctx.View.Text(id);
        return true;
    }
    const SpinSetting delay[] = {{launch.DelaySpin(), launch.Delay}};
    return TakeSpinOf(ctx, delay, id);
}

} // namespace

void LaunchPageModel::Fill()
{
    for (const Launch& launch : Launches)
        FillLaunch(ctx_, launch);
    FillChecks(ctx_, InhibitBox);
}

bool LaunchPageModel::Clicked(int id)
{
    for (const Launch& launch : Launches)
        if (LaunchClicked(ctx_, launch, id))
            return true;
    bool changed = false;
    return TakeCheckOf(ctx_, InhibitBox, id, changed);
}

bool LaunchPageModel::Changed(int id)
{
    for (const Launch& launch : Launches)
        if (LaunchChanged(ctx_, launch, id))
            return true;
    return false;
}

} // namespace setup
