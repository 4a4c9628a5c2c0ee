// The start of a player's turn: the announcement, Troop Experience, and for a local player the
// reinforcement phases, the card demand, the per-turn flags and the command enables.
#include "core/rules/reinforcements.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "core/child_view.h"
#include "core/input/board_input.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/troop_experience.h"
#include "core/rules/turn_order.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "platform/window_services.h"

std::int32_t g_territoryArmiesToAdd = 0;
std::int32_t g_continentArmiesToAdd = 0;
char g_hasEarnedCardThisTurn = kNo;
std::int32_t g_playersLeft = 0;

void ResetReinforcementsState() {
    g_territoryArmiesToAdd = g_continentArmiesToAdd = 0;
    g_hasEarnedCardThisTurn = kNo;
    g_playersLeft = 0;
}

namespace {

constexpr std::int32_t kMinimumReinforcement = 3;
constexpr std::int32_t kCardsDemanded = 5;

using namespace player_field;

}  // namespace

bool IsLocalPlayer(std::int32_t player) {
    return player >= 1 && (player <= g_humanPlayerCount || player == g_networkSeat);
}

std::int32_t TerritoryReinforcements(std::int32_t territories, std::int32_t divisor) {
    if (divisor < 1) divisor = kMinimumReinforcement;
    return std::max(kMinimumReinforcement, territories / divisor);
}

std::int32_t CardsHeld(std::int32_t player) {
    if (player < 1 || player > kMaxPlayers) return 0;
    const PlayerRecord& r = g_players[player];
    return r[kArtilleryCards] + r[kInfantryCards] + r[kCavalryCards] + r[kWildCards];
}

bool HoldsCardSet(std::int32_t player) {
    if (player < 1 || player > kMaxPlayers) return false;
    const PlayerRecord& r = g_players[player];
    const std::int32_t wild = r[kWildCards];
    const bool pair =
        std::max({r[kArtilleryCards], r[kInfantryCards], r[kCavalryCards], wild}) >= 2;
    return pair || (wild >= 1 && CardsHeld(player) - wild >= 1);
}

namespace {

// The fresh turn's flags and the enables every turn start resets.
void ResetTurnFlags(std::int32_t player) {
    g_isAttackTo = false;
    g_isMoveTo = false;
    if (IsNo(g_isJustOpened)) {
        g_isAddForContinents = false;
        g_hasEarnedCardThisTurn = kNo;
        g_hasAttackedThisTurn = false;
    }
    g_canTurnInCards = kNo;
    g_canSave = g_canSaveAs = g_canMove = g_canCancel = g_canNextPlayer = false;
    g_movesLeft = 0;
    g_territoryArmiesToAdd =
        TerritoryReinforcements(g_players[player][kTerritories], g_reinforcementDivisor);
    g_mustTurnInCards = 0;
}

void OfferCards(std::int32_t player) {
    const std::int32_t held = CardsHeld(player);
    if (held < 2 || held > 4 || g_hasAttackedThisTurn) return;
    g_canCards = true;
    if (HoldsCardSet(player)) g_canTurnInCards = kYes;
}

}  // namespace

void CChildView::ComputeReinforcements() {
    g_isHumanTurnStarted = true;
    const std::int32_t player = std::clamp(g_currentPlayer, 0, kMaxPlayers);
    const bool isLocal = IsLocalPlayer(player);
    PlayGameSound(game_sound::kNextPlayer);
    if (!g_isFastSpeed) QueueMessage((isLocal ? g_playerNames[player] : "") + " is next.");
    if (g_isTroopExperienceOn)
        rules::UpdateTroopExperience(player, rules::kExperienceFromTurn,
                                     rules::RecordedTerritories());
    DrawPlayersPanel();
    platform_.window.Invalidate();
    if (!isLocal) return;

    g_playersLeft = rules::PlayersLeft(rules::RecordedTerritories());
    // Fills the border threat list of the player's continents (evaluation tables only).
    ComputerReinforceContinentBorders();
    g_lossesShown = g_players[player][kLosses];
    g_playerRecordSnapshot = g_players;
    g_cardsLinePlayer = player;
    if (g_isFastestSpeed || g_areTerritoriesHidden) {
        if (g_areTerritoriesHidden) g_isHidingActive = true;
        for (int t = 1; t <= std::clamp(g_territoryCount, 0, kMaxTerritories); ++t)
            DrawTerritoryArmies(t, g_territories[t].armies, g_territories[t].owner, false);
        platform_.window.Invalidate();
    }
    ResetTurnFlags(player);
    OfferCards(player);

    if (IsNo(g_isJustOpened)) {
        const std::int32_t bonus = g_players[player][player_field::kContinentBonus];
        const bool mustTurnIn = CardsHeld(player) >= kCardsDemanded;
        if (bonus < 1 && mustTurnIn) {
            QueueMessage("You must turn in at least one set of cards.");
            g_canAttack = false;
            g_canCards = true;
            g_mustTurnInCards = kCardsDemanded;
            return;
        }
        if (bonus >= 1) {
            g_isAddForContinents = true;
            g_continentArmiesToAdd = bonus;
            const int times = g_networkSeat > 0 ? 3 : 1;
            for (int i = 0; i < times; ++i)
                QueueMessage(board_input::AddArmiesText(bonus, "continents"));
            g_canAttack = false;
            if (IsYes(g_canTurnInCards)) g_canCards = false;
            if (mustTurnIn) g_mustTurnInCards = kCardsDemanded;
            return;
        }
    }
    g_isJustOpened = kNo;
    UpdateActionFlags();
    AppendMessage(message_type::kTurnEnables).a = g_canAttackState == kCanAttack ? 1 : 0;
    if (!g_isHighScoreGame && g_gameKind != game_kind::kNetworkJoined)
        g_canSave = g_canSaveAs = true;
    if (!g_isFastSpeed) QueueMessage("press Attack/Add etc.");
}
