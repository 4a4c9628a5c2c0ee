// The computer player's evaluations: score tables and board tests, attack paths and attack
// options, predefined routes and route plans. All work for g_currentPlayer and change no game
// table (FindAttackPath only adds the routes it learns).
#pragma once

#include <cstdint>
#include <optional>

#include "ai/board.h"

namespace ai {

// Score tables and board tests.
void SortScoreTables(std::int32_t kind, std::int32_t count);
std::int32_t FindContinentOfBorderTerritory(std::int32_t territory);
void RatePlayerStrengths(std::int32_t mode);
// The reinforcement of an equal share of the board among the players left, and two more: a
// rival's reinforcement from this on makes him a strong rival.
std::int32_t QuotaThreshold();
std::int32_t FindDominantPlayer(const std::int32_t* counts);  // counts[1..10]
void RankContinentsToTake();
void RankContinentsForAllPlayers();
void RankEnemyContinentBorders();
void PickWeakestOpponent();
void PickWeakestNeighbourOpponent();
void EvaluateContinentShares();
struct ThreatenedTerritory {
    std::int32_t territory = 0;
    bool keep = true;  // false: the pool plan is not wanted
};
ThreatenedTerritory FindThreatenedContinentTerritory(std::int32_t continent);
std::int32_t FindBorderTerritoryNextTo(std::int32_t territory, std::int32_t continent);
std::int32_t FindContinentEntry(std::int32_t territory);  // -1: into a held continent
bool IsSingleEntryBorder(std::int32_t territory);
std::int32_t ComputeArmiesToMove(std::int32_t from, std::int32_t to, std::int32_t available,
                                 std::int32_t mode);
std::int32_t ComputeArmiesToLeave(std::int32_t mode, std::int32_t available);
// Rival k of RankContinentsForAllPlayers: two always, one more per player from 4 to 10.
std::int32_t RivalCount();

// Attack paths and options.
struct PathChoice {
    std::int32_t row = 0;  // of g_pathRows, 0 = none
    std::int32_t value = 0;
};
PathChoice FindAttackPath(std::int32_t from, std::int32_t to, std::int32_t mode);
bool CanExtendPath(std::int32_t territory, std::int32_t depth, const std::uint8_t* path);
std::int32_t ChooseAttackTargets();
bool EvaluateConquestGain(std::int32_t attacker, std::int32_t target);
void ListAttackCandidates(std::int32_t mode);

// Routes.
std::int32_t FindPredefinedRoute(std::int32_t territory);
void ProtectKeyTerritory(std::int32_t territory, std::int32_t& position, std::int32_t& value,
                         std::int32_t mode);
void FindRouteIntoContinent(std::int32_t continent);
void PlanBestAttack(std::int32_t depth);
void PlanRouteAttacks();
void PlanRouteMoves();
// The territory of a route row at a position; 0 outside 1..16.
std::int32_t RouteAt(std::int32_t row, std::int32_t position);
// Fills g_aiContinentsByBonus with every continent, ascending by bonus.
void FillContinentsByBonus();

// Every human out of the game (a host: every seat 1..g_lastNetworkSeat), or the demo.
bool AreHumansOutOrDemo();

// Armies weighed by Troop Experience, read instead of the board's while an evaluation runs.
class WeighedArmies {
  public:
    explicit WeighedArmies(bool active);
    WeighedArmies(const WeighedArmies&) = delete;
    WeighedArmies& operator=(const WeighedArmies&) = delete;

  private:
    std::optional<BoardCopy> weighed_;
};

}  // namespace ai
