// Tests of the deal: start armies, the balance of a deal on World and on small boards, the
// neutral army, the refusal of maps that cannot be dealt, the demo and the mission orders.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "core/model/map_catalogue.h"
#include "core/rules/deal.h"
#include "rules_fixture.h"

namespace {

using namespace rules_test;
using namespace player_field;

TEST(StartArmies, FollowTheBoardSizeAndPlayerCountAndAreNeverNegative) {
    struct Case {
        int territories;
        int players;
        int armies;
    };
    const Case cases[] = {
        {42, 4, 20},   {42, 3, 21}, {42, 6, 13},
        {200, 10, 37}, {2, 3, 0},  // 15 fewer for three players would give -3
        {1, 10, 0},    {42, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(deal::StartArmies(c.territories, c.players), c.armies)
            << c.territories << " territories, " << c.players << " players";
}

class Deal : public RulesFixture {
  protected:
    void SetUpWorld() {
        ClearMapFlags();
        g_isMapWorld = true;
        View().SetBuiltinMapSize();
        ASSERT_TRUE(View().SetupMapWorld());
        View().ResetGame();
    }
    // Eleven continents of four, without border lists.
    void SetUpQuadBoard(int territories) {
        std::vector<BoardContinent> continents;
        for (int first = 1; first <= territories; first += 4) {
            BoardContinent continent;
            for (int t = first; t < first + 4 && t <= territories; ++t)
                continent.members.push_back(t);
            continents.push_back(continent);
        }
        BuildBoard(territories, {}, continents);
    }
    std::vector<int> Dealt() const {
        std::vector<int> counts(static_cast<std::size_t>(g_playerCount) + 1, 0);
        for (int t = 1; t <= g_territoryCount; ++t)
            ++counts.at(static_cast<std::size_t>(g_territories[t].owner));
        return counts;
    }
};

TEST_F(Deal, WorldForSixPlayersIsBalancedAndSetsUpThePlayers) {
    SetUpWorld();
    g_playerCount = 6;
    g_players[3][kLosses] = 9;
    View().DealTerritories();
    ASSERT_TRUE(g_areTerritoriesDealt);
    EXPECT_EQ(g_startArmies, 13);
    const deal::HeldTable held = deal::CountHeld(6);
    for (int p = 1; p <= 6; ++p) {
        EXPECT_EQ(g_players[p][kTerritories], 7) << p;
        EXPECT_EQ(g_players[p][kArmies], 7 + 13) << p;
        EXPECT_EQ(g_players[p][kLosses], 0) << "statistics start afresh";
        for (int c = 1; c <= g_continentCount; ++c)
            EXPECT_LE(held[p][c], g_continents[c][kContinentMemberCount] / 3 + 1) << p << " " << c;
    }
    for (int t = 1; t <= 42; ++t) EXPECT_EQ(g_territories[t].armies, 1);
    for (int t = 43; t <= kMaxTerritories; ++t) EXPECT_EQ(g_territories[t].owner, 0);
    EXPECT_EQ(BoardOf(g_displayedTerritories), BoardOf(g_territories));
}

TEST_F(Deal, WorldIsDealtForEveryPlayerCountWithinTheAttempts) {
    SetUpWorld();
    for (int players = 3; players <= 10; ++players) {
        for (bool neutral : {false, true}) {
            if (neutral && players != 3) continue;
            for (std::int64_t time = 1; time <= 10; ++time) {
                g_playerCount = players;
                g_hasNeutralArmy = neutral;
                Platform().clock.Set(time * 7919);
                View().DealTerritories();
                ASSERT_TRUE(g_areTerritoriesDealt) << players << " players, time " << time;
            }
        }
    }
    EXPECT_TRUE(Platform().window.messageBoxes.empty());
}

TEST_F(Deal, TheSameClockTimeDealsTheSameBoard) {
    SetUpWorld();
    g_playerCount = 4;
    Platform().clock.Set(1'800'000'000);
    View().DealTerritories();
    const auto first = BoardOf(g_territories);
    View().DealTerritories();
    EXPECT_EQ(BoardOf(g_territories), first);
    Platform().clock.Set(1'800'000'001);
    View().DealTerritories();
    EXPECT_NE(BoardOf(g_territories), first);
}

TEST_F(Deal, TheRemainderGoesToConsecutivePlayers) {
    SetUpQuadBoard(44);
    g_playerCount = 6;
    for (std::uint32_t time = 1; time <= 20; ++time) {
        Platform().clock.Set(time);
        View().DealTerritories();
        ASSERT_TRUE(g_areTerritoriesDealt);
        const std::vector<int> counts = Dealt();
        std::vector<int> extra;
        for (int p = 1; p <= 6; ++p) {
            ASSERT_TRUE(counts[static_cast<std::size_t>(p)] == 7 ||
                        counts[static_cast<std::size_t>(p)] == 8);
            if (counts[static_cast<std::size_t>(p)] == 8) extra.push_back(p);
        }
        ASSERT_EQ(extra.size(), 2u);
        const bool consecutive = extra[1] == extra[0] + 1 || (extra[0] == 1 && extra[1] == 6);
        EXPECT_TRUE(consecutive) << extra[0] << " " << extra[1];
        // The remainder is dealt last: territories 43 and 44.
        EXPECT_NE(g_territories[43].owner, g_territories[44].owner);
    }
}

TEST_F(Deal, ContinentShareAndBorderTestsRefuseTooLargeHoldings) {
    // Continent 1: 4 members (at most 2 each); continent 2: 9 members (at most 4 each).
    // Territory 13 lies outside both and borders 1, a border territory of continent 1.
    BuildBoard(14, {{1, 13}, {2, 3}},
               {{{1, 2, 3, 4}, 2, {1}}, {{5, 6, 7, 8, 9, 10, 11, 12, 14}, 5, {}}});
    auto assign = [](std::vector<int> owners) {
        for (std::size_t i = 0; i < owners.size(); ++i) Own(static_cast<int>(i) + 1, owners[i], 1);
    };
    struct Case {
        std::vector<int> owners;  // territories 1..14
        bool share;
    };
    const Case cases[] = {
        {{1, 1, 2, 3, 1, 1, 1, 1, 2, 2, 2, 3, 3, 3}, true},
        {{1, 1, 1, 3, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3}, false},  // three of four
        {{1, 2, 2, 3, 1, 1, 1, 1, 1, 2, 2, 3, 3, 3}, false},  // five of nine
    };
    for (const Case& c : cases) {
        assign(c.owners);
        const deal::HeldTable held = deal::CountHeld(3);
        EXPECT_EQ(deal::PassesContinentShare(held, 3), c.share);
        EXPECT_TRUE(deal::PassesBorderTest(held, 3));
    }
}

TEST_F(Deal, TheNeutralArmyTestWantsBothHumansEverywhereAndSmallContinentsBordered) {
    // Continent 1 (members 1..4, border 1 and 4) with outside neighbours 5 (of 1) and 6 (of 4).
    BuildBoard(8, {{1, 5}, {4, 6}}, {{{1, 2, 3, 4}, 2, {1, 4}}, {{5, 6, 7, 8}, 2, {5, 6}}});
    struct Case {
        std::vector<int> owners;
        bool passes;
    };
    const Case cases[] = {
        // Player 1 dominates continent 1 and player 2 continent 2; each border territory has
        // a neighbour of the other side outside.
        {{1, 1, 2, 1, 2, 2, 1, 3}, true},
        // Border territory 4's only outside neighbour 6 is no longer player 2's.
        {{1, 1, 2, 1, 2, 3, 1, 2}, false},
        // Player 2 owns nothing in continent 1.
        {{1, 1, 3, 3, 2, 2, 1, 3}, false},
        // Nobody dominates a continent.
        {{1, 2, 3, 3, 1, 2, 3, 3}, true},
    };
    for (const Case& c : cases) {
        for (std::size_t i = 0; i < c.owners.size(); ++i)
            Own(static_cast<int>(i) + 1, c.owners[i], 1);
        EXPECT_EQ(deal::PassesNeutralArmyTest(deal::CountHeld(3)), c.passes);
    }
}

TEST_F(Deal, WithTheNeutralArmyBothHumansOwnATerritoryOfEveryContinent) {
    SetUpWorld();
    g_playerCount = 3;
    g_hasNeutralArmy = true;
    View().DealTerritories();
    ASSERT_TRUE(g_areTerritoriesDealt);
    const deal::HeldTable held = deal::CountHeld(3);
    for (int c = 1; c <= g_continentCount; ++c) {
        EXPECT_GE(held[1][c], 1) << c;
        EXPECT_GE(held[2][c], 1) << c;
    }
}

TEST_F(Deal, AMapThatCanNeverBeDealtIsRefusedWithAMessage) {
    struct Case {
        bool neutral;
        int players;
        std::vector<BoardContinent> continents;
        const char* text;
    };
    const std::vector<Case> cases = {
        // A one-member continent cannot hold both humans.
        {true, 3, {{{1}, 1, {}}, {{2, 3, 4, 5, 6}, 2, {}}}, deal::kNoNeutralDealText},
        // Nine members between two players: one always holds five, above 9 / 3 + 1.
        {false, 2, {{{1, 2, 3, 4, 5, 6, 7, 8, 9}, 5, {}}}, deal::kNoBalancedDealText},
    };
    for (const Case& c : cases) {
        BuildBoard(9, {}, c.continents);
        g_hasNeutralArmy = c.neutral;
        g_playerCount = c.players;
        Platform().window.messageBoxes.clear();
        View().DealTerritories();
        EXPECT_FALSE(g_areTerritoriesDealt);
        ASSERT_EQ(Platform().window.messageBoxes.size(), 1u);
        EXPECT_EQ(Platform().window.messageBoxes[0].text, c.text);
        // The board is left as a freshly loaded map shows it.
        EXPECT_EQ(g_territories[1].owner, 1);
        EXPECT_EQ(g_territories[1].armies, 1);
        EXPECT_EQ(deal::CanDealWithNeutralArmy(), !c.neutral);
    }
}

TEST_F(Deal, TheDemoHandsPlayerOnesShareToATenthPlayer) {
    SetUpWorld();
    g_gameKind = 5;
    g_isDemoRunning = true;
    g_playerCount = 3;
    View().DealTerritories();
    ASSERT_TRUE(g_areTerritoriesDealt);
    EXPECT_EQ(g_playerCount, 10);
    const std::vector<int> counts = Dealt();
    EXPECT_EQ(counts[1], 0);
    EXPECT_GT(counts[10], 0);
    EXPECT_EQ(g_players[1][kTerritories], 0);
    EXPECT_EQ(g_players[1][kArmies], 0);
    EXPECT_EQ(g_players[10][kTerritories], counts[10]);
    EXPECT_EQ(g_players[10][kArmies], counts[10] + g_startArmies);
    EXPECT_EQ(g_startArmies, deal::StartArmies(42, 9));
}

TEST_F(Deal, MissionOrdersShuffleTheContinentsOfEachHuman) {
    SetUpWorld();
    g_playerCount = 4;
    g_humanPlayerCount = 2;
    g_missionKind = 1;
    g_missionOrders[3][1] = 7;
    View().DealTerritories();
    for (int p = 1; p <= 2; ++p) {
        std::vector<int> order(g_missionOrders[p].begin() + 1,
                               g_missionOrders[p].begin() + 1 + g_continentCount);
        std::sort(order.begin(), order.end());
        std::vector<int> all(static_cast<std::size_t>(g_continentCount));
        std::iota(all.begin(), all.end(), 1);
        EXPECT_EQ(order, all) << p;
    }
    EXPECT_EQ(g_missionOrders[3][1], 0) << "rows are cleared";
}

TEST_F(Deal, CampaignStatisticsCarryOverFromTheSecondMap) {
    SetUpWorld();
    g_playerCount = 4;
    g_campaignStep = 2;
    g_players[2][kLosses] = 31;
    g_players[2][kWildCards] = 2;
    View().DealTerritories();
    EXPECT_EQ(g_players[2][kLosses], 31);
    EXPECT_EQ(g_players[2][kWildCards], 0);
}

}  // namespace
