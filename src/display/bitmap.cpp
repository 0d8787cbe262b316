#include "display/bitmap.h"

#include <algorithm>

namespace display {

Bitmap::Bitmap(int width, int height, Colour fill) {
    if (!PictureFits(width, height)) return;
    Pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
    Width = width;
    Height = height;
}

void Bitmap::Set(int x, int y, Colour c) {
    if (Contains(x, y)) Pixels[static_cast<size_t>(y) * Width + x] = c;
}

void Bitmap::FillRect(int x, int y, int width, int height, Colour c) {
    for (int row = std::max(y, 0); row < std::min(y + height, Height); ++row)
        for (int col = std::max(x, 0); col < std::min(x + width, Width); ++col)
            Pixels[static_cast<size_t>(row) * Width + col] = c;
}

void Bitmap::FillEllipse(double cx, double cy, double rx, double ry, Colour c) {
    if (rx <= 0 || ry <= 0) return;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) Set(x, y, c);
        }
}

void Bitmap::Draw(const Bitmap& source, int x, int y) {
    for (int row = 0; row < source.Height; ++row)
        for (int col = 0; col < source.Width; ++col) {
            const Colour c = source.At(col, row);
            if (c != TransparentPixel) Set(x + col, y + row, c);
        }
}

Bitmap Bitmap::Scaled(int scale) const {
    Bitmap out(Width * scale, Height * scale);
    for (int y = 0; y < out.Height; ++y)
        for (int x = 0; x < out.Width; ++x) out.Pixels[static_cast<size_t>(y) * out.Width + x] = At(x / scale, y / scale);
    return out;
}

std::vector<Colour> ColoursOf(const Bitmap& bitmap) {
    std::vector<Colour> colours;
    for (Colour c : bitmap.Pixels)
        if (std::find(colours.begin(), colours.end(), c) == colours.end()) colours.push_back(c);
    return colours;
}

} // namespace display
