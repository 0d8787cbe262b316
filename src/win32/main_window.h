// Blinkery's main window: owns the long-lived objects and turns window
// messages into calls of the logic.
#pragma once

#include <memory>
#include <string>

#include <windows.h>

#include "app/main_menu.h"
#include "app/window_host.h"
#include "devices/modem_init.h"
#include "devices/port_io.h"
#include "devices/serial_com.h"
#include "monitor/helper_vxd_client.h"
#include "monitor/engine.h"
#include "display/title_bar_display.h"
#include "win32/graph_display.h"
#include "win32/lamp_display_window.h"
#include "win32/main_menu.h"
#include "win32/setup_dialog.h"
#include "win32/tray_window.h"
#include "win32/win32_events.h"
#include "win32/win32_fonts.h"
#include "win32/win32_foreground_window.h"
#include "win32/win32_helper_vxd.h"
#include "win32/frame.h"
#include "win32/poll_timer.h"
#include "win32/win32_bitmap_resources.h"
#include "win32/win32_keyboard.h"
#include "win32/win32_locale.h"
#include "win32/win32_message_pump.h"
#include "win32/win32_port_io.h"
#include "win32/win32_power.h"
#include "win32/win32_profile.h"
#include "win32/win32_registry.h"
#include "win32/win32_file_info.h"
#include "win32/win32_ras.h"
#include "win32/win32_serial.h"
#include "win32/win32_signal_sources.h"
#include "win32/win32_stat_data.h"
#include "win32/win32_services.h"
#include "win32/win32_system.h"
#include "win32/win32_system_metrics.h"
#include "win32/win32_tapi.h"
#include "win32/window_base.h"

namespace win32 {

// The Win32 services the main window holds, in one bundle.
struct Win32Services {
    Win32Profile Profile;
    Win32SystemInfo System;
    Win32Clock Clock;
    Win32MessageBoxes Boxes;
    Win32Fonts Fonts;
    Win32FileQuery Files;
    Win32Launcher Launcher;
    Win32EventSound Sound;
    Win32SerialPorts Ports;
    Win32MessagePump Pump;
    Win32PortIoLibrary PortIoLibrary;
    Win32ServiceManager ServiceManager;
    Win32Registry Registry;
    Win32HelperVxd VxdDevice;
    monitor::HelperVxdClient Vxd{VxdDevice};
    Win32Ras Ras; // the RAS component, RAS
    Win32StatDataKey StatData;
    Win32LightsCompanion Lights;
    Win32RnaappHelper Rnaapp;
    Win32Tapi Tapi;
    Win32Locale Locale;
    Win32LogFiles Logs;
    Win32Power Power;
    Win32KeyboardState KeyboardState;
    Win32SystemMetrics Metrics;
    Win32BitmapResources TitleResources{GetModuleHandleA(nullptr)};
    Win32ForegroundWindows Foreground{Fonts};

    explicit Win32Services(const std::string& settingsFile) : Profile(settingsFile) {}
};

// The composition root and message router: owns the services, the engine
// and the feature parts, and turns each message into one call.
class TMainWindow final : public WindowBase, private WindowHost, private monitor::EngineWindow {
public:
    TMainWindow();
    TMainWindow(const TMainWindow&) = delete;
    TMainWindow& operator=(const TMainWindow&) = delete;
    ~TMainWindow() override;

    // Creates the window and runs start-up; false when the program must not
    // start. showCommand is WinMain's: SW_SHOWMINNOACTIVE starts minimised.
    bool Create(HINSTANCE instance, const std::string& commandTail, int showCommand);

    // Runs the message loop until the window has closed. However the loop
    // ends, shut-down has run by then, so the settings are saved.
    int RunMessageLoop();

private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT OnSysCommand(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnClose();
    LRESULT OnDestroy();
    void CreateTray(HINSTANCE instance);
    void CreateGraph(HINSTANCE instance);
    LRESULT OnPaint();
    LRESULT OnCopyData(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnNcHitTest(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnCommand(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnChar(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnContextMenu();
    LRESULT OnSettingChange(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnMinimisedDuties();
    void RunCommand(MenuCommand command);
    void RunWindowRule(void (*rule)(TGVar&, AppContext&));
    LRESULT OnMove();
    LRESULT OnTimer(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnEndSession(bool ending);
    LRESULT OnSize(WPARAM type);
    LRESULT OnGetMinMaxInfo(MINMAXINFO& info);
    LRESULT OnInitMenuPopup(HMENU menu);
    void RunShutDown(bool endingSession);
    Frame Window() const { return Frame(Handle()); }
    void SendInitString(int replies);

    // WindowHost: what the window's sequences ask
    void SetCaption(const std::string& caption) override { Window().SetCaption(caption); }
    void PlaceWindow(bool sizeable, int32_t left, int32_t top, int32_t width, int32_t height) override;
    void MoveMainWindow(int32_t left, int32_t top, int32_t width) override;
    void ResizeMainWindow(int32_t width, int32_t height) override { Window().Resize(width, height); }
    void MainWindowPosition(int32_t& left, int32_t& top) override;
    void SetBorder(WindowBorder border) override;
    void SetCaptionBit(bool shown) override { Window().SetStyleBits(WS_BORDER, shown); }
    void ShowMainWindow() override;
    void RepaintTwice() override { repaintTwice_ = true; }
    int32_t DisplayHeight() override { return lampDisplay_ ? lampDisplay_->DisplayHeight() : 0; }
    bool CloseMainWindow() override;
    void SetPollTimer(uint32_t periodMs) override { timer_.Set(periodMs); }
    void StartPollTimer() override { timer_.Start(); }
    void UpdateLampsNow() override;
    void InitModem() override { SendInitString(devices::kStartupInitReplies); }
    bool OpenHelperVxd() override;
    bool HelperVxdOpen() override { return os_.Vxd.IsOpen(); }
    bool HookHelperVxd() override { return os_.Vxd.Hook(); }
    void CloseHelperVxd() override { os_.Vxd.Close(); }
    void FollowDetectionAids() override;
    void LogPendingCall() override { engine_->Events().LogPendingCall(); }
    void UnloadHelperLibrary() override { engine_->Counters().Release(); }
    void CloseRasConnection(bool endingSession) override;
    void CreateMemoryDc() override;
    void FreeGdiObjects() override;
    void ShowLogo() override;
    void HideApplication() override { tray_.Icon().HideApplication(); }
    void SetTrayIconActive(bool active) override { tray_.SetIconActive(active); }
    bool ShowSettingsDialog() override { return tray_.ShowSetupModal(); }
    void BringSettingsDialogToFront() override { tray_.BringSetupToFront(); }
    void SelectSetupPage(SetupPage page) override;
    void StartAboutTimer() override { setup_.StartAboutTimer(); }
    void StopAboutTimer() override { setup_.StopAboutTimer(); }
    void EndSettingsDialog() override { setup_.Cancel(); }
    void ShowHelpTopic(int32_t topic) override;

    // monitor::EngineWindow (CloseMainWindow as above)
    void InvalidateMainWindow() override { Window().Invalidate(); }
    void FormPaint() override;
    void InvalidateGraphWindow() override { parts_.Graph.InvalidateGraphWindow(); }
    void EnablePollTimer(bool on) override { timer_.Enable(on); }
    void MakeMainWindowTopmost() override { Window().ForceTopmost(true); }
    void UncheckScheduledDisconnect() override { setup_.ScheduledDisconnectDone(); }

    // What the settings dialog's pages ask of the monitor.
    class DialogMonitor final : public setup::MonitorHost {
    public:
        explicit DialogMonitor(TMainWindow& window) : w_(window) {}
        bool SwitchPort(int32_t n) override;
        WindowHost& Window() override { return w_; }
        void SetPollTimer(uint32_t periodMs) override { w_.timer_.Set(periodMs); }
        void SetUpdateNowItem(bool present) override { w_.menu_.SetUpdateNowItem(present); }
        void HangUpNow() override;
        void SendModemInitString() override { w_.SendInitString(devices::kSendNowInitReplies); }
        devices::TDLPortIO* PortIO() override { return w_.portIO_.get(); }
        monitor::HelperVxdClient& Vxd() override { return w_.os_.Vxd; }
        platform::SerialPorts& Ports() override { return w_.os_.Ports; }
        platform::Registry& Registry() override { return w_.os_.Registry; }
        void ShowInSystemTray(bool shown) override;

    private:
        TMainWindow& w_;
    };

    HINSTANCE instance_ = nullptr;
    PollTimer timer_;
    POINT normalPosition_{};  // screen position while neither minimised nor maximised
    bool normalPositionKnown_ = false;
    bool repaintTwice_ = false;  // the next paint is followed by one more
    bool dutiesPosted_ = false;  // the paint's minimised duties are on their way

    Win32Services os_;
    std::unique_ptr<devices::TDLPortIO> portIO_; // made once the OS kind is known

    // The features of the window, as parts.
    MainMenu menu_;
    Win32Tray tray_{os_.Clock, os_.Vxd.Device(), os_.Ports};
    TGraphDisplay graph_;
    DialogMonitor dialogMonitor_{*this};
    TSetupDlg setup_{os_.Ras,
                     {os_.Boxes, os_.Launcher, os_.Fonts, os_.System, os_.TitleResources, graph_, dialogMonitor_,
                      os_.Sound, os_.Clock, os_.Locale, os_.Files}};
    display::TitleBarDisplay titleStrip_{Settings, {os_.TitleResources, os_.Metrics, os_.Clock, os_.Foreground}};
    MainWindowParts parts_{tray_, menu_, setup_, graph_.Graph(), titleStrip_};
    SettingsContext settings_{os_.Profile, os_.System, os_.Clock, os_.Fonts};

    std::unique_ptr<monitor::Engine> engine_; // made with the port I/O component
    std::unique_ptr<AppContext> app_;         // what the window's sequences run on, likewise
    std::unique_ptr<LampDisplayWindow> lampDisplay_; // made once the window exists
};

} // namespace win32
