// The start-up logo: composed from simple shapes and the pixel font.
#pragma once

#include <string_view>

#include "display/bitmap.h"
#include "display/pixel_font.h"

namespace display {

constexpr std::string_view LogoPictureName = "LOGO";
constexpr int LogoWidth = 322;
constexpr int LogoHeight = 240;

Bitmap ComposeLogo(const PixelFont& font);

} // namespace display
