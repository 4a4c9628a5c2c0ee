// The threat list of the held continents' borders, and where the armies go when a turn ends
// without an attack.
#include <algorithm>

#include "ai/ai_state.h"
#include "ai/board.h"
#include "ai/evaluation.h"
#include "core/child_view.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/board_changes.h"
#include "core/rules/turn_order.h"
#include "core/turn/turn_state.h"

namespace {

using namespace ai;

constexpr std::int32_t kRequired = 20;
constexpr std::int32_t kRequiredQuiet = 12;
constexpr std::int32_t kRequiredEasy = 7;
constexpr std::int32_t kFullGarrison = 56;

// The best path score of any other player's territory towards b: the danger it is in.
std::int32_t Danger(std::int32_t b, std::int32_t x) {
    const std::int32_t p = Current();
    const std::int32_t floor = Armies(b) + (x > 0 ? Armies(x) : 0);
    std::int32_t best = 0;
    for (int q = 1; q <= Players(); ++q) {
        if (q == p) continue;
        rules::ActingAs rival(q);
        for (int t = 1; t <= Territories(); ++t) {
            if (Owner(t) != q || Armies(t) <= 2 || Armies(t) <= floor) continue;
            if (!HasEnemyArmiesNext(t)) continue;
            g_aiSmallSourceMark = Armies(t) < kSmallSource;
            best = std::max(best, FindAttackPath(t, b, chain_choice::kMostArmiesLeft).value);
        }
    }
    return best;
}

void EnterThreat(std::int32_t& count, std::int32_t t, std::int32_t value) {
    if (count >= kThreatEntries) return;
    g_aiThreatList[static_cast<std::size_t>(++count)] = {t, value};
}

void AssessBorder(std::int32_t b, std::int32_t& count) {
    const bool easy = !g_isNormalLevel;
    const std::int32_t x = FindContinentEntry(b);
    std::int32_t required = kRequired;
    if (Sums(b).enemy == 0) {
        const bool quietGate = x == 0 && (g_hasNeutralArmy || g_playersLeft == 2);
        if (quietGate || (x > 0 && Sums(x).enemy == 0)) required = kRequiredQuiet;
    }
    if (easy) required = kRequiredEasy;
    std::int32_t shortfall = 0;
    if (Armies(b) < required) {
        if (x <= 0)
            shortfall = Armies(b) - required;
        else if (Armies(x) + Armies(b) < required)
            shortfall = Armies(x) + Armies(b) - required;
    }
    std::int32_t value = Armies(b);
    if (Armies(b) >= 1) {
        const std::int32_t danger = Danger(b, x);
        value = danger > 0 ? -danger + shortfall : shortfall < 0 ? shortfall : Armies(b);
    }
    if (easy) {
        if (Armies(b) < kRequiredEasy) EnterThreat(count, b, -1);
        return;
    }
    const std::int32_t guard = x > 0 ? x : b;
    if (Sums(guard).enemy > 0)
        EnterThreat(count, b, value);
    else if (shortfall < 0)
        EnterThreat(count, b, shortfall);
}

std::int32_t FirstOwn(std::int32_t limit, bool needsSingleArmy) {
    const std::int32_t p = Current();
    for (int t = 1; t <= Territories(); ++t) {
        if (Owner(t) != p || !HasEnemyArmiesNext(t)) continue;
        if (needsSingleArmy ? Armies(t) == 1 : Armies(t) < limit) return t;
    }
    return 0;
}

std::int32_t CrowdedContinentTarget(std::int32_t c) {
    const std::int32_t p = Current();
    if (Bonus(c) >= 3 || g_playersLeft <= 2 || c == 0) return 0;
    const std::int32_t level = Bonus(c) == 2 ? 55 : 35;
    std::int32_t mine = 0, theirs = 0;
    ForEachMember(c, [&](std::int32_t m) { (Owner(m) == p ? mine : theirs) += Armies(m); });
    if (mine < level || theirs < level) return 0;
    for (int t = 1; t <= Territories(); ++t) {
        if (Owner(t) != p || Armies(t) > level || !HasEnemyArmiesNext(t)) continue;
        const NeighbourSums sums = Sums(t);
        if (sums.enemyCount == 1 && sums.enemy >= 21) continue;
        return t;
    }
    return 0;
}

std::int32_t FrontTarget(std::int32_t c) {
    const std::int32_t p = Current();
    if (g_aiBestAttackOption != 0) {
        const std::int32_t from =
            g_aiAttackOptions[static_cast<std::size_t>(g_aiBestAttackOption)].from;
        if (Armies(from) < kFullGarrison) return from;
    }
    for (int k = 1; k <= g_aiAttackOptionCount; ++k) {
        const std::int32_t from = g_aiAttackOptions[static_cast<std::size_t>(k)].from;
        if (IsMemberOf(c, from) && Armies(from) < kFullGarrison) return from;
    }
    auto front = [&](std::int32_t t) {
        return Owner(t) == p && Armies(t) < kFullGarrison && HasEnemyArmiesNext(t);
    };
    for (int i = 1; i <= g_aiContinentRankingCount; ++i) {
        const std::int32_t rc = g_aiContinentRanking[static_cast<std::size_t>(i)].id;
        std::int32_t found = 0;
        ForEachMember(rc, [&](std::int32_t m) {
            if (found == 0 && front(m)) found = m;
        });
        ForEachBorder(rc, [&](std::int32_t b) {
            ForEachNeighbour(b, [&](std::int32_t n, int) {
                if (found == 0 && front(n)) found = n;
            });
        });
        if (found != 0) return found;
    }
    return FirstOwn(kFullGarrison, false);
}

}  // namespace

void CChildView::ComputerReinforceContinentBorders() {
    const std::int32_t p = Current();
    g_aiThreatList.fill({});
    std::int32_t count = 0;
    for (int c = 1; c <= Continents(); ++c) {
        if (!Holds(p, c)) continue;
        ForEachBorder(c, [&](std::int32_t b) { AssessBorder(b, count); });
    }
    g_aiThreatListCount = count;
    SortScoreTables(score_table::kThreatList, count);
}

void CChildView::ComputerChoosePlacement() {
    const std::int32_t p = Current();
    const std::int32_t total = TotalArmies(p);
    rules::SetArmyTotal(p, total);
    if (total < (g_isDemoRunning ? 12 : 25)) g_aiIsSmallArmy = kYes;
    const std::int32_t personality = g_personalities[static_cast<std::size_t>(p)];
    const bool personalities = g_arePersonalitiesActive;
    std::int32_t target = 0;
    if (personalities && personality == personality::kHunter && g_aiArmiesToPlace < 10 &&
        total < 40)
        g_aiIsSmallArmy = g_aiIsSmallArmyAlt = kYes;
    const bool holdsBack =
        personalities && g_aiArmiesToPlace < 10 &&
        (personality == personality::kDefensive || personality == personality::kHunter);
    if (holdsBack) {
        target = FirstOwn(0, true);
        if (target == 0) target = FirstOwn(kFullGarrison, false);
    } else {
        ComputerAttackAndAdvance();
        // Nothing more only when that attack was made. Good odds alone would leave the armies and
        // the quota unplaced whenever the attack is refused for a small army, and small armies
        // facing each other would then never grow nor attack again.
        if (g_isGameOver || (g_aiBestOddsRatio > 1.5 && g_hasAttackedThisTurn)) return;
        ListAttackCandidates(candidate_search::kIntoTopContinent);
        const std::int32_t c = g_aiContinentRanking[1].id;
        target = CrowdedContinentTarget(c);
        if (target == 0) target = FrontTarget(c);
    }
    if (target == 0) target = FirstOwn(1 << 30, false);
    g_aiTargetTerritory = target;
    ComputerPlaceArmiesOn(target, g_aiArmiesToPlace);
    g_aiArmiesToPlace = 0;
    ComputerPlaceTerritoryArmies();
}
