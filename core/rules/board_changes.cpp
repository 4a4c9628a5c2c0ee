// The changes of the board by a player's action and the checks that guard them.
#include "core/rules/board_changes.h"

#include <algorithm>

#include "core/cards/cards.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"

namespace rules {

namespace {

using namespace player_field;

constexpr std::int32_t kVeteranTurns = 4;

bool IsPlayer(std::int32_t player) {
    return player >= 1 && player <= kMaxPlayers;
}

PlayerRecord& RecordOf(std::int32_t player) {
    return g_players[static_cast<std::size_t>(player)];
}

TerritoryState& At(std::int32_t territory) {
    return g_territories[static_cast<std::size_t>(territory)];
}

bool Owns(std::int32_t player, std::int32_t territory) {
    return IsPlayer(player) && IsTerritoryInPlay(territory) && At(territory).owner == player;
}

// The neighbour list ends at its first 0.
bool AreNeighbours(std::int32_t a, std::int32_t b) {
    const NeighbourList& list = g_neighbours[static_cast<std::size_t>(a)];
    for (int k = 1; k <= kMaxNeighbours && list[static_cast<std::size_t>(k)] != 0; ++k)
        if (list[static_cast<std::size_t>(k)] == b) return true;
    return false;
}

std::int32_t FewestBattlesPlayer() {
    std::int32_t fewest = 0;
    for (std::int32_t p = 1; p <= std::clamp(g_playerCount, 0, kMaxPlayers); ++p) {
        const PlayerRecord& r = RecordOf(p);
        if (r[kTerritories] > 0 &&
            (fewest == 0 || r[kBattlesFought] < RecordOf(fewest)[kBattlesFought]))
            fewest = p;
    }
    return fewest;
}

std::array<std::int32_t*, 4> Deck() {
    return {&g_deckArtilleryCards, &g_deckInfantryCards, &g_deckCavalryCards, &g_deckWildCards};
}

// The hand's fields in the order of the deck.
constexpr std::array<int, 4> kHandFields{kArtilleryCards, kInfantryCards, kCavalryCards,
                                         kWildCards};

}  // namespace

std::int32_t PlaceArmies(std::int32_t player, std::int32_t territory, std::int32_t count,
                         Total total) {
    if (count < 1 || !Owns(player, territory)) return 0;
    At(territory).armies += count;
    if (total == Total::kAdd) RecordOf(player)[kArmies] += count;
    return count;
}

std::int32_t MovableArmies(std::int32_t player, std::int32_t from, std::int32_t to) {
    if (from == to || !Owns(player, from) || !Owns(player, to) || !AreNeighbours(from, to))
        return 0;
    return std::max(At(from).armies - 1, 0);
}

std::int32_t MoveArmies(std::int32_t player, std::int32_t from, std::int32_t to,
                        std::int32_t count) {
    if (count < 1 || count > MovableArmies(player, from, to)) return 0;
    At(from).armies -= count;
    At(to).armies += count;
    return count;
}

std::int32_t CountBonusPlaced(std::int32_t player, BonusFrom from, std::int32_t count) {
    if (count < 1 || !IsPlayer(player)) return 0;
    RecordOf(player)[from == BonusFrom::kCards ? kPlacedFromCards : kPlacedFromContinents] += count;
    return count;
}

bool SetStronghold(std::int32_t player, std::int32_t territory) {
    if (!Owns(player, territory)) return false;
    RecordOf(player)[kStronghold] = territory;
    return true;
}

bool RecountArmies(std::int32_t player) {
    if (!IsPlayer(player)) return false;
    std::int32_t armies = 0;
    for (int t = 1; t <= TerritoriesInPlay(); ++t)
        if (At(t).owner == player) armies += At(t).armies;
    RecordOf(player)[kArmies] = armies;
    return true;
}

bool SetArmyTotal(std::int32_t player, std::int32_t armies) {
    if (!IsPlayer(player)) return false;
    RecordOf(player)[kArmies] = armies;
    return true;
}

bool ClearContinentBonus(std::int32_t player) {
    if (!IsPlayer(player)) return false;
    RecordOf(player)[player_field::kContinentBonus] = 0;
    return true;
}

bool CountReinforcementRound(std::int32_t player) {
    if (!IsPlayer(player)) return false;
    PlayerRecord& record = RecordOf(player);
    ++record[kReinforcementCount];
    if (g_isTroopExperienceOn) return true;
    ++record[kLosses];
    const bool veteran = g_turnsPlayed[static_cast<std::size_t>(player)] > kVeteranTurns;
    if (!IsNetworkGame() && veteran && FewestBattlesPlayer() == player) ++record[kLosses];
    return true;
}

bool TurnInCards(std::int32_t player, const CardSet& set, std::int32_t& pool) {
    if (!IsPlayer(player)) return false;
    const std::array<std::int32_t, 4> cards{set.artillery, set.infantry, set.cavalry, set.wild};
    PlayerRecord& hand = RecordOf(player);
    std::int32_t total = 0;
    for (std::size_t kind = 0; kind < cards.size(); ++kind) {
        const std::int32_t held = hand[static_cast<std::size_t>(kHandFields[kind])];
        if (cards[kind] < 0 || (cards[kind] > 0 && cards[kind] > held)) return false;
        total += cards[kind];
    }
    if (total == 0) return false;
    const auto deck = Deck();
    for (std::size_t kind = 0; kind < cards.size(); ++kind) {
        hand[static_cast<std::size_t>(kHandFields[kind])] -= cards[kind];
        *deck[kind] += cards[kind];
    }
    pool += set.armies;
    return true;
}

CardsPutBack::CardsPutBack() {
    for (int p = 1; p <= kMaxPlayers; ++p)
        for (std::size_t kind = 0; kind < kHandFields.size(); ++kind)
            hands_[static_cast<std::size_t>(p)][kind] =
                RecordOf(p)[static_cast<std::size_t>(kHandFields[kind])];
    const auto deck = Deck();
    for (std::size_t kind = 0; kind < deck.size(); ++kind) deck_[kind] = *deck[kind];
}

CardsPutBack::~CardsPutBack() {
    for (int p = 1; p <= kMaxPlayers; ++p)
        for (std::size_t kind = 0; kind < kHandFields.size(); ++kind)
            RecordOf(p)[static_cast<std::size_t>(kHandFields[kind])] =
                hands_[static_cast<std::size_t>(p)][kind];
    const auto deck = Deck();
    for (std::size_t kind = 0; kind < deck.size(); ++kind) *deck[kind] = deck_[kind];
}

}  // namespace rules
