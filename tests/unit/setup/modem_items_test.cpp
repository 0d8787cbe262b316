#include "resource_ids.h"
#include "setup/logs_page.h"
#include "setup/misc_page.h"
#include "setup_fixture.h"

namespace {

// The modem log list: the Windows folder's "Modem*.txt" files on Windows
// NT/2000, the modem classes' non-empty log paths on Windows 95/98/ME.
TEST_F(SetupTest, ModemLogListComesFromTheSystemsOwnPlace)
{
    files.Matches["C:\\WINDOWS\\Modem*.txt"] = {"ModemLog_Standard Modem.txt"};
    fakes::Registry& reg = services.Running.Reg;
    reg.Set("HKLM\\System\\CurrentControlSet\\Services\\Class\\Modem\\0000", "LoggingPath", "C:\\WINDOWS\\MODEMLOG.TXT");
    reg.Set("HKLM\\System\\CurrentControlSet\\Services\\Class\\Modem\\0001", "LoggingPath", "");
    reg.Set("HKLM\\System\\CurrentControlSet\\Services\\Class\\Modem\\0009", "LoggingPath", "D:\\LOGS\\MODEM9.TXT");
    struct Case {
        int32_t os;
        const char* name;
        std::vector<std::string> items;
    } cases[] = {
        {OsNT4, "ModemLog_Standard Modem.txt", {"ModemLog_Standard Modem.txt"}},
        {OsWin9x, "", {"C:\\WINDOWS\\MODEMLOG.TXT", "D:\\LOGS\\MODEM9.TXT"}},
    };
    for (const Case& c : cases) {
        g.OsKind = c.os;
        g.ModemLogName = c.name;
        model.ChangeForm();
        EXPECT_EQ(view.C[IDC_CBMODEMLOGNAME].Items, c.items);
        EXPECT_EQ(view.C[IDC_CBMODEMLOGNAME].Text, c.name);
        EXPECT_EQ(view.C[IDC_BITBTNMODEMLOG].Enabled, *c.name != '\0');
    }
    view.C[IDC_CBMODEMLOGNAME].Text = "D:\\LOGS\\MODEM9.TXT";
    model.Changed(IDC_CBMODEMLOGNAME);
    EXPECT_EQ(g.ModemLogName, "D:\\LOGS\\MODEM9.TXT");
    EXPECT_TRUE(view.C[IDC_BITBTNMODEMLOG].Enabled);
}

// "Show modem log": a name with a drive is the path itself, any other lies
// in the Windows folder; a log that does not exist is reported and no
// editor starts.
TEST_F(SetupTest, ShowModemLogOpensTheLogInTheEditor)
{
    struct Case {
        const char *name, *command; // nullptr: "Can not find log file"
    } cases[] = {
        {"C:\\MODEM.TXT", "short:C:\\ED.EXE short:C:\\MODEM.TXT"},
        {"MODEM.TXT", "short:C:\\ED.EXE short:C:\\WINDOWS\\MODEM.TXT"},
        {"C:MODEM.TXT", "short:C:\\ED.EXE short:C:MODEM.TXT"},
        {"GONE.TXT", nullptr},
        {"", nullptr},
    };
    for (const char* path : {"C:\\ED.EXE", "C:\\MODEM.TXT", "C:\\WINDOWS\\MODEM.TXT", "C:MODEM.TXT", "C:\\WINDOWS\\"})
        files.Files[path] = {};
    g.EditorName = "C:\\ED.EXE";
    for (const Case& c : cases) {
        g.ModemLogName = c.name;
        launcher.Runs.clear();
        boxes.Shown.clear();
        model.Clicked(IDC_BITBTNMODEMLOG);
        if (c.command) {
            ASSERT_EQ(launcher.Runs.size(), 1u) << c.name;
            EXPECT_EQ(launcher.Runs[0].Command, c.command);
            EXPECT_EQ(launcher.Runs[0].Show, platform::ShowState::Normal);
        } else {
            EXPECT_TRUE(launcher.Runs.empty()) << c.name;
            ASSERT_EQ(boxes.Shown.size(), 1u);
            EXPECT_EQ(boxes.Shown[0].Text, setup::ModemLogMissingText);
        }
    }
    // Without an editor the editor's error is the only box.
    g.EditorName = "C:\\GONE.EXE";
    g.ModemLogName = "C:\\MODEM.TXT";
    boxes.Shown.clear();
    launcher.Runs.clear();
    model.Clicked(IDC_BITBTNMODEMLOG);
    EXPECT_TRUE(launcher.Runs.empty());
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Text, setup::EditorMissingText);
}

// The modem buttons reach the system and the main window; "Send NOW!"
// sends whatever "InitModem" says, but never an empty string.
TEST_F(SetupTest, ModemButtonsReachTheMonitor)
{
    auto& log = services.Running.Log;
    g.ModemInitString = "AT&F";
    g.InitModem = 1;
    model.ChangeForm();
    EXPECT_TRUE(view.C[IDC_CBMODEMINIT].Checked);
    EXPECT_EQ(view.C[IDC_EDITMODEMINITSTRING].Text, "AT&F");
    Tick(IDC_CBMODEMINIT, false);
    EXPECT_EQ(g.InitModem, 0);
    model.Clicked(IDC_BUTTONSENDNOW);
    view.C[IDC_EDITMODEMINITSTRING].Text = "";
    model.Changed(IDC_EDITMODEMINITSTRING);
    model.Clicked(IDC_BUTTONSENDNOW);
    model.Clicked(IDC_BITBTNHANGUPNOW);
    EXPECT_EQ(log, (std::vector<std::string>{"Init", "HangUp"}));
    model.Clicked(IDC_BUTTONMODEMSETUP);
    ASSERT_EQ(launcher.Runs.size(), 1u);
    EXPECT_EQ(launcher.Runs[0].Command, "control.exe modem.cpl");
    EXPECT_EQ(launcher.Runs[0].Show, platform::ShowState::Normal);
}

} // namespace
