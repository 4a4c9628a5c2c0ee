// Troop Experience: each player's strength in battle, in percent, from his share of the losses,
// recomputed at the start of every turn.
#pragma once

#include <cstdint>

#include "core/rules/turn_order.h"

namespace rules {

// Battles count experience once the player on turn has played this many turns, and a turn
// started at the board recomputes it from then on.
inline constexpr std::int32_t kExperienceFromTurn = 10;
// The computer's own turn start recomputes it one turn earlier.
inline constexpr std::int32_t kComputerExperienceFromTurn = 9;

// At the start of `player`'s turn, once he has played `fromTurn` turns: g_playersLeft by `held`,
// and each player's experience from his losses against the average of the players left; at
// least 50 up to the twelfth turn, none for a player out or without his stronghold, always 100
// for the neutral army. Either way the row of `player` in g_troopExperienceSnapshots takes every
// player's experience. A player outside the tables is brought to the nearest row of them.
void UpdateTroopExperience(std::int32_t player, std::int32_t fromTurn, const TerritoryCounts& held);

}  // namespace rules
