// Every picture Blinkery ships, as the display logic sees it: the pixel art
// under resources/ (read through the file store), the layout pictures and
// title strips labelled from the layout tables, and the logo. The resource
// generator builds the program's bitmaps and icons from this library, and the
// unit tests check the same pixels.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "display/pixel_art.h"
#include "display/pixel_font.h"
#include "platform/files.h"

namespace display {

// The tray icon for the connection state and this poll's activity.
std::string_view TrayIconName(bool connected, bool receiving, bool transmitting);
// The eight tray icons, connected ones first, each by activity: none,
// receive, transmit, both.
std::span<const std::string_view> TrayIconNames();
constexpr int TrayIconSize = 16;

class PictureLibrary {
public:
    // The art files read from the resource directory; font.art holds the
    // glyph table, the others pictures.
    static std::span<const std::string_view> ArtFiles();

    // Reads the art files in `directory` and composes the generated pictures.
    // False, with Error() telling the file and line, when a file is missing
    // or malformed, or a picture of the tables is missing or of a wrong size.
    bool Load(platform::FileStore& files, const std::string& directory);

    const std::vector<Picture>& Pictures() const { return pictures_; }
    // Names match without regard to case, as resource names do.
    const Picture* Find(std::string_view name) const;
    const PixelFont& Font() const { return font_; }
    const std::string& Error() const { return error_; }

private:
    bool Check();

    std::vector<Picture> pictures_;
    PixelFont font_;
    std::string error_;
};

} // namespace display
