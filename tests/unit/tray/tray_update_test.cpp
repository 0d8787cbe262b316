#include <gtest/gtest.h>

#include "../monitor/allocation_counter.h"
#include "settings/line_settings.h"
#include "tray/tray_update.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_tray.h"

namespace {

class TrayUpdateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings = TGVar{};
        g.Port = 6;
        g.ShowTrayIcon = 1;
        update.LoadIcons(icons);
    }
    void Connected(uint32_t sent, uint32_t received)
    {
        g.ModemSignals.CD = true;
        g.ConnectionState.SessionTx = sent;
        g.ConnectionState.SessionRx = received;
    }
    TrayHandle Named(const char* name)
    {
        auto it = std::find(icons.Loaded.begin(), icons.Loaded.end(), std::string("res:") + name);
        return it == icons.Loaded.end() ? 0 : 100 + (it - icons.Loaded.begin());
    }

    TGVar& g = Settings;
    fakes::TrayShell shell;
    fakes::SystemTimer timer;
    fakes::Clock clock;
    fakes::TrayWindows windows;
    fakes::IconLoader icons;
    fakes::HelperVxd vxd;
    fakes::SerialPorts ports;
    TTrayIcon95 tray{{shell, timer, clock, windows, windows, icons}, 11};
    TTrayUpdate update{tray, vxd, ports};
};

TEST_F(TrayUpdateTest, TipShowsTheCountsTheStatusAndThePort)
{
    Connected(1234, 56);
    vxd.Opened = true; // the line settings come from the helper VxD
    vxd.HookedPort = "COM6";
    vxd.Replies[VxdBaudRate] = {true, 57600, 0};
    vxd.Replies[VxdByteSize] = {true, 8, 0};
    update.Win95Tray(g);
    EXPECT_EQ(tray.Hint(), "1234 bytes sent 56 bytes received 8N1 57600 - COM6");
    vxd.Opened = false;

    g.ConnectionState.SpeedText = "@ 49333 bps V.90";
    update.Win95Tray(g);
    EXPECT_EQ(tray.Hint(), "1234 bytes sent 56 bytes received @ 49333 bps V.90 - COM6");

    g.ModemSignals.CD = false;
    g.ConnectionState.SpeedText.clear();
    update.Win95Tray(g);
    EXPECT_EQ(tray.Hint(), " Blinkery 2.5 - COM6");

    Connected(1234, 56);
    g.ConnectionState.SpeedText = std::string(200, 's');
    update.Win95Tray(g);
    EXPECT_EQ(tray.Hint().size(), 143u);
    EXPECT_EQ(std::string(shell.Calls.back().Record.Tip), tray.Hint().substr(0, 63));
}

TEST_F(TrayUpdateTest, IconFollowsCarrierAndThisTicksActivity)
{
    struct Row {
        bool CD, RD, TD;
        const char* Icon;
    } const rows[] = {
        {true, false, false, "MODEM1"},     {true, true, false, "MODEM2"},
        {true, false, true, "MODEM3"},      {true, true, true, "MODEM4"},
        {false, false, false, "MODEM1_NC"}, {false, true, false, "MODEM2_NC"},
        {false, false, true, "MODEM3_NC"},  {false, true, true, "MODEM4_NC"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Icon);
        g.ModemSignals.CD = row.CD;
        g.ModemSignals.RD = row.RD;
        g.ModemSignals.TD = row.TD;
        update.Win95Tray(g);
        ASSERT_NE(Named(row.Icon), 0u);
        EXPECT_EQ(shell.Calls.back().Record.Icon, Named(row.Icon));
    }
}

TEST_F(TrayUpdateTest, ShellIsCalledOnlyWhenIconOrTipChanges)
{
    g.Port = 0;
    update.Win95Tray(g);
    EXPECT_TRUE(shell.Calls.empty());
    g.Port = 6;
    update.Win95Tray(g);
    ASSERT_EQ(shell.Calls.size(), 1u);
    EXPECT_EQ(shell.Calls[0].Command, platform::TrayCommand::Add); // complete at once
    EXPECT_EQ(shell.Calls[0].Record.Icon, Named("MODEM1_NC"));
    update.Win95Tray(g);
    EXPECT_EQ(shell.Calls.size(), 1u);
    g.ModemSignals.RD = true;
    update.Win95Tray(g);
    EXPECT_EQ(shell.Calls.size(), 2u);
    update.Win95Tray(g);
    EXPECT_EQ(shell.Calls.size(), 2u);
    // New counts in the tip and new activity in the icon: one call.
    g.ModemSignals.CD = g.ModemSignals.TD = true;
    g.ConnectionState.SessionRx = 100;
    update.Win95Tray(g);
    ASSERT_EQ(shell.Calls.size(), 3u);
    EXPECT_EQ(shell.Calls.back().Record.Flags, platform::TrayIconFlag | platform::TrayTipFlag);
    g.ShowTrayIcon = 0;
    update.Win95Tray(g);
    update.Win95Tray(g);
    ASSERT_EQ(shell.Calls.size(), 4u);
    EXPECT_EQ(shell.Calls.back().Command, platform::TrayCommand::Delete);
}

TEST_F(TrayUpdateTest, UnchangedUpdateAllocatesNothing)
{
    Connected(123456789, 987654321);
    g.ConnectionState.SpeedText = "@ 49333 bps V.90bis connection text";
    g.ModemSignals.TD = true;
    update.Win95Tray(g);
    const size_t calls = shell.Calls.size();
    alloccount::Start();
    for (int i = 0; i < 10; ++i)
        update.Win95Tray(g);
    EXPECT_EQ(alloccount::Stop(), 0);
    EXPECT_EQ(shell.Calls.size(), calls);

    g.ModemSignals.CD = false;
    g.ConnectionState.SpeedText.clear();
    update.Win95Tray(g);
    alloccount::Start();
    update.Win95Tray(g);
    EXPECT_EQ(alloccount::Stop(), 0);
}

} // namespace
