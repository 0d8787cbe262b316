// One picture showing every picture at 1x and 4x with its name.
#pragma once

#include "display/bitmap.h"
#include "display/picture_library.h"

namespace resgen {

display::Bitmap ContactSheet(const display::PictureLibrary& library);

} // namespace resgen
