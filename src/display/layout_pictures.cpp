#include "display/layout_pictures.h"

#include "display/lamp_images.h"

namespace display {

namespace {

// Division rounding towards minus infinity, for centring a label wider than its lamp.
int FloorHalf(int value) { return value >= 0 ? value / 2 : -((1 - value) / 2); }

void DrawLabels(Bitmap& picture, const PixelFont& font, LampFamily family, const LampGeometry& geometry,
                std::span<const LampPosition> lamps, int bottom) {
    for (const auto& lamp : lamps) {
        const LabelBox box = PlaceLabel(font, family, geometry, lamps, lamp, bottom);
        font.DrawText(picture, box.X, box.Y, lamp.Label, LabelColour, LabelScale(family));
    }
}

} // namespace

int LabelScale(LampFamily family) { return family == LampFamily::Large ? 2 : 1; }

LabelBox PlaceLabel(const PixelFont& font, LampFamily family, const LampGeometry& geometry,
                    std::span<const LampPosition> lamps, const LampPosition& lamp, int bottom) {
    const LampSize size = NominalLampSize(family);
    const int scale = LabelScale(family);
    const int lampBottom = geometry.Y(lamp.Row) + size.Height;
    int limit = bottom;
    for (const auto& other : lamps)
        if (other.Row == lamp.Row + 1 && other.Column == lamp.Column) limit = geometry.Y(other.Row);

    LabelBox box;
    box.Width = font.TextWidth(lamp.Label, scale);
    box.Height = font.Height() * scale;
    box.X = geometry.X(lamp.Column) + FloorHalf(size.Width - box.Width);
    box.Y = lampBottom + FloorHalf(limit - lampBottom - box.Height);
    return box;
}

int LabelBottom(const DisplayLayoutInfo& layout) {
    return layout.Family == LampFamily::Large ? layout.Height : SeparatorRow;
}

Bitmap ComposeLayoutPicture(const DisplayLayoutInfo& layout, const PixelFont& font) {
    Bitmap picture(layout.Width, layout.Height, PanelColour);
    DrawLabels(picture, font, layout.Family, layout.Geometry, layout.Lamps, LabelBottom(layout));
    return picture;
}

Bitmap ComposeTitlePicture(const TitleLayoutInfo& layout, const PixelFont& font) {
    Bitmap picture(layout.Width, TitleStripHeight, PanelColour);
    DrawLabels(picture, font, LampFamily::Title, TitleLampGeometry, layout.Lamps, TitleStripHeight);
    return picture;
}

} // namespace display
