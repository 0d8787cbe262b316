#include <gtest/gtest.h>

#include "display/picture_library.h"
#include "shipped_pictures.h"

using namespace display;

namespace {

std::string LoadError(fakes::MemoryFiles& files) {
    PictureLibrary library;
    EXPECT_FALSE(library.Load(files, "res"));
    EXPECT_TRUE(library.Pictures().empty() || !library.Error().empty());
    return library.Error();
}

void Replace(std::string& text, std::string_view from, std::string_view to) {
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

} // namespace

TEST(PictureLibrary, LoadsFromADirectoryWithOrWithoutSeparator) {
    fakes::MemoryFiles files = shipped::ArtFiles();
    PictureLibrary library;
    ASSERT_TRUE(library.Load(files, "res/")) << library.Error();
    EXPECT_EQ(library.Pictures().size(), shipped::Pictures().Pictures().size());
}

TEST(PictureLibrary, RefusesArtThatWouldShipWrongPictures) {
    {
        fakes::MemoryFiles files = shipped::ArtFiles();
        files.Files.erase("res/lamps_title.art");
        EXPECT_EQ(LoadError(files), "res/lamps_title.art: cannot be read");
    }
    {
        fakes::MemoryFiles files = shipped::ArtFiles();
        Replace(files.Files["res/lamps_small.art"], "lamp D 11x12", "lamp DD 11x12");
        EXPECT_EQ(LoadError(files), "picture 'LIGHTON_D' is missing");
    }
    {
        fakes::MemoryFiles files = shipped::ArtFiles();
        files.Files["res/tray_icons.art"] += "\npicture LIGHTON_R 1x1\nk\n";
        EXPECT_EQ(LoadError(files), "res/tray_icons.art: picture 'LIGHTON_R' is defined twice");
    }
    {
        fakes::MemoryFiles files = shipped::ArtFiles();
        Replace(files.Files["res/tray_icons.art"], "icon MODEM3 16x16", "picture MODEM3 16x16");
        EXPECT_NE(LoadError(files).find("transparent symbol '-' outside an icon"), std::string::npos);
    }
    {
        fakes::MemoryFiles files = shipped::ArtFiles();
        Replace(files.Files["res/font.art"], "glyphs A ", "glyphs a ");
        EXPECT_EQ(LoadError(files), "the font has no glyph 'A'");
    }
}
