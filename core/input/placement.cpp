// The selection and placement steps of the board click, the stronghold choice and the initial
// placement with its hand-over between players and network seats.
#include <algorithm>
#include <cstdio>

#include "core/child_view.h"
#include "core/input/board_input.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/board_changes.h"
#include "core/rules/turn_order.h"
#include "core/services/network.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"

namespace {

using board_input::ArmiesOf;
using board_input::Beep;
using board_input::Flow;

constexpr std::int32_t kMostPerTerritory = 4;
constexpr std::int32_t kMostPerClick = 3;
constexpr char kPlayerLeftText[] = "Player has left the game. End of game.";

const PlayerRecord& Current() {
    return g_players[static_cast<std::size_t>(std::clamp(g_currentPlayer, 0, kMaxPlayers))];
}

void PlacementPrompt(CChildView& view) {
    char text[96];
    std::snprintf(text, sizeof text, "Select a territory for initial army placement, available: %d",
                  static_cast<int>(g_initialArmiesLeft));
    view.QueueMessage(text);
}

// Whether an own territory, accepted as the current player's, is refused by the phase.
bool IsRefusedByPhase(CChildView& view, std::int32_t t) {
    if (g_isMoveTo && t == g_fromTerritory) Beep(view);
    if (g_isInitialPlacement &&
        (ArmiesOf(t) == kMostPerTerritory || Current()[player_field::kStronghold] == t)) {
        Beep(view);
        return true;
    }
    if (g_isStrongholdChoice) {
        bool nextToStronghold = false;
        view.IsNextToStronghold(t, &nextToStronghold);
        if (nextToStronghold) {
            Beep(view);
            return true;
        }
    }
    return false;
}

// One more player has placed: the placement closes once every player has.
void CountPlacement() {
    ++g_roundCounter;
    rules::SetCurrentPlayer(rules::NextInTurn(g_currentPlayer));
    if (g_roundCounter > g_playerCount) g_isInitialPlacement = false;
}

// The armies of a human's initial placement, and its prompt.
void StartHumanPlacement(CChildView& view) {
    view.AnnounceInitialPlacement();
    g_initialArmiesLeft = g_startArmies;
    PlacementPrompt(view);
}

// The next human chooses a stronghold first when strongholds are on. Answers how the click goes.
Flow AnnounceHuman(CChildView& view) {
    view.QueueNextPlayerEvent();
    if (g_areStrongholdsOn) {
        g_isStrongholdChoice = true;
        g_isInitialPlacement = false;
        view.QueueMessage("Choose your stronghold");
        return Flow::End;
    }
    view.PlayGameSound(game_sound::kNextPlayer);
    StartHumanPlacement(view);
    return Flow::Continue;
}

// The host tells player 2's machine to place and the other machines who places.
void HandOverFromHost(CChildView& view) {
    net::BuildBoardMessage(view, net_code::kPlacementBegins);
    if (!net::SendOutgoing(view, 1)) view.ShowStatus(kPlayerLeftText);
    g_ackPendingCode = net_code::kPlacementBegins;
    g_ackTicks = g_ackResends = 0;
    g_ackSocket = 1;
    view.ShowStatus(
        g_playerNames[static_cast<std::size_t>(std::clamp(g_currentPlayer, 0, kMaxPlayers))] +
        ", initial army placement.    ++Chat program on the taskbar++");
    for (int socket = 2; socket <= 4 && g_connectedClients > socket - 1; ++socket) {
        net::BuildBoardMessage(view, net_code::kOtherPlacement);
        if (!net::SendOutgoing(view, socket)) view.ShowStatus(kPlayerLeftText);
    }
    view.DrawPlayersPanel();
}

// A joined machine's own placement is done: the host goes on.
void HandOverFromClient(CChildView& view) {
    g_isInitialPlacement = false;
    net::BuildBoardMessage(view, net_code::kPlacementDone);
    if (!net::SendOutgoing(view, 1))
        view.ShowStatus(net::SendErrorText(net_code::kPlacementDone, 1));
    g_ackPendingCode = net_code::kPlacementDone;
    g_ackTicks = g_ackResends = 0;
    g_ackSocket = 1;
}

// The computers that follow place through the clock; the loop stops at player 1 at the latest.
Flow HandOverLocally(CChildView& view) {
    if (g_currentPlayer <= g_humanPlayerCount) return AnnounceHuman(view);
    while (g_isInitialPlacement && g_currentPlayer > g_humanPlayerCount) {
        view.QueueNextPlayerEvent();
        view.AnnounceInitialPlacement();
        view.QueueComputerPlacementEvents();
        CountPlacement();
    }
    if (!g_isInitialPlacement) return Flow::Continue;
    return AnnounceHuman(view);
}

// Every player has placed: the first turn starts.
void StartFirstTurn(CChildView& view) {
    if (g_isFastSpeed) view.QueueMessage(" ");
    view.QueueNextPlayerEvent();
    if (g_currentPlayer > g_humanPlayerCount) {
        view.NextPlayer();
    } else {
        view.ComputeReinforcements();
    }
}

// The current player has placed his last army.
Flow FinishPlacement(CChildView& view) {
    if (g_isFastSpeed) g_statusText = " ";
    if (g_networkSeat >= 2) {
        HandOverFromClient(view);
        return Flow::End;
    }
    CountPlacement();
    if (g_isInitialPlacement && g_networkSeat == 1) {
        HandOverFromHost(view);
        return Flow::End;
    }
    if (g_isInitialPlacement) {
        const Flow flow = HandOverLocally(view);
        if (flow == Flow::End || g_isInitialPlacement) return flow;
    }
    StartFirstTurn(view);
    return Flow::Continue;
}

}  // namespace

void CChildView::SelectPlacementTerritory(std::int32_t territory) {
    g_selectedTerritory = 0;
    if (!IsTerritoryInPlay(territory)) return;
    const bool own = g_territories[static_cast<std::size_t>(territory)].owner == g_currentPlayer;
    if (g_isPlacementClick != own) {
        Beep(*this);
        return;
    }
    g_selectedTerritory = territory;
    if (g_isPlacementClick && IsRefusedByPhase(*this, territory)) {
        g_selectedTerritory = 0;
        return;
    }
    if (g_isStrongholdChoice && IsNetworkGame()) {
        rules::PlaceArmies(g_currentPlayer, territory, rules::kStrongholdBonus,
                           rules::Total::kKeep);
        rules::SetStronghold(g_currentPlayer, territory);
        MarkTerritoryAndSync(territory);
        return;
    }
    SetBusy();
    MarkTerritoryAndSync(territory);
    ClearBusy();
    g_territoryPicked[static_cast<std::size_t>(territory)] = kYes;
}

void CChildView::PlaceArmies(std::int32_t* pool, std::int32_t count) {
    if (!IsTerritoryInPlay(g_selectedTerritory)) return;
    if (rules::PlaceArmies(g_currentPlayer, g_selectedTerritory, count, rules::Total::kAdd) > 0) {
        PlayGameSound(game_sound::kPlaceArmies);
        *pool -= count;
    }
    MarkTerritoryAndSync(g_selectedTerritory);
    g_territoryPicked[static_cast<std::size_t>(g_selectedTerritory)] = kNo;
}

namespace board_input {

Flow StrongholdChoiceBlock(CChildView& view, std::int32_t territory) {
    g_isPlacementClick = true;
    view.SelectPlacementTerritory(territory);
    const std::int32_t s = g_selectedTerritory;
    if (s == 0) return Flow::End;
    rules::SetStronghold(g_currentPlayer, s);
    if (!IsNetworkGame()) {
        rules::PlaceArmies(g_currentPlayer, s, rules::kStrongholdBonus, rules::Total::kKeep);
        view.SetBusy();
        g_territoryPicked[static_cast<std::size_t>(s)] = kYes;
        view.MarkTerritoryAndSync(s);
        // The clock draws it plainly again and clears the busy flag when it plays this record.
        AppendMessage(message_type::kUnpick).a = s;
    }
    g_isStrongholdChoice = false;
    g_isInitialPlacement = true;
    view.QueueNextPlayerEvent();
    view.AnnounceInitialPlacement();
    g_initialArmiesLeft = g_startArmies;
    PlacementPrompt(view);
    return Flow::End;
}

Flow InitialPlacementBlock(CChildView& view, std::int32_t territory) {
    g_isPlacementClick = true;
    view.SelectPlacementTerritory(territory);
    const std::int32_t s = g_selectedTerritory;
    if (s == 0) return Flow::Continue;
    const std::int32_t limit =
        std::min({kMostPerClick, g_initialArmiesLeft, kMostPerTerritory - ArmiesOf(s)});
    std::int32_t n = 0;
    view.AskArmyCount(&n, 0, limit);
    if (rules::PlaceArmies(g_currentPlayer, s, n, rules::Total::kKeep) > 0) {
        view.PlayGameSound(game_sound::kPlaceArmies);
        g_initialArmiesLeft -= n;
    }
    // A declined count leaves the territory unpicked too, not highlighted until its next change.
    view.MarkTerritoryAndSync(s);
    g_territoryPicked[static_cast<std::size_t>(s)] = kNo;
    if (g_initialArmiesLeft > 0) {
        PlacementPrompt(view);
        return Flow::Continue;
    }
    return FinishPlacement(view);
}

Flow FinishInitialPlacement(CChildView& view) {
    g_initialArmiesLeft = 0;
    return FinishPlacement(view);
}

}  // namespace board_input
