// The four display pages of the settings dialog: "Display", "Titlebar
// Display", "Throughput Display" and "Layout && Colors". Every control
// writes its setting at once and sets the redraw requests that show the
// change live behind the dialog.
#pragma once

#include <cstdint>

#include "setup/page_model.h"

namespace setup {

inline constexpr char ColourChooserFailedText[] = "Color selection dialog failed to load.";

// The colour a swatch shows; false when id is no swatch of these pages.
bool SwatchColour(const TGVar& g, int id, uint32_t& colour);

// "Display": what the main display shows besides the lamps.
class DisplayPageModel final : public PageModel {
public:
    using PageModel::PageModel;
    void Fill() override;
    bool Clicked(int id) override;
    bool Changed(int id) override;

    void CBCommStatusDisplayClick();
    void RadioGroupInDisplayClick();
    void CBTDRDDisplayClick();
    void CBTotalDisplayClick();
    void SetDRDRateChange();
    void FontLogClick();
};

// "Titlebar Display": the lamp strip and connect time in the active
// window's caption.
class TitlebarPageModel final : public PageModel {
public:
    using PageModel::PageModel;
    void Fill() override;
    bool Clicked(int id) override;
    bool Changed(int id) override;

    void StatusgroupClick();
    void TitleLayoutGroupClick();
    void LampLookGroupClick();
    void SEEditOffsetRChange();
    void SEEditOffsetTChange();
    void RadioGroupInTitleClick();
    void FontTitlebarClick();
    void BitBtnFontColorClick();
    void BitBtnTitlebarbackgroundClick();
    void BitBtnResetFontClick();
};

// "Throughput Display": the throughput graph.
class ThroughputPageModel final : public PageModel {
public:
    using PageModel::PageModel;
    void Fill() override;
    bool Clicked(int id) override;
    bool Changed(int id) override;

    void RGThroughputClick();
    void BBRDClick();
    void BBTDClick();
    void BBBackgroundClick();
    void CBInWindowClick();
    void CBthroughputDataInWindowClick();
    void RGScalingClick();
    void CBPredefinedChange();
    void SEManualScaleChange();
    void SEUpdateRateChange();

private:
    void EnableScaling(int32_t scaling);
};

// "Layout && Colors": the main window's layout, lamp look and colours.
class LayoutPageModel final : public PageModel {
public:
    using PageModel::PageModel;
    void Fill() override;
    bool Clicked(int id) override;

    void LayoutGroupClick();
    void LampLookClick();
    void LampOnClick();
    void LampOffClick();
    void TextClick();
    void BackgroundClick();
};

} // namespace setup
