// A game view on the headless platform and small boards built in code for the computer player's
// tests.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ai/ai_state.h"
#include "ai/board.h"
#include "ai/evaluation.h"
#include "ai/route_table.h"
#include "core/child_view.h"
#include "core/game_state.h"
#include "core/queues.h"
#include "core/session_state.h"
#include "core/turn_state.h"
#include "maps/map_state.h"
#include "platform/headless/test_platform.h"
#include "shell/settings.h"

namespace ai_test {

struct ContinentSpec {
    std::vector<int> members;
    int bonus = 0;
    std::vector<int> border;
};

// A board of `territories` territories with two-way links and the given continents.
inline void BuildBoard(int territories, const std::vector<std::pair<int, int>>& links,
                       const std::vector<ContinentSpec>& continents) {
    g_territoryCount = territories;
    g_continentCount = static_cast<int>(continents.size());
    for (auto& list : g_neighbours) list.fill(0);
    auto link = [](int a, int b) {
        int k = 1;
        while (g_neighbours[a][k] != 0) ++k;
        g_neighbours[a][k] = b;
    };
    for (auto [a, b] : links) {
        link(a, b);
        link(b, a);
    }
    g_maxContinentBorder = 0;
    g_maxContinentSize = 0;
    for (std::size_t i = 0; i < continents.size(); ++i) {
        const int c = static_cast<int>(i) + 1;
        g_continents[c].fill(0);
        g_continentBorders[c].fill(0);
        for (std::size_t k = 0; k < continents[i].members.size(); ++k)
            g_continents[c][k + 1] = continents[i].members[k];
        g_continents[c][kContinentMemberCount] = static_cast<int>(continents[i].members.size());
        g_continents[c][kContinentBonus] = continents[i].bonus;
        for (std::size_t k = 0; k < continents[i].border.size(); ++k)
            g_continentBorders[c][k + 1] = continents[i].border[k];
        g_maxContinentBorder =
            std::max(g_maxContinentBorder, static_cast<int>(continents[i].border.size()));
        g_maxContinentSize =
            std::max(g_maxContinentSize, static_cast<int>(continents[i].members.size()));
    }
    g_borderTerritoryTotal = territories;
    for (int t = 1; t <= kMaxTerritories; ++t) g_territories[t] = TerritoryState{};
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

class AiFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        home_ = std::filesystem::temp_directory_path() /
                (std::string("ai_") + info->name() + "_" + std::to_string(::getpid()));
        std::filesystem::create_directories(home_);
        platform_ = std::make_unique<headless::TestPlatform>(
            std::map<std::string, std::string>{{"HOME", home_.string()}}, home_.string());
        view_ = std::make_unique<CChildView>(platform_->platform);
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
        g_currentPlayer = g_aiActingPlayer = 1;
        for (int p = 1; p <= kMaxPlayers; ++p) g_playerNames[p] = "P" + std::to_string(p);
    }
    void TearDown() override {
        view_.reset();
        platform_.reset();
        std::filesystem::remove_all(home_);
    }
    CChildView& View() { return *view_; }

    std::filesystem::path home_;
    std::unique_ptr<headless::TestPlatform> platform_;
    std::unique_ptr<CChildView> view_;
};

// A line of six territories, 1-2-3 continent A (border 3), 4-5-6 continent B (border 4).
inline void BuildLine() {
    BuildBoard(6, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}},
               {{{1, 2, 3}, 3, {3}}, {{4, 5, 6}, 2, {4}}});
}

}  // namespace ai_test
