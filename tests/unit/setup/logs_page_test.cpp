#include "resource_ids.h"
#include "setup/logs_page.h"
#include "setup_fixture.h"

namespace {

// "Show Log" starts the editor named, or else the program associated with
// win.ini, in short form with the log's short path; without an editor the
// user is told and nothing starts.
TEST_F(SetupTest, ShowLogStartsTheEditorOnTheLogsShortPath)
{
    struct Case {
        const char *editor, *association;
        int button;
        const char* command; // nullptr: none
    } cases[] = {
        {"C:\\ED\\ED.EXE", "", IDC_SHOWLOGRI, "short:C:\\ED\\ED.EXE C:\\PROGRA~1\\BLINKERY\\BLINKERY.RI"},
        {"\"C:\\ED\\ED.EXE\"", "", IDC_SHOWLOGRI, "short:C:\\ED\\ED.EXE C:\\PROGRA~1\\BLINKERY\\BLINKERY.RI"},
        {"", "C:\\WINDOWS\\NOTEPAD.EXE", IDC_SHOWLOGCD, "short:C:\\WINDOWS\\NOTEPAD.EXE C:\\PROGRA~1\\BLINKERY\\BLINKERY.DCD"},
        {"C:\\GONE.EXE", "C:\\WINDOWS\\NOTEPAD.EXE", IDC_SHOWLOGRI, nullptr},
        {"", "", IDC_SHOWLOGCD, nullptr}};
    files.Files = {{"C:\\ED\\ED.EXE", {}}};
    for (const Case& c : cases) {
        g.EditorName = c.editor;
        files.Association = c.association;
        launcher.Runs.clear();
        boxes.Shown.clear();
        model.Clicked(c.button);
        ASSERT_EQ(launcher.Runs.size(), c.command ? 1u : 0u) << c.editor;
        if (c.command) {
            EXPECT_EQ(launcher.Runs[0].Command, c.command);
            EXPECT_EQ(launcher.Runs[0].Show, platform::ShowState::Normal);
        } else {
            ASSERT_EQ(boxes.Shown.size(), 1u);
            EXPECT_EQ(boxes.Shown[0].Text, setup::EditorMissingText);
        }
        EXPECT_EQ(g.ModalActive, 0);
    }
}

// "Delete Log": a missing log is reported; otherwise only OK deletes, and a
// deletion the system refuses is reported too.
TEST_F(SetupTest, DeleteLogAsksFirstAndReportsFailures)
{
    const std::string ri = "C:\\Program Files\\Blinkery\\Blinkery.RI", dcd = "C:\\Program Files\\Blinkery\\Blinkery.DCD";
    using B = platform::MbButtons;
    struct Case {
        int button;
        bool exists;
        platform::MbResult answer;
        bool refused;
        std::vector<B> boxes;
        bool removed;
    } cases[] = {{IDC_DELETELOGRI, false, platform::MbResult::Ok, false, {B::Ok}, false},
                 {IDC_DELETELOGCD, true, platform::MbResult::Cancel, false, {B::OkCancel}, false},
                 {IDC_DELETELOGCD, true, platform::MbResult::Ok, false, {B::OkCancel}, true},
                 {IDC_DELETELOGRI, true, platform::MbResult::Ok, true, {B::OkCancel, B::Ok}, false}};
    for (const Case& c : cases) {
        const std::string& path = c.button == IDC_DELETELOGRI ? ri : dcd;
        files.Files.clear();
        if (c.exists)
            files.Files[path] = {};
        files.RemoveFails = c.refused;
        boxes.Answer = c.answer;
        boxes.Shown.clear();
        model.Clicked(c.button);
        std::vector<B> shown;
        for (const auto& box : boxes.Shown) {
            shown.push_back(box.Buttons);
            EXPECT_TRUE(box.Text.ends_with(c.button == IDC_DELETELOGRI ? "RI Log file?" : "Connect Log file?") ||
                        box.Text.ends_with(c.button == IDC_DELETELOGRI ? "BLINKERY.RI" : "BLINKERY.DCD"))
                << box.Text;
        }
        EXPECT_EQ(shown, c.boxes);
        EXPECT_EQ(files.Files.count(path) == 0, c.removed || !c.exists);
    }
}

// A program path with a blank is taken quoted, so that its launch runs it
// whole; the browser opens on it unquoted.
TEST_F(SetupTest, EditorNameFollowsTheEditAndTheBrowser)
{
    view.C[IDC_EDITORNAME].Text = "X.EXE";
    model.Changed(IDC_EDITORNAME);
    for (bool chosen : {false, true}) {
        services.Browsed = chosen;
        view.C[IDC_EDITORNAME].Text.clear();
        model.Clicked(IDC_BROWSEEDITORNAME);
        EXPECT_EQ(g.EditorName, chosen ? services.BrowseFile_ : "X.EXE");
        EXPECT_EQ(view.C[IDC_EDITORNAME].Text, g.EditorName);
    }
    EXPECT_TRUE(services.Filter.ends_with("|*.* X.EXE")); // opened on the editor named
    services.BrowseFile_ = "C:\\Program Files\\Pad.exe";
    model.Clicked(IDC_BROWSEEDITORNAME);
    model.Clicked(IDC_BROWSEEDITORNAME);
    EXPECT_EQ(g.EditorName, "\"C:\\Program Files\\Pad.exe\"");
    EXPECT_TRUE(services.Filter.ends_with("|*.* C:\\Program Files\\Pad.exe"));
}

} // namespace
