#include "setup/launch_page.h"

#include <string>

#include "resource_ids.h"

namespace setup {

namespace {

// A launch's controls, laid out from its box's id (see resource_ids.h).
struct Launch {
    int Box;
    int32_t TGVar::*Run;
    std::string TGVar::*Program;

    constexpr int Edit() const { return Box + 1; }
    constexpr int Browse() const { return Box + 2; }
    constexpr int DelaySpin() const { return Box + 3; }
    constexpr int AskFirstBox() const { return Box + 5; }
};

constexpr Launch Launches[] = {
    {IDC_CBAUTOLAUNCHCDHIGH, &TGVar::AutoRunCDHigh, &TGVar::AutoRunProgramCDHigh},
    {IDC_CBAUTOLAUNCHCDLOW, &TGVar::AutoRunCDLow, &TGVar::AutoRunProgramCDLow},
};
constexpr const Launch& High = Launches[0];
constexpr const Launch& Low = Launches[1];

constexpr Binding Bindings[] = {
    bind::Check(High.Box, High.Run),
    bind::Text(High.Edit(), High.Program),
    bind::Spin(High.DelaySpin(), &TGVar::CDHighDelay, 0, SpinMax),
    bind::Check(High.AskFirstBox(), &TGVar::AskFirstAutoLaunchProgCDHigh),
    bind::Check(Low.Box, Low.Run),
    bind::Text(Low.Edit(), Low.Program),
    bind::Spin(Low.DelaySpin(), &TGVar::CDLowDelay, 0, SpinMax),
    bind::Check(Low.AskFirstBox(), &TGVar::AskFirstAutoLaunchProgCDLow),
    bind::Check(IDC_CBAUTORUNCDINHIBIT, &TGVar::AutoRunCDInhibit),
};

// "Ask First" serves a launch that is switched on.
void EnableAskFirst(SetupContext& ctx, const Launch& launch)
{
    ctx.View.Enable(launch.AskFirstBox(), ctx.G.*launch.Run == 1);
}

} // namespace

LaunchPageModel::LaunchPageModel(SetupContext& ctx) : PageModel(ctx, Bindings) {}

void LaunchPageModel::Fill()
{
    FillBindings();
    for (const Launch& launch : Launches)
        EnableAskFirst(ctx_, launch);
}

bool LaunchPageModel::OnClicked(int id)
{
    for (const Launch& launch : Launches) {
        if (id == launch.Box)
            EnableAskFirst(ctx_, launch);
        else if (id == launch.Browse())
            BrowseProgram(ctx_, launch.Edit(), ctx_.G.*launch.Program);
        else
            continue;
        return true;
    }
    return false;
}

} // namespace setup
