// Blinkery's main window: owns the long-lived objects and turns window
// messages into calls of the logic.
#pragma once

#include <memory>
#include <string>

#include <windows.h>

#include "app/main_menu.h"
#include "app/settings_dialog_open.h"
#include "app/shutdown.h"
#include "app/startup.h"
#include "app/switch_port.h"
#include "app/window_rules.h"
#include "devices/modem_init.h"
#include "devices/port_io.h"
#include "devices/serial_com.h"
#include "monitor/helper_vxd_client.h"
#include "monitor/connection_state.h"
#include "monitor/event_actions.h"
#include "monitor/inactivity_rules.h"
#include "monitor/keyboard_lights.h"
#include "display/title_bar_display.h"
#include "monitor/poll_cycle.h"
#include "monitor/signal_sources.h"
#include "win32/graph_display.h"
#include "win32/lamp_display_window.h"
#include "win32/main_menu.h"
#include "win32/setup_dialog.h"
#include "win32/win32_foreground_window.h"
#include "win32/tray_window.h"
#include "win32/win32_events.h"
#include "win32/win32_fonts.h"
#include "win32/win32_helper_vxd.h"
#include "win32/win32_bitmap_resources.h"
#include "win32/win32_keyboard.h"
#include "win32/win32_locale.h"
#include "win32/win32_message_pump.h"
#include "win32/win32_port_io.h"
#include "win32/win32_power.h"
#include "win32/win32_profile.h"
#include "win32/win32_registry.h"
#include "win32/win32_ras.h"
#include "win32/win32_serial.h"
#include "win32/win32_signal_sources.h"
#include "win32/win32_services.h"
#include "win32/win32_system.h"
#include "win32/win32_system_metrics.h"
#include "win32/win32_tapi.h"
#include "win32/window_base.h"

namespace win32 {

// The composition root and message router: owns the long-lived objects and
// the feature parts, and turns each message into one call.
class TMainWindow final : public WindowBase,
                          private StartupHost,
                          private ShutdownHost,
                          private monitor::PollWindows,
                          private monitor::EngineHost,
                          private WindowHost,
                          private SettingsDialogHost,
                          private MenuCommandHost,
                          private SwitchPortHost,
                          private setup::MonitorHost {
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
    void OnTrayDoubleClick();
    LRESULT OnPaint();
    LRESULT OnCopyData(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnNcHitTest(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnCommand(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnChar(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnContextMenu();
    LRESULT OnSettingChange(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnMinimisedDuties();
    void RunCommand(MenuCommand command);
    void RunWindowRule(void (*rule)(TGVar&, WindowContext&));
    LRESULT OnMove();
    LRESULT OnTimer(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnEndSession(bool ending);
    LRESULT OnSize(WPARAM type);
    LRESULT OnGetMinMaxInfo(MINMAXINFO& info);
    LRESULT OnInitMenuPopup(HMENU menu);
    void RunShutDown(bool endingSession);

    // StartupHost
    void SetCaption(const std::string& caption) override;
    void PlaceWindow(bool sizeable, int32_t left, int32_t top, int32_t width, int32_t height) override;
    void CreateMemoryDc() override;
    void RemoveCaption() override;
    void ClearEngine() override {}
    void InitModem() override;
    void ClearSignalMemory() override;
    void SetPollPeriod(uint32_t periodMs) override { pollPeriod_ = periodMs; }
    void StartPollTimer() override;
    void SetPollTimer(uint32_t periodMs) override;
    void ShowLogo() override;
    bool OpenHelperVxd() override;
    bool HelperVxdOpen() override { return vxd_.IsOpen(); }
    bool HookHelperVxd() override { return vxd_.Hook(); }
    void ShowMainWindow() override;

    // ShutdownHost
    void CloseRasConnection(bool endingSession) override;
    void StopPollTimer() override { SetPollTimer(0); }
    void LogPendingCall() override { if (events_) events_->LogPendingCall(); }
    void CloseHelperVxd() override { vxd_.Close(); }
    void UnloadHelperLibrary() override { counters_.Release(); }
    void MainWindowPosition(int32_t& left, int32_t& top) override;
    void FreeGdiObjects() override;
    void CancelSettingsDialog() override { ::CancelSettingsDialog(Settings, dialog_); }

    // PollWindows
    void InvalidateMainWindow() override;
    void FormPaint() override;
    void InvalidateGraphWindow() override { parts_.Graph.InvalidateGraphWindow(); }

    // EngineHost
    void EnablePollTimer(bool on) override;

    // WindowHost
    void HideApplication() override { tray_.Icon().HideApplication(); }
    void SetTrayIconActive(bool active) override;
    void SetCaptionBit(bool shown) override;
    int32_t DisplayHeight() override { return lampDisplay_ ? lampDisplay_->DisplayHeight() : 0; }
    void ResizeMainWindow(int32_t width, int32_t height) override;

    // SettingsDialogHost
    bool ShowSettingsDialog() override;
    void BringSettingsDialogToFront() override;
    void SelectSetupPage(SetupPage page) override;
    void StartAboutTimer() override { setup_.StartAboutTimer(); }
    void StopAboutTimer() override { setup_.StopAboutTimer(); }
    void SetBorder(WindowBorder border) override;
    void RepaintTwice() override { repaintTwice_ = true; }
    void FollowDetectionAids() override;
    void EndSettingsDialog() override { setup_.Cancel(); }
    // InvalidateMainWindow and SetPollTimer as above.

    // SwitchPortHost (MainWindowPosition, ClearSignalMemory and
    // SetPollTimer as above)
    void MoveMainWindow(int32_t left, int32_t top, int32_t width) override;
    void ClearInactivityTimers() override;
    void Repaint() override { InvalidateMainWindow(); }

    // setup::MonitorHost, for the settings dialog's detection and modem
    // pages (SetPollTimer as above)
    bool SwitchPort(int32_t n) override;
    void SetUpdateNowItem(bool present) override { parts_.Menu.SetUpdateNowItem(present); }
    void HangUpNow() override;
    void SendModemInitString() override { SendInitString(devices::kSendNowInitReplies); }
    devices::TDLPortIO* PortIO() override { return portIO_.get(); }
    monitor::HelperVxdClient& Vxd() override { return vxd_; }
    platform::SerialPorts& Ports() override { return ports_; }
    platform::Registry& Registry() override { return registry_; }
    void ShowInSystemTray(bool shown) override { SetTrayIconShown(Settings, rules_, shown); }
    void SendInitString(int replies);

    // MenuCommandHost
    void ShowHelpTopic(int32_t topic) override;
    void CloseMainWindow() override { PostMessageA(Handle(), WM_CLOSE, 0, 0); }
    void UpdateLampsNow() override;

    HINSTANCE instance_ = nullptr;
    UINT_PTR timer_ = 0;
    uint32_t pollPeriod_ = 0; // the poll timer's period as last set
    POINT normalPosition_{};  // screen position while neither minimised nor maximised
    bool normalPositionKnown_ = false;
    bool startedUp_ = false;  // start-up has finished: ticks may run
    bool repaintTwice_ = false;  // the next paint is followed by one more
    bool dutiesPosted_ = false;  // the paint's minimised duties are on their way
    Win32SystemMetrics metrics_;

    Win32Profile profile_;
    Win32SystemInfo system_;
    Win32Clock clock_;
    Win32MessageBoxes boxes_;
    Win32Fonts fonts_;
    Win32FileQuery files_;
    Win32Launcher launcher_;
    Win32EventSound sound_; // declared before the settings dialog, which holds it
    Win32SerialPorts ports_;
    Win32MessagePump pump_;
    Win32PortIoLibrary portIoLibrary_;
    Win32ServiceManager services_;
    Win32Registry registry_;
    Win32HelperVxd vxdDevice_;
    monitor::HelperVxdClient vxd_{vxdDevice_};
    std::unique_ptr<devices::TDLPortIO> portIO_; // made once the OS kind is known
    Win32Ras ras_;                               // the RAS component, RAS

    // The detection methods' sources and the connection bookkeeping.
    Win32StatDataKey statData_;
    Win32LightsCompanion lights_;
    Win32RnaappHelper rnaapp_;
    Win32Tapi tapi_;
    Win32Locale locale_;
    // The features of the window, as parts.
    MainMenu menu_;
    Win32Tray tray_{clock_, vxd_.Device(), ports_};
    TGraphDisplay graph_;
    Win32BitmapResources titleResources_{GetModuleHandleA(nullptr)};
    TSetupDlg setup_{ras_,
                     {boxes_, launcher_, fonts_, system_, titleResources_, graph_, *this, sound_, clock_, locale_}};
    Win32ForegroundWindows foreground_{fonts_};
    display::TitleBarDisplay titleStrip_{Settings, {titleResources_, metrics_, clock_, foreground_}};
    MainWindowParts parts_{tray_, menu_, setup_, graph_.Graph(), titleStrip_};

    // What the settings code, the window's rules and the settings dialog run on.
    SettingsContext settings_{profile_, system_, clock_, fonts_};
    WindowContext rules_{*this, parts_, metrics_};
    SettingsDialogContext dialog_{*this, rules_, settings_, {}};

    monitor::TSignalSources counters_{
        Settings, monitor::SignalServices{vxd_, lights_, rnaapp_, statData_, tapi_, boxes_, *this, parts_.Setup}};
    monitor::TConnectionSteps connection_{Settings, clock_, locale_, parts_, &ras_.Component()};

    // The engine's pieces that later parts of the program fill.
    // What the event actions and the automatic disconnections ask of the
    // window.
    class EngineWindow final : public monitor::EventHost, public monitor::InactivityHost {
    public:
        explicit EngineWindow(TMainWindow& window) : window_(window) {}
        void EnablePollTimer(bool on) override { window_.EnablePollTimer(on); }
        bool CloseMainWindow() override;
        void MakeMainWindowTopmost() override;
        void UncheckScheduledDisconnect() override { window_.setup_.ScheduledDisconnectDone(); }

    private:
        TMainWindow& window_;
    };
    EngineWindow engineWindow_{*this};
    Win32LogFiles logs_;
    Win32Power power_;
    std::unique_ptr<monitor::TEventActions> events_;
    std::unique_ptr<monitor::TInactivityRules> inactivity_; // made once the port I/O component exists
    Win32KeyboardState keyboardState_;
    monitor::TKeyboardLights keyboard_{Settings, keyboardState_};
    std::unique_ptr<monitor::TPollCycle> poll_;

    // The lamp display, made once the window exists.
    std::unique_ptr<LampDisplayWindow> lampDisplay_;
};

} // namespace win32
