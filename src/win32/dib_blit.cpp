#include "win32/dib_blit.h"

namespace win32 {

const BITMAPINFO& DibBlitter::Convert(const display::Bitmap& picture)
{
    dib_.resize(picture.Pixels.size());
    for (int y = 0; y < picture.Height; ++y) {
        const uint32_t* from = &picture.Pixels[static_cast<size_t>(y) * picture.Width];
        uint32_t* to = &dib_[static_cast<size_t>(picture.Height - 1 - y) * picture.Width];
        for (int x = 0; x < picture.Width; ++x) {
            const uint32_t c = from[x];
            to[x] = (c >> 16 & 0xFF) | (c & 0xFF00) | (c & 0xFF) << 16;
        }
    }
    format_ = BITMAPINFO{};
    format_.bmiHeader.biSize = sizeof format_.bmiHeader;
    format_.bmiHeader.biWidth = picture.Width;
    format_.bmiHeader.biHeight = picture.Height;
    format_.bmiHeader.biPlanes = 1;
    format_.bmiHeader.biBitCount = 32;
    format_.bmiHeader.biCompression = BI_RGB;
    return format_;
}

void DibBlitter::Draw(HDC dc, int x, int y, const display::Bitmap& picture)
{
    const BITMAPINFO& format = Convert(picture);
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(picture.Width), static_cast<DWORD>(picture.Height), 0, 0, 0,
                      static_cast<UINT>(picture.Height), dib_.data(), &format, DIB_RGB_COLORS);
}

void DibBlitter::Stretch(HDC dc, int x, int y, int width, int height, const display::Bitmap& picture)
{
    const BITMAPINFO& format = Convert(picture);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, x, y, width, height, 0, 0, picture.Width, picture.Height, dib_.data(), &format, DIB_RGB_COLORS,
                  SRCCOPY);
}

} // namespace win32
