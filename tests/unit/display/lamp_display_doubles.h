// The lamp display's doubles: the shipped pictures as bitmap resources,
// Windows 98's metrics and a recording main window and parts. Free of any
// test framework, so the unit tests' fixture and the fuzz targets share them.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "display/lamp_display.h"
#include "display/lamp_images.h"
#include "fakes/fake_platform.h"
#include "shipped_pictures.h"

namespace rig {

// The program's bitmap resources, served from the pixel art.
class ShippedBitmaps : public platform::BitmapResources {
public:
    std::vector<std::string> Loaded;
    std::set<std::string> Missing;

    bool LoadBitmap(std::string_view name, int32_t& width, int32_t& height, std::vector<uint32_t>& pixels) override
    {
        Loaded.emplace_back(name);
        const display::Picture* picture = shipped::Pictures().Find(name);
        if (!picture || Missing.count(std::string(name)))
            return false;
        width = picture->Image.Width;
        height = picture->Image.Height;
        pixels.assign(picture->Image.Pixels.begin(), picture->Image.Pixels.end());
        return true;
    }
};

// Windows 98's metrics at the standard scheme.
class Metrics : public platform::SystemMetrics {
public:
    std::map<platform::Metric, int32_t> Values{{platform::Metric::CxDlgFrame, 3},
                                               {platform::Metric::CyDlgFrame, 3},
                                               {platform::Metric::CySize, 18},
                                               {platform::Metric::CxMin, 112}};
    int32_t Get(platform::Metric metric) override { return Values.at(metric); }
};

// Records what the display asks of the window. The client area is the
// outer size minus a frame of 4 on each side.
class Window : public display::LampWindow {
public:
    std::vector<std::string> Calls;
    bool Topmost = false;
    bool Sizeable = false;
    int Width = 0, Height = 0;
    int FrameWidth = 8;
    display::FontMetrics Font{16, 7};
    display::TextExtent Column{62, 16}; // the extent of every measured text
    std::vector<std::string> Measured;
    bool Record = true; // false: keeps nothing, so painting allocates nothing here
    display::LampFrame Frame;   // the last frame presented
    display::Bitmap Shown;      // a copy of its picture
    std::vector<display::TextLine> Lines;
    int Presents = 0, Invalidations = 0;

    void SetTopmost(bool topmost) override
    {
        Note("topmost");
        Topmost = topmost;
    }
    display::FontMetrics SelectDisplayFont() override
    {
        Note("font");
        return Font;
    }
    display::TextExtent MeasureText(std::string_view text) override
    {
        if (Record)
            Measured.emplace_back(text);
        return Column;
    }
    void SetSizeable(bool sizeable) override
    {
        Note("border");
        Sizeable = sizeable;
    }
    void Resize(int width, int height) override
    {
        Note("resize");
        Width = width;
        Height = height;
    }
    int ClientWidth() override { return Width - FrameWidth; }
    // Shown and Lines are what the screen shows: a frame that is not whole
    // changes only the lamps and lines it lists.
    void Present(const display::LampFrame& frame) override
    {
        ++Presents;
        Frame = frame;
        if (!Record)
            return;
        Note(frame.Whole ? "present" : "present changes");
        if (frame.Whole) {
            Shown = *frame.Picture;
            Lines.assign(frame.Lines.begin(), frame.Lines.end());
            return;
        }
        for (const display::PixelRect& r : frame.Lamps)
            for (int y = r.Y; y < r.Y + r.Height; ++y)
                for (int x = r.X; x < r.X + r.Width; ++x)
                    if (Shown.Contains(x, y))
                        Shown.Set(x, y, frame.Picture->At(x, y));
        for (std::size_t i = 0; i < frame.Lines.size(); ++i)
            if (frame.Lines[i].Changed)
                Lines[i] = frame.Lines[i];
    }
    void Invalidate() override { ++Invalidations; }
    void Note(const char* call)
    {
        if (Record)
            Calls.push_back(call);
    }
};

// Records the other parts' steps in order.
class Parts : public TrayPart, public MenuPart, public SetupPart, public GraphPart, public TitleStripPart {
public:
    MainWindowParts Bundle{*this, *this, *this, *this, *this};
    Window* Owner = nullptr; // the steps go into its list of calls
    bool OnTop = false;
    int GraphHeight = 0; // a display height the graph sets; 0 leaves it

    void MinimisedDuties() override { Note("duties"); }
    void DrawTitleBarDisplay() override { Note("title"); }
    void UpdateTrayIcon() override { Note("tray"); }
    void AutoRestore() override { Note("restore"); }
    void ThroughputMode() override { Note("throughput"); }
    bool OnTopActive() override { return OnTop; }
    bool DrawThroughputInDisplay(int& height) override
    {
        Note("graph");
        if (GraphHeight)
            height = GraphHeight;
        return false;
    }
    void HideTaskbarButton() override { Note("hide button"); }
    void RefreshInformationPage() override { Note("information"); }

private:
    void Note(const char* step)
    {
        if (Owner)
            Owner->Note(step);
    }
};

} // namespace rig
