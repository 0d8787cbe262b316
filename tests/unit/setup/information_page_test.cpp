// The "Information" page: the rows each system reports, with and without
// a carrier, and the counts shown unsigned.
#include <map>

#include "resource_ids.h"
#include "setup/information_page.h"
#include "setup_fixture.h"

namespace {

class InformationTest : public SetupTest {
protected:
    static constexpr platform::RegistryRoot LocalMachine = platform::RegistryRoot::LocalMachine;
    fakes::Registry& registry = services.Running.Reg;

    InformationTest()
    {
        g.SetupDialogOpen = 1;
        registry.Set(fakes::Registry::Path(LocalMachine, setup::ComputerNameKey), "ComputerName", "DESKTOP");
        registry.Set(fakes::Registry::Path(LocalMachine, setup::RemoteAccessKey), "Version",
                     "4.10.1998 Dial-Up Networking 1.3");
        TConnStatus& info = g.ConnectionState.Info;
        info.BytesIn = 3000000000u; // past 2 GiB
        info.BytesOut = 12345;
        info.ConnectionSpeed = 28800;
        info.RatioIn = 150, info.RatioOut = 120;
        info.AlignmentErrors = 1, info.BufferOverrunErrors = 2, info.CRCErrors = 3;
        info.FramingErrors = 4, info.HardwareOverrun = 5, info.TimeoutErrors = 6;
        info.ServerIP = "10.0.0.1", info.ClientIP = "10.0.0.2", info.DialedNumber = "0891234";
    }

    // The rows shown, as their caption labels' ids, with the value each shows.
    std::map<int, std::string> Shown()
    {
        std::map<int, std::string> rows;
        std::vector<int> captions{IDC_LBCOMPUTERNAME, IDC_LBRASVERSION};
        for (int caption = IDC_LBBYTESIN; caption <= IDC_RASSTATUS; caption += 2)
            captions.push_back(caption);
        for (int caption : captions) {
            const bool inGroup = caption > IDC_GBCONNECTION;
            EXPECT_EQ(view.C[caption].Shown, view.C[caption + 1].Shown) << caption << ": half a row shown";
            if (view.C[caption].Shown && (!inGroup || view.C[IDC_GBCONNECTION].Shown))
                rows[caption] = view.C[caption + 1].Text;
        }
        return rows;
    }
};

TEST_F(InformationTest, RowsEachSystemShowsWithAndWithoutCarrier)
{
    using Rows = std::map<int, std::string>;
    const Rows general{{IDC_LBCOMPUTERNAME, "DESKTOP"}};
    const Rows counters{{IDC_LBBYTESIN, "3000000000"}, {IDC_LBBYTESOUT, "12345"},
                        {IDC_LBCONNECTIONSPEED, "28800 bps"}};
    const Rows errors9x{{IDC_LBALIGNMENTERRORS, "1"}, {IDC_LBBUFFEROVERRUNERRORS, "2"}, {IDC_LBCRCERRORS, "3"},
                        {IDC_LBFRAMINGERRORS, "4"},   {IDC_LBHARDWAREOVERRUN, "5"},     {IDC_LBTIMEOUTERRORS, "6"}};
    const Rows nt{{IDC_LBCOMPRESSIONRATIOIN, "150"}, {IDC_LBCOMPRESSIONRATIOOUT, "120"},
                  {IDC_LBALIGNMENTERRORS, "1"},     {IDC_LBBUFFEROVERRUNERRORS, "2"},
                  {IDC_LBCRCERRORS, "3"},           {IDC_LBTIMEOUTERRORS, "6"},
                  {IDC_LBSERVERIP, "10.0.0.1"},     {IDC_LBCLIENTIP, "10.0.0.2"},
                  {IDC_LBDIALEDNUMBER, "0891234"}};
    const Rows framing{{IDC_LBFRAMINGERRORS, "4"}, {IDC_LBHARDWAREOVERRUN, "5"}};
    const auto join = [](std::initializer_list<Rows> parts) {
        Rows all;
        for (const Rows& part : parts)
            all.insert(part.begin(), part.end());
        return all;
    };
    const Rows version{{IDC_LBRASVERSION, "4.10.1998 Dial-Up Ne"}}; // its first 20 characters
    struct Case {
        const char* Name;
        int32_t Os, DunRegistry;
        bool Carrier;
        Rows Expected;
    } cases[] = {
        {"98, no carrier", OsWin9x, 1, false, join({general, version})},
        {"98, registry method", OsWin9x, 1, true, join({general, version, counters, errors9x})},
        {"98, another method", OsWin9x, 0, true, join({general, version, counters})},
        {"NT 4, no carrier", OsNT4, 1, false, general},
        {"NT 4", OsNT4, 1, true, join({general, counters, nt})},
        {"2000, no carrier", OsWin2000, 1, false, general},
        {"2000", OsWin2000, 1, true, join({general, counters, nt, framing})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        view.C.clear();
        setup::InformationPageModel page(ctx);
        g.OsKind = c.Os;
        g.DUNRegistry = c.DunRegistry;
        g.ModemSignals.CD = c.Carrier;
        page.Information();
        EXPECT_EQ(Shown(), c.Expected);
        EXPECT_EQ(view.C[IDC_GBCONNECTION].Shown, c.Carrier);
    }
}

// A row the page hid stays hidden; the group comes back with the carrier.
TEST_F(InformationTest, HiddenRowsStayHiddenAndTheGroupFollowsTheCarrier)
{
    setup::InformationPageModel page(ctx);
    g.ModemSignals.CD = true;
    g.DUNRegistry = 0;
    page.Information();
    g.DUNRegistry = 1;
    g.ModemSignals.CD = false;
    page.Information();
    EXPECT_FALSE(view.C[IDC_LBBYTESIN].Shown);
    g.ModemSignals.CD = true;
    page.Information();
    EXPECT_TRUE(view.C[IDC_LBBYTESIN].Shown && view.C[IDC_BYTESIN].Shown);
    EXPECT_FALSE(view.C[IDC_LBCRCERRORS].Shown);
    EXPECT_EQ(view.C[IDC_CRCERRORS].Text, "3") << "the value is kept up all the same";

    // A RAS version the registry does not hold hides its row.
    registry.Keys.erase(fakes::Registry::Path(LocalMachine, setup::RemoteAccessKey));
    page.Information();
    EXPECT_FALSE(view.C[IDC_LBRASVERSION].Shown || view.C[IDC_RASVERSION].Shown);
}

// Closed or still hidden, the dialog reads nothing and shows nothing.
TEST_F(InformationTest, NothingWhileTheDialogIsNotShown)
{
    for (auto [open, showing] : {std::pair{0, true}, std::pair{1, false}}) {
        g.SetupDialogOpen = open;
        services.Showing = showing;
        g.ModemSignals.CD = true;
        model.Information();
        EXPECT_EQ(registry.Reads, 0);
        EXPECT_TRUE(view.C[IDC_BYTESIN].Text.empty());
    }
}

} // namespace
