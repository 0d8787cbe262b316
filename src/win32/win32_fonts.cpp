#include "win32/win32_fonts.h"

namespace win32 {

void Win32Fonts::CreateMemoryDc(HWND window)
{
    memoryDc_.Reset(CreateCompatibleDC(WholeWindowDc(window).Get()));
}

void Win32Fonts::Free()
{
    for (OwnedFont& font : fonts_)
        font.Reset();
    memoryDc_.Reset();
}

void Win32Fonts::Build(platform::FontUse use, const platform::FontParams& p)
{
    fonts_[static_cast<int>(use)].Reset(CreateFontA(p.Height, p.Width, p.Escapement, p.Orientation, p.Weight, p.Italic,
                                                    p.Underline, p.StrikeOut, p.CharSet, p.OutPrecision,
                                                    p.ClipPrecision, p.Quality, p.PitchAndFamily, p.FaceName.c_str()));
}

int32_t Win32Fonts::LogPixelsY()
{
    return GetDeviceCaps(memoryDc_ ? memoryDc_.Get() : WindowDc(nullptr).Get(), LOGPIXELSY);
}

} // namespace win32
