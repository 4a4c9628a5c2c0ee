// Rankings of the evaluation: continents to take for every player, enemy continent borders,
// the weakest opponents, and the shares test that lowers attack plans.
#include <algorithm>
#include <vector>

#include "ai/ai_state.h"
#include "ai/board.h"
#include "ai/evaluation.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/turn/turn_state.h"

namespace ai {

namespace {

using namespace player_field;

constexpr std::int32_t kMaxOpponentTerritories = 20;
constexpr std::int32_t kNoScore = 32000;

std::int32_t ContinentValue(std::int32_t c, std::int32_t p) {
    std::int32_t value = 0;
    ForEachMember(c,
                  [&](std::int32_t m) { value += Owner(m) == p ? Armies(m) : -(Armies(m) + 2); });
    std::vector<std::int32_t> seen;
    ForEachBorder(c, [&](std::int32_t b) {
        ForEachNeighbour(b, [&](std::int32_t n, int) {
            if (IsMemberOf(c, n) || std::find(seen.begin(), seen.end(), n) != seen.end()) return;
            seen.push_back(n);
            if (Owner(n) == p)
                value += Armies(n);
            else if (Armies(n) > 2 && !(g_hasNeutralArmy && Owner(n) == kNeutralPlayer))
                value -= Armies(n) - 2;
        });
    });
    return value;
}

bool HeldBySomeone(std::int32_t c) {
    for (int q = 1; q <= Players(); ++q)
        if (Holds(q, c)) return true;
    return false;
}

// Armies and count of q's first 20 territories, which also fill the target list.
std::int32_t FillTargetsOf(std::int32_t q) {
    g_aiTargetList.fill(0);
    std::int32_t listed = 0, armies = 0;
    for (int t = 1; t <= Territories() && listed < kTargetListEntries; ++t) {
        if (Owner(t) != q) continue;
        g_aiTargetList[static_cast<std::size_t>(++listed)] = t;
        armies += Armies(t);
    }
    return armies;
}

bool BordersUsableTerritoryOf(std::int32_t q, std::int32_t p) {
    const bool hasArmiesToCome = g_aiArmiesToPlace > 0 || g_aiCardArmies > 0;
    for (int t = 1; t <= Territories(); ++t) {
        if (Owner(t) != q) continue;
        bool found = false;
        ForEachNeighbour(t, [&](std::int32_t n, int) {
            found = found || (Owner(n) == p && (Armies(n) >= 2 || hasArmiesToCome));
        });
        if (found) return true;
    }
    return false;
}

void PickWeakest(bool withOptions, std::int32_t& winner, std::int32_t& best) {
    const std::int32_t p = Current();
    const auto savedTargets = g_aiTargetList;
    winner = 0;
    best = kNoScore;
    for (int q = 1; q <= Players(); ++q) {
        if (q == p || TotalArmies(q) < 1) continue;
        if (IsActiveAvenger(p) && q != g_avengeTargets[static_cast<std::size_t>(p)]) continue;
        const std::int32_t owned = TerritoriesOf(q);
        const std::int32_t armies = FillTargetsOf(q);
        bool counts = false;
        if (withOptions)
            counts = ChooseAttackTargets() > 0 && owned <= kMaxOpponentTerritories;
        else
            counts =
                owned >= 1 && owned <= kMaxOpponentTerritories && BordersUsableTerritoryOf(q, p);
        if (!counts) continue;
        const std::int32_t score = armies + owned;
        if (score >= best) continue;
        best = score;
        winner = q;
    }
    g_aiTargetList = savedTargets;
}

struct PlanTarget {
    std::int32_t armies = 0;
    std::int32_t owner = 0;
};

PlanTarget TargetOfPlan(std::int32_t plan) {
    PlanTarget target;
    switch (plan) {
        case ai_plan::kTakeContinent:
            for (int k = 1;
                 k <= kTargetListEntries && g_aiTargetList[static_cast<std::size_t>(k)] != 0; ++k)
                target.armies += Armies(g_aiTargetList[static_cast<std::size_t>(k)]);
            target.owner = Owner(g_aiTargetList[1]);
            break;
        case ai_plan::kBreakEnemyContinent:
            target.armies = Armies(g_aiTerritoryRanking[1].id);
            target.owner = Owner(g_aiTerritoryRanking[1].id);
            break;
        case ai_plan::kRouteIntoRivalContinent: {
            if (g_aiChosenAttackCandidate < 1) break;
            const RouteCandidate& c =
                g_attackCandidates[static_cast<std::size_t>(g_aiChosenAttackCandidate)];
            const int step = c.target > c.source ? 1 : -1;
            for (int k = c.source + step; k != c.target + step; k += step)
                target.armies += Armies(RouteAt(c.row, k));
            target.owner = Owner(RouteAt(c.row, c.target));
            break;
        }
        case ai_plan::kAttackWeakestOpponent:
            target = {g_aiWeakestOpponentScore, g_aiWeakestOpponent};
            break;
        case ai_plan::kAttackWeakestNeighbour:
            target = {g_aiWeakestNeighbourScore, g_aiWeakestNeighbourOpponent};
            break;
        default:
            break;
    }
    return target;
}

void TestPlanShares(std::int32_t plan) {
    std::int32_t& score = g_aiPlanScores[static_cast<std::size_t>(plan)];
    if (score <= 0) return;
    const std::int32_t p = Current();
    std::array<std::int32_t, kMaxPlayers + 1> totals{};
    for (int q = 1; q <= kMaxPlayers; ++q) totals[static_cast<std::size_t>(q)] = Record(q)[kArmies];
    const PlanTarget target = TargetOfPlan(plan);
    totals[static_cast<std::size_t>(p)] -= target.armies;
    if (IsPlayer(target.owner)) totals[static_cast<std::size_t>(target.owner)] -= target.armies;
    if (totals[static_cast<std::size_t>(p)] < 25) {
        score = 0;
        return;
    }
    const std::int32_t dominant = FindDominantPlayer(totals.data());
    if (dominant == 0 || dominant == p) return;
    const bool excused = plan == ai_plan::kTakeContinent
                             ? g_aiLeader != 0
                             : g_aiLeader == target.owner && g_aiLeader != 0;
    if (excused) return;
    score = 0;
    if (plan == ai_plan::kTakeContinent) g_aiIsSmallArmyAlt = kYes;
    if (plan == ai_plan::kBreakEnemyContinent || plan == ai_plan::kRouteIntoRivalContinent)
        g_aiIsSmallArmy = kYes;
}

}  // namespace

void RankContinentsToTake() {
    const std::int32_t p = Current();
    g_aiTargetList.fill(0);
    g_aiOwnList.fill(0);
    g_aiContinentRanking.fill({});
    g_aiContinentCandidates.fill(0);
    std::int32_t listed = 0;
    for (int c = 1; c <= Continents(); ++c) {
        if (Holds(p, c) || MemberCount(c) == 0) continue;
        g_aiContinentCandidates[static_cast<std::size_t>(++listed)] = c;
        g_aiContinentRanking[static_cast<std::size_t>(listed)] = {c, ContinentValue(c, p)};
    }
    g_cardsSelectedCount = g_aiContinentRankingCount = listed;
    if (listed == 0) return;
    SortScoreTables(score_table::kContinentRanking, listed);
    const std::int32_t own = Stronghold(p);
    if (g_areStrongholdsOn && IsTerritoryInPlay(own)) {
        const std::int32_t home = ContinentOf(own);
        if (home != 0 && !Holds(p, home) && g_aiContinentRanking[1].id != home)
            g_aiContinentRanking[1] = {home, g_aiContinentRanking[1].value - 200};
    }
    std::int32_t owned = 0, targets = 0;
    ForEachMember(g_aiContinentRanking[1].id, [&](std::int32_t m) {
        if (Owner(m) == p)
            g_aiOwnList[static_cast<std::size_t>(++owned)] = m;
        else
            g_aiTargetList[static_cast<std::size_t>(++targets)] = m;
    });
}

void RankContinentsForAllPlayers() {
    const std::int32_t p = Current();
    g_aiRivalCount = RivalCount();
    std::int32_t q = p;
    for (int k = 1; k <= g_aiRivalCount; ++k) {
        q = q >= Players() ? 1 : q + 1;
        rules::ActingAs rival(q);
        RankContinentsToTake();
        g_aiRivalContinentRankings[static_cast<std::size_t>(k)] = {q, g_aiContinentRanking};
    }
    RankContinentsToTake();
    g_aiContinentOptionCount = ChooseAttackTargets();
}

void RankEnemyContinentBorders() {
    const std::int32_t p = Current();
    g_aiTerritoryRanking.fill({});
    const std::int32_t least = IsYes(g_isOneForOneRule) ? 3 : 2;
    std::int32_t count = 0;
    for (int c = 1; c <= Continents(); ++c) {
        if (Holds(p, c) || !HeldBySomeone(c)) continue;
        ForEachBorder(c, [&](std::int32_t b) {
            std::int32_t score = -Armies(b);
            bool marked = false;
            ForEachNeighbour(b, [&](std::int32_t n, int) {
                if (Owner(n) != p) return;
                if (Armies(n) + g_aiCardArmies + g_aiArmiesToPlace < least) return;
                score += Armies(n);
                marked = true;
            });
            if (marked && count < kThreatEntries)
                g_aiTerritoryRanking[static_cast<std::size_t>(++count)] = {b, score};
        });
    }
    g_aiTerritoryRankingCount = count;
    SortScoreTables(score_table::kTerritoryRanking, count);
}

void PickWeakestOpponent() {
    PickWeakest(true, g_aiWeakestOpponent, g_aiWeakestOpponentScore);
}

void PickWeakestNeighbourOpponent() {
    PickWeakest(false, g_aiWeakestNeighbourOpponent, g_aiWeakestNeighbourScore);
}

void EvaluateContinentShares() {
    for (std::int32_t plan :
         {ai_plan::kTakeContinent, ai_plan::kBreakEnemyContinent, ai_plan::kRouteIntoRivalContinent,
          ai_plan::kAttackWeakestOpponent, ai_plan::kAttackWeakestNeighbour})
        TestPlanShares(plan);
    if (g_aiLeader != 0) return;
    std::int32_t biggest = 0;
    for (int t = 1; t <= Territories(); ++t)
        if (Armies(t) > Armies(biggest)) biggest = t;
    if (biggest == 0 || Owner(biggest) == Current() || Armies(biggest) < 41) return;
    std::int32_t elsewhere = 0;
    for (int t = 1; t <= Territories(); ++t)
        if (t != biggest) elsewhere = std::max(elsewhere, Armies(t));
    if (Armies(biggest) <= 2 * elsewhere) return;
    for (std::int32_t plan :
         {ai_plan::kTakeContinent, ai_plan::kBreakEnemyContinent,
          ai_plan::kCompleteContinentByRoute, ai_plan::kRouteIntoRivalContinent})
        g_aiPlanScores[static_cast<std::size_t>(plan)] = 0;
    g_aiIsSmallArmy = kYes;
}

}  // namespace ai
