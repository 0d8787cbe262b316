// The display font and the title-bar font on Win32, with the memory device
// context whose LOGPIXELSY converts their sizes; all freed here. The lamp
// display's window and the caption strip select the fonts from here.
#pragma once

#include <windows.h>

#include "platform/fonts.h"
#include "win32/handles.h"

namespace win32 {

class Win32Fonts final : public platform::FontFactory {
public:
    // The memory DC compatible with the window's.
    void CreateMemoryDc(HWND window);
    // The fonts and the memory DC, before the window goes.
    void Free();

    void Build(platform::FontUse use, const platform::FontParams& params) override;
    // The screen's until the memory DC is made.
    int32_t LogPixelsY() override;
    // The font built for `use`; null before.
    HFONT Font(platform::FontUse use) const { return fonts_[static_cast<int>(use)].Get(); }

private:
    OwnedMemoryDc memoryDc_;
    OwnedFont fonts_[2];
};

} // namespace win32
