// Puts a composed picture on a device context: the picture's pixels
// (0x00BBGGRR, top row first) become a bottom-up 32-bit DIB, the form every
// Windows version takes. The buffer is kept, so a repaint of the same size
// allocates nothing. Used by the lamp display, the graph views and the
// title-bar strip.
#pragma once

#include <cstdint>
#include <vector>

#include <windows.h>

#include "display/bitmap.h"
#include "platform/foreground_window.h"

namespace win32 {

// The header of a bottom-up 32-bit DIB (negative height: top-down).
BITMAPINFO Rgb32Format(int width, int height);
// A pixel between the pictures' 0x00BBGGRR and a DIB's 0x00RRGGBB (either way).
constexpr uint32_t SwapRedBlue(uint32_t c) { return (c >> 16 & 0xFF) | (c & 0xFF00) | (c & 0xFF) << 16; }

class DibBlitter {
public:
    // At (x, y), pixel for pixel.
    void Draw(HDC dc, int x, int y, const display::Bitmap& picture);
    void Draw(HDC dc, int x, int y, const platform::PixelImage& picture);
    // Only `part` of the picture, to where it lies with the picture at (x, y).
    void Draw(HDC dc, int x, int y, const display::Bitmap& picture, const display::PixelRect& part);
    // The left sourceWidth columns of the image into the rectangle (x, y,
    // width, height), stretched.
    void Stretch(HDC dc, int x, int y, int width, int height, const platform::PixelImage& image, int sourceWidth);

private:
    // Rows of `stride` pixels; the first width of each are converted.
    const BITMAPINFO& Convert(const uint32_t* pixels, int stride, int width, int height);

    std::vector<uint32_t> dib_;
    BITMAPINFO format_{};
};

} // namespace win32
