// What the level, the personalities and the strongholds take out of the plan scores, and the
// choice of the plan with the highest score.
#include <initializer_list>

#include "ai/ai_state.h"
#include "ai/board.h"
#include "ai/planning.h"
#include "core/child_view.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "platform/random.h"

namespace ai {

namespace {

// On equal scores the earlier plan of this order is chosen.
constexpr std::int32_t kPlanOrder[] = {ai_plan::kReinforceThreatenedBorder,
                                       ai_plan::kTakeContinent,
                                       ai_plan::kBreakEnemyContinent,
                                       ai_plan::kBlockRival1,
                                       ai_plan::kBlockRival2,
                                       ai_plan::kCompleteContinentByRoute,
                                       ai_plan::kRouteIntoRivalContinent,
                                       ai_plan::kBlockRival3,
                                       ai_plan::kBlockRival4,
                                       ai_plan::kAttackWeakestOpponent,
                                       ai_plan::kAttackWeakestNeighbour,
                                       ai_plan::kBlockRival5,
                                       ai_plan::kBlockRival6,
                                       ai_plan::kBlockRival7,
                                       ai_plan::kBlockRival8,
                                       ai_plan::kBlockRival9};

void Clear(std::initializer_list<std::int32_t> plans) {
    for (std::int32_t plan : plans) g_aiPlanScores[static_cast<std::size_t>(plan)] = 0;
}

void ClearBlockRivalPlans() {
    for (std::int32_t plan : ai_plan::kBlockRivalPlans)
        g_aiPlanScores[static_cast<std::size_t>(plan)] = 0;
}

std::int32_t ScoreOf(std::int32_t plan) {
    return g_aiPlanScores[static_cast<std::size_t>(plan)];
}

}  // namespace

void ApplyLevelFilter(std::int32_t player) {
    if (!g_isNormalLevel) {
        Clear({ai_plan::kTakeContinent, ai_plan::kAttackWeakestOpponent,
               ai_plan::kAttackWeakestNeighbour});
        ClearBlockRivalPlans();
        return;
    }
    if (TotalArmies(player) < (g_isDemoRunning ? 12 : 25) && g_playersLeft > 2)
        Clear({ai_plan::kTakeContinent, ai_plan::kBreakEnemyContinent,
               ai_plan::kCompleteContinentByRoute, ai_plan::kRouteIntoRivalContinent});
}

void ApplyPersonality(CChildView& view, std::int32_t p) {
    const auto i = static_cast<std::size_t>(p);
    if (!g_arePersonalitiesActive) return;
    {
        const bool fourLeft = g_playersLeft >= 4;
        switch (g_personalities[i]) {
            case personality::kConqueror:
                ClearBlockRivalPlans();
                break;
            case personality::kDefensive:
                Clear({ai_plan::kAttackWeakestOpponent, ai_plan::kAttackWeakestNeighbour});
                if (fourLeft) Clear({ai_plan::kRouteIntoRivalContinent});
                break;
            case personality::kDetermined:
                ClearBlockRivalPlans();
                Clear({ai_plan::kAttackWeakestOpponent, ai_plan::kAttackWeakestNeighbour});
                if (g_playersLeft > 3)
                    Clear({ai_plan::kBreakEnemyContinent, ai_plan::kRouteIntoRivalContinent});
                break;
            case personality::kHunter:
                Clear({ai_plan::kTakeContinent, ai_plan::kCompleteContinentByRoute});
                if (fourLeft && (g_aiLeader == 0 || g_aiLeader == p))
                    Clear({ai_plan::kRouteIntoRivalContinent});
                if (ScoreOf(ai_plan::kAttackWeakestOpponent) > 0 ||
                    ScoreOf(ai_plan::kAttackWeakestNeighbour) > 0) {
                    Clear({ai_plan::kReinforceThreatenedBorder, ai_plan::kBreakEnemyContinent,
                           ai_plan::kRouteIntoRivalContinent});
                    ClearBlockRivalPlans();
                }
                break;
            default:
                break;
        }
    }
    // An Unstable player draws its personality again now and then.
    const std::int32_t turns = g_turnsPlayed[i];
    if (g_unstableMarks[i] != personality::kUnstableMark || turns % 10 != 0 || turns <= 9) return;
    platform::Random& random = view.Platform().random;
    if (random.Next() % 3 != 1) return;
    g_personalities[i] = random.Next() % 6;
    if (g_personalities[i] != personality::kAvenger) g_avengeTargets[i] = 0;
}

std::int32_t ChoosePlan() {
    g_aiPlan = ai_plan::kNone;
    g_aiPlanScore = 0;
    for (std::int32_t plan : kPlanOrder) {
        if (ScoreOf(plan) <= g_aiPlanScore) continue;
        g_aiPlan = plan;
        g_aiPlanScore = ScoreOf(plan);
    }
    return g_aiPlan;
}

}  // namespace ai
