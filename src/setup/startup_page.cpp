#include "setup/startup_page.h"

#include <string>
#include <vector>

#include "settings/launcher.h"
#include "resource_ids.h"

namespace setup {

using platform::RegistryRoot;

namespace {

constexpr Binding Bindings[] = {
    bind::CheckOff(IDC_NOLOGO, &TGVar::ShowLogoAtStartup),
    bind::Check(IDC_CBAUTORUN, &TGVar::AutoRun),
    bind::Text(IDC_EDITAUTORUNPROG, &TGVar::AutoRunProgram),
    bind::Check(IDC_CBASKFIRSTAUTORUN, &TGVar::AskFirstAutoRun),
    bind::Check(IDC_CBDUNRUN, &TGVar::DUNRunConnectoid),
    bind::Text(IDC_COMBOBDUNDESC, &TGVar::DUNRunConnectoidName),
    bind::Check(IDC_WARNEXIT, &TGVar::WarnWhenExiting),
    bind::Check(IDC_CBAUTOEXIT, &TGVar::CDAutoExit),
    bind::Spin(IDC_SEEXITDELAY, &TGVar::CDAutoExitDelay, 0, SpinMax),
};

} // namespace

StartupPageModel::StartupPageModel(SetupContext& ctx) : PageModel(ctx, Bindings) {}

// The entries' list first: filling it clears the text the binding shows.
void StartupPageModel::Fill()
{
    ctx_.View.SetCheck(IDC_CBLOADWINDOWS, LoadsWithWindows());
    FillDialUpEntries();
    FillBindings();
    ctx_.View.Enable(IDC_CBASKFIRSTAUTORUN, ctx_.G.AutoRun == 1);
}

bool StartupPageModel::LoadsWithWindows()
{
    std::string path;
    return ctx_.Services.Monitor().Registry().ReadString(RegistryRoot::LocalMachine, RunKey, RunValue, path) &&
           path == ctx_.System.ShortProgramPath();
}

// The system's dial-up entries; a missing key leaves the list empty.
void StartupPageModel::FillDialUpEntries()
{
    platform::Registry& registry = ctx_.Services.Monitor().Registry();
    std::vector<std::string> entries;
    if (ctx_.G.OsKind != OsWin9x)
        registry.SubKeyNames(RegistryRoot::CurrentUser, DialUpProfilesKey, entries);
    else
        registry.ValueNames(RegistryRoot::CurrentUser, DialUpAddressesKey, entries);
    ctx_.View.SetItems(IDC_COMBOBDUNDESC, entries);
}

bool StartupPageModel::OnClicked(int id)
{
    static constexpr Handler<StartupPageModel> handlers[] = {
        {IDC_CBLOADWINDOWS, &StartupPageModel::CBLoadWindowsClick},
        {IDC_CBAUTORUN, &StartupPageModel::CBAutoRunClick},
        {IDC_BUTTONBROWSEAUTORUNPROG, &StartupPageModel::ButtonBrowseAutoRunProgClick},
        {IDC_BUTTONRUNNOW, &StartupPageModel::ButtonRunNOWClick},
    };
    return Dispatch<StartupPageModel>(*this, handlers, id);
}

// The Run key is written or cleared at once; Cancel does not take it back.
// When the system refuses the change (a user without the rights, a key
// that does not open), the box shows what the key still holds.
void StartupPageModel::CBLoadWindowsClick()
{
    const bool wanted = ctx_.View.Checked(IDC_CBLOADWINDOWS);
    if (wanted == LoadsWithWindows())
        return;
    platform::Registry& registry = ctx_.Services.Monitor().Registry();
    if (wanted)
        registry.WriteString(RegistryRoot::LocalMachine, RunKey, RunValue, ctx_.System.ShortProgramPath());
    else
        registry.DeleteValue(RegistryRoot::LocalMachine, RunKey, RunValue);
    ctx_.View.SetCheck(IDC_CBLOADWINDOWS, LoadsWithWindows());
}

void StartupPageModel::CBAutoRunClick() { ctx_.View.Enable(IDC_CBASKFIRSTAUTORUN, ctx_.G.AutoRun == 1); }

void StartupPageModel::ButtonBrowseAutoRunProgClick() { BrowseProgram(ctx_, IDC_EDITAUTORUNPROG, ctx_.G.AutoRunProgram); }

void StartupPageModel::ButtonRunNOWClick() { DialUpEntry(ctx_.G, ctx_.G.DUNRunConnectoidName, ctx_.Launcher); }

} // namespace setup
