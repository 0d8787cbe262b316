// The "RAS Phonebook && Dialer" page over the RAS component on its fakes:
// the page fill, renaming and deleting entries, and Dial NOW! with its
// wait, its outcomes and Hang-up NOW! while it waits.
#include <optional>
#include <utility>

#include "resource_ids.h"
#include "setup/ras_page.h"
#include "setup_fixture.h"

namespace {

class RasPageTest : public SetupTest {
protected:
    RasPageTest()
    {
        g.OsKind = OsNT4;
        g.SetupDialogOpen = 1;
        g.TimerInterval = 10; // a tick every 100 ms
        auto work = fakes::EntryNamed("Work");
        work.UserName = "jo";
        work.Password = "secret";
        work.LocalNumber = "123456";
        work.DeviceField = std::string("Standard Modem\0COM2", 19);
        rasRig.api.Entries = {work, fakes::EntryNamed("Home")};
        rasRig.api.Devices = {{"modem", "Standard Modem"}, {"isdn", "ISDN Card"}};
        rasRig.ras->OnStateChanged = [this](devices::TRAS&) { model.StateChanged(); };
    }

    std::string Status(int id) { return view.C[id].Text; }
    // The service calls of one kind, in order.
    std::vector<std::string> Calls(const std::string& kind)
    {
        std::vector<std::string> out;
        for (const std::string& call : services.Log)
            if (call.starts_with(kind))
                out.push_back(call);
        return out;
    }
};

TEST_F(RasPageTest, FillListsEntriesAndDevicesAndShowsTheFirstEntry)
{
    for (int32_t os : {OsWin9x, OsNT4, OsWin2000}) {
        g.OsKind = os;
        view.C.clear();
        services.Log.clear();
        model.ChangeForm();
        if (os == OsWin9x) {
            EXPECT_TRUE(view.C[IDC_CONNLIST].Items.empty());
            EXPECT_TRUE(rasRig.api.Loads.empty()) << "RAS is not looked for on Windows 95/98/ME";
            continue;
        }
        EXPECT_EQ(view.C[IDC_CONNLIST].Items, (std::vector<std::string>{"Work", "Home"}));
        EXPECT_EQ(view.C[IDC_CONNLIST].Selection, 0);
        EXPECT_EQ(view.C[IDC_DEVICELIST].Items,
                  (std::vector<std::string>{"Standard Modem (modem)", "ISDN Card (isdn)"}));
        EXPECT_EQ(view.C[IDC_CONNUSER].Text, "jo");
        EXPECT_EQ(view.C[IDC_CONNPW].Text, "secret");
        EXPECT_EQ(view.C[IDC_DEVICENAME].Text, "Standard Modem");
        EXPECT_EQ(view.C[IDC_CONNPHONE].Text, "123456");
        // Windows 2000 has no port apart from the device.
        const bool portRow = os != OsWin2000;
        EXPECT_EQ(view.C[IDC_DEVICEPORT].Shown && view.C[IDC_LBDEVICEPORT].Shown, portRow) << os;
        EXPECT_EQ(view.C[IDC_DEVICEPORT].Text, portRow ? "COM2" : "") << os;
        EXPECT_EQ(Status(IDC_STATUSBAR2), "DUN: Offline");
        EXPECT_EQ(Calls("PollTimer"), std::vector<std::string>{"PollTimer 100"});
    }
}

// The box asks until RAS accepts the name; a refused name (the old one
// included: it exists) is reported with a beep. Cancel renames nothing.
TEST_F(RasPageTest, RenameAsksAgainUntilANameIsAcceptedOrCancelled)
{
    const std::string exists = "Cannot create a file when that file already exists.";
    struct Case {
        const char* Name;
        std::vector<std::optional<std::string>> Answers;
        int Boxes, Beeps;
        const char* Renamed; // nullptr: nothing renamed
        std::string Status;
    } cases[] = {
        {"accepted at once", {"Office"}, 1, 0, "Office", ""},
        {"old name, bad name, then accepted", {"Work", "Bad/Name", "Office"}, 3, 2, "Office", ""},
        {"cancelled at once", {std::nullopt}, 1, 0, nullptr, ""},
        {"old name, then cancelled", {"Work", std::nullopt}, 2, 1, nullptr, exists},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        rasRig.api.Entries[0].Name = "Work";
        rasRig.api.Calls.clear();
        model.ChangeForm();
        services.Log.clear();
        services.Answers = c.Answers;
        model.Clicked(IDC_BITBTNRENAMECONN);

        const std::vector<std::string> asked(static_cast<size_t>(c.Boxes),
                                             "Input Rename Connection/New Connection Name/Work");
        EXPECT_EQ(Calls("Input"), asked) << "each box starts from the old name";
        EXPECT_EQ(Calls("Beep").size(), static_cast<size_t>(c.Beeps));
        EXPECT_EQ(Status(IDC_STATUSBAR2), c.Status);
        const std::string renamed = c.Renamed ? c.Renamed : "Work";
        EXPECT_EQ(view.C[IDC_CONNLIST].Items, (std::vector<std::string>{renamed, "Home"}));
        EXPECT_EQ(rasRig.api.Entries[0].Name, renamed);
    }
}

TEST_F(RasPageTest, DeleteAsksNothingAndRefillsTheList)
{
    model.ChangeForm();
    view.C[IDC_CONNLIST].Selection = 1;
    model.Changed(IDC_CONNLIST);
    model.Clicked(IDC_BITBTNDELETECONN);
    EXPECT_TRUE(boxes.Shown.empty());
    EXPECT_EQ(rasRig.api.Calls, std::vector<std::string>{"Delete Home"});
    EXPECT_EQ(view.C[IDC_CONNLIST].Items, std::vector<std::string>{"Work"});
    EXPECT_EQ(view.C[IDC_CONNLIST].Selection, 0);
    EXPECT_EQ(view.C[IDC_CONNUSER].Text, "jo");

    // An entry RAS will not delete keeps the list and shows why.
    rasRig.api.Entries.clear();
    model.Clicked(IDC_BITBTNDELETECONN);
    EXPECT_EQ(view.C[IDC_CONNLIST].Items, std::vector<std::string>{"Work"});
    EXPECT_EQ(Status(IDC_STATUSBAR2), "The system could not find the phone book entry for this connection.");
}

// A connection already there, also one dialled by another program, blocks
// a second dial.
TEST_F(RasPageTest, DialNowDoesNothingWhileAConnectionIsActive)
{
    model.ChangeForm();
    services.Log.clear();
    view.C[IDC_STATUSBAR2].Text = "DUN: Work - Connected/Online";
    g.ActiveConnectionName = "Elsewhere";
    model.Clicked(IDC_BITBTNDIALNOW);
    EXPECT_TRUE(rasRig.api.Dials.empty());
    EXPECT_TRUE(services.Log.empty());
    EXPECT_EQ(Status(IDC_STATUSBAR2), "DUN: Work - Connected/Online");
    EXPECT_EQ(g.ActiveConnectionName, "Elsewhere");
}

// The wait takes the progress as it comes: connected opens the connection,
// any other end (a paused state such as 0x1000, an error) or Hang-up NOW!
// hangs up. A click on the list while it waits leaves the poll timer off.
TEST_F(RasPageTest, DialWaitsForTheOutcome)
{
    constexpr int HangUp = -1;
    struct Case {
        const char* Name;
        std::vector<std::pair<int, uint32_t>> Progress; // state (or HangUp) and error, one per wait
        uint32_t DialResult;
        int32_t CloseAfterOK;
        const char* Outcome;
        const char* Active;
        const char* Progressed; // StatusBar2 at the end
        bool Closed;
    } cases[] = {
        {"connected", {{0, 0}, {2, 0}, {14, 0}, {0x2000, 0}}, 0, 0, "Connection Opened OK", "Work",
         "DUN: Work - Connected/Online", false},
        {"connected, the dialog closes", {{0, 0}, {0x2000, 0}}, 0, 1, "Connection Opened OK", "Work",
         "DUN: Work - Connected/Online", true},
        {"interactive state", {{0, 0}, {0x1000, 0}}, 0, 1, "Connection Terminated", "", "DUN: Offline", false},
        {"no answer", {{0, 0}, {3, 678}}, 0, 0, "Connection Terminated", "", "DUN: Offline", false},
        {"hang-up while dialling", {{0, 0}, {2, 0}, {HangUp, 0}}, 0, 0, "Connection Terminated", "", "DUN: Offline",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        g.ActiveConnectionName.clear();
        g.CloseAfterOK = c.CloseAfterOK;
        rasRig.api.Connections.clear();
        rasRig.api.HangUps.clear();
        model.ChangeForm();
        services.Log.clear();
        services.Waits = 0;
        size_t next = 0;
        services.WhileWaiting = [&] {
            ASSERT_LT(next, c.Progress.size()) << "the wait went on after its end";
            EXPECT_EQ(g.ActiveConnectionName, "Work");
            model.Changed(IDC_CONNLIST);
            const auto [state, error] = c.Progress[next++];
            if (state == HangUp) {
                model.Clicked(IDC_BITBTNHANGUP);
                return;
            }
            if (state == 0x2000)
                rasRig.Connect("Work", rasRig.api.DialHandle);
            rasRig.Notify(static_cast<uint32_t>(state), error);
        };
        model.Clicked(IDC_BITBTNDIALNOW);

        EXPECT_EQ(services.Waits, static_cast<int>(c.Progress.size()));
        EXPECT_EQ(Status(IDC_STATUSBAR1), c.Outcome);
        EXPECT_EQ(Status(IDC_STATUSBAR2), c.Progressed);
        EXPECT_EQ(g.ActiveConnectionName, c.Active);
        EXPECT_EQ(Calls("PollTimer"), (std::vector<std::string>{"PollTimer 0", "PollTimer 100"}));
        const bool connected = std::string(c.Outcome) == "Connection Opened OK";
        EXPECT_EQ(Calls("Beep").size(), connected ? 0u : 1u);
        EXPECT_EQ(Calls("Close").size(), c.Closed ? 1u : 0u);
        EXPECT_EQ(rasRig.ras->RASConn != 0, connected);
        EXPECT_EQ(rasRig.api.HangUps.size(), connected ? 0u : 1u) << "the dial's handle is hung up once";

        services.WhileWaiting = nullptr;
        model.Clicked(IDC_BITBTNHANGUP);
        EXPECT_EQ(g.ActiveConnectionName, "");
        EXPECT_EQ(Status(IDC_STATUSBAR2), "DUN: Offline");
        EXPECT_TRUE(rasRig.api.Connections.empty());
    }
}

TEST_F(RasPageTest, ADialRasRefusesEndsAtOnce)
{
    model.ChangeForm();
    services.Log.clear();
    rasRig.api.DialResult = 676;
    model.Clicked(IDC_BITBTNDIALNOW);
    EXPECT_EQ(services.Waits, 0);
    EXPECT_EQ(Status(IDC_STATUSBAR2), "Connection Failed - The line is busy.");
    EXPECT_EQ(g.ActiveConnectionName, "");
    EXPECT_EQ(services.Log, (std::vector<std::string>{"PollTimer 0", "PollTimer 100", "Beep"}));
}

} // namespace
