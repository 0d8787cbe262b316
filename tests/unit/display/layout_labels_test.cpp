// Every lamp position's label stands under its lamp, and every lamp of every
// look fits its picture. The labels are found in the shipped pictures, not
// recomputed, so a table or placement mistake shows here.
#include <gtest/gtest.h>

#include <algorithm>

#include "display/lamp_images.h"
#include "display/layout_pictures.h"
#include "display/layout_tables.h"
#include "shipped_pictures.h"

using namespace display;

namespace {

struct Strip {
    std::string_view Picture;
    LampFamily Family;
    LampGeometry Geometry;
    std::span<const LampPosition> Lamps;
    int LabelLimit; // the first row a label must not reach
};

std::vector<Strip> AllStrips() {
    std::vector<Strip> strips;
    for (const auto& l : DisplayLayouts())
        strips.push_back({l.Picture, l.Family, l.Geometry, l.Lamps, l.Family == LampFamily::Large ? l.Height : SeparatorRow});
    for (const auto& t : TitleLayouts()) strips.push_back({t.Picture, LampFamily::Title, TitleLampGeometry, t.Lamps, TitleStripHeight});
    return strips;
}

struct Box {
    int Left = 1 << 20, Top = 1 << 20, Right = -1, Bottom = -1; // inclusive
    bool Empty() const { return Right < 0; }
};

// Blue pixels in the lamp's own cell: the columns nearer to its centre than
// to a neighbour's, the rows from its top to the next row of lamps.
Box LabelInk(const Bitmap& picture, const Strip& strip, const LampPosition& lamp, int& inkCount) {
    const LampSize size = NominalLampSize(strip.Family);
    const int centre2 = 2 * strip.Geometry.X(lamp.Column) + size.Width; // twice the centre
    int bottom = picture.Height;
    for (const auto& other : strip.Lamps)
        if (other.Row == lamp.Row + 1) bottom = strip.Geometry.Y(other.Row);
    Box box;
    inkCount = 0;
    for (int y = strip.Geometry.Y(lamp.Row); y < bottom; ++y)
        for (int x = 0; x < picture.Width; ++x) {
            if (std::abs(2 * x + 1 - centre2) >= strip.Geometry.StepX || picture.At(x, y) != LabelColour) continue;
            ++inkCount;
            box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x), std::max(box.Bottom, y)};
        }
    return box;
}

} // namespace

TEST(LayoutLabels, EachLabelIsItsTextCentredUnderItsLamp) {
    const PixelFont& font = shipped::Pictures().Font();
    for (const Strip& strip : AllStrips()) {
        const Bitmap& picture = shipped::Pictures().Find(strip.Picture)->Image;
        int allInk = 0, labelInk = 0;
        for (const auto& lamp : strip.Lamps) {
            SCOPED_TRACE(std::string(strip.Picture) + " " + std::string(lamp.Label));
            int count = 0;
            const Box box = LabelInk(picture, strip, lamp, count);
            ASSERT_FALSE(box.Empty());
            allInk += count;

            // The ink is exactly the label text from the glyph table.
            const Bitmap text = font.Render(lamp.Label, LabelColour, LabelScale(strip.Family));
            ASSERT_EQ(box.Right - box.Left + 1, text.Width);
            ASSERT_EQ(box.Bottom - box.Top + 1, text.Height);
            for (int y = 0; y < text.Height; ++y)
                for (int x = 0; x < text.Width; ++x) {
                    const bool ink = text.At(x, y) == LabelColour;
                    labelInk += ink;
                    ASSERT_EQ(picture.At(box.Left + x, box.Top + y) == LabelColour, ink) << x << "," << y;
                }

            // Centred under the lamp of every look, below it and above the limit.
            for (int look = 0; look < LookCount(strip.Family); ++look) {
                const LampImage* image = FindLampImage(strip.Family, look, LampState::On);
                const int lampCentre2 = 2 * strip.Geometry.X(lamp.Column) + image->Width;
                EXPECT_LE(std::abs(box.Left + box.Right + 1 - lampCentre2), 2) << "look " << look;
                EXPECT_GE(box.Top, strip.Geometry.Y(lamp.Row) + image->Height) << "look " << look;
            }
            EXPECT_LT(box.Bottom, strip.LabelLimit);
        }
        EXPECT_EQ(allInk, labelInk) << strip.Picture << ": a label reaches into a neighbour's cell";
        EXPECT_EQ(static_cast<long>(std::count(picture.Pixels.begin(), picture.Pixels.end(), LabelColour)), allInk)
            << strip.Picture << ": blue pixels outside the labels";
    }
}

TEST(LayoutLabels, LampsOfEveryLookFitTheirPicture) {
    for (const Strip& strip : AllStrips()) {
        const Bitmap& picture = shipped::Pictures().Find(strip.Picture)->Image;
        int usedWidth = picture.Width;
        for (const auto& title : TitleLayouts())
            if (title.Picture == strip.Picture) usedWidth = title.UsedWidth;
        for (const auto& image : LampImages()) {
            if (image.Family != strip.Family) continue;
            for (const auto& lamp : strip.Lamps) {
                const int x = strip.Geometry.X(lamp.Column), y = strip.Geometry.Y(lamp.Row);
                EXPECT_TRUE(x >= 0 && x + image.Width <= usedWidth) << strip.Picture << " " << image.Name << " " << lamp.Label;
                EXPECT_TRUE(y >= 0 && y + image.Height <= strip.LabelLimit) << strip.Picture << " " << image.Name << " " << lamp.Label;
            }
        }
    }
}

TEST(LayoutLabels, OnlyTheCourierHasPositionsWithoutALamp) {
    for (const auto& layout : DisplayLayouts()) {
        std::vector<int> none;
        for (const auto& lamp : layout.Lamps)
            if (lamp.Signal == LampSignal::None) none.push_back(lamp.Column);
        const std::vector<int> expected = layout.Layout == 5 ? std::vector<int>{3, 10, 11} : std::vector<int>{};
        EXPECT_EQ(none, expected) << layout.Name;
        // A position without a lamp needs the family's no-lamp image.
        if (!none.empty()) {
            EXPECT_NE(FindLampImage(layout.Family, 0, LampState::NoLamp), nullptr);
        }
    }
    EXPECT_EQ(FindTitleLayout(-5), FindTitleLayout(5));
    EXPECT_EQ(FindTitleLayout(2), nullptr);
    EXPECT_EQ(FindDisplayLayout(0), nullptr);
    EXPECT_EQ(FindDisplayLayout(-1), nullptr);
}
