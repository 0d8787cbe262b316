#include "display/lamp_images.h"

namespace display {

namespace {

using F = LampFamily;
using St = LampState;
constexpr int D = static_cast<int>(LampLook::Diamond);
constexpr int R = static_cast<int>(LampLook::Round);
constexpr int SQ = static_cast<int>(LampLook::Square);
constexpr int TF = static_cast<int>(TitleLampLook::Flat);
constexpr int TR = static_cast<int>(TitleLampLook::Round);

constexpr LampImage Images[] = {
    {F::Large, D, St::On, "LIGHTON_LARGE_D", 20, 20},
    {F::Large, D, St::Off, "LIGHTOFF_LARGE_D", 20, 20},
    {F::Large, R, St::On, "LIGHTON_LARGE_R", 20, 20},
    {F::Large, R, St::Off, "LIGHTOFF_LARGE_R", 20, 20},
    {F::Large, SQ, St::On, "LIGHTON_LARGE_SQ", 20, 20},
    {F::Large, SQ, St::Off, "LIGHTOFF_LARGE_SQ", 20, 20},

    {F::Small, D, St::On, "LIGHTON_D", 11, 12},
    {F::Small, D, St::Off, "LIGHTOFF_D", 11, 12},
    {F::Small, R, St::On, "LIGHTON_R", 11, 12},
    {F::Small, R, St::Off, "LIGHTOFF_R", 11, 12},
    {F::Small, SQ, St::On, "LIGHTON_SQ", 11, 12},
    {F::Small, SQ, St::Off, "LIGHTOFF_SQ", 11, 12},

    {F::Modem, D, St::On, "LIGHTON_Modem_D", 12, 12},
    {F::Modem, D, St::Off, "LIGHTOFF_Modem_D", 12, 12},
    {F::Modem, D, St::NoLamp, "NOLIGHT_Modem_D", 12, 12},
    {F::Modem, R, St::On, "LIGHTON_Modem_R", 12, 12},
    {F::Modem, R, St::Off, "LIGHTOFF_Modem_R", 12, 12},
    {F::Modem, R, St::NoLamp, "NOLIGHT_Modem_R", 12, 12},
    {F::Modem, SQ, St::On, "LIGHTON_Modem_SQ", 10, 11},
    {F::Modem, SQ, St::Off, "LIGHTOFF_Modem_SQ", 10, 11},
    {F::Modem, SQ, St::NoLamp, "NOLIGHT_Modem_SQ", 10, 11},

    {F::Title, TF, St::On, "LIGHTON_Title_F", 12, 7},
    {F::Title, TF, St::Off, "LIGHTOFF_Title_F", 12, 7},
    {F::Title, TF, St::NoLamp, "NOLIGHT_Title_F", 12, 7},
    {F::Title, TR, St::On, "LIGHTON_Title_R", 11, 7},
    {F::Title, TR, St::Off, "LIGHTOFF_Title_R", 11, 7},
    {F::Title, TR, St::NoLamp, "NOLIGHT_Title_R", 11, 7},
};

} // namespace

std::span<const LampImage> LampImages() { return Images; }

const LampImage* FindLampImage(LampFamily family, int look, LampState state) {
    for (const auto& image : Images)
        if (image.Family == family && image.Look == look && image.State == state) return &image;
    return nullptr;
}

int LookCount(LampFamily family) { return family == LampFamily::Title ? 2 : 3; }

LampSize NominalLampSize(LampFamily family) {
    const LampImage* image = FindLampImage(family, 0, LampState::On);
    return {image->Width, image->Height};
}

} // namespace display
