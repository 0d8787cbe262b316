#include "setup/ras_page.h"

#include "settings/poll_period.h"
#include "devices/rascomp32.h"
#include "resource_ids.h"

namespace setup {

namespace {

// Dial progress runs below this state; connected, disconnected, the paused
// states and the error codes are all above it.
constexpr uint16_t LastProgressState = 599;

constexpr Binding Bindings[] = {bind::Check(IDC_CBCLOSEAFTEROK, &TGVar::CloseAfterOK)};

} // namespace

RasPageModel::RasPageModel(SetupContext& ctx) : PageModel(ctx, Bindings) {}

devices::TRAS& RasPageModel::Ras() { return ctx_.Services.Ras(); }

void RasPageModel::Fill()
{
    FillBindings();
    if (ctx_.G.OsKind == OsWin9x || !Ras().RasAvailable())
        return;
    ListEntries();
    devices::TRAS& ras = Ras();
    ras.EnumDevices();
    std::vector<std::string> devices;
    for (size_t i = 0; i < ras.DeviceNames.size() && i < ras.DeviceTypes.size(); ++i)
        devices.push_back(ras.DeviceNames[i] + " (" + ras.DeviceTypes[i] + ")");
    ctx_.View.SetItems(IDC_DEVICELIST, devices);
    ConnListClick();
    StateChanged();
}

bool RasPageModel::OnClicked(int id)
{
    static constexpr Handler<RasPageModel> handlers[] = {
        {IDC_BITBTNCREATECONN, &RasPageModel::BitBtnCreateConnClick},
        {IDC_BITBTNEDITCONN, &RasPageModel::BitBtnEditConnClick},
        {IDC_BITBTNRENAMECONN, &RasPageModel::BitBtnRenameConnClick},
        {IDC_BITBTNDELETECONN, &RasPageModel::BitBtnDeleteConnClick},
        {IDC_BITBTNDIALNOW, &RasPageModel::BitBtnDialNowClick},
        {IDC_BITBTNHANGUP, &RasPageModel::BitBtnHangUPClick},
    };
    return Dispatch<RasPageModel>(*this, handlers, id);
}

bool RasPageModel::OnChanged(int id)
{
    static constexpr Handler<RasPageModel> handlers[] = {
        {IDC_CONNLIST, &RasPageModel::ConnListClick},
        {IDC_DEVICELIST, &RasPageModel::ConnListClick},
    };
    return Dispatch<RasPageModel>(*this, handlers, id);
}

std::optional<std::string> RasPageModel::SelectedEntry()
{
    const int index = ctx_.View.Selection(IDC_CONNLIST);
    const std::vector<std::string>& entries = Ras().PhoneBookEntries;
    if (index < 0 || static_cast<size_t>(index) >= entries.size())
        return std::nullopt;
    return entries[static_cast<size_t>(index)];
}

void RasPageModel::ShowRasError() { ctx_.View.SetText(IDC_STATUSBAR2, Ras().StatusStr); }
void RasPageModel::ClearStatus() { ctx_.View.SetText(IDC_STATUSBAR2, ""); }

// The entries anew, the first one chosen.
void RasPageModel::ListEntries()
{
    devices::TRAS& ras = Ras();
    ras.EnumEntries();
    ctx_.View.SetItems(IDC_CONNLIST, ras.PhoneBookEntries);
    if (!ras.PhoneBookEntries.empty())
        ctx_.View.SetSelection(IDC_CONNLIST, 0);
}

void RasPageModel::RefillEntries()
{
    ListEntries();
    ConnListClick();
}

// The poll timer stays off while a dial waits; it runs again at the
// period "Timer Interval" gives (none for 0).
void RasPageModel::EnablePollTimer(bool on)
{
    ctx_.Services.Monitor().SetPollTimer(on ? PollPeriodMs(ctx_.G.TimerInterval) : 0);
}

void RasPageModel::ConnListClick()
{
    const std::optional<std::string> entry = SelectedEntry();
    if (!entry)
        return;
    devices::TRAS& ras = Ras();
    SetupView& view = ctx_.View;
    ras.EntryName = *entry;
    view.SetText(IDC_CONNUSER, "");
    view.SetText(IDC_CONNPW, "");
    if (ras.GetDialParams() != 0) {
        ShowRasError();
        return;
    }
    view.SetText(IDC_CONNUSER, ras.UserName);
    view.SetText(IDC_CONNPW, ras.Password);
    if (ras.GetEntryProperties() == 0) {
        view.SetText(IDC_DEVICENAME, ras.DeviceName);
        view.SetText(IDC_DEVICETYPE, ras.DeviceType);
        // Windows 2000 keeps no port apart from the device.
        if (ctx_.G.OsKind == OsWin2000) {
            view.Show(IDC_DEVICEPORT, false);
            view.Show(IDC_LBDEVICEPORT, false);
        } else {
            view.SetText(IDC_DEVICEPORT, ras.DevicePort);
        }
        view.SetText(IDC_CONNPHONE, ras.PhoneCanonical());
    }
    if (!dialWaiting_)
        EnablePollTimer(true);
}

void RasPageModel::BitBtnCreateConnClick()
{
    ClearStatus();
    if (Ras().CreatePhonebookEntry() != 0) {
        ShowRasError();
        return;
    }
    RefillEntries();
}

// The status cleared and the chosen entry the one RAS works on; false
// when none is chosen.
bool RasPageModel::TakeSelectedEntry()
{
    ClearStatus();
    const std::optional<std::string> entry = SelectedEntry();
    if (!entry)
        return false;
    Ras().EntryName = *entry;
    return true;
}

void RasPageModel::BitBtnEditConnClick()
{
    if (!TakeSelectedEntry())
        return;
    devices::TRAS& ras = Ras();
    if (ras.EditPhonebookEntry() != 0)
        ShowRasError();
    ConnListClick();
}

// Asks for a new name until RAS accepts one or the user cancels; a refused
// name is reported with a beep and asked for again.
void RasPageModel::BitBtnRenameConnClick()
{
    if (!TakeSelectedEntry())
        return;
    devices::TRAS& ras = Ras();
    const std::string old = ras.EntryName;
    std::string name = old;
    while (name == old) {
        std::string typed = name;
        if (!ctx_.Services.InputQuery(RenameCaption, RenamePrompt, typed))
            break;
        name = typed;
        if (ras.ValidateEntryName(name) != 0) {
            ShowRasError();
            ctx_.Services.Beep();
            name = old;
        }
    }
    if (name == old)
        return;
    ClearStatus();
    ras.EntryName = old;
    if (ras.RenameEntry(name) != 0) {
        ShowRasError();
        return;
    }
    RefillEntries();
}

void RasPageModel::BitBtnDeleteConnClick()
{
    if (!TakeSelectedEntry())
        return;
    if (Ras().DeleteEntry() != 0) {
        ShowRasError();
        return;
    }
    RefillEntries();
}

void RasPageModel::BitBtnDialNowClick()
{
    TGVar& g = ctx_.G;
    const std::optional<std::string> entry = SelectedEntry();
    // One connection at a time, whoever dialled it.
    if (!entry || !g.ActiveConnectionName.empty() || dialWaiting_)
        return;
    devices::TRAS& ras = Ras();
    SetupView& view = ctx_.View;
    EnablePollTimer(false);
    ras.EntryName = *entry;
    g.ActiveConnectionName = ras.EntryName;
    dialAborted_ = false;
    view.SetText(IDC_STATUSBAR2, g.ActiveConnectionName + " - Starting Connection");

    if (ras.DialEntry() != 0) {
        g.ActiveConnectionName.clear();
        EnablePollTimer(true);
        view.SetText(IDC_STATUSBAR2, "Connection Failed - " + ras.StatusStr);
        ctx_.Services.Beep();
        return;
    }

    // The progress arrives as messages to the component's window.
    dialWaiting_ = true;
    while (!dialAborted_ && ras.ConnectState <= LastProgressState)
        ctx_.Services.WaitForMessages();
    dialWaiting_ = false;

    EnablePollTimer(true);
    view.SetText(IDC_STATUSBAR1, "");
    if (ras.ConnectState != devices::kRasConnected || dialAborted_) {
        dialAborted_ = true;
        ras.Disconnect();
        g.ActiveConnectionName.clear();
        StateChanged();
        view.SetText(IDC_STATUSBAR1, "Connection Terminated");
        ctx_.Services.Beep();
        return;
    }
    view.SetText(IDC_STATUSBAR1, "Connection Opened OK");
    if (g.CloseAfterOK == 1)
        ctx_.Services.CloseDialog();
}

void RasPageModel::BitBtnHangUPClick()
{
    ClearStatus();
    dialAborted_ = true;
    Ras().Disconnect();
    ctx_.G.ActiveConnectionName.clear();
    StateChanged();
}

void RasPageModel::StateChanged()
{
    const TGVar& g = ctx_.G;
    if (!g.SetupDialogOpen)
        return;
    ctx_.View.SetText(IDC_STATUSBAR2, g.ActiveConnectionName.empty()
                                          ? std::string("DUN: Offline")
                                          : "DUN: " + g.ActiveConnectionName + " - " + Ras().StatusStr);
}

} // namespace setup
