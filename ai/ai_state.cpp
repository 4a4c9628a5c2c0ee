// Storage of the computer player's tables, zero at start.
#include "ai/ai_state.h"

#include "core/model/session_state.h"

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

std::vector<PathRow> g_pathRows(kPathRowLimit + 2);
std::int32_t g_pathRowCount = 0;
bool g_aiSmallSourceMark = false;

std::vector<RouteCandidate> g_routeCandidates(g_routeCandidateLimit + 2);
std::vector<RouteCandidate> g_attackCandidates(g_attackCandidateLimit + 2);
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
