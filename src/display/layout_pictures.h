// Composes the layout pictures and title-bar strips: a grey panel with each
// lamp's label printed in blue under the lamp's position. The lamps
// themselves are drawn over the picture at paint time.
#pragma once

#include <span>

#include "display/bitmap.h"
#include "display/layout_tables.h"
#include "display/pixel_font.h"

namespace display {

constexpr Colour PanelColour = Rgb(192, 192, 192);
constexpr Colour LabelColour = Rgb(0, 0, 255);

// Where a label's ink box lies in its picture.
struct LabelBox {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
};

// Labels of the Large family print at twice the font's size.
int LabelScale(LampFamily family);

// The label of `lamp`, centred under the lamp's column and centred in the
// height between the lamp's bottom and the next row of lamps (or `bottom`).
LabelBox PlaceLabel(const PixelFont& font, LampFamily family, const LampGeometry& geometry,
                    std::span<const LampPosition> lamps, const LampPosition& lamp, int bottom);

// The lowest row + 1 a label of the layout may use.
int LabelBottom(const DisplayLayoutInfo& layout);

Bitmap ComposeLayoutPicture(const DisplayLayoutInfo& layout, const PixelFont& font);
Bitmap ComposeTitlePicture(const TitleLayoutInfo& layout, const PixelFont& font);

} // namespace display
