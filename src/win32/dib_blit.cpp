#include "win32/dib_blit.h"

#include <algorithm>

namespace win32 {

BITMAPINFO Rgb32Format(int width, int height)
{
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return format;
}

const BITMAPINFO& DibBlitter::Convert(const uint32_t* pixels, int stride, int width, int height)
{
    dib_.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        const uint32_t* from = &pixels[static_cast<size_t>(y) * stride];
        uint32_t* to = &dib_[static_cast<size_t>(height - 1 - y) * width];
        for (int x = 0; x < width; ++x)
            to[x] = SwapRedBlue(from[x]);
    }
    format_ = Rgb32Format(width, height);
    return format_;
}

void DibBlitter::Draw(HDC dc, int x, int y, const display::Bitmap& picture)
{
    Draw(dc, x, y, platform::PixelImage{picture.Pixels.data(), picture.Width, picture.Height});
}

void DibBlitter::Draw(HDC dc, int x, int y, const platform::PixelImage& picture)
{
    if (!picture.Pixels || picture.Width <= 0 || picture.Height <= 0)
        return;
    const BITMAPINFO& format = Convert(picture.Pixels, picture.Width, picture.Width, picture.Height);
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(picture.Width), static_cast<DWORD>(picture.Height), 0, 0, 0,
                      static_cast<UINT>(picture.Height), dib_.data(), &format, DIB_RGB_COLORS);
}

void DibBlitter::Draw(HDC dc, int x, int y, const display::Bitmap& picture, const display::PixelRect& part)
{
    // The part as far as it lies inside the picture.
    const int left = std::max(part.X, 0), top = std::max(part.Y, 0);
    const int right = std::min(part.X + part.Width, picture.Width);
    const int bottom = std::min(part.Y + part.Height, picture.Height);
    if (right <= left || bottom <= top)
        return;
    const int width = right - left, height = bottom - top;
    const BITMAPINFO& format =
        Convert(&picture.Pixels[static_cast<size_t>(top) * picture.Width + left], picture.Width, width, height);
    SetDIBitsToDevice(dc, x + left, y + top, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                      static_cast<UINT>(height), dib_.data(), &format, DIB_RGB_COLORS);
}

void DibBlitter::Stretch(HDC dc, int x, int y, int width, int height, const platform::PixelImage& image,
                         int sourceWidth)
{
    if (!image.Pixels || image.Width <= 0 || image.Height <= 0)
        return;
    const BITMAPINFO& format = Convert(image.Pixels, image.Width, image.Width, image.Height);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, x, y, width, height, 0, 0, sourceWidth, image.Height, dib_.data(), &format, DIB_RGB_COLORS,
                  SRCCOPY);
}

} // namespace win32
