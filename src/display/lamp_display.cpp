#include "display/lamp_display.h"

#include "display/display_size.h"
#include "display/lamp_signals.h"
#include "display/layout_tables.h"
#include "display/throughput_graph.h"

namespace display {

TLampDisplay::TLampDisplay(TGVar& g, LampDisplayServices services, LampWindow& window, MainWindowParts& parts)
    : g_(g), s_(services), window_(window), parts_(parts), pictures_(g, services.Resources)
{
}

void TLampDisplay::FormPaint(PaintScope scope)
{
    TGVar& g = g_;

    // 1-5. The main window's duties, the title-bar strip, the tray icon,
    // the automatic restore and the throughput mode.
    parts_.Menu.MinimisedDuties();
    parts_.TitleStrip.DrawTitleBarDisplay();
    parts_.Tray.UpdateTrayIcon();
    g.RepaintRequested = false;
    parts_.Menu.AutoRestore();
    parts_.Graph.ThroughputMode();

    // 6-13. Minimised or an unknown layout: nothing to show.
    const DisplayLayoutInfo* layout = FitWindow();
    if (!layout)
        return;
    window_.SetTopmost((g.OnTop == 1 || (g.OnTop == 2 && parts_.Menu.OnTopActive())) && !g.SetupDialogOpen);
    const int textLines = TextLineCount(g, *layout);

    // 14. The picture, then the lamps whose state changed (every lamp in a
    // picture loaded anew).
    if (pictures_.LoadLayoutPicture(*layout, layout->Layout >= 3 && (textLines > 0 || g.GraphMode == 2)) ||
        layout != shown_.Layout)
        lamps_.Forget();
    Bitmap& picture = pictures_.Picture();
    const std::size_t lampsDrawn = pictures_.DrawChangedLamps(picture, layout->Lamps, layout->Geometry,
                                                              layout->Family, lamps_, changedLamps_);

    // 15. The text lines.
    LampFrame frame;
    if (textLines > 0) {
        text_.Compose(g, window_.MeasureText(ColumnSample), s_.Clock.Now(), s_.Vxd, s_.Ports);
        frame.Lines = text_.Lines();
    }

    // 16-18. Centred; the rest of the client area in the form colour.
    frame.Picture = &picture;
    frame.Background = g.BackgroundColor & 0x00FFFFFFu;
    frame.Text = g.TextColor & 0x00FFFFFFu;
    const int clientWidth = window_.ClientWidth();
    frame.X = (clientWidth - layout->Width) / 2;
    const Shown now{layout, frame.X, clientWidth, frame.Background, frame.Text, frame.Lines.size()};
    frame.Whole = scope == PaintScope::Whole || !(now == shown_) || lampsDrawn > changedLamps_.size() ||
                  (textLines > 0 && text_.Moved());
    frame.Lamps = {changedLamps_.data(), frame.Whole ? 0 : lampsDrawn};
    frame.GraphChanged = graphChanged_;
    bool linesChanged = false;
    for (const TextLine& line : frame.Lines)
        linesChanged = linesChanged || line.Changed;
    if (frame.Whole || lampsDrawn > 0 || linesChanged || frame.GraphChanged)
        window_.Present(frame);
    shown_ = now;

    // 19.
    g.ReloadPictures = false;
    g.DisplayResized = false;

    // 20-21.
    if (g.ShowTrayIcon == 1 && g.NewOrientation > 0)
        parts_.Menu.HideTaskbarButton();
    parts_.Setup.RefreshInformationPage();
}

void TLampDisplay::FitBeforeShow()
{
    // The graph's mode, which the paint's throughput step sets, is not yet
    // known before the first paint.
    g_.GraphMode = ThroughputGraphMode(g_);
    FitWindow();
}

const DisplayLayoutInfo* TLampDisplay::FitWindow()
{
    TGVar& g = g_;
    if (g.NewOrientation < 0)
        return nullptr;
    const DisplayLayoutInfo* layout = FindDisplayLayout(g.NewOrientation);
    if (!layout)
        return nullptr;
    font_ = window_.SelectDisplayFont();

    const DisplaySize size = ComputeDisplaySize(g, *layout, font_.Height, s_.Metrics);
    minWidth_ = size.MinWidth;
    displayHeight_ = size.Height;
    window_.SetSizeable(layout->Sizeable);
    if (g.WindowSizeX < minWidth_)
        g.WindowSizeX = minWidth_;

    graphChanged_ = parts_.Graph.DrawThroughputInDisplay(displayHeight_);
    window_.Resize(g.WindowSizeX, g.GraphMode == 2 ? g.WindowSizeY : displayHeight_);
    return layout;
}

void TLampDisplay::FormResize(int width, int height)
{
    g_.WindowSizeX = width;
    if (g_.GraphMode == 2)
        g_.WindowSizeY = height;
    g_.DisplayResized = true;
    window_.Invalidate();
}

} // namespace display
