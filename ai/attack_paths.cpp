// Attack paths (predefined routes first, else every admissible chain, learning the good ones)
// and attack options (the targets of a plan, the best single attack on the board).
#include <algorithm>
#include <limits>
#include <optional>

#include "ai/ai_state.h"
#include "ai/board.h"
#include "ai/evaluation.h"
#include "ai/route_index.h"
#include "core/model/route_table.h"
#include "core/model/session_state.h"

namespace ai {

namespace {

constexpr int kLongestPath = 11;
constexpr int kLongestSmallSourcePath = 5;
constexpr int kRouteSpan = 12;  // from and to of a route less than this many places apart
constexpr std::int32_t kRejected = -999999;
constexpr int kUnreachable = 1000;

std::int32_t RowLength(const PathRow& row) {
    std::int32_t n = 0;
    while (n < kPathRowLength && row[static_cast<std::size_t>(n + 1)] != 0) ++n;
    return n;
}

void ClearPathRows() {
    for (int r = 1; r <= g_pathRowCount; ++r) g_pathRows[static_cast<std::size_t>(r)].fill(0);
    g_pathRowCount = 0;
}

bool StoreRow(const std::uint8_t* path, int length) {
    if (g_pathRowCount >= kPathRowLimit) return false;
    PathRow& row = g_pathRows[static_cast<std::size_t>(++g_pathRowCount)];
    row.fill(0);
    for (int k = 1; k <= length && k <= kPathRowLength; ++k)
        row[static_cast<std::size_t>(k)] = path[k];
    return true;
}

// The last position of t among positions 1..16 of route row r; 0 = absent.
std::int32_t LastPosition(std::int32_t r, std::int32_t t) {
    std::int32_t found = 0;
    for (int k = 1; k <= kRouteLength &&
                    g_routeTable[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)] != 0;
         ++k)
        if (g_routeTable[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)] == t) found = k;
    return found;
}

void CopyPredefinedRoutes(std::int32_t from, std::int32_t to) {
    ForEachRowThroughBoth(from, to, [&](std::int32_t r) {
        const std::int32_t kf = LastPosition(r, from), kt = LastPosition(r, to);
        if (kf == 0 || kt == 0 || std::abs(kf - kt) >= kRouteSpan) return true;
        std::uint8_t path[kPathRowLength + 2] = {};
        const int step = kt > kf ? 1 : -1;
        int length = 0;
        for (int k = kf; k != kt + step; k += step)
            path[++length] = static_cast<std::uint8_t>(RouteAt(r, k));
        return StoreRow(path, length);
    });
}

// Armies of the start minus those of every further territory and one per step; a row through
// one of the searcher's own territories is never chosen.
std::int32_t RowScore(const PathRow& row, bool rejectOwn) {
    const std::int32_t length = RowLength(row);
    std::int32_t value = Armies(row[1]);
    for (int k = 2; k <= length; ++k) {
        if (rejectOwn && Owner(row[static_cast<std::size_t>(k)]) == Current()) return kRejected;
        value -= Armies(row[static_cast<std::size_t>(k)]);
    }
    return value - (length - 1);
}

std::int32_t RowCost(const PathRow& row) {
    std::int32_t cost = 0;
    for (int k = 2; k <= RowLength(row); ++k) cost += Armies(row[static_cast<std::size_t>(k)]);
    return cost;
}

PathChoice BestByScore(bool rejectOwn) {
    PathChoice best;
    for (int r = 1; r <= g_pathRowCount; ++r) {
        const std::int32_t value = RowScore(g_pathRows[static_cast<std::size_t>(r)], rejectOwn);
        if (value > best.value) best = {r, value};
    }
    return best;
}

PathChoice BestByCost() {
    PathChoice best{0, 9999};
    for (int r = 1; r <= g_pathRowCount; ++r) {
        const std::int32_t cost = RowCost(g_pathRows[static_cast<std::size_t>(r)]);
        if (cost < best.value) best = {r, cost};
    }
    return best;
}

struct Enumeration {
    std::int32_t to = 0;
    int longest = kLongestPath;
    std::array<int, kMaxTerritories + 1> distance{};
    std::uint8_t path[kPathRowLength + 2] = {};
    bool full = false;
};

// Steps from each territory to the target through territories a path may take; a branch that
// cannot reach the target within the length left is not walked (it would store no row). A
// breadth-first search from the target along the neighbour lists read backwards, up to the
// longest path: farther territories keep kUnreachable, which prunes them all the same.
void MeasureDistances(Enumeration& e) {
    e.distance.fill(kUnreachable);
    e.distance[static_cast<std::size_t>(e.to)] = 0;
    // Who lists each territory as a neighbour: the turn's index, else one made for this search.
    std::optional<MapIndex> made;
    if (g_mapIndex == nullptr) made.emplace().Build();
    const MapIndex& index = g_mapIndex != nullptr ? *g_mapIndex : *made;
    std::array<std::uint8_t, kMaxTerritories + 1> queue{};
    std::size_t head = 0, tail = 0;
    queue[tail++] = static_cast<std::uint8_t>(e.to);
    while (head < tail) {
        const std::int32_t x = queue[head++];
        const int via = e.distance[static_cast<std::size_t>(x)] + 1;
        if (via > e.longest) break;
        const int first = index.listedFrom[static_cast<std::size_t>(x)];
        const int last = index.listedFrom[static_cast<std::size_t>(x) + 1];
        for (int i = first; i < last; ++i) {
            const std::int32_t y = index.listedBy[static_cast<std::size_t>(i)];
            if (e.distance[static_cast<std::size_t>(y)] != kUnreachable) continue;
            if (y != e.path[1] && CanExtendPath(y, 0, e.path)) continue;
            e.distance[static_cast<std::size_t>(y)] = via;
            queue[tail++] = static_cast<std::uint8_t>(y);
        }
    }
}

void Extend(Enumeration& e, int depth) {
    ForEachNeighbour(e.path[depth], [&](std::int32_t n, int) {
        if (e.full || depth + e.distance[static_cast<std::size_t>(n)] + 1 > e.longest) return;
        if (CanExtendPath(n, depth, e.path)) return;
        e.path[depth + 1] = static_cast<std::uint8_t>(n);
        if (n == e.to) {
            // A path through the target cannot come back to it: nothing deeper to store.
            e.full = !StoreRow(e.path, depth + 1);
        } else {
            Extend(e, depth + 1);
        }
        e.path[depth + 1] = 0;
    });
}

bool IsKnownRoute(const PathRow& row, std::int32_t length) {
    for (const std::int32_t r : RowsThrough(row[1])) {
        for (int start = 1; start + length - 1 <= kRouteLength; ++start) {
            bool same = true;
            for (int k = 0; k < length && same; ++k)
                same = RouteAt(r, start + k) == row[static_cast<std::size_t>(k + 1)];
            if (same) return true;
        }
    }
    return false;
}

void LearnRoute(std::int32_t chosen) {
    if (chosen < 1 || g_routeCount >= g_routeTableCapacity || g_routeCount < 0) return;
    const PathRow& row = g_pathRows[static_cast<std::size_t>(chosen)];
    const std::int32_t length = RowLength(row);
    if (length < 3 || IsKnownRoute(row, length)) return;
    RouteRecord& record = g_routeTable[static_cast<std::size_t>(++g_routeCount)];
    record.fill(0);
    for (int k = 1; k <= length; ++k)
        record[static_cast<std::size_t>(k)] = row[static_cast<std::size_t>(k)];
}

double Ratio(std::int32_t a, std::int32_t d) {
    return static_cast<double>(a) / std::max(d, 1);
}

void AddOption(const AttackOption& option) {
    if (g_aiAttackOptionCount >= kAttackOptionLimit) return;
    g_aiAttackOptions[static_cast<std::size_t>(++g_aiAttackOptionCount)] = option;
}

}  // namespace

std::int32_t RouteAt(std::int32_t row, std::int32_t position) {
    if (row < 1 || row >= kRouteTableRecords || position < 1 || position > kRouteLength) return 0;
    return g_routeTable[static_cast<std::size_t>(row)][static_cast<std::size_t>(position)];
}

bool CanExtendPath(std::int32_t territory, std::int32_t depth, const std::uint8_t* path) {
    if (Owner(territory) == Current() || Armies(territory) >= Armies(path[1])) return true;
    for (int k = 1; k <= depth; ++k)
        if (path[k] == territory) return true;
    return false;
}

PathChoice FindAttackPath(std::int32_t from, std::int32_t to, std::int32_t mode) {
    const bool smallSource = g_aiSmallSourceMark;
    g_aiSmallSourceMark = false;
    ClearPathRows();
    if (!IsTerritoryInPlay(from) || !IsTerritoryInPlay(to)) return {};
    CopyPredefinedRoutes(from, to);
    if (g_pathRowCount > 0) {
        const PathChoice routed = BestByScore(true);
        if (routed.row != 0) return routed;
    }
    ClearPathRows();
    Enumeration e;
    e.to = to;
    e.longest = smallSource ? kLongestSmallSourcePath : kLongestPath;
    e.path[1] = static_cast<std::uint8_t>(from);
    if (CanExtendPath(to, 1, e.path)) return {};
    MeasureDistances(e);
    Extend(e, 1);
    if (g_pathRowCount == 0) return {};
    const PathChoice best =
        mode == chain_choice::kMostArmiesLeft ? BestByScore(false) : BestByCost();
    LearnRoute(best.row);
    return best;
}

std::int32_t ChooseAttackTargets() {
    const std::int32_t p = Current();
    g_aiAttackOptions.fill({});
    g_aiAttackOptionCount = 0;
    std::int32_t attackSum = 0, defenceSum = 0, looked = 0;
    const std::int32_t toCome = g_aiCardArmies + g_aiArmiesToPlace;
    const int limit = std::clamp(g_maxContinentSize, 0, kTargetListEntries);
    for (int k = 1; k <= limit && g_aiTargetList[static_cast<std::size_t>(k)] != 0; ++k) {
        const std::int32_t target = g_aiTargetList[static_cast<std::size_t>(k)];
        ++looked;
        g_aiTargetTerritory = target;
        std::int32_t source = 0, ownSum = 0;
        double best = -1.0;
        ForEachNeighbour(target, [&](std::int32_t n, int slot) {
            if (Owner(n) != p) return;
            ownSum += Armies(n);
            const double ratio = Ratio(Armies(n), Armies(target));
            if (ratio <= best) return;
            best = ratio;
            source = n;
            g_aiTargetNeighbourSlot = slot;
        });
        if (source != 0) g_aiBestOddsRatio = best;
        if (source != 0 && Armies(target) < Armies(source) + toCome) {
            if (toCome == 0 && Armies(source) <= 2 && IsYes(g_isOneForOneRule)) continue;
            AddOption({source, target, Armies(source), Armies(target)});
            attackSum += Armies(source);
            defenceSum += Armies(target);
        } else if (ownSum > Armies(target)) {
            ForEachNeighbour(target, [&](std::int32_t n, int) {
                if (Owner(n) != p || Armies(n) <= 2) return;
                AddOption({n, target, Armies(n), Armies(target)});
                attackSum += Armies(n);
            });
            defenceSum += Armies(target);
        }
    }
    if (g_aiAttackPassPlan != ai_plan::kAttackWeakestNeighbour) {
        if (g_aiAttackOptionCount < looked ||
            toCome + attackSum <= defenceSum + g_aiAttackOptionCount)
            g_aiAttackOptionCount = 0;
    }
    return g_aiAttackOptionCount;
}

bool EvaluateConquestGain(std::int32_t attacker, std::int32_t target) {
    if (g_playersLeft < 3 || !IsTerritoryInPlay(target)) return true;
    const std::int32_t p = Current();
    auto safeArmies = [&] {
        std::int32_t sum = 0;
        for (int t = 1; t <= Territories(); ++t)
            if (Owner(t) == p && Sums(t).enemy == 0) sum += Armies(t);
        return sum;
    };
    const std::int32_t before = safeArmies();
    std::int32_t after = 0;
    {
        BoardCopy conquered;
        conquered[target] = {p, 1};
        after = safeArmies();
    }
    return !(after - before > 40 && Armies(attacker) < 40);
}

void ListAttackCandidates(std::int32_t mode) {
    const std::int32_t p = Current();
    g_aiAttackOptions.fill({});
    g_aiAttackOptionCount = 0;
    g_aiBestAttackOption = 0;
    g_aiBestOddsRatio = 0.0;
    const std::int32_t c = g_aiContinentRanking[1].id;
    const std::int32_t strongest = g_playerStrengths[1].id;
    const std::int32_t second = g_playersLeft == 2 && strongest == p ? g_playerStrengths[2].id : -1;
    auto passes = [&](std::int32_t t, std::int32_t n) {
        if (!EvaluateConquestGain(t, n)) return false;
        if (t == Stronghold(p) && Armies(t) - Armies(n) < 20) return false;
        if (g_aiLeader != 0 && g_aiLeader != p && Owner(n) != strongest) {
            if (Armies(n) > 20) return false;
            const std::int32_t home = ContinentOf(n);
            if (!Holds(p, home))
                for (int q = 1; q <= Players(); ++q)
                    if (q != p && Holds(q, home)) return false;
        }
        return true;
    };
    for (int t = 1; t <= Territories() && g_aiAttackOptionCount < kAttackOptionLimit; ++t) {
        if (Owner(t) != p) continue;
        const NeighbourSums sums = Sums(t);
        const bool may = g_playersLeft < 3 || !IsSingleEntryBorder(t) || sums.enemyCount > 1 ||
                         (Armies(t) > 55 && sums.enemyCount >= 1);
        if (!may) continue;
        if (mode == candidate_search::kFromBigArmies && (Armies(t) < 55 || sums.enemyCount == 0))
            continue;
        if (mode == candidate_search::kIntoTopContinent && !IsMemberOf(c, t) &&
            !(Armies(t) > 20 && FindBorderTerritoryNextTo(t, c) != 0))
            continue;
        if (mode == candidate_search::kPickOffLeader && Armies(t) <= 3) continue;
        ForEachNeighbour(t, [&](std::int32_t n, int) {
            if (Owner(n) == p) return;
            if (mode == candidate_search::kIntoTopContinent && !IsMemberOf(c, n)) return;
            if (mode == candidate_search::kPickOffLeader) {
                const bool victim = Owner(n) == strongest || Owner(n) == second;
                if (!victim || Armies(n) >= Armies(t) ||
                    !(Armies(n) < 6 || 3 * Armies(n) < Armies(t)))
                    return;
            }
            if (passes(t, n)) AddOption({t, n, Armies(t), Armies(n)});
        });
    }
    double best = -std::numeric_limits<double>::infinity();
    for (int k = 1; k <= g_aiAttackOptionCount; ++k) {
        const AttackOption& o = g_aiAttackOptions[static_cast<std::size_t>(k)];
        if (o.attackers <= 2) continue;
        const double ratio = Ratio(o.attackers - 1 + g_aiArmiesToPlace, o.defenders);
        if (ratio <= best) continue;
        best = ratio;
        g_aiBestAttackOption = k;
        g_aiBestOddsRatio = ratio;
    }
}

}  // namespace ai
