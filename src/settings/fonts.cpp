#include "settings/fonts.h"

#include <cstdlib>

namespace {

// MulDiv: the product over the divisor, rounded half away from zero.
int32_t MulDiv(int32_t number, int32_t numerator, int32_t denominator)
{
    if (denominator == 0)
        return -1;
    int64_t product = static_cast<int64_t>(number) * numerator;
    int64_t half = std::llabs(denominator) / 2;
    int64_t result = (product >= 0) == (denominator > 0) ? (std::llabs(product) + half) / std::llabs(denominator)
                                                          : -((std::llabs(product) + half) / std::llabs(denominator));
    return static_cast<int32_t>(result);
}

} // namespace

platform::FontParams GdiFontParams(const TFont& font, int32_t logPixelsY)
{
    platform::FontParams p;
    p.Height = font.Size < 0 ? font.Size : MulDiv(font.Size, logPixelsY, 72);
    p.Weight = font.Bold ? 700 : 400;
    p.Italic = font.Italic ? 1 : 0;
    p.Underline = font.Underline ? 1 : 0;
    p.StrikeOut = font.StrikeOut ? 1 : 0;
    p.FaceName = font.Name;
    return p;
}

void BuildGdiFont(const TFont& font, platform::FontUse use, platform::FontFactory& fonts)
{
    fonts.Build(use, GdiFontParams(font, fonts.LogPixelsY()));
}

void BuildGdiFonts(TGVar& g, platform::FontFactory& fonts)
{
    BuildGdiFont(g.DisplayFont, platform::FontUse::Display, fonts);
    BuildGdiFont(g.TitleFont, platform::FontUse::Title, fonts);
}

void DefaultTitleBarFont(TGVar& g, platform::SystemInfo& system, platform::FontFactory& fonts, bool colours)
{
    platform::CaptionFont caption = system.GetCaptionFont();
    g.TitleFont.Name = caption.FaceName;
    g.TitleFont.Size = caption.Height;
    if (caption.Weight >= 700)
        g.TitleFont.Bold = true;
    if (caption.Italic)
        g.TitleFont.Italic = true;
    if (caption.Underline)
        g.TitleFont.Underline = true;
    if (caption.StrikeOut)
        g.TitleFont.StrikeOut = true;
    if (colours) {
        g.TitleFont.Color = static_cast<int32_t>(system.CaptionTextColour());
        g.FontTitlebarBackgroundColor = system.ActiveCaptionColour();
    }
    g.ReloadPictures = true;
    BuildGdiFont(g.TitleFont, platform::FontUse::Title, fonts);
}
