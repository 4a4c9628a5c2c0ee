// The computer player's initial placement.
#pragma once

#include <cstdint>

class CChildView;

namespace ai {

// Tops up the current player's one-army members of the continent from the pool: 3 each while
// the pool holds more than 2, else the rest.
void ComputerTopUpContinentTerritories(std::int32_t& pool, std::int32_t continent);
// The stronghold (strongholds on) and the whole start pool of the current player.
void PlaceStartArmies(CChildView& view);

}  // namespace ai
