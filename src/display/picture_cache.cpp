#include "display/picture_cache.h"

#include <algorithm>

#include "display/lamp_signals.h"
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

bool DisplayPictureCache::LoadLayoutPicture(const DisplayLayoutInfo& layout, bool separator)
{
    if (!g_.ReloadPictures && !g_.DisplayResized && pictureLayout_ == layout.Layout)
        return false;
    if (!LoadPicture(resources_, layout.Picture, picture_))
        return false;
    ++loads_;
    pictureLayout_ = layout.Layout;
    RecolourLayoutPicture(picture_, ColourSetting(g_.BackgroundColor), ColourSetting(g_.TextColor));
    if (separator)
        DrawEtchedSeparator(picture_, SeparatorRow);
    return true;
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

bool DrawnLamps::Changed(std::size_t i, LampState state)
{
    if (i >= states_.size())
        return true;
    if (i < count_ && states_[i] == state)
        return false;
    if (i >= count_) {
        // Lamps are met in table order; one first met is drawn.
        count_ = i + 1;
    }
    states_[i] = state;
    return true;
}

bool DisplayPictureCache::PrepareFamily(LampFamily family, int look)
{
    bool& reload = family == LampFamily::Title ? g_.ReloadTitlePictures : g_.ReloadPictures;
    if (!reload && loadedLook_[static_cast<std::size_t>(family)] == look)
        return false;
    LoadFamily(family, look);
    reload = false;
    return true;
}

std::size_t DisplayPictureCache::DrawChangedLamps(Bitmap& target, std::span<const LampPosition> lamps,
                                                  const LampGeometry& geometry, LampFamily family, DrawnLamps& drawn,
                                                  std::span<PixelRect> rects)
{
    const int look = CurrentLook(family);
    if (PrepareFamily(family, look))
        drawn.Forget();
    std::size_t count = 0;
    for (std::size_t i = 0; i < lamps.size(); ++i) {
        const LampPosition& lamp = lamps[i];
        const LampState state = LampStateOf(lamp.Signal, g_);
        if (!drawn.Changed(i, state))
            continue;
        PixelRect rect{geometry.X(lamp.Column), geometry.Y(lamp.Row), 0, 0};
        const auto draw = [&](LampState shown) {
            const LampImage* image = FindLampImage(family, look, shown);
            if (!image)
                return;
            const Bitmap& bitmap = images_[IndexOf(*image)];
            target.Draw(bitmap, rect.X, rect.Y);
            rect.Width = std::max(rect.Width, bitmap.Width);
            rect.Height = std::max(rect.Height, bitmap.Height);
        };
        if (lamp.Signal == LampSignal::HighSpeed)
            draw(LampState::Off);
        if (lamp.Signal != LampSignal::HighSpeed || state != LampState::Off)
            draw(state);
        if (count < rects.size())
            rects[count] = rect;
        ++count;
    }
    return count;
}

const Bitmap* DisplayPictureCache::LampBitmap(LampFamily family, LampState state) const
{
    const LampImage* image = FindLampImage(family, CurrentLook(family), state);
    if (!image || loadedLook_[static_cast<std::size_t>(family)] != CurrentLook(family))
        return nullptr;
    return &images_[IndexOf(*image)];
}

} // namespace display
