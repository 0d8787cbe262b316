#include "display/logo.h"

#include <string_view>

namespace display {

namespace {

constexpr Colour Black = Rgb(0, 0, 0);
constexpr Colour White = Rgb(255, 255, 255);
constexpr Colour Silver = Rgb(192, 192, 192);
constexpr Colour Grey = Rgb(128, 128, 128);
constexpr Colour LampRed = Rgb(255, 0, 0);
constexpr Colour LampDark = Rgb(96, 0, 0);
constexpr Colour LabelBlue = Rgb(0, 0, 255);

void CentredText(Bitmap& logo, const PixelFont& font, int y, std::string_view text, Colour ink, int scale,
                 Colour shadow, int shadowOffset) {
    const int x = (logo.Width - font.TextWidth(text, scale)) / 2;
    if (shadowOffset) font.DrawText(logo, x + shadowOffset, y + shadowOffset, text, shadow, scale);
    font.DrawText(logo, x, y, text, ink, scale);
}

// A raised front panel: black outline, white top and left edges, grey bottom
// and right edges, silver face.
void Panel(Bitmap& logo, int x, int y, int width, int height) {
    logo.FillRect(x, y, width, height, Black);
    logo.FillRect(x + 1, y + 1, width - 2, height - 2, White);
    logo.FillRect(x + 2, y + 2, width - 3, height - 3, Grey);
    logo.FillRect(x + 2, y + 2, width - 4, height - 4, Silver);
}

void Lamp(Bitmap& logo, int cx, int cy, bool lit) {
    logo.FillEllipse(cx, cy, 9, 9, Black);
    logo.FillEllipse(cx, cy, 8, 8, lit ? LampRed : LampDark);
    if (lit) logo.FillEllipse(cx - 3, cy - 3, 2.2, 2.2, White);
}

} // namespace

Bitmap ComposeLogo(const PixelFont& font) {
    Bitmap logo(LogoWidth, LogoHeight);
    // Night-blue backdrop, lighter towards the top.
    constexpr int Bands = 16;
    for (int band = 0; band < Bands; ++band) {
        const int top = band * LogoHeight / Bands;
        const int bottom = (band + 1) * LogoHeight / Bands;
        logo.FillRect(0, top, LogoWidth, bottom - top, Rgb(0, 24 - band, 112 - band * 5));
    }
    logo.FillRect(0, 0, LogoWidth, 1, Grey);
    logo.FillRect(0, 0, 1, LogoHeight, Grey);
    logo.FillRect(0, LogoHeight - 1, LogoWidth, 1, Black);
    logo.FillRect(LogoWidth - 1, 0, 1, LogoHeight, Black);

    CentredText(logo, font, 24, "BLINKERY", White, 6, Black, 3);
    CentredText(logo, font, 68, "MODEM MONITOR", Rgb(255, 255, 0), 2, Black, 1);

    // A modem front panel with a row of lamps, some of them lit.
    constexpr std::string_view Labels[] = {"HS", "AA", "CD", "OH", "RD", "SD", "TR", "MR"};
    constexpr bool Lit[] = {true, false, true, true, true, false, true, true};
    constexpr int Count = 8, Step = 34, PanelX = 21, PanelY = 100, PanelWidth = 280, PanelHeight = 66;
    Panel(logo, PanelX, PanelY, PanelWidth, PanelHeight);
    const int firstX = PanelX + (PanelWidth - (Count - 1) * Step) / 2;
    for (int i = 0; i < Count; ++i) {
        const int cx = firstX + i * Step;
        Lamp(logo, cx, PanelY + 22, Lit[i]);
        const int width = font.TextWidth(Labels[i], 2);
        font.DrawText(logo, cx - width / 2, PanelY + 40, Labels[i], LabelBlue, 2);
    }

    CentredText(logo, font, 188, "FOR WINDOWS 95 98 ME", Silver, 2, Black, 1);
    CentredText(logo, font, 206, "NT 4 AND 2000", Silver, 2, Black, 1);
    return logo;
}

} // namespace display
