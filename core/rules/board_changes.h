// Every change of the board by a player's action, for the human and the computer alike: placing
// and moving armies, strongholds, army totals, turning cards in and a reinforcement's counters
// and statistics.
// Each checks its arguments here and answers what it applied; an attack's own losses and the
// conquest stay with its resolver, and the deal and a loaded board set the tables wholesale.
#pragma once

#include <array>
#include <cstdint>

#include "core/model/game_state.h"

struct CardSet;

namespace rules {

// A chosen stronghold gets this many armies more than its one; a territory holding exactly
// kStrongholdArmies is taken for a stronghold.
inline constexpr std::int32_t kStrongholdBonus = 14;
inline constexpr std::int32_t kStrongholdArmies = 1 + kStrongholdBonus;

// Whether a placement adds to the player's army total. The start pool is in it from the deal.
enum class Total { kAdd, kKeep };

// `count` more armies on `territory`, one of `player`'s. Answers how many were placed: `count`,
// or 0 for a count below 1, a player or territory outside the game, or another's territory.
std::int32_t PlaceArmies(std::int32_t player, std::int32_t territory, std::int32_t count,
                         Total total);

// How many armies `player` may move from `from` to `to`: all but the last one, when both are
// his, they differ and they are neighbours; else 0.
std::int32_t MovableArmies(std::int32_t player, std::int32_t from, std::int32_t to);
// Moves `count` armies, a conquest's follow-up or a free move. Answers `count`, or 0 for a count
// below 1 or above MovableArmies.
std::int32_t MoveArmies(std::int32_t player, std::int32_t from, std::int32_t to,
                        std::int32_t count);

// Where a turn's bonus armies came from, as the player's statistics count them.
enum class BonusFrom { kContinents, kCards };
// `count` of `player`'s armies placed from `from`. Answers `count`, or 0 for a count below 1 or a
// player outside the tables.
std::int32_t CountBonusPlaced(std::int32_t player, BonusFrom from, std::int32_t count);

// `territory`, one of `player`'s, becomes his stronghold. Answers whether it did.
bool SetStronghold(std::int32_t player, std::int32_t territory);

// A player's army total: recounted from the board, or set as the computer counted it while it
// weighed the armies. Answers whether the player is one of the tables'.
bool RecountArmies(std::int32_t player);
bool SetArmyTotal(std::int32_t player, std::int32_t armies);
// A player out of the game keeps no continent bonus.
bool ClearContinentBonus(std::int32_t player);

// The counters of a turn's reinforcement: one more taken, and without Troop Experience one loss
// for it and one more for a veteran of more than four turns outside network games who has fought
// the fewest battles of the players left (the lowest number on a tie).
bool CountReinforcementRound(std::int32_t player);

// The set's cards go from the player's hand into the deck and its armies join `pool`, all or
// nothing: refused for a set without cards, a negative count or a card the hand lacks.
bool TurnInCards(std::int32_t player, const CardSet& set, std::int32_t& pool);

// Every hand and the deck as they are now, put back when this ends: a turn-in only supposed
// while the computer weighs up a rival.
class CardsPutBack {
  public:
    CardsPutBack();
    ~CardsPutBack();
    CardsPutBack(const CardsPutBack&) = delete;
    CardsPutBack& operator=(const CardsPutBack&) = delete;

  private:
    std::array<std::array<std::int32_t, 4>, kMaxPlayers + 1> hands_{};
    std::array<std::int32_t, 4> deck_{};
};

}  // namespace rules
