#include "display/recolouring.h"

namespace display {

namespace {

bool IsPanel(Colour c)
{
    auto inside = [](int v) { return v > 150 && v < 240; };
    return inside(RedOf(c)) && inside(GreenOf(c)) && inside(BlueOf(c));
}

bool IsLabel(Colour c) { return RedOf(c) < 100 && GreenOf(c) < 100 && BlueOf(c) > 128; }

} // namespace

void RecolourLayoutPicture(Bitmap& picture, Colour background, Colour text)
{
    for (Colour& c : picture.Pixels) {
        if (IsPanel(c))
            c = background;
        else if (IsLabel(c))
            c = text;
    }
}

void RecolourLampImage(Bitmap& image, Colour on, Colour off, Colour background)
{
    for (Colour& c : image.Pixels) {
        const int r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
        if (r >= 128 && g < 100 && b < 100)
            c = on;
        else if (r < 100 && g < 100 && b >= 128)
            c = background;
        else if (r < 100 && b < 100 && g >= 128)
            c = off;
    }
}

void DrawEtchedSeparator(Bitmap& picture, int row)
{
    picture.FillRect(0, row, picture.Width, 1, EtchShadow);
    picture.FillRect(0, row + 1, picture.Width, 1, EtchLight);
}

} // namespace display
