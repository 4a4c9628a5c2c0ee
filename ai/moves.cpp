// Computer moves: into a conquered territory, and the end-of-turn moves between own territories
// (support of threatened borders, balancing, interiors to borders, overfull entries).
#include <algorithm>
#include <cstdio>
#include <string>

#include "ai/ai_state.h"
#include "ai/board.h"
#include "ai/evaluation.h"
#include "core/child_view.h"
#include "core/model/session_state.h"
#include "core/rules/board_changes.h"
#include "core/turn/turn_state.h"

namespace {

using namespace ai;

std::int32_t ThreatCount() {
    std::int32_t n = 0;
    while (n < kThreatEntries && g_aiThreatList[static_cast<std::size_t>(n + 1)].id != 0) ++n;
    return n;
}

// t's entry among the first g_borderTerritoryTotal entries of the threat list; 0 = none.
std::int32_t ThreatEntryOf(std::int32_t t) {
    const std::int32_t limit = std::clamp(g_borderTerritoryTotal, 0, kThreatEntries);
    for (int k = 1; k <= limit; ++k)
        if (g_aiThreatList[static_cast<std::size_t>(k)].id == t && t != 0) return k;
    return 0;
}

// The player's neighbour of t with the most enemy armies around it; else the next step of a
// route from t.
std::int32_t Receiver(std::int32_t t) {
    const std::int32_t p = Current();
    std::int32_t best = 0, most = 0;
    ForEachNeighbour(t, [&](std::int32_t n, int) {
        if (Owner(n) != p) return;
        const std::int32_t enemy = Sums(n).enemy;
        if (enemy <= most) return;
        most = enemy;
        best = n;
    });
    return best != 0 ? best : FindPredefinedRoute(t);
}

bool Movable(std::int32_t t) {
    return Owner(t) == Current() && Armies(t) >= 2;
}

bool InRange(std::int32_t v, std::int32_t low, std::int32_t high) {
    return v >= low && v <= high;
}

}  // namespace

void CChildView::ComputerMoveIntoConquered(std::int32_t from, std::int32_t to, std::int32_t mode) {
    if (!IsTerritoryInPlay(from) || !IsTerritoryInPlay(to) || from == to) return;
    const std::int32_t p = Current();
    if (Owner(from) != p || Owner(to) != p) return;
    std::int32_t n = Armies(from) - 1;
    bool moves = false;
    if (n >= 151) {
        n = 75;
        moves = true;
    } else if (from != Stronghold(p) && n >= 2) {
        const NeighbourSums atFrom = Sums(from), atTo = Sums(to);
        if (atFrom.enemy == 0)
            moves = atTo.enemy > 0;
        else if (atTo.enemy != 0 && mode != conquest_move::kAttackPass)
            moves = atTo.net > std::max(atFrom.net, 0) || (atTo.net == 0 && atFrom.net < 0);
    }
    if (!moves) return;
    char text[64];
    std::snprintf(text, sizeof text, "Moving %d armies into the territory.", static_cast<int>(n));
    QueueEventText(text);
    rules::MoveArmies(p, from, to, n);
    QueueTerritoryUpdate(from);
    QueueTerritoryUpdate(to);
}

// Never from the player's stronghold; the rules refuse another's territory, a territory that is
// no neighbour or the source itself, and the source's last army.
void CChildView::ComputerMoveArmies(std::int32_t& count, std::int32_t& budget,
                                    std::int32_t source) {
    const std::int32_t p = Current();
    const std::int32_t target = g_aiTargetTerritory;
    const std::int32_t movable = rules::MovableArmies(p, source, target);
    if (source == Stronghold(p) || movable == 0) {
        count = 0;
        return;
    }
    count = std::clamp(std::min(count, budget), 0, movable);
    if (count <= 0) {
        count = 0;
        return;
    }
    budget -= count;
    SetBusy();
    QueueTerritoryUpdate(target);
    QueueTerritoryUpdate(source);
    ClearBusy();
    std::string name;
    GetComputerPlayerName(&name);
    QueueEventText(name + " moves " + std::to_string(count) + (count == 1 ? " army." : " armies."));
    rules::MoveArmies(p, source, target, count);
    g_pendingSound = game_sound::kMove;
    QueueTerritoryUpdate(target);
    QueueTerritoryUpdate(source);
}

namespace {

std::int32_t MoveTo(CChildView& view, std::int32_t target, std::int32_t source, std::int32_t count,
                    std::int32_t& budget) {
    g_aiTargetTerritory = target;
    view.ComputerMoveArmies(count, budget, source);
    return count;
}

void SupportThreatened(CChildView& view, std::int32_t& budget) {
    bool moved = false;
    for (int k = 1; k <= ThreatCount() && budget >= 1; ++k) {
        ScoreEntry& entry = g_aiThreatList[static_cast<std::size_t>(k)];
        const std::int32_t c = ContinentOf(entry.id);
        ForEachNeighbour(entry.id, [&](std::int32_t n, int) {
            if (budget < 1 || !Movable(n) || IsBorderOf(c, n) || !IsMemberOf(c, n)) return;
            const std::int32_t count = MoveTo(view, entry.id, n, Armies(n) - 1, budget);
            entry.value += count;
            moved = moved || count > 0;
        });
    }
    if (moved) SortScoreTables(score_table::kThreatList, ThreatCount());
}

void Balance(CChildView& view, std::int32_t& budget) {
    bool moved = false;
    std::int32_t lastContinent = -1;
    for (int k = 1; k <= ThreatCount() && budget >= 1; ++k) {
        const std::int32_t t = g_aiThreatList[static_cast<std::size_t>(k)].id;
        const std::int32_t c = ContinentOf(t);
        if (c == lastContinent) continue;
        ForEachNeighbour(t, [&](std::int32_t n, int) {
            if (budget < 1 || !Movable(n) || !IsBorderOf(c, n) || !IsMemberOf(c, n)) return;
            std::int32_t& vt = g_aiThreatList[static_cast<std::size_t>(k)].value;
            const std::int32_t nEntry = ThreatEntryOf(n);
            std::int32_t spare = 0;
            std::int32_t& vn =
                nEntry != 0 ? g_aiThreatList[static_cast<std::size_t>(nEntry)].value : spare;
            const std::int32_t netT = Sums(t).net, netN = Sums(n).net;
            std::int32_t count = 0;
            if (netT < netN && netN > 0) {
                const std::int32_t d = -netT - (-netT - netN) / 2;
                if (d <= 0 || Armies(t) - 1 <= 1) return;
                std::int32_t amount = std::min(d, Armies(t) - 1);
                if (Armies(t) - amount < 3) amount = Armies(t) - 3;
                if (amount <= 1 || (InRange(Armies(t), 20, 26) && InRange(Armies(n), 13, 19)))
                    return;
                count = MoveTo(view, n, t, amount, budget);
                vt -= count;
                vn += count;
            } else if (vn > 0) {
                const std::int32_t e = vn - (vn + vt) / 2;
                if (e <= 0) return;
                std::int32_t amount = std::min(e, Armies(n) - 1);
                if (Armies(n) - amount < 3) amount = Armies(n) - 3;
                if (amount <= 1 || (InRange(Armies(n), 20, 26) && InRange(Armies(t), 13, 19)))
                    return;
                count = MoveTo(view, t, n, amount, budget);
                vt += count;
                vn -= count;
            }
            if (count <= 0) return;
            moved = true;
            lastContinent = c;
        });
    }
    if (moved) SortScoreTables(score_table::kThreatList, ThreatCount());
}

bool IsSafeInterior(std::int32_t m) {
    return Movable(m) && !HasEnemyNeighbour(m) && !IsSingleEntryBorder(m);
}

void InteriorsToBorders(CChildView& view, std::int32_t& budget, bool held) {
    const std::int32_t p = Current();
    for (int c = 1; c <= Continents() && budget >= 1; ++c) {
        if (Holds(p, c) != held) continue;
        ForEachMember(c, [&](std::int32_t m) {
            if (budget < 1 || !IsSafeInterior(m) || (held && IsBorderOf(c, m))) return;
            const std::int32_t to = Receiver(m);
            if (to > 0) MoveTo(view, to, m, Armies(m) - 1, budget);
        });
    }
}

void BordersToEntries(CChildView& view, std::int32_t& budget) {
    const std::int32_t p = Current();
    for (int c = 1; c <= Continents() && budget >= 1; ++c) {
        if (!Holds(p, c)) continue;
        ForEachMember(c, [&](std::int32_t m) {
            if (budget < 1 || !Movable(m) || !IsBorderOf(c, m)) return;
            const std::int32_t entry = FindContinentEntry(m);
            if (entry > 0) MoveTo(view, entry, m, Armies(m) - 1, budget);
        });
    }
}

void EmptyOverfullEntries(CChildView& view, std::int32_t& budget) {
    const std::int32_t p = Current();
    for (int c = 1; c <= Continents() && budget >= 1; ++c) {
        if (!Holds(p, c)) continue;
        ForEachBorder(c, [&](std::int32_t m) {
            if (budget < 1 || !Movable(m)) return;
            const std::int32_t x = FindContinentEntry(m);
            if (x <= 0) return;
            const std::int32_t a = Armies(x);
            if (a <= 20 || Sums(x).enemy != 0) return;
            const std::int32_t entry = ThreatEntryOf(x);
            const std::int32_t v =
                entry != 0 ? g_aiThreatList[static_cast<std::size_t>(entry)].value : a;
            if (v - 20 <= 0) return;
            const std::int32_t to = Receiver(x);
            if (to > 0) MoveTo(view, to, x, std::min(v - 20, a - 20), budget);
        });
    }
}

}  // namespace

void CChildView::ComputerMoveStep(std::int32_t& budget) {
    SupportThreatened(*this, budget);
    Balance(*this, budget);
    InteriorsToBorders(*this, budget, true);
    BordersToEntries(*this, budget);
    EmptyOverfullEntries(*this, budget);
    InteriorsToBorders(*this, budget, false);
}
