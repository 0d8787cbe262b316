#include "tray/tray_update.h"

#include "settings/decimal_text.h"
#include "settings/line_settings.h"

TTrayUpdate::TTrayUpdate(TTrayIcon95& tray, platform::HelperVxd& vxd, platform::SerialPorts& ports)
    : tray_(tray), vxd_(vxd), ports_(ports)
{
    tip_.reserve(400);
    status_.reserve(200);
}

void TTrayUpdate::LoadIcons(platform::IconLoader& loader)
{
    for (size_t i = 0; i < icons_.size(); ++i)
        icons_[i] = loader.LoadResourceIcon(TrayIconNames[i]);
}

void TTrayUpdate::FreeIcons(platform::IconLoader& loader)
{
    for (TrayHandle& icon : icons_) {
        if (icon != 0)
            loader.FreeIcon(icon);
        icon = 0;
    }
}

TrayHandle TTrayUpdate::IconFor(bool connected, bool receive, bool transmit) const
{
    return icons_[(connected ? 0 : 4) + (receive ? 1 : 0) + (transmit ? 2 : 0)];
}

void TTrayUpdate::ComposeTip(TGVar& g)
{
    const TConnectionState& cs = g.ConnectionState;
    tip_.clear();
    if (g.ModemSignals.CD) {
        AppendDecimal(tip_, cs.SessionTx);
        tip_ += " bytes sent ";
        AppendDecimal(tip_, cs.SessionRx);
        tip_ += " bytes received ";
    } else {
        tip_ += ' ';
    }
    if (!cs.SpeedText.empty()) {
        tip_ += cs.SpeedText;
    } else {
        status_.clear();
        AppendCommStatusText(status_, g, vxd_, ports_);
        tip_ += status_.empty() ? std::string_view(TrayDefaultStatus) : std::string_view(status_);
    }
    tip_ += " - COM";
    AppendDecimal(tip_, g.Port);
    if (tip_.size() > TrayTipLength)
        tip_.resize(TrayTipLength);
}

void TTrayUpdate::Win95Tray(TGVar& g)
{
    if (g.Port == 0)
        return;
    if (g.ShowTrayIcon != 1) {
        tray_.SetActive(false);
        return;
    }
    ComposeTip(g);
    // Tip and icon first: activating the icon then adds it complete.
    tray_.SetHintAndIcon(tip_, IconFor(g.ModemSignals.CD, g.ModemSignals.RD, g.ModemSignals.TD));
    tray_.SetActive(true);
}
