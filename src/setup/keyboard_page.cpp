#include "setup/keyboard_page.h"

#include "resource_ids.h"

namespace setup {

namespace {

// The items "Off", "NumLock", "CapsLock", "ScrollLock" store no key or the
// lock key's virtual-key code.
constexpr int32_t LockKeys[] = {0, 144, 20, 145};

constexpr Binding Bindings[] = {
    bind::Radio(IDC_KEYBOARDCD, &TGVar::KeyboardLights_CD, LockKeys),
    bind::Radio(IDC_KEYBOARDRD, &TGVar::KeyboardLights_RD, LockKeys),
    bind::Radio(IDC_KEYBOARDTD, &TGVar::KeyboardLights_TD, LockKeys),
};

} // namespace

KeyboardPageModel::KeyboardPageModel(SetupContext& ctx) : PageModel(ctx, Bindings) {}

} // namespace setup
