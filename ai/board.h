// Read-only questions the computer player asks of the board, with every index checked: owners,
// armies, neighbours, continent members and borders, neighbour sums, territory and card counts
// and the reinforcements they bring. It changes the board only through the rules
// (core/rules/board_changes.h); an evaluation that weighs or supposes reads a copy of the board
// instead.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "ai/map_index.h"
#include "core/model/game_state.h"
#include "core/rules/reinforcements.h"
#include "core/rules/turn_order.h"

namespace ai {

using BoardTable = std::array<TerritoryState, kMaxTerritories + 1>;

// The board the computer reads: the game's own, or the copy of a BoardCopy in force.
inline const BoardTable* g_readBoard = &g_territories;

// A copy of the board as read now, read in its place until the copy ends: an evaluation may
// change it without ever touching the game.
class BoardCopy {
  public:
    BoardCopy() : copy_(*g_readBoard), saved_(g_readBoard) { g_readBoard = &copy_; }
    ~BoardCopy() { g_readBoard = saved_; }
    BoardCopy(const BoardCopy&) = delete;
    BoardCopy& operator=(const BoardCopy&) = delete;

    TerritoryState& operator[](std::int32_t t) { return copy_[static_cast<std::size_t>(t)]; }

  private:
    BoardTable copy_;
    const BoardTable* saved_;
};

inline std::int32_t Territories() {
    return TerritoriesInPlay();
}
inline std::int32_t Continents() {
    return ContinentsInPlay();
}
inline std::int32_t Players() {
    return std::clamp(g_playerCount, 0, kMaxPlayers);
}
inline bool IsContinent(std::int32_t c) {
    return c >= 1 && c <= Continents();
}
inline std::int32_t Current() {
    return IsPlayer(g_currentPlayer) ? g_currentPlayer : 0;
}
inline std::int32_t Owner(std::int32_t t) {
    return IsTerritoryInPlay(t) ? (*g_readBoard)[static_cast<std::size_t>(t)].owner : 0;
}
inline std::int32_t Armies(std::int32_t t) {
    return IsTerritoryInPlay(t) ? (*g_readBoard)[static_cast<std::size_t>(t)].armies : 0;
}
inline const PlayerRecord& Record(std::int32_t p) {
    return g_players[static_cast<std::size_t>(IsPlayer(p) ? p : 0)];
}
inline std::int32_t Stronghold(std::int32_t p) {
    return IsPlayer(p) ? g_players[static_cast<std::size_t>(p)][player_field::kStronghold] : 0;
}

// Calls each(n, slot) for t's neighbours, slots 1..11, up to the first 0.
template <typename Each>
void ForEachNeighbour(std::int32_t t, Each each) {
    if (!IsTerritoryInPlay(t)) return;
    const NeighbourList& list = g_neighbours[static_cast<std::size_t>(t)];
    for (int k = 1; k <= kMaxNeighbours && list[static_cast<std::size_t>(k)] != 0; ++k) {
        const std::int32_t n = list[static_cast<std::size_t>(k)];
        if (IsTerritoryInPlay(n)) each(n, k);
    }
}
inline bool IsNeighbour(std::int32_t a, std::int32_t b) {
    bool found = false;
    ForEachNeighbour(a, [&](std::int32_t n, int) { found = found || n == b; });
    return found;
}

inline std::int32_t MemberCount(std::int32_t c) {
    if (!IsContinent(c)) return 0;
    return std::clamp(g_continents[static_cast<std::size_t>(c)][kContinentMemberCount], 0,
                      kMaxContinentMembers);
}
inline std::int32_t Bonus(std::int32_t c) {
    return IsContinent(c) ? g_continents[static_cast<std::size_t>(c)][kContinentBonus] : 0;
}
// Calls each(member) in member order.
template <typename Each>
void ForEachMember(std::int32_t c, Each each) {
    for (int k = 1; k <= MemberCount(c); ++k) {
        const std::int32_t t =
            g_continents[static_cast<std::size_t>(c)][static_cast<std::size_t>(k)];
        if (IsTerritoryInPlay(t)) each(t);
    }
}
// Calls each(border territory) for c's border list, at most g_maxContinentBorder entries.
template <typename Each>
void ForEachBorder(std::int32_t c, Each each) {
    if (!IsContinent(c)) return;
    const int limit = std::clamp(g_maxContinentBorder, 0, kMaxContinentBorder);
    const ContinentBorderList& list = g_continentBorders[static_cast<std::size_t>(c)];
    for (int k = 1; k <= limit && list[static_cast<std::size_t>(k)] != 0; ++k) {
        const std::int32_t t = list[static_cast<std::size_t>(k)];
        if (IsTerritoryInPlay(t)) each(t);
    }
}
inline bool IsMemberOf(std::int32_t c, std::int32_t t) {
    if (g_mapIndex != nullptr)
        return IsContinent(c) && IsTerritoryInPlay(t) &&
               (g_mapIndex->continents[static_cast<std::size_t>(t)] >> c & 1u) != 0;
    bool found = false;
    ForEachMember(c, [&](std::int32_t m) { found = found || m == t; });
    return found;
}
inline bool IsBorderOf(std::int32_t c, std::int32_t t) {
    bool found = false;
    ForEachBorder(c, [&](std::int32_t b) { found = found || b == t; });
    return found;
}
// Continent 0 (none) and a continent without members are never held.
inline bool Holds(std::int32_t p, std::int32_t c) {
    if (g_mapIndex != nullptr) {
        if (!IsContinent(c) || g_mapIndex->memberCount[static_cast<std::size_t>(c)] == 0)
            return false;
        const auto& members = g_mapIndex->members[static_cast<std::size_t>(c)];
        const int n = g_mapIndex->membersInPlay[static_cast<std::size_t>(c)];
        for (int k = 0; k < n; ++k)
            if (Owner(members[static_cast<std::size_t>(k)]) != p) return false;
        return true;
    }
    if (MemberCount(c) == 0) return false;
    bool all = true;
    ForEachMember(c, [&](std::int32_t m) { all = all && Owner(m) == p; });
    return all;
}
// The first continent whose member list holds t; 0 = none.
inline std::int32_t ContinentOf(std::int32_t t) {
    if (g_mapIndex != nullptr)
        return IsTerritoryInPlay(t) ? g_mapIndex->firstContinent[static_cast<std::size_t>(t)] : 0;
    for (int c = 1; c <= Continents(); ++c)
        if (IsMemberOf(c, t)) return c;
    return 0;
}

// Around t for `player`: armies of other owners, that minus the player's own, and how many
// neighbours belong to others.
struct NeighbourSums {
    std::int32_t enemy = 0;
    std::int32_t net = 0;
    std::int32_t enemyCount = 0;
};
inline NeighbourSums SumsFor(std::int32_t t, std::int32_t player) {
    NeighbourSums sums;
    std::int32_t own = 0;
    ForEachNeighbour(t, [&](std::int32_t n, int) {
        if (Owner(n) == player) {
            own += Armies(n);
        } else {
            sums.enemy += Armies(n);
            ++sums.enemyCount;
        }
    });
    sums.net = sums.enemy - own;
    return sums;
}
inline NeighbourSums Sums(std::int32_t t) {
    return SumsFor(t, Current());
}
inline bool HasEnemyArmiesNext(std::int32_t t) {
    return Sums(t).enemy > 0;
}
inline bool HasEnemyNeighbour(std::int32_t t) {
    return Sums(t).enemyCount > 0;
}

inline std::int32_t TotalArmies(std::int32_t p) {
    std::int32_t sum = 0;
    for (int t = 1; t <= Territories(); ++t)
        if (Owner(t) == p) sum += Armies(t);
    return sum;
}
inline std::int32_t TerritoriesOf(std::int32_t p) {
    std::int32_t count = 0;
    for (int t = 1; t <= Territories(); ++t)
        if (Owner(t) == p) ++count;
    return count;
}
// Each player's territories on the board as read now; a player past the player count holds none.
inline rules::TerritoryCounts HeldOnBoard() {
    rules::TerritoryCounts held{};
    for (int p = 1; p <= Players(); ++p) held[static_cast<std::size_t>(p)] = TerritoriesOf(p);
    return held;
}

inline std::int32_t CardsOf(std::int32_t p) {
    return CardsHeld(p);
}

// The armies a player holding `territories` draws at a turn's start; the computer reads a divisor
// below 1 as 1.
inline std::int32_t ReinforcementDivisor() {
    return std::max(g_reinforcementDivisor, 1);
}
inline std::int32_t Reinforcements(std::int32_t territories) {
    return TerritoryReinforcements(territories, ReinforcementDivisor());
}

}  // namespace ai
