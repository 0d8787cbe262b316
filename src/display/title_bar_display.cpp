#include "display/title_bar_display.h"

#include <algorithm>

#include "settings/connect_time.h"
#include "display/lamp_signals.h"
#include "display/recolouring.h"

namespace display {

namespace {

using platform::Metric;
using platform::WindowHandle;

// The offsets' range; a value beyond it (a hand-edited settings file) is
// held at its end rather than let the caption arithmetic overflow.
constexpr int32_t OffsetLimit = 1000;

Colour ColourSetting(uint32_t value) { return value & 0x00FFFFFFu; }

int32_t Offset(int32_t value) { return std::clamp(value, -OffsetLimit, OffsetLimit); }

bool HasButtons(const platform::WindowStyle& style) { return style.MinimiseBox || style.MaximiseBox; }

// Whether the caption leaves room for the strip beside the system menu,
// the caption buttons and the frame; width is 0 when the window's
// rectangle could not be read.
int Room(const platform::WindowStyle& style, int width, int usedWidth, platform::SystemMetrics& m)
{
    const int cxSize = m.Get(Metric::CxSize);
    int room = width - usedWidth;
    if (style.SystemMenu)
        room -= cxSize;
    if (HasButtons(style))
        room -= 2 * cxSize;
    room -= cxSize;
    room -= style.SizingBorder ? m.Get(Metric::CxFrame) : m.Get(Metric::CxBorder);
    if (cxSize > 20)
        room += 3;
    return room;
}

// Only an ordinary application window takes the strip: one with a caption
// and a minimise box, neither pop-up nor child, not minimised. That keeps
// it out of dialog and message boxes.
bool Qualifies(const platform::WindowStyle& style, int room)
{
    return style.Caption && !style.Popup && !style.Child && !style.Minimised && style.MinimiseBox && room > 0;
}

} // namespace

const TitleLayoutInfo& TitleLayoutOf(int32_t orientation)
{
    if (const TitleLayoutInfo* layout = FindTitleLayout(orientation))
        return *layout;
    return *FindTitleLayout(3);
}

TitleBarDisplay::TitleBarDisplay(TGVar& g, TitleBarServices services)
    : g_(g), s_(services), lamps_(g, services.Resources)
{
}

void TitleBarDisplay::DrawTitleBarDisplay()
{
    const bool connected = g_.ModemSignals.CD;
    const bool timeEnabled = g_.DisplayConnectTimeInTitlebar == 1 || g_.DisplayTotalConnectTimeInTitlebar == 1;
    WindowHandle shown = 0;
    if (g_.Title == 1 || (connected && (g_.Title == 2 || timeEnabled)))
        shown = Draw(connected, timeEnabled);
    Forget(shown);
}

WindowHandle TitleBarDisplay::Draw(bool connected, bool timeEnabled)
{
    platform::ForegroundWindows& w = s_.Windows;
    platform::SystemMetrics& m = s_.Metrics;
    const WindowHandle foreground = w.Foreground();
    if (!foreground)
        return 0;
    const WindowHandle target = w.TopLevel(foreground);
    if (!target)
        return 0;

    const TitleLayoutInfo& layout = TitleLayoutOf(g_.OrientationTitle);
    const int usedWidth = layout.UsedWidth;
    const platform::WindowStyle style = w.Style(target);
    platform::WindowRect rect;
    const int width = w.Rect(target, rect) ? rect.Right - rect.Left : 0;
    if (!Qualifies(style, Room(style, width, usedWidth, m)))
        return 0;
    if (target != processAsked_) {
        processAsked_ = target;
        ownWindow_ = w.OfThisProcess(target);
    }
    if (ownWindow_)
        return 0;

    // The strip's top-left corner in the caption, right-aligned before the
    // caption buttons; "TitleBar Offset" moves it left, "TitleBar OffsetT" down.
    const int y = (style.SizingBorder ? m.Get(Metric::CyFrame) : m.Get(Metric::CyBorder)) + Offset(g_.TitleBarOffsetT);
    int x = width - Offset(g_.TitleBarOffset) - usedWidth - 2;
    if (HasButtons(style))
        x -= 3 * m.Get(Metric::CxSize);
    x -= style.SizingBorder ? m.Get(Metric::CxDlgFrame) : m.Get(Metric::CxBorder);
    const int captionHeight = m.Get(Metric::CyCaption);

    const bool stripWanted = g_.Title == 1 || (g_.Title == 2 && connected);
    const platform::WindowRect place{x, y, x + usedWidth, y + captionHeight - 2};
    bool stripChanged = false;
    const bool stripShown = stripWanted && ComposeStrip(layout, stripChanged);
    if (!stripShown)
        mark_.In = 0;
    // A strip the caption still shows, lamp for lamp, is left as it is; a
    // changed one is drawn whatever the caption shows.
    // Without a mark (pixels that cannot be read) it is drawn every time.
    const bool marked = mark_.In == target && mark_.Place == place;
    const bool lost = stripShown && !stripChanged && marked && !CaptionShowsStrip(target);
    const bool strip = stripShown && (stripChanged || !marked || lost);

    // The time is drawn when its text differs from the one this window
    // shows, so at most once a second; a window that did not show it yet,
    // or whose caption lost it with the strip, gets it at once.
    bool time = false;
    const std::string* text = nullptr;
    if (connected && timeEnabled) {
        double value = SessionConnectTime(g_, s_.Clock.Now());
        if (g_.DisplayTotalConnectTimeInTitlebar == 1)
            value += g_.TotalConnectNew;
        text = &connectTime_.Of(value);
        time = lost || target != timeIn_ || *text != timeText_;
    }

    if (!strip && !time)
        return target;
    const platform::ForegroundWindows::Caption caption = w.DrawCaption(target);
    if (!caption)
        return target;
    if (strip)
        caption.StretchPixels({strip_.Pixels.data(), strip_.Width, strip_.Height}, usedWidth, x, y, usedWidth,
                              captionHeight - 2);
    if (time) {
        // Right-aligned 2 pixels left of the strip, or of where it would end.
        const int right = (stripShown ? x : x + usedWidth) - 2;
        const platform::TextSize size = caption.MeasureText(*text);
        caption.DrawText(*text, {right - size.Width, y, right, y + captionHeight - 1},
                         ColourSetting(g_.TitleFont.Color), ColourSetting(g_.FontTitlebarBackgroundColor));
        timeText_.assign(*text);
        timeIn_ = target;
    }
    // The marked points lie on what the lamps leave alone, mostly: a strip
    // drawn again for lamps that missed them keeps its mark.
    if (strip && !(marked && !lost && !pictureNew_ && !LampsCrossMark(place)))
        MarkStrip(caption, target, place);
    return target;
}

bool TitleBarDisplay::ComposeStrip(const TitleLayoutInfo& layout, bool& changed)
{
    // The picture is recoloured to the display's panel and text colours
    // only on request: that touches every pixel.
    pictureNew_ = false;
    if (g_.ReloadTitlePictures || stripLayout_ != layout.Orientation) {
        if (LoadPicture(s_.Resources, layout.Picture, strip_)) {
            stripLayout_ = layout.Orientation;
            RecolourLayoutPicture(strip_, ColourSetting(g_.BackgroundColor), ColourSetting(g_.TextColor));
            stripLamps_.Forget();
            pictureNew_ = changed = true;
        }
    }
    // A picture that did not load (or is too small for its layout) is not shown.
    if (stripLayout_ != layout.Orientation || strip_.Width < layout.UsedWidth || strip_.Height <= 0)
        return false;
    lampsChanged_ =
        lamps_.DrawChangedLamps(strip_, layout.Lamps, TitleLampGeometry, LampFamily::Title, stripLamps_, changedLamps_);
    if (lampsChanged_ > 0)
        changed = true;
    return true;
}

bool TitleBarDisplay::LampsCrossMark(const platform::WindowRect& place) const
{
    // The strip keeps its width in the caption and is stretched in height;
    // a row and a column either way allow for the stretch's rounding.
    const int height = place.Bottom - place.Top;
    if (lampsChanged_ > changedLamps_.size() || height <= 0)
        return true;
    const int row = (mark_.Row - place.Top) * strip_.Height / height;
    for (std::size_t i = 0; i < lampsChanged_; ++i) {
        const PixelRect& r = changedLamps_[i];
        if (row + 1 < r.Y || row - 1 >= r.Y + r.Height)
            continue;
        for (const int32_t x : mark_.Xs)
            if (x - place.Left + 1 >= r.X && x - place.Left - 1 < r.X + r.Width)
                return true;
    }
    return false;
}

bool TitleBarDisplay::CaptionShowsStrip(WindowHandle target)
{
    const platform::ForegroundWindows::Caption caption = s_.Windows.DrawCaption(target);
    return caption && caption.ReadRow(mark_.Row, mark_.Xs, colours_) && colours_ == mark_.Colours;
}

void TitleBarDisplay::MarkStrip(const platform::ForegroundWindows::Caption& caption, WindowHandle target,
                                const platform::WindowRect& place)
{
    // Points spread along the strip's middle row, where lamps and labels lie.
    const int32_t width = place.Right - place.Left;
    mark_.Row = (place.Top + place.Bottom) / 2;
    for (std::size_t i = 0; i < StripMark::Points; ++i)
        mark_.Xs[i] = place.Left + width * static_cast<int32_t>(2 * i + 1) / int32_t{2 * StripMark::Points};
    mark_.Place = place;
    // Pixels that cannot be read leave no mark: the strip is drawn every time.
    mark_.In = caption.ReadRow(mark_.Row, mark_.Xs, mark_.Colours) ? target : 0;
}

void TitleBarDisplay::Forget(WindowHandle shown)
{
    // The window drawn into before, when it no longer gets the strip, has
    // its frame repainted: most windows repaint their caption when they
    // lose the foreground, but not all, and a strip switched off in the
    // settings would otherwise stay until the window repaints by chance.
    if (shownIn_ && shownIn_ != shown) {
        s_.Windows.RepaintFrame(shownIn_);
        if (timeIn_ == shownIn_)
            timeIn_ = 0;
        if (mark_.In == shownIn_)
            mark_.In = 0;
    }
    shownIn_ = shown;
}

void TitleBarDisplay::RedrawForegroundCaption()
{
    const WindowHandle foreground = s_.Windows.Foreground();
    if (!foreground)
        return;
    const WindowHandle target = s_.Windows.TopLevel(foreground);
    if (!target)
        return;
    s_.Windows.PostActiveCaption(target);
    // Its caption loses the strip and the time; the next paint that shows
    // them draws them anew.
    if (timeIn_ == target)
        timeIn_ = 0;
    if (mark_.In == target)
        mark_.In = 0;
}

} // namespace display
