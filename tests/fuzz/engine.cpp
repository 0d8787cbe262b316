// BLINKERY.INI as the fuzzer writes it, taken through the code that uses
// what was read: start-up, one connection on the real poll tick (carrier
// up, bytes both ways, a long quiet spell, carrier down) with the event
// actions, the inactivity rules and the keyboard lights, the lamp display
// in the layout the file chose and in one more the input picks, the
// throughput graph in its mode, the title-bar strip and the reset schedule
// of the total connect time. The reader alone is settings_reader's target.
#include <algorithm>
#include <cstdint>
#include <string>

#include "app/startup.h"
#include "display/lamp_display_doubles.h"
#include "display/throughput_graph.h"
#include "display/title_bar_display.h"
#include "fuzz_check.h"
#include "monitor/engine_wiring.h"
#include "monitor/reset_schedule.h"
#include "platform/text_profile.h"

namespace {

const std::string Path = "C:\\WINDOWS\\BLINKERY.INI";

// An ordinary window of another program, 640 pixels wide, in the foreground.
// Every blit reads the last pixel of its source, so a short picture shows.
class Caption : public platform::ForegroundWindows {
public:
    platform::WindowHandle Foreground() override { return 1; }
    platform::WindowHandle TopLevel(platform::WindowHandle w) override { return w; }
    platform::WindowStyle Style(platform::WindowHandle) override { return {true, true, true, true, true}; }
    bool Rect(platform::WindowHandle, platform::WindowRect& r) override { return r = {100, 50, 740, 530}, true; }
    bool OfThisProcess(platform::WindowHandle) override { return false; }
    bool BeginCaption(platform::WindowHandle) override { return true; }
    void StretchPixels(const platform::PixelImage& source, int32_t sourceWidth, int32_t, int32_t, int32_t,
                       int32_t) override
    {
        FUZZ_CHECK(sourceWidth > 0 && sourceWidth <= source.Width && source.Height > 0);
        Sink += source.Pixels[source.Width * source.Height - 1];
    }
    platform::TextSize MeasureText(std::string_view text) override { return {7 * int32_t(text.size()), 16}; }
    void DrawText(std::string_view, const platform::WindowRect&, uint32_t, uint32_t) override {}
    void EndCaption() override {}
    void RepaintFrame(platform::WindowHandle) override {}
    void PostActiveCaption(platform::WindowHandle) override {}
    bool ReadRow(int32_t, std::span<const int32_t>, std::span<uint32_t>) override
    {
        return true;
    }
    uint32_t Sink = 0;
};

// The main window as the portable code sees it: start-up's host and the
// throughput graph's host over the engine's wiring, whose window paints the
// displays the invalidations bring.
struct Rig : enginetest::EngineWiring, WindowHost, display::GraphHost {
    Rig()
    {
        clock.Step = 50; // so that the hang-up's wait for the dropped DTR ends
        window.OnPaint = [this] { Paint(); };
        window.OnGraphInvalidated = [this] { InvalidateGraphWindow(); };
    }

    // WindowHost: start-up's requests
    bool OpenHelperVxd() override
    {
        return client.Open(g.OsKind, g.NoVxd, system.ShortProgramPath()) == monitor::VxdOpenResult::Opened;
    }
    bool HelperVxdOpen() override { return client.IsOpen(); }
    bool HookHelperVxd() override { return client.Hook(); }
    // GraphHost: the paints the invalidations bring.
    void InvalidateGraphWindow() override
    {
        if (g.GraphMode == 1)
            graph.FormPaint();
    }
    // A graph window made at the bounds the settings give, as
    // large as a window can be made (the work area and its frame at most).
    bool GraphWindowBounds(display::GraphBounds& b) override
    {
        b = {g.ThroughputWindowPositionX, g.ThroughputWindowPositionY, int(std::min(g.TWindowSizeX, 1036u)),
             int(std::min(g.TWindowSizeY, 750u))};
        return true;
    }
    void ShowGraphWindow(bool) override {}
    display::GraphSize GraphClientSize() override
    {
        display::GraphBounds b;
        GraphWindowBounds(b);
        return {std::max(b.Width - 8, 0), std::max(b.Height - 27, 0)};
    }
    void PresentGraphWindow(const platform::PixelImage& picture) override { Shown(picture); }
    display::GraphSize DisplayClientSize(int w, int h) override { return {std::max(w - 8, 0), std::max(h - 27, 0)}; }
    void SetDisplayGraph(const platform::PixelImage* picture, int top) override
    {
        if (!picture)
            return;
        Shown(*picture);
        FUZZ_CHECK(top >= 0 && top + picture->Height <= DisplayClientSize(g.WindowSizeX, g.WindowSizeY).Height);
    }
    void SetThroughputTimer(uint32_t periodMs) override { graphTimer = periodMs; }
    void ShowStatusBar(display::GraphStatusBar, bool) override {}
    void SetStatusText(display::GraphStatusBar, std::string_view) override {}

    void Shown(const display::Bitmap& picture)
    {
        FUZZ_CHECK(picture.Pixels.size() == size_t(std::max(picture.Width, 0)) * size_t(std::max(picture.Height, 0)));
        Shown(platform::PixelImage{picture.Pixels.data(), picture.Width, picture.Height});
    }
    void Shown(const platform::PixelImage& picture)
    {
        FUZZ_CHECK(picture.Width >= 0 && picture.Height >= 0);
        const size_t pixels = size_t(picture.Width) * size_t(picture.Height);
        FUZZ_CHECK(pixels == 0 || picture.Pixels);
        if (pixels != 0)
            caption.Sink += picture.Pixels[pixels - 1];
    }
    void Paint()
    {
        const int presents = lampWindow.Presents;
        display.FormPaint();
        if (lampWindow.Presents != presents)
            Shown(*lampWindow.Frame.Picture);
    }
    // A poll tick `seconds` after the last, with the throughput timer's tick
    // when it runs.
    void Step(double seconds)
    {
        clock.NowValue += seconds * enginetest::Second;
        clock.Tick += static_cast<uint32_t>(seconds * 1000);
        engine.Tick();
        if (graphTimer)
            graph.TimerThroughputTimer();
    }
    // Bytes through every counter the settings may pick: the VxD's and the
    // registry's under the name read.
    void Bytes(uint32_t rx, uint32_t tx)
    {
        vxd.ReceivedPending += rx, vxd.SentPending += tx;
        rxTotal += rx, txTotal += tx;
        stat.Set(g.DUNRegistryName + "\\BytesRecvd", rxTotal);
        stat.Set(g.DUNRegistryName + "\\BytesXmit", txTotal);
        stat.Set(g.DUNRegistryName + "\\ConnectSpeed", 28800);
    }

    fakes::MemoryFiles files;
    platform::TextProfile profile{files, Path};
    fakes::FontFactory fonts;
    SettingsContext settings{profile, system, clock, fonts};
    fakes::FileQuery found;

    rig::ShippedBitmaps bitmaps;
    rig::Metrics metrics;
    rig::Window lampWindow;
    Caption caption;
    display::TThroughputGraph graph{g, *this};
    display::TitleBarDisplay strip{g, {bitmaps, metrics, clock, caption}};
    NoWindowParts none;
    MainWindowParts parts{none.Tray, none.Menu, none.Setup, graph, strip};
    display::TLampDisplay display{g, {bitmaps, metrics, clock, vxd, ports}, lampWindow, parts};
    uint32_t graphTimer = 0;
    uint32_t rxTotal = 0, txTotal = 0;
};

// The total's next reset from every schedule: later than the reference, by
// the schedule's length (a month of 28 to 31 days, a quarter of 89 to 92).
void CheckResetSchedule(double reference)
{
    const double lengths[][2] = {{365, 365}, {89, 92}, {28, 31}, {7, 7}, {1, 1}};
    for (int32_t event = monitor::ResetYearly; event <= monitor::ResetDaily; ++event) {
        const double next = monitor::NextResetTime(reference, event);
        // A day before 1900 counts its time of day backwards; years beyond
        // 9999 are no dates.
        if (reference < 0 || reference >= 2958465)
            continue;
        const double days = next - reference;
        FUZZ_CHECK(days >= lengths[event - 1][0] - 1e-6 && days <= lengths[event - 1][1] + 1e-6);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Rig rig;
    TGVar& g = rig.g;
    rig.metrics.Values.insert({{platform::Metric::CxSize, 18}, {platform::Metric::CxFrame, 4},
                               {platform::Metric::CyFrame, 4}, {platform::Metric::CxBorder, 1},
                               {platform::Metric::CyBorder, 1}, {platform::Metric::CyCaption, 19}});
    rig.lampWindow.Record = false;
    rig.files.Files[Path].assign(reinterpret_cast<const char*>(data), size);
    // Windows 95, NT 4 or 2000, by the length.
    const platform::OsVersion versions[] = {{1, 4, 10}, {2, 4, 0}, {2, 5, 0}};
    rig.system.Version = versions[size % 3];
    const uint8_t last = size ? data[size - 1] : 0;

    AppContext ctx{rig.settings, rig.boxes, rig.found, rig.launcher, rig.ports, rig.vxd, rig.metrics, rig.io, rig.rules, rig, rig.parts};
    if (!RunStartUp(g, "", ctx))
        return 0;
    CheckResetSchedule(g.ConnectResetLoggerTimeRef);
    rig.vxd.HookedPort = "COM" + std::to_string(g.Port);
    rig.display.FitBeforeShow();
    rig.Paint();

    // Idle, then a connection with traffic, a long quiet spell and the fall.
    rig.Carrier(false);
    rig.Step(1);
    rig.Carrier(true);
    rig.Step(1);
    for (uint32_t i = 1; i <= 4; ++i) {
        rig.Bytes(1500 * i + last, 90 * i);
        rig.Step(1);
    }
    rig.Step(3 * 3600);
    rig.Step(1);
    rig.Carrier(false);
    rig.Step(1);
    rig.Step(60);
    FUZZ_CHECK(g.ModemSignals.CD || g.ConnectionState.LastActivity == 0);

    // One more layout and graph mode, picked by the input's last byte.
    g.NewOrientation = (last & 0x80 ? -1 : 1) * (1 + last % 5);
    g.ThroughputInDisplay ^= (last >> 3) & 1;
    g.ModemSignals.CD = true;
    g.ReloadPictures = g.DisplayResized = true;
    rig.Paint();
    return 0;
}
