// The about page's animation: a miniature main window in the Small
// Horizontal layout whose lamps light one after another as in a connection
// (all off; CTS and DCD; DSR too; RD; TD instead of RD; both).
#pragma once

#include <array>

#include "display/bitmap.h"
#include "platform/bitmap_resources.h"

namespace display {

constexpr int AboutFrameWidth = 112;
constexpr int AboutFrameHeight = 47;
constexpr int AboutFrameCount = 6;
// Where the layout picture sits in each frame.
constexpr int AboutPictureLeft = 6;
constexpr int AboutPictureTop = 17;

using AboutFrames = std::array<Bitmap, AboutFrameCount>;

// Composes the six frames from the layout picture and the small diamond
// lamps, in the default colours. A picture that does not load is left out;
// the frames then show the bare window.
void ComposeAboutFrames(platform::BitmapResources& resources, AboutFrames& frames);

} // namespace display
