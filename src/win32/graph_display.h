// The throughput graph on Win32: the window "Throughput" (a sizeable tool
// window, only ever shown without activation or hidden) with its status
// bar, the main window's status bar under the in-display graph, and the
// throughput timer. What the graph shows is the core's
// (display/throughput_graph.h).
#pragma once

#include <functional>

#include <windows.h>

#include "display/throughput_graph.h"
#include "win32/dib_blit.h"
#include "win32/window_base.h"

namespace win32 {

class TGraphDisplay final : private WindowBase, private display::GraphHost {
public:
    // The settings dialog on its "Throughput Display" page, and a key the
    // main window handles (S, T).
    std::function<void()> OpenThroughputPage;
    std::function<void(uint32_t)> KeyPressed;

    TGraphDisplay() = default;
    ~TGraphDisplay() override;

    // Creates the window (hidden) at the stored bounds and the main
    // window's status bar.
    bool Create(HINSTANCE instance, HWND mainWindow);
    display::TThroughputGraph& Graph() { return graph_; }
    // The window grows (shrinks, negative) by dy pixels, its left, top and
    // width kept; gives its new height.
    int32_t GrowWindow(int32_t dy);
    void SetTimerPeriod(uint32_t periodMs) { SetThroughputTimer(periodMs); }

    // The main window's paint: the in-display graph it asked for, drawn at
    // its place (nothing when none); the part of the client it covers.
    bool DrawInDisplay(HDC dc, RECT& covered);

private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void PlaceStatusBar(HWND bar, HWND parent);

    // display::GraphHost
    bool GraphWindowBounds(display::GraphBounds& bounds) override;
    void ShowGraphWindow(bool shown) override;
    void InvalidateGraphWindow() override;
    display::GraphSize GraphClientSize() override;
    void PresentGraphWindow(const platform::PixelImage& graph) override;
    display::GraphSize DisplayClientSize(int outerWidth, int outerHeight) override;
    void SetDisplayGraph(const platform::PixelImage* graph, int top) override;
    void SetThroughputTimer(uint32_t periodMs) override;
    void ShowStatusBar(display::GraphStatusBar bar, bool shown) override;
    void SetStatusText(display::GraphStatusBar bar, std::string_view text) override;

    HWND main_ = nullptr;
    HWND windowBar_ = nullptr;
    HWND displayBar_ = nullptr;
    HDC paintDc_ = nullptr;               // the graph window's paint running
    const platform::PixelImage* displayGraph_ = nullptr;
    int displayGraphTop_ = 0;
    DibBlitter windowBlitter_, displayBlitter_;
    std::string text_;                    // a status text, NUL-terminated for the control
    display::TThroughputGraph graph_{Settings, *this};
};

} // namespace win32
