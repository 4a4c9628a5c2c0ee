// A game view on the headless platform in a temporary home folder, small boards built in code,
// and readers of the queued records.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/model/game_state.h"
#include "core/model/session_state.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "tests/support/view_fixture.h"

namespace rules_test {

using test_support::BoardContinent;
using test_support::BuildBoard;

inline void Own(int territory, int owner, int armies) {
    g_territories[territory] = TerritoryState{owner, armies};
}

// Sets each player's territory and army counts from the board.
inline void CountPlayers() {
    for (int p = 1; p <= kMaxPlayers; ++p) {
        g_players[p][player_field::kTerritories] = 0;
        g_players[p][player_field::kArmies] = 0;
    }
    for (int t = 1; t <= g_territoryCount; ++t) {
        ++g_players[g_territories[t].owner][player_field::kTerritories];
        g_players[g_territories[t].owner][player_field::kArmies] += g_territories[t].armies;
    }
}

// Owners and armies of every slot of two territory tables, as one comparable list.
inline std::vector<std::pair<int, int>> BoardOf(
    const std::array<TerritoryState, kMaxTerritories + 1>& table) {
    std::vector<std::pair<int, int>> board;
    for (const TerritoryState& t : table) board.emplace_back(t.owner, t.armies);
    return board;
}

inline std::vector<std::string> TextsOf(const std::vector<QueueRecord>& queue, int count,
                                        int type) {
    std::vector<std::string> texts;
    for (int i = 1; i <= count; ++i)
        if (queue[static_cast<std::size_t>(i)].type == type)
            texts.push_back(queue[static_cast<std::size_t>(i)].text);
    return texts;
}
inline std::vector<std::string> MessageTexts() {
    return TextsOf(g_messageQueue, g_messageCount, message_type::kText);
}
inline std::vector<std::string> EventTexts() {
    return TextsOf(g_eventQueue, g_eventCount, event_type::kText);
}
inline std::vector<int> TypesOf(const std::vector<QueueRecord>& queue, int count) {
    std::vector<int> types;
    for (int i = 1; i <= count; ++i) types.push_back(queue[static_cast<std::size_t>(i)].type);
    return types;
}

class RulesFixture : public test_support::ViewFixture {
  protected:
    RulesFixture() : ViewFixture("rules") {}
    void SetUp() override {
        ViewFixture::SetUp();
        EmptyQueues();
    }

    headless::TestPlatform& Platform() { return *platform_; }
};

}  // namespace rules_test
