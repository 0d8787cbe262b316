// The "Sounds" page: each event's choice enables its controls, keeps its
// file, and "Test" plays what the choice says.
#include "resource_ids.h"
#include "setup_fixture.h"

namespace {

struct Event {
    int Group;
    int32_t TGVar::*Play;
    std::string TGVar::*File;
};
constexpr Event Events[] = {
    {IDC_RISOUNDGROUP, &TGVar::RIPlaySound, &TGVar::RISound},
    {IDC_CONNECTSOUNDGROUP, &TGVar::ConnectPlaySound, &TGVar::ConnectSound},
    {IDC_DISCONNECTSOUNDGROUP, &TGVar::DisconnectPlaySound, &TGVar::DisconnectSound},
};

// Items Sound, Beep, None: the stored value, whether "Test" and the file's
// controls serve it, and what "Test" plays.
struct Item {
    int32_t Stored;
    bool Test, File;
    const char* Played;
};
constexpr Item Items[] = {{1, true, true, "RING.WAV"}, {2, true, false, "beep"}, {0, false, false, nullptr}};

TEST_F(SetupTest, SoundChoicesEnableTheirControlsKeepTheFileAndTest)
{
    for (const Event& e : Events) {
        g.*e.File = "RING.WAV";
        model.ChangeForm();
        EXPECT_EQ(view.C[e.Group + 6].Text, "RING.WAV");
        for (int item = 0; item < 3; ++item) {
            const Item& want = Items[item];
            sound.Played.clear();
            Choose(e.Group, item);
            EXPECT_EQ(g.*e.Play, want.Stored) << e.Group << "/" << item;
            EXPECT_EQ(view.C[e.Group + 5].Enabled, want.Test);
            EXPECT_EQ(view.C[e.Group + 4].Enabled, want.File);
            EXPECT_EQ(view.C[e.Group + 6].Shown, want.File);
            EXPECT_EQ(g.*e.File, "RING.WAV") << "the file outlives 'None'";
            model.Clicked(e.Group + 5);
            EXPECT_EQ(sound.Played, want.Played ? std::vector<std::string>{want.Played} : std::vector<std::string>{});
            // Loading shows the same as the click did.
            view.C[e.Group + 5].Enabled = !want.Test;
            model.ChangeForm();
            EXPECT_EQ(view.C[e.Group].Radio, item);
            EXPECT_EQ(view.C[e.Group + 5].Enabled, want.Test);
        }
    }
}

// The file dialog opens on the file, else on the system's sounds; Cancel
// keeps the file, a choice replaces it and the label shows it.
TEST_F(SetupTest, SoundFileButtonBrowsesFromTheFileOrTheSystemSounds)
{
    const Event& e = Events[1];
    g.*e.File = "";
    services.Browsed = false;
    model.Clicked(e.Group + 4);
    EXPECT_TRUE(services.Filter.ends_with("|*.* C:\\WINDOWS\\Media\\*.wav")) << services.Filter;
    EXPECT_EQ(g.*e.File, "");

    services.Browsed = true;
    model.Clicked(e.Group + 4);
    EXPECT_EQ(g.*e.File, services.BrowseFile_);
    EXPECT_EQ(view.C[e.Group + 6].Text, services.BrowseFile_);
    model.Clicked(e.Group + 4);
    EXPECT_TRUE(services.Filter.ends_with(" " + services.BrowseFile_));
}

} // namespace
