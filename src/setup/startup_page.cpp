#include "setup/startup_page.h"

#include <string>
#include <vector>

#include "settings/launcher.h"
#include "resource_ids.h"

namespace setup {

using platform::RegistryRoot;

void StartupPageModel::Fill()
{
    TGVar& g = ctx_.G;
    ctx_.View.SetCheck(IDC_CBLOADWINDOWS, LoadsWithWindows());
    ctx_.View.SetCheck(IDC_NOLOGO, g.ShowLogoAtStartup == 0);
    FillCheck(IDC_CBAUTORUN, g.AutoRun);
    ctx_.View.Enable(IDC_CBASKFIRSTAUTORUN, g.AutoRun == 1);
    ctx_.View.SetText(IDC_EDITAUTORUNPROG, g.AutoRunProgram);
    FillCheck(IDC_CBASKFIRSTAUTORUN, g.AskFirstAutoRun);
    FillCheck(IDC_CBDUNRUN, g.DUNRunConnectoid);
    FillDialUpEntries();
    ctx_.View.SetText(IDC_COMBOBDUNDESC, g.DUNRunConnectoidName);
    FillCheck(IDC_WARNEXIT, g.WarnWhenExiting);
    FillCheck(IDC_CBAUTOEXIT, g.CDAutoExit);
    FillSpin(IDC_SEEXITDELAY, 0, ExitDelayMax, g.CDAutoExitDelay);
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

bool StartupPageModel::Clicked(int id)
{
    static constexpr Handler<StartupPageModel> handlers[] = {
        {IDC_CBLOADWINDOWS, &StartupPageModel::CBLoadWindowsClick},
        {IDC_NOLOGO, &StartupPageModel::NoLogoClick},
        {IDC_CBAUTORUN, &StartupPageModel::CBAutoRunClick},
        {IDC_BUTTONBROWSEAUTORUNPROG, &StartupPageModel::ButtonBrowseAutoRunProgClick},
        {IDC_CBASKFIRSTAUTORUN, &StartupPageModel::CBAskFirstAutoRunClick},
        {IDC_CBDUNRUN, &StartupPageModel::CBDUNRunClick},
        {IDC_BUTTONRUNNOW, &StartupPageModel::ButtonRunNOWClick},
        {IDC_WARNEXIT, &StartupPageModel::WarnExitClick},
        {IDC_CBAUTOEXIT, &StartupPageModel::CBAutoExitClick},
    };
    return Dispatch<StartupPageModel>(*this, handlers, id);
}

bool StartupPageModel::Changed(int id)
{
    static constexpr Handler<StartupPageModel> handlers[] = {
        {IDC_EDITAUTORUNPROG, &StartupPageModel::editautorunprogChange},
        {IDC_COMBOBDUNDESC, &StartupPageModel::ComboBDUNDescChange},
        {IDC_SEEXITDELAY, &StartupPageModel::SEExitDelayChange},
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

void StartupPageModel::NoLogoClick() { ctx_.G.ShowLogoAtStartup = ctx_.View.Checked(IDC_NOLOGO) ? 0 : 1; }

void StartupPageModel::CBAutoRunClick()
{
    TakeCheck(IDC_CBAUTORUN, ctx_.G.AutoRun);
    ctx_.View.Enable(IDC_CBASKFIRSTAUTORUN, ctx_.G.AutoRun == 1);
}

void StartupPageModel::editautorunprogChange() { ctx_.G.AutoRunProgram = ctx_.View.Text(IDC_EDITAUTORUNPROG); }

void StartupPageModel::ButtonBrowseAutoRunProgClick() { BrowseProgram(ctx_, IDC_EDITAUTORUNPROG, ctx_.G.AutoRunProgram); }

void StartupPageModel::CBAskFirstAutoRunClick() { TakeCheck(IDC_CBASKFIRSTAUTORUN, ctx_.G.AskFirstAutoRun); }

void StartupPageModel::CBDUNRunClick() { TakeCheck(IDC_CBDUNRUN, ctx_.G.DUNRunConnectoid); }

void StartupPageModel::ComboBDUNDescChange() { ctx_.G.DUNRunConnectoidName = ctx_.View.Text(IDC_COMBOBDUNDESC); }

void StartupPageModel::ButtonRunNOWClick() { DialUpEntry(ctx_.G, ctx_.G.DUNRunConnectoidName, ctx_.Launcher); }

void StartupPageModel::WarnExitClick() { TakeCheck(IDC_WARNEXIT, ctx_.G.WarnWhenExiting); }

void StartupPageModel::CBAutoExitClick() { TakeCheck(IDC_CBAUTOEXIT, ctx_.G.CDAutoExit); }

void StartupPageModel::SEExitDelayChange()
{
    ctx_.G.CDAutoExitDelay = static_cast<uint32_t>(ctx_.View.SpinValue(IDC_SEEXITDELAY));
}

} // namespace setup
