// The pixel art under resources/, as the resource generator reads it, loaded
// once for the display tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "display/picture_library.h"
#include "fakes/fake_platform.h"

namespace shipped {

inline std::filesystem::path SourceRoot() {
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path().parent_path();
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The art files in an in-memory store under "res/", to load or to alter.
inline fakes::MemoryFiles ArtFiles() {
    fakes::MemoryFiles files;
    for (std::string_view name : display::PictureLibrary::ArtFiles())
        files.Files["res/" + std::string(name)] = ReadFile(SourceRoot() / "resources" / name);
    return files;
}

inline const display::PictureLibrary& Pictures() {
    static const display::PictureLibrary library = [] {
        fakes::MemoryFiles files = ArtFiles();
        display::PictureLibrary loaded;
        if (!loaded.Load(files, "res")) throw std::runtime_error(loaded.Error());
        return loaded;
    }();
    return library;
}

} // namespace shipped
