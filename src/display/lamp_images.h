// The lamp images: one on and one off image per lamp family and look, and a
// no-lamp image (an empty, crossed-out socket) for the Modem and title
// families. The images share a colour code that the recolouring relies on.
#pragma once

#include <span>
#include <string_view>

#include "display/bitmap.h"
#include "display/layout_tables.h"

namespace display {

// "LampLook": the look of the Large, Small and Modem families.
enum class LampLook { Diamond = 0, Round = 1, Square = 2 };
// "LampLookTitle": the look of the title family.
enum class TitleLampLook { Flat = 0, Round = 1 };

enum class LampState { On, Off, NoLamp };

// The colour code of every lamp image: LitColour is the lit area of an on
// image, UnlitColour the unlit area of an off image, LampBackground the
// background around the lamp; black and white draw outline, shadow and
// highlight.
constexpr Colour LitColour = Rgb(255, 0, 0);
constexpr Colour UnlitColour = Rgb(0, 255, 0);
constexpr Colour LampBackground = Rgb(0, 0, 255);
constexpr Colour LampBlack = Rgb(0, 0, 0);
constexpr Colour LampWhite = Rgb(255, 255, 255);

struct LampImage {
    LampFamily Family = LampFamily::Large;
    int Look = 0; // a LampLook, or a TitleLampLook for the title family
    LampState State = LampState::On;
    std::string_view Name;
    int Width = 0;
    int Height = 0;
};

// Every lamp image resource.
std::span<const LampImage> LampImages();
// The image for a family, look and state; nullptr for a look the family does
// not have, and for the no-lamp state of the Large and Small families.
const LampImage* FindLampImage(LampFamily family, int look, LampState state);
// Number of looks of a family (3, or 2 for the title family).
int LookCount(LampFamily family);

// The size labels are centred under: that of the family's first look, which
// is the widest and tallest.
struct LampSize {
    int Width = 0;
    int Height = 0;
};
LampSize NominalLampSize(LampFamily family);

} // namespace display
