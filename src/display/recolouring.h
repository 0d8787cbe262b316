// The colour rules that turn the shipped pictures into the user's colours.
// They run only when a picture is (re)loaded, never on an ordinary paint:
// each one reads and writes every pixel.
#pragma once

#include "display/bitmap.h"

namespace display {

// A layout picture or title strip: panel pixels (red, green and blue each
// above 150 and below 240) become `background`; label pixels (red and green
// below 100, blue above 128) become `text`. Everything else stays.
void RecolourLayoutPicture(Bitmap& picture, Colour background, Colour text);

// A lamp image: the lit area (red at least 128, green and blue below 100)
// becomes `on`, the unlit area (red and blue below 100, green at least 128)
// `off`, the surround (red and green below 100, blue at least 128)
// `background`. Outline, shadow and highlight stay.
void RecolourLampImage(Bitmap& image, Colour on, Colour off, Colour background);

// The etched line across the whole width that separates the lamps from
// the text lines or the graph: a grey row and a white row below it.
constexpr Colour EtchShadow = Rgb(128, 128, 128);
constexpr Colour EtchLight = Rgb(255, 255, 255);
void DrawEtchedSeparator(Bitmap& picture, int row);

} // namespace display
