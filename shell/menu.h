// The main window's menu bar, toolbars and status panes, declared once as data.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "core/commands/command_ids.h"

namespace shell {

enum class MenuEntryKind { Command, Separator, SubMenu };

struct MenuEntry {
    MenuEntryKind kind = MenuEntryKind::Separator;
    int id = 0;                           // commands only
    std::string_view text;                // '&' marks the mnemonic
    std::span<const MenuEntry> children;  // sub-menus only
};

struct MenuPopup {
    std::string_view title;
    std::span<const MenuEntry> entries;
};

// The top-level popups of the menu bar in order.
std::span<const MenuPopup> MainMenu();
// The untitled popup that the view shows on a right click.
inline constexpr int kContextMenuIndex = 8;

// The menu text of a command anywhere in the menu bar; empty when none has it.
std::string_view FindMenuText(int id);
// A menu text as a plain label: without its '&' marks and a trailing "...".
std::string PlainMenuText(std::string_view text);

struct ToolbarButton {
    int command = 0;
    int image = 0;          // bitmap id of the 16 x 16 picture
    int disabledImage = 0;  // its greyed twin
    std::string_view text;  // shown beside the picture; empty on the main toolbar
};

// The main toolbar and the action toolbar.
extern const std::array<ToolbarButton, 5> g_fileToolbarButtons;
extern const std::array<ToolbarButton, 6> g_gameToolbarButtons;

struct StatusIndicator {
    int id = 0;                     // 0: the status-text pane
    std::string_view templateText;  // initial text, and the pane's width
};
extern const std::array<StatusIndicator, 3> g_statusIndicators;

// The program icon and the About box's separator strip.
inline constexpr int kProgramIcon = 128;
inline constexpr int kAboutSeparatorBitmap = 261;

}  // namespace shell
