// rescheck EXE PICTURES
//
// Loads every bitmap and icon listed in PICTURES (resgen's reference dump:
// "bitmap|icon NAME WIDTH HEIGHT", then one line of RRGGBB pixels per row,
// "......" for a transparent one) from EXE by name with LoadImage, as the
// program does, and compares its pixels with the reference. Each resource is
// also looked up by its name in lower case. Prints one line per picture and a
// summary; exits 0 only when every picture matches.
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Expected {
    bool Icon = false;
    std::string Name;
    int Width = 0;
    int Height = 0;
    std::vector<std::string> Rows;
};

bool ReadReference(const char* path, std::vector<Expected>& pictures) {
    FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    std::string text;
    char buffer[65536];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, n);
    std::fclose(file);

    size_t pos = 0;
    auto nextLine = [&](std::string& line) {
        if (pos >= text.size()) return false;
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        line = text.substr(pos, end - pos);
        pos = end + 1;
        return true;
    };
    std::string line;
    while (nextLine(line)) {
        Expected picture;
        char kind[16] = {}, name[128] = {};
        if (std::sscanf(line.c_str(), "%15s %127s %d %d", kind, name, &picture.Width, &picture.Height) != 4) return false;
        picture.Icon = std::strcmp(kind, "icon") == 0;
        picture.Name = name;
        for (int y = 0; y < picture.Height; ++y) {
            if (!nextLine(line) || line.size() != static_cast<size_t>(picture.Width) * 6) return false;
            picture.Rows.push_back(line);
        }
        pictures.push_back(picture);
    }
    return !pictures.empty();
}

// The bitmap's pixels as 0x00RRGGBB, top row first.
bool Pixels(HBITMAP bitmap, int width, int height, std::vector<DWORD>& pixels) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    pixels.assign(static_cast<size_t>(width) * height, 0);
    HDC dc = GetDC(nullptr);
    const int rows = GetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    for (DWORD& p : pixels) p &= 0xFFFFFF;
    return rows == height;
}

bool Size(HBITMAP bitmap, int& width, int& height) {
    BITMAP info = {};
    if (!GetObjectA(bitmap, sizeof info, &info)) return false;
    width = info.bmWidth;
    height = info.bmHeight;
    return true;
}

DWORD ExpectedPixel(const Expected& picture, int x, int y) {
    return std::strtoul(picture.Rows[y].substr(static_cast<size_t>(x) * 6, 6).c_str(), nullptr, 16);
}

std::string Hex(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof text, "%06lx", static_cast<unsigned long>(value));
    return text;
}

std::string CheckBitmap(HMODULE module, const Expected& picture, const std::string& name) {
    // Loaded as the program loads it: the logo as a device bitmap (it is
    // stored compressed), every other picture as a DIB section.
    const bool logo = lstrcmpiA(name.c_str(), "LOGO") == 0;
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(module, name.c_str(), IMAGE_BITMAP, 0, 0, logo ? LR_DEFAULTCOLOR : LR_CREATEDIBSECTION));
    if (!bitmap) return "LoadImage failed for " + name;
    int width = 0, height = 0;
    std::vector<DWORD> pixels;
    std::string error;
    if (!Size(bitmap, width, height) || width != picture.Width || height != picture.Height)
        error = "size " + std::to_string(width) + "x" + std::to_string(height);
    else if (!Pixels(bitmap, width, height, pixels))
        error = "GetDIBits failed";
    for (int y = 0; error.empty() && y < height; ++y)
        for (int x = 0; error.empty() && x < width; ++x)
            if (pixels[static_cast<size_t>(y) * width + x] != ExpectedPixel(picture, x, y))
                error = "pixel " + std::to_string(x) + "," + std::to_string(y) + " is " + Hex(pixels[static_cast<size_t>(y) * width + x]) +
                        ", expected " + Hex(ExpectedPixel(picture, x, y));
    DeleteObject(bitmap);
    return error;
}

std::string CheckIcon(HMODULE module, const Expected& picture, const std::string& name) {
    HICON icon = static_cast<HICON>(LoadImageA(module, name.c_str(), IMAGE_ICON, picture.Width, picture.Height, 0));
    if (!icon) return "LoadImage failed for " + name;
    ICONINFO info = {};
    std::string error;
    std::vector<DWORD> colours, mask;
    int width = 0, height = 0;
    if (!GetIconInfo(icon, &info) || !info.hbmColor)
        error = "GetIconInfo failed";
    else if (!Size(info.hbmColor, width, height) || width != picture.Width || height != picture.Height)
        error = "size " + std::to_string(width) + "x" + std::to_string(height);
    else if (!Pixels(info.hbmColor, width, height, colours) || !Pixels(info.hbmMask, width, height, mask))
        error = "GetDIBits failed";
    for (int y = 0; error.empty() && y < height; ++y)
        for (int x = 0; error.empty() && x < width; ++x) {
            const size_t i = static_cast<size_t>(y) * width + x;
            const bool transparent = picture.Rows[y][static_cast<size_t>(x) * 6] == '.';
            if ((mask[i] != 0) != transparent)
                error = "mask at " + std::to_string(x) + "," + std::to_string(y) + (transparent ? " is opaque" : " is transparent");
            else if (!transparent && colours[i] != ExpectedPixel(picture, x, y))
                error = "pixel " + std::to_string(x) + "," + std::to_string(y) + " is " + Hex(colours[i]) + ", expected " +
                        Hex(ExpectedPixel(picture, x, y));
        }
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    DestroyIcon(icon);
    return error;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: rescheck EXE PICTURES\n");
        return 2;
    }
    std::vector<Expected> pictures;
    if (!ReadReference(argv[2], pictures)) {
        std::fprintf(stderr, "rescheck: cannot read %s\n", argv[2]);
        return 2;
    }
    HMODULE module = LoadLibraryExA(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) {
        std::fprintf(stderr, "rescheck: cannot load %s (error %lu)\n", argv[1], GetLastError());
        return 2;
    }
    int matched = 0, differ = 0;
    for (const Expected& picture : pictures) {
        std::string lower = picture.Name;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        std::string error;
        for (const std::string& name : {picture.Name, lower}) {
            error = picture.Icon ? CheckIcon(module, picture, name) : CheckBitmap(module, picture, name);
            if (!error.empty()) break;
        }
        std::printf("%s %s %s %dx%d%s%s\n", error.empty() ? "match" : "DIFFERS", picture.Icon ? "icon" : "bitmap",
                    picture.Name.c_str(), picture.Width, picture.Height, error.empty() ? "" : ": ", error.c_str());
        ++(error.empty() ? matched : differ);
    }
    std::printf("rescheck: %d pictures match, %d differ\n", matched, differ);
    FreeLibrary(module);
    return differ ? 1 : 0;
}
