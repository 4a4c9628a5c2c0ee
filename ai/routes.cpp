// Predefined routes as the computer player uses them: the next step along a route, breaking into
// a continent along a route, and the route plans against the leader and towards strongholds.
#include <algorithm>
#include <cstdlib>

#include "ai/ai_state.h"
#include "ai/board.h"
#include "ai/evaluation.h"
#include "ai/route_index.h"
#include "core/model/route_table.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"

namespace ai {

namespace {

constexpr std::int32_t kLeaderRouteBudget = 15;
constexpr std::int32_t kFirstLeaderHit = 27;  // Asia and Australia on World
constexpr std::int32_t kLastLeaderHit = 42;
constexpr std::int32_t kLeaderRouteHits = 3;

// Calls each(row) for the rows through t, in row order, up to the first row that is empty.
template <typename Each>
void ForEachRouteRowThrough(std::int32_t t, Each each) {
    const std::int32_t end = FirstEmptyRow();
    for (const std::int32_t r : RowsThrough(t)) {
        if (r >= end) return;
        each(r);
    }
}

std::int32_t Position(std::int32_t row, std::int32_t t, bool last) {
    std::int32_t found = 0;
    for (int k = 1; k <= kRouteLength && RouteAt(row, k) != 0; ++k) {
        if (RouteAt(row, k) != t) continue;
        found = k;
        if (!last) break;
    }
    return found;
}

std::int32_t Power(std::int32_t t) {
    return Armies(t) + g_aiCardArmies + g_aiArmiesToPlace;
}

// The source position of a walk from T's position k towards `step`; 0 = none.
std::int32_t FindSource(std::int32_t row, std::int32_t k, int step) {
    const std::int32_t p = Current();
    const bool otherLeader = g_aiLeader != 0 && g_aiLeader != p;
    for (int j = k + step; j >= 1 && j <= kRouteLength && RouteAt(row, j) != 0; j += step) {
        const std::int32_t t = RouteAt(row, j);
        if (Owner(t) != p) continue;
        if (otherLeader) return j;
        const std::int32_t home = ContinentOf(t);
        if (home != 0 && Holds(p, home)) return 0;
        std::int32_t position = j, unused = 0;
        ProtectKeyTerritory(t, position, unused,
                            step > 0 ? route_direction::kForward : route_direction::kBackward);
        return position;
    }
    return 0;
}

void AddRouteCandidate(std::int32_t row, std::int32_t k, std::int32_t source) {
    if (source == 0 || g_routeCandidateCount >= g_routeCandidateLimit) return;
    g_routeCandidates[static_cast<std::size_t>(++g_routeCandidateCount)] = {row, k, source, 0};
}

void ScoreRouteCandidates() {
    g_attackCandidateCount = 0;
    for (int i = 1; i <= g_routeCandidateCount; ++i) {
        const RouteCandidate& c = g_routeCandidates[static_cast<std::size_t>(i)];
        const std::int32_t power = Power(RouteAt(c.row, c.source));
        if (power <= 1) continue;
        const int step = c.target > c.source ? 1 : -1;
        std::int32_t sum = 0;
        for (int k = c.source + step; k != c.target + step; k += step)
            sum += Armies(RouteAt(c.row, k));
        const std::int32_t steps = std::abs(c.target - c.source);
        if (steps + sum >= power || g_attackCandidateCount >= g_attackCandidateLimit) continue;
        g_attackCandidates[static_cast<std::size_t>(++g_attackCandidateCount)] = {
            c.row, c.target, c.source, power - sum - steps};
    }
}

struct Walk {
    std::int32_t row = 0;
    std::int32_t start = 0;
    int step = 1;
    std::int32_t budget = 0;
};

struct WalkResult {
    std::int32_t hits = 0;
    std::int32_t lastHit = 0;  // position
};

// Walks from the position after the start while the cells hold enemy territories and the armies
// met stay within the budget; `isHit` marks the territories sought, `firstHitOnly` stops there.
template <typename IsHit>
WalkResult WalkRoute(const Walk& w, IsHit isHit, bool firstHitOnly) {
    WalkResult result;
    std::int32_t sum = 0;
    for (int k = w.start + w.step; k >= 1 && k <= kRouteLength && RouteAt(w.row, k) != 0;
         k += w.step) {
        const std::int32_t t = RouteAt(w.row, k);
        if (Owner(t) == Current()) break;
        sum += Armies(t);
        if (sum > w.budget) break;
        if (!isHit(t)) continue;
        ++result.hits;
        result.lastHit = k;
        if (firstHitOnly) break;
    }
    return result;
}

std::int32_t SumTo(const Walk& w, std::int32_t end, std::int32_t hits) {
    std::int32_t sum = hits;
    for (int k = w.start + w.step; k != end + w.step; k += w.step) sum += Armies(RouteAt(w.row, k));
    return sum;
}

struct BestWalk {
    std::int32_t hits = 0;
    std::int32_t sum = 9999;
};

void WalkRouteForAttack(const Walk& w, BestWalk& best) {
    const std::int32_t strongest = g_playerStrengths[1].id;
    const WalkResult r = WalkRoute(
        w,
        [&](std::int32_t t) {
            return t >= kFirstLeaderHit && t <= kLastLeaderHit && Owner(t) == strongest;
        },
        false);
    if (r.hits < 2) return;
    const std::int32_t sum = SumTo(w, r.lastHit, r.hits);
    if (sum >= w.budget) return;
    if (r.hits < best.hits || (r.hits == best.hits && sum >= best.sum)) return;
    best = {r.hits, sum};
    g_aiLeaderRoutePlan = {w.row, w.start, r.lastHit, w.budget - sum + 1};
}

bool IsSomeStronghold(std::int32_t t) {
    for (int q = 1; q <= kMaxPlayers; ++q)
        if (Stronghold(q) == t) return true;
    return false;
}

void WalkRouteForMove(const Walk& w, BestWalk& best) {
    const WalkResult r = WalkRoute(w, IsSomeStronghold, true);
    if (r.hits < 1) return;
    const std::int32_t sum = SumTo(w, r.lastHit, r.hits);
    if (sum >= w.budget || sum >= best.sum) return;
    best.sum = sum;
    g_aiStrongholdRoutePlan = {w.row, w.start, r.lastHit, w.budget - sum + 1};
}

// World's start territories that would leave a held continent open: the continent held and the
// territories excluded while it is.
bool IsExcludedWorldStart(std::int32_t t) {
    const std::int32_t p = Current();
    if (Holds(p, ContinentOf(t))) return false;
    auto holds = [&](std::int32_t c) { return Holds(p, c); };
    if (t == 38 && holds(6)) return true;
    if ((t == 39 || t == 1) && holds(5)) return true;
    if ((t == 36 || t == 10 || t == 20) && holds(1)) return true;
    if ((t == 9 || t == 14 || (t == 7 && Owner(9) == p)) && holds(2)) return true;
    return t == 3 && holds(4);
}

template <typename Walker>
void WalkRoutesFrom(std::int32_t t, std::int32_t budget, Walker walker) {
    ForEachRouteRowThrough(t, [&](std::int32_t row) {
        const std::int32_t k = Position(row, t, true);
        if (k == 0) return;
        walker(Walk{row, k, 1, budget});
        walker(Walk{row, k, -1, budget});
    });
}

}  // namespace

std::int32_t FindPredefinedRoute(std::int32_t territory) {
    const std::int32_t p = Current();
    std::int32_t next = 0, best = 999;
    for (const std::int32_t r : RowsThrough(territory)) {
        const std::int32_t k = Position(r, territory, true);
        if (k == 0) continue;
        for (int j = 1; j <= kRouteLength && RouteAt(r, j) != 0; ++j) {
            if (j == k || Owner(RouteAt(r, j)) == p) continue;
            const std::int32_t distance = std::abs(j - k);
            if (distance >= best) continue;
            best = distance;
            next = RouteAt(r, j > k ? k + 1 : k - 1);
        }
    }
    return next;
}

void ProtectKeyTerritory(std::int32_t territory, std::int32_t& position, std::int32_t& value,
                         std::int32_t mode) {
    const bool ownStronghold = g_areStrongholdsOn && territory == Stronghold(Current());
    if (!IsSingleEntryBorder(territory) && !ownStronghold) return;
    position = 0;
    value = mode == route_direction::kForward ? 17 : 0;
}

void FindRouteIntoContinent(std::int32_t continent) {
    const std::int32_t p = Current();
    g_routeCandidateCount = 0;
    g_aiChosenAttackCandidate = 0;
    ForEachBorder(continent, [&](std::int32_t target) {
        if (Owner(target) == p) return;
        ForEachRouteRowThrough(target, [&](std::int32_t row) {
            const std::int32_t k = Position(row, target, false);
            if (k == 0) return;
            AddRouteCandidate(row, k, FindSource(row, k, 1));
            AddRouteCandidate(row, k, FindSource(row, k, -1));
        });
    });
    if (g_routeCandidateCount == 0) return;
    ScoreRouteCandidates();
    std::int32_t best = 0;
    for (int i = 1; i <= g_attackCandidateCount; ++i) {
        const std::int32_t margin = g_attackCandidates[static_cast<std::size_t>(i)].margin;
        if (margin <= best) continue;
        best = margin;
        g_aiChosenAttackCandidate = i;
    }
}

void PlanBestAttack(std::int32_t plan) {
    const std::int32_t p = Current();
    if (plan == ai_plan::kCompleteContinentByRoute) {
        g_aiContinentRoutePlan = {};
        g_aiChosenAttackCandidate = 0;
        for (int i = 1;
             i <= Continents() && g_aiContinentRanking[static_cast<std::size_t>(i)].id != 0; ++i) {
            const std::int32_t c = g_aiContinentRanking[static_cast<std::size_t>(i)].id;
            std::int32_t missing = 0, last = 0;
            ForEachMember(c, [&](std::int32_t m) {
                if (Owner(m) == p) return;
                ++missing;
                last = m;
            });
            if (missing != 1 || !IsBorderOf(c, last)) continue;
            FindRouteIntoContinent(c);
            if (g_aiChosenAttackCandidate == 0) continue;
            const RouteCandidate& chosen =
                g_attackCandidates[static_cast<std::size_t>(g_aiChosenAttackCandidate)];
            g_aiContinentRoutePlan = {chosen.row, chosen.source, chosen.target, chosen.margin};
            return;
        }
        return;
    }
    g_aiChosenAttackCandidate = 0;
    if (g_aiContinentsByBonus[1].id == 0) FillContinentsByBonus();
    const std::int32_t rival =
        g_playerStrengths[1].id == p ? g_playerStrengths[2].id : g_playerStrengths[1].id;
    if (!IsPlayer(rival)) return;
    for (int i = Continents(); i >= 1; --i) {
        const std::int32_t c = g_aiContinentsByBonus[static_cast<std::size_t>(i)].id;
        if (c == 0 || !Holds(rival, c)) continue;
        std::int32_t weakest = 9999;
        ForEachBorder(c, [&](std::int32_t b) {
            bool pressed = false;
            ForEachNeighbour(b, [&](std::int32_t n, int) {
                const std::int32_t third = Owner(n);
                pressed = pressed || (third != p && third != rival && Armies(n) > 2 &&
                                      Armies(n) >= Armies(b) + 3 && TotalArmies(third) > 25);
            });
            if (pressed) weakest = std::min(weakest, Armies(b));
        });
        FindRouteIntoContinent(c);
        if (g_aiChosenAttackCandidate == 0) continue;
        const std::int32_t margin =
            g_attackCandidates[static_cast<std::size_t>(g_aiChosenAttackCandidate)].margin;
        if (weakest < 9999 && weakest < margin) {
            g_aiChosenAttackCandidate = 0;
            continue;
        }
        return;
    }
}

void PlanRouteAttacks() {
    const std::int32_t p = Current();
    g_aiLeaderRoutePlan = {};
    BestWalk best{0, 9999};
    for (int t = 1; t <= Territories(); ++t) {
        if (Owner(t) != p || t == Stronghold(p)) continue;
        std::int32_t budget =
            std::min(Armies(t) + g_aiCardArmies - 2 + g_aiArmiesToPlace, kLeaderRouteBudget);
        if (IsExcludedWorldStart(t)) budget = 0;
        if (budget <= 0) continue;
        WalkRoutesFrom(t, budget, [&](const Walk& w) { WalkRouteForAttack(w, best); });
    }
    if (best.hits < kLeaderRouteHits) g_aiLeaderRoutePlan = {};
}

void PlanRouteMoves() {
    const std::int32_t p = Current();
    g_aiStrongholdRoutePlan = {};
    BestWalk best{0, 9999};
    for (int t = 1; t <= Territories(); ++t) {
        if (Owner(t) != p || t == Stronghold(p)) continue;
        const std::int32_t budget = Armies(t) + g_aiCardArmies - 2 + g_aiArmiesToPlace;
        if (budget <= 0) continue;
        WalkRoutesFrom(t, budget, [&](const Walk& w) { WalkRouteForMove(w, best); });
    }
}

}  // namespace ai
