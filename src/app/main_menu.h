// The main window's popup menu, its keys and the commands of its system
// menu: the items with their texts, their state at each popup, and the
// one routine that carries out a command.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "app/window_host.h"
#include "settings/settings.h"
#include "app/settings_dialog_open.h"
#include "monitor/poll_parts.h"
#include "platform/clock.h"

enum class MenuCommand : uint8_t {
    Setup,                   // "&Setup": opens the dialog unless it is open
    InTheSystemTray,
    ToggleTitlebar,
    ResetSessionConnectTime,
    ResetTotalConnectTime,
    HangUpNow,
    Minimize,
    ThroughputDisplay,
    RasDialer,
    About,
    Help,
    Exit,
    // System menu only.
    UpdateLampsNow,          // 300
    SetupFromSystemMenu,     // 301: a visible dialog comes to the front
};

struct PopupMenuItem {
    std::string_view Text;
    MenuCommand Command;
    bool SeparatorBefore;
    bool Default;
};

// The twelve items in order.
std::span<const PopupMenuItem> PopupMenuItems();

struct PopupItemState {
    bool Checked = false;
    bool Enabled = true;
    bool Visible = true;
};

// An item's state as the menu pops up.
PopupItemState PopupItemStateOf(const TGVar& g, MenuCommand command);

// The command of a character typed in the main window (either case);
// nothing for other characters, and for D on Windows 95/98/ME.
std::optional<MenuCommand> KeyCommand(const TGVar& g, uint32_t character);

// The command of an added system-menu item (300-303).
std::optional<MenuCommand> SystemMenuCommand(uint32_t id);

// The help topic of "&Help", the H key and command 302.
inline constexpr int32_t MainWindowHelpTopic = 10;

void RunMenuCommand(TGVar& g, MenuCommand command, AppContext& ctx);
