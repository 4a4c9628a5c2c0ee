// One planning cycle of a computer turn: evaluate, filter and choose a plan, the stronghold and
// re-selection rules, the dominant leader, and the plan carried out.
#include <algorithm>

#include "ai/ai_state.h"
#include "ai/attack_steps.h"
#include "ai/board.h"
#include "ai/evaluation.h"
#include "ai/planning.h"
#include "core/child_view.h"
#include "core/model/map_catalogue.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/board_changes.h"
#include "core/rules/turn_order.h"
#include "core/turn/turn_state.h"

namespace ai {

namespace {

using namespace player_field;

std::int32_t& Score(std::int32_t plan) {
    return g_aiPlanScores[static_cast<std::size_t>(plan)];
}

bool IsPoolPlan(std::int32_t plan) {
    return std::ranges::find(ai_plan::kBlockRivalPlans, plan) != ai_plan::kBlockRivalPlans.end();
}

void ClearPoolPlans() {
    for (std::int32_t plan : ai_plan::kBlockRivalPlans) Score(plan) = 0;
}

// The hands, the deck and the computer's card selection, put back when the estimate is done.
class CardContext {
  public:
    CardContext() {
        for (std::size_t k = 0; k < values_.size(); ++k) values_[k] = *Targets()[k];
    }
    ~CardContext() {
        for (std::size_t k = 0; k < values_.size(); ++k) *Targets()[k] = values_[k];
    }
    CardContext(const CardContext&) = delete;
    CardContext& operator=(const CardContext&) = delete;

  private:
    static std::array<std::int32_t*, 10> Targets() {
        return {&g_aiArtilleryCards, &g_aiInfantryCards,   &g_aiCavalryCards, &g_aiWildCards,
                &g_aiCardTotal,      &g_aiArmiesToPlace,   &g_aiCardArmies,   &g_cardSetArmies,
                &g_turnInArmies,     &g_cardsSelectedCount};
    }
    rules::CardsPutBack cards_;
    std::array<std::int32_t, 10> values_{};
};

// Path searches from the current player's strong territories towards a stronghold; the routes
// they learn are what PlanRouteMoves then walks.
void SearchTowards(std::int32_t stronghold, std::int32_t except) {
    const std::int32_t me = Current();
    for (int t = 1; t <= Territories(); ++t) {
        if (Owner(t) != me || t == except || Armies(t) <= 4 || Armies(t) <= Armies(stronghold))
            continue;
        g_aiSmallSourceMark = Armies(t) < kSmallSource;
        if (HasEnemyArmiesNext(t)) FindAttackPath(t, stronghold, chain_choice::kMostArmiesLeft);
        g_aiSmallSourceMark = false;
    }
}

bool RouteReaches(std::int32_t t) {
    return g_aiStrongholdRoutePlan.row != 0 && t != 0 &&
           RouteAt(g_aiStrongholdRoutePlan.row, g_aiStrongholdRoutePlan.end) == t;
}

bool IsDangerFromRoute(CChildView& view, std::int32_t p, std::int32_t s) {
    for (int q = 1; q <= Players(); ++q) {
        if (q == p || TotalArmies(q) < 1) continue;
        bool danger = false;
        {
            CardContext cards;
            rules::ActingAs rival(q);
            if (!g_hasAttackedThisTurn) view.ComputerDecideCardTurnIn();
            SearchTowards(s, Stronghold(q));
            PlanRouteMoves();
            danger = RouteReaches(s);
        }
        if (g_hasAttackedThisTurn) g_aiArmiesToPlace = g_aiCardArmies = g_turnInArmies = 0;
        if (danger) return true;
    }
    return false;
}

void ApplyStrongholdRules(CChildView& view, std::int32_t p) {
    const std::int32_t s = Stronghold(p);
    if (!g_areStrongholdsOn || Owner(s) != p) return;
    WeighedArmies weighed(g_isTroopExperienceOn);
    if (IsDangerFromRoute(view, p, s)) {
        g_aiPlan = ai_plan::kGuardStronghold;
        return;
    }
    std::int32_t largest = 0;
    ForEachNeighbour(s, [&](std::int32_t n, int) {
        if (Owner(n) != p) largest = std::max(largest, Armies(n));
    });
    if (Armies(s) - largest < 5) {
        g_aiPlan = ai_plan::kGuardStronghold;
        return;
    }
    for (int q = 1; q <= Players(); ++q) {
        const std::int32_t theirs = Stronghold(q);
        if (q != p && TotalArmies(q) >= 1 && Owner(theirs) == q) SearchTowards(theirs, s);
    }
    PlanRouteMoves();
    if (g_aiStrongholdRoutePlan.row != 0 &&
        (g_aiLeader == 0 || g_aiLeader == p || RouteReaches(Stronghold(g_aiLeader))))
        g_aiPlan = ai_plan::kRouteToStronghold;
    for (int t = 1; t <= Territories(); ++t) {
        if (Owner(t) != p || Armies(t) <= 2) continue;
        ForEachNeighbour(t, [&](std::int32_t n, int) {
            const std::int32_t owner = Owner(n);
            if (owner == p || Stronghold(owner) != n || Armies(n) >= Armies(t)) return;
            if (g_aiLeader != 0 && g_aiLeader != p && owner != g_aiLeader) return;
            g_aiPlan = ai_plan::kStrikeStronghold;
            g_aiTargetTerritory = n;
            g_aiStrongholdAttackFrom = t;
            g_isLeaderDominant = kNo;
        });
    }
}

bool HasEnemyNext(std::int32_t t) {
    return IsTerritoryInPlay(t) && HasEnemyNeighbour(t);
}

void Reselect() {
    const std::int32_t t1 = g_aiThreatList[1].id, t4 = g_aiTerritoryRanking[1].id;
    const std::int32_t t9 = g_aiRouteTarget, c = g_aiContinentRanking[1].id;
    std::int32_t& plan = g_aiPlan;
    if (plan == ai_plan::kTakeContinent && c == 0) {
        if (Score(ai_plan::kBreakEnemyContinent) > 2 && ContinentOf(t4) != 0)
            plan = ai_plan::kBreakEnemyContinent;
        if (Score(ai_plan::kRouteIntoRivalContinent) > 2 && ContinentOf(t9) != 0)
            plan = ai_plan::kRouteIntoRivalContinent;
    }
    if ((plan == ai_plan::kBreakEnemyContinent || plan == ai_plan::kRouteIntoRivalContinent) &&
        Score(ai_plan::kTakeContinent) > 0) {
        if (Score(ai_plan::kBreakEnemyContinent) > 2 && Bonus(c) >= Bonus(ContinentOf(t4)))
            plan = ai_plan::kTakeContinent;
        if (Score(ai_plan::kRouteIntoRivalContinent) > 2 && Bonus(c) >= Bonus(ContinentOf(t9)))
            plan = ai_plan::kTakeContinent;
    }
    if ((plan == ai_plan::kTakeContinent || plan == ai_plan::kBreakEnemyContinent ||
         plan == ai_plan::kCompleteContinentByRoute || plan == ai_plan::kRouteIntoRivalContinent) &&
        Score(ai_plan::kReinforceThreatenedBorder) > 0) {
        g_aiThreatCheck = kYes;
        g_aiTargetTerritory = t1;
        if (HasEnemyNext(t1) && Armies(t1) < 20) plan = ai_plan::kReinforceThreatenedBorder;
        if (!HasEnemyNext(t1)) g_aiThreatCheck = kNo;
    }
    if (plan == ai_plan::kReinforceThreatenedBorder && Score(ai_plan::kBreakEnemyContinent) > 2 &&
        Bonus(ContinentOf(t4)) >= Bonus(ContinentOf(t1)))
        plan = ai_plan::kBreakEnemyContinent;
    if (IsPoolPlan(plan)) {
        if (Score(ai_plan::kBreakEnemyContinent) > 1) plan = ai_plan::kBreakEnemyContinent;
        if (Score(ai_plan::kRouteIntoRivalContinent) > 2 && ContinentOf(t9) != 0)
            plan = ai_plan::kRouteIntoRivalContinent;
        if (Score(ai_plan::kTakeContinent) >= 1) plan = ai_plan::kTakeContinent;
        if (Score(ai_plan::kCompleteContinentByRoute) >= 1)
            plan = ai_plan::kCompleteContinentByRoute;
        if (Score(ai_plan::kReinforceThreatenedBorder) >= 1 && ContinentOf(t1) != 0 &&
            HasEnemyNext(t1)) {
            plan = ai_plan::kReinforceThreatenedBorder;
            g_aiTargetTerritory = t1;
        }
    }
}

void AttackDominantLeader(CChildView& view, std::int32_t p) {
    if (!IsYes(g_isLeaderDominant) || g_aiPlan == ai_plan::kRouteToStronghold) return;
    const bool attackPlans = Score(ai_plan::kTakeContinent) >= 1 ||
                             Score(ai_plan::kBreakEnemyContinent) >= 1 ||
                             Score(ai_plan::kCompleteContinentByRoute) >= 1 ||
                             Score(ai_plan::kRouteIntoRivalContinent) >= 1;
    if (attackPlans) {
        g_isLeaderDominant = kNo;
        return;
    }
    const std::int32_t leader = g_aiLeader;
    LastTarget& last = g_aiLastTargets[static_cast<std::size_t>(p)];
    const std::int32_t turns = g_turnsPlayed[static_cast<std::size_t>(p)];
    if (last.victim == leader && turns - last.turn < 4) {
        g_isLeaderDominant = kNo;
        return;
    }
    last = {leader, turns};
    g_aiPlan = ai_plan::kNone;
    const std::int32_t limit = std::clamp(g_borderTerritoryTotal, 0, kThreatEntries);
    for (int k = 1;
         k <= limit && g_aiTerritoryRanking[static_cast<std::size_t>(k)].id != 0 && !g_isGameOver;
         ++k) {
        if (Owner(g_aiTerritoryRanking[static_cast<std::size_t>(k)].id) != leader) continue;
        view.ComputerAttackTarget(k);
        RatePlayerStrengths(strength::kWithContinents);
    }
    const std::int32_t strongest = g_playerStrengths[1].id;
    if (strongest == p) return;
    for (int t = 1; t <= Territories() && !g_isGameOver; ++t) {
        if (Owner(t) != p || t == Stronghold(p) || Armies(t) < 4) continue;
        ForEachNeighbour(t, [&](std::int32_t n, int) {
            if (g_isGameOver || Owner(t) != p || Armies(t) < 4 || Owner(n) != strongest) return;
            AttackWithEverything(view, t, n);
            RatePlayerStrengths(strength::kWithContinents);
        });
    }
}

// The opponent's territories, in territory order, are the target list of the pass.
void AttackOpponent(CChildView& view, std::int32_t opponent, bool weakestNeighbour) {
    const auto saved = g_aiTargetList;
    g_aiTargetList.fill(0);
    const int limit = std::clamp(g_maxContinentSize, 0, kTargetListEntries);
    std::int32_t listed = 0;
    for (int t = 1; t <= Territories() && listed < limit; ++t)
        if (Owner(t) == opponent) g_aiTargetList[static_cast<std::size_t>(++listed)] = t;
    if (weakestNeighbour) g_aiAttackPassPlan = ai_plan::kAttackWeakestNeighbour;
    view.ComputerAttackPass();
    g_aiAttackPassPlan = ai_plan::kNone;
    g_aiTargetList = saved;
}

void PlaceAllOnStronghold(CChildView& view, std::int32_t p) {
    const std::int32_t s = Stronghold(p);
    g_aiTargetTerritory = Owner(s) == p ? s : 0;
    view.ComputerPlaceArmiesOn(g_aiTargetTerritory, g_aiArmiesToPlace);
    g_aiArmiesToPlace = 0;
    view.ComputerPlaceTerritoryArmies();
    g_aiPlacementDone = true;
}

void StrikeStronghold(CChildView& view) {
    const std::int32_t from = g_aiStrongholdAttackFrom, to = g_aiTargetTerritory;
    if (Owner(from) != Current() || Owner(to) == Current() || Armies(from) < 2) return;
    if (!Attack(view, from, to) || g_isGameOver || Armies(from) - 1 <= 0) return;
    MoveIntoConquered(view, from, to,
                      ComputeArmiesToMove(from, to, Armies(from) - 1, conquest_move::kTargetAttack),
                      false, conquest_move::kNoFallback);
}

void Dispatch(CChildView& view, std::int32_t p, std::int32_t plan) {
    if (IsPoolPlan(plan)) {
        g_aiTargetTerritory = g_aiPoolTargets[static_cast<std::size_t>(plan)];
        view.ComputerPlaceFromPool(g_aiPoolAmounts[static_cast<std::size_t>(plan)]);
        return;
    }
    switch (plan) {
        case ai_plan::kReinforceThreatenedBorder:
            return view.ComputerPlacementStep();
        case ai_plan::kTakeContinent:
            return view.ComputerAttackPass();
        case ai_plan::kBreakEnemyContinent:
            return view.ComputerAttackTarget(1);
        case ai_plan::kCompleteContinentByRoute:
        case ai_plan::kRouteIntoRivalContinent:
        case ai_plan::kRouteToStronghold:
            return view.ComputerAttackAndMove();
        case ai_plan::kAttackWeakestOpponent:
            return AttackOpponent(view, g_aiWeakestOpponent, false);
        case ai_plan::kAttackWeakestNeighbour:
            return AttackOpponent(view, g_aiWeakestNeighbourOpponent, true);
        case ai_plan::kGuardStronghold:
            return PlaceAllOnStronghold(view, p);
        case ai_plan::kStrikeStronghold:
            return StrikeStronghold(view);
        default:
            return;
    }
}

void Evaluate(CChildView& view) {
    WeighedArmies weighed(g_isTroopExperienceOn);
    RatePlayerStrengths(strength::kWithContinents);
    view.ComputerReinforceContinentBorders();
    RankContinentsForAllPlayers();
    PlanBestAttack(ai_plan::kCompleteContinentByRoute);
    RankEnemyContinentBorders();
    PlanBestAttack(ai_plan::kRouteIntoRivalContinent);
    PickWeakestOpponent();
    PickWeakestNeighbourOpponent();
    view.ComputerChooseStrategy();
}

// Normal level: a player down to two territories with a big army puts everything on one.
bool GatherOnTwoTerritories(CChildView& view, std::int32_t p) {
    if (!g_isNormalLevel || TerritoriesOf(p) != 2 || TotalArmies(p) < 26 || g_playersLeft < 4)
        return false;
    std::int32_t target = 0;
    for (int t = 1; t <= Territories() && target == 0; ++t)
        if (Owner(t) == p && Armies(t) < 10) target = t;
    if (target == 0) return false;
    g_aiTargetTerritory = target;
    view.ComputerPlaceArmiesOn(target, g_aiArmiesToPlace);
    g_aiArmiesToPlace = 0;
    view.ComputerPlaceTerritoryArmies();
    return true;
}

bool IsWorldRouteAttackDue(std::int32_t p) {
    const std::int32_t strongest = g_playerStrengths[1].id;
    return PlaysWorldRules() && g_arePersonalitiesActive &&
           g_personalities[static_cast<std::size_t>(p)] != personality::kDefensive &&
           strongest != p && TerritoriesOf(strongest) / 3 >= 5;
}

}  // namespace

CycleEnd RunPlanningCycle(CChildView& view) {
    const std::int32_t p = Current();
    ++g_aiPlanCycle;
    g_aiAttackPassPlan = ai_plan::kNone;
    g_areMissilesEnabled = false;
    Evaluate(view);
    ApplyLevelFilter(p);
    if (GatherOnTwoTerritories(view, p)) return CycleEnd::kToMoves;
    ApplyPersonality(view, p);
    if (g_areStrongholdsOn) ClearPoolPlans();
    ChoosePlan();
    ApplyStrongholdRules(view, p);
    Reselect();
    AttackDominantLeader(view, p);
    const std::int32_t plan = g_aiPlan;
    if (!g_isGameOver) Dispatch(view, p, plan);
    if (g_isGameOver) return CycleEnd::kTurnOver;
    if (!g_aiPlacementDone) {
        if (g_hasAttackedThisTurn) {
            g_aiCardArmies = 0;
            RatePlayerStrengths(strength::kWithContinents);
        }
        if (IsWorldRouteAttackDue(p)) {
            PlanRouteAttacks();
            if (g_aiLeaderRoutePlan.row != 0) {
                g_aiPlan = ai_plan::kRouteThroughLeader;
                view.ComputerAttackAndMove();
            }
        }
        if (g_isGameOver) return CycleEnd::kTurnOver;
    }
    g_aiCardArmies = 0;
    if (g_aiPlacementDone) return CycleEnd::kToMoves;
    const bool ends = plan == ai_plan::kNone || g_aiPlacementStepRuns >= 3 ||
                      g_aiPoolPlacementRuns >= 4 || g_aiAttackPassDone != 0 ||
                      g_aiTargetAttackRuns > 3;
    return ends ? CycleEnd::kEndLoop : CycleEnd::kGoOn;
}

}  // namespace ai
