// A picture as the display logic composes it: 32-bit pixels in the Windows
// colour layout 0x00BBGGRR, row by row from the top.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace display {

using Colour = uint32_t;

constexpr Colour Rgb(int r, int g, int b) {
    return static_cast<Colour>(r & 0xFF) | static_cast<Colour>(g & 0xFF) << 8 | static_cast<Colour>(b & 0xFF) << 16;
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>(c >> 8 & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>(c >> 16 & 0xFF); }

// Icons have see-through pixels; no Windows colour value has the top byte set.
constexpr Colour TransparentPixel = 0xFF000000u;

// The most pixels a picture may hold (4096 x 4096, 64 MB): a larger one,
// which only a hand-edited window size asks for, stays empty. The product
// is taken in 64 bits, so no size wraps it in the 32-bit program.
constexpr int64_t MaxPicturePixels = int64_t{1} << 24;
constexpr bool PictureFits(int width, int height)
{
    return width >= 0 && height >= 0 && int64_t{width} * height <= MaxPicturePixels;
}

// A rectangle of a picture's pixels.
struct PixelRect {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
};

struct Bitmap {
    int Width = 0;
    int Height = 0;
    std::vector<Colour> Pixels;

    Bitmap() = default;
    // Empty when the size does not fit.
    Bitmap(int width, int height, Colour fill = 0);

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
    Colour At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
    // Drawing clips: pixels outside the bitmap are left out.
    void Set(int x, int y, Colour c);
    void FillRect(int x, int y, int width, int height, Colour c);
    // Pixels whose centre lies inside the ellipse with centre (cx, cy) and radii rx, ry.
    void FillEllipse(double cx, double cy, double rx, double ry, Colour c);
    // Copies source to (x, y); transparent source pixels leave the target as it is.
    void Draw(const Bitmap& source, int x, int y);
    // Every pixel as scale x scale pixels.
    Bitmap Scaled(int scale) const;

    friend bool operator==(const Bitmap&, const Bitmap&) = default;
};

// The distinct colours of a bitmap in the order they first appear.
std::vector<Colour> ColoursOf(const Bitmap& bitmap);

} // namespace display
