#include "resource_ids.h"
#include "setup_fixture.h"

namespace {

using setup::Reload, setup::ReloadTitle, setup::Resized, setup::Repaint;
constexpr unsigned Lines = Reload | Resized | Repaint;

// A user's action on a control, the settings it changes (in name order)
// and the redraw requests it sets.
struct Action {
    enum Kind { Check, Radio, Spin, List } kind;
    int id;
    int32_t value;
    const char* changes;
    unsigned redraw;
};

class DisplayPagesTest : public SetupTest {
protected:
    void Run(std::initializer_list<Action> actions)
    {
        model.ChangeForm();
        for (const Action& a : actions) {
            const auto before = setupfake::Record(g);
            switch (a.kind) {
            case Action::Check: Tick(a.id, a.value != 0); break;
            case Action::Radio: Choose(a.id, a.value); break;
            case Action::Spin: SetupTest::Spin(a.id, a.value); break;
            case Action::List:
                view.C[a.id].Selection = a.value;
                model.Changed(a.id);
                break;
            }
            EXPECT_EQ(setupfake::Changes(before, g), a.changes) << a.id << " " << a.value;
            EXPECT_EQ(TakeRequests(), a.redraw) << a.id << " " << a.value;
        }
    }
};

TEST_F(DisplayPagesTest, DisplayPage)
{
    Run({{Action::Check, IDC_CBCOMMSTATUSDISPLAY, 1, "Status in Display=1", Lines},
         {Action::Check, IDC_CBCOMMSTATUSDISPLAY, 1, "", 0},
         {Action::Check, IDC_CBTDRDDISPLAY, 1, "SPY Speed in Display=1", Lines},
         {Action::Check, IDC_CBTOTALDISPLAY, 1, "LogTransmitDisp=1", Lines},
         {Action::Check, IDC_CBTOTALDISPLAY, 0, "LogTransmitDisp=0", Lines},
         {Action::Radio, IDC_RADIOGROUPINDISPLAY, 1, "Display total connect time in Display=1", Reload | Repaint},
         {Action::Radio, IDC_RADIOGROUPINDISPLAY, 0,
          "Display connect time=1 Display total connect time in Display=0", Reload | Repaint},
         {Action::Radio, IDC_RADIOGROUPINDISPLAY, 2, "Display connect time=0", Reload | Repaint},
         {Action::Spin, IDC_SETDRDRATE, 20000, "RD/TD Speed Update=10000", 0}});
}

TEST_F(DisplayPagesTest, TitlebarPage)
{
    Run({{Action::Radio, IDC_STATUSGROUP, 1, "Title=2", 0},
         {Action::Radio, IDC_TITLELAYOUTGROUP, 3, "Orientation Title=6", ReloadTitle},
         {Action::Radio, IDC_LAMPLOOKGROUP, 1, "LampLookTitle=1", ReloadTitle},
         {Action::Spin, IDC_SEEDITOFFSETR, -1500, "TitleBar Offset=-1000", 0},
         {Action::Spin, IDC_SEEDITOFFSETT, 12, "TitleBar OffsetT=12", 0},
         {Action::Radio, IDC_RADIOGROUPINTITLE, 0, "Display connect time in Titlebar=1", 0}});
}

TEST_F(DisplayPagesTest, ThroughputPage)
{
    g.GraphMode = 1;
    Run({{Action::Radio, IDC_RGTHROUGHPUT, 0, "Throughput=1", Repaint},
         {Action::Check, IDC_CBINWINDOW, 1, "ThroughputInDisplay=1", Repaint},
         {Action::Radio, IDC_RGSCALING, 1, "TScalingSet=1", 0},
         {Action::List, IDC_CBPREDEFINED, 3, "TScalingPredefined=56000", 0},
         {Action::Spin, IDC_SEMANUALSCALE, 64000, "TScalingValue=64000", 0},
         {Action::Radio, IDC_RGSCALING, 2, "TScalingSet=2", 0},
         {Action::Spin, IDC_SEUPDATERATE, 25, "ThroghputUpdateSpeed=25", Repaint},
         {Action::Spin, IDC_SEUPDATERATE, 25, "", 0}});
    EXPECT_EQ(services.Log.back(), "Timer 2500"); // once, at the change
    EXPECT_EQ(std::count(services.Log.begin(), services.Log.end(), "Timer 2500"), 1);
    g.GraphMode = 0; // a stopped timer stays stopped
    Spin(IDC_SEUPDATERATE, 30);
    EXPECT_EQ(services.Log.back(), "Timer 2500");
}

TEST_F(DisplayPagesTest, LayoutPage) { Run({{Action::Radio, IDC_LAMPLOOK, 2, "LampLook=2", Reload}}); }

// Another layout lets the window shrink to its minimum width and gives it
// its border (on 9x through none first); the same layout keeps the width.
TEST_F(SetupTest, LayoutGroupResetsTheWidthForAnotherLayoutOnly)
{
    struct Case {
        int32_t os, layout;
        int item;
        int32_t orientation, width;
        std::vector<std::string> borders;
    } cases[] = {{OsWin9x, 3, 0, 1, 0, {"Border 0", "Border 1"}},
                 {OsNT4, -3, 4, -5, 0, {"Border 2"}},
                 {OsNT4, 3, 2, 3, 150, {}}};
    for (const Case& c : cases) {
        g.OsKind = c.os;
        g.NewOrientation = c.layout;
        g.WindowSizeX = 150;
        model.ChangeForm();
        services.Log.clear();
        Choose(IDC_LAYOUTGROUP, c.item);
        EXPECT_EQ(g.NewOrientation, c.orientation);
        EXPECT_EQ(g.WindowSizeX, c.width);
        EXPECT_EQ(services.Log, c.borders);
        EXPECT_EQ(TakeRequests(), c.borders.empty() ? 0u : Reload | Repaint);
    }
}

// Every colour button and its swatch: OK takes the colour, Cancel keeps it,
// a chooser that fails keeps it and says so; the requests and the swatch's
// repaint come in every case.
TEST_F(SetupTest, ColourButtonsTakeTheChosenColourOnOkOnly)
{
    struct Case {
        int button;
        const char* key;
        unsigned redraw;
    } cases[] = {{IDC_LAMPON, "LightColorOn", Reload | ReloadTitle},
                 {IDC_LAMPOFF, "LightColorOff", Reload | ReloadTitle},
                 {IDC_TEXT, "TextColor", Reload | ReloadTitle},
                 {IDC_BACKGROUND, "BackgroundColor", Resized | Reload | ReloadTitle},
                 {IDC_BITBTNTITLEBARBACKGROUND, "FontTitlebarBackgroundColor", Reload},
                 {IDC_BITBTNFONTCOLOR, "Font Color Titlebar", Reload},
                 {IDC_BBRD, "LightThroughputRD", 0},
                 {IDC_BBTD, "LightThroughputTD", 0},
                 {IDC_BBBACKGROUND, "LightThroughputBackground", 0}};
    using R = setup::ChooserResult;
    uint32_t colour = 0x10000;
    for (const Case& c : cases) {
        for (int clicked : {c.button, c.button + 1}) {
            for (R result : {R::Ok, R::Cancel, R::Failed}) {
                services.Result = result;
                services.Colour = ++colour;
                boxes.Shown.clear();
                view.Repaints.clear();
                const size_t fontsBuilt = fonts.Created.size();
                const auto before = setupfake::Record(g);
                model.Clicked(clicked);
                const bool ok = result == R::Ok;
                EXPECT_EQ(setupfake::Changes(before, g), ok ? c.key + ("=" + std::to_string(colour)) : "");
                EXPECT_EQ(boxes.Shown.size(), result == R::Failed ? 1u : 0u);
                EXPECT_EQ(TakeRequests(), c.redraw);
                EXPECT_EQ(view.Repaints, std::vector<int>{c.button + 1});
                EXPECT_EQ(fonts.Created.size() - fontsBuilt, c.button == IDC_BITBTNFONTCOLOR ? 1u : 0u);
                uint32_t shown = 0;
                EXPECT_TRUE(model.SwatchColour(c.button + 1, shown));
                EXPECT_EQ(shown == colour, ok) << c.key;
            }
        }
    }
}

// OK and each Apply take the chooser's font at once and rebuild its GDI
// font; Cancel after an Apply keeps the applied font.
TEST_F(SetupTest, FontButtonsTakeAppliedAndChosenFonts)
{
    struct Case {
        int button;
        setup::ChooserResult result;
        std::vector<std::string> applies;
        const char *display, *title;
        size_t built;
    } cases[] = {{IDC_FONTLOG, setup::ChooserResult::Cancel, {}, "Arial", "Tahoma", 0},
                 {IDC_FONTLOG, setup::ChooserResult::Cancel, {"Applied"}, "Applied", "Tahoma", 1},
                 {IDC_FONTTITLEBAR, setup::ChooserResult::Ok, {"Applied"}, "Arial", "Chosen", 2}};
    services.Font.Name = "Chosen";
    for (const Case& c : cases) {
        g.DisplayFont.Name = "Arial";
        g.TitleFont.Name = "Tahoma";
        services.Result = c.result;
        services.Applies.clear();
        for (const std::string& face : c.applies)
            services.Applies.push_back(TFont{face});
        fonts.Created.clear();
        view.Repaints.clear();
        model.Clicked(c.button);
        EXPECT_EQ(g.DisplayFont.Name, c.display);
        EXPECT_EQ(g.TitleFont.Name, c.title);
        EXPECT_EQ(fonts.Created.size(), c.built);
        EXPECT_EQ(TakeRequests(), c.built ? Reload : 0u);
        EXPECT_EQ(view.Repaints.size(), c.button == IDC_FONTTITLEBAR ? c.built : 0u);
    }
    model.Clicked(IDC_BITBTNRESETFONT);
    EXPECT_EQ(g.TitleFont.Name, system.Caption.FaceName);
    EXPECT_EQ(view.Repaints, (std::vector<int>{IDC_PAINTBOXTITLEBARFONT, IDC_PAINTBOXTITLEBARFONT,
                                               IDC_PAINTBOXTITLEBARFONT, IDC_PAINTBOXTITLEBARBG}));
}

// The throughput window grows by its status bar once when the box is
// ticked and shrinks when it is cleared; loading never resizes it.
TEST_F(SetupTest, StatusBarBoxResizesTheGraphWindowOnChangesOnly)
{
    for (int32_t shown : {1, 0, 1, 0}) {
        g.ThroughputDataInWindow = shown;
        model.ChangeForm();
    }
    services.Log.clear();
    for (bool ticked : {true, true, false, false}) {
        Tick(IDC_CBTHROUGHPUTDATAINWINDOW, ticked);
        EXPECT_EQ(g.TWindowSizeY, ticked ? 118u : 100u);
    }
    EXPECT_EQ(services.Log, (std::vector<std::string>{"Grow 18", "Grow -18"}));
}

// Predefined scaling enables the list, manual scaling the spin edit (and
// takes its value); loading enables them the same way.
TEST_F(SetupTest, ScalingEnablesItsListOrItsSpinEdit)
{
    g.TScalingValue = 9000;
    for (int32_t scaling : {0, 1, 2}) {
        g.TScalingSet = scaling;
        model.ChangeForm();
        EXPECT_EQ(view.C[IDC_CBPREDEFINED].Enabled, scaling == 1);
        EXPECT_EQ(view.C[IDC_SEMANUALSCALE].Enabled, scaling == 2);
    }
    view.C[IDC_SEMANUALSCALE].Spin = 12000;
    for (int item : {1, 2, 0}) {
        Choose(IDC_RGSCALING, item);
        EXPECT_EQ(view.C[IDC_CBPREDEFINED].Enabled, item == 1);
        EXPECT_EQ(view.C[IDC_SEMANUALSCALE].Enabled, item == 2);
        EXPECT_EQ(g.TScalingValue, item == 1 ? 9000 : 12000);
    }
}

} // namespace
