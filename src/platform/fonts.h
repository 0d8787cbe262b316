// The two GDI fonts Blinkery draws text with, made from the parameters the
// logic computes. The system side owns and frees them, and the windows that
// draw text take them from there: the settings record holds no handle.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The parameters of CreateFont, in its order.
struct FontParams {
    int32_t Height = 0;
    int32_t Width = 0;
    int32_t Escapement = 0;
    int32_t Orientation = 0;
    int32_t Weight = 400;
    uint8_t Italic = 0;
    uint8_t Underline = 0;
    uint8_t StrikeOut = 0;
    uint8_t CharSet = 1;
    uint8_t OutPrecision = 0;
    uint8_t ClipPrecision = 0;
    uint8_t Quality = 2;
    uint8_t PitchAndFamily = 34;
    std::string FaceName;

    bool operator==(const FontParams&) const = default;
};

// The lamp display's text, and the connect time in the title-bar strip.
enum class FontUse { Display, Title };

class FontFactory {
public:
    virtual ~FontFactory() = default;
    // Makes the font for `use`; the one it replaces is freed.
    virtual void Build(FontUse use, const FontParams& params) = 0;
    // LOGPIXELSY of the main window's memory device context.
    virtual int32_t LogPixelsY() = 0;
};

} // namespace platform
