// The title-bar strip at a lamp-display paint: the Courier strip composed
// and handed to the caption with the connect time beside it. A paint runs
// up to 18 times a second while data flows: with nothing changed (the
// caption still shows the strip), with the data lamps flashing, and one
// with a reload that recolours the strip picture and the title lamps (a
// settings change). Only the composition is timed: the caption takes the
// pixels and the text and does nothing with them.
//
//   title_strip_bench [benchmark flags]    Google Benchmark
//   title_strip_bench --paints=N unchanged|lamps|reload
//                                          N paints, for callgrind
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string_view>

#include "bench_pictures.h"
#include "display/title_bar_display.h"

namespace {

using bench::Metrics;
using bench::Pictures;
using bench::Resources;

// Moves on by `Step` days at each reading.
class Clock final : public platform::Clock {
public:
    double Now() override { return now += Step; }
    uint32_t TickCount() override { return 1000; }
    double now = 45000.5;
    double Step = 1.0 / (18 * 86400);
};

// An ordinary application window of another program, 640 pixels wide.
class Caption final : public platform::ForegroundWindows {
public:
    long Blits = 0, Texts = 0;
    platform::WindowHandle Foreground() override { return 1; }
    platform::WindowHandle TopLevel(platform::WindowHandle w) override { return w; }
    platform::WindowStyle Style(platform::WindowHandle) override { return {true, true, true, true, true}; }
    bool Rect(platform::WindowHandle, platform::WindowRect& r) override
    {
        r = {100, 50, 740, 530};
        return true;
    }
    bool OfThisProcess(platform::WindowHandle) override { return false; }
    bool BeginCaption(platform::WindowHandle) override { return true; }
    void StretchPixels(const platform::PixelImage& source, int32_t, int32_t, int32_t, int32_t, int32_t) override
    {
        benchmark::DoNotOptimize(source.Pixels);
        ++Blits;
    }
    platform::TextSize MeasureText(std::string_view text) override
    {
        return {7 * static_cast<int32_t>(text.size()), 16};
    }
    void DrawText(std::string_view text, const platform::WindowRect&, uint32_t, uint32_t) override
    {
        benchmark::DoNotOptimize(text.data());
        ++Texts;
    }
    void EndCaption() override {}
    void RepaintFrame(platform::WindowHandle) override {}
    void PostActiveCaption(platform::WindowHandle) override {}
    // The caption keeps what was drawn into it.
    bool ReadRow(int32_t, std::span<const int32_t>, std::span<uint32_t> c) override
    {
        std::fill(c.begin(), c.end(), 0x808080u);
        return true;
    }
};

struct Rig {
    Resources resources;
    Metrics metrics;
    Clock clock;
    Caption caption;
    display::TitleBarDisplay strip{Settings, {resources, metrics, clock, caption}};

    Rig()
    {
        Settings = TGVar{};
        TGVar& g = Settings;
        g.Port = 2;
        g.Title = 1;
        g.OrientationTitle = 5;
        g.LampLookTitle = 1;
        g.DisplayConnectTimeInTitlebar = 1;
        g.BackgroundColor = 0xC0C0C0;
        g.LightColorOn = 0x0000FF;
        g.LightColorOff = 0x828282;
        g.ModemSignals.CD = g.ModemSignals.CTS = g.ModemSignals.DSR = true;
        g.ConnectStart = clock.now - 0.01;
        g.ReloadTitlePictures = true;
        strip.DrawTitleBarDisplay(); // the first paint loads the pictures
    }

    void Paint(long i, bool reload)
    {
        Settings.ModemSignals.TD = i & 1;
        Settings.ModemSignals.RD = i & 2;
        Settings.ReloadTitlePictures = reload;
        strip.DrawTitleBarDisplay();
    }
};

void StripNothingToReload(benchmark::State& state)
{
    Rig rig;
    long i = 0;
    for (auto _ : state)
        rig.Paint(++i, false);
}

void StripWithReload(benchmark::State& state)
{
    Rig rig;
    long i = 0;
    for (auto _ : state)
        rig.Paint(++i, true);
}

BENCHMARK(StripNothingToReload);
BENCHMARK(StripWithReload);

// Plain loop for callgrind: instructions are counted inside DrawTitleBarDisplay only.
int RunPaints(std::string_view kind, long paints)
{
    Rig rig;
    if (kind == "unchanged")
        rig.clock.Step = 0;
    for (long i = 0; i < paints; ++i) {
        if (kind == "unchanged")
            rig.strip.DrawTitleBarDisplay();
        else
            rig.Paint(i + 1, kind == "reload");
    }
    // Every paint draws the strip, but the unchanged ones.
    const long blits = kind == "unchanged" ? 1 : paints + 1;
    return rig.caption.Blits == blits ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    return bench::Main(argc, argv, RunPaints);
}
