#include "setup/display_pages.h"

#include "app/window_rules.h"

#include <array>
#include <string>
#include <vector>

#include "settings/fonts.h"
#include "app/window_rules.h"
#include "resource_ids.h"

namespace setup {

namespace {

// A colour button, the setting it edits and the requests it sets; its
// swatch is the control after it.
struct ColourButton {
    int Id;
    uint32_t TGVar::*Setting;
    unsigned Redraw;
};

constexpr ColourButton ColourButtons[] = {
    {IDC_LAMPON, &TGVar::LightColorOn, Reload | ReloadTitle},
    {IDC_LAMPOFF, &TGVar::LightColorOff, Reload | ReloadTitle},
    {IDC_TEXT, &TGVar::TextColor, Reload | ReloadTitle},
    {IDC_BACKGROUND, &TGVar::BackgroundColor, Resized | Reload | ReloadTitle},
    {IDC_BITBTNTITLEBARBACKGROUND, &TGVar::FontTitlebarBackgroundColor, Reload},
    // The graph shows its new colours at its next paint.
    {IDC_BBRD, &TGVar::LightThroughputRD, NoRedraw},
    {IDC_BBTD, &TGVar::LightThroughputTD, NoRedraw},
    {IDC_BBBACKGROUND, &TGVar::LightThroughputBackground, NoRedraw},
};

// The colour chooser on colour; the colour changes only on OK. A chooser
// that cannot be shown is reported and changes nothing.
void ChooseColourFor(SetupContext& ctx, uint32_t& colour)
{
    uint32_t chosen = colour;
    switch (ctx.Services.ChooseColour(chosen)) {
    case ChooserResult::Ok:
        colour = chosen;
        break;
    case ChooserResult::Failed:
        ShowOkBox(ctx, ColourChooserFailedText);
        break;
    case ChooserResult::Cancel:
        break;
    }
}

// A colour button (or its swatch) of the table was clicked.
void ColourButtonClick(SetupContext& ctx, int id)
{
    for (const ColourButton& button : ColourButtons) {
        if (button.Id != id)
            continue;
        ChooseColourFor(ctx, ctx.G.*button.Setting);
        RequestRedraw(ctx.G, button.Redraw);
        ctx.View.Repaint(id + 1);
        return;
    }
}

// The font chooser on a font: OK and each Apply take the chooser's font at
// once, reload the pictures and rebuild the GDI font; swatch (0 for none)
// shows the font's colour.
void ChooseFontFor(SetupContext& ctx, FontKind kind, TFont& font, platform::FontUse use, int swatch)
{
    auto take = [&](const TFont& chosen) {
        font = chosen;
        ctx.G.ReloadPictures = true;
        BuildGdiFont(font, use, ctx.Fonts);
        if (swatch != 0)
            ctx.View.Repaint(swatch);
    };
    TFont chosen = font;
    if (ctx.Services.PickFont(kind, chosen, take) == ChooserResult::Ok)
        take(chosen);
}

// The connect-time groups: session time, total time, no time.
int ConnectTimeItem(int32_t session, int32_t total)
{
    if (total == 1)
        return 1; // the total is what the display shows when both are set
    return session == 1 ? 0 : 2;
}

constexpr int32_t ShowStates[] = {1, 2, 0}; // "Title" and "Throughput": on, automatic, off
constexpr int32_t TitleLayouts[] = {3, 4, 5, 6};
constexpr int32_t TitleLooks[] = {0, 1};
constexpr int32_t LampLooks[] = {0, 1, 2};
constexpr int32_t Scalings[] = {0, 1, 2}; // automatic, predefined, manual
constexpr int32_t PredefinedScales[] = {14400, 28800, 33600, 56000};
constexpr int32_t DefaultPredefinedScale = 28800;
constexpr int LayoutCount = 5;
constexpr int32_t StatusBarHeight = 18; // the throughput window's status bar

constexpr unsigned DisplayLineRedraw = Reload | Resized | Repaint;

using bind::Redrawing;

constexpr Binding DisplayBindings[] = {
    Redrawing(bind::Check(IDC_CBCOMMSTATUSDISPLAY, &TGVar::StatusInDisplay), DisplayLineRedraw),
    Redrawing(bind::Check(IDC_CBTDRDDISPLAY, &TGVar::SPYSpeedInDisplay), DisplayLineRedraw),
    Redrawing(bind::Check(IDC_CBTOTALDISPLAY, &TGVar::LogTransmitDisp), DisplayLineRedraw),
    bind::Spin(IDC_SETDRDRATE, &TGVar::RDTDSpeedUpdate, 0, SpinMax),
};

constexpr Binding TitlebarBindings[] = {
    bind::Radio(IDC_STATUSGROUP, &TGVar::Title, ShowStates),
    Redrawing(bind::Radio(IDC_TITLELAYOUTGROUP, &TGVar::OrientationTitle, TitleLayouts), ReloadTitle),
    Redrawing(bind::Radio(IDC_LAMPLOOKGROUP, &TGVar::LampLookTitle, TitleLooks), ReloadTitle),
    bind::Spin(IDC_SEEDITOFFSETR, &TGVar::TitleBarOffset, -1000, 1000),
    bind::Spin(IDC_SEEDITOFFSETT, &TGVar::TitleBarOffsetT, -1000, 1000),
};

constexpr Binding ThroughputBindings[] = {
    Redrawing(bind::Radio(IDC_RGTHROUGHPUT, &TGVar::Throughput, ShowStates), Repaint),
    Redrawing(bind::Check(IDC_CBINWINDOW, &TGVar::ThroughputInDisplay), Repaint),
    Redrawing(bind::Check(IDC_CBTHROUGHPUTDATAINWINDOW, &TGVar::ThroughputDataInWindow), Repaint),
    bind::Radio(IDC_RGSCALING, &TGVar::TScalingSet, Scalings),
    bind::List(IDC_CBPREDEFINED, &TGVar::TScalingPredefined, PredefinedScales),
    bind::Spin(IDC_SEMANUALSCALE, &TGVar::TScalingValue, 1, 400000, 1000),
    Redrawing(bind::Spin(IDC_SEUPDATERATE, &TGVar::ThroghputUpdateSpeed, 1), Repaint),
};

constexpr Binding LayoutBindings[] = {Redrawing(bind::Radio(IDC_LAMPLOOK, &TGVar::LampLook, LampLooks), Reload)};

} // namespace

bool SwatchColour(const TGVar& g, int id, uint32_t& colour)
{
    if (id == IDC_PAINTBOXTITLEBARFONT) {
        colour = static_cast<uint32_t>(g.TitleFont.Color);
        return true;
    }
    for (const ColourButton& button : ColourButtons) {
        if (button.Id + 1 == id) {
            colour = g.*button.Setting;
            return true;
        }
    }
    return false;
}

// --- "Display" ---

DisplayPageModel::DisplayPageModel(SetupContext& ctx) : PageModel(ctx, DisplayBindings) {}

void DisplayPageModel::Fill()
{
    const TGVar& g = ctx_.G;
    FillBindings();
    ctx_.View.SetRadio(IDC_RADIOGROUPINDISPLAY,
                       ConnectTimeItem(g.DisplayConnectTime, g.DisplayTotalConnectTimeInDisplay));
}

bool DisplayPageModel::OnClicked(int id)
{
    static constexpr Handler<DisplayPageModel> handlers[] = {
        {IDC_RADIOGROUPINDISPLAY, &DisplayPageModel::RadioGroupInDisplayClick},
        {IDC_FONTLOG, &DisplayPageModel::FontLogClick},
    };
    return Dispatch<DisplayPageModel>(*this, handlers, id);
}

void DisplayPageModel::RadioGroupInDisplayClick()
{
    const int item = ClickedItem(IDC_RADIOGROUPINDISPLAY, 3);
    if (item < 0)
        return;
    ctx_.G.DisplayConnectTime = item == 0 ? 1 : 0;
    ctx_.G.DisplayTotalConnectTimeInDisplay = item == 1 ? 1 : 0;
    RequestRedraw(ctx_.G, Reload | Repaint);
}

void DisplayPageModel::FontLogClick()
{
    ChooseFontFor(ctx_, FontKind::Display, ctx_.G.DisplayFont, platform::FontUse::Display, 0);
}

// --- "Titlebar Display" ---

TitlebarPageModel::TitlebarPageModel(SetupContext& ctx) : PageModel(ctx, TitlebarBindings) {}

void TitlebarPageModel::Fill()
{
    const TGVar& g = ctx_.G;
    FillBindings();
    ctx_.View.SetRadio(IDC_RADIOGROUPINTITLE,
                       ConnectTimeItem(g.DisplayConnectTimeInTitlebar, g.DisplayTotalConnectTimeInTitlebar));
}

bool TitlebarPageModel::OnClicked(int id)
{
    static constexpr Handler<TitlebarPageModel> handlers[] = {
        {IDC_RADIOGROUPINTITLE, &TitlebarPageModel::RadioGroupInTitleClick},
        {IDC_FONTTITLEBAR, &TitlebarPageModel::FontTitlebarClick},
        {IDC_BITBTNFONTCOLOR, &TitlebarPageModel::BitBtnFontColorClick},
        {IDC_PAINTBOXTITLEBARFONT, &TitlebarPageModel::BitBtnFontColorClick},
        {IDC_BITBTNTITLEBARBACKGROUND, &TitlebarPageModel::BitBtnTitlebarbackgroundClick},
        {IDC_PAINTBOXTITLEBARBG, &TitlebarPageModel::BitBtnTitlebarbackgroundClick},
        {IDC_BITBTNRESETFONT, &TitlebarPageModel::BitBtnResetFontClick},
    };
    return Dispatch<TitlebarPageModel>(*this, handlers, id);
}

void TitlebarPageModel::RadioGroupInTitleClick()
{
    const int item = ClickedItem(IDC_RADIOGROUPINTITLE, 3);
    if (item < 0)
        return;
    ctx_.G.DisplayConnectTimeInTitlebar = item == 0 ? 1 : 0;
    ctx_.G.DisplayTotalConnectTimeInTitlebar = item == 1 ? 1 : 0;
}

void TitlebarPageModel::FontTitlebarClick()
{
    ChooseFontFor(ctx_, FontKind::Titlebar, ctx_.G.TitleFont, platform::FontUse::Title, IDC_PAINTBOXTITLEBARFONT);
}

void TitlebarPageModel::BitBtnFontColorClick()
{
    TGVar& g = ctx_.G;
    uint32_t colour = static_cast<uint32_t>(g.TitleFont.Color);
    ChooseColourFor(ctx_, colour);
    g.TitleFont.Color = static_cast<int32_t>(colour);
    g.ReloadPictures = true;
    BuildGdiFont(g.TitleFont, platform::FontUse::Title, ctx_.Fonts);
    ctx_.View.Repaint(IDC_PAINTBOXTITLEBARFONT);
}

void TitlebarPageModel::BitBtnTitlebarbackgroundClick() { ColourButtonClick(ctx_, IDC_BITBTNTITLEBARBACKGROUND); }

void TitlebarPageModel::BitBtnResetFontClick()
{
    DefaultTitleBarFont(ctx_.G, ctx_.System, ctx_.Fonts);
    ctx_.View.Repaint(IDC_PAINTBOXTITLEBARFONT);
    ctx_.View.Repaint(IDC_PAINTBOXTITLEBARBG);
}

// --- "Throughput Display" ---

ThroughputPageModel::ThroughputPageModel(SetupContext& ctx) : PageModel(ctx, ThroughputBindings) {}

void ThroughputPageModel::Fill()
{
    TGVar& g = ctx_.G;
    // The list is filled anew; a stored scale it does not offer becomes
    // its middle entry.
    static const std::vector<std::string> scaleItems = {"14400 bps", "28800 bps", "33600 bps", "56000 bps"};
    ctx_.View.SetItems(IDC_CBPREDEFINED, scaleItems);
    if (ItemOf(g.TScalingPredefined, PredefinedScales) < 0)
        g.TScalingPredefined = DefaultPredefinedScale;
    FillBindings();
    EnableScaling(g.TScalingSet);
}

bool ThroughputPageModel::OnClicked(int id)
{
    static constexpr Handler<ThroughputPageModel> handlers[] = {
        {IDC_BBRD, &ThroughputPageModel::BBRDClick},
        {IDC_PAINTBOXTRD, &ThroughputPageModel::BBRDClick},
        {IDC_BBTD, &ThroughputPageModel::BBTDClick},
        {IDC_PAINTBOXTTD, &ThroughputPageModel::BBTDClick},
        {IDC_BBBACKGROUND, &ThroughputPageModel::BBBackgroundClick},
        {IDC_PAINTBOXTBACKGROUND, &ThroughputPageModel::BBBackgroundClick},
        {IDC_CBTHROUGHPUTDATAINWINDOW, &ThroughputPageModel::CBthroughputDataInWindowClick},
        {IDC_RGSCALING, &ThroughputPageModel::RGScalingClick},
    };
    return Dispatch<ThroughputPageModel>(*this, handlers, id);
}

bool ThroughputPageModel::OnChanged(int id)
{
    static constexpr Handler<ThroughputPageModel> handlers[] = {
        {IDC_SEUPDATERATE, &ThroughputPageModel::SEUpdateRateChange},
    };
    return Dispatch<ThroughputPageModel>(*this, handlers, id);
}

void ThroughputPageModel::BBRDClick() { ColourButtonClick(ctx_, IDC_BBRD); }
void ThroughputPageModel::BBTDClick() { ColourButtonClick(ctx_, IDC_BBTD); }
void ThroughputPageModel::BBBackgroundClick() { ColourButtonClick(ctx_, IDC_BBBACKGROUND); }

void ThroughputPageModel::CBthroughputDataInWindowClick()
{
    // The window grows by its status bar when the bar appears and shrinks
    // by it when the bar goes.
    TGVar& g = ctx_.G;
    const int32_t height =
        ctx_.Services.GrowGraphWindow(g.ThroughputDataInWindow == 1 ? StatusBarHeight : -StatusBarHeight);
    g.TWindowSizeY = static_cast<uint32_t>(height < 0 ? 0 : height);
}

void ThroughputPageModel::EnableScaling(int32_t scaling)
{
    ctx_.View.Enable(IDC_CBPREDEFINED, scaling == 1);
    ctx_.View.Enable(IDC_SEMANUALSCALE, scaling == 2);
}

// Manual scaling takes the scale its spin edit shows.
void ThroughputPageModel::RGScalingClick()
{
    TGVar& g = ctx_.G;
    EnableScaling(g.TScalingSet);
    if (g.TScalingSet == 2)
        g.TScalingValue = ctx_.View.SpinValue(IDC_SEMANUALSCALE);
}

// A stopped timer stays stopped: the graph starts it at the new period
// when it shows again.
void ThroughputPageModel::SEUpdateRateChange()
{
    const TGVar& g = ctx_.G;
    if (g.GraphMode != 0)
        ctx_.Services.SetThroughputTimer(g.ThroghputUpdateSpeed * 100);
}

// --- "Layout && Colors" ---

LayoutPageModel::LayoutPageModel(SetupContext& ctx) : PageModel(ctx, LayoutBindings) {}

// A minimised layout shows as the layout it restores to.
void LayoutPageModel::Fill()
{
    const int32_t layout = RestoredLayout(ctx_.G.NewOrientation);
    ctx_.View.SetRadio(IDC_LAYOUTGROUP, layout >= 1 && layout <= LayoutCount ? layout - 1 : -1);
    FillBindings();
}

bool LayoutPageModel::OnClicked(int id)
{
    static constexpr Handler<LayoutPageModel> handlers[] = {
        {IDC_LAYOUTGROUP, &LayoutPageModel::LayoutGroupClick},
        {IDC_LAMPON, &LayoutPageModel::LampOnClick},
        {IDC_PAINTBOXLAMPON, &LayoutPageModel::LampOnClick},
        {IDC_LAMPOFF, &LayoutPageModel::LampOffClick},
        {IDC_PAINTBOXLAMPOFF, &LayoutPageModel::LampOffClick},
        {IDC_TEXT, &LayoutPageModel::TextClick},
        {IDC_PAINTBOXTEXT, &LayoutPageModel::TextClick},
        {IDC_BACKGROUND, &LayoutPageModel::BackgroundClick},
        {IDC_PAINTBOXBACKGROUND, &LayoutPageModel::BackgroundClick},
    };
    return Dispatch<LayoutPageModel>(*this, handlers, id);
}

void LayoutPageModel::LayoutGroupClick()
{
    TGVar& g = ctx_.G;
    const int item = ClickedItem(IDC_LAYOUTGROUP, LayoutCount);
    const int32_t layout = item + 1;
    if (item < 0 || layout == RestoredLayout(g.NewOrientation))
        return;
    g.NewOrientation = g.NewOrientation < 0 ? MinimisedLayout(layout) : layout;
    // The window shrinks to the new layout's minimum width.
    g.WindowSizeX = 0;
    ApplyLayoutBorder(g, ctx_.Services.Monitor().Window(), layout);
    RequestRedraw(g, Reload | Repaint);
}

void LayoutPageModel::LampOnClick() { ColourButtonClick(ctx_, IDC_LAMPON); }
void LayoutPageModel::LampOffClick() { ColourButtonClick(ctx_, IDC_LAMPOFF); }
void LayoutPageModel::TextClick() { ColourButtonClick(ctx_, IDC_TEXT); }
void LayoutPageModel::BackgroundClick() { ColourButtonClick(ctx_, IDC_BACKGROUND); }

} // namespace setup
