#include <gtest/gtest.h>

#include "display/pixel_font.h"

using namespace display;

namespace {

constexpr std::string_view Font =
    "// two glyphs and a question mark\n"
    "height 2\n"
    "glyphs A space ?\n"
    "#.# .. #\n"
    "### .. .\n";

PixelFont Parse(std::string_view text) {
    auto result = ParsePixelFont(text, "f.art");
    EXPECT_EQ(result.Error, "");
    return result.Font;
}

constexpr Colour Ink = Rgb(0, 0, 255);

} // namespace

TEST(PixelFont, WidthsAddOneColumnBetweenGlyphs) {
    const PixelFont font = Parse(Font);
    EXPECT_EQ(font.Height(), 2);
    EXPECT_EQ(font.TextWidth(""), 0);
    EXPECT_EQ(font.TextWidth("A"), 3);
    EXPECT_EQ(font.TextWidth("A A"), 3 + 1 + 2 + 1 + 3);
    EXPECT_EQ(font.TextWidth("AA", 2), 14);
}

TEST(PixelFont, RendersInkOnly) {
    const PixelFont font = Parse(Font);
    const Bitmap text = font.Render("AA", Ink, 2);
    ASSERT_EQ(text.Width, 14);
    ASSERT_EQ(text.Height, 4);
    // First glyph: ink in columns 0-1 and 4-5 of the top half, everywhere below.
    EXPECT_EQ(text.At(1, 1), Ink);
    EXPECT_EQ(text.At(2, 1), TransparentPixel);
    EXPECT_EQ(text.At(3, 3), Ink);
    // The spacing column between the glyphs stays paper.
    EXPECT_EQ(text.At(6, 3), TransparentPixel);
    EXPECT_EQ(text.At(8, 0), Ink);
}

TEST(PixelFont, LowerCasePrintsAsCapitalsAndUnknownAsQuestionMark) {
    const PixelFont font = Parse(Font);
    EXPECT_EQ(font.Render("a", Ink), font.Render("A", Ink));
    EXPECT_EQ(font.Render("Z", Ink), font.Render("?", Ink));
    EXPECT_EQ(font.Render("\xE9", Ink), font.Render("?", Ink));
}

TEST(PixelFont, MistakesNameFileAndLine) {
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {"glyphs A\n#\n", "f.art:1: glyphs before the height"},
        {"height 1\nheight 1\n", "f.art:2: expected one line: height <rows>"},
        {"height 1\nglyphs A B\n#\n", "f.art:3: row has 1 glyphs, expected 2"},
        {"height 2\nglyphs A\n#\n", "f.art:3: glyph rows end early"},
        {"height 2\nglyphs A\n#\n##\n", "f.art:4: glyph 'A' changes width"},
        {"height 1\nglyphs A\nx\n", "f.art:3: glyph pixel 'x' is neither '#' nor '.'"},
        {"height 1\nglyphs A A\n# #\n", "f.art:2: glyph 'A' is defined twice"},
        {"height 1\nglyphs AB\n#\n", "f.art:2: glyph name 'AB' is not one character"},
        {"// nothing\n", "f.art:1: no glyphs"},
    };
    for (const auto& c : cases) EXPECT_EQ(ParsePixelFont(c.text, "f.art").Error, c.error) << c.text;
}
