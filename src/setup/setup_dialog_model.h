// The settings dialog's logic: the page tree and page switching, loading
// every control from the settings, and the pages' handlers, reached through
// one dispatcher keyed by control ids.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "display/bitmap.h"
#include "setup/setup_services.h"

namespace setup {

inline constexpr int PageCount = 19;

struct PageInfo {
    std::string_view Node;    // the tree node's text
    std::string_view Caption; // the page's caption ("&&" shows one "&"); empty for none
    int HelpTopic;
};

// The pages in tree order; node index = page index.
const std::array<PageInfo, PageCount>& Pages();

inline constexpr int StartHerePage = 0;
inline constexpr int ThroughputPage = 6;
inline constexpr int RasPage = 14;
inline constexpr int KeyboardPage = 15;
inline constexpr int AboutPage = 18;

class SetupDialogModel final : public ControlEvents {
public:
    explicit SetupDialogModel(SetupContext& ctx);
    ~SetupDialogModel() override;

    // The dialog's creation: the active page becomes "SetupActivePage".
    void FormCreate();
    // The dialog is shown: every control from the settings, the tree's
    // node, the page requests (NT/2000).
    void ChangeForm();
    // The user chose a node of the tree: the page shows, and the controls
    // are filled anew.
    void TreeViewSetupChange(int node);
    // The main window asks for a page (the about page, the RAS dialer);
    // the controls are filled anew when the dialog shows.
    void ShowPageOf(int page);
    int ActivePage() const { return activePage_; }

    // The bottom buttons and each page's "Settings" button.
    void IntroClick();
    void IndexClick();
    void SettingsClick();

    // The colour a swatch shows; false when id is no swatch.
    bool SwatchColour(int id, uint32_t& colour) const;
    // The about animation: the picture to draw now (the box's paint
    // advances to the next one); each tick of its timer repaints the box.
    const display::Bitmap& PaintBoxAboutPaint();
    void TimerAboutTimer();
    // The about page's version label.
    std::string VersionText();

    // The connections page: the RAS component's state shown, Hang-up NOW!
    // (also shut-down's hang-up), and whether a dial waits for its outcome.
    void StateChanged();
    void HangUp();
    bool DialWaiting() const;
    // The information page anew (the display's paint, the loading).
    void Information();
    // The scheduled hang-up ran: its "Activate!" box is cleared.
    void ScheduledDisconnectDone();

    // ControlEvents
    void Clicked(int id) override;
    void Changed(int id) override;

private:
    // The page and its tree node, without filling the controls.
    void SwitchPage(int node);
    void SelectPage(int page);
    // Every control of every page from the settings.
    void FillPages();

    struct Pages;
    SetupContext& ctx_;
    int activePage_ = 0;
    std::unique_ptr<Pages> pages_;
};

} // namespace setup
