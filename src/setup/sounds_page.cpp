#include "setup/sounds_page.h"

#include "monitor/event_actions.h"
#include "resource_ids.h"

namespace setup {

namespace {

constexpr SoundChoice EventSounds[] = {
    {IDC_RISOUNDGROUP, &TGVar::RIPlaySound, &TGVar::RISound},
    {IDC_CONNECTSOUNDGROUP, &TGVar::ConnectPlaySound, &TGVar::ConnectSound},
    {IDC_DISCONNECTSOUNDGROUP, &TGVar::DisconnectPlaySound, &TGVar::DisconnectSound},
};
constexpr Binding Bindings[] = {EventSounds[0].Radio(), EventSounds[1].Radio(), EventSounds[2].Radio()};

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

void ShowSoundChoice(SetupContext& ctx, const SoundChoice& choice)
{
    EnableSoundControls(ctx, choice);
    ctx.View.SetText(choice.Label(), ctx.G.*choice.File);
}

bool SoundChoiceClicked(SetupContext& ctx, const SoundChoice& choice, int id)
{
    if (id == choice.Group) {
        EnableSoundControls(ctx, choice);
    } else if (id == choice.FileButton()) {
        BrowseSound(ctx, choice);
    } else if (id == choice.TestButton()) {
        monitor::PlayEventSound(ctx.Sound, ctx.G.*choice.Play, ctx.G.*choice.File);
    } else {
        return false;
    }
    return true;
}

SoundsPageModel::SoundsPageModel(SetupContext& ctx) : PageModel(ctx, Bindings) {}

void SoundsPageModel::Fill()
{
    FillBindings();
    for (const SoundChoice& choice : EventSounds)
        ShowSoundChoice(ctx_, choice);
}

bool SoundsPageModel::OnClicked(int id)
{
    for (const SoundChoice& choice : EventSounds)
        if (SoundChoiceClicked(ctx_, choice, id))
            return true;
    return false;
}

} // namespace setup
