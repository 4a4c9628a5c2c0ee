// The board's changes by a player's action: what each refuses, and what it changes when applied.
#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

#include "core/cards/cards.h"
#include "core/model/game_state.h"
#include "core/model/session_state.h"
#include "core/rules/board_changes.h"
#include "core/turn/turn_state.h"
#include "tests/support/view_fixture.h"

namespace {

using namespace player_field;
using Hand = std::array<std::int32_t, 4>;  // artillery, infantry, cavalry, wild

// A line of five territories 1-2-3-4-5; player 1 holds 1, 2 and 5, player 2 holds 3 and 4.
class BoardChanges : public ::testing::Test {
  protected:
    void SetUp() override {
        test_support::BuildBoard(5, {{1, 2}, {2, 3}, {3, 4}, {4, 5}}, {});
        const std::array<TerritoryState, 6> board{{{}, {1, 5}, {1, 1}, {2, 4}, {2, 3}, {1, 2}}};
        for (int t = 1; t <= 5; ++t) g_territories[t] = board[t];
        for (PlayerRecord& record : g_players) record.fill(0);
        g_playerCount = 3;
        g_players[1][kTerritories] = 3;
        g_players[2][kTerritories] = 2;
        g_players[3][kTerritories] = 0;
        g_players[1][kArmies] = 8;
        g_turnsPlayed.fill(0);
        g_gameKind = 1;
        g_isTroopExperienceOn = false;
        g_deckArtilleryCards = g_deckInfantryCards = g_deckCavalryCards = 10;
        g_deckWildCards = 2;
    }

    static std::vector<std::pair<int, int>> Board() {
        std::vector<std::pair<int, int>> board;
        for (int t = 1; t <= 5; ++t)
            board.emplace_back(g_territories[t].owner, g_territories[t].armies);
        return board;
    }
    static Hand HandOf(int player) {
        const PlayerRecord& r = g_players[player];
        return {r[kArtilleryCards], r[kInfantryCards], r[kCavalryCards], r[kWildCards]};
    }
    static Hand Deck() {
        return {g_deckArtilleryCards, g_deckInfantryCards, g_deckCavalryCards, g_deckWildCards};
    }
};

TEST_F(BoardChanges, PlacementGoesOnlyOntoTheOwnersTerritoryAndCountsAsAsked) {
    struct Case {
        int player, territory, count;
        rules::Total total;
        int placed;
        int armiesAfter, totalAfter;
    };
    const Case cases[] = {
        {1, 2, 3, rules::Total::kAdd, 3, 4, 11},
        {1, 2, 3, rules::Total::kKeep, 3, 4, 8},  // the start pool is in the total already
        {1, 2, 0, rules::Total::kAdd, 0, 1, 8},
        {1, 2, -2, rules::Total::kAdd, 0, 1, 8},
        {1, 3, 3, rules::Total::kAdd, 0, 4, 8},  // player 2's
        {0, 2, 3, rules::Total::kAdd, 0, 1, 8},
        {11, 2, 3, rules::Total::kAdd, 0, 1, 8},
    };
    for (const Case& c : cases) {
        SetUp();
        EXPECT_EQ(rules::PlaceArmies(c.player, c.territory, c.count, c.total), c.placed)
            << c.player << " on " << c.territory;
        EXPECT_EQ(g_territories[c.territory].armies, c.armiesAfter) << c.territory;
        EXPECT_EQ(g_players[1][kArmies], c.totalAfter);
    }
    for (int territory : {0, 6, -1, kMaxTerritories + 1}) {
        SetUp();
        const auto before = Board();
        EXPECT_EQ(rules::PlaceArmies(1, territory, 3, rules::Total::kAdd), 0) << territory;
        EXPECT_EQ(Board(), before);
    }
}

TEST_F(BoardChanges, MovesStayBetweenOwnNeighboursAndLeaveTheLastArmy) {
    struct Case {
        int player, from, to, count;
        int movable, moved;
        int fromAfter, toAfter;
    };
    const Case cases[] = {
        {1, 1, 2, 4, 4, 4, 1, 5},                            // all but the last army
        {1, 1, 2, 2, 4, 2, 3, 3}, {1, 1, 2, 5, 4, 0, 5, 1},  // the last army stays
        {1, 1, 2, 0, 4, 0, 5, 1}, {1, 2, 1, 1, 0, 0, 1, 5},  // a single army cannot move
        {1, 1, 5, 1, 0, 0, 5, 2},                            // both his, but no neighbours
        {1, 2, 3, 1, 0, 0, 1, 4},                            // into another's territory
        {1, 3, 4, 1, 0, 0, 4, 3},                            // out of another's territory
        {2, 3, 4, 3, 3, 3, 1, 6},                            // player 2's own move
        {1, 1, 1, 1, 0, 0, 5, 5},                            // never onto itself
    };
    for (const Case& c : cases) {
        SetUp();
        EXPECT_EQ(rules::MovableArmies(c.player, c.from, c.to), c.movable)
            << c.from << " to " << c.to;
        EXPECT_EQ(rules::MoveArmies(c.player, c.from, c.to, c.count), c.moved)
            << c.from << " to " << c.to << " count " << c.count;
        EXPECT_EQ(g_territories[c.from].armies, c.fromAfter);
        EXPECT_EQ(g_territories[c.to].armies, c.toAfter);
    }
    // The neighbour list ends at its first 0, whatever stands after it.
    SetUp();
    g_neighbours[1] = {0, 2, 0, 5};
    EXPECT_EQ(rules::MoveArmies(1, 1, 5, 1), 0);
    for (int outside : {0, 6}) EXPECT_EQ(rules::MoveArmies(1, 1, outside, 1), 0) << outside;
    EXPECT_EQ(rules::MoveArmies(1, 6, 5, 1), 0);
}

TEST_F(BoardChanges, StrongholdsTotalsAndBonusesAcceptOnlyTheTablesPlayers) {
    EXPECT_TRUE(rules::SetStronghold(1, 5));
    EXPECT_EQ(g_players[1][kStronghold], 5);
    EXPECT_FALSE(rules::SetStronghold(1, 3)) << "player 2's";
    EXPECT_FALSE(rules::SetStronghold(1, 6));
    EXPECT_EQ(g_players[1][kStronghold], 5);

    g_players[2][kArmies] = 99;
    EXPECT_TRUE(rules::RecountArmies(2));
    EXPECT_EQ(g_players[2][kArmies], 7);
    EXPECT_TRUE(rules::SetArmyTotal(2, 12));
    EXPECT_EQ(g_players[2][kArmies], 12);
    g_players[2][player_field::kContinentBonus] = 5;
    EXPECT_TRUE(rules::ClearContinentBonus(2));
    EXPECT_EQ(g_players[2][player_field::kContinentBonus], 0);
    const auto players = g_players;
    for (int player : {0, -1, kMaxPlayers + 1}) {
        EXPECT_FALSE(rules::RecountArmies(player));
        EXPECT_FALSE(rules::SetArmyTotal(player, 1));
        EXPECT_FALSE(rules::ClearContinentBonus(player));
        EXPECT_FALSE(rules::SetStronghold(player, 1));
    }
    EXPECT_EQ(g_players, players);
}

TEST_F(BoardChanges, BonusArmiesAreCountedByWhereTheyCameFrom) {
    struct Case {
        int player;
        rules::BonusFrom from;
        int count;
        int counted;
        int continentsAfter, cardsAfter;
    };
    using rules::BonusFrom;
    const Case cases[] = {
        {2, BonusFrom::kContinents, 3, 3, 3, 0},
        {2, BonusFrom::kCards, 4, 4, 3, 4},
        {2, BonusFrom::kCards, 1, 1, 3, 5},
        {2, BonusFrom::kCards, 0, 0, 3, 5},
        {2, BonusFrom::kContinents, -2, 0, 3, 5},
        {0, BonusFrom::kCards, 2, 0, 3, 5},
        {kMaxPlayers + 1, BonusFrom::kContinents, 2, 0, 3, 5},
    };
    const PlayerRecord rowZero = g_players[0];
    for (const Case& c : cases) {
        EXPECT_EQ(rules::CountBonusPlaced(c.player, c.from, c.count), c.counted)
            << c.player << " " << c.count;
        EXPECT_EQ(g_players[2][kPlacedFromContinents], c.continentsAfter) << c.count;
        EXPECT_EQ(g_players[2][kPlacedFromCards], c.cardsAfter) << c.count;
    }
    EXPECT_EQ(g_players[0], rowZero);
    EXPECT_EQ(g_players[1][kPlacedFromContinents] + g_players[1][kPlacedFromCards], 0);
}

TEST_F(BoardChanges, ATurnInMovesTheWholeSetOrNothing) {
    struct Case {
        CardSet set;
        int player;
        bool applied;
    };
    const Case cases[] = {
        {{2, 0, 0, 1, 10}, 1, true},  {{0, 1, 0, 1, 5}, 1, true},
        {{0, 2, 0, 0, 5}, 1, false},  // one infantry only
        {{3, 0, 0, 0, 10}, 1, false}, {{-1, 1, 0, 0, 5}, 1, false},
        {{0, 0, 0, 0, 5}, 1, false},  // no card at all
        {{2, 0, 0, 1, 10}, 0, false}, {{2, 0, 0, 1, 10}, 11, false},
    };
    for (const Case& c : cases) {
        SetUp();
        g_players[1][kArtilleryCards] = 2;
        g_players[1][kInfantryCards] = 1;
        g_players[1][kWildCards] = 1;
        std::int32_t pool = 3;
        EXPECT_EQ(rules::TurnInCards(c.player, c.set, pool), c.applied)
            << c.set.artillery << c.set.infantry << c.set.cavalry << c.set.wild;
        const Hand set{c.set.artillery, c.set.infantry, c.set.cavalry, c.set.wild};
        const int k = c.applied ? 1 : 0;
        EXPECT_EQ(HandOf(1), (Hand{2 - k * set[0], 1 - k * set[1], 0, 1 - k * set[3]}));
        EXPECT_EQ(Deck(), (Hand{10 + k * set[0], 10 + k * set[1], 10, 2 + k * set[3]}));
        EXPECT_EQ(pool, 3 + k * c.set.armies);
    }
}

TEST_F(BoardChanges, CardsPutBackRestoresEveryHandAndTheDeck) {
    g_players[1][kCavalryCards] = 3;
    g_players[2][kWildCards] = 2;
    std::int32_t pool = 0;
    {
        rules::CardsPutBack kept;
        ASSERT_TRUE(rules::TurnInCards(1, {0, 0, 3, 0, 10}, pool));
        ASSERT_TRUE(rules::TurnInCards(2, {0, 0, 0, 2, 5}, pool));
    }
    EXPECT_EQ(HandOf(1), (Hand{0, 0, 3, 0}));
    EXPECT_EQ(HandOf(2), (Hand{0, 0, 0, 2}));
    EXPECT_EQ(Deck(), (Hand{10, 10, 10, 2}));
    EXPECT_EQ(pool, 15) << "the pool is the caller's to put back";
}

TEST_F(BoardChanges, AReinforcementCostsLossesWithoutTroopExperience) {
    struct Case {
        bool experience;
        int gameKind;
        int turns;
        std::array<int, 4> battles;  // players 1..3 ([0] unused)
        int player;
        int losses;
    };
    const Case cases[] = {
        {true, 1, 9, {0, 0, 5, 5}, 1, 0},  {false, 1, 4, {0, 0, 5, 5}, 1, 1},  // no veteran yet
        {false, 1, 5, {0, 0, 5, 5}, 1, 2},  // a veteran who avoids battle
        {false, 1, 5, {0, 6, 5, 5}, 1, 1},  // player 2 fought fewer
        {false, 1, 5, {0, 5, 5, 5}, 2, 1},  // a tie goes to the lowest number
        {false, 1, 5, {0, 6, 5, 0}, 2, 2},  // player 3 is out of the game
        {false, 2, 5, {0, 0, 5, 5}, 1, 1},  // a network game
        {false, 3, 5, {0, 0, 5, 5}, 1, 1},
    };
    for (const Case& c : cases) {
        SetUp();
        g_isTroopExperienceOn = c.experience;
        g_gameKind = c.gameKind;
        g_turnsPlayed[c.player] = c.turns;
        for (int p = 1; p <= 3; ++p) g_players[p][kBattlesFought] = c.battles[p];
        g_players[c.player][kLosses] = 7;
        EXPECT_TRUE(rules::CountReinforcementRound(c.player));
        EXPECT_EQ(g_players[c.player][kLosses], 7 + c.losses)
            << c.experience << c.gameKind << c.turns << " player " << c.player;
        EXPECT_EQ(g_players[c.player][kReinforcementCount], 1);
    }
    EXPECT_FALSE(rules::CountReinforcementRound(0));
    EXPECT_FALSE(rules::CountReinforcementRound(kMaxPlayers + 1));
}

}  // namespace
