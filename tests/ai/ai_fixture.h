// A game view on the headless platform and small boards built in code for the computer player's
// tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "ai/ai_state.h"
#include "ai/board.h"
#include "ai/evaluation.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/route_table.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "tests/support/view_fixture.h"

namespace ai_test {

using test_support::BoardContinent;

// The shared board, and what the computer player reads of it: continent sizes, the border
// total, an empty route table and the reinforcement divisor.
inline void BuildBoard(int territories, const std::vector<std::pair<int, int>>& links,
                       const std::vector<BoardContinent>& continents) {
    test_support::BuildBoard(territories, links, continents);
    g_maxContinentSize = 0;
    for (const BoardContinent& continent : continents)
        g_maxContinentSize =
            std::max(g_maxContinentSize, static_cast<int>(continent.members.size()));
    g_borderTerritoryTotal = territories;
    g_routeCount = 0;
    ClearRouteTable();
    g_reinforcementDivisor = 3;
}

// Owners and armies of territories 1..n, then every player's counts from them.
inline void SetBoard(const std::vector<std::pair<int, int>>& board) {
    for (std::size_t i = 0; i < board.size(); ++i)
        g_territories[i + 1] = TerritoryState{board[i].first, board[i].second};
    for (int p = 1; p <= kMaxPlayers; ++p) {
        g_players[p][player_field::kTerritories] = ai::TerritoriesOf(p);
        g_players[p][player_field::kArmies] = ai::TotalArmies(p);
    }
}

inline void AddRoute(std::vector<int> chain) {
    RouteRecord& record = g_routeTable[++g_routeCount];
    record.fill(0);
    for (std::size_t k = 0; k < chain.size(); ++k) record[k + 1] = chain[k];
}

inline std::vector<std::string> EventTexts() {
    std::vector<std::string> texts;
    for (int i = 1; i <= g_eventCount; ++i)
        if (g_eventQueue[i].type == event_type::kText) texts.push_back(g_eventQueue[i].text);
    return texts;
}

class AiFixture : public test_support::ViewFixture {
  protected:
    AiFixture() : ViewFixture("ai") {}
    void SetUp() override {
        ViewFixture::SetUp();
        EmptyQueues();
        // Each test starts from a fresh game even when several run in one process.
        for (PlayerRecord& record : g_players) record.fill(0);
        g_turnsPlayed.fill(0);
        g_aiArmiesToPlace = g_aiCardArmies = 0;
        g_isGameOver = false;
        g_areStrongholdsOn = g_hasNeutralArmy = g_isTroopExperienceOn = false;
        g_gameKind = 1;
        g_humanPlayerCount = 0;
        g_isFastSpeed = false;
        g_isSoundOff = true;
        g_isOneForOneRule = 'j';
        g_aiMinAttackArmies = 3;
        g_isNormalLevel = true;
        g_playerCount = 3;
        rules::SetCurrentPlayer(1);
        g_aiActingPlayer = 1;
        for (int p = 1; p <= kMaxPlayers; ++p) g_playerNames[p] = "P" + std::to_string(p);
    }
};

// A line of six territories, 1-2-3 continent A (border 3), 4-5-6 continent B (border 4).
inline void BuildLine() {
    BuildBoard(6, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}},
               {{{1, 2, 3}, 3, {3}}, {{4, 5, 6}, 2, {4}}});
}

}  // namespace ai_test
