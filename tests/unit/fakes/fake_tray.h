// Test doubles of the tray's platform interfaces: a shell that records its
// calls, a system timer, and a desktop and application that log the steps
// asked of them.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/tray.h"

namespace fakes {

class TrayShell : public platform::TrayShell {
public:
    struct Call {
        platform::TrayCommand Command;
        platform::TrayRecord Record;
    };
    std::vector<Call> Calls;
    bool Refuse = false;

    bool Notify(platform::TrayCommand command, const platform::TrayRecord& record) override
    {
        Calls.push_back({command, record});
        return !Refuse;
    }
};

class SystemTimer : public platform::SystemTimer {
public:
    bool Running = false;
    uint32_t Period = 0;
    void Start(uint32_t periodMs) override { Running = true, Period = periodMs; }
    void Stop() override { Running = false; }
};

// Desktop and application in one, with one log of the steps in order.
class TrayWindows : public platform::TrayDesktop, public platform::TrayApplication {
public:
    std::vector<std::string> Log;
    platform::CursorPoint Cursor{100, 200};
    bool PostWorks = true;
    int Posted = 0;
    bool Minimized = false;
    bool Animation = true;
    bool Visible = true;   // the application window
    bool ParentWorks = true;
    std::vector<platform::TrayHandle> Forms{11, 12};
    std::vector<platform::TrayHandle> VisibleForms{11};

    platform::TrayHandle MessageWindow() override { return 7; }
    bool PostDeferred() override { return ++Posted, PostWorks; }
    platform::CursorPoint CursorPos() override { return Cursor; }
    bool KeyDown(int) override { return false; }
    void ApplicationToForeground() override { Log.push_back("app to foreground"); }
    void ProcessMessages() override { Log.push_back("process messages"); }
    void Popup(platform::TrayHandle, platform::CursorPoint at) override { Say("popup", at.X, "," + std::to_string(at.Y)); }
    void PostToApplication(uint32_t message) override { Log.push_back("post " + std::to_string(message)); }
    void DesktopToForeground() override { Log.push_back("desktop to foreground"); }

    bool UnderHiddenParent() override { return Log.push_back("under hidden parent"), ParentWorks; }
    void ReleaseFromHiddenParent() override { Log.push_back("release"); }
    void NormalizeTopMosts() override { Log.push_back("normalize topmosts"); }
    void Activate() override { Log.push_back("activate"); }
    void Minimize() override { Log.push_back(Animation ? "minimize animated" : "minimize"), Minimized = true; }
    void Restore() override { Log.push_back("restore"), Minimized = false; }
    bool IsMinimized() override { return Minimized; }
    bool MinimizeAnimation() override { return Animation; }
    void SetMinimizeAnimation(bool on) override { Animation = on; }
    bool WindowVisible() override { return Visible; }
    void HideWindow() override { Log.push_back("hide app"), Visible = false; }
    void ShowWindowNormal() override { Log.push_back("show app"), Visible = true; }
    void ToForeground() override { Log.push_back("to foreground"); }

    platform::TrayHandle MainForm() override { return Forms.empty() ? 0 : Forms[0]; }
    size_t FormCount() override { return Forms.size(); }
    platform::TrayHandle Form(size_t index) override { return Forms[index]; }
    bool FormVisible(platform::TrayHandle form) override
    {
        return std::find(VisibleForms.begin(), VisibleForms.end(), form) != VisibleForms.end();
    }
    void ShowForm(platform::TrayHandle form) override { Say("show form", form); }
    int32_t ShowModal(platform::TrayHandle form) override { return Say("modal", form), 2; } // mrCancel
    void HideForm(platform::TrayHandle form) override { Say("hide form", form); }
    void CloseForm(platform::TrayHandle form) override { Say("close form", form); }
    void FormToForeground(platform::TrayHandle form) override { Say("form to foreground", form); }
    void RunShowHandler(platform::TrayHandle form) override
    {
        Say("show handler", form);
        if (OnShowHandler)
            OnShowHandler();
    }
    std::function<void()> OnShowHandler;

private:
    void Say(const char* step, uintptr_t value, const std::string& more = "")
    {
        Log.push_back(step + (" " + std::to_string(value)) + more);
    }
};

class IconLoader : public platform::IconLoader {
public:
    std::vector<std::string> Loaded;
    std::vector<platform::TrayHandle> Freed;
    std::vector<std::string> Missing;
    platform::TrayHandle Next = 100;

    platform::TrayHandle LoadResourceIcon(std::string_view name) override { return Load("res:" + std::string(name)); }
    platform::TrayHandle LoadIconFile(std::string_view path) override { return Load(std::string(path)); }
    void FreeIcon(platform::TrayHandle icon) override { Freed.push_back(icon); }

private:
    platform::TrayHandle Load(const std::string& name)
    {
        for (auto& m : Missing)
            if (m == name)
                return 0;
        Loaded.push_back(name);
        return Next++;
    }
};

} // namespace fakes
