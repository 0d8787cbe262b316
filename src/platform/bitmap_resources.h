// Bitmaps from the program's resources, by name.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace platform {

class BitmapResources {
public:
    virtual ~BitmapResources() = default;
    // Loads the bitmap resource `name` (names match without regard to case)
    // as 32-bit pixels 0x00BBGGRR, top row first. The vector's storage is
    // reused, so reloading a picture of the same size allocates nothing.
    // False when there is no such bitmap; the outputs are then unchanged.
    virtual bool LoadBitmap(std::string_view name, int32_t& width, int32_t& height, std::vector<uint32_t>& pixels) = 0;
};

} // namespace platform
