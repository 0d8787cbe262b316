// The text lines under the lamps of the small layouts: the port's status,
// the connect time, the transfer rates and the byte totals. They are drawn
// onto the window in the display font, each opaque on the background.
#pragma once

#include <array>
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
};

struct TextExtent {
    int Width = 0;
    int Height = 0;
};

// Measured in the display font, this sample gives the column width of the
// rate and totals lines (its width) and the line advance (its height - 1).
inline constexpr std::string_view ColumnSample = "TD: 1234  ";

// Where the first line starts, in client coordinates.
inline constexpr int TextLeft = 4;
inline constexpr int TextTop = 23;

class DisplayText {
public:
    // Composes the lines of the settings in g. `column` is the extent of
    // ColumnSample; `now` the current date-time. The line strings keep their
    // storage from paint to paint, so a steady display allocates nothing.
    void Compose(TGVar& g, TextExtent column, double now, platform::HelperVxd& vxd, platform::SerialPorts& ports);

    std::span<const TextLine> Lines() const { return {lines_.data(), count_}; }

private:
    std::string& Start(int x, int y);

    // Status, connect time, TD and RD rates, TT and RT totals.
    std::array<TextLine, 6> lines_;
    std::size_t count_ = 0;
};

} // namespace display
