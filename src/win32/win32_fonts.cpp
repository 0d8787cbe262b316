#include "win32/win32_fonts.h"

namespace win32 {

void Win32Fonts::CreateMemoryDc(HWND window)
{
    Unmeasure();
    memoryDc_.Reset(CreateCompatibleDC(WholeWindowDc(window).Get()));
}

void Win32Fonts::Free()
{
    Unmeasure();
    for (OwnedFont& font : fonts_)
        font.Reset();
    memoryDc_.Reset();
}

void Win32Fonts::Build(platform::FontUse use, const platform::FontParams& p)
{
    if (measuringFont_ && measuringFont_ == Font(use))
        Unmeasure(); // out of the DC before it is deleted
    fonts_[static_cast<int>(use)].Reset(CreateFontA(p.Height, p.Width, p.Escapement, p.Orientation, p.Weight, p.Italic,
                                                    p.Underline, p.StrikeOut, p.CharSet, p.OutPrecision,
                                                    p.ClipPrecision, p.Quality, p.PitchAndFamily, p.FaceName.c_str()));
}

void Win32Fonts::Unmeasure()
{
    measuring_.reset();
    measuringFont_ = nullptr;
}

HDC Win32Fonts::MeasuringDc(platform::FontUse use)
{
    if (!memoryDc_)
        return nullptr;
    const HFONT built = Font(use);
    const HGDIOBJ font = built ? built : GetStockObject(SYSTEM_FONT);
    if (font != measuringFont_) {
        Unmeasure();
        measuring_.emplace(memoryDc_.Get(), font);
        measuringFont_ = font;
    }
    return memoryDc_.Get();
}

int32_t Win32Fonts::LogPixelsY()
{
    return GetDeviceCaps(memoryDc_ ? memoryDc_.Get() : WindowDc(nullptr).Get(), LOGPIXELSY);
}

} // namespace win32
