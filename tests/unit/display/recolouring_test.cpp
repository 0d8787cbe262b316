// The colour rules at their thresholds: a picture drawn or dithered a
// little off the pure colours still recolours, and nothing else does.
#include <gtest/gtest.h>

#include "display/recolouring.h"

using namespace display;

namespace {

constexpr Colour Bg = Rgb(1, 2, 3);
constexpr Colour Txt = Rgb(4, 5, 6);
constexpr Colour On = Rgb(7, 8, 9);
constexpr Colour Off = Rgb(10, 11, 12);

struct Case {
    Colour in;
    Colour out;
};

template <typename Recolour>
void Check(const std::vector<Case>& cases, Recolour recolour)
{
    Bitmap picture(static_cast<int>(cases.size()), 1);
    for (size_t i = 0; i < cases.size(); ++i)
        picture.Pixels[i] = cases[i].in;
    recolour(picture);
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(picture.Pixels[i], cases[i].out)
            << "(" << RedOf(cases[i].in) << "," << GreenOf(cases[i].in) << "," << BlueOf(cases[i].in) << ")";
}

TEST(Recolouring, LayoutPicturePanelAndLabels)
{
    Check({{Rgb(192, 192, 192), Bg},
           {Rgb(151, 239, 151), Bg},
           {Rgb(150, 192, 192), Rgb(150, 192, 192)},
           {Rgb(192, 240, 192), Rgb(192, 240, 192)},
           {Rgb(192, 192, 255), Rgb(192, 192, 255)},
           {Rgb(0, 0, 255), Txt},
           {Rgb(99, 99, 129), Txt},
           {Rgb(100, 0, 255), Rgb(100, 0, 255)},
           {Rgb(0, 100, 255), Rgb(0, 100, 255)},
           {Rgb(0, 0, 128), Rgb(0, 0, 128)},
           {Rgb(0, 0, 0), Rgb(0, 0, 0)},
           {Rgb(255, 255, 255), Rgb(255, 255, 255)},
           {Rgb(128, 128, 128), Rgb(128, 128, 128)}},
          [](Bitmap& b) { RecolourLayoutPicture(b, Bg, Txt); });
}

TEST(Recolouring, LampImageCodeColours)
{
    Check({{Rgb(255, 0, 0), On},
           {Rgb(128, 99, 99), On},
           {Rgb(127, 0, 0), Rgb(127, 0, 0)},
           {Rgb(255, 100, 0), Rgb(255, 100, 0)},
           {Rgb(0, 255, 0), Off},
           {Rgb(99, 128, 99), Off},
           {Rgb(0, 127, 0), Rgb(0, 127, 0)},
           {Rgb(0, 0, 255), Bg},
           {Rgb(99, 99, 128), Bg},
           {Rgb(0, 100, 255), Rgb(0, 100, 255)},
           {Rgb(0, 0, 0), Rgb(0, 0, 0)},
           {Rgb(255, 255, 255), Rgb(255, 255, 255)},
           {Rgb(255, 255, 0), Rgb(255, 255, 0)}},
          [](Bitmap& b) { RecolourLampImage(b, On, Off, Bg); });
}

TEST(Recolouring, EtchedSeparatorCrossesTheWholeWidth)
{
    Bitmap picture(5, 4, Rgb(192, 192, 192));
    DrawEtchedSeparator(picture, 2);
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(picture.At(x, 1), Rgb(192, 192, 192));
        EXPECT_EQ(picture.At(x, 2), Rgb(128, 128, 128));
        EXPECT_EQ(picture.At(x, 3), Rgb(255, 255, 255));
    }
}

} // namespace
