// The settings dialog "Blinkery Settings" as the main window's setup part:
// the frame (the page tree, the page host, the bottom buttons), the 19
// pages as child dialogs from their templates, and the system's choosers.
// What the controls do is the page models' (setup/setup_dialog_model.h).
// Created once after start-up, then only shown modally and hidden.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include <windows.h>
#include <commctrl.h>

#include "settings/settings.h"
#include "monitor/window_parts.h"
#include "setup/setup_dialog_model.h"
#include "win32/dialog_view.h"
#include "win32/dib_blit.h"
#include "platform/file_info.h"
#include "win32/win32_ras.h"
#include "win32/window_base.h"

namespace win32 {

class TGraphDisplay;

class TSetupDlg final : public SetupPart, private DialogBase, private setup::SetupServices {
public:
    // The tray follows the dialog: shown, and about to close.
    std::function<void()> OnShown, OnClosing;

    struct Services {
        platform::MessageBoxes& Boxes;
        platform::ProcessLauncher& Launcher;
        platform::FontFactory& Fonts;
        platform::SystemInfo& System;
        platform::BitmapResources& Bitmaps;
        TGraphDisplay& Graph;
        setup::MonitorHost& Monitor; // the main window's port, timer, hang-up and detection aids
        platform::EventSound& Sound;
        platform::Clock& Clock;
        platform::LocaleInfo& Locale;
        platform::FileQuery& Files;
    };
    TSetupDlg(Win32Ras& ras, const Services& services);
    ~TSetupDlg() override;

    // Creates the dialog and its pages, hidden; true when it exists.
    bool Create(HINSTANCE instance, HWND owner);
    // Shows the dialog modally over owner; true for OK.
    bool ShowModal(HWND owner);
    bool Visible() const { return Handle() && IsWindowVisible(Handle()); }
    HWND Window() const { return Handle(); }
    // The dialog shows a page and selects its node.
    void SelectPage(int page);
    // The about animation's timer, running while the dialog shows.
    void StartAboutTimer();
    void StopAboutTimer();
    // Ends the dialog's loop as its Cancel button does; the settings are
    // the caller's to take back.
    void Cancel() { End(IDCANCEL); }
    // The scheduled hang-up ran: the page's "Activate!" box is cleared.
    void ScheduledDisconnectDone() { model_.ScheduledDisconnectDone(); }

    // SetupPart
    void ConnectRasEvents() override;
    int32_t ActivePage(int32_t stored) override;
    void SetupChangeForm() override;
    void SetupStateChanged() override;
    void RefreshInformationPage() override;
    void SetConnectTimeLabel(const std::string& text) override;
    void RasHangUp() override;
    bool PutOffClose() override;

private:
    // A page: a child dialog whose controls' messages go to the frame.
    class Page final : public DialogBase {
    public:
        explicit Page(TSetupDlg& owner) : owner_(owner) {}
        using DialogBase::CreateModeless;

    private:
        bool OnCommand(WORD id, WORD code, HWND control) override;
        bool OnNotify(const NMHDR& header, LRESULT& result) override;
        bool OnOther(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;
        void OnOk() override { owner_.OnOk(); }
        void OnCancel() override { owner_.OnCancel(); }
        TSetupDlg& owner_;
    };

    // DialogBase
    void OnInit() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool OnOther(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;
    void OnOk() override { End(IDOK); }
    void OnCancel() override { End(IDCANCEL); }
    void End(INT_PTR result);
    void PlaceFrame();
    void FitPage(HWND page);
    void FillTree();
    bool DrawItem(const DRAWITEMSTRUCT& item);
    bool PageCommand(WORD id, WORD code, HWND control);
    void SetUpRasPage();

    // setup::SetupServices: the frame (setup_dialog.cpp)
    void ShowPage(int index, bool contentsShown) override;
    void SelectTreeNode(int index) override;
    void SetHelpContext(int topic) override;
    void OpenHelp(int topic) override;
    int32_t GrowGraphWindow(int32_t dy) override;
    void SetThroughputTimer(uint32_t periodMs) override;
    // the connections and information pages (setup_dialog.cpp)
    devices::TRAS& Ras() override;
    void WaitForMessages() override;
    bool InputQuery(const std::string& caption, const std::string& prompt, std::string& text) override;
    void Beep() override;
    bool DialogShowing() override { return showing_; }
    void CloseDialog() override { End(IDOK); }
    // the choosers (setup_choosers.cpp)
    setup::ChooserResult ChooseColour(uint32_t& colour) override;
    setup::ChooserResult PickFont(setup::FontKind kind, TFont& font,
                                    const std::function<void(const TFont&)>& apply) override;
    bool BrowseFile(const std::string& filter, std::string& file) override;
    // the detection and modem pages (setup_choosers.cpp)
    setup::MonitorHost& Monitor() override { return services_.Monitor; }
    void SelectRegistryEntry(const std::vector<std::string>& names,
                             const std::function<void(const std::string&)>& clicked) override;

    HINSTANCE instance_ = nullptr;
    Win32Ras& ras_;
    Services services_;
    DialogView view_;
    setup::SetupContext context_;
    setup::SetupDialogModel model_;
    std::array<std::unique_ptr<Page>, setup::PageCount> pages_;
    std::array<HTREEITEM, setup::PageCount> nodes_{};
    HWND tree_ = nullptr;
    int shownPage_ = -1;
    bool selecting_ = false;      // the tree's selection set by code
    INT_PTR result_ = 0;          // how the modal run ended; 0 while it runs
    UINT_PTR aboutTimer_ = 0;
    std::array<COLORREF, 16> customColours_{};
    DibBlitter aboutBlitter_;
    OwnedFont pageFont_;          // the pages' font, when they had to be scaled
    bool showing_ = false;        // shown modally, from the loading of its controls on
    bool closePutOff_ = false;    // the main window closes once the dial's handler ends
};

} // namespace win32
