#include "display/throughput_graph.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace display {

namespace {

// Full scale from a line rate in bits per second: two ninths of it, rounded
// (28800 bps gives 6400 bytes).
int64_t ScaleOfBps(int32_t bps) { return static_cast<int64_t>(std::llround(2.0 * bps / 9.0)); }

// Room before a kept picture: this many one-column moves before it is
// composed anew (once in 17 minutes at one sample a second).
constexpr size_t ScrollRoom = 1024;

// A kept picture's pixels, row by row from the top.
struct Canvas {
    Colour* Pixels;
    int Width;
    int Height;
};

// A sample's two parts in pixels: the integer part of count / scale x height.
struct Parts {
    int64_t Sent;
    int64_t Received;
};
Parts PartsOf(ThroughputSample s, int64_t scale, int height)
{
    return {static_cast<int64_t>(s.TD) * height / scale, static_cast<int64_t>(s.RD) * height / scale};
}
bool AboveFullScale(Parts parts, int height) { return parts.Sent > height || parts.Received > height; }

// Rows [from, to) of column x, clipped to the picture.
void FillColumn(const Canvas& picture, int x, int64_t from, int64_t to, Colour c)
{
    const int64_t top = std::max<int64_t>(from, 0);
    const int64_t end = std::min<int64_t>(to, picture.Height);
    Colour* p = picture.Pixels + x;
    for (int64_t y = top; y < end; ++y)
        p[y * picture.Width] = c;
}

// Received at the bottom of column x, sent above it; the rows above are left.
void DrawParts(const Canvas& picture, int x, Parts parts, Colour rd, Colour td)
{
    const int h = picture.Height;
    FillColumn(picture, x, h - parts.Received, h, rd);
    FillColumn(picture, x, h - parts.Received - parts.Sent, h - parts.Received, td);
}

// One rate in tenths of a kB per second, rounded half up; at most about
// 4.2e8, so it fits 32 bits (and a "%u" that every C library knows).
unsigned RateTenths(uint32_t bytes, uint32_t intervalTenths)
{
    const uint64_t num = static_cast<uint64_t>(bytes) * 100;
    const uint64_t den = static_cast<uint64_t>(1024) * std::max<uint32_t>(intervalTenths, 1);
    return static_cast<unsigned>((2 * num + den) / (2 * den));
}

} // namespace

int64_t ThroughputScale(const TGVar& g, int64_t automaticMaximum)
{
    int64_t scale = automaticMaximum;
    if (g.TScalingSet == 1)
        scale = ScaleOfBps(g.TScalingPredefined);
    else if (g.TScalingSet == 2)
        scale = ScaleOfBps(g.TScalingValue);
    return std::max<int64_t>(scale, 1);
}

void BuildThroughputStatus(ThroughputSample newest, uint32_t intervalTenths, std::string& out)
{
    const unsigned dl = RateTenths(newest.RD, intervalTenths);
    const unsigned ul = RateTenths(newest.TD, intervalTenths);
    char text[80];
    const int n = std::snprintf(text, sizeof text, "DL:%4u.%u kB/s   UL:%4u.%u kB/s", dl / 10, dl % 10, ul / 10, ul % 10);
    out.assign(text, static_cast<size_t>(std::max(n, 0)));
}

TThroughputGraph::TThroughputGraph(TGVar& g, GraphHost& host) : g_(g), host_(host)
{
    // Room for the status texts, so that a new text never allocates.
    text_.reserve(80);
    window_.StatusText.reserve(80);
    display_.StatusText.reserve(80);
}

void TThroughputGraph::TimerThroughputTimer()
{
    TConnectionState& cs = g_.ConnectionState;
    // The first ticks after start-up discard their bytes.
    if (skips_ > 0) {
        --skips_;
        cs.GraphTx = cs.GraphRx = 0;
        return;
    }

    // Shift the history by one; the automatic maximum is the highest
    // stacked column among those that fit the stored window width.
    std::copy_backward(samples_.begin(), samples_.end() - 1, samples_.end());
    int64_t maximum = 1;
    const int64_t fitting = std::min<int64_t>(GraphSampleCount - 1, static_cast<int64_t>(g_.TWindowSizeX) - 1);
    for (int64_t k = 1; k <= fitting; ++k) {
        const ThroughputSample& s = samples_[static_cast<size_t>(k)];
        maximum = std::max<int64_t>(maximum, static_cast<int64_t>(s.TD) + s.RD);
    }
    // The newest sample counts each part alone: its stacked column may stand
    // above full scale until the next sample.
    samples_[0] = {cs.GraphTx, cs.GraphRx};
    maximum = std::max<int64_t>({maximum, samples_[0].TD, samples_[0].RD});
    automaticMaximum_ = maximum;
    ++samplesVersion_;
    cs.GraphTx = cs.GraphRx = 0;

    if (g_.GraphMode == 1)
        g_.GraphRepaintRequested = true;
    else if (g_.GraphMode == 2)
        g_.RepaintRequested = true;
}

void TThroughputGraph::ClearThroughputHistory()
{
    samples_.fill({});
    ++samplesVersion_;
    ++clears_;
    g_.ConnectionState.GraphTx = g_.ConnectionState.GraphRx = 0;
}

int ThroughputGraphMode(const TGVar& g)
{
    const bool on = g.Throughput == 1 || (g.Throughput == 2 && g.ModemSignals.CD);
    return !on ? 0 : g.ThroughputInDisplay == 1 ? 2 : 1;
}

void TThroughputGraph::ThroughputMode()
{
    TGVar& g = g_;
    g.GraphMode = ThroughputGraphMode(g);
    const bool on = g.GraphMode != 0;

    // The timer is told only of a change: setting it again would restart its
    // period, and a paint each second would starve a longer interval.
    const uint32_t period = on ? g.ThroghputUpdateSpeed * 100 : 0;
    if (period != timerPeriod_) {
        timerPeriod_ = period;
        host_.SetThroughputTimer(period);
    }

    GraphBounds bounds;
    if (!host_.GraphWindowBounds(bounds))
        return;
    if (g.GraphMode == 1) {
        g.ThroughputWindowPositionX = bounds.Left;
        g.ThroughputWindowPositionY = bounds.Top;
        g.TWindowSizeX = static_cast<uint32_t>(bounds.Width);
        g.TWindowSizeY = static_cast<uint32_t>(bounds.Height);
        // A minimised application keeps it hidden until it is restored.
        if (!g.ModalActive && g.NewOrientation >= 0 && !windowShown_) {
            windowShown_ = true;
            host_.ShowGraphWindow(true);
        }
    } else if (windowShown_) {
        windowShown_ = false;
        host_.ShowGraphWindow(false);
    }
}

bool TThroughputGraph::DrawThroughputInDisplay(int& displayHeight)
{
    TGVar& g = g_;
    if (g.GraphMode != 2) {
        ShowStatus(display_, GraphStatusBar::Display, false);
        return ShowInDisplay(nullptr, 0, false);
    }
    const bool bar = g.ThroughputDataInWindow == 1;
    const int s = bar ? GraphStatusBarHeight : 0;
    ShowStatus(display_, GraphStatusBar::Display, bar);

    // No room below the panel: the window grows to hold the status bar.
    const int extra = g.WindowSizeY - (displayHeight + 2 + s);
    if (extra <= 0) {
        g.WindowSizeY = displayHeight + 2 + s;
        if (bar)
            UpdateStatusText(display_, GraphStatusBar::Display);
        return ShowInDisplay(nullptr, 0, false);
    }

    // The area between the panel and the status bar of the window as it is
    // about to be sized, one row kept free above the status bar.
    const GraphSize client = host_.DisplayClientSize(g.WindowSizeX, g.WindowSizeY);
    const int top = client.Height - extra + 2 - s;
    const int bottom = client.Height - s - 1;
    displayHeight = g.WindowSizeY;
    bool changed = false;
    if (bottom > top && client.Width > 0) {
        const bool composed = Compose(display_, client.Width, bottom - top, true);
        changed = ShowInDisplay(&display_.Picture, top, composed);
    } else {
        changed = ShowInDisplay(nullptr, 0, false);
    }
    if (bar)
        UpdateStatusText(display_, GraphStatusBar::Display);
    return changed;
}

bool TThroughputGraph::ShowInDisplay(const platform::PixelImage* graph, int top, bool composed)
{
    host_.SetDisplayGraph(graph, top);
    const uint32_t* pixels = graph ? graph->Pixels : nullptr;
    const bool changed = composed || pixels != displayPixels_ || top != displayTop_;
    displayPixels_ = pixels;
    displayTop_ = top;
    return changed;
}

void TThroughputGraph::HideGraphWindow()
{
    if (windowShown_) {
        windowShown_ = false;
        host_.ShowGraphWindow(false);
    }
}

void TThroughputGraph::InvalidateGraphWindow() { host_.InvalidateGraphWindow(); }

void TThroughputGraph::GraphWindowRect(int32_t& left, int32_t& top, int32_t& width, int32_t& height)
{
    GraphBounds bounds;
    if (!host_.GraphWindowBounds(bounds))
        return;
    left = bounds.Left;
    top = bounds.Top;
    width = bounds.Width;
    height = bounds.Height;
}

void TThroughputGraph::FormPaint()
{
    const bool bar = g_.ThroughputDataInWindow == 1;
    ShowStatus(window_, GraphStatusBar::Window, bar);
    const GraphSize client = host_.GraphClientSize();
    const int h = std::max(client.Height - (bar ? GraphStatusBarHeight : 0), 0);
    Compose(window_, std::max(client.Width, 0), h, false);
    host_.PresentGraphWindow(window_.Picture);
    if (bar)
        UpdateStatusText(window_, GraphStatusBar::Window);
}

void TThroughputGraph::FormClose()
{
    g_.Throughput = 0;
    windowShown_ = false;
    GraphBounds bounds;
    if (host_.GraphWindowBounds(bounds)) {
        g_.ThroughputWindowPositionX = bounds.Left;
        g_.ThroughputWindowPositionY = bounds.Top;
        g_.TWindowSizeX = static_cast<uint32_t>(bounds.Width);
        g_.TWindowSizeY = static_cast<uint32_t>(bounds.Height);
    }
    // The next paint sets the mode anew and stops the timer.
    g_.RepaintRequested = true;
}

void TThroughputGraph::ComposeAnew()
{
    window_.Built = display_.Built = ViewKey{};
}

TThroughputGraph::ViewKey TThroughputGraph::KeyFor(int width, int height) const
{
    return {width,
            height,
            Scale(),
            g_.LightThroughputBackground & 0x00FFFFFFu,
            g_.LightThroughputRD & 0x00FFFFFFu,
            g_.LightThroughputTD & 0x00FFFFFFu,
            clears_,
            samplesVersion_};
}

bool TThroughputGraph::Compose(View& view, int width, int height, bool cutAtFullScale)
{
    const ViewKey key = KeyFor(width, height);
    if (key == view.Built)
        return false;
    if (!Scroll(view, key, cutAtFullScale))
        ComposeAll(view, key, cutAtFullScale);
    view.Built = key;
    return true;
}

void TThroughputGraph::ComposeAll(View& view, const ViewKey& key, bool cutAtFullScale)
{
    // The store keeps its storage: a size it held before needs no allocation.
    const int width = key.Width, height = key.Height;
    view.Picture = {};
    // No room for a column, or more pixels than a picture holds: empty.
    if (width == 0 || height == 0 || !PictureFits(width, height)) {
        view.Store.clear();
        return;
    }
    view.Store.resize(ScrollRoom + static_cast<size_t>(width) * static_cast<size_t>(height));
    view.Origin = ScrollRoom;
    const Canvas p{view.Store.data() + view.Origin, width, height};
    view.Picture = {p.Pixels, width, height};
    std::fill(view.Store.begin() + static_cast<ptrdiff_t>(view.Origin), view.Store.end(), key.Background);

    const int columns = std::min(width, GraphSampleCount);
    for (int x = 0; x < columns; ++x) {
        const ThroughputSample& s = samples_[static_cast<size_t>(x)];
        if (s.TD == 0 && s.RD == 0)
            continue;
        const Parts parts = PartsOf(s, key.Scale, height);
        if (cutAtFullScale && AboveFullScale(parts, height))
            break;
        DrawParts(p, x, parts, key.RD, key.TD);
    }
}

bool TThroughputGraph::Scroll(View& view, const ViewKey& key, bool cutAtFullScale)
{
    // Only samples taken since: the size, the scale and the colours are as
    // the picture was built, and the history was not cleared.
    ViewKey same = key;
    same.Samples = view.Built.Samples;
    const int columns = std::min(key.Width, GraphSampleCount);
    const uint32_t n = key.Samples - view.Built.Samples;
    if (!(same == view.Built) || !view.Picture.Pixels || n >= static_cast<uint32_t>(columns) || n > view.Origin)
        return false;
    const int added = static_cast<int>(n);
    // A new sample above full scale ends the chart before the older ones.
    if (cutAtFullScale)
        for (int x = 0; x < added; ++x)
            if (AboveFullScale(PartsOf(samples_[static_cast<size_t>(x)], key.Scale, key.Height), key.Height))
                return false;

    view.Origin -= n;
    const Canvas p{view.Store.data() + view.Origin, key.Width, key.Height};
    view.Picture.Pixels = p.Pixels;
    for (int x = 0; x < added; ++x) {
        const Parts parts = PartsOf(samples_[static_cast<size_t>(x)], key.Scale, key.Height);
        FillColumn(p, x, 0, key.Height - parts.Received - parts.Sent, key.Background);
        DrawParts(p, x, parts, key.RD, key.TD);
    }
    // Past the last sample (a view wider than the history) stays background.
    for (int x = columns; x < std::min(columns + added, key.Width); ++x)
        FillColumn(p, x, 0, key.Height, key.Background);
    return true;
}

void TThroughputGraph::ShowStatus(View& view, GraphStatusBar bar, bool shown)
{
    if (view.StatusKnown && view.StatusShown == shown)
        return;
    view.StatusKnown = true;
    view.StatusShown = shown;
    host_.ShowStatusBar(bar, shown);
}

void TThroughputGraph::UpdateStatusText(View& view, GraphStatusBar bar)
{
    // The text follows the newest sample and the interval only.
    if (view.StatusSamples == samplesVersion_ && view.StatusInterval == g_.ThroghputUpdateSpeed &&
        !view.StatusText.empty())
        return;
    view.StatusSamples = samplesVersion_;
    view.StatusInterval = g_.ThroghputUpdateSpeed;
    BuildThroughputStatus(samples_[0], g_.ThroghputUpdateSpeed, text_);
    if (text_ == view.StatusText)
        return;
    view.StatusText.assign(text_);
    host_.SetStatusText(bar, view.StatusText);
}

} // namespace display
