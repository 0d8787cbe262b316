// GDI fonts, created from the parameters the logic computes.
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

// A created font; 0 means none.
using FontHandle = uintptr_t;

class FontFactory {
public:
    virtual ~FontFactory() = default;
    virtual FontHandle Create(const FontParams& params) = 0;
    virtual void Delete(FontHandle font) = 0;
    // LOGPIXELSY of the main window's memory device context.
    virtual int32_t LogPixelsY() = 0;
};

} // namespace platform
