// The view's command table: every command id with its handler and its update handler.
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "core/child_view.h"
#include "core/commands/command_ids.h"
#include "core/commands/command_state.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "platform/window_services.h"

namespace {

using Handler = void (CChildView::*)();
using Updater = void (*)(CmdUI&);

// One row per command. A command whose handler has not been written yet is shown disabled,
// with its check mark still telling the state it stands for.
struct CommandRow {
    int id;
    Handler handler;
    Updater update;
};

void Always(CmdUI& ui) {
    ui.enabled = true;
}

// A loaded map file or a map under test is drawn at the size it was made for.
bool NoMapFile() {
    return !g_isMapCustom && !g_isTestCustomMap;
}
void UpdateScreenSmall(CmdUI& ui) {
    ui.enabled = g_screenWidth >= 1024 && NoMapFile();
    ui.checked = g_screenSize == 1;
}
void UpdateScreenMedium(CmdUI& ui) {
    ui.enabled = g_screenWidth >= 1024 && NoMapFile();
    ui.checked = g_screenSize == 2;
}
void UpdateScreenLarge(CmdUI& ui) {
    ui.enabled = g_screenWidth >= 1200 && g_screenHeight > 920 && NoMapFile();
    ui.checked = g_screenSize == 3;
}

template <int kBackground>
void UpdateBackground(CmdUI& ui) {
    ui.enabled = true;
    ui.checked = g_oceansBackground == kBackground;
}
template <int kScheme>
void UpdateColourScheme(CmdUI& ui) {
    ui.enabled = true;
    ui.checked = g_colourScheme == kScheme;
}

void UpdateSafeMode(CmdUI& ui) {
    ui.enabled = true;
    ui.checked = g_isSafeMode;
}

bool MapAllowsSmilies() {
    if (g_isMapCustom || g_isTestCustomMap) return g_customMapHasSmilies;
    const BuiltinMap* map = SelectedBuiltinMap();
    if (map == nullptr) return true;
    switch (map->smilies) {
        case SmiliesRule::kNone:
            return false;
        case SmiliesRule::kLargeScreen:
            return g_screenSize == 3 && g_screenWidth >= 1280;
        case SmiliesRule::kAlways:
            break;
    }
    return true;
}
void UpdateSmilies(CmdUI& ui) {
    ui.enabled = MapAllowsSmilies();
    ui.checked = g_isSmiliesOn;
}

// A built-in map's command, checked while its map is selected.
CmdUI MapCommandState(const BuiltinMap& map) {
    return {.enabled = g_canChangeMap, .checked = *map.flag};
}
void UpdateLoadMap(CmdUI& ui) {
    ui.enabled = g_canChangeMap;
    ui.checked = g_isMapCustom;
}
void UpdateChangeMap(CmdUI& ui) {
    ui.enabled = g_canChangeMap;
}

// Cards turns a set in once per turn; the turn start and the turn-in set the flag.
void UpdateCards(CmdUI& ui) {
    ui.enabled = g_canCards;
}

namespace state = command_state;

// Rows without an update handler stay disabled until the turn logic they depend on exists.
const std::array kCommands = std::to_array<CommandRow>({
    // Game menu.
    {cmd::kNewGame, &CChildView::OnNewGame, state::UpdateNewGame},
    {cmd::kQuickLaunch, &CChildView::OnQuickLaunch, state::UpdateNewGame},
    {cmd::kOpen, &CChildView::OnOpen, state::UpdateOpen},
    {cmd::kSave, &CChildView::OnSave, state::UpdateSave},
    {cmd::kSaveAs, &CChildView::OnSaveAs, state::UpdateSaveAs},
    // Scores, Cards, Continents, Statistics.
    {cmd::kScores, &CChildView::OnScores, Always},
    {cmd::kShowCards, &CChildView::OnShowCards, Always},
    {cmd::kContinents, &CChildView::OnContinents, state::UpdateContinents},
    {cmd::kStatistics, &CChildView::OnStatistics, Always},
    // Settings menu.
    {cmd::kSpeedSlow, &CChildView::OnSpeedSlow, state::UpdateSpeedSlow},
    {cmd::kSpeedFast, &CChildView::OnSpeedFast, state::UpdateSpeedFast},
    {cmd::kSpeedVeryFast, &CChildView::OnSpeedVeryFast, state::UpdateSpeedVeryFast},
    {cmd::kSpeedFastest, &CChildView::OnSpeedFastest, state::UpdateSpeedFastest},
    {cmd::kScreenSmall, &CChildView::OnScreenSmall, UpdateScreenSmall},
    {cmd::kScreenMedium, &CChildView::OnScreenMedium, UpdateScreenMedium},
    {cmd::kScreenLarge, &CChildView::OnScreenLarge, UpdateScreenLarge},
    {cmd::kGradients, &CChildView::OnGradients, UpdateColourScheme<0>},
    {cmd::kSolidColors, &CChildView::OnSolidColors, UpdateColourScheme<1>},
    {cmd::kColors, &CChildView::OnColors, Always},
    {cmd::kBackground1, &CChildView::OnBackground1, UpdateBackground<0>},
    {cmd::kYourColorSettings, &CChildView::OnYourColorSettings, UpdateBackground<1>},
    {cmd::kDesktopShiningThrough, &CChildView::OnDesktopShiningThrough, UpdateBackground<2>},
    {cmd::kOceansPicture, &CChildView::OnOceansPicture, UpdateBackground<3>},
    {cmd::kBackground2, &CChildView::OnBackground2, UpdateBackground<4>},
    {cmd::kBackground3, &CChildView::OnBackground3, UpdateBackground<5>},
    {cmd::kSmilies, &CChildView::OnSmilies, UpdateSmilies},
    {cmd::kTransparency, &CChildView::OnTransparency, Always},
    {cmd::kSound, &CChildView::OnSound, Always},
    {cmd::kPersonalities, &CChildView::OnPersonalities, state::UpdatePersonalities},
    {cmd::kSafeMode, &CChildView::OnSafeMode, UpdateSafeMode},
    {cmd::kHostingInternetGames, &CChildView::OnHostingInternetGames, Always},
    // Map menu (the built-in maps' commands are their catalogue rows').
    {cmd::kLoadMap, &CChildView::OnLoadMap, UpdateLoadMap},
    {cmd::kTestCustomMap, &CChildView::OnTestCustomMap, UpdateChangeMap},
    {cmd::kMoreMaps, &CChildView::OnMoreMaps, UpdateChangeMap},
    // Turn commands (action toolbar and the view's popup).
    {cmd::kCancel, &CChildView::OnCancel, state::UpdateCancel},
    {cmd::kCards, &CChildView::OnCards, UpdateCards},
    {cmd::kMove, &CChildView::OnMoveArmies, state::UpdateMove},
    {cmd::kAdd, &CChildView::OnAdd, state::UpdateAdd},
    {cmd::kAttack, &CChildView::OnAttack, state::UpdateAttack},
    {cmd::kNextPlayer, &CChildView::OnNextPlayer, state::UpdateNextPlayer},
});

const CommandRow* FindCommand(int id) {
    for (const CommandRow& row : kCommands) {
        if (row.id == id) return &row;
    }
    return nullptr;
}

// A command can be chosen only while its update handler enables it and it has a handler.
CmdUI StateOf(const CommandRow& row) {
    CmdUI ui;
    if (row.update != nullptr) row.update(ui);
    if (row.handler == nullptr) ui.enabled = false;
    return ui;
}

// A command of the table, or a built-in map's; nullptr for any other id.
struct FoundCommand {
    Handler handler = nullptr;
    CmdUI state;
};
std::optional<FoundCommand> Find(int id) {
    if (const CommandRow* row = FindCommand(id)) return FoundCommand{row->handler, StateOf(*row)};
    if (const BuiltinMap* map = BuiltinMapByMenuId(id))
        return FoundCommand{map->command, MapCommandState(*map)};
    return std::nullopt;
}

// The losses pane shows the local player's losses; its update handler sets the text.
std::string LossesPaneText() {
    char text[32];
    std::snprintf(text, sizeof text, "Losses : %6d", static_cast<int>(g_lossesShown));
    return text;
}

}  // namespace

bool CChildView::OnCommand(int id) {
    const std::optional<FoundCommand> command = Find(id);
    if (!command || command->handler == nullptr) return false;
    // A key or a stale popup must not run a command its update handler has disabled.
    if (command->state.enabled) (this->*command->handler)();
    return true;
}

bool CChildView::OnUpdateCommand(int id, CmdUI& ui) {
    if (id == cmd::kPaneLosses) {
        ui = {.enabled = true, .checked = false};
        platform_.window.SetStatusPane(id, LossesPaneText());
        return true;
    }
    if (id == cmd::kPaneCards) {
        OnUpdateCardsPane(ui);
        return true;
    }
    const std::optional<FoundCommand> command = Find(id);
    if (!command) return false;
    ui = command->state;
    return true;
}

// F2, the network start key, is the only key the view acts on.
void CChildView::OnKeyDown(int virtualKey) {
    constexpr int kF2 = 113;
    if (virtualKey == kF2 && g_networkSeat == 1 && g_joinedSeatCount >= 2) StartNetworkGame();
}
