#include "display/pixel_font.h"

#include <cctype>

#include "display/art_lines.h"

namespace display {

namespace {

constexpr int Spacing = 1;

int Index(char c) { return static_cast<unsigned char>(c) < 128 ? c : -1; }

} // namespace

bool PixelFont::Has(char c) const {
    const int i = Index(c);
    return i >= 0 && present_[i];
}

const PixelFont::Glyph* PixelFont::Find(char c) const {
    if (Has(c)) return &glyphs_[Index(c)];
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (Has(upper)) return &glyphs_[Index(upper)];
    if (Has('?')) return &glyphs_['?'];
    return nullptr;
}

int PixelFont::TextWidth(std::string_view text, int scale) const {
    int width = 0;
    for (char c : text)
        if (const Glyph* glyph = Find(c)) width += (width ? Spacing : 0) + glyph->Width;
    return width * scale;
}

void PixelFont::DrawText(Bitmap& target, int x, int y, std::string_view text, Colour ink, int scale) const {
    bool first = true;
    for (char c : text) {
        const Glyph* glyph = Find(c);
        if (!glyph) continue;
        if (!first) x += Spacing * scale;
        first = false;
        for (int row = 0; row < height_; ++row)
            for (int col = 0; col < glyph->Width; ++col)
                if (glyph->Ink[static_cast<size_t>(row) * glyph->Width + col])
                    target.FillRect(x + col * scale, y + row * scale, scale, scale, ink);
        x += glyph->Width * scale;
    }
}

Bitmap PixelFont::Render(std::string_view text, Colour ink, int scale) const {
    Bitmap out(TextWidth(text, scale), height_ * scale, TransparentPixel);
    DrawText(out, 0, 0, text, ink, scale);
    return out;
}

struct PixelFontParser {
    static PixelFontResult Parse(std::string_view text, std::string_view source) {
        PixelFontResult result;
        PixelFont& font = result.Font;
        ArtLines lines(text, source);
        std::string_view line;
        auto fail = [&](std::string_view message) {
            result.Font = PixelFont{};
            result.Error = lines.Where(message);
            return result;
        };
        while (lines.Next(line)) {
            auto words = SplitWords(line);
            if (words[0] == "height") {
                if (font.height_ || words.size() != 2 || !ParseNumber(words[1], 1, 64, font.height_))
                    return fail("expected one line: height <rows>");
                continue;
            }
            if (words[0] != "glyphs") return fail("unknown keyword '" + std::string(words[0]) + "'");
            if (!font.height_) return fail("glyphs before the height");
            if (words.size() < 2) return fail("expected: glyphs <character>...");
            std::vector<char> chars;
            for (size_t i = 1; i < words.size(); ++i) {
                const char c = words[i] == "space" ? ' ' : words[i].size() == 1 ? words[i][0] : '\0';
                if (Index(c) <= 0) return fail("glyph name '" + std::string(words[i]) + "' is not one character");
                if (font.present_[Index(c)]) return fail("glyph '" + std::string(words[i]) + "' is defined twice");
                font.present_[Index(c)] = true;
                font.glyphs_[Index(c)] = {};
                chars.push_back(c);
            }
            for (int row = 0; row < font.height_; ++row) {
                if (!lines.Next(line)) return fail("glyph rows end early");
                const auto tokens = SplitWords(line);
                if (tokens.size() != chars.size())
                    return fail("row has " + std::to_string(tokens.size()) + " glyphs, expected " + std::to_string(chars.size()));
                for (size_t i = 0; i < chars.size(); ++i) {
                    PixelFont::Glyph& glyph = font.glyphs_[Index(chars[i])];
                    if (row == 0) glyph.Width = static_cast<int>(tokens[i].size());
                    if (static_cast<int>(tokens[i].size()) != glyph.Width)
                        return fail(std::string("glyph '") + chars[i] + "' changes width");
                    for (char p : tokens[i]) {
                        if (p != '#' && p != '.') return fail(std::string("glyph pixel '") + p + "' is neither '#' nor '.'");
                        glyph.Ink.push_back(p == '#');
                    }
                }
            }
        }
        if (!font.height_) return fail("no glyphs");
        return result;
    }
};

PixelFontResult ParsePixelFont(std::string_view text, std::string_view source) {
    return PixelFontParser::Parse(text, source);
}

} // namespace display
