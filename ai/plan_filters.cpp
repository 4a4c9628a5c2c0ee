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

constexpr std::int32_t kPlanOrder[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 22, 23, 24, 25, 26};
constexpr std::initializer_list<std::int32_t> kPoolPlans = {6, 7, 10, 11, 22, 23, 24, 25, 26};

void Clear(std::initializer_list<std::int32_t> plans) {
    for (std::int32_t plan : plans) g_aiPlanScores[static_cast<std::size_t>(plan)] = 0;
}

std::int32_t ScoreOf(std::int32_t plan) {
    return g_aiPlanScores[static_cast<std::size_t>(plan)];
}

}  // namespace

void ApplyLevelFilter(std::int32_t player) {
    if (!g_isNormalLevel) {
        Clear({4, 6, 7, 10, 11, 13, 14, 22, 23, 24, 25, 26});
        return;
    }
    if (TotalArmies(player) < (g_isDemoRunning ? 12 : 25) && g_playersLeft > 2) Clear({4, 5, 8, 9});
}

void ApplyPersonality(CChildView& view, std::int32_t p) {
    const auto i = static_cast<std::size_t>(p);
    if (!g_arePersonalitiesActive) return;
    {
        const bool fourLeft = g_playersLeft >= 4;
        switch (g_personalities[i]) {
            case personality::kConqueror:
                Clear(kPoolPlans);
                break;
            case personality::kDefensive:
                Clear({13, 14});
                if (fourLeft) Clear({9});
                break;
            case personality::kDetermined:
                Clear(kPoolPlans);
                Clear({13, 14});
                if (g_playersLeft > 3) Clear({5, 9});
                break;
            case personality::kHunter:
                Clear({4, 8});
                if (fourLeft && (g_aiLeader == 0 || g_aiLeader == p)) Clear({9});
                if (ScoreOf(13) > 0 || ScoreOf(14) > 0) {
                    Clear({3, 5, 9});
                    Clear(kPoolPlans);
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
    g_aiPlan = 0;
    g_aiPlanScore = 0;
    for (std::int32_t plan : kPlanOrder) {
        if (ScoreOf(plan) <= g_aiPlanScore) continue;
        g_aiPlan = plan;
        g_aiPlanScore = ScoreOf(plan);
    }
    return g_aiPlan;
}

}  // namespace ai
