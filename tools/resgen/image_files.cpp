#include "image_files.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace resgen {

namespace {

using display::Bitmap;
using display::Colour;

void Put16(std::string& out, uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8 & 0xFF);
}
void Put32(std::string& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutInfoHeader(std::string& out, int width, int height, int bits, uint32_t imageSize, uint32_t coloursUsed,
                   uint32_t compression = 0 /* BI_RGB */) {
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(bits));
    Put32(out, compression);
    Put32(out, imageSize);
    Put32(out, 2835); // 72 dpi
    Put32(out, 2835);
    Put32(out, coloursUsed);
    Put32(out, 0);
}

void PutPalette(std::string& out, const std::vector<Colour>& palette, size_t entries) {
    for (size_t i = 0; i < entries; ++i) {
        const Colour c = i < palette.size() ? palette[i] : 0;
        out += static_cast<char>(display::BlueOf(c));
        out += static_cast<char>(display::GreenOf(c));
        out += static_cast<char>(display::RedOf(c));
        out += '\0';
    }
}

int RowBytes(int width, int bits) { return (width * bits + 31) / 32 * 4; }

size_t IndexOf(const std::vector<Colour>& palette, Colour c) {
    return static_cast<size_t>(std::find(palette.begin(), palette.end(), c) - palette.begin());
}

// Colour rows, bottom-up, at 4, 8 or 24 bits per pixel.
std::string PixelData(const Bitmap& bitmap, const std::vector<Colour>& palette, int bits) {
    std::string data;
    const int rowBytes = RowBytes(bitmap.Width, bits);
    for (int y = bitmap.Height - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(rowBytes), '\0');
        for (int x = 0; x < bitmap.Width; ++x) {
            const Colour c = bitmap.At(x, y);
            if (bits == 24) {
                row[x * 3] = static_cast<char>(display::BlueOf(c));
                row[x * 3 + 1] = static_cast<char>(display::GreenOf(c));
                row[x * 3 + 2] = static_cast<char>(display::RedOf(c));
            } else if (bits == 8) {
                row[x] = static_cast<char>(IndexOf(palette, c));
            } else {
                const size_t index = IndexOf(palette, c);
                row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 ? index : index << 4));
            }
        }
        data += row;
    }
    return data;
}

// 8-bit rows (bottom-up, each padded to 4 bytes) run-length encoded as
// BI_RLE8: a run of one index as (count, index); three or more differing
// indices as (0, count, indices...) padded to an even length; (0, 0) ends
// a row and (0, 1) the picture.
std::string Rle8(const std::string& rows, int width, int height) {
    const size_t rowBytes = static_cast<size_t>(RowBytes(width, 8));
    std::string out;
    for (int y = 0; y < height; ++y) {
        const char* row = rows.data() + static_cast<size_t>(y) * rowBytes;
        const size_t n = static_cast<size_t>(width);
        auto runAt = [&](size_t i) {
            size_t r = 1;
            while (i + r < n && r < 255 && row[i + r] == row[i]) ++r;
            return r;
        };
        for (size_t i = 0; i < n;) {
            size_t run = runAt(i);
            if (run >= 2) {
                out += static_cast<char>(run);
                out += row[i];
                i += run;
                continue;
            }
            size_t literal = 1;
            while (i + literal < n && literal < 255 && runAt(i + literal) < 2) ++literal;
            if (literal < 3) {
                for (size_t k = 0; k < literal; ++k) {
                    out += '\1';
                    out += row[i + k];
                }
            } else {
                out += '\0';
                out += static_cast<char>(literal);
                out.append(row + i, literal);
                if (literal % 2) out += '\0';
            }
            i += literal;
        }
        out += std::string(y + 1 < height ? "\0\0" : "\0\1", 2);
    }
    return out;
}

} // namespace

std::string BmpFile(const Bitmap& bitmap, bool compressed) {
    const std::vector<Colour> palette = display::ColoursOf(bitmap);
    const int bits = palette.size() <= 256 ? 8 : 24;
    const size_t entries = bits == 8 ? palette.size() : 0;
    const bool rle = compressed && bits == 8;
    std::string pixels = PixelData(bitmap, palette, bits);
    if (rle) pixels = Rle8(pixels, bitmap.Width, bitmap.Height);
    const uint32_t offset = 14 + 40 + static_cast<uint32_t>(entries) * 4;

    std::string out = "BM";
    Put32(out, offset + static_cast<uint32_t>(pixels.size()));
    Put32(out, 0);
    Put32(out, offset);
    PutInfoHeader(out, bitmap.Width, bitmap.Height, bits, static_cast<uint32_t>(pixels.size()), static_cast<uint32_t>(entries),
                  rle ? 1 /* BI_RLE8 */ : 0);
    PutPalette(out, palette, entries);
    return out + pixels;
}

std::string IcoFile(const Bitmap& icon) {
    // Black first: transparent pixels are black (index 0) in the colour image.
    std::vector<Colour> palette{display::Rgb(0, 0, 0)};
    for (Colour c : display::ColoursOf(icon))
        if (c != display::TransparentPixel && IndexOf(palette, c) == palette.size()) palette.push_back(c);
    if (palette.size() > 256) throw std::runtime_error("an icon has more than 256 colours");
    const int bits = palette.size() <= 16 ? 4 : 8;
    const size_t entries = size_t{1} << bits;

    Bitmap colours = icon;
    for (Colour& c : colours.Pixels)
        if (c == display::TransparentPixel) c = palette[0];
    const std::string xorBits = PixelData(colours, palette, bits);

    std::string andBits;
    const int maskRow = RowBytes(icon.Width, 1);
    for (int y = icon.Height - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(maskRow), '\0');
        for (int x = 0; x < icon.Width; ++x)
            if (icon.At(x, y) == display::TransparentPixel) row[x / 8] = static_cast<char>(row[x / 8] | 0x80 >> (x % 8));
        andBits += row;
    }

    std::string image;
    PutInfoHeader(image, icon.Width, icon.Height * 2, bits, static_cast<uint32_t>(xorBits.size() + andBits.size()), 0);
    PutPalette(image, palette, entries);
    image += xorBits + andBits;

    std::string out;
    Put16(out, 0);
    Put16(out, 1); // icon
    Put16(out, 1); // one image
    out += static_cast<char>(icon.Width);
    out += static_cast<char>(icon.Height);
    out += static_cast<char>(bits == 4 ? 16 : 0);
    out += '\0';
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(bits));
    Put32(out, static_cast<uint32_t>(image.size()));
    Put32(out, 22);
    return out + image;
}

std::string PixelRows(const Bitmap& bitmap) {
    static const char Hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(static_cast<size_t>(bitmap.Width * 6 + 1) * bitmap.Height);
    for (int y = 0; y < bitmap.Height; ++y) {
        for (int x = 0; x < bitmap.Width; ++x) {
            const Colour c = bitmap.At(x, y);
            if (c == display::TransparentPixel) {
                out += "......";
                continue;
            }
            for (int v : {display::RedOf(c), display::GreenOf(c), display::BlueOf(c)}) {
                out += Hex[v >> 4];
                out += Hex[v & 15];
            }
        }
        out += '\n';
    }
    return out;
}

} // namespace resgen
