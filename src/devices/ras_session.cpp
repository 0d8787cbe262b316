#include "devices/ras_session.h"

#include "settings/modal_box.h"

namespace devices {

void ConnectRasStateEvent(TRAS& ras, const TGVar& settings, TNotifyEvent handler)
{
    if (settings.RAS == 1)
        ras.OnStateChanged = std::move(handler);
}

namespace {

void TakeUpFirstConnection(TRAS& ras, TGVar& settings)
{
    if (settings.OsKind == OsWin9x || ras.EnumConnections() != 0 || ras.Connections.Count() == 0)
        return;
    settings.ActiveConnectionName = ras.Connections.EntryName(0);
    ras.SelectConnection(0);
}

} // namespace

void CloseDownRasConnection(TRAS& ras, TGVar& settings, platform::MessageBoxes& boxes,
                            const std::function<void()>& hangUp)
{
    if (settings.RAS != 1)
        return;
    if (settings.WarnWhenExiting == 1) {
        ras.ReleaseConnection();
        return;
    }
    if (ras.RASConn == 0 && settings.ClosingState == 0)
        TakeUpFirstConnection(ras, settings);
    ras.GetConnectStatus();
    if (ras.ConnectState != kRasConnected)
        return;
    const platform::MbResult answer =
        ShowModalBox(settings, boxes, kCloseDownQuestion, platform::MbButtons::YesNo, platform::MbIcon::Warning);
    if (answer == platform::MbResult::Yes)
        hangUp();
    else
        ras.ReleaseConnection();
}

} // namespace devices
