// The player on turn: who may be set, the acting-as guard, the turns played, the players left and
// each next-player rule.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "core/model/game_state.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/turn/turn_state.h"

namespace {

using namespace player_field;

// Five players; `out` hold no territory, `noStronghold` have none.
class TurnOrder : public ::testing::Test {
  protected:
    void SetUp() override { Seat({}, {}); }
    void TearDown() override {
        g_areStrongholdsOn = g_hasNeutralArmy = false;
        rules::SetCurrentPlayer(0);
    }
    static void Seat(const std::set<int>& out, const std::set<int>& noStronghold) {
        g_playerCount = 5;
        for (int p = 1; p <= kMaxPlayers; ++p) {
            g_players[p][kTerritories] = p <= 5 && !out.contains(p) ? 4 : 0;
            g_players[p][kStronghold] = noStronghold.contains(p) ? 0 : 10 + p;
        }
        g_areStrongholdsOn = g_hasNeutralArmy = false;
    }
};

TEST_F(TurnOrder, TheCurrentPlayerIsOneOfTheTablesOrNoOne) {
    for (int player : {0, 1, kMaxPlayers}) {
        EXPECT_TRUE(rules::SetCurrentPlayer(player));
        EXPECT_EQ(g_currentPlayer, player);
    }
    for (int player : {-1, kMaxPlayers + 1}) {
        EXPECT_FALSE(rules::SetCurrentPlayer(player));
        EXPECT_EQ(g_currentPlayer, kMaxPlayers);
    }
    rules::SetCurrentPlayer(2);
    {
        rules::ActingAs rival(4);
        EXPECT_EQ(g_currentPlayer, 4);
        {
            rules::ActingAs another(5);
            EXPECT_EQ(g_currentPlayer, 5);
        }
        EXPECT_EQ(g_currentPlayer, 4);
    }
    EXPECT_EQ(g_currentPlayer, 2);
}

TEST_F(TurnOrder, OnlyThePlayersOfTheTablesCountTurnsPlayed) {
    g_turnsPlayed.fill(0);
    for (int player : {2, 2, kMaxPlayers}) EXPECT_TRUE(rules::CountTurnPlayed(player));
    for (int player : {0, -1, kMaxPlayers + 1}) EXPECT_FALSE(rules::CountTurnPlayed(player));
    std::array<std::int32_t, kMaxPlayers + 1> expected{};
    expected[2] = 2;
    expected[kMaxPlayers] = 1;
    EXPECT_EQ(g_turnsPlayed, expected);
}

TEST_F(TurnOrder, PlayersLeftAreThoseOfTheGameHoldingATerritory) {
    struct Case {
        int players;
        std::set<int> out;
        int left;
    };
    const Case cases[] = {
        {5, {}, 5}, {5, {2, 4}, 3}, {3, {}, 3}, {0, {}, 0}, {-1, {}, 0}, {5, {1, 2, 3, 4, 5}, 0},
    };
    for (const Case& c : cases) {
        Seat(c.out, {});
        g_players[6][kTerritories] = 4;  // past the player count
        g_playerCount = c.players;
        const rules::TerritoryCounts held = rules::RecordedTerritories();
        for (int p = 1; p <= kMaxPlayers; ++p) EXPECT_EQ(held[p], g_players[p][kTerritories]);
        EXPECT_EQ(rules::PlayersLeft(held), c.left) << c.players << " players";
    }
    rules::TerritoryCounts held{};
    held[1] = -3;  // a count below 1 holds nothing
    held[2] = 1;
    g_playerCount = 2;
    EXPECT_EQ(rules::PlayersLeft(held), 1);
}

TEST_F(TurnOrder, EachWayATurnPassesOnHasItsRule) {
    struct Case {
        const char* what;
        std::set<int> out, noStronghold;
        bool strongholds, neutral;
        int from;
        int inTurn, toPlay;
    };
    const Case cases[] = {
        {"plain", {}, {}, false, false, 2, 3, 3},
        {"the last hands on to the first", {}, {}, false, false, 5, 1, 1},
        {"before any player", {}, {}, false, false, 0, 1, 1},
        {"past players out", {3, 4}, {}, false, false, 2, 3, 5},
        {"past the first when out", {1}, {}, false, false, 5, 1, 2},
        {"no stronghold counts while strongholds are on", {}, {3}, true, false, 2, 3, 4},
        {"no stronghold does not count otherwise", {}, {3}, false, false, 2, 3, 3},
        {"the neutral army hands on to player 1", {}, {}, false, true, 2, 3, 1},
        {"or to player 2 once player 1 is out", {1}, {}, false, true, 2, 3, 2},
        {"no one left: the player himself", {1, 2, 3, 4, 5}, {}, false, false, 2, 3, 2},
    };
    for (const Case& c : cases) {
        Seat(c.out, c.noStronghold);
        g_areStrongholdsOn = c.strongholds;
        g_hasNeutralArmy = c.neutral;
        EXPECT_EQ(rules::NextInTurn(c.from), c.inTurn) << c.what;
        EXPECT_EQ(rules::NextToPlay(c.from), c.toPlay) << c.what;
        EXPECT_EQ(rules::IsOut(c.toPlay), c.out.size() == 5) << c.what;
    }
}

TEST_F(TurnOrder, TheHandOverStopsWherePlayerOneIsPassedOver) {
    struct Case {
        int players, from;
        std::set<int> canPlay;
        int player;
        bool passedPlayerOne;
    };
    const Case cases[] = {
        {5, 2, {4}, 4, false}, {5, 4, {3}, 0, true},   {5, 4, {1, 3}, 1, false},
        {5, 5, {2}, 0, true},  {5, 0, {1}, 1, false},  {1, 1, {1}, 1, false},
        {0, 1, {1}, 0, false}, {11, 1, {2}, 0, false},
    };
    for (const Case& c : cases) {
        g_playerCount = c.players;
        std::set<int> asked;
        const rules::HandOver next = rules::NextWhoCanPlay(c.from, [&](std::int32_t p) {
            asked.insert(p);
            return c.canPlay.contains(p);
        });
        EXPECT_EQ(next.player, c.player) << c.players << " from " << c.from;
        EXPECT_EQ(next.passedPlayerOne, c.passedPlayerOne) << c.players << " from " << c.from;
        for (int p : asked) EXPECT_TRUE(p >= 1 && p <= c.players) << p;
    }
}

}  // namespace
