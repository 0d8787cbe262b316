// The throughput graph's two compositions: the graph window's paint (a
// full 600-column window) and the in-display graph of a lamp display
// paint, each with a new sample to draw (a throughput timer tick: the kept
// picture moves by a column), with a new sample and the whole picture
// composed anew (as after a change of scale, size or colours; the measure
// the move is held against), and with nothing new (a repaint that only
// presents the kept picture). The host does nothing with the pictures.
//
//   throughput_graph_bench [benchmark flags]   Google Benchmark
#include <benchmark/benchmark.h>

#include "display/throughput_graph.h"

namespace {

class Host final : public display::GraphHost {
public:
    bool GraphWindowBounds(display::GraphBounds& bounds) override
    {
        bounds = {10, 10, 608, 240};
        return true;
    }
    void ShowGraphWindow(bool) override {}
    void InvalidateGraphWindow() override {}
    display::GraphSize GraphClientSize() override { return {600, 220}; }
    void PresentGraphWindow(const platform::PixelImage& graph) override { benchmark::DoNotOptimize(graph.Pixels); }
    display::GraphSize DisplayClientSize(int outerWidth, int outerHeight) override
    {
        return {outerWidth - 8, outerHeight - 27};
    }
    void SetDisplayGraph(const platform::PixelImage* graph, int) override { benchmark::DoNotOptimize(graph); }
    void SetThroughputTimer(uint32_t) override {}
    void ShowStatusBar(display::GraphStatusBar, bool) override {}
    void SetStatusText(display::GraphStatusBar, std::string_view text) override { benchmark::DoNotOptimize(text.data()); }
};

enum class View { Window, InDisplay };

struct Rig {
    TGVar g;
    Host host;
    display::TThroughputGraph graph{g, host};
    View view;

    explicit Rig(View v) : view(v)
    {
        g.Throughput = 1;
        g.ThroughputInDisplay = v == View::InDisplay;
        g.ThroughputDataInWindow = 1;
        g.ThroghputUpdateSpeed = 10;
        g.TWindowSizeX = 608;
        g.WindowSizeX = 300; // a Courier panel with a graph 100 rows high
        g.WindowSizeY = 200;
        g.LightThroughputBackground = 0xEBFEFE;
        g.LightThroughputRD = 0x00FF00;
        g.LightThroughputTD = 0x0000FF;
        graph.ThroughputMode();
        // A full history of varied samples, automatic scale.
        for (uint32_t i = 0; i < display::GraphSampleCount + display::GraphStartSkips; ++i)
            Sample(i);
        Paint();
    }

    void Sample(uint32_t i)
    {
        g.ConnectionState.GraphRx = 3000 + i * 37 % 4000;
        g.ConnectionState.GraphTx = 200 + i * 13 % 500;
        graph.TimerThroughputTimer();
    }

    void Paint()
    {
        if (view == View::Window) {
            graph.FormPaint();
        } else {
            int height = 75;
            graph.DrawThroughputInDisplay(height);
        }
    }
};

void NewSample(benchmark::State& state, View view)
{
    Rig rig(view);
    uint32_t i = 0;
    for (auto _ : state) {
        rig.Sample(++i);
        rig.Paint();
    }
}

void FullCompose(benchmark::State& state, View view)
{
    Rig rig(view);
    uint32_t i = 0;
    for (auto _ : state) {
        rig.Sample(++i);
        rig.graph.ComposeAnew();
        rig.Paint();
    }
}

void NothingNew(benchmark::State& state, View view)
{
    Rig rig(view);
    for (auto _ : state)
        rig.Paint();
}

BENCHMARK_CAPTURE(NewSample, window_600x202, View::Window);
BENCHMARK_CAPTURE(NewSample, in_display_292x102, View::InDisplay);
BENCHMARK_CAPTURE(FullCompose, window_600x202, View::Window);
BENCHMARK_CAPTURE(FullCompose, in_display_292x102, View::InDisplay);
BENCHMARK_CAPTURE(NothingNew, window_600x202, View::Window);
BENCHMARK_CAPTURE(NothingNew, in_display_292x102, View::InDisplay);

} // namespace

BENCHMARK_MAIN();
