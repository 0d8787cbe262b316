#include "setup/information_page.h"

#include <algorithm>
#include <iterator>

#include "resource_ids.h"

namespace setup {

namespace {

// A row's caption label; its value label follows it.
constexpr int CaptionIds[InformationPageModel::RowCount] = {
    IDC_LBBYTESIN,          IDC_LBBYTESOUT,      IDC_LBCONNECTIONSPEED,
    IDC_LBCOMPRESSIONRATIOIN, IDC_LBCOMPRESSIONRATIOOUT, IDC_LBALIGNMENTERRORS,
    IDC_LBBUFFEROVERRUNERRORS, IDC_LBCRCERRORS,  IDC_LBFRAMINGERRORS,
    IDC_LBHARDWAREOVERRUN,  IDC_LBTIMEOUTERRORS, IDC_LBSERVERIP,
    IDC_LBCLIENTIP,         IDC_LBDIALEDNUMBER,  IDC_RASSTATUS,
};

constexpr size_t RasVersionLength = 20;

} // namespace

// Labels change only when their text does: the page refreshes with every
// paint of the display.
void InformationPageModel::SetLabel(int id, std::string& shown, const std::string& text)
{
    if (shown == text)
        return;
    shown = text;
    ctx_.View.SetText(id, text);
}

void InformationPageModel::SetValue(Row row, const std::string& text)
{
    SetLabel(CaptionIds[row] + 1, values_[row], text);
}

void InformationPageModel::ShowRows()
{
    SetupView& view = ctx_.View;
    if (groupViewShown_ != groupShown_) {
        groupViewShown_ = groupShown_;
        view.Show(IDC_GBCONNECTION, groupShown_);
    }
    for (int row = 0; row < RowCount; ++row) {
        const bool shown = groupShown_ && rowShown_[row];
        if (viewShown_[row] == shown)
            continue;
        viewShown_[row] = shown;
        view.Show(CaptionIds[row], shown);
        view.Show(CaptionIds[row] + 1, shown);
    }
}

void InformationPageModel::Information()
{
    TGVar& g = ctx_.G;
    SetupServices& services = ctx_.Services;
    if (!g.SetupDialogOpen || !services.DialogShowing())
        return;

    platform::Registry& registry = services.Monitor().Registry();
    std::string text;
    if (registry.ReadString(platform::RegistryRoot::LocalMachine, ComputerNameKey, "ComputerName", text))
        SetLabel(IDC_COMPUTERNAME, computerName_, text);

    bool versionShown = false;
    if (g.OsKind == OsWin9x) {
        if (registry.ReadString(platform::RegistryRoot::LocalMachine, RemoteAccessKey, "Version", text)) {
            text.resize(std::min(text.size(), RasVersionLength));
            versionShown = !text.empty();
            if (versionShown)
                SetLabel(IDC_RASVERSION, rasVersion_, text);
        }
    }
    if (rasVersionShown_ != versionShown) {
        rasVersionShown_ = versionShown;
        ctx_.View.Show(IDC_LBRASVERSION, versionShown);
        ctx_.View.Show(IDC_RASVERSION, versionShown);
    }

    groupShown_ = g.ModemSignals.CD;
    if (groupShown_) {
        const TConnStatus& info = g.ConnectionState.Info;
        // Counts show unsigned: past 2 GiB they must not turn negative.
        SetCount(BytesOut, info.BytesOut);
        SetCount(BytesIn, info.BytesIn);
        SetValue(Speed, std::to_string(info.ConnectionSpeed) + " bps");
        if (g.OsKind == OsWin9x) {
            const Row errors[] = {AlignmentErrors, BufferOverrunErrors, CrcErrors,
                                  FramingErrors,   HardwareOverrun,     TimeoutErrors};
            const uint32_t counts[] = {info.AlignmentErrors, info.BufferOverrunErrors, info.CRCErrors,
                                       info.FramingErrors,   info.HardwareOverrun,     info.TimeoutErrors};
            for (size_t i = 0; i < std::size(errors); ++i) {
                if (g.DUNRegistry == 1)
                    SetCount(errors[i], counts[i]);
                else
                    HideRow(errors[i]);
            }
            for (Row row : {ServerIp, ClientIp, DialedNumber, RatioIn, RatioOut, RasStatus})
                HideRow(row);
        } else {
            SetValue(ServerIp, info.ServerIP);
            SetValue(ClientIp, info.ClientIP);
            SetValue(DialedNumber, info.DialedNumber);
            HideRow(RasStatus);
            SetCount(RatioIn, info.RatioIn);
            SetCount(RatioOut, info.RatioOut);
            SetCount(AlignmentErrors, info.AlignmentErrors);
            SetCount(CrcErrors, info.CRCErrors);
            if (g.OsKind == OsNT4) {
                HideRow(FramingErrors);
                HideRow(HardwareOverrun);
            } else {
                SetCount(FramingErrors, info.FramingErrors);
                SetCount(HardwareOverrun, info.HardwareOverrun);
            }
            SetCount(BufferOverrunErrors, info.BufferOverrunErrors);
            SetCount(TimeoutErrors, info.TimeoutErrors);
        }
    }
    ShowRows();
}

} // namespace setup
