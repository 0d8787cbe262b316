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
    explicit DisplayPageModel(SetupContext& ctx);
    void Fill() override;

    void RadioGroupInDisplayClick();
    void FontLogClick();

protected:
    bool OnClicked(int id) override;
};

// "Titlebar Display": the lamp strip and connect time in the active
// window's caption.
class TitlebarPageModel final : public PageModel {
public:
    explicit TitlebarPageModel(SetupContext& ctx);
    void Fill() override;

    void RadioGroupInTitleClick();
    void FontTitlebarClick();
    void BitBtnFontColorClick();
    void BitBtnTitlebarbackgroundClick();
    void BitBtnResetFontClick();

protected:
    bool OnClicked(int id) override;
};

// "Throughput Display": the throughput graph.
class ThroughputPageModel final : public PageModel {
public:
    explicit ThroughputPageModel(SetupContext& ctx);
    void Fill() override;

    void BBRDClick();
    void BBTDClick();
    void BBBackgroundClick();
    void CBthroughputDataInWindowClick();
    void RGScalingClick();
    void SEUpdateRateChange();

protected:
    bool OnClicked(int id) override;
    bool OnChanged(int id) override;

private:
    void EnableScaling(int32_t scaling);
};

// "Layout && Colors": the main window's layout, lamp look and colours.
class LayoutPageModel final : public PageModel {
public:
    explicit LayoutPageModel(SetupContext& ctx);
    void Fill() override;

    void LayoutGroupClick();
    void LampOnClick();
    void LampOffClick();
    void TextClick();
    void BackgroundClick();

protected:
    bool OnClicked(int id) override;
};

} // namespace setup
