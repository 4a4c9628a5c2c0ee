// Where a computer placement may land: never on another player's territory.
#pragma once

#include <cstdint>

namespace ai {

// t when it is the current player's; else the player's stronghold, else its first territory with
// an enemy neighbour, else its first territory; 0 when it owns none.
std::int32_t OwnPlacementTarget(std::int32_t t);
// The current player's territory quota of this turn.
std::int32_t TerritoryQuota();

}  // namespace ai
