// Territory tests of the evaluation: the continent of a border territory, continent entries and
// single-entry gates, threatened territories, and the armies moved after a conquest.
#include <algorithm>

#include "ai/ai_state.h"
#include "ai/board.h"
#include "ai/evaluation.h"
#include "core/model/map_catalogue.h"
#include "core/model/session_state.h"

namespace ai {

namespace {

constexpr std::int32_t kWorldAfrica = 3;
constexpr std::int32_t kWorldNorthAfrica = 16;
constexpr std::int32_t kWorldEgypt = 18;
constexpr std::int32_t kBigGarrison = 41;

// t's neighbours outside continent c: how many, and the last one.
struct Outside {
    std::int32_t count = 0;
    std::int32_t last = 0;
};
Outside NeighboursOutside(std::int32_t t, std::int32_t c) {
    Outside out;
    ForEachNeighbour(t, [&](std::int32_t n, int) {
        if (IsMemberOf(c, n)) return;
        ++out.count;
        out.last = n;
    });
    return out;
}

}  // namespace

std::int32_t FindContinentOfBorderTerritory(std::int32_t territory) {
    for (int c = 1; c <= Continents(); ++c)
        if (IsBorderOf(c, territory)) return c;
    return 0;
}

ThreatenedTerritory FindThreatenedContinentTerritory(std::int32_t continent) {
    const std::int32_t p = Current();
    ThreatenedTerritory found;
    auto look = [&](std::int32_t t) {
        if (Owner(t) != p) return false;
        if (Armies(t) >= kBigGarrison) found.keep = false;
        return HasEnemyArmiesNext(t);
    };
    ForEachMember(continent, [&](std::int32_t m) {
        if (look(m)) found.territory = m;
    });
    ForEachBorder(continent, [&](std::int32_t b) {
        if (look(b)) found.territory = b;
    });
    if (found.territory != 0) return found;
    ForEachBorder(continent, [&](std::int32_t b) {
        ForEachNeighbour(b, [&](std::int32_t n, int) {
            if (found.territory == 0 && look(n)) found.territory = n;
        });
    });
    if (found.territory == 0) found.keep = false;
    return found;
}

std::int32_t FindBorderTerritoryNextTo(std::int32_t territory, std::int32_t continent) {
    if (Owner(territory) != Current()) return 0;
    std::int32_t found = 0;
    ForEachBorder(continent, [&](std::int32_t b) {
        if (found == 0 && IsNeighbour(b, territory)) found = b;
    });
    return found;
}

std::int32_t FindContinentEntry(std::int32_t territory) {
    const std::int32_t p = Current();
    std::int32_t entry = 0;
    for (int c = 1; c <= Continents(); ++c) {
        if (!IsBorderOf(c, territory) || !Holds(p, c)) continue;
        const Outside outside = NeighboursOutside(territory, c);
        if (outside.count != 1) continue;
        if (Holds(p, ContinentOf(outside.last)))
            entry = -1;
        else if (Owner(outside.last) == p)
            entry = outside.last;
    }
    return entry;
}

bool IsSingleEntryBorder(std::int32_t territory) {
    const std::int32_t p = Current();
    if (Owner(territory) != p || Holds(p, ContinentOf(territory))) return false;
    for (int c = 1; c <= Continents(); ++c) {
        if (!Holds(p, c)) continue;
        bool gate = false;
        ForEachBorder(c, [&](std::int32_t b) {
            const Outside outside = NeighboursOutside(b, c);
            gate = gate || (outside.count == 1 && outside.last == territory);
        });
        if (gate) return true;
    }
    return false;
}

std::int32_t ComputeArmiesToLeave(std::int32_t mode, std::int32_t available) {
    if (mode == conquest_move::kBestAttack && g_playersLeft > 2) return 1;
    return available < 27 ? available / 3 : available - 20;
}

std::int32_t ComputeArmiesToMove(std::int32_t from, std::int32_t to, std::int32_t available,
                                 std::int32_t mode) {
    const std::int32_t p = Current();
    const std::int32_t a = available;
    if (a <= 0) return 0;
    if (a > 150) return 75;
    if (from == Stronghold(p)) return 0;
    std::int32_t n = 0;
    if (IsSingleEntryBorder(to)) n = a;
    const std::int32_t shared = FindContinentOfBorderTerritory(from);
    if (shared != 0 && IsBorderOf(shared, to) && a >= 2 && Holds(p, shared)) n = a / 2;
    bool skipWorldRule = false;
    if (n < 1) {
        const bool sameContinent = ContinentOf(from) == ContinentOf(to);
        if (mode == conquest_move::kAttackPass && sameContinent) return 0;
        skipWorldRule = mode == conquest_move::kBestAttack && sameContinent;
    }
    if (!skipWorldRule && PlaysWorldRules() && Holds(p, kWorldAfrica)) {
        if (from == kWorldNorthAfrica || from == kWorldEgypt) {
            const std::int32_t enemy = Sums(from).enemy;
            n = a <= enemy ? 1 : std::max(a - enemy - 20, 1);
        }
        if (Holds(p, ContinentOf(to))) n = a < 21 ? 1 : a - 20;
    }
    if (IsSingleEntryBorder(from)) {
        if (mode == conquest_move::kBestAttack && g_playersLeft >= 3 && a >= 27 &&
            Sums(from).enemy == 0)
            n = a - 20;
        else
            n = ComputeArmiesToLeave(mode, a);
    }
    if (n < 1)
        n = (mode != conquest_move::kBestAttack && mode != conquest_move::kAttackPass) ? a : 0;
    return std::min(n, a);
}

}  // namespace ai
