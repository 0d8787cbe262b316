// The display's pictures: the current layout picture, recoloured to the
// user's colours, which the lamps are drawn into; and the recoloured lamp
// images. Both are loaded only on request (`ReloadPictures`,
// `DisplayResized`, `ReloadTitlePictures`), because recolouring touches
// every pixel; an ordinary paint only copies lamp images into the picture.
#pragma once

#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "settings/settings.h"
#include "display/bitmap.h"
#include "display/lamp_images.h"
#include "display/layout_tables.h"
#include "platform/bitmap_resources.h"

namespace display {

// Loads a bitmap resource into `into`; false (and `into` as it was) when it
// does not load.
bool LoadPicture(platform::BitmapResources& resources, std::string_view name, Bitmap& into);

// Room for the lamps of any layout's table (Courier's 12 are the most), and
// for the rectangles of the lamps a paint draws.
inline constexpr std::size_t MaxLayoutLamps = 16;
using LampRects = std::array<PixelRect, MaxLayoutLamps>;

// The lamp states last drawn into a picture, by the lamp's place in its
// layout's table, so that a paint draws only the lamps that changed.
class DrawnLamps {
public:
    // The picture or the lamp images were loaded anew: every lamp is drawn
    // again.
    void Forget() { count_ = 0; }
    // Whether lamp i must be drawn in `state`; notes it as drawn.
    bool Changed(std::size_t i, LampState state);

private:
    std::array<LampState, MaxLayoutLamps> states_{};
    std::size_t count_ = 0; // lamps 0 to count_ - 1 are known
};

class DisplayPictureCache {
public:
    DisplayPictureCache(TGVar& g, platform::BitmapResources& resources);

    // Loads and recolours the layout's picture when `ReloadPictures` or
    // `DisplayResized` is set or the picture of this layout is not the one
    // loaded; with `separator` the etched line is drawn across it. A picture
    // that does not load leaves the previous one in place. True when it
    // loaded the picture anew.
    bool LoadLayoutPicture(const DisplayLayoutInfo& layout, bool separator);
    // The picture of the last LoadLayoutPicture, with the lamps drawn so far.
    Bitmap& Picture() { return picture_; }

    // Loads the image and recolours it with the lamp and background colours.
    void LoadLampImage(const LampImage& image);

    // Copies into target the image of each lamp whose state differs from
    // the one `drawn` notes, and gives the rectangles drawn (up to
    // rects.size()) and the count of lamps drawn. A reload request
    // (`ReloadPictures`; `ReloadTitlePictures` for the title family) or a
    // new look first reloads the family's images, and every lamp is drawn.
    // The high-speed lamp is drawn off first, then on when it is.
    std::size_t DrawChangedLamps(Bitmap& target, std::span<const LampPosition> lamps, const LampGeometry& geometry,
                                 LampFamily family, DrawnLamps& drawn, std::span<PixelRect> rects);

    // The loaded image of a family's current look; nullptr before it loaded.
    const Bitmap* LampBitmap(LampFamily family, LampState state) const;

    // Times a picture or lamp image was loaded and recoloured.
    int Loads() const { return loads_; }

private:
    int CurrentLook(LampFamily family) const;
    // Loads the family's images when asked to or when its look changed;
    // true when it did.
    bool PrepareFamily(LampFamily family, int look);
    void LoadFamily(LampFamily family, int look);

    TGVar& g_;
    platform::BitmapResources& resources_;
    Bitmap picture_;
    int pictureLayout_ = 0;                // 0: none loaded yet
    std::vector<Bitmap> images_;           // by index of LampImages()
    std::array<int, 4> loadedLook_{-1, -1, -1, -1}; // by family; -1: none loaded yet
    int loads_ = 0;
};

} // namespace display
