// The foreground window as the title-bar strip reaches it on Win32: its
// style, place and process, and its caption drawn through its window DC.
// Which window gets what is the core's (display/title_bar_display.h).
#pragma once

#include <optional>

#include <windows.h>

#include "platform/foreground_window.h"
#include "win32/dib_blit.h"
#include "win32/handles.h"
#include "win32/win32_fonts.h"

namespace win32 {

class Win32ForegroundWindows final : public platform::ForegroundWindows {
public:
    explicit Win32ForegroundWindows(const Win32Fonts& fonts) : fonts_(fonts) {}

    platform::WindowHandle Foreground() override;
    platform::WindowHandle TopLevel(platform::WindowHandle window) override;
    platform::WindowStyle Style(platform::WindowHandle window) override;
    bool Rect(platform::WindowHandle window, platform::WindowRect& rect) override;
    bool OfThisProcess(platform::WindowHandle window) override;
    void RepaintFrame(platform::WindowHandle window) override;
    void PostActiveCaption(platform::WindowHandle window) override;

private:
    bool BeginCaption(platform::WindowHandle window) override;
    void StretchPixels(const platform::PixelImage& source, int32_t sourceWidth, int32_t x, int32_t y, int32_t width,
                       int32_t height) override;
    platform::TextSize MeasureText(std::string_view text) override;
    void DrawText(std::string_view text, const platform::WindowRect& place, uint32_t textColour,
                  uint32_t background) override;
    bool ReadRow(int32_t y, std::span<const int32_t> xs, std::span<uint32_t> colours) override;
    void EndCaption() override;

    // A 32-bit bitmap of one row in a memory DC, made at the first read:
    // the points of a row are read back with one blit, each read of the
    // screen being a round trip to the display.
    struct Row {
        static constexpr int Capacity = 1024;
        OwnedMemoryDc Dc;
        OwnedBitmap Bitmap;
        std::optional<SelectedObject> Selected;
        const uint32_t* Bits = nullptr;
    };
    bool PrepareRow();
    // The caption's DC with the title font selected, for text.
    HDC TextDc();

    const Win32Fonts& fonts_;
    // The caption being drawn into: its window's DC and the font selected
    // there once text is drawn.
    std::optional<WholeWindowDc> dc_;
    std::optional<SelectedObject> font_;
    DibBlitter blitter_;
    Row row_;
};

} // namespace win32
