// The deal of a new game: start armies, one dealing attempt, the balance tests a deal must pass
// and the mission orders.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/model/game_state.h"

namespace platform {
class Random;
}

namespace deal {

// A map on which this many attempts all fail is refused rather than dealt for ever.
inline constexpr int kMaxAttempts = 20000;

inline constexpr char kRefusedCaption[] = "Marovek";
inline constexpr char kNoBalancedDealText[] =
    "The territories of this map cannot be dealt fairly to this many players. Please choose "
    "another map or another number of players.";
inline constexpr char kNoNeutralDealText[] =
    "This map cannot be played with the neutral army: every continent needs at least two "
    "territories.";

// Armies each player places after the deal; never negative.
std::int32_t StartArmies(std::int32_t territories, std::int32_t players);

// held[p][c]: members of continent c owned by player p.
using HeldTable = std::array<std::array<std::int32_t, kMaxContinents + 1>, kMaxPlayers + 1>;
HeldTable CountHeld(std::int32_t players);

// The tests of a deal on the board as dealt (g_territories).
bool PassesContinentShare(const HeldTable& held, std::int32_t players);
bool PassesBorderTest(const HeldTable& held, std::int32_t players);
// Players 1 and 2 each in every continent, and the small continents that one of them dominates
// bordered by the other.
bool PassesNeutralArmyTest(const HeldTable& held);
bool PassesAllTests(const HeldTable& held, std::int32_t players);

// False when no deal can ever give players 1 and 2 a territory in every continent.
bool CanDealWithNeutralArmy();

// Deals territories 1..g_territoryCount to players 1..players, one army each; every other slot
// is emptied. `dealt` receives each player's territory count.
void DealOnce(platform::Random& random, std::int32_t players,
              std::array<std::int32_t, kMaxPlayers + 1>& dealt);

// The shuffled continent order of one mission player.
void ShuffleMissionOrder(platform::Random& random, std::int32_t player);

}  // namespace deal
