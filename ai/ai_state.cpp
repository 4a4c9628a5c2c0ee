// Storage of the computer player's tables, zero at start.
#include "ai/ai_state.h"

#include "ai/board.h"

#include "core/model/session_state.h"

namespace {
constexpr std::size_t kPathRowRecords = kPathRowLimit + 2;
constexpr std::size_t kRouteCandidateRecords = g_routeCandidateLimit + 2;
constexpr std::size_t kAttackCandidateRecords = g_attackCandidateLimit + 2;
}  // namespace

std::array<ScoreEntry, kMaxPlayers + 1> g_playerStrengths{};
std::array<ScoreEntry, kThreatEntries + 1> g_aiThreatList{};
std::array<ScoreEntry, kMaxContinents + 1> g_aiContinentRanking{};
std::array<ScoreEntry, kThreatEntries + 1> g_aiTerritoryRanking{};
std::array<ScoreEntry, kMaxContinents + 1> g_aiContinentsByBonus{};
std::array<ScoreEntry, kMaxPlayers + 1> g_playerRanking{};
std::int32_t g_aiThreatListCount = 0;
std::int32_t g_aiTerritoryRankingCount = 0;
std::int32_t g_aiContinentRankingCount = 0;

std::array<std::int32_t, kTargetListEntries + 1> g_aiTargetList{};
std::array<std::int32_t, kTargetListEntries + 1> g_aiOwnList{};
std::array<std::int32_t, kMaxContinents + 1> g_aiContinentCandidates{};
std::int32_t g_cardsSelectedCount = 0;

std::array<RivalRanking, kMaxPlayers + 1> g_aiRivalContinentRankings{};
std::int32_t g_aiRivalCount = 0;

std::array<AttackOption, kAttackOptionLimit + 1> g_aiAttackOptions{};
std::int32_t g_aiAttackOptionCount = 0;
std::int32_t g_aiBestAttackOption = 0;
double g_aiBestOddsRatio = 0.0;
std::int32_t g_aiContinentOptionCount = 0;

std::vector<PathRow> g_pathRows(kPathRowRecords);
std::int32_t g_pathRowCount = 0;
bool g_aiSmallSourceMark = false;

std::vector<RouteCandidate> g_routeCandidates(kRouteCandidateRecords);
std::vector<RouteCandidate> g_attackCandidates(kAttackCandidateRecords);
std::int32_t g_routeCandidateCount = 0;
std::int32_t g_attackCandidateCount = 0;
std::int32_t g_aiChosenAttackCandidate = 0;

RoutePlan g_aiContinentRoutePlan{};
RoutePlan g_aiLeaderRoutePlan{};
RoutePlan g_aiStrongholdRoutePlan{};

std::int32_t g_aiArmiesToPlace = 0;
std::int32_t g_aiCardArmies = 0;
std::int32_t g_aiCardTotal = 0;
std::int32_t g_aiTargetTerritory = 0;
std::int32_t g_aiTargetNeighbourSlot = 0;
std::int32_t g_aiThreatMargin = 0;
std::array<std::array<std::int32_t, 5>, kMaxPlayers + 1> g_aiPlayerEstimates{};
std::array<std::int32_t, kPlanCount + 1> g_aiPoolAmounts{};
std::array<std::int32_t, kPlanCount + 1> g_aiPoolTargets{};
std::int32_t g_aiPlanContinent = 0;
std::int32_t g_aiRouteTarget = 0;
std::int32_t g_aiWeakestOpponent = 0;
std::int32_t g_aiWeakestOpponentScore = 0;
std::int32_t g_aiWeakestNeighbourOpponent = 0;
std::int32_t g_aiWeakestNeighbourScore = 0;

std::array<std::int32_t, kPlanCount + 1> g_aiPlanScores{};
std::int32_t g_aiPlan = ai_plan::kNone;
std::int32_t g_aiPlanScore = 0;
std::int32_t g_aiPlanCycle = 0;
bool g_aiPlacementDone = false;
bool g_aiTerritoryArmiesPlaced = false;
std::int32_t g_aiPlacementStepRuns = 0;
std::int32_t g_aiPoolPlacementRuns = 0;
std::int32_t g_aiTargetAttackRuns = 0;
std::int32_t g_aiAttackPassDone = 0;
std::int32_t g_aiAttackPassPlan = ai_plan::kNone;
std::int32_t g_aiLeader = 0;
char g_isLeaderDominant = kNo;
std::int32_t g_aiQuotaThreshold = 0;
char g_aiIsSmallArmy = kNo;
char g_aiIsSmallArmyAlt = kNo;
char g_aiThreatCheck = kNo;
std::int32_t g_aiStrongholdAttackFrom = 0;
bool g_areMissilesEnabled = false;

std::array<LastTarget, kMaxPlayers + 1> g_aiLastTargets{};

void ResetAiState() {
    g_playerStrengths.fill({});
    g_aiThreatList.fill({});
    g_aiContinentRanking.fill({});
    g_aiTerritoryRanking.fill({});
    g_aiContinentsByBonus.fill({});
    g_playerRanking.fill({});
    g_aiThreatListCount = g_aiTerritoryRankingCount = g_aiContinentRankingCount = 0;
    g_aiTargetList.fill(0);
    g_aiOwnList.fill(0);
    g_aiContinentCandidates.fill(0);
    g_cardsSelectedCount = 0;
    g_aiRivalContinentRankings.fill({});
    g_aiRivalCount = 0;
    g_aiAttackOptions.fill({});
    g_aiAttackOptionCount = g_aiBestAttackOption = 0;
    g_aiBestOddsRatio = 0.0;
    g_aiContinentOptionCount = 0;
    g_pathRows.assign(kPathRowRecords, PathRow{});
    g_pathRowCount = 0;
    g_aiSmallSourceMark = false;
    g_routeCandidates.assign(kRouteCandidateRecords, RouteCandidate{});
    g_attackCandidates.assign(kAttackCandidateRecords, RouteCandidate{});
    g_routeCandidateCount = g_attackCandidateCount = g_aiChosenAttackCandidate = 0;
    g_aiContinentRoutePlan = g_aiLeaderRoutePlan = g_aiStrongholdRoutePlan = RoutePlan{};
    g_aiArmiesToPlace = g_aiCardArmies = g_aiCardTotal = 0;
    g_aiTargetTerritory = g_aiTargetNeighbourSlot = g_aiThreatMargin = 0;
    g_aiPlayerEstimates.fill({});
    g_aiPoolAmounts.fill(0);
    g_aiPoolTargets.fill(0);
    g_aiPlanContinent = g_aiRouteTarget = 0;
    g_aiWeakestOpponent = g_aiWeakestOpponentScore = 0;
    g_aiWeakestNeighbourOpponent = g_aiWeakestNeighbourScore = 0;
    g_aiPlanScores.fill(0);
    g_aiPlan = g_aiPlanScore = g_aiPlanCycle = 0;
    g_aiPlacementDone = g_aiTerritoryArmiesPlaced = false;
    g_aiPlacementStepRuns = g_aiPoolPlacementRuns = g_aiTargetAttackRuns = 0;
    g_aiAttackPassDone = g_aiAttackPassPlan = g_aiLeader = 0;
    g_isLeaderDominant = kNo;
    g_aiQuotaThreshold = 0;
    g_aiIsSmallArmy = g_aiIsSmallArmyAlt = g_aiThreatCheck = kNo;
    g_aiStrongholdAttackFrom = 0;
    g_areMissilesEnabled = false;
    g_aiLastTargets.fill({});
    ai::g_readBoard = &g_territories;
}
