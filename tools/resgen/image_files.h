// Windows bitmap and icon files as the resource compiler embeds them.
#pragma once

#include <string>

#include "display/bitmap.h"

namespace resgen {

// An 8-bit palette bitmap (a palette of the colours used), or 24-bit when a
// picture has more than 256 colours. Bottom-up rows, as Windows 95 reads them.
// compressed: an 8-bit picture's rows run-length encoded (BI_RLE8), for a
// picture the program loads as a device bitmap, not as a DIB section.
std::string BmpFile(const display::Bitmap& bitmap, bool compressed = false);

// A one-image icon: 4 bits per pixel when 16 colours suffice, else 8, with
// transparent pixels in the AND mask (and black in the colour image).
std::string IcoFile(const display::Bitmap& icon);

// The pixels as text, for comparing with what a program loads: one line per
// row, six hex digits (RRGGBB) per pixel, "......" for a transparent one.
std::string PixelRows(const display::Bitmap& bitmap);

} // namespace resgen
