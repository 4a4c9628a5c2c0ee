// The turn start: who plays at this machine, the reinforcement counts and Troop Experience.
#pragma once

#include <cstdint>

// A player is local when played at this machine: a human of the hotseat or this network seat.
bool IsLocalPlayer(std::int32_t player);

// Armies for the territories owned: one per `divisor` territories, at least 3.
std::int32_t TerritoryReinforcements(std::int32_t territories, std::int32_t divisor);

// The four card counts of a player, 0 for a player outside the tables, and whether they make a
// set to turn in.
std::int32_t CardsHeld(std::int32_t player);
bool HoldsCardSet(std::int32_t player);
