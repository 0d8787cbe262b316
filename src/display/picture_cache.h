// The display's pictures: the current layout picture, recoloured to the
// user's colours, which the lamps are drawn into; and the recoloured lamp
// images. Both are loaded only on request (`ReloadPictures`,
// `DisplayResized`, `ReloadTitlePictures`), because recolouring touches
// every pixel; an ordinary paint only copies lamp images into the picture.
#pragma once

#include <array>
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

class DisplayPictureCache {
public:
    DisplayPictureCache(TGVar& g, platform::BitmapResources& resources);

    // Loads and recolours the layout's picture when `ReloadPictures` or
    // `DisplayResized` is set or the picture of this layout is not the one
    // loaded; with `separator` the etched line is drawn across it. A picture
    // that does not load leaves the previous one in place.
    void LoadLayoutPicture(const DisplayLayoutInfo& layout, bool separator);
    // The picture of the last LoadLayoutPicture, with the lamps drawn so far.
    Bitmap& Picture() { return picture_; }

    // Loads the image and recolours it with the lamp and background colours.
    void LoadLampImage(const LampImage& image);

    // Copies the lamp image for `state` to the geometry's place for (row,
    // column) in target. The first lamp of a family drawn after a reload
    // request (`ReloadPictures`; `ReloadTitlePictures` for the title family)
    // reloads that family's images in the current look and clears the flag.
    void DrawLamp(Bitmap& target, LampState state, const LampGeometry& geometry, LampFamily family, int row,
                  int column);

    // The loaded image of a family's current look; nullptr before it loaded.
    const Bitmap* LampBitmap(LampFamily family, LampState state) const;

    // Times a picture or lamp image was loaded and recoloured.
    int Loads() const { return loads_; }

private:
    int CurrentLook(LampFamily family) const;
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
