// The turn driver: the plan choice and its filters, the hand-over between computer players, and
// one turn played through the clock.
#include "ai/planning.h"
#include "ai_fixture.h"
#include "core/model/options.h"
#include "core/rules/turn_order.h"

namespace {

using namespace ai_test;

class Driver : public AiFixture {};

TEST_F(Driver, TiesGoToTheEarlierPlanAndNoScoreChoosesNothing) {
    g_aiPlanScores.fill(0);
    EXPECT_EQ(ai::ChoosePlan(), 0);
    g_aiPlanScores[9] = 12;
    g_aiPlanScores[5] = 12;
    g_aiPlanScores[22] = 12;
    EXPECT_EQ(ai::ChoosePlan(), 5);
    g_aiPlanScores[26] = 13;
    EXPECT_EQ(ai::ChoosePlan(), 26);
}

TEST_F(Driver, EasyLevelLeavesOnlyPlacementAndSimpleAttacks) {
    BuildLine();
    SetBoard({{1, 30}, {1, 3}, {1, 3}, {2, 8}, {2, 2}, {3, 1}});
    g_isNormalLevel = false;
    g_aiPlanScores.fill(0);
    for (int plan = 3; plan <= 26; ++plan) g_aiPlanScores[plan] = plan;
    ai::ApplyLevelFilter(1);
    std::vector<int> left;
    for (int plan = 3; plan <= 26; ++plan)
        if (g_aiPlanScores[plan] > 0) left.push_back(plan);
    EXPECT_EQ(left, (std::vector<int>{3, 5, 8, 9, 12, 15, 16, 17, 18, 19, 20, 21}));
}

TEST_F(Driver, NeutralArmyNeverTakesATurn) {
    BuildLine();
    g_hasNeutralArmy = true;
    g_humanPlayerCount = 0;
    g_isFastestSpeed = true;
    g_isFastSpeed = true;
    SetBoard({{1, 3}, {1, 3}, {2, 3}, {2, 3}, {3, 2}, {3, 1}});
    rules::SetCurrentPlayer(2);
    View().RunComputerTurns();
    EXPECT_EQ(g_currentPlayer, 1) << "after player 2 comes player 1";
    EXPECT_EQ(g_messageCount, 1);
    EXPECT_EQ(g_messageQueue[1].type, message_type::kComputerTurns);
    SetBoard({{2, 3}, {2, 3}, {2, 3}, {2, 3}, {3, 2}, {3, 1}});
    rules::SetCurrentPlayer(2);
    View().RunComputerTurns();
    EXPECT_EQ(g_currentPlayer, 2) << "with player 1 out, player 2 plays again";
}

TEST_F(Driver, ConsecutiveComputerTurnsStopAtALivingHuman) {
    BuildLine();
    g_playerCount = 3;
    g_humanPlayerCount = 1;
    g_isFastestSpeed = true;
    g_isFastSpeed = true;
    SetBoard({{1, 3}, {1, 3}, {2, 3}, {2, 3}, {3, 2}, {3, 1}});
    rules::SetCurrentPlayer(2);
    View().RunComputerTurns();
    EXPECT_EQ(g_currentPlayer, 1);
    EXPECT_EQ(g_turnsPlayed[2], 1);
    EXPECT_EQ(g_turnsPlayed[3], 1);
    EXPECT_FALSE(g_isHumanTurnStarted);
}

TEST_F(Driver, DemoEndsWhenATerritoryHoldsMoreThanSevenHundred) {
    BuildLine();
    g_gameKind = 5;
    SetBoard({{1, 3}, {1, 701}, {2, 3}, {2, 3}, {3, 2}, {3, 1}});
    rules::SetCurrentPlayer(2);
    View().PlayComputerTurn();
    EXPECT_TRUE(g_isGameOver);
    EXPECT_EQ(g_eventQueue[g_eventCount].type, event_type::kGameEnd);
}

}  // namespace
