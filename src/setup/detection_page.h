// The "Port Detection" page: the monitored port, the poll rate and the
// detection methods, which exclude or force one another and switch the
// helper VxD and the port I/O driver on and off at once.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "setup/page_model.h"

namespace setup {

inline constexpr char VxdUnloadedText[] = "BLINKR95.VXD unloaded.";
inline constexpr char VxdLoadedText[] = "BLINKR95.VXD loaded.";

// The registry keys the page reads.
inline constexpr char SerialCommKey[] = "Hardware\\devicemap\\serialcomm";
inline constexpr char AdapterKeys2000[] = "SYSTEM\\CurrentControlSet\\Enum\\Root\\NET\\000";
inline constexpr char AdapterKeys[] = "Enum\\Root\\Net\\000";
inline constexpr char StartSrvKey[] = "PerfStats\\StartSrv";

class DetectionPageModel final : public PageModel {
public:
    // reload loads every control of the dialog anew.
    DetectionPageModel(SetupContext& ctx, std::function<void()> reload);
    void Fill() override;

    void ComboBPortsChange();
    void ButtonDetectComPortsClick();
    void SETimeroldChange();
    void CBDUNlightsClick();
    void CBDUNRegistryClick();
    void CBRNAAPPClick();
    void CBRDAltDetectClick();
    void CBNoVxdClick();
    void NDPAClick();
    void CBRASClick();
    void CBWinModemClick();

protected:
    bool OnClicked(int id) override;
    bool OnChanged(int id) override;

private:
    bool Win9x() const { return ctx_.G.OsKind == OsWin9x; }
    void FillPorts();
    void FillAdapters();
    void EnableControls();
    // What a software modem forces on Windows 95/98/ME: the registry and
    // 16-bit RD methods off, rnaapp on, their boxes disabled.
    void ForceWin9xModemMethods();
    // When the registry method is switched on: asks for the adapter's key
    // when "DUNRegistryName" names no value under "PerfStats\StartSrv".
    void CheckAdapterKey();
    // "No Direct Hardware Acesss" = 1 with its box checked and disabled.
    void ForceNoPortAccess();
    void ClosePortIo();
    // "Hide original modem icon" serves the registry and rnaapp methods.
    void DisableDunIconUnless(int otherMethod);

    std::function<void()> reload_;
};

} // namespace setup
