#include "setup/window_page.h"

#include <optional>
#include <vector>

#include "resource_ids.h"

namespace setup {

namespace {

using platform::RegistryRoot;

constexpr int32_t OnTopValues[] = {1, 2, 0}; // Always, Auto Detect, Normal

constexpr Binding Bindings[] = {
    bind::Radio(IDC_RADIOGROUPONTOP, &TGVar::OnTop, OnTopValues),
    bind::Spin(IDC_SEAUTODETECT, &TGVar::AutoDelayTitle, 0, AutoDetectDelayMax),
    bind::Check(IDC_AUTOMAXIMIZE, &TGVar::AutoMaximize),
    bind::Check(IDC_CBRUNLIGHTS, &TGVar::RunLights),
};

// "DialUI" as stored, read as a 4-byte binary value: nothing when the key
// does not open; no value, or one of another type, reads as all bits clear.
// A shorter value reads as far as it goes, the rest clear.
std::optional<std::vector<uint8_t>> ReadDialUi(platform::Registry& registry)
{
    platform::RegistryValue value;
    switch (registry.ReadValue(RegistryRoot::CurrentUser, DialUiKey, DialUiValue, value)) {
    case platform::RegistryRead::NoKey: return std::nullopt;
    case platform::RegistryRead::NoValue: value.Data.clear(); break;
    case platform::RegistryRead::Found:
        if (value.Type != platform::RegistryBinary)
            value.Data.clear();
        break;
    }
    if (value.Data.size() < 4)
        value.Data.resize(4, 0);
    return value.Data;
}

// Bit 2 is in the value's first byte (little-endian).
bool HidesIcon(const std::vector<uint8_t>& dialUi) { return (dialUi[0] & DialUiHideIcon) != 0; }

} // namespace

WindowPageModel::WindowPageModel(SetupContext& ctx) : PageModel(ctx, Bindings) {}

// The tray box runs the tray action, which stores the setting; the modem
// icon box stands for a registry bit.
void WindowPageModel::Fill()
{
    const TGVar& g = ctx_.G;
    ctx_.View.SetCheck(IDC_CBSYSTRAY, g.ShowTrayIcon == 1);
    FillBindings();
    // Without the key the box keeps its state. The first dial-up networking
    // (an RNAAPP.EXE of September 1995 or older) always hides its icon when
    // 'lights' runs it.
    if (const auto dialUi = ReadDialUi(ctx_.Services.Monitor().Registry()))
        ctx_.View.SetCheck(IDC_CBSHOWDUNICON, HidesIcon(*dialUi));
    if (g.RnaappNewer == 2 && g.RunLights == 1)
        ctx_.View.SetCheck(IDC_CBSHOWDUNICON, true);
}

bool WindowPageModel::OnClicked(int id)
{
    static constexpr Handler<WindowPageModel> handlers[] = {
        {IDC_CBSYSTRAY, &WindowPageModel::CBSystrayClick},
        {IDC_CBSHOWDUNICON, &WindowPageModel::CBShowDUNIconClick},
    };
    return Dispatch<WindowPageModel>(*this, handlers, id);
}

void WindowPageModel::CBSystrayClick()
{
    const bool shown = ctx_.View.Checked(IDC_CBSYSTRAY);
    if (shown != (ctx_.G.ShowTrayIcon == 1))
        ctx_.Services.Monitor().ShowInSystemTray(shown);
}

// The bit is written at once, the value's other bits and bytes kept; Cancel
// does not take it back. Without the key nothing is written and the box
// keeps its state; a write the system refuses leaves the box showing the
// bit as stored.
void WindowPageModel::CBShowDUNIconClick()
{
    platform::Registry& registry = ctx_.Services.Monitor().Registry();
    std::optional<std::vector<uint8_t>> dialUi = ReadDialUi(registry);
    const bool wanted = ctx_.View.Checked(IDC_CBSHOWDUNICON);
    if (!dialUi || HidesIcon(*dialUi) == wanted)
        return;
    (*dialUi)[0] = static_cast<uint8_t>(wanted ? (*dialUi)[0] | DialUiHideIcon : (*dialUi)[0] & ~DialUiHideIcon);
    if (registry.WriteBinary(RegistryRoot::CurrentUser, DialUiKey, DialUiValue, *dialUi))
        return;
    if (const auto stored = ReadDialUi(registry))
        ctx_.View.SetCheck(IDC_CBSHOWDUNICON, HidesIcon(*stored));
}

} // namespace setup
