// The end of a turn and the hand-over to the next player, on one machine, a host or a joined one.
#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/services/network.h"
#include "core/turn/game_clock.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"

namespace {

void DisableTurnCommands() {
    for (bool* enable :
         {&g_canAttack, &g_canAdd, &g_canMove, &g_canCards, &g_canNextPlayer, &g_canCancel,
          &g_canSaveAs, &g_canSave, &g_canSetSlowSpeed, &g_canSetFastSpeeds})
        *enable = false;
    for (bool* phase : {&g_isInitialPlacement, &g_isStrongholdChoice, &g_isAttackFrom,
                        &g_isAttackTo, &g_isMoveFrom, &g_isMoveTo, &g_isAddForTerritories,
                        &g_isAddForContinents, &g_isAddForCards})
        *phase = false;
}

void ClearHighlights(CChildView& view) {
    for (int t = 1; t <= g_territoryCount && t <= kMaxTerritories; ++t) {
        std::uint8_t& mark = g_territoryHighlight[static_cast<std::size_t>(t)];
        if (!IsYes(mark)) continue;
        g_isHighlightOn = false;
        mark = kNo;
        view.MarkTerritoryAndSync(t);
    }
}

// Player k of a host plays on joined socket k - 1.
int SocketOfPlayer(std::int32_t player) {
    return player - 1;
}

bool IsJoinedHuman(std::int32_t player) {
    return player >= 2 && player <= g_lastNetworkSeat;
}

// Out of the game, or a joined player whose machine is not connected: neither can take a turn.
bool IsPassedOver(CChildView& view, std::int32_t player) {
    if (rules::IsOut(player)) return true;
    return IsJoinedHuman(player) && !net::IsJoinedSocketConnected(view, SocketOfPlayer(player));
}

void HandOverOnOneMachine(CChildView& view) {
    if (g_gameKind == game_kind::kDemo)
        view.QueueMessage(game_clock::kDemoText);
    else if (g_isFastSpeed)
        view.QueueMessage(" ");  // clears the status line
    AppendMessage(message_type::kComputerTurns);
}

enum class Search { Found, Restarted, NoOne };

// The next player after `from` who can take a turn becomes current. When player 1 would be
// passed over, the hand-over is run again on the next tick from player 1 on; it remembers that,
// so that the restarted search goes on past player 1 instead of meeting him again forever.
Search FindNextPlayer(CChildView& view, std::int32_t from) {
    const rules::HandOver next = rules::NextWhoCanPlay(
        from, [&view](std::int32_t player) { return !IsPassedOver(view, player); });
    if (next.player != 0) {
        rules::SetCurrentPlayer(next.player);
        return Search::Found;
    }
    if (!next.passedPlayerOne) return Search::NoOne;
    g_isHandOverPastPlayerOne = true;
    RestartMessages(message_type::kHandOver);
    return Search::Restarted;
}

void HandTurnToJoinedPlayer(CChildView& view, std::int32_t player) {
    const int socket = SocketOfPlayer(player);
    net::SendBoard(view, net_code::kTurnBegins, socket);
    g_ackSocket = socket;
    g_ackPendingCode = net_code::kTurnBegins;
    g_ackTicks = g_ackResends = 0;
    view.QueueNextPlayerEvent();
    for (int other = 1; other <= g_connectedClients && other <= 4; ++other)
        if (other != socket) net::SendBoard(view, net_code::kOtherTurn, other);
}

void HandOverOnHost(CChildView& view) {
    if (g_isGameOver) return;
    // A restarted hand-over searches on from player 1, who has played no turn.
    std::int32_t from = g_currentPlayer;
    if (g_isHandOverPastPlayerOne) {
        g_isHandOverPastPlayerOne = false;
        from = 1;
    } else {
        rules::CountTurnPlayed(g_currentPlayer);
    }
    // Each pass plays one computer turn and moves on by at least one player.
    for (int pass = 0; pass <= kMaxPlayers; ++pass) {
        if (FindNextPlayer(view, from) != Search::Found) return;
        if (g_currentPlayer == 1) break;
        if (IsJoinedHuman(g_currentPlayer)) {
            HandTurnToJoinedPlayer(view, g_currentPlayer);
            return;
        }
        view.PlayComputerTurn();
        if (g_isGameOver) return;
        rules::CountTurnPlayed(g_currentPlayer);
        from = g_currentPlayer;
    }
    if (g_currentPlayer == 1) g_isHumanTurnStarted = false;
}

void HandOverOnJoinedMachine(CChildView& view) {
    if (g_isGameOver) return;
    net::SendBoard(view, net_code::kTurnEnded, 1);
    g_ackPendingCode = net_code::kTurnEnded;
    g_ackTicks = g_ackResends = 0;
    g_ackSocket = 1;
}

}  // namespace

void CChildView::NextPlayer() {
    DisableTurnCommands();
    ClearHighlights(*this);
    if (g_networkSeat == 0)
        HandOverOnOneMachine(*this);
    else if (g_networkSeat == 1)
        HandOverOnHost(*this);
    else
        HandOverOnJoinedMachine(*this);
}

void CChildView::OnNextPlayer() {
    NextPlayer();
}
