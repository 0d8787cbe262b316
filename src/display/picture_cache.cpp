#include "display/picture_cache.h"

#include "display/recolouring.h"

namespace display {

namespace {

// Colour settings are 0x00BBGGRR; the top byte is not a colour.
Colour ColourSetting(uint32_t value) { return value & 0x00FFFFFFu; }

std::size_t IndexOf(const LampImage& image) { return static_cast<std::size_t>(&image - LampImages().data()); }

} // namespace

bool LoadPicture(platform::BitmapResources& resources, std::string_view name, Bitmap& into)
{
    int32_t width = 0, height = 0;
    if (!resources.LoadBitmap(name, width, height, into.Pixels))
        return false;
    into.Width = width;
    into.Height = height;
    return true;
}

DisplayPictureCache::DisplayPictureCache(TGVar& g, platform::BitmapResources& resources)
    : g_(g), resources_(resources), images_(LampImages().size())
{
}

void DisplayPictureCache::LoadLayoutPicture(const DisplayLayoutInfo& layout, bool separator)
{
    if (!g_.ReloadPictures && !g_.DisplayResized && pictureLayout_ == layout.Layout)
        return;
    if (!LoadPicture(resources_, layout.Picture, picture_))
        return;
    ++loads_;
    pictureLayout_ = layout.Layout;
    RecolourLayoutPicture(picture_, ColourSetting(g_.BackgroundColor), ColourSetting(g_.TextColor));
    if (separator)
        DrawEtchedSeparator(picture_, SeparatorRow);
}

void DisplayPictureCache::LoadLampImage(const LampImage& image)
{
    Bitmap& slot = images_[IndexOf(image)];
    if (!LoadPicture(resources_, image.Name, slot))
        return;
    ++loads_;
    RecolourLampImage(slot, ColourSetting(g_.LightColorOn), ColourSetting(g_.LightColorOff),
                      ColourSetting(g_.BackgroundColor));
}

int DisplayPictureCache::CurrentLook(LampFamily family) const
{
    // A look the family does not have is taken as the setting's default.
    if (family == LampFamily::Title)
        return g_.LampLookTitle >= 0 && g_.LampLookTitle < LookCount(family) ? g_.LampLookTitle
                                                                            : static_cast<int>(TitleLampLook::Flat);
    return g_.LampLook >= 0 && g_.LampLook < LookCount(family) ? g_.LampLook : static_cast<int>(LampLook::Round);
}

void DisplayPictureCache::LoadFamily(LampFamily family, int look)
{
    for (const LampImage& image : LampImages())
        if (image.Family == family && image.Look == look)
            LoadLampImage(image);
    loadedLook_[static_cast<std::size_t>(family)] = look;
}

void DisplayPictureCache::DrawLamp(Bitmap& target, LampState state, const LampGeometry& geometry, LampFamily family,
                                   int row, int column)
{
    bool& reload = family == LampFamily::Title ? g_.ReloadTitlePictures : g_.ReloadPictures;
    const int look = CurrentLook(family);
    if (reload || loadedLook_[static_cast<std::size_t>(family)] != look) {
        LoadFamily(family, look);
        reload = false;
    }
    if (const LampImage* image = FindLampImage(family, look, state))
        target.Draw(images_[IndexOf(*image)], geometry.X(column), geometry.Y(row));
}

const Bitmap* DisplayPictureCache::LampBitmap(LampFamily family, LampState state) const
{
    const LampImage* image = FindLampImage(family, CurrentLook(family), state);
    if (!image || loadedLook_[static_cast<std::size_t>(family)] != CurrentLook(family))
        return nullptr;
    return &images_[IndexOf(*image)];
}

} // namespace display
