// A computer player's start of the game: its stronghold and the whole start pool, placed at once.
#include <algorithm>
#include <array>

#include "ai/ai_state.h"
#include "ai/board.h"
#include "ai/evaluation.h"
#include "ai/initial_placement.h"
#include "core/child_view.h"
#include "core/model/map_catalogue.h"
#include "core/model/session_state.h"
#include "core/rules/board_changes.h"
#include "core/turn/turn_state.h"

namespace ai {

namespace {

using namespace player_field;

constexpr std::int32_t kStrongholdExtra = 14;
constexpr std::int32_t kTopUp = 3;
constexpr int kTopUpPasses = 6;

using Counts = std::array<std::int32_t, kMaxContinents + 1>;

// The deal counted the start pool in the total already; the computer's start armies are added
// to it once more, as they always have been.
void Add(std::int32_t t, std::int32_t n) {
    rules::PlaceArmies(Current(), t, n, rules::Total::kAdd);
    g_displayedTerritories[static_cast<std::size_t>(t)] =
        g_territories[static_cast<std::size_t>(t)];
}

bool HasStrongholdMember(std::int32_t c) {
    bool found = false;
    ForEachMember(c,
                  [&](std::int32_t m) { found = found || Armies(m) == rules::kStrongholdArmies; });
    return found;
}
bool HasStrongholdNeighbour(std::int32_t t) {
    bool found = false;
    ForEachNeighbour(
        t, [&](std::int32_t n, int) { found = found || Armies(n) == rules::kStrongholdArmies; });
    return found;
}
bool IsOwnBorder(std::int32_t t) {
    return IsBorderOf(ContinentOf(t), t);
}

std::int32_t ChooseStrongholdContinent(std::int32_t p, const Counts& k) {
    if (PlaysWorldRules()) {
        for (int i = 1; i <= Continents(); ++i) {
            const std::int32_t c = g_aiContinentsByBonus[static_cast<std::size_t>(i)].id;
            if (c == 0 || HasStrongholdMember(c)) continue;
            if (c == 2 && k[2] >= 1 && (Owner(11) == p || Owner(13) == p)) return 2;
            if (c == 6 && k[6] >= 1 && (Owner(40) == p || Owner(41) == p || Owner(42) == p))
                return 6;
        }
    }
    std::int32_t best = 0;
    for (int c = 1; c <= Continents(); ++c)
        if (!HasStrongholdMember(c) &&
            k[static_cast<std::size_t>(c)] > (best == 0 ? 0 : k[static_cast<std::size_t>(best)]))
            best = c;
    return best;
}

template <typename Test>
std::int32_t LastCandidateIn(std::int32_t c, std::int32_t p, Test becomes) {
    std::int32_t candidate = 0;
    ForEachMember(c, [&](std::int32_t m) {
        if (Owner(m) != p) return;
        if (becomes(m)) candidate = m;
        if (HasStrongholdNeighbour(m)) candidate = 0;
    });
    return candidate;
}

template <typename Test>
std::int32_t FirstOnBoard(std::int32_t p, Test fits) {
    const bool ascending = p % 2 == 1;
    for (int i = 1; i <= Territories(); ++i) {
        const std::int32_t t = ascending ? i : Territories() + 1 - i;
        if (Owner(t) == p && fits(t)) return t;
    }
    return 0;
}

std::int32_t ChooseStronghold(std::int32_t p, const Counts& k) {
    const std::int32_t c = ChooseStrongholdContinent(p, k);
    std::int32_t t = LastCandidateIn(c, p, [&](std::int32_t m) { return !IsBorderOf(c, m); });
    if (t == 0) t = LastCandidateIn(c, p, [](std::int32_t) { return true; });
    if (t == 0)
        t = FirstOnBoard(
            p, [](std::int32_t u) { return !HasStrongholdNeighbour(u) && !IsOwnBorder(u); });
    if (t == 0) t = FirstOnBoard(p, [](std::int32_t u) { return !HasStrongholdNeighbour(u); });
    for (int u = Territories(); t == 0 && u >= 1; --u)
        if (Owner(u) == p) t = u;
    return t;
}

bool IsContested(std::int32_t c, std::int32_t p) {
    for (int q = 1; q <= Players(); ++q) {
        if (q == p) continue;
        std::int32_t owned = 0;
        ForEachMember(c, [&](std::int32_t m) { owned += Owner(m) == q ? 1 : 0; });
        if (owned > MemberCount(c) / 3) return true;
    }
    return false;
}

void GuardContested(std::int32_t p, std::int32_t& pool) {
    for (int c = 1; c <= Continents() && pool > 0; ++c) {
        if (!IsContested(c, p)) continue;
        std::int32_t last = 0;
        ForEachMember(c, [&](std::int32_t m) {
            if (Owner(m) == p) last = m;
        });
        if (last == 0 || Armies(last) == rules::kStrongholdArmies) continue;
        const std::int32_t n = pool >= kTopUp ? kTopUp : pool == 1 ? 1 : 0;
        Add(last, n);
        pool -= n;
    }
}

// Own neighbours outside c of each of c's border territories.
template <typename Each>
void ForEachOutsideShare(std::int32_t c, std::int32_t p, Each each) {
    ForEachBorder(c, [&](std::int32_t b) {
        std::int32_t e = 0;
        ForEachNeighbour(
            b, [&](std::int32_t n, int) { e += Owner(n) == p && !IsMemberOf(c, n) ? 1 : 0; });
        if (e > 0) each(e);
    });
}

void TopUpPass(int pass, std::int32_t p, const Counts& k, std::int32_t& pool) {
    for (int i = 1; i <= Continents() && pool > 0; ++i) {
        const std::int32_t c = g_aiContinentsByBonus[static_cast<std::size_t>(i)].id;
        if (!IsContinent(c)) continue;
        const std::int32_t owned = k[static_cast<std::size_t>(c)], m = MemberCount(c);
        auto series = [&](int times) {
            for (int n = 0; n < times && pool > 0; ++n) ComputerTopUpContinentTerritories(pool, c);
        };
        switch (pass) {
            case 1:
                if (owned >= (m + 1) / 2) series(owned);
                break;
            case 2:
                if (owned > m / 3 + 1) series(owned);
                break;
            case 3:
            case 5:
                ForEachOutsideShare(c, p, [&](std::int32_t e) {
                    if (owned > (e + m) / 3 + (pass == 3 ? 1 : 0)) series(owned);
                });
                break;
            case 4:
                if (owned > m / 3) series(owned);
                break;
            default:
                if (owned > 0) series(1);
                break;
        }
    }
}

void TopUpSingles(std::int32_t p, std::int32_t& pool) {
    for (int t = 1; t <= Territories() && pool > 0; ++t) {
        if (Owner(t) != p || Armies(t) != 1) continue;
        const std::int32_t n = pool > 2 ? kTopUp : pool;
        Add(t, n);
        pool -= n;
    }
}

// Whatever the passes left goes onto the stronghold, else the first front territory.
void PlaceRest(std::int32_t p, std::int32_t& pool) {
    if (pool <= 0) return;
    std::int32_t t = Owner(Stronghold(p)) == p ? Stronghold(p) : 0;
    for (int u = 1; t == 0 && u <= Territories(); ++u)
        if (Owner(u) == p && HasEnemyNeighbour(u)) t = u;
    for (int u = 1; t == 0 && u <= Territories(); ++u)
        if (Owner(u) == p) t = u;
    if (t == 0) return;
    Add(t, pool);
    pool = 0;
}

}  // namespace

void ComputerTopUpContinentTerritories(std::int32_t& pool, std::int32_t continent) {
    const std::int32_t p = Current();
    bool first = true;
    ForEachMember(continent, [&](std::int32_t m) {
        if (pool <= 0 && !first) return;
        first = false;
        if (pool <= 0) return;
        g_selectedTerritory = m;
        if (Owner(m) != p || Armies(m) != 1) return;
        const std::int32_t n = pool > 2 ? kTopUp : pool;
        Add(m, n);
        pool -= n;
    });
}

void PlaceStartArmies(CChildView& view) {
    const std::int32_t p = Current();
    if (p == 0 || TerritoriesOf(p) == 0) return;
    FillContinentsByBonus();
    Counts k{};
    for (int c = 1; c <= Continents(); ++c)
        ForEachMember(
            c, [&](std::int32_t m) { k[static_cast<std::size_t>(c)] += Owner(m) == p ? 1 : 0; });
    if (g_areStrongholdsOn) {
        const std::int32_t t = ChooseStronghold(p, k);
        Add(t, kStrongholdExtra);
        rules::SetStronghold(p, t);
    }
    view.ComputeStartArmies();
    std::int32_t pool = g_startArmies;
    GuardContested(p, pool);
    for (int pass = 1; pass <= kTopUpPasses && pool > 0; ++pass) TopUpPass(pass, p, k, pool);
    TopUpSingles(p, pool);
    PlaceRest(p, pool);
}

}  // namespace ai

void CChildView::ComputerPlaceArmies() {
    const ai::MapIndexScope mapIndex;
    ai::PlaceStartArmies(*this);
}
