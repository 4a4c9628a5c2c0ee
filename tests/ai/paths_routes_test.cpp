// Attack paths and options, predefined routes and route plans on small boards.
#include "ai_fixture.h"

namespace {

using namespace ai_test;

class Paths : public AiFixture {
  protected:
    // A ring of 8 with a chord 2-6: player 1 holds 1 with 20 armies, the rest is others'.
    void SetUp() override {
        AiFixture::SetUp();
        BuildBoard(8, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}, {8, 1}, {2, 6}}, {});
        SetBoard({{1, 20}, {2, 2}, {2, 2}, {3, 2}, {3, 2}, {2, 3}, {3, 1}, {1, 1}});
    }
    static std::vector<int> Row(int row) {
        std::vector<int> path;
        for (int k = 1; k <= kPathRowLength && g_pathRows[row][k] != 0; ++k)
            path.push_back(g_pathRows[row][k]);
        return path;
    }
};

TEST_F(Paths, EnumerationFindsTheBestPathAndLearnsIt) {
    const ai::PathChoice best = ai::FindAttackPath(1, 5, ai::chain_choice::kMostArmiesLeft);
    ASSERT_NE(best.row, 0);
    EXPECT_EQ(Row(best.row), (std::vector<int>{1, 2, 6, 5})) << "through the chord, 7 armies";
    EXPECT_EQ(best.value, 20 - 7 - 3);
    ASSERT_EQ(g_routeCount, 1);
    EXPECT_EQ(g_routeTable[1][1], 1);
    EXPECT_EQ(g_routeTable[1][4], 5);
    ai::FindAttackPath(1, 5, ai::chain_choice::kFewestDefenders);
    EXPECT_EQ(g_routeCount, 1) << "a known path is not learned twice";
}

TEST_F(Paths, ShortPathsAreNotLearnedAndOwnTerritoriesAreNeverCrossed) {
    const ai::PathChoice next = ai::FindAttackPath(1, 2, ai::chain_choice::kMostArmiesLeft);
    EXPECT_EQ(Row(next.row), (std::vector<int>{1, 2}));
    EXPECT_EQ(g_routeCount, 0);
    const ai::PathChoice around = ai::FindAttackPath(1, 7, ai::chain_choice::kFewestDefenders);
    ASSERT_NE(around.row, 0);
    for (int t : Row(around.row)) EXPECT_NE(t, 8) << "8 is the searcher's own";
}

TEST_F(Paths, PredefinedRoutesComeFirstWithinTwelvePlaces) {
    AddRoute({1, 8, 7});
    const ai::PathChoice routed = ai::FindAttackPath(1, 7, ai::chain_choice::kMostArmiesLeft);
    ASSERT_NE(routed.row, 0)
        << "the route through the searcher's own 8 is refused, then enumerated";
    for (int t : Row(routed.row)) EXPECT_NE(t, 8);
    g_territories[8].owner = 3;
    const ai::PathChoice best = ai::FindAttackPath(1, 7, ai::chain_choice::kMostArmiesLeft);
    EXPECT_EQ(Row(best.row), (std::vector<int>{1, 8, 7}));
    // A route whose two ends are 12 places apart is not copied.
    g_routeCount = 0;
    AddRoute({1, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 7});
    ai::FindAttackPath(1, 7, ai::chain_choice::kMostArmiesLeft);
    for (int r = 1; r <= g_pathRowCount; ++r) EXPECT_LE(Row(r).size(), 11u);
}

TEST_F(Paths, TargetListWithAnUnreachableTargetGivesNoOptions) {
    g_maxContinentSize = 20;
    g_territories[8].armies = 5;
    g_aiTargetList.fill(0);
    g_aiTargetList[1] = 2;
    g_aiTargetList[2] = 7;
    g_aiTargetList[3] = 4;  // no neighbour of player 1
    EXPECT_EQ(ai::ChooseAttackTargets(), 0);
    g_aiTargetList[3] = 0;
    EXPECT_EQ(ai::ChooseAttackTargets(), 2);
    EXPECT_EQ(g_aiAttackOptions[1].from, 1);
    EXPECT_EQ(g_aiAttackOptions[2].from, 8) << "7's only own neighbour";
}

TEST_F(Paths, NextRouteStepTowardsTheNearestEnemy) {
    AddRoute({3, 2, 1, 8, 7});
    EXPECT_EQ(ai::FindPredefinedRoute(1), 2) << "2 and 7 lie equally near; 2 comes first";
    g_territories[2].owner = 1;
    EXPECT_EQ(ai::FindPredefinedRoute(1), 2) << "3 is two places away, 7 as well";
    EXPECT_EQ(ai::FindPredefinedRoute(6), 0) << "not on any route";
}

TEST_F(Paths, StrongholdRoutePlanStopsAtTheFirstStronghold) {
    AddRoute({1, 2, 3, 4, 5});
    g_players[3][player_field::kStronghold] = 4;
    ai::PlanRouteMoves();
    EXPECT_EQ(g_aiStrongholdRoutePlan.row, 1);
    EXPECT_EQ(g_aiStrongholdRoutePlan.end, 4);
    EXPECT_EQ(g_aiStrongholdRoutePlan.margin, (20 - 2) - (2 + 2 + 2 + 1) + 1);
}

}  // namespace
