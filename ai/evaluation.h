// The computer player's evaluations: score tables and board tests, attack paths and attack
// options, predefined routes and route plans. All work for g_currentPlayer and change no game
// table (FindAttackPath only adds the routes it learns).
#pragma once

#include <cstdint>
#include <optional>

#include "ai/board.h"

namespace ai {

// How RatePlayerStrengths rates the players.
namespace strength {
inline constexpr std::int32_t kWithoutContinents = 0;
inline constexpr std::int32_t kWithContinents = 1;  // ten times each held continent's bonus added
}  // namespace strength

// The attack that ComputeArmiesToMove, ComputeArmiesToLeave and ComputerMoveIntoConquered move
// after.
namespace conquest_move {
inline constexpr std::int32_t kNoFallback = -1;   // MoveIntoConquered: nothing when none move
inline constexpr std::int32_t kBestAttack = 0;    // the best single attack on the board
inline constexpr std::int32_t kAttackPass = 4;    // a pass over a target list
inline constexpr std::int32_t kTargetAttack = 5;  // one chosen target
inline constexpr std::int32_t kRouteStep = 9;     // a single step along a route
}  // namespace conquest_move

// Which chain FindAttackPath takes when no predefined route serves.
namespace chain_choice {
inline constexpr std::int32_t kFewestDefenders = 0;
inline constexpr std::int32_t kMostArmiesLeft = 3;  // of the source's, at the end of the chain
}  // namespace chain_choice

// Which attacks ListAttackCandidates lists.
namespace candidate_search {
// From the continent ranked first to take, or from a strong territory next to its border.
inline constexpr std::int32_t kIntoTopContinent = 1;
// Easy conquests of the strongest player's territories (the other's, when only two are left).
inline constexpr std::int32_t kPickOffLeader = 2;
// From territories of 55 armies or more.
inline constexpr std::int32_t kFromBigArmies = 3;
}  // namespace candidate_search

// The direction a route is walked in, for ProtectKeyTerritory.
namespace route_direction {
inline constexpr std::int32_t kBackward = 0;
inline constexpr std::int32_t kForward = 1;
}  // namespace route_direction

// Score tables and board tests.
void SortScoreTables(std::int32_t kind, std::int32_t count);
std::int32_t FindContinentOfBorderTerritory(std::int32_t territory);
void RatePlayerStrengths(std::int32_t mode);
// The reinforcement of an equal share of the board among the players left, and two more: a
// rival's reinforcement from this on makes him a strong rival.
std::int32_t QuotaThreshold();
std::int32_t FindDominantPlayer(const std::int32_t* counts);  // counts[1..10]
// An Avenger whose personality is in play and who has a player to avenge itself on.
bool IsActiveAvenger(std::int32_t player);
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
// The route plan of kCompleteContinentByRoute or of kRouteIntoRivalContinent.
void PlanBestAttack(std::int32_t plan);
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
