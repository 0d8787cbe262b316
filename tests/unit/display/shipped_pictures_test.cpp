// The pictures Blinkery ships: names, sizes and the colour rules the
// recolouring relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <set>

#include "display/lamp_images.h"
#include "display/layout_pictures.h"
#include "display/layout_tables.h"
#include "display/logo.h"
#include "shipped_pictures.h"

using namespace display;

namespace {

const Picture& Get(std::string_view name) {
    const Picture* picture = shipped::Pictures().Find(name);
    if (!picture) throw std::runtime_error("missing picture " + std::string(name));
    return *picture;
}

bool Uses(const Bitmap& bitmap, Colour c) {
    return std::find(bitmap.Pixels.begin(), bitmap.Pixels.end(), c) != bitmap.Pixels.end();
}

std::set<Colour> ColourSet(const Bitmap& bitmap) {
    const auto colours = ColoursOf(bitmap);
    return {colours.begin(), colours.end()};
}

} // namespace

TEST(ShippedPictures, LayoutPicturesAreGreyPanelsWithBlueLabels) {
    for (const auto& layout : DisplayLayouts()) {
        const Bitmap& picture = Get(layout.Picture).Image;
        EXPECT_EQ(picture.Width, layout.Width) << layout.Picture;
        EXPECT_EQ(picture.Height, layout.Height) << layout.Picture;
        EXPECT_EQ(ColourSet(picture), (std::set<Colour>{Rgb(192, 192, 192), Rgb(0, 0, 255)})) << layout.Picture;
    }
    for (const auto& title : TitleLayouts()) {
        const Bitmap& picture = Get(title.Picture).Image;
        EXPECT_EQ(picture.Width, title.Width) << title.Picture;
        EXPECT_EQ(picture.Height, 18) << title.Picture;
        EXPECT_EQ(ColourSet(picture), (std::set<Colour>{Rgb(192, 192, 192), Rgb(0, 0, 255)})) << title.Picture;
    }
    EXPECT_EQ(Get("TITLE22").Image.Width, 189);
}

TEST(ShippedPictures, SeparatorRowsOfTheSmallLayoutsStayPanelGrey) {
    for (int layout : {3, 4, 5}) {
        const Bitmap& picture = Get(FindDisplayLayout(layout)->Picture).Image;
        for (int y : {22, 23})
            for (int x = 0; x < picture.Width; ++x)
                ASSERT_EQ(picture.At(x, y), Rgb(192, 192, 192)) << "layout " << layout << " at " << x << "," << y;
    }
}

TEST(ShippedPictures, LampImagesFollowTheColourCode) {
    const std::set<Colour> code{LitColour, UnlitColour, LampBackground, LampBlack, LampWhite};
    for (const auto& image : LampImages()) {
        SCOPED_TRACE(std::string(image.Name));
        const Picture& picture = Get(image.Name);
        EXPECT_EQ(picture.Kind, PictureKind::Bitmap);
        ASSERT_EQ(picture.Image.Width, image.Width);
        ASSERT_EQ(picture.Image.Height, image.Height);
        for (Colour c : ColourSet(picture.Image)) EXPECT_TRUE(code.count(c)) << std::hex << c;
        EXPECT_EQ(Uses(picture.Image, LitColour), image.State == LampState::On);
        EXPECT_EQ(Uses(picture.Image, UnlitColour), image.State == LampState::Off);
        if (image.State == LampState::NoLamp) {
            EXPECT_TRUE(Uses(picture.Image, LampBlack));
            EXPECT_TRUE(Uses(picture.Image, LampBackground));
        }
    }
}

TEST(ShippedPictures, OffImageIsTheOnImageUnlit) {
    for (const auto& image : LampImages()) {
        if (image.State != LampState::On) continue;
        Bitmap unlit = Get(image.Name).Image;
        std::replace(unlit.Pixels.begin(), unlit.Pixels.end(), LitColour, UnlitColour);
        const LampImage* off = FindLampImage(image.Family, image.Look, LampState::Off);
        ASSERT_NE(off, nullptr);
        EXPECT_EQ(unlit, Get(off->Name).Image) << image.Name;
    }
}

TEST(ShippedPictures, LooksDiffer) {
    for (auto family : {LampFamily::Large, LampFamily::Small, LampFamily::Modem, LampFamily::Title})
        for (auto state : {LampState::On, LampState::Off, LampState::NoLamp})
            for (int a = 0; a < LookCount(family); ++a)
                for (int b = a + 1; b < LookCount(family); ++b) {
                    const LampImage* first = FindLampImage(family, a, state);
                    const LampImage* second = FindLampImage(family, b, state);
                    if (!first) continue;
                    ASSERT_NE(second, nullptr);
                    EXPECT_NE(Get(first->Name).Image, Get(second->Name).Image) << first->Name << " " << second->Name;
                }
}

TEST(ShippedPictures, TrayIconsAreDistinctAndReadableOnLightAndDarkTaskBars) {
    // Luminance, 0 to 255.
    auto luma = [](Colour c) { return (RedOf(c) * 30 + GreenOf(c) * 59 + BlueOf(c) * 11) / 100; };
    std::set<std::vector<Colour>> seen;
    for (std::string_view name : TrayIconNames()) {
        SCOPED_TRACE(std::string(name));
        const Picture& icon = Get(name);
        EXPECT_EQ(icon.Kind, PictureKind::Icon);
        ASSERT_EQ(icon.Image.Width, 16);
        ASSERT_EQ(icon.Image.Height, 16);
        EXPECT_TRUE(seen.insert(icon.Image.Pixels).second);
        int opaque = 0, onLight = 0, onDark = 0;
        for (Colour c : icon.Image.Pixels) {
            if (c == TransparentPixel) continue;
            ++opaque;
            onLight += std::abs(luma(c) - luma(Rgb(192, 192, 192))) >= 80;
            onDark += std::abs(luma(c) - luma(Rgb(0, 0, 64))) >= 80;
        }
        EXPECT_GT(opaque, 0);
        EXPECT_LT(opaque, 256) << "no pixel lets the task bar through";
        EXPECT_GE(onLight * 4, opaque) << "too little stands out on a light task bar";
        EXPECT_GE(onDark * 4, opaque) << "too little stands out on a dark task bar";
    }
    EXPECT_EQ(seen.size(), 8u);
}

TEST(ShippedPictures, TrayIconFollowsConnectionAndActivity) {
    const struct {
        bool connected, receiving, transmitting;
        std::string_view name;
    } cases[] = {
        {true, false, false, "MODEM1"},     {true, true, false, "MODEM2"},      {true, false, true, "MODEM3"},
        {true, true, true, "MODEM4"},       {false, false, false, "MODEM1_NC"}, {false, true, false, "MODEM2_NC"},
        {false, false, true, "MODEM3_NC"}, {false, true, true, "MODEM4_NC"},
    };
    for (const auto& c : cases) EXPECT_EQ(TrayIconName(c.connected, c.receiving, c.transmitting), c.name);
}

TEST(ShippedPictures, LogoIsAPaletteBitmapOfItsSize) {
    const Picture& logo = Get(LogoPictureName);
    EXPECT_EQ(logo.Kind, PictureKind::Bitmap);
    EXPECT_EQ(logo.Image.Width, 322);
    EXPECT_EQ(logo.Image.Height, 240);
    EXPECT_LE(ColoursOf(logo.Image).size(), 256u) << "the logo must fit a 256-colour palette";
}

TEST(ShippedPictures, NamesMatchWithoutRegardToCase) {
    EXPECT_EQ(shipped::Pictures().Find("lighton_modem_d"), shipped::Pictures().Find("LIGHTON_Modem_D"));
    EXPECT_NE(shipped::Pictures().Find("LightOn_Modem_D"), nullptr);
    EXPECT_EQ(shipped::Pictures().Find("LIGHTON_Modem"), nullptr);
}

// blinkery.rc must embed every picture, under its name, from the file resgen
// writes for it, and nothing else.
TEST(ShippedPictures, ResourceScriptEmbedsEveryPicture) {
    const std::string script = shipped::ReadFile(shipped::SourceRoot() / "resources" / "blinkery.rc");
    std::set<std::string> embedded, expected;
    std::istringstream lines(script);
    std::string text;
    while (std::getline(lines, text)) {
        std::istringstream words(text);
        std::string name, type, file;
        if (!(words >> name >> type >> file) || (type != "BITMAP" && type != "ICON")) continue;
        std::transform(name.begin(), name.end(), name.begin(), ::toupper);
        EXPECT_TRUE(embedded.insert(name + " " + type + " " + file).second) << name;
    }
    for (const auto& picture : shipped::Pictures().Pictures()) {
        std::string name = picture.Name;
        std::transform(name.begin(), name.end(), name.begin(), ::toupper);
        const bool icon = picture.Kind == PictureKind::Icon;
        expected.insert(name + (icon ? " ICON \"" : " BITMAP \"") + picture.Name + (icon ? ".ico\"" : ".bmp\""));
    }
    EXPECT_EQ(embedded, expected);
}
