// Parser of the pixel-art files under resources/. A file declares its
// palette, then its pictures as rows of palette symbols:
//
//   colour . 0 0 255 background      a symbol and its red, green, blue
//   colour o lamp lit area           red in the on image, green in the off image
//   colour - transparent             see-through (icons only)
//   picture NAME 12x7                a bitmap: 7 rows of 12 symbols follow
//   icon NAME 16x16                  an icon: may use transparent symbols
//   lamp SUFFIX 12x7                 a lamp: becomes LIGHTON_SUFFIX and
//                                    LIGHTOFF_SUFFIX
//
// Lines starting with "//" are comments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "display/bitmap.h"

namespace display {

enum class PictureKind { Bitmap, Icon };

struct Picture {
    std::string Name;
    PictureKind Kind = PictureKind::Bitmap;
    Bitmap Image;
};

struct PixelArtResult {
    std::vector<Picture> Pictures;
    std::string Error; // "source:line: what is wrong"; empty on success
};

// `source` names the text in error messages.
PixelArtResult ParsePixelArt(std::string_view text, std::string_view source);

} // namespace display
