#include "setup/setup_dialog_model.h"

#include <functional>

#include "resource_ids.h"
#include "setup/about_page.h"
#include "setup/detection_page.h"
#include "setup/display_pages.h"
#include "setup/information_page.h"
#include "setup/keyboard_page.h"
#include "setup/logs_page.h"
#include "setup/misc_page.h"
#include "setup/sounds_page.h"
#include "setup/inactivity_pages.h"
#include "setup/launch_page.h"
#include "setup/reset_page.h"
#include "setup/ras_page.h"
#include "setup/startup_page.h"
#include "setup/window_page.h"

namespace setup {

namespace {

constexpr int IntroHelpTopic = 20;
constexpr int IndexHelpTopic = 10;

constexpr std::array<PageInfo, PageCount> PageTable = {{
    {"Start here!", "", 45},
    {"Port Detection", "Port Detection", 50},
    {"Startup & Exit", "Startup && Exit", 60},
    {"Window & SysTray", "Window && SysTray", 70},
    {"Display", "Display", 80},
    {"Titlebar Display", "Titlebar Display", 90},
    {"Throughput Display", "Throughput Display", 100},
    {"Layout & Colors", "Layout && Colors", 110},
    {"Sounds", "Sounds", 120},
    {"Loggings", "Loggings", 130},
    {"Inactivity", "Inactivity", 140},
    {"Auto Disconnect", "Auto Disconnect", 150},
    {"Auto Launch", "Auto Launch", 160},
    {"Connect Time Reset", " Connect Time Reset", 170},
    {"RAS Dialer (NT only)", "RAS Phonebook && Dialer", 180},
    {"Keyboard Lights (9* only)", "Keyboard Lights", 190},
    {"Information", "Information", 200},
    {"Miscellaneous", "Miscellaneous", 210},
    {"About", "", 220},
}};

} // namespace

const std::array<PageInfo, PageCount>& Pages() { return PageTable; }

// The page models; the pages without controls of their own have none.
// reload loads every control anew (the detection page's port switch).
struct SetupDialogModel::Pages {
    Pages(SetupContext& ctx, const std::function<void()>& reload)
        : Detection(ctx, reload), Display(ctx), Titlebar(ctx), Throughput(ctx), Layout(ctx), Sounds(ctx), Logs(ctx), Ras(ctx),
          Keyboard(ctx), Information(ctx), Misc(ctx), About(ctx), Inactivity(ctx), Disconnect(ctx, reload),
          Launch(ctx), Reset(ctx, reload), Startup(ctx), Window(ctx)
    {
    }
    DetectionPageModel Detection;
    DisplayPageModel Display;
    TitlebarPageModel Titlebar;
    ThroughputPageModel Throughput;
    LayoutPageModel Layout;
    SoundsPageModel Sounds;
    LogsPageModel Logs;
    RasPageModel Ras;
    KeyboardPageModel Keyboard;
    InformationPageModel Information;
    MiscPageModel Misc;
    AboutPageModel About;
    InactivityPageModel Inactivity;
    DisconnectPageModel Disconnect;
    LaunchPageModel Launch;
    ResetPageModel Reset;
    StartupPageModel Startup;
    WindowPageModel Window;
    // The window page after the detection page, which enables its modem icon boxes.
    const std::array<PageModel*, 18> All{&Detection, &Display, &Titlebar,    &Throughput, &Layout, &Sounds,
                                         &Logs,      &Ras,      &Keyboard,    &Information, &Misc,  &About,
                                         &Inactivity, &Disconnect, &Launch, &Reset, &Startup, &Window};
};

SetupDialogModel::SetupDialogModel(SetupContext& ctx)
    : ctx_(ctx), pages_(std::make_unique<Pages>(ctx, [this] { ChangeForm(); }))
{
    ctx_.View.Attach(this);
}

SetupDialogModel::~SetupDialogModel() { ctx_.View.Attach(nullptr); }

void SetupDialogModel::FormCreate()
{
    // A hand-edited settings file must not pick a page past the tree.
    const int32_t stored = ctx_.G.SetupActivePage;
    activePage_ = stored < 0 ? 0 : stored >= PageCount ? PageCount - 1 : stored;
    ctx_.G.SetupActivePage = activePage_;
    // Selected at once: a tree with no selection selects its first node
    // itself when it gets the focus, which would choose "Start here!".
    ctx_.Services.SelectTreeNode(activePage_);
}

void SetupDialogModel::ChangeForm()
{
    TGVar& g = ctx_.G;
    SelectPage(activePage_);
    FillPages();

    if (g.RasPageRequest) {
        g.RasPageRequest = 0;
        if (g.OsKind != OsWin9x)
            SelectPage(RasPage);
    }
    // The throughput window asks for its page on every system.
    if (g.ThroughputPageRequest) {
        g.ThroughputPageRequest = 0;
        SelectPage(ThroughputPage);
    }
}

void SetupDialogModel::FillPages()
{
    for (PageModel* page : pages_->All)
        page->Fill();
}

// Each page shows the settings as they are now, not as they were when the
// dialog opened: a phone-book entry, the Run key or a setting may have
// changed meanwhile.
void SetupDialogModel::TreeViewSetupChange(int node)
{
    if (node < 0 || node >= PageCount)
        return;
    SwitchPage(node);
    FillPages();
}

void SetupDialogModel::SwitchPage(int node)
{
    activePage_ = node;
    ctx_.G.SetupActivePage = node;
    // The RAS page serves Windows NT and 2000 only, the keyboard lights
    // Windows 95/98/ME only; elsewhere the page shows empty.
    const bool win9x = ctx_.G.OsKind == OsWin9x;
    const bool shown = !(node == RasPage && win9x) && !(node == KeyboardPage && !win9x);
    ctx_.Services.ShowPage(node, shown);
    ctx_.Services.SetHelpContext(PageTable[static_cast<size_t>(node)].HelpTopic);
}

void SetupDialogModel::SelectPage(int page)
{
    SwitchPage(page);
    ctx_.Services.SelectTreeNode(activePage_);
}

void SetupDialogModel::ShowPageOf(int page)
{
    if (page < 0 || page >= PageCount)
        return;
    SelectPage(page);
    if (ctx_.Services.DialogShowing())
        FillPages();
}

void SetupDialogModel::IntroClick() { ctx_.Services.OpenHelp(IntroHelpTopic); }
void SetupDialogModel::IndexClick() { ctx_.Services.OpenHelp(IndexHelpTopic); }
void SetupDialogModel::SettingsClick()
{
    ctx_.Services.OpenHelp(PageTable[static_cast<size_t>(activePage_)].HelpTopic);
}

bool SetupDialogModel::SwatchColour(int id, uint32_t& colour) const { return setup::SwatchColour(ctx_.G, id, colour); }

const display::Bitmap& SetupDialogModel::PaintBoxAboutPaint() { return pages_->About.PaintBoxAboutPaint(); }
void SetupDialogModel::TimerAboutTimer() { pages_->About.TimerAboutTimer(); }
std::string SetupDialogModel::VersionText() { return pages_->About.VersionText(); }

void SetupDialogModel::StateChanged() { pages_->Ras.StateChanged(); }
void SetupDialogModel::HangUp() { pages_->Ras.BitBtnHangUPClick(); }
bool SetupDialogModel::DialWaiting() const { return pages_->Ras.DialWaiting(); }
void SetupDialogModel::Information() { pages_->Information.Information(); }
void SetupDialogModel::ScheduledDisconnectDone() { pages_->Disconnect.ScheduledDisconnectDone(); }

void SetupDialogModel::Clicked(int id)
{
    switch (id) {
    case IDC_INTRO: IntroClick(); return;
    case IDC_INDEX: IndexClick(); return;
    case IDC_PAGE_SETTINGS: SettingsClick(); return;
    default: break;
    }
    for (PageModel* page : pages_->All)
        if (page->Clicked(id))
            return;
}

void SetupDialogModel::Changed(int id)
{
    for (PageModel* page : pages_->All)
        if (page->Changed(id))
            return;
}

} // namespace setup
