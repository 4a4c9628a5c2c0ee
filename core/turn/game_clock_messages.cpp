// What the clock does with each message record.
#include <array>

#include "core/child_view.h"
#include "core/commands/command_ids.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/services/network.h"
#include "core/turn/game_clock.h"
#include "core/turn/turn_state.h"
#include "platform/window_services.h"

namespace game_clock {

namespace {

constexpr std::int32_t kMissionPreview = 100;

bool IsSilentPreview(const QueueRecord& record) {
    return g_missionKind == mission_kind::kContinents && record.b == kMissionPreview;
}

void PlayContinentHighlight(CChildView& view, const QueueRecord& record) {
    if (g_isGameOver) return;
    if (!IsSilentPreview(record)) view.PlayGameSound(game_sound::kContinentTaken);
    view.SetBusy();
    DrawContinent(view, record.a, kYes, kYes);
    view.Platform().window.Invalidate();
    g_syncContinent = record.a;
    net::SendBoardFromSeat(view, net_code::kContinentHighlight,
                           net_code::kJoinedContinentHighlight);
}

std::string ContinentName(std::int32_t continent) {
    if (continent < 1 || continent > kMaxContinents) return {};
    return g_continentNames[static_cast<std::size_t>(continent)];
}

// The mission window before the game's first turn: nothing may be done while it is shown.
void ShowMissionOrder(CChildView& view) {
    g_canAttack = g_canAdd = g_canMove = g_canCancel = false;
    g_isAttackFrom = g_isAttackTo = g_isMoveFrom = g_isMoveTo = g_isAddForTerritories = false;
    view.SetContinentNames();
    std::int32_t continent = 0;
    if (IsPlayer(g_currentPlayer) && g_missionProgress >= 0 && g_missionProgress <= kMaxContinents)
        continent = g_missionOrders[static_cast<std::size_t>(g_currentPlayer)]
                                   [static_cast<std::size_t>(g_missionProgress)];
    view.UpdateWindowTitle();
    g_missionTextKind = 0;
    view.ShowMissionDialog("Conquer  " + ContinentName(continent));
}

void PlayContinentRepaint(CChildView& view, const QueueRecord& record) {
    if (g_isGameOver) return;
    if (IsSilentPreview(record)) ShowMissionOrder(view);
    view.ClearBusy();
    DrawContinent(view, record.a, kNo, kNo);
    view.Platform().window.Invalidate();
    g_syncContinent = record.a;
    net::SendBoardFromSeat(view, net_code::kContinentRepaint, net_code::kJoinedContinentRepaint);
}

void PlayTurnEnables(CChildView& view, const QueueRecord& record) {
    g_canAttack = record.a == 1;
    if (!g_hasAttackedThisTurn) {
        g_canAdd = true;
        return;
    }
    view.UpdateActionFlags();
    if (IsYes(g_canMoveState)) {
        g_movesLeft = 7;
        g_canMove = true;
    } else {
        g_movesLeft = 0;
    }
    g_canNextPlayer = true;
}

void PlayPick(CChildView& view, std::int32_t territory, bool picked) {
    if (!IsTerritorySlot(territory)) return;
    const auto t = static_cast<std::size_t>(territory);
    if (!picked) g_territoryHighlight[t] = kNo;
    g_territoryPicked[t] = YesNo(picked);
    DrawDisplayed(view, territory);
    view.Platform().window.Invalidate();
}

void SlowCommandDone(CChildView& view) {
    g_deferSlowCommands = true;
    view.Platform().window.ShowCursor(true);
}

// The map command runs again with its flag as it was before the first click; the selected map
// decides, and a command that is refused meanwhile leaves its map selected.
void PlayMapCommand(CChildView& view) {
    const BuiltinMap* map = SelectedBuiltinMap();
    if (map != nullptr && map->menuId != 0) {
        *map->flag = g_wasMapSelected;
        if (!view.OnCommand(map->menuId)) *map->flag = true;
    }
    SlowCommandDone(view);
}

void PlaySlowCommand(CChildView& view, std::int32_t type) {
    static constexpr std::array<int, 6> kCommands{
        cmd::kSmilies,           cmd::kBackground1, cmd::kDesktopShiningThrough,
        cmd::kYourColorSettings, cmd::kBackground2, cmd::kBackground3};
    // The command tells its played record from a click by this flag, not by the deferral,
    // which another pending record may have left off.
    g_isPlayingSlowCommand = true;
    view.OnCommand(kCommands[static_cast<std::size_t>(type - message_type::kSmilies)]);
    g_isPlayingSlowCommand = false;
    SlowCommandDone(view);
}

void PlayJoinRequest(CChildView& view, const QueueRecord& record) {
    g_outgoingMessage = net::CodeText(net_code::kJoinRequest) + record.text;
    if (net::SendOutgoing(view, 1)) return;
    view.ShowStatus(
        g_isInternetGame
            ? "ERROR - Can't find the host's game."
            : "ERROR - Can't find the host's game. Be sure to start a host game first.");
    g_canNewGame = g_canOpen = true;
    g_networkSeat = 0;
}

void PlayHostedGameStart(CChildView& view) {
    view.PublishGameListEntry(g_publishedGameSlot, g_publishedHostText, 1);
    g_isInitialPlacement = true;
    rules::SetCurrentPlayer(1);
    g_roundCounter = 1;
    if (g_areStrongholdsOn) {
        g_isStrongholdChoice = true;
        view.QueueNextPlayerEvent();
        view.QueueMessage(kStrongholdPrompt);
        return;
    }
    QueuePlacementPrompt(view);
}

}  // namespace

void PlayMessage(CChildView& view, const QueueRecord& record) {
    switch (record.type) {
        case message_type::kText:
            if (record.b == game_sound::kNextPlayer) view.PlayGameSound(game_sound::kNextPlayer);
            return view.ShowStatus(record.text);
        case message_type::kContinentHighlight:
            return PlayContinentHighlight(view, record);
        case message_type::kContinentRepaint:
            return PlayContinentRepaint(view, record);
        case message_type::kTurnEnables:
            return PlayTurnEnables(view, record);
        case message_type::kComputerTurns:
            return view.RunComputerTurns();
        case message_type::kUnpick:
            return PlayPick(view, record.a, false);
        case message_type::kPick:
            return PlayPick(view, record.a, true);
        case message_type::kLocalGameEnd:
            return PlayGameEnd(view, true);
        case message_type::kHandOver:
            return view.NextPlayer();
        case message_type::kEnableToolbars:
            return view.Platform().window.EnableToolbars(true);
        case message_type::kMapCommand:
            return PlayMapCommand(view);
        case message_type::kSmilies:
        case message_type::kBackground1:
        case message_type::kDesktopShiningThrough:
        case message_type::kYourColorSettings:
        case message_type::kBackground2:
        case message_type::kBackground3:
            return PlaySlowCommand(view, record.type);
        case message_type::kJoinRequest:
            return PlayJoinRequest(view, record);
        case message_type::kCardsWindowOff:
            view.HideCardsNotice();
            g_isCardsPanelShown = false;
            return;
        case message_type::kHostedGameStart:
            return PlayHostedGameStart(view);
        default:
            return;  // a pause, or a type no one appends
    }
}

}  // namespace game_clock
