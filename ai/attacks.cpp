// Computer attack steps: a single target, a pass over a target list, the best single attack on
// the board with its follow-up, and an attack along a planned route.
#include <algorithm>
#include <string>

#include "ai/ai_state.h"
#include "ai/attack_steps.h"
#include "ai/board.h"
#include "ai/evaluation.h"
#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/route_table.h"
#include "core/model/session_state.h"
#include "core/rules/board_changes.h"
#include "core/turn/turn_state.h"

namespace ai {

namespace {

std::string Name(CChildView& view) {
    std::string name;
    view.GetComputerPlayerName(&name);
    return name;
}

bool IsOneForOne() {
    return IsYes(g_isOneForOneRule);
}

bool CanAttack(std::int32_t from, std::int32_t to) {
    const std::int32_t p = Current();
    return Owner(from) == p && Owner(to) != p && IsTerritoryInPlay(to) &&
           Armies(from) >= g_aiMinAttackArmies;
}

void PlaceAllOn(CChildView& view, std::int32_t t) {
    view.ComputerPlaceArmiesOn(t, g_aiArmiesToPlace);
    g_aiArmiesToPlace = 0;
}

// Attacks and, after a conquest, moves in as after a target attack.
void AttackAndMoveIn(CChildView& view, std::int32_t from, std::int32_t to) {
    if (!Attack(view, from, to) || g_isGameOver || Armies(from) - 1 <= 0) return;
    MoveIntoConquered(view, from, to,
                      ComputeArmiesToMove(from, to, Armies(from) - 1, conquest_move::kTargetAttack),
                      false, conquest_move::kTargetAttack);
}

std::int32_t Help(std::int32_t a, std::int32_t d) {
    if (IsOneForOne()) return d - a + 2;
    if (d <= 3) return 2 * d + 3 - a;
    std::int32_t h = 1;
    while (h < g_aiArmiesToPlace && static_cast<double>(a + h) / d < 2.5 && a - d + h < 4) ++h;
    return h;
}

bool NeedsHelp(std::int32_t a, std::int32_t d) {
    const bool sure = (d == 1 && a > 4) || (d == 2 && a > 6) || (d == 3 && a > 8);
    if (sure || static_cast<double>(a) / std::max(d, 1) >= 2.5) return false;
    return !IsOneForOne() || a - d < 2;
}

void ReinforceOptions(CChildView& view) {
    for (int i = 1; i <= g_aiAttackOptionCount; ++i) {
        const AttackOption& o = g_aiAttackOptions[static_cast<std::size_t>(i)];
        const std::int32_t a = Armies(o.from), d = Armies(o.to);
        if (!NeedsHelp(a, d)) continue;
        if (g_aiCardArmies > 0) TurnInForArmies(view);
        if (g_aiArmiesToPlace > 0) {
            const std::int32_t h = std::min(Help(a, d), g_aiArmiesToPlace);
            if (h > 0) {
                view.ComputerPlaceArmiesOn(o.from, h);
                g_aiArmiesToPlace -= h;
            }
        }
        if (g_aiArmiesToPlace <= 0) break;
    }
}

struct Route {
    std::int32_t row = 0, start = 0, end = 0, margin = 0;
};

Route RouteOfPlan(std::int32_t plan) {
    switch (plan) {
        case ai_plan::kRouteIntoRivalContinent: {
            if (g_aiChosenAttackCandidate < 1 || g_aiChosenAttackCandidate > g_attackCandidateCount)
                return {};
            const RouteCandidate& c =
                g_attackCandidates[static_cast<std::size_t>(g_aiChosenAttackCandidate)];
            return {c.row, c.source, c.target, c.margin};
        }
        case ai_plan::kCompleteContinentByRoute:
            return {g_aiContinentRoutePlan.row, g_aiContinentRoutePlan.start,
                    g_aiContinentRoutePlan.end, g_aiContinentRoutePlan.margin};
        case ai_plan::kRouteThroughLeader:
            return {g_aiLeaderRoutePlan.row, g_aiLeaderRoutePlan.start, g_aiLeaderRoutePlan.end,
                    g_aiLeaderRoutePlan.margin};
        case ai_plan::kRouteToStronghold:
            return {g_aiStrongholdRoutePlan.row, g_aiStrongholdRoutePlan.start,
                    g_aiStrongholdRoutePlan.end, g_aiStrongholdRoutePlan.margin};
        default:
            return {};
    }
}

enum class RouteMove { kSingleStep, kHoldBack, kAll };

std::int32_t RouteMoveAmount(RouteMove mode, bool firstConquest, std::int32_t from,
                             std::int32_t to) {
    const std::int32_t a = Armies(from);
    std::int32_t n = a - 1;
    if (mode == RouteMove::kSingleStep)
        n = ComputeArmiesToMove(from, to, a - 1, conquest_move::kRouteStep);
    if (mode == RouteMove::kHoldBack && firstConquest)
        n = a - 1 < 20 ? (a - 1) / 3 : a - 1 < 151 ? a - 21 : a - 76;
    if (PlaysWorldRules()) {
        if (g_aiPlan == ai_plan::kRouteThroughLeader) n = std::min(n, 15);
        if (g_aiPlan == ai_plan::kRouteToStronghold) n = a - 1;
    }
    return n;
}

}  // namespace

bool Attack(CChildView& view, std::int32_t from, std::int32_t to, bool trailingBlank) {
    view.SetBusy();
    view.QueueTerritoryUpdate(from);
    view.QueueTerritoryUpdate(to);
    view.ClearBusy();
    view.QueueEventText(Name(view) + (trailingBlank ? " is attacking. " : " is attacking."));
    view.ResolveAttack(from, Armies(from) - 1, to, g_hasEarnedCardThisTurn);
    return Owner(to) == Current();
}

void MoveIntoConquered(CChildView& view, std::int32_t from, std::int32_t to, std::int32_t n,
                       bool trailingBlank, std::int32_t fallbackMode) {
    if (Owner(from) != Current() || Owner(to) != Current()) return;
    n = std::min(n, Armies(from) - 1);
    if (n < 1) {
        if (fallbackMode >= 0) view.ComputerMoveIntoConquered(from, to, fallbackMode);
        return;
    }
    const std::string blank = trailingBlank ? " " : "";
    view.QueueEventText(Name(view) + " moves " + std::to_string(n) +
                        (n == 1 ? " army into the territory." : " armies into the territory.") +
                        blank);
    rules::MoveArmies(Current(), from, to, n);
    view.QueueTerritoryUpdate(from);
    view.QueueTerritoryUpdate(to);
}

// The cards are gone once turned in, so their offer ends with them.
void TurnInForArmies(CChildView& view) {
    view.TurnInCards();
    view.QueueCardsEvent();
    g_aiCardArmies = 0;
}

void AttackWithEverything(CChildView& view, std::int32_t from, std::int32_t to) {
    if (!CanAttack(from, to)) return;
    PlaceAllOn(view, from);
    if (!Attack(view, from, to, true) || g_isGameOver) return;
    const std::int32_t n =
        ComputeArmiesToMove(from, to, Armies(from) - 1, conquest_move::kBestAttack);
    MoveIntoConquered(view, from, to, n, true, conquest_move::kBestAttack);
}

}  // namespace ai

using namespace ai;

void CChildView::ComputerAttackTarget(std::int32_t entry) {
    ++g_aiTargetAttackRuns;
    if (entry < 1 || entry > kThreatEntries) return;
    const std::int32_t p = Current();
    const std::int32_t target = g_aiTerritoryRanking[static_cast<std::size_t>(entry)].id;
    if (!IsTerritoryInPlay(target)) return;
    std::int32_t source = 0;
    ForEachNeighbour(target, [&](std::int32_t n, int) {
        if (Owner(n) == p && Armies(n) > Armies(source)) source = n;
    });
    if (source == 0) return;
    const std::int32_t lead = IsOneForOne() ? 2 : 7;
    if (Armies(source) - Armies(target) < lead && g_aiCardArmies > 0) TurnInForArmies(*this);
    PlaceAllOn(*this, source);
    const bool strongEnough = Armies(source) > 4 || !IsYes(g_isLeaderDominant);
    if (CanAttack(source, target) && strongEnough) {
        AttackAndMoveIn(*this, source, target);
        if (IsYes(g_isLeaderDominant)) g_aiCardArmies = 0;
    }
    if (Owner(target) == p || g_isGameOver) return;
    std::int32_t own = 0;
    ForEachNeighbour(target, [&](std::int32_t n, int) { own += Owner(n) == p ? 1 : 0; });
    if (own <= 1) return;
    ForEachNeighbour(target, [&](std::int32_t n, int) {
        if (n == source || Owner(n) != p || Armies(n) <= 2 || Owner(target) == p || g_isGameOver)
            return;
        if (CanAttack(n, target)) AttackAndMoveIn(*this, n, target);
    });
}

void CChildView::ComputerAttackPass() {
    if (ChooseAttackTargets() == 0) {
        g_aiAttackPassDone = 1;
        return;
    }
    ReinforceOptions(*this);
    PlaceAllOn(*this, g_aiAttackOptions[1].from);
    const std::int32_t count = g_aiAttackOptionCount;
    const auto options = g_aiAttackOptions;
    for (int i = 1; i <= count && !g_isGameOver; ++i) {
        const AttackOption& o = options[static_cast<std::size_t>(i)];
        if (!CanAttack(o.from, o.to)) continue;
        if (!Attack(*this, o.from, o.to) || g_isGameOver || Armies(o.from) - 1 <= 0) continue;
        MoveIntoConquered(
            *this, o.from, o.to,
            ComputeArmiesToMove(o.from, o.to, Armies(o.from) - 1, conquest_move::kAttackPass), true,
            conquest_move::kAttackPass);
    }
}

void CChildView::ComputerAttackAndAdvance() {
    const std::int32_t p = Current();
    g_aiQuotaThreshold = QuotaThreshold();
    {
        WeighedArmies weighed(g_isTroopExperienceOn);
        const std::int32_t strongest = g_playerStrengths[1].id;
        const bool continentFirst =
            g_aiPlayerEstimates[static_cast<std::size_t>(strongest)][2] < g_aiQuotaThreshold ||
            strongest == p;
        const std::int32_t firstSearch =
            continentFirst ? candidate_search::kIntoTopContinent : candidate_search::kPickOffLeader;
        const std::int32_t secondSearch =
            continentFirst ? candidate_search::kPickOffLeader : candidate_search::kIntoTopContinent;
        ListAttackCandidates(firstSearch);
        if (g_aiBestOddsRatio <= 1.5) ListAttackCandidates(secondSearch);
        if (IsYes(g_aiIsSmallArmy) && IsNo(g_aiIsSmallArmyAlt)) {
            ListAttackCandidates(candidate_search::kIntoTopContinent);
            if (g_aiBestOddsRatio <= 1.5) g_aiBestOddsRatio = 0;
        }
        if (g_aiBestOddsRatio < 1.5 || g_aiBestAttackOption == 0)
            ListAttackCandidates(candidate_search::kFromBigArmies);
    }
    if (g_aiBestOddsRatio <= 1.5 || g_aiBestAttackOption == 0) return;
    const AttackOption o = g_aiAttackOptions[static_cast<std::size_t>(g_aiBestAttackOption)];
    const bool worth = g_isDemoRunning || TotalArmies(p) - Armies(o.to) > 24;
    if (!CanAttack(o.from, o.to) || !worth) return;
    PlaceAllOn(*this, o.from);
    if (Attack(*this, o.from, o.to) && !g_isGameOver && Armies(o.from) - 1 > 0)
        MoveIntoConquered(
            *this, o.from, o.to,
            ComputeArmiesToMove(o.from, o.to, Armies(o.from) - 1, conquest_move::kBestAttack), true,
            conquest_move::kBestAttack);
    if (g_isGameOver) return;
    RankEnemyContinentBorders();
    const std::int32_t first = g_aiTerritoryRanking[1].id;
    const std::int32_t v = g_aiCardArmies + g_aiTerritoryRanking[1].value + g_aiArmiesToPlace;
    g_aiPlanScores[ai_plan::kBreakEnemyContinent] = first != 0 && v > 2 ? v : 0;
    if (g_aiLeader == 0 || g_aiLeader == p || Owner(first) == g_aiLeader) {
        if (g_aiPlanScores[ai_plan::kBreakEnemyContinent] > 2 && IsNo(g_aiIsSmallArmy))
            ComputerAttackTarget(1);
    } else {
        g_aiPlanScores[ai_plan::kBreakEnemyContinent] = 0;
    }
}

void CChildView::ComputerAttackAndMove() {
    const Route route = RouteOfPlan(g_aiPlan);
    if (route.row == 0 || route.start == route.end) return;
    const std::int32_t p = Current();
    const std::int32_t startTerritory = RouteAt(route.row, route.start);
    if (Owner(startTerritory) != p) return;
    const bool single = std::abs(route.start - route.end) == 1;
    RouteMove mode = RouteMove::kAll;
    if (single)
        mode = RouteMove::kSingleStep;
    else if (route.margin > 26 &&
             (Holds(p, ContinentOf(startTerritory)) || IsSingleEntryBorder(startTerritory)))
        mode = RouteMove::kHoldBack;
    if (g_aiCardArmies > 0 && route.margin - g_aiCardArmies < (single ? 7 : 27))
        TurnInForArmies(*this);
    PlaceAllOn(*this, startTerritory);
    const int step = route.end > route.start ? 1 : -1;
    bool first = true;
    for (int k = route.start; k != route.end && !g_isGameOver; k += step) {
        const std::int32_t from = RouteAt(route.row, k), to = RouteAt(route.row, k + step);
        if (Owner(from) != p || Armies(from) < 2) break;
        if (Owner(to) == p) continue;
        if (Armies(from) < g_aiMinAttackArmies || !Attack(*this, from, to)) break;
        if (g_isGameOver || Armies(from) - 1 <= 0) break;
        MoveIntoConquered(*this, from, to, RouteMoveAmount(mode, first, from, to), true,
                          conquest_move::kNoFallback);
        first = false;
    }
}
