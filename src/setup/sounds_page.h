// The "Sounds" page: for a ring, a connect and a disconnect, a wave file,
// the beep or nothing, with a "Test" button and the file shown beside it.
// The rules of one such sound choice serve the inactivity warning too.
#pragma once

#include <cstdint>
#include <string>

#include "setup/page_model.h"

namespace setup {

inline constexpr char SoundFilter[] = "Sound files|*.wav|All files (*.*)|*.*";
inline constexpr int32_t SoundValues[] = {1, 2, 0}; // 'Sound' 'Beep' 'None'

// A sound choice's controls, laid out from its radio group's id (see
// resource_ids.h), and the two settings it edits.
struct SoundChoice {
    int Group;
    int32_t TGVar::*Play; // 1 the file, 2 the beep, 0 nothing
    std::string TGVar::*File;

    int FileButton() const { return Group + 4; }
    int TestButton() const { return Group + 5; }
    int Label() const { return Group + 6; }
    // The radio group's binding.
    constexpr Binding Radio() const { return bind::Radio(Group, Play, SoundValues); }
};

// Shows a choice's file and the controls its setting enables (the radio
// group is bound).
void ShowSoundChoice(SetupContext& ctx, const SoundChoice& choice);
// The handler of a choice's controls: the group after its setting changed,
// the file and the "Test" button; false when id is none of them.
bool SoundChoiceClicked(SetupContext& ctx, const SoundChoice& choice, int id);

class SoundsPageModel final : public PageModel {
public:
    explicit SoundsPageModel(SetupContext& ctx);
    void Fill() override;

protected:
    bool OnClicked(int id) override;
};

} // namespace setup
