#include "contact_sheet.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "display/layout_tables.h"
#include "display/logo.h"

namespace resgen {

namespace {

using display::Bitmap;
using display::Picture;
using display::PictureKind;
using display::Rgb;

constexpr int SheetWidth = 1400;
constexpr int Margin = 16;
constexpr int Gap = 8;
constexpr int NameScale = 2;
constexpr auto Paper = Rgb(255, 255, 255);
constexpr auto Ink = Rgb(0, 0, 0);
// Icons are shown on a light and on a dark task bar.
constexpr auto LightBar = Rgb(192, 192, 192);
constexpr auto DarkBar = Rgb(24, 24, 40);

Bitmap OnBackground(const Bitmap& image, display::Colour background) {
    Bitmap out(image.Width, image.Height, background);
    out.Draw(image, 0, 0);
    return out;
}

// A cell: the name above the images, side by side.
Bitmap Cell(const display::PixelFont& font, const Picture& picture) {
    std::vector<Bitmap> images;
    if (picture.Kind == PictureKind::Icon) {
        for (auto background : {LightBar, DarkBar}) {
            const Bitmap shown = OnBackground(picture.Image, background);
            images.push_back(shown);
            images.push_back(shown.Scaled(4));
        }
    } else {
        images.push_back(picture.Image);
        images.push_back(picture.Image.Scaled(4));
    }
    const int nameHeight = font.Height() * NameScale;
    int width = font.TextWidth(picture.Name, NameScale), height = 0, imagesWidth = -Gap;
    for (const auto& image : images) {
        imagesWidth += image.Width + Gap;
        height = std::max(height, image.Height);
    }
    Bitmap cell(std::max(width, imagesWidth), nameHeight + Gap + height, Paper);
    font.DrawText(cell, 0, 0, picture.Name, Ink, NameScale);
    int x = 0;
    for (const auto& image : images) {
        cell.Draw(image, x, nameHeight + Gap);
        x += image.Width + Gap;
    }
    return cell;
}

// Layout pictures and strips first, then lamps, icons and the logo.
int Group(const Picture& picture) {
    for (const auto& layout : display::DisplayLayouts())
        if (layout.Picture == picture.Name) return 0;
    for (const auto& title : display::TitleLayouts())
        if (title.Picture == picture.Name) return 1;
    if (picture.Name == display::LogoPictureName) return 4;
    return picture.Kind == PictureKind::Icon ? 3 : 2;
}

} // namespace

Bitmap ContactSheet(const display::PictureLibrary& library) {
    std::vector<const Picture*> order;
    for (const auto& picture : library.Pictures()) order.push_back(&picture);
    std::stable_sort(order.begin(), order.end(), [](const Picture* a, const Picture* b) { return Group(*a) < Group(*b); });

    struct Placed {
        Bitmap Cell;
        int X, Y;
    };
    std::vector<Placed> placed;
    int x = Margin, y = Margin, rowHeight = 0, group = 0, width = 0;
    for (const Picture* picture : order) {
        Bitmap cell = Cell(library.Font(), *picture);
        const bool newGroup = Group(*picture) != group;
        if (x > Margin && (newGroup || x + cell.Width > SheetWidth - Margin)) {
            x = Margin;
            y += rowHeight + Margin * (newGroup ? 2 : 1);
            rowHeight = 0;
        }
        group = Group(*picture);
        width = std::max(width, x + cell.Width + Margin);
        rowHeight = std::max(rowHeight, cell.Height);
        placed.push_back({std::move(cell), x, y});
        x += placed.back().Cell.Width + Margin * 2;
    }
    Bitmap sheet(std::max(width, SheetWidth), y + rowHeight + Margin, Paper);
    for (const auto& p : placed) sheet.Draw(p.Cell, p.X, p.Y);
    return sheet;
}

} // namespace resgen
