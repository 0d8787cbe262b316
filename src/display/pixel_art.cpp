#include "display/pixel_art.h"

#include <map>

#include "display/art_lines.h"
#include "display/lamp_images.h"

namespace display {

namespace {

// A palette entry: a colour, or one of the two special meanings.
struct Ink {
    enum Kind { Solid, Lamp, Transparent } Kind = Solid;
    Colour Value = 0;
};

bool ParseColourLine(const std::vector<std::string_view>& words, std::map<char, Ink>& palette, std::string& error) {
    if (words.size() < 3 || words[1].size() != 1) {
        error = "expected: colour <symbol> <red> <green> <blue> | lamp | transparent";
        return false;
    }
    const char symbol = words[1][0];
    if (palette.count(symbol)) {
        error = std::string("symbol '") + symbol + "' is already in the palette";
        return false;
    }
    Ink ink;
    if (words[2] == "lamp") {
        ink.Kind = Ink::Lamp;
    } else if (words[2] == "transparent") {
        ink.Kind = Ink::Transparent;
    } else {
        int r = 0, g = 0, b = 0;
        if (words.size() < 5 || !ParseNumber(words[2], 0, 255, r) || !ParseNumber(words[3], 0, 255, g) ||
            !ParseNumber(words[4], 0, 255, b)) {
            error = "a colour needs red, green and blue from 0 to 255";
            return false;
        }
        ink.Value = Rgb(r, g, b);
    }
    palette[symbol] = ink;
    return true;
}

} // namespace

PixelArtResult ParsePixelArt(std::string_view text, std::string_view source) {
    PixelArtResult result;
    std::map<char, Ink> palette;
    ArtLines lines(text, source);
    std::string_view line;
    auto fail = [&](std::string_view message) {
        result.Pictures.clear();
        result.Error = lines.Where(message);
        return result;
    };
    auto nameTaken = [&](std::string_view name) {
        for (const auto& p : result.Pictures)
            if (p.Name == name) return true;
        return false;
    };

    while (lines.Next(line)) {
        const auto words = SplitWords(line);
        if (words[0] == "colour") {
            std::string error;
            if (!ParseColourLine(words, palette, error)) return fail(error);
            continue;
        }
        if (words[0] != "picture" && words[0] != "icon" && words[0] != "lamp") return fail("unknown keyword '" + std::string(words[0]) + "'");
        int width = 0, height = 0;
        if (words.size() != 3 || !ParseSize(words[2], width, height))
            return fail("expected: " + std::string(words[0]) + " <name> <width>x<height>");

        const bool isLamp = words[0] == "lamp";
        const bool isIcon = words[0] == "icon";
        const std::string name = isLamp ? "LIGHTON_" + std::string(words[1]) : std::string(words[1]);
        const std::string offName = "LIGHTOFF_" + std::string(words[1]);
        if (nameTaken(name) || (isLamp && nameTaken(offName))) return fail("picture '" + name + "' is defined twice");

        Bitmap on(width, height), off(width, height);
        bool lampUsed = false;
        for (int y = 0; y < height; ++y) {
            if (!lines.Next(line)) return fail("'" + name + "' ends after " + std::to_string(y) + " of " + std::to_string(height) + " rows");
            const std::string_view row = line.substr(line.find_first_not_of(" \t"));
            if (static_cast<int>(row.size()) != width)
                return fail("row is " + std::to_string(row.size()) + " pixels wide, '" + name + "' is " + std::to_string(width));
            for (int x = 0; x < width; ++x) {
                auto it = palette.find(row[x]);
                if (it == palette.end()) return fail(std::string("symbol '") + row[x] + "' is not in the palette");
                const Ink& ink = it->second;
                if (ink.Kind == Ink::Lamp && !isLamp) return fail(std::string("lamp symbol '") + row[x] + "' outside a lamp");
                if (ink.Kind == Ink::Transparent && !isIcon) return fail(std::string("transparent symbol '") + row[x] + "' outside an icon");
                lampUsed |= ink.Kind == Ink::Lamp;
                const Colour onColour = ink.Kind == Ink::Lamp ? LitColour : ink.Kind == Ink::Transparent ? TransparentPixel : ink.Value;
                const Colour offColour = ink.Kind == Ink::Lamp ? UnlitColour : onColour;
                on.Set(x, y, onColour);
                off.Set(x, y, offColour);
            }
        }
        if (isLamp && !lampUsed) return fail("lamp '" + std::string(words[1]) + "' has no lamp area");
        result.Pictures.push_back({name, isIcon ? PictureKind::Icon : PictureKind::Bitmap, std::move(on)});
        if (isLamp) result.Pictures.push_back({offName, PictureKind::Bitmap, std::move(off)});
    }
    return result;
}

} // namespace display
