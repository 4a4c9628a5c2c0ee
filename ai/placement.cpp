// Computer placement during a turn: the placement display, placements from the pools, the
// placement step on the top threat and the continent bonus with its card turn-in.
#include <algorithm>
#include <string>

#include "ai/ai_state.h"
#include "ai/board.h"
#include "ai/evaluation.h"
#include "ai/placement_target.h"
#include "core/child_view.h"
#include "core/model/session_state.h"
#include "core/rules/board_changes.h"
#include "core/turn/turn_state.h"

namespace {

using namespace player_field;

std::string Name(CChildView& view) {
    std::string name;
    view.GetComputerPlayerName(&name);
    return name;
}

std::string Count(std::int32_t n, const char* one, const char* many) {
    return " places " + std::to_string(n) + (n == 1 ? one : many);
}

// Shown highlighted, announced, added, then shown plain.
void PlacementDisplay(CChildView& view, std::int32_t t, std::int32_t n, const std::string& text) {
    view.SetBusy();
    g_pendingSound = game_sound::kPlaceArmies;
    view.QueueTerritoryUpdate(t);
    view.ClearBusy();
    view.QueueEventText(text);
    rules::PlaceArmies(ai::Current(), t, n, rules::Total::kAdd);
    view.SetBusy();
    view.QueueTerritoryUpdate(t);
    view.ClearBusy();
    view.QueueTerritoryUpdate(t);
}

}  // namespace

namespace ai {

std::int32_t TerritoryQuota() {
    return g_aiPlayerEstimates[static_cast<std::size_t>(Current())][2];
}

std::int32_t OwnPlacementTarget(std::int32_t t) {
    const std::int32_t p = Current();
    if (Owner(t) == p && p != 0) return t;
    if (Owner(Stronghold(p)) == p && p != 0) return Stronghold(p);
    std::int32_t first = 0;
    for (int u = 1; u <= Territories(); ++u) {
        if (Owner(u) != p) continue;
        if (HasEnemyNeighbour(u)) return u;
        if (first == 0) first = u;
    }
    return first;
}

}  // namespace ai

void CChildView::ComputerPlaceArmiesOn(std::int32_t territory, std::int32_t count) {
    if (count <= 0) return;
    const std::int32_t t = ai::OwnPlacementTarget(territory);
    if (t == 0) return;
    PlacementDisplay(*this, t, count, Name(*this) + Count(count, " army.", " armies."));
}

// The territory quota goes on the board at most once a turn, and only in a turn without an attack:
// as for a human, placing it closes the turn's attacks, and attacking forgoes it.
void CChildView::ComputerPlaceTerritoryArmies() {
    const std::int32_t t = ai::OwnPlacementTarget(g_aiTargetTerritory);
    if (!g_hasAttackedThisTurn && !g_aiTerritoryArmiesPlaced)
        ComputerPlaceTerritoryArmiesOn(t, ai::TerritoryQuota());
    g_aiPlacementDone = true;
}

void CChildView::ComputerPlaceTerritoryArmiesOn(std::int32_t territory, std::int32_t count) {
    if (g_hasAttackedThisTurn || count <= 0) return;
    const std::int32_t t = ai::OwnPlacementTarget(territory);
    if (t == 0) return;
    g_aiTerritoryArmiesPlaced = true;
    PlacementDisplay(
        *this, t, count,
        Name(*this) + " places " + std::to_string(count) + " armies based on territories.");
}

void CChildView::ComputerPlaceFromPool(std::int32_t count) {
    ++g_aiPoolPlacementRuns;
    if (g_aiArmiesToPlace > 0) {
        if (count <= g_aiArmiesToPlace) {
            ComputerPlaceArmiesOn(g_aiTargetTerritory, count);
            g_aiArmiesToPlace -= std::max(count, 0);
            return;
        }
        ComputerPlaceArmiesOn(g_aiTargetTerritory, g_aiArmiesToPlace);
        g_aiArmiesToPlace = 0;
    }
    ComputerPlaceTerritoryArmies();
}

// A need of 0 or less places nothing and leaves the pool as it is.
void CChildView::ComputerPlacementStep() {
    ++g_aiPlacementStepRuns;
    g_aiTargetTerritory = g_aiThreatList[1].id;
    const std::int32_t entry = ai::FindContinentEntry(g_aiTargetTerritory);
    if (entry > 0) g_aiTargetTerritory = entry;
    const std::int32_t need = -g_aiThreatMargin;
    if (g_aiArmiesToPlace <= 0) {
        ComputerPlaceTerritoryArmies();
        return;
    }
    if (g_aiArmiesToPlace < need) {
        ComputerPlaceArmiesOn(g_aiTargetTerritory, g_aiArmiesToPlace);
        g_aiArmiesToPlace = 0;
        ComputerPlaceTerritoryArmies();
        return;
    }
    if (need <= 0) return;
    ComputerPlaceArmiesOn(g_aiTargetTerritory, need);
    g_aiArmiesToPlace -= need;
}

void CChildView::ComputerPlaceContinentBonus() {
    const std::int32_t bonus =
        std::max(ai::Record(ai::Current())[player_field::kContinentBonus], 0);
    ComputerDecideCardTurnIn();
    const std::int32_t pool = g_aiArmiesToPlace;
    if (pool <= 0) return;
    if (pool > bonus) {
        QueueCardsEvent();
        return;
    }
    QueueEventText(Name(*this) +
                   Count(pool, " army based on continents.", " armies based on continents."));
}
