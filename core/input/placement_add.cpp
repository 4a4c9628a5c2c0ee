// The three add phases of the board click: the turn's armies for territories, for continents
// and for cards.
#include <algorithm>

#include "core/child_view.h"
#include "core/input/board_input.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/board_changes.h"
#include "core/rules/reinforcements.h"
#include "core/turn/turn_state.h"

namespace board_input {

namespace {

constexpr std::int32_t kMustTurnIn = 5;

const PlayerRecord& Current() {
    return g_players[static_cast<std::size_t>(std::clamp(g_currentPlayer, 0, kMaxPlayers))];
}

// The first placement of a turn's reinforcement is counted, with the losses it costs.
void CountReinforcementRound() {
    rules::CountReinforcementRound(g_currentPlayer);
    g_lossesShown = Current()[player_field::kLosses];
}

// What the player may do once the bonus armies are all placed.
void EnableTurnActions(CChildView& view) {
    view.UpdateActionFlags();
    if (g_canAttackState == kCanAttack) g_canAttack = true;
    g_canAdd = true;
    if (!g_isHighScoreGame) g_canSave = g_canSaveAs = true;
}

struct BonusPhase {
    bool& open;
    std::int32_t& pool;
    rules::BonusFrom from;
    const char* what;
    bool mayDemandCards;
};

Flow PlaceBonus(CChildView& view, std::int32_t territory, const BonusPhase& phase) {
    g_isPlacementClick = true;
    view.SelectPlacementTerritory(territory);
    if (g_selectedTerritory == 0) return Flow::Continue;
    std::int32_t n = 0;
    view.AskArmyCount(&n, 0, phase.pool);
    rules::CountBonusPlaced(g_currentPlayer, phase.from, n);
    view.PlaceArmies(&phase.pool, n);
    if (phase.pool > 0) {
        view.QueueMessage(AddArmiesText(phase.pool, phase.what));
        return Flow::Continue;
    }
    phase.open = false;
    if (phase.mayDemandCards && g_mustTurnInCards == kMustTurnIn) {
        view.QueueMessage("You must turn in at least one set of cards.");
        g_canCards = true;
        return Flow::Continue;
    }
    EnableTurnActions(view);
    if (phase.mayDemandCards && IsYes(g_canTurnInCards)) g_canCards = true;
    if (!g_isFastSpeed) view.QueueMessage("Press Attack/Add etc.");
    return Flow::Continue;
}

}  // namespace

Flow AddForTerritoriesBlock(CChildView& view, std::int32_t territory) {
    g_isPlacementClick = true;
    view.SelectPlacementTerritory(territory);
    if (g_selectedTerritory == 0) return Flow::Continue;
    g_canCancel = false;
    std::int32_t n = 0;
    view.AskArmyCount(&n, 0, g_territoryArmiesToAdd);
    const std::int32_t full =
        TerritoryReinforcements(Current()[player_field::kTerritories], g_reinforcementDivisor);
    const bool nothingPlacedYet = g_territoryArmiesToAdd == full;
    if (n == 0 && nothingPlacedYet) {
        // The player backs out of adding and may attack or add later.
        if (IsYes(g_canTurnInCards)) g_canCards = true;
        view.UpdateActionFlags();
        if (g_canAttackState == kCanAttack) g_canAttack = true;
        g_isAddForTerritories = false;
        view.PlaceArmies(&g_territoryArmiesToAdd, 0);
        return Flow::Continue;
    }
    g_canAttack = g_canSave = g_canSaveAs = false;
    if (nothingPlacedYet) CountReinforcementRound();
    view.PlaceArmies(&g_territoryArmiesToAdd, n);
    if (g_territoryArmiesToAdd > 0) {
        view.QueueMessage(AddArmiesText(g_territoryArmiesToAdd, "territories"));
        return Flow::Continue;
    }
    // Adding the territory reinforcement ends the turn.
    g_isAddForTerritories = false;
    g_canAdd = false;
    g_canNextPlayer = true;
    view.QueueMessage(" ");
    view.NextPlayer();
    return Flow::Continue;
}

Flow AddForContinentsBlock(CChildView& view, std::int32_t territory) {
    return PlaceBonus(view, territory,
                      {g_isAddForContinents, g_continentArmiesToAdd, rules::BonusFrom::kContinents,
                       "continents", true});
}

Flow AddForCardsBlock(CChildView& view, std::int32_t territory) {
    return PlaceBonus(
        view, territory,
        {g_isAddForCards, g_cardArmiesToAdd, rules::BonusFrom::kCards, "cards", false});
}

}  // namespace board_input
