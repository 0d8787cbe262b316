// The RAS component at start and at close: the state-change hook and the
// offer to hang up the dial-up connection when Blinkery closes.
#include <gtest/gtest.h>

#include "devices/ras_rig.h"
#include "devices/ras_session.h"

using devices::TRAS;

namespace {

struct CloseRig : RasRig {
    TGVar settings;
    fakes::RasBoxes boxes;
    int hangUps = 0;

    CloseRig()
    {
        settings.RAS = 1;
        settings.OsKind = OsNT4;
    }
    void Close()
    {
        devices::CloseDownRasConnection(*ras, settings, boxes, [this] {
            ++hangUps;
            ras->Disconnect();
            settings.ActiveConnectionName.clear();
        });
    }
};

TEST(RasSession, StartUpHooksTheStateEventOnlyWithRas)
{
    for (int32_t rasSetting : {0, 1}) {
        RasRig rig;
        TGVar settings;
        settings.RAS = rasSetting;
        int calls = 0;
        devices::ConnectRasStateEvent(*rig.ras, settings, [&](TRAS&) { ++calls; });
        EXPECT_EQ(static_cast<bool>(rig.ras->OnStateChanged), rasSetting == 1);
    }
}

TEST(RasSession, ClosingAsksAboutALiveConnectionAndYesHangsUp)
{
    CloseRig rig;
    rig.Connect("Work");
    rig.settings.ActiveConnectionName = "Work";
    rig.ras->RASConn = 0x5000;
    int32_t modalWhileAsked = 0;
    rig.boxes.WhileShown = [&] { modalWhileAsked = rig.settings.ModalActive; };
    rig.boxes.Answer = platform::MbResult::Yes;
    rig.Close();

    ASSERT_EQ(rig.boxes.Shown.size(), 1u);
    EXPECT_EQ(rig.boxes.Shown[0].Text, "Close Down Dial-Up Connection?");
    EXPECT_EQ(rig.boxes.Shown[0].Caption, "Blinkery");
    EXPECT_EQ(rig.boxes.Shown[0].Buttons, platform::MbButtons::YesNo);
    EXPECT_EQ(rig.boxes.Shown[0].Icon, platform::MbIcon::Warning);
    EXPECT_EQ(modalWhileAsked, 1);
    EXPECT_EQ(rig.settings.ModalActive, 0);
    EXPECT_EQ(rig.hangUps, 1);
    EXPECT_EQ(rig.api.HangUps, std::vector<uint32_t>{0x5000});
    EXPECT_TRUE(rig.api.Connections.empty());
    EXPECT_EQ(rig.settings.ActiveConnectionName, "");
    EXPECT_EQ(rig.ras->RASConn, 0u);
}

TEST(RasSession, NoLeavesTheConnectionUp)
{
    CloseRig rig;
    rig.Connect("Work");
    rig.ras->RASConn = 0x5000;
    rig.boxes.Answer = platform::MbResult::No;
    rig.Close();
    EXPECT_EQ(rig.boxes.Shown.size(), 1u);
    EXPECT_EQ(rig.hangUps, 0);
    EXPECT_EQ(rig.ras->RASConn, 0u);
    rig.ras.reset();
    EXPECT_TRUE(rig.api.HangUps.empty()) << "not even when the component goes";
    EXPECT_EQ(rig.api.Connections.size(), 1u);
}

TEST(RasSession, WhenNothingIsAsked)
{
    struct Case {
        const char* Name;
        int32_t Ras, WarnWhenExiting;
        uint32_t State;
        bool Released;
    };
    const Case cases[] = {
        {"RAS off", 0, 0, 0x2000, false},
        {"Warn when Exiting: the connection stays up", 1, 1, 0x2000, true},
        {"still dialling", 1, 0, 3, false},
        {"failed", 1, 0, 0x2001, false},
    };
    for (const Case& c : cases) {
        CloseRig rig;
        rig.settings.RAS = c.Ras;
        rig.settings.WarnWhenExiting = c.WarnWhenExiting;
        rig.Connect("Work").State = c.State;
        rig.ras->RASConn = 0x5000;
        rig.Close();
        EXPECT_TRUE(rig.boxes.Shown.empty()) << c.Name;
        EXPECT_TRUE(rig.api.HangUps.empty()) << c.Name;
        EXPECT_EQ(rig.ras->RASConn == 0, c.Released) << c.Name;
        if (c.Ras == 0) {
            EXPECT_TRUE(rig.api.Loads.empty()) << c.Name;
        }
    }
}

TEST(RasSession, AConnectionNotYetWatchedIsTakenUpOnce)
{
    CloseRig rig;
    rig.Connect("Work", 0x6000);
    rig.boxes.Answer = platform::MbResult::No;
    rig.Close();
    ASSERT_EQ(rig.boxes.Shown.size(), 1u);
    EXPECT_EQ(rig.settings.ActiveConnectionName, "Work");

    // Shut-down runs again from the close event: the answer stands.
    rig.settings.ClosingState = -1;
    rig.Close();
    EXPECT_EQ(rig.boxes.Shown.size(), 1u);
    EXPECT_TRUE(rig.api.HangUps.empty());
}

TEST(RasSession, Windows9xTakesUpNoConnection)
{
    CloseRig rig;
    rig.settings.OsKind = OsWin9x;
    rig.Connect("Work");
    rig.Close();
    EXPECT_TRUE(rig.boxes.Shown.empty());
}

} // namespace
