// What the clock does with each event record, and what a host tells the joined machines of it.
#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/services/network.h"
#include "core/turn/game_clock.h"
#include "core/turn/turn_state.h"
#include "platform/window_services.h"

namespace game_clock {

namespace {

bool IsHost() {
    return g_networkSeat == 1;
}

void Invalidate(CChildView& view) {
    view.Platform().window.Invalidate();
}

void PlayTerritory(CChildView& view, const QueueRecord& record) {
    if (!IsTerritorySlot(record.a)) return;
    const auto t = static_cast<std::size_t>(record.a);
    g_isHidingActive = false;
    g_isHighlightOn = record.d == 1;
    if (record.e >= game_sound::kPlaceArmies && record.e <= game_sound::kPlayerOut)
        view.PlayGameSound(static_cast<std::uint32_t>(record.e));
    g_territoryHighlight[t] = YesNo(g_isHighlightOn);
    g_displayedTerritories[t] = {record.c, record.b};
    view.DrawTerritoryArmies(record.a, record.b, record.c, g_isHighlightOn);
    Invalidate(view);
    g_isHidingActive = true;
    if (!IsHost()) return;
    g_syncTerritory = record.a;
    g_syncArmies = g_displayedTerritories[t].armies;
    g_syncOwner = g_displayedTerritories[t].owner;
    g_syncMarked = g_isHighlightOn;
    net::SendBoardToAll(view, net_code::kTerritoryUpdate);
}

void PlayCardTurnIn(CChildView& view, const QueueRecord& record) {
    g_lastCardTurnIn = {record.f, record.e, record.d, record.c, record.b, record.a};
    view.ShowCardsNotice();
    g_isCardsPanelShown = true;
    if (IsHost()) net::SendBoardToAll(view, net_code::kCardsTurnedIn);
}

void PlayCardsWindowOff(CChildView& view) {
    view.HideCardsNotice();
    g_isCardsPanelShown = false;
    if (IsHost()) net::SendBoardToAll(view, net_code::kCardsWindowOff);
}

void PlayContinent(CChildView& view, std::int32_t continent, bool gained) {
    if (gained) {
        view.PlayGameSound(game_sound::kContinentTaken);
        view.SetBusy();  // stays on: the continent is shown highlighted until it is repainted
    } else {
        view.ClearBusy();
    }
    DrawContinent(view, continent, 0, 0);
    Invalidate(view);
    if (!IsHost()) return;
    g_syncContinent = continent;
    net::SendBoardToAll(view, gained ? net_code::kContinentHighlight : net_code::kContinentRepaint);
}

void PlayNextPlayer(CChildView& view, std::int32_t player) {
    if (!IsPlayer(player)) return;
    rules::ActingAs current(player);
    view.DrawPlayersPanel();
    Invalidate(view);
    if (!IsHost() || g_isHostWaiting) return;
    net::SendBoardToAll(view, net_code::kNextPlayer);
    view.ShowStatus(g_playerNames[static_cast<std::size_t>(player)] + " to play..");
}

// The player's territories that hold more than one army: the ones a placement changed.
template <typename Each>
void ForEachPlacedTerritory(std::int32_t player, Each each) {
    for (int t = 1; t <= g_territoryCount && t <= kMaxTerritories; ++t) {
        const TerritoryState& state = g_territories[static_cast<std::size_t>(t)];
        if (state.owner == player && state.armies > 1) each(t, state);
    }
}

void DrawPlacedTerritories(CChildView& view, std::int32_t player, char mark) {
    ForEachPlacedTerritory(player, [&](int t, const TerritoryState& state) {
        g_territoryHighlight[static_cast<std::size_t>(t)] = static_cast<std::uint8_t>(mark);
        view.DrawTerritoryArmies(t, state.armies, state.owner, g_isHighlightOn);
    });
    Invalidate(view);
}

void PlayPlayerRepaint(CChildView& view, std::int32_t player) {
    if (!IsPlayer(player)) return;
    rules::ActingAs current(player);
    view.ClearBusy();
    DrawPlacedTerritories(view, player, kNo);
    if (IsHost()) net::SendBoardToAll(view, net_code::kPlayerRepaint);
}

void PlayPlacementStep(CChildView& view, std::int32_t player) {
    if (!IsPlayer(player)) return;
    rules::ActingAs current(player);
    view.PlayGameSound(game_sound::kPlaceArmies);
    view.SetBusy();
    if (g_areTerritoriesHidden) g_isHidingActive = false;
    DrawPlacedTerritories(view, player, kYes);
    view.ClearBusy();
    if (g_areTerritoriesHidden) g_isHidingActive = true;
    if (!IsHost()) return;
    net::SendBoardToAll(view, net_code::kPlacementStep);
    view.ShowStatus(g_playerNames[static_cast<std::size_t>(player)] +
                    ", initial army placement.    ++Chat program on the taskbar++");
}

void PlayComputerPlacement(CChildView& view, std::int32_t player) {
    if (!IsPlayer(player)) return;
    rules::ActingAs current(player);
    view.ComputerPlaceArmies();
}

}  // namespace

void PlayEvent(CChildView& view, const QueueRecord& record) {
    switch (record.type) {
        case event_type::kTerritory:
            return PlayTerritory(view, record);
        case event_type::kText:
            return view.ShowStatus(record.text);
        case event_type::kCardTurnIn:
            return PlayCardTurnIn(view, record);
        case event_type::kCardsWindowOff:
            return PlayCardsWindowOff(view);
        case event_type::kContinentGained:
            return PlayContinent(view, record.a, true);
        case event_type::kContinentRepaint:
            return PlayContinent(view, record.a, false);
        case event_type::kNextPlayer:
            return PlayNextPlayer(view, record.a);
        case event_type::kComputerPlacement:
            return PlayComputerPlacement(view, record.a);
        case event_type::kGameEnd:
            return PlayGameEnd(view, false);
        case event_type::kPlayerRepaint:
            return PlayPlayerRepaint(view, record.a);
        case event_type::kPlacementStep:
            return PlayPlacementStep(view, record.a);
        default:
            return;  // a pause, or a type no one appends
    }
}

}  // namespace game_clock
