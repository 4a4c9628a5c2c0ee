// The evaluations on small boards: score table sorts, strengths and the leader, continent
// rankings, gates and entries, the armies moved after a conquest, the weighed armies read, and
// that no evaluation leaves the board or the current player changed.
#include "ai_fixture.h"
#include "core/rules/turn_order.h"

namespace {

using namespace ai_test;

class Evaluation : public AiFixture {};

TEST_F(Evaluation, SortKeepsEqualValuesInOrderAndLeavesShortTablesAlone) {
    g_playerStrengths = {};
    g_playerStrengths[1] = {1, 5};
    g_playerStrengths[2] = {2, 9};
    g_playerStrengths[3] = {3, 5};
    g_playerStrengths[4] = {4, 9};
    ai::SortScoreTables(score_table::kPlayerStrengths, 4);
    EXPECT_EQ(g_playerStrengths[1].id, 2);
    EXPECT_EQ(g_playerStrengths[2].id, 4);
    EXPECT_EQ(g_playerStrengths[3].id, 1);
    EXPECT_EQ(g_playerStrengths[4].id, 3);
    g_aiThreatList[1] = {7, 3};
    g_aiThreatList[2] = {8, -4};
    ai::SortScoreTables(score_table::kThreatList, 1);
    EXPECT_EQ(g_aiThreatList[1].id, 7) << "one entry: unchanged";
    ai::SortScoreTables(score_table::kThreatList, 2);
    EXPECT_EQ(g_aiThreatList[1].id, 8) << "ascending";
}

TEST_F(Evaluation, LeaderByShareOfTheTopStrengths) {
    // Six territories of armies below 25, no continent held: a strength is armies and a quota term.
    BuildLine();
    struct Case {
        int players;
        std::vector<std::pair<int, int>> board;
        int leader;
    };
    // Every player's quota term is 10 x (3 - 0) here.
    const Case cases[] = {
        {3, {{1, 24}, {1, 24}, {2, 1}, {2, 1}, {3, 1}, {3, 1}}, 1},  // 78 > 32 + 32
        {3, {{1, 10}, {1, 10}, {2, 1}, {2, 1}, {3, 1}, {3, 1}}, 0},  // 50 < 64
        {4, {{1, 24}, {1, 24}, {2, 1}, {3, 1}, {4, 1}, {4, 1}}, 1},  // 78 of 172: 45 %
        {4, {{1, 5}, {1, 5}, {2, 1}, {3, 1}, {4, 1}, {4, 1}}, 0},    // 40 of 134: 30 %
    };
    for (const Case& c : cases) {
        g_playerCount = c.players;
        SetBoard(c.board);
        ai::RatePlayerStrengths(ai::strength::kWithContinents);
        EXPECT_EQ(g_aiLeader, c.leader) << c.players << " players, " << g_playerStrengths[1].value;
    }
}

TEST_F(Evaluation, HeldContinentIsNotRankedAndTheFirstOneSplitsIntoOwnAndTargets) {
    BuildLine();
    SetBoard({{1, 3}, {1, 3}, {1, 3}, {2, 2}, {1, 5}, {2, 1}});
    ai::RankContinentsToTake();
    EXPECT_EQ(g_aiContinentRankingCount, 1);
    EXPECT_EQ(g_aiContinentRanking[1].id, 2);
    // Own 5, others -(2+2) - (1+2), border neighbour 3 is own: +3.
    EXPECT_EQ(g_aiContinentRanking[1].value, 5 - 4 - 3 + 3);
    EXPECT_EQ(g_aiOwnList[1], 5);
    EXPECT_EQ(g_aiTargetList[1], 4);
    EXPECT_EQ(g_aiTargetList[2], 6);
}

TEST_F(Evaluation, GateAndEntryOfAHeldContinent) {
    BuildLine();
    SetBoard({{1, 3}, {1, 3}, {1, 3}, {1, 8}, {2, 2}, {2, 1}});
    EXPECT_EQ(ai::FindContinentEntry(3), 4) << "A's border leads only to 4, the player's";
    EXPECT_TRUE(ai::IsSingleEntryBorder(4));
    EXPECT_FALSE(ai::IsSingleEntryBorder(3)) << "inside the held continent";
    SetBoard({{1, 3}, {1, 3}, {1, 3}, {2, 8}, {2, 2}, {2, 1}});
    EXPECT_EQ(ai::FindContinentEntry(3), 0) << "the way out is another player's";
}

TEST_F(Evaluation, ArmiesMovedAfterAConquest) {
    BuildLine();
    g_playersLeft = 3;
    SetBoard({{1, 3}, {1, 3}, {1, 200}, {2, 8}, {2, 2}, {3, 1}});
    struct Case {
        int available, mode, moved;
    };
    namespace after = ai::conquest_move;
    const Case cases[] = {{151, after::kBestAttack, 75},
                          {0, after::kTargetAttack, 0},
                          {-3, after::kRouteStep, 0},
                          {10, after::kTargetAttack, 10},
                          {10, after::kBestAttack, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(ai::ComputeArmiesToMove(3, 4, c.available, c.mode), c.moved)
            << c.available << " " << c.mode;
    g_players[1][player_field::kStronghold] = 3;
    EXPECT_EQ(ai::ComputeArmiesToMove(3, 4, 10, after::kTargetAttack), 0)
        << "nothing leaves the own stronghold";
}

TEST_F(Evaluation, WeakestOpponentIgnoresPlayersWithMoreThanTwentyTerritories) {
    std::vector<std::pair<int, int>> links{{1, 2}, {1, 3}, {1, 4}};
    for (int t = 5; t < 30; ++t) links.emplace_back(t, t + 1);
    links.emplace_back(1, 5);
    BuildBoard(30, links, {});
    g_maxContinentSize = 20;
    std::vector<std::pair<int, int>> board;
    board.emplace_back(1, 40);
    for (int t = 2; t <= 30; ++t) board.emplace_back(t <= 5 ? 3 : 2, 1);
    SetBoard(board);
    g_playerCount = 3;
    ai::PickWeakestOpponent();
    EXPECT_EQ(g_aiWeakestOpponent, 3) << "player 2 holds 25 territories";
    EXPECT_EQ(g_aiWeakestOpponentScore, 4 + 4);
}

// Every evaluation of the planning cycle, run on a contested board, puts back what it switches.
TEST_F(Evaluation, EvaluationsRestoreTheCurrentPlayerAndEveryArmy) {
    BuildBoard(8, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}, {8, 1}, {2, 6}},
               {{{1, 2, 3, 4}, 3, {1, 4}}, {{5, 6, 7, 8}, 2, {5, 8}}});
    AddRoute({1, 2, 3, 4, 5, 6});
    g_playerCount = 4;
    SetBoard({{1, 12}, {1, 30}, {1, 9}, {1, 4}, {2, 6}, {3, 26}, {4, 3}, {2, 7}});
    rules::SetCurrentPlayer(1);
    g_isTroopExperienceOn = true;
    g_troopExperience.fill(60);
    const auto before = g_territories;
    ai::RatePlayerStrengths(ai::strength::kWithContinents);
    View().ComputerReinforceContinentBorders();
    ai::RankContinentsForAllPlayers();
    ai::PlanBestAttack(ai_plan::kCompleteContinentByRoute);
    ai::RankEnemyContinentBorders();
    ai::PlanBestAttack(ai_plan::kRouteIntoRivalContinent);
    ai::PickWeakestOpponent();
    ai::PickWeakestNeighbourOpponent();
    View().ComputerChooseStrategy();
    ai::ListAttackCandidates(ai::candidate_search::kIntoTopContinent);
    { ai::WeighedArmies weighed(true); }
    EXPECT_EQ(g_currentPlayer, 1);
    for (int t = 1; t <= 8; ++t) {
        EXPECT_EQ(g_territories[t].owner, before[t].owner) << t;
        EXPECT_EQ(g_territories[t].armies, before[t].armies) << t;
    }
}

// While armies are weighed the computer reads the weighed numbers, never fewer than one army, and
// the game's board keeps its own; the reading goes back when the weighing ends.
TEST_F(Evaluation, WeighedArmiesAreReadWithoutChangingTheBoard) {
    BuildLine();
    SetBoard({{1, 10}, {1, 1}, {2, 10}, {2, 3}, {3, 7}, {0, 4}});
    g_troopExperience.fill(100);
    g_troopExperience[1] = 60;
    g_troopExperience[2] = 150;
    const auto board = g_territories;
    {
        ai::WeighedArmies weighed(true);
        const int expected[] = {0, 6, 1, 15, 4, 7, 4};
        for (int t = 1; t <= 6; ++t) {
            EXPECT_EQ(ai::Armies(t), expected[t]) << t;
            EXPECT_EQ(g_territories[t].armies, board[t].armies) << t;
        }
    }
    {
        ai::WeighedArmies notWeighed(false);
        EXPECT_EQ(ai::Armies(1), 10);
    }
    for (int t = 1; t <= 6; ++t) EXPECT_EQ(ai::Armies(t), board[t].armies) << t;
}

}  // namespace
