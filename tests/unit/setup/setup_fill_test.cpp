#include "resource_ids.h"
#include "setup_fixture.h"

namespace {

// Records a user or a hand-edited file may leave: everything on, and values
// no control stands for or outside a spin edit's range.
TGVar Record(int kind)
{
    TGVar g;
    if (kind == 1) {
        g.StatusInDisplay = g.SPYSpeedInDisplay = g.LogTransmitDisp = g.DisplayConnectTime = 1;
        g.DisplayTotalConnectTimeInTitlebar = g.LampLookTitle = g.Throughput = 1;
        g.ThroughputInDisplay = g.ThroughputDataInWindow = g.LogRI = g.LogDCD = g.LogTotalBytes = g.GraphMode = 1;
        g.Title = 2, g.OrientationTitle = 5, g.TitleBarOffset = -5, g.TitleBarOffsetT = 7;
        g.TScalingSet = 2, g.TScalingValue = 56000, g.TScalingPredefined = 56000, g.ThroghputUpdateSpeed = 25;
        g.NewOrientation = -4, g.LampLook = 2, g.DCDInterval = 30, g.NegotiationDelay = 5, g.RDTDSpeedUpdate = 5;
        g.KeyboardLights_CD = 144, g.KeyboardLights_RD = 20, g.KeyboardLights_TD = 145, g.EditorName = "C:\\ED.EXE";
        g.LightsAvailable = g.LightsPresent = g.DUNLights = g.RunLights = g.DUNRegistry = g.RNAAPP = 1;
        g.AlternativeMethodForRD = g.NoVxd = g.NoDirectHardwareAcesss = g.InitModem = g.TimerInterval = 1;
        g.ModemInitString = "ATZ", g.ModemLogName = "MODEM.TXT", g.DUNRegistryName = "Dial-Up Adapter";
    } else if (kind == 2) {
        g.StatusInDisplay = g.LogRI = g.ThroughputDataInWindow = g.DisplayTotalConnectTimeInTitlebar = 2;
        g.Title = 7, g.OrientationTitle = 9, g.TScalingSet = 5, g.TScalingValue = 0, g.RDTDSpeedUpdate = 20000;
        g.ThroghputUpdateSpeed = 0, g.DCDInterval = 99999, g.KeyboardLights_CD = 99, g.NewOrientation = 8;
        g.LampLook = -1, g.TitleBarOffset = -5000, g.TScalingPredefined = 28800;
        g.DisplayConnectTime = g.DisplayTotalConnectTimeInDisplay = 1;
        g.WinModem = 1, g.DUNRegistry = 1, g.TimerInterval = 40, g.InitModem = 2;
    } else {
        g.TScalingPredefined = 19200;
    }
    return g;
}

// Loading, over whatever the controls showed before, changes no setting,
// requests nothing and resizes nothing; only a predefined scale the list
// does not offer becomes 28800, and a software modem forces the detection
// methods it allows. Every box of the display and log pages shows its
// setting.
TEST_F(SetupTest, LoadingLeavesTheSettingsAsTheyAre)
{
    const int checks[][2] = {{IDC_CBCOMMSTATUSDISPLAY, 0}, {IDC_CHECKBOXLOGRI, 1}, {IDC_CHECKBOXLOGCONNECT, 2},
                            {IDC_CBLOGTOTAL, 3}, {IDC_CBTHROUGHPUTDATAINWINDOW, 4}};
    const char* forced[] = {"TScalingPredefined=28800", "",
                            "DUNRegistry=0 No Direct Hardware Acesss=1 NoVxd=1 RNAAPP=1"};
    for (int kind : {1, 2, 0, 1, 0}) {
        g = Record(kind);
        const auto before = setupfake::Record(g);
        model.ChangeForm();
        EXPECT_EQ(setupfake::Changes(before, g), forced[kind]) << kind;
        EXPECT_EQ(TakeRequests(), 0u);
        const int32_t settings[] = {g.StatusInDisplay, g.LogRI, g.LogDCD, g.LogTotalBytes, g.ThroughputDataInWindow};
        for (const auto& box : checks)
            EXPECT_EQ(view.C[box[0]].Checked, settings[box[1]] == 1) << kind << " " << box[0];
        const auto& list = view.C[IDC_CBPREDEFINED];
        EXPECT_EQ(list.Items.at(static_cast<size_t>(list.Selection)), std::to_string(g.TScalingPredefined) + " bps");
        if (kind == 1) {
            EXPECT_EQ(view.C[IDC_SEMANUALSCALE].Spin, 56000);
        }
        if (kind == 2) { // both times set: the display shows the total
            EXPECT_EQ(view.C[IDC_RADIOGROUPINDISPLAY].Radio, 1);
            continue;
        }
        // Choosing the item a group shows writes back what is stored.
        for (int group : {IDC_RADIOGROUPINDISPLAY, IDC_STATUSGROUP, IDC_TITLELAYOUTGROUP, IDC_LAMPLOOKGROUP,
                          IDC_RADIOGROUPINTITLE, IDC_RGTHROUGHPUT, IDC_RGSCALING, IDC_LAYOUTGROUP, IDC_LAMPLOOK}) {
            model.Clicked(group);
            EXPECT_EQ(setupfake::Changes(before, g), kind == 0 ? "TScalingPredefined=28800" : "") << group;
        }
    }
    for (const std::string& call : services.Log)
        EXPECT_TRUE(call.starts_with("ShowPage") || call.starts_with("Node") || call.starts_with("Help")) << call;
}

// A stored key no item stands for shows no item and stays until one is chosen.
TEST_F(SetupTest, KeyboardGroupsStandForTheLockKeys)
{
    struct Case {
        int32_t stored;
        int item, chosen;
        int32_t key;
    } cases[] = {{0, 0, 1, 144}, {20, 2, 3, 145}, {145, 3, 0, 0}, {99, -1, 2, 20}};
    for (const Case& c : cases) {
        for (int group : {IDC_KEYBOARDCD, IDC_KEYBOARDRD, IDC_KEYBOARDTD}) {
            g.KeyboardLights_CD = g.KeyboardLights_RD = g.KeyboardLights_TD = c.stored;
            model.ChangeForm();
            EXPECT_EQ(view.C[group].Radio, c.item);
            Choose(group, c.chosen);
            const int32_t keys[] = {g.KeyboardLights_CD, g.KeyboardLights_RD, g.KeyboardLights_TD};
            EXPECT_EQ(keys[(group - IDC_KEYBOARDCD) / 10], c.key);
        }
    }
}

} // namespace
