#include "win32/win32_bitmap_resources.h"

#include <string>

#include "win32/dib_blit.h"
#include "win32/handles.h"

namespace win32 {

bool Win32BitmapResources::LoadBitmap(std::string_view name, int32_t& width, int32_t& height,
                                      std::vector<uint32_t>& pixels)
{
    // As a DIB section the bitmap keeps its own colours whatever the
    // screen's depth; it is read once and deleted at once.
    const std::string resource(name);
    const OwnedBitmap bitmap(
        static_cast<HBITMAP>(LoadImageA(module_, resource.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!bitmap)
        return false;
    BITMAP info{};
    bool ok = GetObjectA(bitmap.Get(), sizeof info, &info) == sizeof info && info.bmWidth > 0 && info.bmHeight > 0;
    if (ok) {
        BITMAPINFO format = Rgb32Format(info.bmWidth, -info.bmHeight); // top row first
        std::vector<uint32_t> read(static_cast<size_t>(info.bmWidth) * info.bmHeight);
        ok = GetDIBits(WindowDc(nullptr).Get(), bitmap.Get(), 0, static_cast<UINT>(info.bmHeight), read.data(),
                       &format, DIB_RGB_COLORS) == info.bmHeight;
        if (ok) {
            // DIB pixels are 0x00RRGGBB; colour values are 0x00BBGGRR.
            pixels.resize(read.size());
            for (size_t i = 0; i < read.size(); ++i)
                pixels[i] = SwapRedBlue(read[i]);
            width = info.bmWidth;
            height = info.bmHeight;
        }
    }
    return ok;
}

} // namespace win32
