// The lamp display's paint as the poll tick runs it, up to 18 times a
// second while data flows: with nothing changed (a repaint someone asked
// for), with one lamp changed, and the whole frame as the system's paint
// draws it; and a paint that reloads and recolours the layout picture and
// the lamp images (a settings change, a resize). Only the composition is
// timed: the window does nothing with the frame, the pictures come from
// memory.
//
//   lamp_display_bench [benchmark flags]   Google Benchmark
//   lamp_display_bench --paints=N unchanged|onelamp|whole|reload
//                                          N paints, for callgrind
#include <benchmark/benchmark.h>

#include <string_view>

#include "display/lamp_display.h"
#include "bench_pictures.h"

namespace {

using bench::Metrics;
using bench::NoPorts;
using Vxd = bench::Com2Vxd;
using bench::Pictures;
using bench::Resources;

// Moves on by `Step` days at each reading.
class Clock final : public platform::Clock {
public:
    double Now() override { return now += Step; }
    uint32_t TickCount() override { return 1000; }
    double now = 45000.5;
    double Step = 1.0 / 86400;
};

// A window that takes every request and shows nothing.
class Window final : public display::LampWindow {
public:
    long Presents = 0;
    void SetTopmost(bool) override {}
    display::FontMetrics SelectDisplayFont() override { return {16, 7}; }
    display::TextExtent MeasureText(std::string_view) override { return {62, 16}; }
    void SetSizeable(bool) override {}
    void Resize(int width, int) override { client = width - 8; }
    int ClientWidth() override { return client; }
    void Present(const display::LampFrame& frame) override
    {
        benchmark::DoNotOptimize(frame.Picture->Pixels.data());
        ++Presents;
    }
    void Invalidate() override {}
    int client = 0;
};

enum class Panel { CourierPlain, CourierFourLines, LargeSquare };

struct Rig {
    Resources resources;
    Metrics metrics;
    Clock clock;
    Vxd vxd;
    NoPorts ports;
    Window window;
    NoWindowParts parts;
    display::TLampDisplay display{Settings, {resources, metrics, clock, vxd, ports}, window, parts.Parts};

    explicit Rig(Panel panel)
    {
        Settings = TGVar{};
        TGVar& g = Settings;
        g.Port = 2;
        g.NewOrientation = panel == Panel::LargeSquare ? 1 : 5;
        g.LampLook = 1;
        g.BackgroundColor = 0xC0C0C0;
        g.LightColorOn = 0x0000FF;
        g.LightColorOff = 0x828282;
        g.RDTDSpeedUpdate = 5;
        g.ModemSignals.CD = g.ModemSignals.CTS = g.ModemSignals.DSR = true;
        if (panel == Panel::CourierFourLines) {
            g.StatusInDisplay = g.SPYSpeedInDisplay = g.LogTransmitDisp = g.DisplayConnectTime = 1;
            g.ConnectStart = 45000.4;
            g.ConnectionState.WindowTx = 12345;
            g.ConnectionState.WindowRx = 678901;
            g.ConnectionState.SessionTx = 1234567;
        }
        g.ReloadPictures = true;
        display.FormPaint(); // the first paint builds the display
    }

    // The tick's paint with the data lamps flashing, or the whole frame
    // after a reload.
    void Paint(long i, bool reload)
    {
        Settings.ModemSignals.TD = i & 1;
        Settings.ModemSignals.RD = i & 2;
        Settings.ReloadPictures = reload;
        display.FormPaint(reload ? display::PaintScope::Whole : display::PaintScope::Changes);
    }
};

void PaintNothingToReload(benchmark::State& state, Panel panel)
{
    Rig rig(panel);
    long i = 0;
    for (auto _ : state)
        rig.Paint(++i, false);
}

void PaintWithReload(benchmark::State& state, Panel panel)
{
    Rig rig(panel);
    long i = 0;
    for (auto _ : state)
        rig.Paint(++i, true);
}

BENCHMARK_CAPTURE(PaintNothingToReload, courier, Panel::CourierPlain);
BENCHMARK_CAPTURE(PaintNothingToReload, courier_four_text_lines, Panel::CourierFourLines);
BENCHMARK_CAPTURE(PaintNothingToReload, large_square, Panel::LargeSquare);
BENCHMARK_CAPTURE(PaintWithReload, courier, Panel::CourierPlain);
BENCHMARK_CAPTURE(PaintWithReload, large_square, Panel::LargeSquare);

// Plain loop for callgrind: instructions are counted inside FormPaint only.
// The clock stands still but for the whole paints, whose lines change each
// second as on a connected display's system paint.
int RunPaints(std::string_view kind, long paints)
{
    Rig rig(Panel::CourierFourLines);
    rig.clock.Step = kind == "whole" ? 1.0 / 86400 : 0;
    for (long i = 0; i < paints; ++i) {
        TGVar& g = Settings;
        if (kind == "unchanged")
            rig.display.FormPaint(display::PaintScope::Changes);
        else if (kind == "onelamp") {
            g.ModemSignals.TD = (i + 1) & 1;
            rig.display.FormPaint(display::PaintScope::Changes);
        } else if (kind == "whole") {
            g.ModemSignals.TD = i & 1;
            rig.display.FormPaint(display::PaintScope::Whole);
        } else {
            rig.Paint(i, true);
        }
    }
    // Every paint presents, but the unchanged ones.
    const long presents = kind == "unchanged" ? 1 : paints + 1;
    return rig.window.Presents == presents ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    return bench::Main(argc, argv, RunPaints);
}
