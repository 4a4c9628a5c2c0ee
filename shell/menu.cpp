// The menu bar, toolbar and status-pane tables, and lookups over them.
#include "shell/menu.h"

#include <iterator>
#include <vector>
#include "core/child_view.h"
#include "core/commands/command_ids.h"
#include "core/model/map_catalogue.h"
#include "platform/window_services.h"

namespace shell {
namespace {

constexpr MenuEntry Command(int id, std::string_view text) {
    return {MenuEntryKind::Command, id, text, {}};
}
constexpr MenuEntry Separator() {
    return {MenuEntryKind::Separator, 0, {}, {}};
}
constexpr MenuEntry SubMenu(std::string_view text, std::span<const MenuEntry> children) {
    return {MenuEntryKind::SubMenu, 0, text, children};
}

constexpr MenuEntry kGameMenu[] = {
    Command(cmd::kNewGame, "&New Game..."),
    Command(cmd::kQuickLaunch, "&Quick Launch..."),
    Separator(),
    Command(cmd::kOpen, "&Open..."),
    Command(cmd::kSave, "&Save"),
    Command(cmd::kSaveAs, "Save &As..."),
    Separator(),
    Command(cmd::kExit, "E&xit"),
};

constexpr MenuEntry kScoresMenu[] = {Command(cmd::kScores, "Scores...")};
constexpr MenuEntry kCardsMenu[] = {Command(cmd::kShowCards, "Cards...")};

constexpr MenuEntry kSpeedMenu[] = {
    Command(cmd::kSpeedSlow, "&Slow"),
    Command(cmd::kSpeedFast, "&Fast"),
    Command(cmd::kSpeedVeryFast, "&Very Fast"),
    Command(cmd::kSpeedFastest, "F&astest"),
};

constexpr MenuEntry kScreenSizeMenu[] = {
    Command(cmd::kScreenSmall, "Small  (800x600 or higher)"),
    Command(cmd::kScreenMedium, "Medium  (1024x768 or higher)"),
    Command(cmd::kScreenLarge, "Large  (1280x1024 or higher)"),
};

constexpr MenuEntry kAppearanceMenu[] = {
    Command(cmd::kGradients, "&Gradients"),
    Command(cmd::kSolidColors, "&Solid Colors"),
    Separator(),
    Command(cmd::kColors, "&Colors..."),
};

constexpr MenuEntry kOceansMenu[] = {
    Command(cmd::kBackground1, "Background 1"),
    Command(cmd::kBackground2, "Background 2"),
    Command(cmd::kBackground3, "Background 3"),
    Command(cmd::kDesktopShiningThrough, "Desktop Shining Through"),
    Command(cmd::kYourColorSettings, "Your Color Settings"),
    Command(cmd::kOceansPicture, "Picture..."),
};

constexpr MenuEntry kSettingsMenu[] = {
    SubMenu("Spee&d", kSpeedMenu),
    SubMenu("Screen Si&ze", kScreenSizeMenu),
    SubMenu("Appea&rance", kAppearanceMenu),
    SubMenu("&Oceans", kOceansMenu),
    Separator(),
    Command(cmd::kSmilies, "&Smilies"),
    Command(cmd::kTransparency, "&Transparency..."),
    Command(cmd::kSound, "So&und..."),
    Command(cmd::kPersonalities, "&Personalities..."),
    Command(cmd::kSafeMode, "S&afe Mode..."),
    Separator(),
    Command(cmd::kHostingInternetGames, "Hosting &Internet Games..."),
};

constexpr MenuEntry kMapMenuEnd[] = {
    Command(cmd::kLoadMap, "Load a Map..."),
    Separator(),
    Command(cmd::kTestCustomMap, "&Test Custom Map..."),
    Separator(),
    Command(cmd::kMoreMaps, "More Maps (Webs&ite)..."),
};

// The catalogue's built-in maps in the order of their territory counts, then the map files'
// commands.
const std::vector<MenuEntry>& MapMenu() {
    static const std::vector<MenuEntry> entries = [] {
        std::vector<MenuEntry> list;
        for (const BuiltinMap* map : MapMenuOrder())
            list.push_back(Command(map->menuId, map->menuText));
        list.insert(list.end(), std::begin(kMapMenuEnd), std::end(kMapMenuEnd));
        return list;
    }();
    return entries;
}

constexpr MenuEntry kContinentsMenu[] = {Command(cmd::kContinents, "C&ontinents...")};
constexpr MenuEntry kStatisticsMenu[] = {Command(cmd::kStatistics, "S&tatistics...")};
constexpr MenuEntry kHelpMenu[] = {Command(cmd::kAbout, "&About Marovek...")};

constexpr MenuEntry kTurnMenu[] = {
    Command(cmd::kCancel, "&Cancel"), Command(cmd::kCards, "Ca&rds"),
    Command(cmd::kMove, "&Move"),     Command(cmd::kAdd, "A&dd"),
    Command(cmd::kAttack, "&Attack"), Command(cmd::kNextPlayer, "&Next player"),
};

const std::array<MenuPopup, kContextMenuIndex + 1>& MainMenuPopups() {
    static const std::array<MenuPopup, kContextMenuIndex + 1> popups{{
        {"&Game", kGameMenu},
        {"&Scores", kScoresMenu},
        {"&Cards", kCardsMenu},
        {"S&ettings", kSettingsMenu},
        {"&Map", MapMenu()},
        {"C&ontinents", kContinentsMenu},
        {"S&tatistics", kStatisticsMenu},
        {"&Help", kHelpMenu},
        {" ", kTurnMenu},
    }};
    return popups;
}

std::string_view FindIn(std::span<const MenuEntry> entries, int id) {
    for (const MenuEntry& e : entries) {
        if (e.kind == MenuEntryKind::Command && e.id == id) return e.text;
        if (e.kind == MenuEntryKind::SubMenu) {
            std::string_view found = FindIn(e.children, id);
            if (!found.empty()) return found;
        }
    }
    return {};
}

}  // namespace

std::span<const MenuPopup> MainMenu() {
    return MainMenuPopups();
}

std::string_view FindMenuText(int id) {
    for (const MenuPopup& popup : MainMenuPopups()) {
        std::string_view found = FindIn(popup.entries, id);
        if (!found.empty()) return found;
    }
    return {};
}

std::string PlainMenuText(std::string_view text) {
    if (text.ends_with("...")) text.remove_suffix(3);
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // "&&" stands for one ampersand; a single '&' only marks the mnemonic.
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] == '&')
            ++i;
        else if (text[i] == '&')
            continue;
        plain += text[i];
    }
    return plain;
}

// Bitmaps 193, 350, 185, 194, 359 and their greyed twins 195, 351, 196, 197, 360.
const std::array<ToolbarButton, 5> g_fileToolbarButtons = {{
    {cmd::kNewGame, 193, 195, {}},
    {cmd::kQuickLaunch, 350, 351, {}},
    {cmd::kOpen, 185, 196, {}},
    {cmd::kSave, 194, 197, {}},
    {cmd::kContinents, 359, 360, {}},
}};

const std::array<ToolbarButton, 6> g_gameToolbarButtons = {{
    {cmd::kCancel, 187, 198, "Cancel"},
    {cmd::kCards, 188, 199, "Cards"},
    {cmd::kMove, 189, 200, "Move"},
    {cmd::kAdd, 190, 201, "Add"},
    {cmd::kAttack, 191, 202, "Attack"},
    {cmd::kNextPlayer, 192, 203, "Next"},
}};

const std::array<StatusIndicator, 3> g_statusIndicators = {{
    {cmd::kPaneStatus, {}},
    {cmd::kPaneCards, "Cards : KRRIJ - 0 3 1 2 0 0 0 0 0 0  "},
    {cmd::kPaneLosses, "Losses : 123456"},
}};

}  // namespace shell

// The view's popup menu is the menu bar's untitled popup.
void CChildView::OnContextMenu(int x, int y) {
    platform_.window.TrackPopupMenu(shell::kContextMenuIndex, x, y);
}
