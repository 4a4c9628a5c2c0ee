// Computer placement and moves on small boards: texts, pools, own territories only, moves after
// a conquest and between own neighbours, and the initial placement.
#include "ai/initial_placement.h"
#include "ai_fixture.h"

namespace {

using namespace ai_test;

class PlacementMoves : public AiFixture {
  protected:
    void SetUp() override {
        AiFixture::SetUp();
        BuildLine();
    }
};

TEST_F(PlacementMoves, PlacementAnnouncesAndAddsOnlyToOwnTerritories) {
    SetBoard({{1, 3}, {1, 3}, {1, 3}, {2, 8}, {2, 2}, {3, 1}});
    View().ComputerPlaceArmiesOn(2, 1);
    EXPECT_EQ(ai::Armies(2), 4);
    EXPECT_EQ(EventTexts(), (std::vector<std::string>{"P1 places 1 army."}));
    View().ComputerPlaceArmiesOn(4, 5);
    EXPECT_EQ(ai::Armies(4), 8) << "another player's territory never gets them";
    EXPECT_EQ(ai::TotalArmies(1), 9 + 1 + 5) << "they land on an own front territory";
    View().ComputerPlaceArmiesOn(1, 0);
    EXPECT_EQ(ai::TotalArmies(1), 15);
}

TEST_F(PlacementMoves, PoolPlacementAndTheStepWithoutNeed) {
    SetBoard({{1, 3}, {1, 3}, {1, 3}, {2, 8}, {2, 2}, {3, 1}});
    g_aiPlayerEstimates[1][2] = 3;
    g_aiTargetTerritory = 3;
    g_aiArmiesToPlace = 6;
    View().ComputerPlaceFromPool(4);
    EXPECT_EQ(g_aiArmiesToPlace, 2);
    EXPECT_EQ(ai::Armies(3), 7);
    EXPECT_FALSE(g_aiPlacementDone);
    g_aiThreatList[1] = {3, 5};
    g_aiThreatMargin = 5;  // no need at all
    View().ComputerPlacementStep();
    EXPECT_EQ(g_aiArmiesToPlace, 2) << "a need of 0 or less creates no armies";
    View().ComputerPlaceFromPool(4);
    EXPECT_EQ(g_aiArmiesToPlace, 0);
    EXPECT_EQ(ai::Armies(3), 7 + 2 + 3) << "the rest of the pool, then the territory quota";
    EXPECT_TRUE(g_aiPlacementDone);
}

// The territory quota and attacking exclude each other in a turn, as for a human player.
TEST_F(PlacementMoves, AnAttackingTurnForgoesTheTerritoryQuota) {
    SetBoard({{1, 3}, {1, 3}, {1, 3}, {2, 1}, {2, 2}, {3, 1}});
    g_aiPlayerEstimates[1][2] = 3;
    g_aiTerritoryRanking[1] = {4, 5};
    View().ComputerAttackTarget(1);
    ASSERT_EQ(ai::Owner(4), 1);
    EXPECT_EQ(ai::TotalArmies(1), 9 - 1) << "only the defender's army is lost, nothing added";
    g_aiTargetTerritory = 4;
    View().ComputerPlaceTerritoryArmies();
    EXPECT_EQ(ai::TotalArmies(1), 8);
    EXPECT_TRUE(g_aiPlacementDone);
    for (const std::string& text : EventTexts())
        EXPECT_EQ(text.find("based on territories"), std::string::npos) << text;
}

// At the end of a turn without an attack the best single attack comes first; when it is refused
// because the army is small, the armies to place and the quota still go on the board, or a table
// of small armies would never grow again.
TEST_F(PlacementMoves, EndOfTurnPlacementAfterTheBestAttackIsMadeOrRefused) {
    struct Case {
        std::int32_t front;  // armies of territory 3, facing two armies on 4
        bool attacks;
        std::int32_t total;  // player 1's armies afterwards
    };
    // Good odds both times; with 26 armies in all, 24 beside the target's are too few to attack.
    for (const Case& c : {Case{24, false, 26 + 4 + 3}, Case{30, true, 32 + 4 - 2}}) {
        SetBoard({{1, 1}, {1, 1}, {1, c.front}, {2, 2}, {2, 3}, {2, 3}});
        g_eventCount = 0;
        g_isDemoRunning = false;  // the demo attacks whatever its army
        g_playersLeft = 2;
        g_hasAttackedThisTurn = false;
        g_aiPlacementDone = g_aiTerritoryArmiesPlaced = false;
        g_aiIsSmallArmy = g_aiIsSmallArmyAlt = kNo;
        g_aiArmiesToPlace = 4;
        ai::RatePlayerStrengths(ai::strength::kWithContinents);
        g_aiPlayerEstimates[1][2] = 3;
        ai::ListAttackCandidates(ai::candidate_search::kPickOffLeader);
        ASSERT_GT(g_aiBestOddsRatio, 1.5) << c.front;
        View().ComputerChoosePlacement();
        EXPECT_EQ(g_hasAttackedThisTurn, c.attacks) << c.front;
        EXPECT_EQ(ai::Owner(4), c.attacks ? 1 : 2) << c.front;
        EXPECT_EQ(ai::TotalArmies(1), c.total) << c.front;
        EXPECT_EQ(g_aiPlacementDone, !c.attacks) << c.front;
        bool quota = false;
        for (const std::string& text : EventTexts())
            quota = quota || text == "P1 places 3 armies based on territories.";
        EXPECT_EQ(quota, !c.attacks) << c.front;
    }
}

TEST_F(PlacementMoves, MovesIntoConqueredTerritories) {
    g_playersLeft = 3;
    SetBoard({{1, 1}, {1, 1}, {1, 200}, {1, 1}, {2, 2}, {3, 1}});
    View().ComputerMoveIntoConquered(3, 4, ai::conquest_move::kBestAttack);
    EXPECT_EQ(ai::Armies(4), 76);
    // A conquest from 3 armies left 2 behind: 1 more could move, too few.
    SetBoard({{1, 1}, {1, 1}, {1, 2}, {1, 1}, {2, 9}, {3, 1}});
    View().ComputerMoveIntoConquered(3, 4, ai::conquest_move::kBestAttack);
    EXPECT_EQ(ai::Armies(4), 1);
    SetBoard({{1, 1}, {1, 1}, {1, 9}, {1, 1}, {2, 9}, {3, 1}});
    View().ComputerMoveIntoConquered(3, 4, ai::conquest_move::kBestAttack);
    EXPECT_EQ(ai::Armies(4), 9) << "no enemy behind, the front moves on";
}

TEST_F(PlacementMoves, MoveArmiesKeepsToTheBudgetAndToOwnNeighbours) {
    SetBoard({{1, 12}, {1, 2}, {1, 3}, {2, 8}, {2, 2}, {3, 1}});
    g_aiTargetTerritory = 2;
    std::int32_t count = 9, budget = 7;
    View().ComputerMoveArmies(count, budget, 1);
    EXPECT_EQ(count, 7);
    EXPECT_EQ(budget, 0);
    EXPECT_EQ(ai::Armies(2), 9);
    g_aiTargetTerritory = 3;
    count = 3;
    budget = 7;
    View().ComputerMoveArmies(count, budget, 1);
    EXPECT_EQ(ai::Armies(3), 3) << "1 and 3 are not neighbours";
    g_aiTargetTerritory = 1;
    count = 3;
    View().ComputerMoveArmies(count, budget, 1);
    EXPECT_EQ(ai::Armies(1), 5) << "never a territory to itself";
}

TEST_F(PlacementMoves, BalancingLeavesAtLeastThreeBehind) {
    // Continent A = 1..3 with borders 2 and 3 here; both are threatened from outside.
    BuildBoard(6, {{1, 2}, {2, 3}, {1, 3}, {3, 4}, {2, 5}, {5, 6}},
               {{{1, 2, 3}, 3, {2, 3}}, {{4, 5, 6}, 2, {4, 5}}});
    SetBoard({{1, 1}, {1, 4}, {1, 6}, {2, 30}, {2, 2}, {3, 1}});
    g_aiThreatList = {};
    g_aiThreatList[1] = {3, -20};
    g_aiThreatList[2] = {2, 4};
    g_borderTerritoryTotal = 6;
    std::int32_t budget = 7;
    View().ComputerMoveStep(budget);
    for (int t : {2, 3}) EXPECT_GE(ai::Armies(t), 3) << t;
    EXPECT_EQ(ai::TotalArmies(1), 11);
}

TEST_F(PlacementMoves, InitialPlacementSpendsTheWholePoolOnOwnTerritories) {
    g_playerCount = 3;
    SetBoard({{1, 1}, {2, 1}, {1, 1}, {3, 1}, {2, 1}, {3, 1}});
    g_areStrongholdsOn = true;
    View().ComputerPlaceArmies();
    const std::int32_t stronghold = g_players[1][player_field::kStronghold];
    EXPECT_EQ(ai::Owner(stronghold), 1);
    EXPECT_GE(ai::Armies(stronghold), 15);
    EXPECT_EQ(ai::TotalArmies(1), 2 + 14 + g_startArmies);
    EXPECT_EQ(ai::TotalArmies(2), 2);
}

}  // namespace
