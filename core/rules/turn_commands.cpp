// The turn commands Attack, Move, Add and Cancel, and the probes of what a player can still do.
#include "core/rules/turn_commands.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "core/child_view.h"
#include "core/input/board_input.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/board_changes.h"
#include "core/rules/reinforcements.h"
#include "core/turn/turn_state.h"

char g_canAttackState = kMustPass;

void ResetTurnCommandsState() {
    g_canAttackState = kMustPass;
}

namespace {

constexpr std::int32_t kMovesPerTurn = 7;

// Visits the neighbours of t: at most 11, the list ends at the first 0.
template <typename Visit>
void ForEachNeighbour(std::int32_t t, Visit visit) {
    for (int k = 1; k <= kMaxNeighbours && g_neighbours[t][k] != 0; ++k)
        if (IsTerritoryInPlay(g_neighbours[t][k])) visit(g_neighbours[t][k]);
}

bool IsNextToAStronghold(std::int32_t t) {
    bool next = false;
    ForEachNeighbour(t, [&](std::int32_t n) {
        next = next || g_territories[n].armies == rules::kStrongholdArmies;
    });
    return next;
}

}  // namespace

namespace turn_commands {

ActionState ProbeActions(std::int32_t player) {
    ActionState state;
    for (int t = 1; t <= TerritoriesInPlay(); ++t) {
        if (g_territories[t].owner != player || g_territories[t].armies < 2) continue;
        std::int64_t enemyArmies = 0;
        bool ownNeighbour = false;
        ForEachNeighbour(t, [&](std::int32_t n) {
            if (g_territories[n].owner == player) {
                ownNeighbour = true;
            } else {
                enemyArmies += g_territories[n].armies;
            }
        });
        if (enemyArmies >= 1) state.attack = kCanAttack;
        if (ownNeighbour) state.move = kYes;
    }
    return state;
}

}  // namespace turn_commands

void CChildView::UpdateActionFlags() {
    const turn_commands::ActionState state = turn_commands::ProbeActions(g_currentPlayer);
    g_canAttackState = state.attack;
    g_canMoveState = state.move;
}

void CChildView::IsNextToStronghold(std::int32_t territory, bool* refused) {
    *refused = false;
    // A stronghold may stand next to another only when every territory of the player does.
    bool hasFreeTerritory = false;
    for (int t = TerritoriesInPlay(); t >= 1 && !hasFreeTerritory; --t)
        hasFreeTerritory = g_territories[t].owner == g_currentPlayer && !IsNextToAStronghold(t);
    if (hasFreeTerritory && IsTerritoryInPlay(territory) && IsNextToAStronghold(territory))
        *refused = true;
}

void CChildView::OnAttack() {
    g_isAttackFrom = true;
    g_canAttack = g_canAdd = g_canMove = g_canCards = g_canSave = g_canSaveAs = false;
    g_canCancel = true;
    QueueMessage("Attack from ?");
}

void CChildView::OnMoveArmies() {
    g_isMoveFrom = true;
    g_isAttackFrom = g_isAttackTo = false;
    g_canAttack = g_canMove = false;
    g_canCancel = true;
    QueueMessage("Move from ? ");
}

void CChildView::OnAdd() {
    if (g_isInitialPlacement || g_isAddForContinents || g_isAddForCards) return;
    g_isAddForTerritories = true;
    g_canAttack = g_canCards = g_canSave = g_canSaveAs = false;
    g_canCancel = true;
    QueueMessage(board_input::AddArmiesText(g_territoryArmiesToAdd, "territories"));
}

void CChildView::OnCancel() {
    if (g_isAttackFrom || g_isAttackTo) {
        g_canAttack = true;
        if (g_hasAttackedThisTurn) {
            g_canAdd = false;
            g_canNextPlayer = true;
        } else {
            g_canAdd = true;
            if (IsYes(g_canTurnInCards)) g_canCards = true;
        }
        if (g_movesLeft > 0) {
            UpdateActionFlags();
            if (IsYes(g_canMoveState)) g_canMove = true;
        } else {
            g_canMove = false;
        }
    }
    if (g_isMoveFrom || g_isMoveTo) {
        g_canMove = g_canNextPlayer = true;
        if (g_movesLeft == kMovesPerTurn) {
            UpdateActionFlags();
            if (g_canAttackState == kCanAttack) g_canAttack = true;
        }
    }
    if (g_isAddForTerritories) {
        const std::int32_t player = std::clamp(g_currentPlayer, 0, kMaxPlayers);
        const std::int32_t full = TerritoryReinforcements(
            g_players[player][player_field::kTerritories], g_reinforcementDivisor);
        if (g_territoryArmiesToAdd == full) {
            if (IsYes(g_canTurnInCards)) g_canCards = true;
            UpdateActionFlags();
            if (g_canAttackState == kCanAttack) g_canAttack = true;
        } else {
            g_canAttack = false;
            g_canNextPlayer = true;
        }
    }
    g_canCancel = false;
    g_isAttackFrom = g_isAttackTo = g_isMoveFrom = g_isMoveTo = g_isAddForTerritories = false;
    for (int t = 1; t <= TerritoriesInPlay(); ++t) {
        if (!IsYes(g_territoryHighlight[t])) continue;
        g_territoryHighlight[t] = kNo;
        MarkTerritoryAndSync(t);
    }
    QueueMessage(g_isFastSpeed ? " " : "Press Attack/Add etc.");
}
