// The throughput graph: the bytes sent and received in each of the last
// 601 sample intervals, drawn as a scrolling bar chart (one stacked column
// per sample, received at the bottom, sent on top, the newest at the left)
// in a window of its own or below the lamps of the main display, with a
// status line that gives the newest sample as rates.
//
// The logic composes both views into pictures it keeps: a new sample moves
// a kept picture one column to the right and draws the new column, and a
// change of size, scale or colours composes it anew. The window operations
// are reached through GraphHost, which the Win32 side implements.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foreground_window.h"
#include "settings/settings.h"
#include "monitor/window_parts.h"
#include "display/bitmap.h"

namespace display {

inline constexpr int GraphSampleCount = 601;
// Ticks of the throughput timer after start-up that take no sample.
inline constexpr int GraphStartSkips = 2;
inline constexpr int GraphStatusBarHeight = 18;

// The bytes of one sample interval.
struct ThroughputSample {
    uint32_t TD = 0; // sent
    uint32_t RD = 0; // received
};

// The full scale in bytes per sample, the same in both views: the
// automatic maximum, or round(2 x bps / 9) of "TScalingPredefined" (1) or
// "TScalingValue" (2); never below 1.
int64_t ThroughputScale(const TGVar& g, int64_t automaticMaximum);

// Where the graph shows: 0 nowhere, 1 in its own window, 2 in the display.
// "Throughput" 1 shows it always, 2 while the carrier is up.
int ThroughputGraphMode(const TGVar& g);

// "DL:" rate " kB/s   UL:" rate " kB/s" for the newest sample, each rate
// in kB per second (bytes / 1024 / the interval in seconds; the interval
// is "ThroghputUpdateSpeed" tenths of a second), one decimal rounded half
// up, right-aligned in six characters. Writes into out, reusing its storage.
void BuildThroughputStatus(ThroughputSample newest, uint32_t intervalTenths, std::string& out);

struct GraphSize {
    int Width = 0;
    int Height = 0;
};

struct GraphBounds {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
};

// Which status bar: the graph window's, or the main window's under the
// in-display graph. Both are one simple panel, 18 pixels high.
enum class GraphStatusBar { Window, Display };

// The window operations the graph needs; the Win32 side implements them.
class GraphHost {
public:
    virtual ~GraphHost() = default;
    // The graph window's outer place and size; false while it does not exist.
    virtual bool GraphWindowBounds(GraphBounds& bounds) = 0;
    // Shows the graph window without activating it, or hides it.
    virtual void ShowGraphWindow(bool shown) = 0;
    // Invalidates the graph window's whole client area without erasing.
    virtual void InvalidateGraphWindow() = 0;
    // The graph window's client size (the status bar included).
    virtual GraphSize GraphClientSize() = 0;
    // Draws the window view at the client's top-left corner; called from
    // the graph window's paint.
    virtual void PresentGraphWindow(const platform::PixelImage& graph) = 0;
    // The main window's client size when its outer size is the one given.
    virtual GraphSize DisplayClientSize(int outerWidth, int outerHeight) = 0;
    // The in-display graph of this paint of the main display, at client
    // row top, full client width; nullptr: none. It is drawn with the panel
    // (the panel's background fill must leave it) and stays valid until the
    // next call.
    virtual void SetDisplayGraph(const platform::PixelImage* graph, int top) = 0;
    // Starts the throughput timer with this period in milliseconds, counting
    // from now; 0 stops it.
    virtual void SetThroughputTimer(uint32_t periodMs) = 0;
    // Shows or hides a status bar, and sets its text.
    virtual void ShowStatusBar(GraphStatusBar bar, bool shown) = 0;
    virtual void SetStatusText(GraphStatusBar bar, std::string_view text) = 0;
};

class TThroughputGraph : public GraphPart {
public:
    TThroughputGraph(TGVar& g, GraphHost& host);

    // One tick of the throughput timer: takes the accumulated bytes as the
    // newest sample and asks for the view of the current mode to repaint.
    void TimerThroughputTimer();

    // GraphPart.
    void ClearThroughputHistory() override;
    void ThroughputMode() override;
    bool DrawThroughputInDisplay(int& displayHeight) override;
    void HideGraphWindow() override;
    void InvalidateGraphWindow() override;
    void GraphWindowRect(int32_t& left, int32_t& top, int32_t& width, int32_t& height) override;

    // The graph window's paint.
    void FormPaint();
    // The user closed the graph window (which hides itself): the graph is
    // switched off and the window's bounds are kept in the settings.
    void FormClose();

    // Sample i, 0 the newest.
    ThroughputSample Sample(int i) const { return samples_[static_cast<size_t>(i)]; }
    int64_t AutomaticMaximum() const { return automaticMaximum_; }
    int SkipCount() const { return skips_; }
    int64_t Scale() const { return ThroughputScale(g_, automaticMaximum_); }
    // The next paint of each view composes its whole picture instead of
    // moving the kept one: the measure and the check of the moved pictures.
    void ComposeAnew();

private:
    // What a composed view was built from; equal inputs need no rebuild,
    // and inputs that differ only in the samples taken since need a move.
    struct ViewKey {
        int Width = -1;
        int Height = -1;
        int64_t Scale = 0;
        Colour Background = 0;
        Colour RD = 0;
        Colour TD = 0;
        uint32_t Clears = 0;  // the clears of the history
        uint32_t Samples = 0; // the samples taken
        friend bool operator==(const ViewKey&, const ViewKey&) = default;
    };
    struct View {
        // The picture sits at Origin in Store, the room before it kept
        // free: moving the origin back by n pixels moves every row n
        // columns to the right (each row's last n pixels become the next
        // row's first n, which the new columns then cover).
        std::vector<Colour> Store;
        size_t Origin = 0;
        platform::PixelImage Picture;
        ViewKey Built;
        bool StatusShown = false;
        bool StatusKnown = false; // the status bar's state was set once
        std::string StatusText;   // the text the status bar shows
        uint32_t StatusSamples = 0;  // the samples and interval it was built from
        uint32_t StatusInterval = 0;
    };

    ViewKey KeyFor(int width, int height) const;
    // Brings the view's picture up to date: moved for new samples, composed
    // anew for other changes; false when it was up to date. cutAtFullScale:
    // the chart ends at the first sample whose part stands above the height.
    bool Compose(View& view, int width, int height, bool cutAtFullScale);
    // Hands the in-display picture to the host; true when it or its place
    // differ from the last one handed.
    bool ShowInDisplay(const platform::PixelImage* graph, int top, bool composed);
    void ComposeAll(View& view, const ViewKey& key, bool cutAtFullScale);
    // Moves the picture right by the new samples and draws them; false, with
    // the picture untouched, when it must be composed anew.
    bool Scroll(View& view, const ViewKey& key, bool cutAtFullScale);
    void ShowStatus(View& view, GraphStatusBar bar, bool shown);
    void UpdateStatusText(View& view, GraphStatusBar bar);

    TGVar& g_;
    GraphHost& host_;
    std::array<ThroughputSample, GraphSampleCount> samples_{};
    uint32_t samplesVersion_ = 0; // counts every change of the samples
    uint32_t clears_ = 0;
    int64_t automaticMaximum_ = 1;
    int skips_ = GraphStartSkips;
    uint32_t timerPeriod_ = 0; // the running timer's period; 0 = stopped
    bool windowShown_ = false;
    View window_;
    View display_;
    // The in-display graph as last handed to the host.
    const uint32_t* displayPixels_ = nullptr;
    int displayTop_ = 0;
    std::string text_; // the status text being built
};

} // namespace display
