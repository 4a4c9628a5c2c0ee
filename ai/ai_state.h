// The computer player's process-wide tables: score tables, target lists, attack options, path
// rows, route candidates and plans, the turn's pools and the planning state of the driver.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/game_state.h"

// One entry of a score table: {id, value}; entries are numbered from 1.
struct ScoreEntry {
    std::int32_t id = 0;
    std::int32_t value = 0;
};

inline constexpr int kThreatEntries = 200;  // room for every territory of the largest map
inline constexpr int kTargetListEntries = 20;
inline constexpr int kAttackOptionLimit = 100;
inline constexpr int kPathRowLimit = 60000;
inline constexpr int kPathRowLength = 16;  // territories in one path row, end mark behind

// The plans of a computer turn by number: g_aiPlan and the index of the plan tables.
namespace ai_plan {
inline constexpr std::int32_t kNone = 0;
// Armies onto the border of a held continent that is in most danger.
inline constexpr std::int32_t kReinforceThreatenedBorder = 3;
// An attack pass on the continent chosen to take.
inline constexpr std::int32_t kTakeContinent = 4;
// An attack on the border territory of another player's continent ranked first.
inline constexpr std::int32_t kBreakEnemyContinent = 5;
// Along a route to the one border territory a continent still lacks.
inline constexpr std::int32_t kCompleteContinentByRoute = 8;
// Along a route into a continent the strongest rival holds.
inline constexpr std::int32_t kRouteIntoRivalContinent = 9;
// On World, along a route through the leader's territories of Asia and Australia.
inline constexpr std::int32_t kRouteThroughLeader = 12;
inline constexpr std::int32_t kAttackWeakestOpponent = 13;
inline constexpr std::int32_t kAttackWeakestNeighbour = 14;  // weakest next to the player's armies
inline constexpr std::int32_t kRouteToStronghold = 15;
inline constexpr std::int32_t kGuardStronghold = 16;   // every army onto the own stronghold
inline constexpr std::int32_t kStrikeStronghold = 17;  // a weaker stronghold next door attacked
// Pool armies where the k-th rival after the current player is about to take its continent.
inline constexpr std::int32_t kBlockRival1 = 6;
inline constexpr std::int32_t kBlockRival2 = 7;
inline constexpr std::int32_t kBlockRival3 = 10;
inline constexpr std::int32_t kBlockRival4 = 11;
inline constexpr std::int32_t kBlockRival5 = 22;
inline constexpr std::int32_t kBlockRival6 = 23;
inline constexpr std::int32_t kBlockRival7 = 24;
inline constexpr std::int32_t kBlockRival8 = 25;
inline constexpr std::int32_t kBlockRival9 = 26;
// The pool plans for the 1st to 9th rival.
inline constexpr std::array<std::int32_t, 9> kBlockRivalPlans{
    kBlockRival1, kBlockRival2, kBlockRival3, kBlockRival4, kBlockRival5,
    kBlockRival6, kBlockRival7, kBlockRival8, kBlockRival9};
}  // namespace ai_plan
inline constexpr int kPlanCount = ai_plan::kBlockRival9;  // the highest plan number

// The score tables by the kind SortScoreTables is given.
namespace score_table {
inline constexpr std::int32_t kPlayerStrengths = 1;
inline constexpr std::int32_t kThreatList = 2;
inline constexpr std::int32_t kContinentRanking = 3;
inline constexpr std::int32_t kTerritoryRanking = 4;
inline constexpr std::int32_t kContinentsByBonus = 5;
inline constexpr std::int32_t kPlayerRanking = 6;
}  // namespace score_table
extern std::array<ScoreEntry, kMaxPlayers + 1> g_playerStrengths;         // descending
extern std::array<ScoreEntry, kThreatEntries + 1> g_aiThreatList;         // ascending
extern std::array<ScoreEntry, kMaxContinents + 1> g_aiContinentRanking;   // descending
extern std::array<ScoreEntry, kThreatEntries + 1> g_aiTerritoryRanking;   // descending
extern std::array<ScoreEntry, kMaxContinents + 1> g_aiContinentsByBonus;  // ascending
extern std::array<ScoreEntry, kMaxPlayers + 1> g_playerRanking;           // descending
extern std::int32_t g_aiThreatListCount;
extern std::int32_t g_aiTerritoryRankingCount;
extern std::int32_t g_aiContinentRankingCount;

// Territory lists, 0 ends them.
extern std::array<std::int32_t, kTargetListEntries + 1> g_aiTargetList;
extern std::array<std::int32_t, kTargetListEntries + 1> g_aiOwnList;
extern std::array<std::int32_t, kMaxContinents + 1> g_aiContinentCandidates;
extern std::int32_t g_cardsSelectedCount;  // shared scratch count

// Another player's continent ranking, as RankContinentsForAllPlayers copied it.
struct RivalRanking {
    std::int32_t player = 0;
    std::array<ScoreEntry, kMaxContinents + 1> ranking{};
};
extern std::array<RivalRanking, kMaxPlayers + 1> g_aiRivalContinentRankings;
extern std::int32_t g_aiRivalCount;

// Attack options of the last listing.
struct AttackOption {
    std::int32_t from = 0;
    std::int32_t to = 0;
    std::int32_t attackers = 0;
    std::int32_t defenders = 0;
};
extern std::array<AttackOption, kAttackOptionLimit + 1> g_aiAttackOptions;
extern std::int32_t g_aiAttackOptionCount;
extern std::int32_t g_aiBestAttackOption;
extern double g_aiBestOddsRatio;
extern std::int32_t g_aiContinentOptionCount;  // options of the ranking's own ChooseAttackTargets

// Path rows: positions 1..16, 0 behind the last territory.
using PathRow = std::array<std::uint8_t, kPathRowLength + 2>;
extern std::vector<PathRow> g_pathRows;
extern std::int32_t g_pathRowCount;
// The next path search starts from a source of fewer than kSmallSource armies.
extern bool g_aiSmallSourceMark;
inline constexpr std::int32_t kSmallSource = 10;

// Route candidates and attack candidates along route rows.
struct RouteCandidate {
    std::int32_t row = 0;
    std::int32_t target = 0;  // position
    std::int32_t source = 0;  // position
    std::int32_t margin = 0;  // attack candidates only
};
inline constexpr std::int32_t g_routeCandidateLimit = 8000;
inline constexpr std::int32_t g_attackCandidateLimit = 2000;
extern std::vector<RouteCandidate> g_routeCandidates;
extern std::vector<RouteCandidate> g_attackCandidates;
extern std::int32_t g_routeCandidateCount;
extern std::int32_t g_attackCandidateCount;
extern std::int32_t g_aiChosenAttackCandidate;

struct RoutePlan {
    std::int32_t row = 0;
    std::int32_t start = 0;
    std::int32_t end = 0;
    std::int32_t margin = 0;
};
extern RoutePlan g_aiContinentRoutePlan;
extern RoutePlan g_aiLeaderRoutePlan;
extern RoutePlan g_aiStrongholdRoutePlan;

// The turn's pools and targets.
extern std::int32_t g_aiArmiesToPlace;
extern std::int32_t g_aiCardArmies;
extern std::int32_t g_aiCardTotal;
extern std::int32_t g_aiTargetTerritory;
extern std::int32_t g_aiTargetNeighbourSlot;
extern std::int32_t g_aiThreatMargin;
// Per player: [0] continent bonus, [1] card value, [2] quota, [3] top rival bonus, [4] top rival
// card value.
extern std::array<std::array<std::int32_t, 5>, kMaxPlayers + 1> g_aiPlayerEstimates;
extern std::array<std::int32_t, kPlanCount + 1> g_aiPoolAmounts;
extern std::array<std::int32_t, kPlanCount + 1> g_aiPoolTargets;
extern std::int32_t g_aiPlanContinent;
extern std::int32_t g_aiRouteTarget;
extern std::int32_t g_aiWeakestOpponent;
extern std::int32_t g_aiWeakestOpponentScore;
extern std::int32_t g_aiWeakestNeighbourOpponent;
extern std::int32_t g_aiWeakestNeighbourScore;

// The driver.
// g_actingPlayerName is declared by the board rendering (render/render_state.h).
extern std::array<std::int32_t, kPlanCount + 1> g_aiPlanScores;
extern std::int32_t g_aiPlan;
extern std::int32_t g_aiPlanScore;
extern std::int32_t g_aiPlanCycle;
extern bool g_aiPlacementDone;
extern bool g_aiTerritoryArmiesPlaced;  // this turn's territory quota is on the board
extern std::int32_t g_aiPlacementStepRuns;
extern std::int32_t g_aiPoolPlacementRuns;
extern std::int32_t g_aiTargetAttackRuns;
extern std::int32_t g_aiAttackPassDone;
extern std::int32_t g_aiAttackPassPlan;  // kAttackWeakestNeighbour while its pass runs
extern std::int32_t g_aiLeader;
extern char g_isLeaderDominant;
extern std::int32_t g_aiQuotaThreshold;
extern char g_aiIsSmallArmy;
extern char g_aiIsSmallArmyAlt;
extern char g_aiThreatCheck;
extern std::int32_t g_aiStrongholdAttackFrom;  // kStrikeStronghold's attacking territory
extern bool g_areMissilesEnabled;

// Puts every table and value above, and each player's last victim (g_aiLastTargets), back to
// its value at program start.
void ResetAiState();
