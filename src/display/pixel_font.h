// The small pixel font that prints the lamp labels (and the logo's words).
// Its glyph table is pixel art too (resources/font.art):
//
//   height 5
//   glyphs A B space          names: one character each, or "space"
//   .#. ##. ..                one token per glyph on each of `height` rows;
//   ...                       '#' is ink, '.' is paper
//
// Glyphs may differ in width; one paper column separates the glyphs of a
// text. Lower-case letters without a glyph of their own print as capitals,
// other unknown characters as '?'.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "display/bitmap.h"

namespace display {

class PixelFont {
public:
    struct Glyph {
        int Width = 0;
        std::vector<bool> Ink; // Width x height, row by row
    };

    int Height() const { return height_; }
    bool Has(char c) const;
    // Width of a text at a scale (every font pixel as scale x scale pixels).
    int TextWidth(std::string_view text, int scale = 1) const;
    // Draws the ink of a text with its top-left corner at (x, y).
    void DrawText(Bitmap& target, int x, int y, std::string_view text, Colour ink, int scale = 1) const;
    // The text's ink on a transparent bitmap of exactly TextWidth x Height.
    Bitmap Render(std::string_view text, Colour ink, int scale = 1) const;

    friend struct PixelFontParser;

private:
    const Glyph* Find(char c) const;

    int height_ = 0;
    std::array<Glyph, 128> glyphs_{};
    std::array<bool, 128> present_{};
};

struct PixelFontResult {
    PixelFont Font;
    std::string Error; // "source:line: what is wrong"; empty on success
};

PixelFontResult ParsePixelFont(std::string_view text, std::string_view source);

} // namespace display
