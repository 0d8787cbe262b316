// The lamp panel layouts and title-bar strip layouts: their pictures, lamp
// families, lamp geometry and the signal behind every lamp position. The
// lamp display draws from these tables and the resource generator labels
// the pictures with them, so the two always agree.
#pragma once

#include <span>
#include <string_view>

namespace display {

enum class LampFamily { Large, Small, Modem, Title };

// What lights a lamp position. None marks a position without a lamp (always
// off, drawn with the family's no-lamp image); HighSpeed is the HS lamp.
enum class LampSignal { None, HighSpeed, CTS, RTS, RI, CD, DSR, DTR, TD, RD };

// Places lamp (row, column) with the top-left corner of its image at
// (X0 + column * StepX, Y0 + row * StepY) inside the picture.
struct LampGeometry {
    int X0 = 0;
    int Y0 = 0;
    int StepX = 0;
    int StepY = 0;

    constexpr int X(int column) const { return X0 + column * StepX; }
    constexpr int Y(int row) const { return Y0 + row * StepY; }
};

// One lamp: where it sits, the label printed under it, what lights it.
struct LampPosition {
    int Row = 0;
    int Column = 0;
    std::string_view Label;
    LampSignal Signal = LampSignal::None;
};

// A main-window layout, selected by "NewOrientation" (`DisplayLayout`, 1 to 5).
struct DisplayLayoutInfo {
    int Layout = 0;
    std::string_view Name;    // as offered in the settings dialog
    std::string_view Picture; // picture resource
    int Width = 0;
    int Height = 0;
    LampFamily Family = LampFamily::Large;
    bool Sizeable = false; // sizeable border; otherwise fixed single
    LampGeometry Geometry;
    std::span<const LampPosition> Lamps; // in drawing order
};

std::span<const DisplayLayoutInfo> DisplayLayouts();
// The layout for a positive `DisplayLayout` value; nullptr outside 1 to 5.
const DisplayLayoutInfo* FindDisplayLayout(int layout);

// In the small layouts (3 to 5) an etched separator may cross the picture
// at this row (grey) and the next (white); the pictures keep both rows bare.
constexpr int SeparatorRow = 22;

// A title-bar strip layout, selected by "Orientation Title" (3 to 6).
struct TitleLayoutInfo {
    int Orientation = 0;
    std::string_view Picture;
    int Width = 0;     // of the bitmap
    int UsedWidth = 0; // columns drawn into a caption
    std::span<const LampPosition> Lamps;
};

constexpr int TitleStripHeight = 18;
constexpr LampGeometry TitleLampGeometry{3, 1, 15, 0};

std::span<const TitleLayoutInfo> TitleLayouts();
// The strip for "Orientation Title"; its sign is ignored. nullptr when unknown.
const TitleLayoutInfo* FindTitleLayout(int orientation);

} // namespace display
