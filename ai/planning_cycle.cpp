// One planning cycle of a computer turn: evaluate, filter and choose a plan, the stronghold and
// re-selection rules, the dominant leader, and the plan carried out.
#include <algorithm>

#include "ai/ai_state.h"
#include "ai/attack_steps.h"
#include "ai/board.h"
#include "ai/evaluation.h"
#include "ai/planning.h"
#include "core/child_view.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "maps/map_catalogue.h"
#include "shell/settings.h"

namespace ai {

namespace {

using namespace player_field;

constexpr std::int32_t kSmallSource = 10;

std::int32_t& Score(std::int32_t plan) {
    return g_aiPlanScores[static_cast<std::size_t>(plan)];
}

bool IsPoolPlan(std::int32_t plan) {
    return plan == 6 || plan == 7 || plan == 10 || plan == 11 || (plan >= 22 && plan <= 26);
}

void ClearPoolPlans() {
    for (std::int32_t plan : {6, 7, 10, 11, 22, 23, 24, 25, 26}) Score(plan) = 0;
}

// The card state of two players and of the deck, put back when the estimate is done.
class CardContext {
  public:
    CardContext(std::int32_t a, std::int32_t b)
        : a_(a), b_(b), handA_(Record(a)), handB_(Record(b)) {
        values_ = {g_deckArtilleryCards, g_deckInfantryCards, g_deckCavalryCards, g_deckWildCards,
                   g_aiArtilleryCards,   g_aiInfantryCards,   g_aiCavalryCards,   g_aiWildCards,
                   g_aiCardTotal,        g_aiArmiesToPlace,   g_aiCardArmies,     g_cardSetArmies,
                   g_turnInArmies,       g_cardsSelectedCount};
    }
    ~CardContext() {
        for (int f = kArtilleryCards; f <= kWildCards; ++f) {
            Record(a_)[static_cast<std::size_t>(f)] = handA_[static_cast<std::size_t>(f)];
            Record(b_)[static_cast<std::size_t>(f)] = handB_[static_cast<std::size_t>(f)];
        }
        std::int32_t* targets[] = {&g_deckArtilleryCards, &g_deckInfantryCards, &g_deckCavalryCards,
                                   &g_deckWildCards,      &g_aiArtilleryCards,  &g_aiInfantryCards,
                                   &g_aiCavalryCards,     &g_aiWildCards,       &g_aiCardTotal,
                                   &g_aiArmiesToPlace,    &g_aiCardArmies,      &g_cardSetArmies,
                                   &g_turnInArmies,       &g_cardsSelectedCount};
        for (std::size_t k = 0; k < values_.size(); ++k) *targets[k] = values_[k];
    }
    CardContext(const CardContext&) = delete;
    CardContext& operator=(const CardContext&) = delete;

  private:
    std::int32_t a_, b_;
    PlayerRecord handA_, handB_;
    std::array<std::int32_t, 14> values_{};
};

// Path searches from the current player's strong territories towards a stronghold; the routes
// they learn are what PlanRouteMoves then walks.
void SearchTowards(std::int32_t stronghold, std::int32_t except) {
    const std::int32_t me = Current();
    for (int t = 1; t <= Territories(); ++t) {
        if (Owner(t) != me || t == except || Armies(t) <= 4 || Armies(t) <= Armies(stronghold))
            continue;
        g_aiSmallSourceMark = Armies(t) < kSmallSource;
        if (HasEnemyArmiesNext(t)) FindAttackPath(t, stronghold, 3);
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
            CardContext cards(p, q);
            ActingAs rival(q);
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
        g_aiPlan = 16;
        return;
    }
    std::int32_t largest = 0;
    ForEachNeighbour(s, [&](std::int32_t n, int) {
        if (Owner(n) != p) largest = std::max(largest, Armies(n));
    });
    if (Armies(s) - largest < 5) {
        g_aiPlan = 16;
        return;
    }
    for (int q = 1; q <= Players(); ++q) {
        const std::int32_t theirs = Stronghold(q);
        if (q != p && TotalArmies(q) >= 1 && Owner(theirs) == q) SearchTowards(theirs, s);
    }
    PlanRouteMoves();
    if (g_aiStrongholdRoutePlan.row != 0 &&
        (g_aiLeader == 0 || g_aiLeader == p || RouteReaches(Stronghold(g_aiLeader))))
        g_aiPlan = 15;
    for (int t = 1; t <= Territories(); ++t) {
        if (Owner(t) != p || Armies(t) <= 2) continue;
        ForEachNeighbour(t, [&](std::int32_t n, int) {
            const std::int32_t owner = Owner(n);
            if (owner == p || Stronghold(owner) != n || Armies(n) >= Armies(t)) return;
            if (g_aiLeader != 0 && g_aiLeader != p && owner != g_aiLeader) return;
            g_aiPlan = 17;
            g_aiTargetTerritory = n;
            g_aiStrongholdAttackFrom = t;
            g_isLeaderDominant = 'n';
        });
    }
}

bool HasEnemyNext(std::int32_t t) {
    return IsTerritory(t) && HasEnemyNeighbour(t);
}

void Reselect() {
    const std::int32_t t1 = g_aiThreatList[1].id, t4 = g_aiTerritoryRanking[1].id;
    const std::int32_t t9 = g_aiRouteTarget, c = g_aiContinentRanking[1].id;
    std::int32_t& plan = g_aiPlan;
    if (plan == 4 && c == 0) {
        if (Score(5) > 2 && ContinentOf(t4) != 0) plan = 5;
        if (Score(9) > 2 && ContinentOf(t9) != 0) plan = 9;
    }
    if ((plan == 5 || plan == 9) && Score(4) > 0) {
        if (Score(5) > 2 && Bonus(c) >= Bonus(ContinentOf(t4))) plan = 4;
        if (Score(9) > 2 && Bonus(c) >= Bonus(ContinentOf(t9))) plan = 4;
    }
    if ((plan == 4 || plan == 5 || plan == 8 || plan == 9) && Score(3) > 0) {
        g_aiThreatCheck = 'j';
        g_aiTargetTerritory = t1;
        if (HasEnemyNext(t1) && Armies(t1) < 20) plan = 3;
        if (!HasEnemyNext(t1)) g_aiThreatCheck = 'n';
    }
    if (plan == 3 && Score(5) > 2 && Bonus(ContinentOf(t4)) >= Bonus(ContinentOf(t1))) plan = 5;
    if (IsPoolPlan(plan)) {
        if (Score(5) > 1) plan = 5;
        if (Score(9) > 2 && ContinentOf(t9) != 0) plan = 9;
        if (Score(4) >= 1) plan = 4;
        if (Score(8) >= 1) plan = 8;
        if (Score(3) >= 1 && ContinentOf(t1) != 0 && HasEnemyNext(t1)) {
            plan = 3;
            g_aiTargetTerritory = t1;
        }
    }
}

void AttackDominantLeader(CChildView& view, std::int32_t p) {
    if (g_isLeaderDominant != 'j' || g_aiPlan == 15) return;
    const bool attackPlans = Score(4) >= 1 || Score(5) >= 1 || Score(8) >= 1 || Score(9) >= 1;
    if (attackPlans) {
        g_isLeaderDominant = 'n';
        return;
    }
    const std::int32_t leader = g_aiLeader;
    LastTarget& last = g_aiLastTargets[static_cast<std::size_t>(p)];
    const std::int32_t turns = g_turnsPlayed[static_cast<std::size_t>(p)];
    if (last.victim == leader && turns - last.turn < 4) {
        g_isLeaderDominant = 'n';
        return;
    }
    last = {leader, turns};
    g_aiPlan = 0;
    const std::int32_t limit = std::clamp(g_borderTerritoryTotal, 0, kThreatEntries);
    for (int k = 1;
         k <= limit && g_aiTerritoryRanking[static_cast<std::size_t>(k)].id != 0 && !g_isGameOver;
         ++k) {
        if (Owner(g_aiTerritoryRanking[static_cast<std::size_t>(k)].id) != leader) continue;
        view.ComputerAttackTarget(k);
        RatePlayerStrengths(1);
    }
    const std::int32_t strongest = g_playerStrengths[1].id;
    if (strongest == p) return;
    for (int t = 1; t <= Territories() && !g_isGameOver; ++t) {
        if (Owner(t) != p || t == Stronghold(p) || Armies(t) < 4) continue;
        ForEachNeighbour(t, [&](std::int32_t n, int) {
            if (g_isGameOver || Owner(t) != p || Armies(t) < 4 || Owner(n) != strongest) return;
            AttackWithEverything(view, t, n);
            RatePlayerStrengths(1);
        });
    }
}

// The opponent's territories, in territory order, are the target list of the pass.
void AttackOpponent(CChildView& view, std::int32_t opponent, bool plan14) {
    const auto saved = g_aiTargetList;
    g_aiTargetList.fill(0);
    const int limit = std::clamp(g_maxContinentSize, 0, kTargetListEntries);
    std::int32_t listed = 0;
    for (int t = 1; t <= Territories() && listed < limit; ++t)
        if (Owner(t) == opponent) g_aiTargetList[static_cast<std::size_t>(++listed)] = t;
    if (plan14) g_aiAttackPassPlan = 14;
    view.ComputerAttackPass();
    g_aiAttackPassPlan = 0;
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
    MoveIntoConquered(view, from, to, ComputeArmiesToMove(from, to, Armies(from) - 1, 5), false,
                      -1);
}

void Dispatch(CChildView& view, std::int32_t p, std::int32_t plan) {
    if (IsPoolPlan(plan)) {
        g_aiTargetTerritory = g_aiPoolTargets[static_cast<std::size_t>(plan)];
        view.ComputerPlaceFromPool(g_aiPoolAmounts[static_cast<std::size_t>(plan)]);
        return;
    }
    switch (plan) {
        case 3:
            return view.ComputerPlacementStep();
        case 4:
            return view.ComputerAttackPass();
        case 5:
            return view.ComputerAttackTarget(1);
        case 8:
        case 9:
        case 15:
            return view.ComputerAttackAndMove();
        case 13:
            return AttackOpponent(view, g_aiWeakestOpponent, false);
        case 14:
            return AttackOpponent(view, g_aiWeakestNeighbourOpponent, true);
        case 16:
            return PlaceAllOnStronghold(view, p);
        case 17:
            return StrikeStronghold(view);
        default:
            return;
    }
}

void Evaluate(CChildView& view) {
    WeighedArmies weighed(g_isTroopExperienceOn);
    RatePlayerStrengths(1);
    view.ComputerReinforceContinentBorders(1);
    RankContinentsForAllPlayers();
    PlanBestAttack(8);
    RankEnemyContinentBorders();
    PlanBestAttack(9);
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
    g_aiAttackPassPlan = 0;
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
            RatePlayerStrengths(1);
        }
        if (IsWorldRouteAttackDue(p)) {
            PlanRouteAttacks();
            if (g_aiLeaderRoutePlan.row != 0) {
                g_aiPlan = 12;
                view.ComputerAttackAndMove();
            }
        }
        if (g_isGameOver) return CycleEnd::kTurnOver;
    }
    g_aiCardArmies = 0;
    if (g_aiPlacementDone) return CycleEnd::kToMoves;
    const bool ends = plan == 0 || g_aiPlacementStepRuns >= 3 || g_aiPoolPlacementRuns >= 4 ||
                      g_aiAttackPassDone != 0 || g_aiTargetAttackRuns > 3;
    return ends ? CycleEnd::kEndLoop : CycleEnd::kGoOn;
}

}  // namespace ai
