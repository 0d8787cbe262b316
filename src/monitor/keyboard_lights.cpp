#include "monitor/keyboard_lights.h"

namespace monitor {

namespace {

// A setting names a key by its virtual-key code; 0 is off. A value outside
// the table (a hand-edited file) is off too, never an index past its end.
void Show(platform::KeyTable& keys, int32_t key, bool lit)
{
    if (key > 0 && key < static_cast<int32_t>(keys.size()))
        keys[static_cast<size_t>(key)] = lit ? 1 : 0;
}

} // namespace

void TKeyboardLights::UpdateKeyboardLights()
{
    const TGVar& g = g_;
    if (g.OsKind != OsWin9x || !g.RepaintRequested)
        return;
    if (g.KeyboardLights_CD == 0 && g.KeyboardLights_RD == 0 && g.KeyboardLights_TD == 0)
        return;
    if (!keyboard_.Read(keys_))
        return;
    read_ = keys_;
    // In this order, so that the later setting wins a shared key.
    Show(keys_, g.KeyboardLights_CD, g.ModemSignals.CD);
    Show(keys_, g.KeyboardLights_RD, g.ModemSignals.RD);
    Show(keys_, g.KeyboardLights_TD, g.ModemSignals.TD);
    for (uint8_t key : {VkNumLock, VkCapsLock, VkScrollLock}) {
        if (keys_[key] != read_[key]) {
            keyboard_.Write(keys_);
            return;
        }
    }
}

} // namespace monitor
