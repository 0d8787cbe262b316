// The text lines under the lamps of the small layouts: the port's status,
// the connect time, the transfer rates and the byte totals. They are drawn
// onto the window in the display font, each opaque on the background.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "settings/settings.h"
#include "platform/helper_vxd.h"
#include "platform/serial.h"

namespace display {

struct TextLine {
    int X = 0; // client coordinates of the text's top-left corner
    int Y = 0;
    std::string Text;
    bool Changed = true; // text or place differ from the line's last composition
};

struct TextExtent {
    int Width = 0;
    int Height = 0;
};

// Measured in the display font, this sample gives the column width of the
// rate and totals lines (its width) and the line advance (its height - 1).
inline constexpr std::string_view ColumnSample = "TD: 1234  ";

// The most lines the display shows: status, connect time, TD and RD
// rates, TT and RT totals.
inline constexpr std::size_t MaxTextLines = 6;

// Where the first line starts, in client coordinates.
inline constexpr int TextLeft = 4;
inline constexpr int TextTop = 23;

class DisplayText {
public:
    // Composes the lines of the settings in g. `column` is the extent of
    // ColumnSample; `now` the current date-time. Each line notes whether it
    // differs from the line composed last in its place. The strings keep
    // their storage from paint to paint, so a steady display allocates
    // nothing.
    void Compose(TGVar& g, TextExtent column, double now, platform::HelperVxd& vxd, platform::SerialPorts& ports);

    std::span<const TextLine> Lines() const { return {lines_.data(), count_}; }
    // A line of the last composition stands elsewhere than before.
    bool Moved() const { return moved_; }

private:
    // What a line shows, for the lines that follow from figures alone: the
    // line's kind and its figures. Equal keys give equal texts.
    struct LineKey {
        int Kind = -1; // -1: none
        int64_t A = 0;
        int64_t B = 0;
        friend bool operator==(const LineKey&, const LineKey&) = default;
    };
    // True, with the line kept unchanged as the next, when the next line
    // at (x, y) showed `key` last time.
    bool Unchanged(int x, int y, const LineKey& key);
    // A line is built in next_, then kept as the next line.
    std::string& Start();
    void Keep(int x, int y, const LineKey& key);

    std::array<TextLine, MaxTextLines> lines_;
    std::array<LineKey, MaxTextLines> keys_;
    std::size_t count_ = 0;
    bool moved_ = false;
    std::string next_;
};

} // namespace display
