#include "display/about_frames.h"

#include "display/lamp_images.h"
#include "display/layout_pictures.h"
#include "display/layout_tables.h"
#include "display/picture_cache.h"
#include "display/recolouring.h"

namespace display {

namespace {

constexpr unsigned Lit(LampSignal signal) { return 1u << static_cast<unsigned>(signal); }

// The lamps lit in each frame.
constexpr unsigned Connected = Lit(LampSignal::CTS) | Lit(LampSignal::CD);
constexpr unsigned Ready = Connected | Lit(LampSignal::DSR);
constexpr unsigned FrameLamps[AboutFrameCount] = {
    0, Connected, Ready, Ready | Lit(LampSignal::RD), Ready | Lit(LampSignal::TD),
    Ready | Lit(LampSignal::RD) | Lit(LampSignal::TD),
};

// The settings' default colours.
constexpr Colour LampOnColour = Rgb(255, 0, 0);
constexpr Colour LampOffColour = Rgb(130, 130, 130);
constexpr Colour TextColour = Rgb(0, 0, 0);

constexpr Colour CaptionColour = Rgb(0, 0, 128);
constexpr Colour EdgeLight = Rgb(255, 255, 255);
constexpr Colour EdgeShadow = Rgb(128, 128, 128);
constexpr Colour EdgeDark = Rgb(0, 0, 0);

// A raised edge round the rectangle: light top and left, dark bottom and right.
void RaisedEdge(Bitmap& b, int x, int y, int width, int height, Colour light, Colour dark)
{
    b.FillRect(x, y, width, 1, light);
    b.FillRect(x, y, 1, height, light);
    b.FillRect(x, y + height - 1, width, 1, dark);
    b.FillRect(x + width - 1, y, 1, height, dark);
}

// The window without its lamps: frame, caption bar with a close button,
// and the layout picture in the client area.
Bitmap WindowFrame(const Bitmap& picture)
{
    Bitmap frame(AboutFrameWidth, AboutFrameHeight, PanelColour);
    RaisedEdge(frame, 0, 0, AboutFrameWidth, AboutFrameHeight, PanelColour, EdgeDark);
    RaisedEdge(frame, 1, 1, AboutFrameWidth - 2, AboutFrameHeight - 2, EdgeLight, EdgeShadow);
    frame.FillRect(3, 3, AboutFrameWidth - 6, 10, CaptionColour);
    frame.FillRect(AboutFrameWidth - 13, 4, 9, 8, PanelColour);
    RaisedEdge(frame, AboutFrameWidth - 13, 4, 9, 8, EdgeLight, EdgeDark);
    frame.Draw(picture, AboutPictureLeft, AboutPictureTop);
    return frame;
}

} // namespace

void ComposeAboutFrames(platform::BitmapResources& resources, AboutFrames& frames)
{
    const DisplayLayoutInfo& layout = *FindDisplayLayout(3);
    Bitmap picture, on, off;
    if (LoadPicture(resources, layout.Picture, picture))
        RecolourLayoutPicture(picture, PanelColour, TextColour);
    const LampImage* onImage = FindLampImage(layout.Family, static_cast<int>(LampLook::Diamond), LampState::On);
    const LampImage* offImage = FindLampImage(layout.Family, static_cast<int>(LampLook::Diamond), LampState::Off);
    const bool lamps = LoadPicture(resources, onImage->Name, on) && LoadPicture(resources, offImage->Name, off);
    if (lamps) {
        RecolourLampImage(on, LampOnColour, LampOffColour, PanelColour);
        RecolourLampImage(off, LampOnColour, LampOffColour, PanelColour);
    }

    const Bitmap window = WindowFrame(picture);
    for (int n = 0; n < AboutFrameCount; ++n) {
        frames[n] = window;
        if (!lamps)
            continue;
        for (const LampPosition& lamp : layout.Lamps) {
            const bool lit = (FrameLamps[n] & Lit(lamp.Signal)) != 0;
            frames[n].Draw(lit ? on : off, AboutPictureLeft + layout.Geometry.X(lamp.Column),
                           AboutPictureTop + layout.Geometry.Y(lamp.Row));
        }
    }
}

} // namespace display
