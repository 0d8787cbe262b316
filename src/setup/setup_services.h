// What the settings dialog's page models ask of the dialog around them and
// of the system: the page frame, the common choosers, help, and the windows
// the pages act on. The Win32 dialog implements it; the unit tests fake it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "app/settings_dialog_open.h"
#include "devices/port_io.h"
#include "display/bitmap.h"
#include "monitor/helper_vxd_client.h"
#include "platform/bitmap_resources.h"
#include "platform/clock.h"
#include "platform/file_info.h"
#include "platform/fonts.h"
#include "platform/launcher.h"
#include "platform/locale.h"
#include "platform/message_box.h"
#include "platform/sound.h"
#include "platform/registry.h"
#include "platform/serial.h"
#include "platform/system_info.h"
#include "setup/setup_view.h"

namespace devices {
class TRAS;
}

namespace setup {

enum class ChooserResult : uint8_t { Ok, Cancel, Failed };
enum class FontKind : uint8_t { Display, Titlebar };

// The running monitor, which the detection, modem and window pages change
// at once: the main window's port, poll timer, hang-up, init string,
// detection aids and tray icon.
class MonitorHost {
public:
    virtual ~MonitorHost() = default;
    // Switch port: the old port's settings saved, the new port's read;
    // false when the switch was abandoned.
    virtual bool SwitchPort(int32_t n) = 0;
    // The main window, as the window's sequences reach it (its border).
    virtual WindowHost& Window() = 0;
    // The poll timer's period; 0 stops it.
    virtual void SetPollTimer(uint32_t periodMs) = 0;
    // The system menu offers "Update Lamps &Now!" only while present.
    virtual void SetUpdateNowItem(bool present) = 0;
    // The hang-up of the inactivity rules.
    virtual void HangUpNow() = 0;
    // The modem init string to the monitored port, one reply read.
    virtual void SendModemInitString() = 0;
    // The port I/O component; none before start-up has made it.
    virtual devices::TDLPortIO* PortIO() = 0;
    virtual monitor::HelperVxdClient& Vxd() = 0;
    virtual platform::SerialPorts& Ports() = 0;
    virtual platform::Registry& Registry() = 0;
    // The window page's "Blinkery in the System Tray": the same action as
    // the popup item "&In the System Tray".
    virtual void ShowInSystemTray(bool shown) = 0;
};

// (Names avoid the Windows headers' macros: ChooseFont.)
class SetupServices {
public:
    virtual ~SetupServices() = default;

    // The frame: the page shown (its contents hidden when not shown), the
    // tree's selected node, the tree's help context.
    virtual void ShowPage(int index, bool contentsShown) = 0;
    virtual void SelectTreeNode(int index) = 0;
    virtual void SetHelpContext(int topic) = 0;
    // Opens the help file at a topic.
    virtual void OpenHelp(int topic) = 0;

    // The system's colour chooser, opened with colour; on Ok colour is the
    // chosen one. Failed when the chooser could not be shown.
    virtual ChooserResult ChooseColour(uint32_t& colour) = 0;
    // The font chooser (Display: ANSI fonts that exist; Titlebar: with
    // effects and colour), opened with font. Each press of its Apply button
    // calls apply with the chooser's font; on Ok font is the chosen one.
    virtual ChooserResult PickFont(FontKind kind, TFont& font, const std::function<void(const TFont&)>& apply) = 0;
    // The file-open dialog with a filter in the "Text|*.ext|..." form;
    // false on Cancel, else file is the chosen file.
    virtual bool BrowseFile(const std::string& filter, std::string& file) = 0;

    // The throughput window grows (or shrinks, negative) by dy pixels with
    // its left, top and width kept; gives its new height.
    virtual int32_t GrowGraphWindow(int32_t dy) = 0;
    // The throughput timer's period.
    virtual void SetThroughputTimer(uint32_t periodMs) = 0;

    // The connections and information pages: the main window's RAS
    // component, the wait for a dial's progress, the input box, the beep
    // and the dialog itself.
    virtual devices::TRAS& Ras() = 0;
    // Dispatches the window messages waiting; when there are none, sleeps
    // until the next one arrives and dispatches that.
    virtual void WaitForMessages() = 0;
    // A modal input box with a caption, a prompt and text to edit; false on
    // Cancel, else text is what the user left in it.
    virtual bool InputQuery(const std::string& caption, const std::string& prompt, std::string& text) = 0;
    virtual void Beep() = 0;
    // The dialog is being shown (from the loading of its controls on).
    virtual bool DialogShowing() = 0;
    // Ends the dialog as its OK button does.
    virtual void CloseDialog() = 0;

    // The detection and modem pages: the running monitor; TSelectRegDlg
    // shown modally with names in its list, clicked called for each entry
    // the user clicks.
    virtual MonitorHost& Monitor() = 0;
    virtual void SelectRegistryEntry(const std::vector<std::string>& names,
                                     const std::function<void(const std::string&)>& clicked) = 0;
};

// Everything a page model reaches.
struct SetupContext {
    TGVar& G;
    SetupView& View;
    SetupServices& Services;
    platform::MessageBoxes& Boxes;
    platform::ProcessLauncher& Launcher;
    platform::FontFactory& Fonts;
    platform::SystemInfo& System;
    platform::BitmapResources& Bitmaps; // HORIZ_SMALL and the small lamps for the about animation
    platform::EventSound& Sound;        // the sound pages' "Test" buttons
    platform::Clock& Clock;             // "now" of the date-time pages
    platform::LocaleInfo& Locale;       // the date-time labels' formats, the program file's date
    platform::FileQuery& Files;         // the logs, the editor, the sounds folder's files, the modem logs
};

} // namespace setup
