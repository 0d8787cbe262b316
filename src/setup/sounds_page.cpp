#include "setup/sounds_page.h"

#include "monitor/event_actions.h"
#include "resource_ids.h"

namespace setup {

namespace {

constexpr int32_t SoundValues[] = {1, 2, 0}; // 'Sound' 'Beep' 'None'

constexpr SoundChoice EventSounds[] = {
    {IDC_RISOUNDGROUP, &TGVar::RIPlaySound, &TGVar::RISound},
    {IDC_CONNECTSOUNDGROUP, &TGVar::ConnectPlaySound, &TGVar::ConnectSound},
    {IDC_DISCONNECTSOUNDGROUP, &TGVar::DisconnectPlaySound, &TGVar::DisconnectSound},
};

// "Test" serves the beep and the file; the file's controls only the file.
void EnableSoundControls(SetupContext& ctx, const SoundChoice& choice)
{
    const int32_t play = ctx.G.*choice.Play;
    ctx.View.Enable(choice.TestButton(), play != 0);
    ctx.View.Enable(choice.FileButton(), play == 1);
    ctx.View.Show(choice.Label(), play == 1);
}

// The file dialog opens on the chosen file, else on the system's sounds;
// the file is kept whatever the choice, so 'None' and back loses nothing.
void BrowseSound(SetupContext& ctx, const SoundChoice& choice)
{
    std::string& setting = ctx.G.*choice.File;
    std::string file = setting.empty() ? ctx.System.WindowsDirectory() + "\\Media\\*.wav" : setting;
    if (ctx.Services.BrowseFile(SoundFilter, file))
        setting = file;
    ctx.View.SetText(choice.Label(), setting);
}

} // namespace

void FillSoundChoice(SetupContext& ctx, const SoundChoice& choice)
{
    ctx.View.SetRadio(choice.Group, ItemOf(ctx.G.*choice.Play, SoundValues));
    EnableSoundControls(ctx, choice);
    ctx.View.SetText(choice.Label(), ctx.G.*choice.File);
}

bool SoundChoiceClicked(SetupContext& ctx, const SoundChoice& choice, int id)
{
    if (id == choice.Group) {
        const int item = ctx.View.RadioItem(choice.Group);
        if (item >= 0 && item < static_cast<int>(std::size(SoundValues))) {
            ctx.G.*choice.Play = SoundValues[item];
            EnableSoundControls(ctx, choice);
        }
    } else if (id == choice.FileButton()) {
        BrowseSound(ctx, choice);
    } else if (id == choice.TestButton()) {
        monitor::PlayEventSound(ctx.Sound, ctx.G.*choice.Play, ctx.G.*choice.File);
    } else {
        return false;
    }
    return true;
}

void SoundsPageModel::Fill()
{
    for (const SoundChoice& choice : EventSounds)
        FillSoundChoice(ctx_, choice);
}

bool SoundsPageModel::Clicked(int id)
{
    for (const SoundChoice& choice : EventSounds)
        if (SoundChoiceClicked(ctx_, choice, id))
            return true;
    return false;
}

} // namespace setup
