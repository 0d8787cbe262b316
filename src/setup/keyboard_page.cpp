#include "setup/keyboard_page.h"

#include "resource_ids.h"

namespace setup {

namespace {

// The items "Off", "NumLock", "CapsLock", "ScrollLock" store no key or the
// lock key's virtual-key code.
constexpr int32_t LockKeys[] = {0, 144, 20, 145};

} // namespace

void KeyboardPageModel::Fill()
{
    TGVar& g = ctx_.G;
    FillRadio(IDC_KEYBOARDCD, g.KeyboardLights_CD, LockKeys);
    FillRadio(IDC_KEYBOARDRD, g.KeyboardLights_RD, LockKeys);
    FillRadio(IDC_KEYBOARDTD, g.KeyboardLights_TD, LockKeys);
}

bool KeyboardPageModel::Clicked(int id)
{
    static constexpr Handler<KeyboardPageModel> handlers[] = {
        {IDC_KEYBOARDCD, &KeyboardPageModel::KeyboardLights_CDClick},
        {IDC_KEYBOARDRD, &KeyboardPageModel::KeyboardLights_RDClick},
        {IDC_KEYBOARDTD, &KeyboardPageModel::KeyboardLights_TDClick},
    };
    return Dispatch<KeyboardPageModel>(*this, handlers, id);
}

void KeyboardPageModel::KeyboardLights_CDClick() { TakeRadio(IDC_KEYBOARDCD, LockKeys, ctx_.G.KeyboardLights_CD); }
void KeyboardPageModel::KeyboardLights_RDClick() { TakeRadio(IDC_KEYBOARDRD, LockKeys, ctx_.G.KeyboardLights_RD); }
void KeyboardPageModel::KeyboardLights_TDClick() { TakeRadio(IDC_KEYBOARDTD, LockKeys, ctx_.G.KeyboardLights_TD); }

} // namespace setup
