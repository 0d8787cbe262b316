// The display font and the title-bar font on Win32, with the memory device
// context whose LOGPIXELSY converts their sizes; all freed here. The lamp
// display's window and the caption strip select the fonts from here.
#pragma once

#include <optional>

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
    // The memory DC with the font for `use` selected (the system font while
    // none is built), for measuring text; null before the DC is made. The
    // font stays selected there: selecting a font into a paint's DC costs
    // more than the paint's drawing under Wine.
    HDC MeasuringDc(platform::FontUse use);

private:
    // The memory DC's own font back.
    void Unmeasure();

    OwnedMemoryDc memoryDc_;
    OwnedFont fonts_[2];
    std::optional<SelectedObject> measuring_; // last: leaves the DC before the fonts and the DC go
    HGDIOBJ measuringFont_ = nullptr;
};

} // namespace win32
