// The strategy step: what every player can muster, and a score for every plan of the turn.
#include <algorithm>

#include "ai/ai_state.h"
#include "ai/board.h"
#include "ai/evaluation.h"
#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/board_changes.h"
#include "core/turn/turn_state.h"

namespace ai {

namespace {

using namespace player_field;

std::int32_t& Score(std::int32_t plan) {
    return g_aiPlanScores[static_cast<std::size_t>(plan)];
}

std::int32_t CardValue(std::int32_t cards) {
    if (cards == 2) return 5;
    if (cards == 3) return 10;
    if (cards == 4 || cards == 5) return 15;
    return 0;
}

void FillEstimates() {
    for (auto& e : g_aiPlayerEstimates) e.fill(0);
    for (int q = 1; q <= Players(); ++q) {
        auto& e = g_aiPlayerEstimates[static_cast<std::size_t>(q)];
        const std::int32_t owned = TerritoriesOf(q);
        if (owned == 0) {
            rules::ClearContinentBonus(q);
            continue;
        }
        e[0] = Record(q)[player_field::kContinentBonus];
        e[1] = CardValue(CardsOf(q));
        e[2] = Reinforcements(owned);
    }
    for (int field = 0; field < 2; ++field) {
        std::int32_t top = 0, second = 0, holder = 0;
        for (int q = 1; q <= Players(); ++q) {
            const std::int32_t v =
                g_aiPlayerEstimates[static_cast<std::size_t>(q)][static_cast<std::size_t>(field)];
            if (v > top) {
                second = top;
                top = v;
                holder = q;
            } else {
                second = std::max(second, v);
            }
        }
        for (int q = 1; q <= Players(); ++q)
            g_aiPlayerEstimates[static_cast<std::size_t>(q)][static_cast<std::size_t>(field + 3)] =
                q == holder ? second : top;
    }
}

// When another player leads, a plan only counts against the leader.
bool LeaderRuleKeeps(std::int32_t victim) {
    const std::int32_t p = Current();
    return g_aiLeader == 0 || g_aiLeader == p || victim == g_aiLeader;
}

void ScoreContinentPlan(std::int32_t p, std::int32_t rivalsTop) {
    const std::int32_t toCome = g_aiCardArmies + g_aiArmiesToPlace;
    g_aiPlanContinent = 0;
    const std::int32_t v = toCome - rivalsTop + g_aiContinentRanking[1].value;
    if (g_aiContinentOptionCount > 0) {
        if (v >= 8 && g_aiContinentRanking[1].id != 0) Score(ai_plan::kTakeContinent) = v;
        return;
    }
    std::int32_t best = 7;
    for (int i = 1; i <= g_aiContinentRankingCount; ++i) {
        const ScoreEntry& entry = g_aiContinentRanking[static_cast<std::size_t>(i)];
        if (entry.id == 0) break;
        g_aiTargetList.fill(0);
        std::int32_t listed = 0;
        ForEachMember(entry.id, [&](std::int32_t m) {
            if (Owner(m) != p && listed < kTargetListEntries)
                g_aiTargetList[static_cast<std::size_t>(++listed)] = m;
        });
        if (ChooseAttackTargets() == 0) continue;
        const std::int32_t value = entry.value - rivalsTop + toCome;
        if (value <= best) continue;
        best = value;
        g_aiPlanContinent = entry.id;
    }
    const std::int32_t chosen =
        g_aiPlanContinent != 0 ? g_aiPlanContinent : g_aiContinentRanking[1].id;
    g_aiTargetList.fill(0);
    std::int32_t listed = 0;
    ForEachMember(chosen, [&](std::int32_t m) {
        if (Owner(m) != p && listed < kTargetListEntries)
            g_aiTargetList[static_cast<std::size_t>(++listed)] = m;
    });
    if (g_aiPlanContinent != 0) Score(ai_plan::kTakeContinent) = best;
}

void ScorePoolPlans(std::int32_t p) {
    for (int k = 1; k <= std::min<std::int32_t>(RivalCount(), 9); ++k) {
        const std::int32_t plan = ai_plan::kBlockRivalPlans[static_cast<std::size_t>(k - 1)];
        const RivalRanking& rival = g_aiRivalContinentRankings[static_cast<std::size_t>(k)];
        const std::int32_t r = rival.player;
        g_aiPoolAmounts[static_cast<std::size_t>(plan)] = 0;
        g_aiPoolTargets[static_cast<std::size_t>(plan)] = 0;
        if (!IsPlayer(r) || r == p) continue;
        const auto& e = g_aiPlayerEstimates[static_cast<std::size_t>(r)];
        const std::int32_t v = e[0] - e[4] - e[3] + e[1] + rival.ranking[1].value;
        std::int32_t score = v > 3 ? v : 0;
        std::int32_t amount = score;
        const ThreatenedTerritory threatened =
            FindThreatenedContinentTerritory(rival.ranking[1].id);
        if (!threatened.keep) score = 0;
        if (!LeaderRuleKeeps(r) || g_hasAttackedThisTurn) score = 0;
        const bool noAttackPlan = Score(ai_plan::kReinforceThreatenedBorder) <= 0 &&
                                  Score(ai_plan::kTakeContinent) <= 0 &&
                                  Score(ai_plan::kBreakEnemyContinent) <= 0 &&
                                  Score(ai_plan::kRouteIntoRivalContinent) <= 0;
        if (g_hasNeutralArmy && k <= 2 && g_turnsPlayed[static_cast<std::size_t>(p)] < 6 &&
            r == 1 && noAttackPlan) {
            amount = 5;
            score += 10;
        }
        if (threatened.territory == 0) score = 0;
        Score(plan) = score;
        g_aiPoolAmounts[static_cast<std::size_t>(plan)] = amount;
        g_aiPoolTargets[static_cast<std::size_t>(plan)] = threatened.territory;
    }
}

void ScoreOpponentPlans(std::int32_t p) {
    const std::int32_t total = TotalArmies(p);
    const bool avenger = IsActiveAvenger(p);
    const std::int32_t s13 = g_aiWeakestOpponentScore;
    if (g_aiWeakestOpponent != 0 && total - s13 >= 26 && s13 < total / 2)
        Score(ai_plan::kAttackWeakestOpponent) = 100;
    if (!avenger && g_aiLeader != 0 && g_aiLeader != p) Score(ai_plan::kAttackWeakestOpponent) = 0;
    const std::int32_t s14 = g_aiWeakestNeighbourScore;
    if (g_aiWeakestNeighbourOpponent != 0 && total - s14 > 25 &&
        (avenger || g_aiLeader == 0 || g_aiLeader == p))
        Score(ai_plan::kAttackWeakestNeighbour) = s14 < 20          ? 100
                                                  : s14 < total / 5 ? 50
                                                  : s14 < total / 2 ? 20
                                                                    : 0;
    if (Score(ai_plan::kAttackWeakestOpponent) >= 1) Score(ai_plan::kAttackWeakestNeighbour) = 0;
}

void TestDominantLeader(std::int32_t p) {
    const std::int32_t g = g_playerStrengths[1].id;
    auto power = [](std::int32_t q) {
        const auto& e = g_aiPlayerEstimates[static_cast<std::size_t>(IsPlayer(q) ? q : 0)];
        return e[2] + e[0];
    };
    std::int32_t others = 0;
    for (int k = 2; k <= Players(); ++k)
        others += power(g_playerStrengths[static_cast<std::size_t>(k)].id);
    g_isLeaderDominant = kNo;
    if (g == 0 || g == p || power(g) < others) return;
    for (std::int32_t plan : ai_plan::kBlockRivalPlans) Score(plan) = 0;
    if (g_aiLeader != 0 && g_aiLeader != p) g_isLeaderDominant = YesNo(power(g) > others);
}

bool AreAllHumansOut() {
    const std::int32_t humans = g_networkSeat == 1 ? std::clamp(g_lastNetworkSeat, 0, kMaxPlayers)
                                                   : std::clamp(g_humanPlayerCount, 0, kMaxPlayers);
    for (int h = 1; h <= humans; ++h)
        if (TerritoriesOf(h) > 0) return false;
    return true;
}

}  // namespace

bool AreHumansOutOrDemo() {
    return g_isDemoRunning || g_gameKind == game_kind::kDemo || AreAllHumansOut();
}

}  // namespace ai

using namespace ai;

void CChildView::ComputerChooseStrategy() {
    const std::int32_t p = Current();
    g_aiPlanScores.fill(0);
    FillEstimates();
    const auto& mine = g_aiPlayerEstimates[static_cast<std::size_t>(p)];
    const std::int32_t rivalsTop = mine[3] + mine[4];
    const std::int32_t toCome = g_aiCardArmies + g_aiArmiesToPlace;
    if (g_aiThreatList[1].id != 0) {
        g_aiThreatMargin = g_aiThreatList[1].value - rivalsTop;
        Score(ai_plan::kReinforceThreatenedBorder) =
            g_aiThreatMargin < 0 && !g_hasAttackedThisTurn ? -g_aiThreatMargin : 0;
    }
    ScoreContinentPlan(p, rivalsTop);
    if (g_aiContinentRoutePlan.row != 0 && g_aiContinentRoutePlan.margin - rivalsTop > 7)
        Score(ai_plan::kCompleteContinentByRoute) = g_aiContinentRoutePlan.margin - rivalsTop;
    ScorePoolPlans(p);
    ScoreOpponentPlans(p);
    TestDominantLeader(p);
    const std::int32_t first = g_aiTerritoryRanking[1].id;
    if (first != 0) {
        const std::int32_t v = toCome + g_aiTerritoryRanking[1].value;
        Score(ai_plan::kBreakEnemyContinent) = v >= 2 && LeaderRuleKeeps(Owner(first)) ? v : 0;
    }
    RatePlayerStrengths(strength::kWithoutContinents);
    g_aiIsSmallArmy = g_aiIsSmallArmyAlt = kNo;
    const std::int32_t strongest = g_playerStrengths[1].id;
    if (g_playersLeft > 2 && g_aiLeader != 0 && Score(ai_plan::kBreakEnemyContinent) >= 1 &&
        Owner(first) != strongest && p != strongest) {
        Score(ai_plan::kBreakEnemyContinent) = 0;
        g_aiIsSmallArmy = kYes;
    }
    if (g_aiChosenAttackCandidate >= 1 && g_aiChosenAttackCandidate <= g_attackCandidateCount) {
        const RouteCandidate& c =
            g_attackCandidates[static_cast<std::size_t>(g_aiChosenAttackCandidate)];
        if (c.margin > 2) Score(ai_plan::kRouteIntoRivalContinent) = c.margin;
        g_aiRouteTarget = RouteAt(c.row, c.target);
        if (g_playersLeft > 2 && g_aiLeader != 0 && Score(ai_plan::kRouteIntoRivalContinent) > 0 &&
            Owner(g_aiRouteTarget) != strongest && p != strongest) {
            Score(ai_plan::kRouteIntoRivalContinent) = 0;
            g_aiIsSmallArmy = kYes;
        }
    } else {
        g_aiRouteTarget = 0;
    }
    RatePlayerStrengths(strength::kWithContinents);
    if (g_playersLeft > 2) EvaluateContinentShares();
    if (AreHumansOutOrDemo()) {
        bool big = false;
        for (int t = 1; t <= Territories(); ++t) big = big || Armies(t) > 55;
        if (big) {
            Score(ai_plan::kReinforceThreatenedBorder) = 0;
            for (std::int32_t plan : ai_plan::kBlockRivalPlans) Score(plan) = 0;
            g_aiIsSmallArmy = g_aiIsSmallArmyAlt = kNo;
        }
    }
    if (IsYes(g_aiIsSmallArmy) || IsYes(g_aiIsSmallArmyAlt)) {
        Score(ai_plan::kCompleteContinentByRoute) = Score(ai_plan::kAttackWeakestOpponent) =
            Score(ai_plan::kAttackWeakestNeighbour) = 0;
        g_isLeaderDominant = kNo;
    }
}

void CChildView::SortScoreTables(std::int32_t kind, std::int32_t count) {
    ai::SortScoreTables(kind, count);
}

void CChildView::RatePlayerStrengths(std::int32_t mode) {
    ai::RatePlayerStrengths(mode);
}

std::int32_t CChildView::FindAttackPath(std::int32_t from, std::int32_t to, std::int32_t mode,
                                        std::int32_t* value) {
    const ai::PathChoice choice = ai::FindAttackPath(from, to, mode);
    if (value != nullptr) *value = choice.value;
    return choice.row;
}
