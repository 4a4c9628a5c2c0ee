// The planning cycle of a computer turn and the parts of it the driver shares.
#pragma once

#include <cstdint>

class CChildView;

namespace ai {

enum class CycleEnd {
    kGoOn,      // another cycle
    kEndLoop,   // on to the end-of-turn attacks
    kToMoves,   // placement done: straight to the moves
    kTurnOver,  // the game is over
};

// One cycle: evaluate, choose one plan, carry it out.
CycleEnd RunPlanningCycle(CChildView& view);

// The filters of the cycle, applied to g_aiPlanScores.
void ApplyLevelFilter(std::int32_t player);
void ApplyPersonality(CChildView& view, std::int32_t player);
// ai_plan::kNone when no score is above 0; on equal scores the earlier plan of the order.
std::int32_t ChoosePlan();

}  // namespace ai
