// TRAS: loading RASAPI32.DLL, dialling with progress, states and their
// texts, hang-up, the active connections and their status.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "devices/ras_rig.h"

using devices::TRAS;

namespace {

TEST(RasComponent, ConstructionRegistersTheDialEventAndSetsDefaults)
{
    RasRig rig;
    EXPECT_EQ(rig.windows.Registrations, std::vector<std::string>{"RASDialEvent"});
    EXPECT_EQ(rig.ras->DialEventMessage(), 0xC123u);
    EXPECT_EQ(rig.ras->SavedState(), 9999);
    EXPECT_EQ(rig.ras->RedialAttempts, 1);
    EXPECT_EQ(rig.ras->RASConn, 0u);
    EXPECT_EQ(rig.ras->KeyDUNAdap, "Dial-Up Adapter");
    EXPECT_EQ(rig.ras->KeyDUNConn, "ConnectSpeed");
    EXPECT_EQ(rig.ras->KeyDUNXmit, "TotalBytesXmit");
    EXPECT_EQ(rig.ras->KeyDUNRecv, "TotalBytesRecvd");
    EXPECT_TRUE(rig.api.Loads.empty()) << "the library is loaded on first use";

    rig.windows.Registered = 0;
    rig.Make();
    EXPECT_EQ(rig.ras->DialEventMessage(), 0xCCCDu);
}

TEST(RasComponent, MissingLibraryIsReportedAndNeverLookedForAgain)
{
    RasRig rig;
    rig.api.Libraries.clear();
    TRAS& ras = *rig.ras;

    EXPECT_FALSE(ras.RasAvailable());
    EXPECT_EQ(ras.LastError(), 1157);
    EXPECT_EQ(ras.StatusStr, "RASAPI32.DLL Not Available");

    struct Op {
        const char* Name;
        std::function<int32_t()> Run;
        int32_t Returns;
    };
    const std::vector<Op> ops = {
        {"GetDialParams", [&] { return ras.GetDialParams(); }, 1157},
        {"GetEntryProperties", [&] { return ras.GetEntryProperties(); }, 1157},
        {"EditPhonebookEntry", [&] { return ras.EditPhonebookEntry(); }, 1157},
        {"CreatePhonebookEntry", [&] { return ras.CreatePhonebookEntry(); }, 1157},
        {"DeleteEntry", [&] { return ras.DeleteEntry(); }, 1157},
        {"RenameEntry", [&] { return ras.RenameEntry("New"); }, 1157},
        {"DialEntry", [&] { return ras.DialEntry(); }, 1157},
        {"Dial", [&] { return ras.Dial(); }, 1157},
        {"EnumConnections", [&] { return ras.EnumConnections(); }, 1157},
        {"EnumEntries", [&] { return ras.EnumEntries(); }, 1157},
        {"EnumDevices", [&] { return ras.EnumDevices(); }, 1157},
        {"HangUp", [&] { return ras.HangUp(); }, 0},
        {"Disconnect", [&] { return ras.Disconnect(); }, 0},
        {"GetIPAddresses", [&] { ras.RASConn = 0x42; return ras.GetIPAddresses(); }, 0},
    };
    for (const Op& op : ops) {
        ras.StatusStr = "untouched";
        EXPECT_EQ(op.Run(), op.Returns) << op.Name;
        EXPECT_EQ(ras.LastError(), 1157) << op.Name;
        EXPECT_EQ(ras.StatusStr, "untouched") << op.Name;
    }
    EXPECT_EQ(ras.GetErrorString(1157), "One of the library files needed to run this application cannot be found.");
    EXPECT_EQ(rig.api.Loads, std::vector<std::string>{"RASAPI32.DLL"});
    EXPECT_TRUE(rig.windows.Created.empty());
}

TEST(RasComponent, ExtendedApiComesFromRasapiOrRnaph)
{
    struct Case {
        const char* Name;
        bool InRasApi;
        bool RnaphExists;
        std::vector<std::string> Loads;
        bool Extended;
    };
    const Case cases[] = {
        {"NT: RASAPI32 has it", true, true, {"RASAPI32.DLL"}, true},
        {"95: RNAPH.DLL has it", false, true, {"RASAPI32.DLL", "RNAPH.DLL"}, true},
        {"95 without RNAPH.DLL", false, false, {"RASAPI32.DLL", "RNAPH.DLL"}, false},
    };
    for (const Case& c : cases) {
        RasRig rig;
        rig.api.ExtendedInRasApi = c.InRasApi;
        if (c.RnaphExists)
            rig.api.Libraries.insert("RNAPH.DLL");
        rig.api.Devices = {{"modem", "Standard Modem"}};
        rig.api.Entries = {fakes::EntryNamed("Work")};
        ASSERT_TRUE(rig.ras->LoadRasApi()) << c.Name;
        EXPECT_EQ(rig.api.Loads, c.Loads) << c.Name;
        EXPECT_EQ(rig.ras->EnumDevices(), c.Extended ? 0 : 1157) << c.Name;
        rig.ras->EntryName = "Work";
        EXPECT_EQ(rig.ras->ValidateEntryName("Home"), c.Extended ? 0 : 1157) << c.Name;
        EXPECT_EQ(rig.ras->DeleteEntry(), c.Extended ? 0 : 1157) << c.Name;
        // The basic functions work either way.
        EXPECT_EQ(rig.ras->EnumEntries(), 0) << c.Name;
        EXPECT_EQ(rig.api.WrongEntryCalls, 0) << c.Name;
        EXPECT_EQ(devices::RasEntryPoints.RasGetConnectionStatistics != 0, c.Extended) << c.Name;

        std::vector<platform::RasLibrary> expectedFrees;
        if (!c.InRasApi && c.RnaphExists)
            expectedFrees.push_back(0x20000);
        expectedFrees.push_back(0x10000);
        rig.ras.reset();
        EXPECT_EQ(rig.api.Frees, expectedFrees) << c.Name;
    }
}

TEST(RasComponent, AnExportTheLibraryLacksFailsInsteadOfBeingCalled)
{
    RasRig rig;
    rig.api.MissingExports = {"RasGetEntryPropertiesA"};
    rig.ras->EntryName = "Work";
    EXPECT_EQ(rig.ras->GetEntryProperties(), 1157);
    EXPECT_EQ(rig.api.WrongEntryCalls, 0);
}

TEST(RasComponent, DialFillsTheParametersWithinTheirFieldsAndNotifiesTheWindow)
{
    RasRig rig;
    TRAS& ras = *rig.ras;
    ras.EntryName = std::string(300, 'E');
    ras.PhoneNumber = std::string(200, '5');
    ras.CallbackNumber = "0301";
    ras.UserName = "jo";
    ras.Password = "secret";
    ras.Domain = std::string(20, 'D');
    ras.SetPhoneBookPath("C:\\my.pbk");

    ASSERT_EQ(ras.Dial(), 0);
    ASSERT_EQ(rig.api.Dials.size(), 1u);
    const auto& call = rig.api.Dials[0];
    EXPECT_EQ(call.PhoneBook, "C:\\my.pbk");
    EXPECT_EQ(call.NotifierType, 0xFFFFFFFFu);
    EXPECT_EQ(call.Notifier, ras.NotifyWindow());
    EXPECT_NE(call.Notifier, 0u);
    EXPECT_EQ(call.Params.dwSize, 1060u);
    EXPECT_EQ(devices::FieldText(call.Params.szEntryName), std::string(256, 'E'));
    EXPECT_EQ(devices::FieldText(call.Params.szPhoneNumber), std::string(128, '5'));
    EXPECT_EQ(devices::FieldText(call.Params.szCallbackNumber), "0301");
    EXPECT_EQ(devices::FieldText(call.Params.szUserName), "jo");
    EXPECT_EQ(devices::FieldText(call.Params.szPassword), "secret");
    EXPECT_EQ(devices::FieldText(call.Params.szDomain), std::string(15, 'D'));
    EXPECT_EQ(ras.RASConn, 0x5000u);
    EXPECT_EQ(ras.SavedState(), 9999);
}

TEST(RasComponent, DialHangsUpTheHeldConnectionFirstAndReportsAFailedStart)
{
    RasRig rig;
    TRAS& ras = *rig.ras;
    rig.Connect("Old", 0x4000);
    ras.RASConn = 0x4000;
    rig.api.DialResult = 623;
    EXPECT_EQ(ras.Dial(), 623);
    EXPECT_EQ(rig.api.HangUps, std::vector<uint32_t>{0x4000});
    EXPECT_EQ(ras.LastError(), 623);
    EXPECT_EQ(ras.StatusStr, "The system could not find the phone book entry for this connection.");
}

TEST(RasComponent, DialProgressFiresStateEventsAndStatusTexts)
{
    RasRig rig;
    TRAS& ras = *rig.ras;
    std::vector<std::string> seen;
    ras.OnStateChanged = [&](TRAS& r) { seen.push_back(r.StatusStr); };
    ras.OnAboutToOpenPort = [&](TRAS&) { seen.push_back("event:open"); };
    ras.OnAboutToConnDev = [&](TRAS&) { seen.push_back("event:dial"); };
    ras.OnConnect = [&](TRAS&) { seen.push_back("event:connect"); };
    ras.DeviceType = "MODEM";
    ras.EntryName = "Work";
    ASSERT_EQ(ras.Dial(), 0);

    for (uint32_t state : {0u, 2u, 2u, 0x2000u})
        EXPECT_EQ(rig.Notify(state), 0);
    const std::vector<std::string> expected = {"Opening Serial Port",           "event:open",
                                               "Connecting/Dialling (modem)",   "event:dial",
                                               "event:dial",                    "Connected/Online",
                                               "event:connect"};
    EXPECT_EQ(seen, expected) << "a repeated state fires its event but no state change";
    EXPECT_EQ(ras.ConnectState, 0x2000);
    EXPECT_EQ(ras.SavedState(), 0x2000);
}

TEST(RasComponent, AnErrorNotificationTakesOverTheStateAndFiresNoStateEvent)
{
    RasRig rig;
    TRAS& ras = *rig.ras;
    int changes = 0, events = 0;
    ras.OnStateChanged = [&](TRAS&) { ++changes; };
    ras.OnAboutToConnDev = [&](TRAS&) { ++events; };
    ras.Dial();
    rig.Notify(2, 678);
    EXPECT_EQ(ras.LastError(), 678);
    EXPECT_EQ(ras.ConnectState, 678);
    EXPECT_EQ(ras.ConnectError(), 678);
    EXPECT_EQ(ras.StatusStr, "There is no answer.");
    EXPECT_EQ(ras.GetStateText(), "There is no answer.");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(ras.SavedState(), 0);
    rig.Notify(2, 678); // a repeated error is reported again
    EXPECT_EQ(changes, 2);
}

TEST(RasComponent, OtherMessagesGoToTheDefaultProcedure)
{
    RasRig rig;
    TRAS& ras = *rig.ras;
    int changes = 0;
    ras.OnStateChanged = [&](TRAS&) { ++changes; };
    ras.Dial();
    const auto window = ras.NotifyWindow();
    EXPECT_EQ(ras.NotifyWndProc(window, 0x0113, 2, 0), 0x77);
    // Only the low 16 bits of the identifier count.
    EXPECT_EQ(ras.NotifyWndProc(window, 0x1C123, 3, 0), 0);
    EXPECT_EQ(ras.ConnectState, 3);
    // Without a connection the dial event is not ours either.
    ras.ReleaseConnection();
    EXPECT_EQ(ras.NotifyWndProc(window, 0xC123, 4, 0), 0x77);
    EXPECT_EQ(ras.ConnectState, 3);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(rig.windows.DefaultCalls, 2);
}

TEST(RasComponent, AStateEventWaitsForAConnectionStillHeld)
{
    RasRig rig;
    TRAS& ras = *rig.ras;
    int events = 0;
    ras.OnStateChanged = [&](TRAS& r) { r.HangUp(); }; // hung up from the state handler
    ras.OnConnect = [&](TRAS&) { ++events; };
    ras.OnAboutToOpenPort = [&](TRAS&) { ++events; };
    ras.Dial();
    rig.Notify(0x2000);
    EXPECT_EQ(events, 0);
}

TEST(RasComponent, EachStateFiresItsOwnEvent)
{
    struct Case {
        uint16_t State;
        devices::TNotifyEvent TRAS::*Event;
    };
    const Case cases[] = {
        {0, &TRAS::OnAboutToOpenPort},    {1, &TRAS::OnPortOpened},        {2, &TRAS::OnAboutToConnDev},
        {3, &TRAS::OnDevConnected},       {4, &TRAS::OnAllDevsConnected},  {5, &TRAS::OnAuthenticate},
        {6, &TRAS::OnAuthNotify},         {7, &TRAS::OnAuthRetry},         {8, &TRAS::OnAuthCallBack},
        {9, &TRAS::OnAuthChangePassword}, {10, &TRAS::OnAuthProject},      {11, &TRAS::OnAuthLinkSpeed},
        {12, &TRAS::OnAuthAck},           {13, &TRAS::OnReAuthenticate},   {14, &TRAS::OnAuthenticated},
        {15, &TRAS::OnPrepareforCallback}, {16, &TRAS::OnWaitForModemReset}, {17, &TRAS::OnCallBack},
        {0x1000, &TRAS::OnInteractiveStarted}, {0x1001, &TRAS::OnRetryAuth}, {0x1003, &TRAS::OnPasswordExpired},
        {0x2000, &TRAS::OnConnect},
    };
    for (uint16_t state : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 21, 0x1000, 0x1001,
                           0x1002, 0x1003, 0x2000, 0x2001}) {
        RasRig rig;
        TRAS& ras = *rig.ras;
        std::vector<std::string> fired;
        for (size_t i = 0; i < std::size(cases); ++i)
            ras.*cases[i].Event = [&fired, i](TRAS&) { fired.push_back("event " + std::to_string(i)); };
        ras.OnDisconnect = [&](TRAS&, int32_t, const std::string&) { fired.push_back("disconnect"); };
        ras.Dial();
        rig.Notify(state);

        std::vector<std::string> expected;
        for (size_t i = 0; i < std::size(cases); ++i)
            if (cases[i].State == state)
                expected.push_back("event " + std::to_string(i));
        if (state == 0x2001)
            expected.push_back("disconnect");
        EXPECT_EQ(fired, expected) << "state " << state;
    }
}

TEST(RasComponent, StateTexts)
{
    struct Case {
        uint16_t State;
        const char* DeviceType;
        const char* Text;
    };
    const Case cases[] = {
        {0, "", "Opening Serial Port"},
        {2, "", "Connecting/Dialling"},
        {2, "ISDN", "Connecting/Dialling (isdn)"},
        {3, "Modem", "Connected/Answered (modem)"},
        {4, "Modem", "Connected/Negotiation"},
        {7, "", "Unknown State - 7"},
        {9, "", "Unknown State - 9"},
        {21, "", "Logon to Network"},
        {22, "", "Unknown State - 22"},
        {600, "", "Unknown State - 600"},
        {676, "", "The line is busy."},
        {0x1000, "", "system text 4096"}, // above 600: an error code, here one RAS has no text for
        {0x2000, "", "Connected/Online"},
        {0x2001, "", "Disconnected/Offline"},
    };
    RasRig rig;
    rig.api.SystemTexts[0x1000] = "system text 4096";
    for (const Case& c : cases) {
        rig.ras->ConnectState = c.State;
        rig.ras->DeviceType = c.DeviceType;
        EXPECT_EQ(rig.ras->GetStateText(), c.Text) << c.State;
    }
}

TEST(RasComponent, StateChangesFireOnlyWhileAConnectionIsHeld)
{
    RasRig rig;
    TRAS& ras = *rig.ras;
    int changes = 0;
    ras.OnStateChanged = [&](TRAS&) { ++changes; };
    EXPECT_EQ(ras.GetStatusText(), "Not Connected");
    EXPECT_EQ(ras.StatusStr, "Not Connected");
    EXPECT_EQ(changes, 0);
}

TEST(RasComponent, HangUpReleasesTheConnectionAndTheWindow)
{
    RasRig rig;
    TRAS& ras = *rig.ras;
    rig.Connect("Work");
    ras.Dial();
    ras.ConnectState = 0x2000;
    EXPECT_EQ(ras.HangUp(), 0);
    EXPECT_EQ(rig.api.HangUps, std::vector<uint32_t>{0x5000});
    EXPECT_EQ(ras.RASConn, 0u);
    EXPECT_EQ(ras.ConnectState, 0);
    EXPECT_EQ(rig.windows.Alive(), 0u);

    // Nothing held: nothing hung up, success.
    EXPECT_EQ(ras.HangUp(), 0);
    EXPECT_EQ(rig.api.HangUps.size(), 1u);
    EXPECT_EQ(ras.LastError(), 0);
}

TEST(RasComponent, DisconnectWaitsUntilRasLetsGoThenReportsTheDisconnection)
{
    RasRig rig;
    TRAS& ras = *rig.ras;
    rig.Connect("Work");
    ras.Dial();
    rig.api.LingerPolls = 3;
    std::vector<std::string> seen;
    ras.OnStateChanged = [&](TRAS& r) { seen.push_back(r.StatusStr); };
    ras.OnDisconnect = [&](TRAS& r, int32_t error, const std::string& text) {
        seen.push_back("disconnect " + std::to_string(error) + " " + text + " conn " + std::to_string(r.RASConn));
    };
    EXPECT_EQ(ras.Disconnect(), 0);
    EXPECT_EQ(rig.pump.Pumps, 3) << "one pump per status query that still found the connection";
    const std::vector<std::string> expected = {"Disconnected/Offline", "disconnect 6 The handle is invalid. conn 0"};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(rig.windows.Alive(), 0u);
    EXPECT_EQ(ras.LastError(), 6) << "the status of the gone connection";
}

TEST(RasComponent, DisconnectWithoutAConnectionStillReportsTheDisconnection)
{
    RasRig rig;
    TRAS& ras = *rig.ras;
    ras.Dial();
    ras.RASConn = 0;
    std::vector<int32_t> errors;
    ras.OnDisconnect = [&](TRAS&, int32_t error, const std::string&) { errors.push_back(error); };
    EXPECT_EQ(ras.Disconnect(), 0);
    EXPECT_EQ(errors, std::vector<int32_t>{6});
    EXPECT_EQ(rig.api.StatusQueries, std::vector<uint32_t>{0});
    EXPECT_TRUE(rig.api.HangUps.empty());
    EXPECT_EQ(rig.windows.Alive(), 0u);
}

TEST(RasComponent, DisconnectDoesNotWaitWhenTheHangUpIsRefused)
{
    RasRig rig;
    TRAS& ras = *rig.ras;
    rig.Connect("Work");
    ras.Dial();
    rig.api.HangUpResult = 668;
    EXPECT_EQ(ras.Disconnect(), 668);
    EXPECT_EQ(rig.pump.Pumps, 0);
    EXPECT_EQ(ras.RASConn, 0u);
}

TEST(RasComponent, DisconnectLetsOtherHandlersRunWhileItWaits)
{
    RasRig rig;
    TRAS& ras = *rig.ras;
    rig.Connect("Work");
    ras.Dial();
    rig.api.LingerPolls = 1000;
    // A click on hang-up while waiting ends the wait.
    rig.pump.OnPump = [&] { ras.ReleaseConnection(); };
    ras.Disconnect();
    EXPECT_EQ(rig.pump.Pumps, 1);
}

TEST(RasComponent, ReleaseConnectionKeepsTheConnectionUp)
{
    RasRig rig;
    TRAS& ras = *rig.ras;
    rig.Connect("Work");
    ras.Dial();
    ras.ReleaseConnection();
    EXPECT_EQ(ras.RASConn, 0u);
    EXPECT_EQ(rig.windows.Alive(), 0u);
    EXPECT_TRUE(rig.api.HangUps.empty());
    rig.ras.reset();
    EXPECT_TRUE(rig.api.HangUps.empty()) << "destruction hangs up only what is held";
}

TEST(RasComponent, DestructionHangsUpAHeldConnection)
{
    RasRig rig;
    rig.Connect("Work");
    rig.ras->Dial();
    rig.ras.reset();
    EXPECT_EQ(rig.api.HangUps, std::vector<uint32_t>{0x5000});
    EXPECT_EQ(rig.statistics.PerformanceCloses, 1);
}

TEST(RasComponent, FiveConnectionsListTheFirstFour)
{
    RasRig rig;
    for (uint32_t i = 1; i <= 5; ++i)
        rig.Connect("Entry " + std::to_string(i), 0x100 * i);
    TRAS& ras = *rig.ras;
    EXPECT_EQ(ras.EnumConnections(), 0);
    EXPECT_EQ(ras.NumConns(), 5u);
    ASSERT_EQ(ras.Connections.Count(), 4u);
    EXPECT_EQ(ras.Connections.EntryName(3), "Entry 4");
    EXPECT_EQ(ras.Connections.Handle(3), 0x400u);
    EXPECT_EQ(ras.CurConnName(), "Entry 1");
    EXPECT_EQ(ras.CurRASConn(), 0x100u);

    rig.api.Connections.clear();
    EXPECT_EQ(ras.EnumConnections(), 0);
    EXPECT_EQ(ras.NumConns(), 0u);
    EXPECT_EQ(ras.Connections.Count(), 0u);
    EXPECT_EQ(ras.CurConnName(), "");
    EXPECT_EQ(ras.CurRASConn(), 0u);
}

TEST(RasComponent, SelectConnectionAdoptsAConnectionAndReadsItsStatus)
{
    RasRig rig;
    TRAS& ras = *rig.ras;
    ras.SelectConnection(0);
    EXPECT_EQ(ras.LastError(), 6) << "no connection known";
    EXPECT_EQ(ras.RASConn, 0u);

    rig.Connect("Work", 0x100).Number = "555";
    rig.Connect("Home", 0x200).DeviceName = "ISDN Card";
    ras.EnumConnections();
    ras.SelectConnection(1);
    EXPECT_EQ(ras.RASConn, 0x200u);
    EXPECT_EQ(ras.DeviceName, "ISDN Card");
    EXPECT_EQ(ras.ConnectState, 0x2000);
    EXPECT_EQ(ras.LastError(), 0);

    // A connection already held stays the one watched.
    ras.SelectConnection(0);
    EXPECT_EQ(ras.RASConn, 0x200u);

    ras.ReleaseConnection();
    ras.SelectConnection(7);
    EXPECT_EQ(ras.LastError(), 6) << "an index past the list";
    ras.SelectConnection(0);
    EXPECT_EQ(ras.RASConn, 0x100u);
    EXPECT_EQ(ras.DialedNumber(), "555");
}

TEST(RasComponent, ConnectStatusAndItsTexts)
{
    RasRig rig;
    TRAS& ras = *rig.ras;
    ras.StatusStr = "kept";
    EXPECT_EQ(ras.GetConnectStatus(), 601);
    EXPECT_EQ(ras.LastError(), 0) << "without a connection LastError stays";
    EXPECT_EQ(ras.StatusStr, "kept");

    auto& c = rig.Connect("Work");
    ras.RASConn = c.Handle;
    struct Case {
        uint32_t State, Error;
        bool Gone;
        const char* Text;
        int32_t LastError;
    };
    const Case cases[] = {
        {3, 0, false, "Connected/Answered (modem)", 0},
        {0x2000, 0, false, "Connected/Online", 0},
        {3, 678, false, "There is no answer.", 678},
        {3, 5, false, "Connected/Answered (modem)", 0}, // an error of 600 or less is not taken over
        {0, 0, true, "Disconnected", 6},
    };
    for (const Case& k : cases) {
        rig.api.Connections[0].State = k.State;
        rig.api.Connections[0].Error = k.Error;
        rig.api.Connections[0].Handle = k.Gone ? 0x9999 : c.Handle;
        ras.DeviceType = "modem";
        EXPECT_EQ(ras.GetStatusText(), k.Text) << k.State << "/" << k.Error;
        EXPECT_EQ(ras.StatusStr, k.Text);
        EXPECT_EQ(ras.LastError(), k.LastError) << k.State << "/" << k.Error;
    }
}

TEST(RasComponent, IpAddressesOfTheConnection)
{
    RasRig rig;
    TRAS& ras = *rig.ras;
    EXPECT_EQ(ras.GetIPAddresses(), 0);
    auto& c = rig.Connect("Work");
    c.ClientIP = "192.0.2.7";
    c.ServerIP = "192.0.2.1";
    ras.RASConn = c.Handle;
    EXPECT_EQ(ras.GetIPAddresses(), 0);
    EXPECT_EQ(ras.ClientIP(), "192.0.2.7");
    EXPECT_EQ(ras.ServerIP(), "192.0.2.1");

    rig.api.ProjectionResult = 731;
    rig.api.RasTexts[731] = "The protocol is not configured.";
    EXPECT_EQ(ras.GetIPAddresses(), 731);
    EXPECT_EQ(ras.ClientIP(), "");
    EXPECT_EQ(ras.StatusStr, "The protocol is not configured.");
}

TEST(RasComponent, ErrorStringsComeFromRasThenFromTheSystem)
{
    RasRig rig;
    EXPECT_EQ(rig.ras->GetErrorString(676), "The line is busy.");
    EXPECT_EQ(rig.ras->GetErrorString(6), "The handle is invalid.");
    EXPECT_EQ(rig.ras->GetErrorString(4242), "");
}

} // namespace
