// The settings dialog's model on a fake page view (every control's state by
// id) and fake dialog services that note what they were asked.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "settings/settings_keys.h"
#include "devices/ras_rig.h"
#include "display/lamp_display_rig.h"
#include "fakes/fake_devices.h"
#include "fakes/fake_events.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_signal_sources.h"
#include "setup/page_model.h"
#include "setup/setup_dialog_model.h"

namespace setupfake {

class View : public setup::SetupView {
public:
    struct Control {
        bool Checked = false, Enabled = true, Shown = true;
        int Radio = -1, Selection = -1;
        std::string Text;
        std::vector<std::string> Items;
        int32_t Low = INT32_MIN, High = INT32_MAX, Step = 1, Spin = 0;
    };
    std::map<int, Control> C;
    std::vector<int> Repaints;

    bool Checked(int id) override { return C[id].Checked; }
    void SetRadio(int group, int item) override { C[group].Radio = item; }
    int RadioItem(int group) override { return C[group].Radio; }
    void Enable(int id, bool enabled) override { C[id].Enabled = enabled; }
    void Show(int id, bool shown) override { C[id].Shown = shown; }
    void SetText(int id, const std::string& text) override { C[id].Text = text; }
    std::string Text(int id) override { return C[id].Text; }
    void SetItems(int id, const std::vector<std::string>& items) override { C[id].Items = items; }
    void SetSelection(int id, int index) override { C[id].Selection = index; }
    int Selection(int id) override { return C[id].Selection; }
    void SetSpinRange(int id, int32_t low, int32_t high, int32_t step) override
    {
        C[id].Low = low, C[id].High = high, C[id].Step = step;
    }
    void SetSpin(int id, int32_t value) override { C[id].Spin = std::clamp(value, C[id].Low, C[id].High); }
    int32_t SpinValue(int id) override { return C[id].Spin; }
    void Repaint(int id) override { Repaints.push_back(id); }
    void SetCheckState(int id, bool checked) override { C[id].Checked = checked; }
    std::map<int, double> DateTimes;
    std::map<int, std::string> Looks; // "face height bold colour"
    void SetDateTime(int id, double dateTime) override { DateTimes[id] = dateTime; }
    double DateTime(int id) override { return DateTimes[id]; }
    void SetTextLook(int id, const TextLook& look) override
    {
        Looks[id] = (std::ostringstream() << look.Face << " " << look.Height << " " << look.Bold << " " << std::hex
                                          << look.Colour)
                        .str();
    }
};

// The running monitor: the switches it is asked for, a port I/O component
// over a library that loads, the helper VxD, the ports and the registry.
class RunningMonitor : public setup::MonitorHost {
public:
    std::vector<std::string> Log;
    bool SwitchWorks = true;
    fakes::PortIoLibrary Library;
    fakes::ServiceManager Scm;
    devices::TDLPortIO PortIo{Library, Scm, false, "C:\\WINDOWS\\SYSTEM"};
    fakes::HelperVxd VxdDevice;
    monitor::HelperVxdClient VxdClient{VxdDevice};
    fakes::SerialPorts SerialPorts;
    fakes::Registry Reg;

    // The main window: its border changes, recorded by the services.
    class MainWindow : public WindowHost {
    public:
        std::function<void(WindowBorder)> OnBorder;
        void SetBorder(WindowBorder border) override { OnBorder(border); }
    } Frame;

    RunningMonitor() { Library.Files.insert("DLPortIO.dll"); }
    bool SwitchPort(int32_t n) override
    {
        Log.push_back("Switch " + std::to_string(n));
        return SwitchWorks;
    }
    WindowHost& Window() override { return Frame; }
    std::function<void(uint32_t)> OnPollTimer; // the services' record of it
    void SetPollTimer(uint32_t periodMs) override
    {
        Log.push_back("Poll " + std::to_string(periodMs));
        if (OnPollTimer)
            OnPollTimer(periodMs);
    }
    void SetUpdateNowItem(bool present) override { Log.push_back(present ? "UpdateNow" : "NoUpdateNow"); }
    void HangUpNow() override { Log.push_back("HangUp"); }
    void SendModemInitString() override { Log.push_back("Init"); }
    devices::TDLPortIO* PortIO() override { return &PortIo; }
    monitor::HelperVxdClient& Vxd() override { return VxdClient; }
    platform::SerialPorts& Ports() override { return SerialPorts; }
    platform::Registry& Registry() override { return Reg; }
    void ShowInSystemTray(bool shown) override { Log.push_back(shown ? "Tray on" : "Tray off"); }
};

class Services : public setup::SetupServices {
public:
    RunningMonitor Running;
    Services()
    {
        Running.OnPollTimer = [this](uint32_t periodMs) { Note("PollTimer", periodMs); };
        Running.Frame.OnBorder = [this](WindowBorder border) { Note("Border", static_cast<int>(border)); };
    }
    std::vector<std::string> RegistryChoices; // the entries the user clicks in TSelectRegDlg
    std::vector<std::string> Offered;         // the entries it listed

    std::vector<std::string> Log; // every call that acts on a window or the help
    setup::ChooserResult Result = setup::ChooserResult::Ok;
    uint32_t Colour = 0;
    std::vector<TFont> Applies; // fonts the chooser's Apply hands over before it closes
    TFont Font;
    bool Browsed = true;
    std::string BrowseFile_ = "C:\\EDIT\\PAD.EXE", Filter;
    int32_t GraphHeight = 100;

    void Note(const std::string& text, int64_t n) { Log.push_back(text + " " + std::to_string(n)); }
    void ShowPage(int index, bool shown) override { Note(shown ? "ShowPage" : "EmptyPage", index); }
    void SelectTreeNode(int index) override { Note("Node", index); }
    void SetHelpContext(int topic) override { Note("HelpContext", topic); }
    void OpenHelp(int topic) override { Note("Help", topic); }
    setup::ChooserResult ChooseColour(uint32_t& colour) override
    {
        if (Result == setup::ChooserResult::Ok)
            colour = Colour;
        return Result;
    }
    setup::ChooserResult PickFont(setup::FontKind, TFont& font, const std::function<void(const TFont&)>& apply) override
    {
        for (const TFont& f : Applies)
            apply(f);
        if (Result == setup::ChooserResult::Ok)
            font = Font;
        return Result;
    }
    bool BrowseFile(const std::string& filter, std::string& file) override
    {
        Filter = filter + " " + file;
        if (Browsed)
            file = BrowseFile_;
        return Browsed;
    }
    int32_t GrowGraphWindow(int32_t dy) override
    {
        Note("Grow", dy);
        return GraphHeight += dy;
    }
    void SetThroughputTimer(uint32_t periodMs) override { Note("Timer", periodMs); }
    // The connections and information pages. Each wait for messages runs
    // WhileWaiting (the dial's progress, the user's clicks); each input box
    // takes the next answer of Answers (nullopt: Cancel), Cancel when none
    // is left.
    devices::TRAS* RasComponent = nullptr;
    std::function<void()> WhileWaiting;
    int Waits = 0;
    std::vector<std::optional<std::string>> Answers;
    bool Showing = true;

    devices::TRAS& Ras() override { return *RasComponent; }
    void WaitForMessages() override
    {
        ++Waits;
        if (WhileWaiting)
            WhileWaiting();
    }
    bool InputQuery(const std::string& caption, const std::string& prompt, std::string& text) override
    {
        Log.push_back("Input " + caption + "/" + prompt + "/" + text);
        if (Answers.empty() || !Answers.front()) {
            if (!Answers.empty())
                Answers.erase(Answers.begin());
            return false;
        }
        text = *Answers.front();
        Answers.erase(Answers.begin());
        return true;
    }
    void Beep() override { Log.push_back("Beep"); }
    bool DialogShowing() override { return Showing; }
    void CloseDialog() override { Log.push_back("Close"); }

    setup::MonitorHost& Monitor() override { return Running; }
    void SelectRegistryEntry(const std::vector<std::string>& names,
                             const std::function<void(const std::string&)>& clicked) override
    {
        Log.push_back("SelectReg");
        Offered = names;
        for (const std::string& name : RegistryChoices)
            clicked(name);
    }
};

// Every setting of the key table as "name=value".
inline std::map<std::string, std::string> Record(TGVar& g)
{
    std::map<std::string, std::string> out;
    for (auto keys : {MainKeys(), PortKeys()})
        for (const KeyDescriptor& key : keys)
            std::visit([&](auto field) { out[std::string(key.Name)] = (std::ostringstream() << field(g)).str(); },
                       key.Field);
    return out;
}

// The settings that differ, as "name=new value" in the table's order.
inline std::string Changes(const std::map<std::string, std::string>& before, TGVar& g)
{
    std::string out;
    for (const auto& [name, value] : Record(g))
        if (before.at(name) != value)
            out += (out.empty() ? "" : " ") + name + "=" + value;
    return out;
}

} // namespace setupfake

class SetupTest : public ::testing::Test {
protected:
    // The redraw requests set, as a setup::Redraw mask; clears them.
    unsigned TakeRequests()
    {
        const unsigned r = (g.ReloadPictures ? setup::Reload : 0u) | (g.ReloadTitlePictures ? setup::ReloadTitle : 0u) |
                           (g.DisplayResized ? setup::Resized : 0u) | (g.RepaintRequested ? setup::Repaint : 0u);
        g.ReloadPictures = g.ReloadTitlePictures = g.DisplayResized = g.RepaintRequested = false;
        return r;
    }
    // The user ticks or clears a box.
    void Tick(int id, bool checked)
    {
        view.C[id].Checked = checked;
        model.Clicked(id);
    }
    void Choose(int group, int item)
    {
        view.C[group].Radio = item;
        model.Clicked(group);
    }
    void Spin(int id, int32_t value)
    {
        view.SetSpin(id, value);
        model.Changed(id);
    }

    SetupTest() { services.RasComponent = rasRig.ras.get(); }

    TGVar g;
    setupfake::View view;
    RasRig rasRig;
    setupfake::Services services;
    fakes::MessageBoxes boxes;
    fakes::Launcher launcher;
    fakes::FontFactory fonts;
    fakes::SystemInfo system;
    rig::ShippedBitmaps bitmaps;
    fakes::EventSound sound;
    fakes::Clock clock;
    fakes::Locale locale;
    fakes::FileQuery files;
    setup::SetupContext ctx{g, view, services, boxes, launcher, fonts, system, bitmaps, sound, clock, locale, files};
    setup::SetupDialogModel model{ctx};
};
