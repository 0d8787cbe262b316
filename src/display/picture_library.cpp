#include "display/picture_library.h"

#include <algorithm>
#include <cctype>

#include "display/lamp_images.h"
#include "display/layout_pictures.h"
#include "display/layout_tables.h"
#include "display/logo.h"

namespace display {

namespace {

constexpr std::string_view TrayIcons[] = {
    "MODEM1", "MODEM2", "MODEM3", "MODEM4", "MODEM1_NC", "MODEM2_NC", "MODEM3_NC", "MODEM4_NC",
};

constexpr std::string_view FontFile = "font.art";
constexpr std::string_view Files[] = {
    FontFile, "lamps_large.art", "lamps_small.art", "lamps_modem.art", "lamps_title.art", "tray_icons.art",
};

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
    });
}

std::string JoinPath(const std::string& directory, std::string_view file) {
    if (directory.empty()) return std::string(file);
    const char last = directory.back();
    return directory + (last == '/' || last == '\\' ? "" : "/") + std::string(file);
}

} // namespace

std::string_view TrayIconName(bool connected, bool receiving, bool transmitting) {
    return TrayIcons[(connected ? 0 : 4) + (receiving ? 1 : 0) + (transmitting ? 2 : 0)];
}

std::span<const std::string_view> TrayIconNames() { return TrayIcons; }

std::span<const std::string_view> PictureLibrary::ArtFiles() { return Files; }

const Picture* PictureLibrary::Find(std::string_view name) const {
    for (const auto& picture : pictures_)
        if (SameName(picture.Name, name)) return &picture;
    return nullptr;
}

bool PictureLibrary::Load(platform::FileStore& files, const std::string& directory) {
    pictures_.clear();
    font_ = PixelFont{};
    error_.clear();
    for (std::string_view file : Files) {
        const std::string path = JoinPath(directory, file);
        std::string text;
        if (!files.ReadAll(path, text)) {
            error_ = path + ": cannot be read";
            return false;
        }
        if (file == FontFile) {
            PixelFontResult parsed = ParsePixelFont(text, path);
            error_ = parsed.Error;
            font_ = std::move(parsed.Font);
        } else {
            PixelArtResult parsed = ParsePixelArt(text, path);
            error_ = parsed.Error;
            for (auto& picture : parsed.Pictures) {
                if (Find(picture.Name)) error_ = path + ": picture '" + picture.Name + "' is defined twice";
                pictures_.push_back(std::move(picture));
            }
        }
        if (!error_.empty()) return false;
    }
    for (const auto& layout : DisplayLayouts())
        pictures_.push_back({std::string(layout.Picture), PictureKind::Bitmap, ComposeLayoutPicture(layout, font_)});
    for (const auto& title : TitleLayouts())
        pictures_.push_back({std::string(title.Picture), PictureKind::Bitmap, ComposeTitlePicture(title, font_)});
    pictures_.push_back({std::string(LogoPictureName), PictureKind::Bitmap, ComposeLogo(font_)});
    return Check();
}

// The pictures the tables name must be there, of their kind and size; a
// mistake in the art then stops the build instead of shipping.
bool PictureLibrary::Check() {
    auto expect = [&](std::string_view name, PictureKind kind, int width, int height) {
        const Picture* picture = Find(name);
        if (!picture)
            error_ = "picture '" + std::string(name) + "' is missing";
        else if (picture->Kind != kind || picture->Image.Width != width || picture->Image.Height != height)
            error_ = "picture '" + std::string(name) + "' must be " + (kind == PictureKind::Icon ? "an icon of " : "a bitmap of ") +
                     std::to_string(width) + "x" + std::to_string(height);
        return error_.empty();
    };
    for (const auto& image : LampImages())
        if (!expect(image.Name, PictureKind::Bitmap, image.Width, image.Height)) return false;
    for (std::string_view icon : TrayIcons)
        if (!expect(icon, PictureKind::Icon, TrayIconSize, TrayIconSize)) return false;
    for (char c : std::string_view("?ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 "))
        if (!font_.Has(c)) {
            error_ = std::string("the font has no glyph '") + c + "'";
            return false;
        }
    return true;
}

} // namespace display
