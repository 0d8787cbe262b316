// resgen --art DIR [--out DIR] [--wave FILE] [--sheet FILE]
//
// Reads the pixel art in DIR and writes, into --out, one <name>.bmp or
// <name>.ico per picture and pictures.txt, the reference pixels of them all
// (the Wine check compares the program's resources with it); --wave writes
// the start-up sound, --sheet the contact sheet as a bitmap.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "chirp.h"
#include "contact_sheet.h"
#include "display/logo.h"
#include "display/picture_library.h"
#include "image_files.h"
#include "platform/files.h"

namespace {

class DiskFiles : public platform::FileStore {
public:
    bool ReadAll(const std::string& path, std::string& data) override {
        std::ifstream in(path, std::ios::binary);
        if (!in) return false;
        std::ostringstream text;
        text << in.rdbuf();
        data = text.str();
        return true;
    }
    bool WriteAll(const std::string& path, const std::string& data) override {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << data;
        return static_cast<bool>(out.flush());
    }
};

int Usage() {
    std::cerr << "usage: resgen --art DIR [--out DIR] [--wave FILE] [--sheet FILE]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string art, out, wave, sheet;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return Usage();
        const std::string value = argv[++i];
        if (arg == "--art") art = value;
        else if (arg == "--out") out = value;
        else if (arg == "--wave") wave = value;
        else if (arg == "--sheet") sheet = value;
        else return Usage();
    }
    if (art.empty()) return Usage();

    DiskFiles files;
    display::PictureLibrary library;
    if (!library.Load(files, art)) {
        std::cerr << "resgen: " << library.Error() << "\n";
        return 1;
    }
    auto write = [&](const std::string& path, const std::string& data) {
        if (files.WriteAll(path, data)) return true;
        std::cerr << "resgen: cannot write " << path << "\n";
        return false;
    };
    try {
        if (!out.empty()) {
            std::string reference;
            for (const auto& picture : library.Pictures()) {
                const bool icon = picture.Kind == display::PictureKind::Icon;
                // The logo, the largest picture by far, is loaded as a device
                // bitmap and so may be stored compressed.
                const bool compressed = picture.Name == display::LogoPictureName;
                if (!write(out + "/" + picture.Name + (icon ? ".ico" : ".bmp"),
                           icon ? resgen::IcoFile(picture.Image) : resgen::BmpFile(picture.Image, compressed)))
                    return 1;
                reference += (icon ? "icon " : "bitmap ") + picture.Name + " " + std::to_string(picture.Image.Width) + " " +
                             std::to_string(picture.Image.Height) + "\n" + resgen::PixelRows(picture.Image);
            }
            // Written last: the build takes it as the sign that all pictures are there.
            if (!write(out + "/pictures.txt", reference)) return 1;
        }
        if (!wave.empty() && !write(wave, resgen::ChirpWave())) return 1;
        if (!sheet.empty() && !write(sheet, resgen::BmpFile(resgen::ContactSheet(library)))) return 1;
    } catch (const std::exception& e) {
        std::cerr << "resgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
