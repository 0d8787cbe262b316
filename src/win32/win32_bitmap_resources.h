// Bitmap resources of the program's module, read as 32-bit pixels.
#pragma once

#include <windows.h>

#include "platform/bitmap_resources.h"

namespace win32 {

class Win32BitmapResources final : public platform::BitmapResources {
public:
    explicit Win32BitmapResources(HINSTANCE module) : module_(module) {}
    bool LoadBitmap(std::string_view name, int32_t& width, int32_t& height, std::vector<uint32_t>& pixels) override;

private:
    HINSTANCE module_;
};

} // namespace win32
