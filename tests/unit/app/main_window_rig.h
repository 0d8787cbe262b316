// The main window as the menu, the window rules and the settings dialog's
// opening see it: one recorder of every call, in order.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/main_menu.h"
#include "fakes/fake_devices.h"
#include "settings/settings_fixture.h"

// The services the window's sequences run on beyond the settings' own, and
// the one context over them for a window and its parts.
class AppTest : public SettingsTest {
protected:
    class NoMetrics : public platform::SystemMetrics {
    public:
        int32_t Get(platform::Metric) override { return 0; }
    };
    AppContext Context(WindowHost& host, MainWindowParts& parts, devices::TDLPortIO& io)
    {
        return {ctx, boxes, fileQuery, launcher, ports, vxd, metrics, io, inactivity, host, parts};
    }

    fakes::FileQuery fileQuery;
    fakes::Launcher launcher;
    fakes::SerialPorts ports;
    fakes::HelperVxd vxd;
    fakes::PortIoLibrary library;
    fakes::ServiceManager services;
    devices::TDLPortIO portIO{library, services, false, "C:\\WINDOWS\\SYSTEM"};
    NoMetrics metrics;
    monitor::InactivityRules inactivity;
};

class MainWindowRecorder : public WindowHost,
                           public TrayPart, public MenuPart, public GraphPart, public platform::SystemMetrics,
                           public monitor::InactivityRules {
public:
    std::vector<std::string> Calls;
    bool Ok = false;                  // what the dialog ends with
    std::function<void()> WhileShown; // what happens while the dialog shows

    bool Called(const std::string& c) const { return std::find(Calls.begin(), Calls.end(), c) != Calls.end(); }
    void Log(std::string c) { Calls.push_back(std::move(c)); }

    void HideApplication() override { Log("HideApplication"); }
    void SetTrayIconActive(bool on) override { Log(on ? "TrayOn" : "TrayOff"); }
    void HideGraphWindow() override { Log("HideGraph"); }
    void SetCaptionBit(bool shown) override { Log(shown ? "Caption" : "NoCaption"); }
    int32_t DisplayHeight() override { return 120; }
    void ResizeMainWindow(int32_t w, int32_t h) override { Log("Resize " + std::to_string(w) + "x" + std::to_string(h)); }
    bool ShowSettingsDialog() override { Log("ShowDialog"); if (WhileShown) WhileShown(); return Ok; }
    void BringSettingsDialogToFront() override { Log("Front"); }
    void SelectSetupPage(SetupPage page) override { Log("Page " + std::to_string(int(page))); }
    void StartAboutTimer() override {}
    void StopAboutTimer() override {}
    void SetBorder(WindowBorder) override {}
    void RepaintTwice() override { Log("RepaintTwice"); }
    void FollowDetectionAids() override { Log("FollowDetectionAids"); }
    void EndSettingsDialog() override { Log("EndDialog"); }
    void InvalidateMainWindow() override {}
    void SetPollTimer(uint32_t ms) override { Log("Timer " + std::to_string(ms)); }
    void ShowHelpTopic(int32_t) override {}
    bool CloseMainWindow() override { return false; }
    void UpdateLampsNow() override {}
    void ShowFromTray() override { Log("ShowApplication"); }
    void MinimiseApplication() override { Log("MinimiseApplication"); }
    void EnableMinimiseItem(bool on) override { Log(on ? "EnableMin" : "DisableMin"); }
    void SetUpdateNowItem(bool present) override { Log(present ? "UpdateNowItem" : "NoUpdateNowItem"); }
    int32_t Get(platform::Metric m) override { return m == platform::Metric::CySize ? 18 : 0; }
    void HangUpNow() override { Log("HangUpNow"); }
};

class MainWindowTest : public AppTest {
protected:
    void Run(MenuCommand command) { RunMenuCommand(g, command, app); }

    MainWindowRecorder rec;
    NoWindowParts none;
    MainWindowParts parts{rec, rec, none.Setup, rec, none.TitleStrip};
    AppContext app{ctx, boxes, fileQuery, launcher, ports, vxd, rec, portIO, rec, rec, parts};
};
