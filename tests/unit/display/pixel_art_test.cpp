#include <gtest/gtest.h>

#include "display/lamp_images.h"
#include "display/pixel_art.h"

using namespace display;

namespace {

constexpr std::string_view Palette =
    "colour . 0 0 255 background\n"
    "colour k 0 0 0\n"
    "colour o lamp\n"
    "colour - transparent\n";

} // namespace

TEST(PixelArt, LampBecomesOnAndOffImages) {
    const auto result = ParsePixelArt(std::string(Palette) +
                                          "// a lamp\n"
                                          "lamp T 3x2\r\n"
                                          "  .o.\n"
                                          "\n"
                                          "kok   \n",
                                      "t.art");
    ASSERT_EQ(result.Error, "");
    ASSERT_EQ(result.Pictures.size(), 2u);
    const Picture& on = result.Pictures[0];
    const Picture& off = result.Pictures[1];
    EXPECT_EQ(on.Name, "LIGHTON_T");
    EXPECT_EQ(off.Name, "LIGHTOFF_T");
    EXPECT_EQ(on.Kind, PictureKind::Bitmap);
    ASSERT_EQ(on.Image.Width, 3);
    ASSERT_EQ(on.Image.Height, 2);
    EXPECT_EQ(on.Image.At(1, 0), LitColour);
    EXPECT_EQ(off.Image.At(1, 1), UnlitColour);
    EXPECT_EQ(on.Image.At(0, 0), Rgb(0, 0, 255));
    EXPECT_EQ(off.Image.At(2, 1), Rgb(0, 0, 0));
}

TEST(PixelArt, IconKeepsTransparentPixels) {
    const auto result = ParsePixelArt(std::string(Palette) + "icon I 2x1\n-k\npicture P 1x1\n.\n", "t.art");
    ASSERT_EQ(result.Error, "");
    ASSERT_EQ(result.Pictures.size(), 2u);
    EXPECT_EQ(result.Pictures[0].Kind, PictureKind::Icon);
    EXPECT_EQ(result.Pictures[0].Image.At(0, 0), TransparentPixel);
    EXPECT_EQ(result.Pictures[1].Kind, PictureKind::Bitmap);
}

TEST(PixelArt, MistakesNameFileAndLine) {
    const struct {
        std::string body;
        std::string error;
    } cases[] = {
        {"picture P 3x1\n..\n", "t.art:6: row is 2 pixels wide, 'P' is 3"},
        {"picture P 2x2\n..\n", "t.art:6: 'P' ends after 1 of 2 rows"},
        {"picture P 2x1\n.x\n", "t.art:6: symbol 'x' is not in the palette"},
        {"picture P 1x1\no\n", "t.art:6: lamp symbol 'o' outside a lamp"},
        {"picture P 1x1\n-\n", "t.art:6: transparent symbol '-' outside an icon"},
        {"lamp L 1x1\n.\n", "t.art:6: lamp 'L' has no lamp area"},
        {"picture P 1x1\n.\npicture P 1x1\n.\n", "t.art:7: picture 'P' is defined twice"},
        {"picture LIGHTOFF_L 1x1\n.\nlamp L 1x1\no\n", "t.art:7: picture 'LIGHTON_L' is defined twice"},
        {"picture P 0x1\n", "t.art:5: expected: picture <name> <width>x<height>"},
        {"picture P\n", "t.art:5: expected: picture <name> <width>x<height>"},
        {"colour . 1 2 3\n", "t.art:5: symbol '.' is already in the palette"},
        {"colour x 1 2 256\n", "t.art:5: a colour needs red, green and blue from 0 to 255"},
        {"colour xy 1 2 3\n", "t.art:5: expected: colour <symbol> <red> <green> <blue> | lamp | transparent"},
        {"bitmap P 1x1\n", "t.art:5: unknown keyword 'bitmap'"},
    };
    for (const auto& c : cases) {
        const auto result = ParsePixelArt(std::string(Palette) + c.body, "t.art");
        EXPECT_EQ(result.Error, c.error) << c.body;
        EXPECT_TRUE(result.Pictures.empty()) << c.body;
    }
}
