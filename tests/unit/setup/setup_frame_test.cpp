#include "resource_ids.h"
#include "setup_fixture.h"

namespace {

using Log = std::vector<std::string>;

// A box set by code runs its click handler only when its state changes.
TEST(SetupViewTest, SetCheckRunsTheClickOnlyOnAChange)
{
    struct Clicks : setup::ControlEvents {
        std::vector<int> Ids;
        void Clicked(int id) override { Ids.push_back(id); }
        void Changed(int) override {}
    } clicks;
    setupfake::View view;
    view.Attach(&clicks);
    for (bool state : {true, true, false, false, true})
        view.SetCheck(7, state);
    EXPECT_EQ(clicks.Ids, (std::vector<int>{7, 7, 7}));
}

TEST_F(SetupTest, CreationKeepsTheStoredPageWithinTheTree)
{
    const int32_t cases[][2] = {{-3, 0}, {7, 7}, {18, 18}, {19, 18}, {INT32_MAX, 18}}; // stored, shown
    for (const auto& c : cases) {
        g.SetupActivePage = c[0];
        model.FormCreate();
        EXPECT_EQ(model.ActivePage(), c[1]);
        EXPECT_EQ(g.SetupActivePage, c[1]);
        EXPECT_EQ(services.Log.back(), "Node " + std::to_string(c[1])); // before the tree picks its first
    }
}

// The RAS page is empty on Windows 95/98/ME, the keyboard page on NT and
// 2000; the tree's help and the "Settings" button follow the page, and the
// controls show the settings as they are at the switch.
TEST_F(SetupTest, PageSwitchingEmptiesThePageTheSystemLacks)
{
    struct Case {
        int32_t os;
        int node;
        const char* shown;
    } cases[] = {{OsWin9x, setup::RasPage, "EmptyPage 14"},     {OsWin9x, setup::KeyboardPage, "ShowPage 15"},
                 {OsNT4, setup::RasPage, "ShowPage 14"},        {OsWin2000, setup::KeyboardPage, "EmptyPage 15"},
                 {OsNT4, setup::ThroughputPage, "ShowPage 6"}};
    for (const Case& c : cases) {
        g.OsKind = c.os;
        g.LogRI = c.node % 2;
        services.Log.clear();
        model.TreeViewSetupChange(c.node);
        EXPECT_EQ(view.C[IDC_CHECKBOXLOGRI].Checked, g.LogRI == 1);
        model.Clicked(IDC_PAGE_SETTINGS);
        const std::string topic = std::to_string(setup::Pages()[static_cast<size_t>(c.node)].HelpTopic);
        EXPECT_EQ(services.Log, (Log{c.shown, "HelpContext " + topic, "Help " + topic}));
        EXPECT_EQ(g.SetupActivePage, c.node);
    }
}

// Loading shows the stored page, or the page the main window asked for,
// with its tree node selected; the request is used up.
TEST_F(SetupTest, LoadingShowsTheActivePageOrTheRequestedOne)
{
    struct Case {
        int32_t os, ras, throughput;
        int page;
    } cases[] = {{OsNT4, 0, 0, 9},
                 {OsNT4, 1, 0, setup::RasPage},
                 {OsWin2000, 1, 1, setup::ThroughputPage},
                 {OsWin9x, 1, 0, 9},
                 {OsWin9x, 0, 1, setup::ThroughputPage}};
    for (const Case& c : cases) {
        g.OsKind = c.os;
        g.SetupActivePage = 9;
        model.FormCreate();
        g.RasPageRequest = c.ras;
        g.ThroughputPageRequest = c.throughput;
        services.Log.clear();
        model.ChangeForm();
        EXPECT_EQ(model.ActivePage(), c.page);
        EXPECT_EQ(g.SetupActivePage, c.page);
        EXPECT_EQ(services.Log.back(), "Node " + std::to_string(c.page));
        EXPECT_EQ(g.RasPageRequest + g.ThroughputPageRequest, 0);
    }
}

} // namespace
