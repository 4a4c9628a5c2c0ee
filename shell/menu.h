// The main window's menu bar, toolbars and status panes, declared once as data.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace shell {

// Command ids of the menus, toolbars and status panes.
namespace cmd {
// Game menu.
inline constexpr int kNewGame = 153;
inline constexpr int kQuickLaunch = 32825;
inline constexpr int kOpen = 154;
inline constexpr int kSave = 155;
inline constexpr int kSaveAs = 156;
inline constexpr int kExit = 57665;  // the application's own command
// Scores, Cards, Continents, Statistics.
inline constexpr int kScores = 147;
inline constexpr int kShowCards = 148;
inline constexpr int kContinents = 32801;
inline constexpr int kStatistics = 32802;
// Settings menu.
inline constexpr int kSpeedSlow = 151;
inline constexpr int kSpeedFast = 152;
inline constexpr int kSpeedVeryFast = 32785;
inline constexpr int kSpeedFastest = 32786;
inline constexpr int kScreenSmall = 32788;
inline constexpr int kScreenMedium = 32789;
inline constexpr int kScreenLarge = 32806;
inline constexpr int kGradients = 32828;
inline constexpr int kSolidColors = 32829;
inline constexpr int kColors = 149;
inline constexpr int kBackground1 = 32791;
inline constexpr int kBackground2 = 32819;
inline constexpr int kBackground3 = 32827;
inline constexpr int kDesktopShiningThrough = 32792;
inline constexpr int kYourColorSettings = 32793;
inline constexpr int kOceansPicture = 32818;
inline constexpr int kSmilies = 150;
inline constexpr int kTransparency = 32826;
inline constexpr int kSound = 32796;
inline constexpr int kPersonalities = 32798;
inline constexpr int kSafeMode = 32803;
inline constexpr int kHostingInternetGames = 32824;
// Map menu; each built-in map's command id is in its catalogue row.
inline constexpr int kLoadMap = 32795;
inline constexpr int kTestCustomMap = 32822;
inline constexpr int kMoreMaps = 32823;
// Help menu: About is the application's own command.
inline constexpr int kAbout = 57664;
// The turn commands of the action toolbar and the view's popup menu.
inline constexpr int kCancel = 157;
inline constexpr int kCards = 158;
inline constexpr int kMove = 159;
inline constexpr int kAdd = 160;
inline constexpr int kAttack = 161;
inline constexpr int kNextPlayer = 162;
// Status-bar panes.
inline constexpr int kPaneStatus = 0;
inline constexpr int kPaneLosses = 163;
inline constexpr int kPaneCards = 164;
}  // namespace cmd

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
