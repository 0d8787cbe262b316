#include "win32/setup_dialog.h"

#include "devices/ras_session.h"
#include "resource_ids.h"

namespace win32 {

bool SetupDialog::ShowModal(HWND owner)
{
    return RunModal(instance_, MAKEINTRESOURCEA(IDD_SETUP), owner) == IDOK;
}

void SetupDialog::OnInit()
{
    if (OnShown)
        OnShown();
}

void SetupDialog::OnOk()
{
    if (OnClosing)
        OnClosing();
    EndDialog(Handle(), IDOK);
}

void SetupDialog::OnCancel()
{
    if (OnClosing)
        OnClosing();
    EndDialog(Handle(), IDCANCEL);
}

void SetupDialog::ConnectRasEvents()
{
    // The connections page's status handler takes the state changes; it
    // shows them only while the dialog is open.
    devices::ConnectRasStateEvent(ras_.Component(), Settings, [](devices::TRAS&) {});
}

} // namespace win32
