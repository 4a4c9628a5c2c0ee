// A game view on the headless platform in a temporary home folder, small boards built in code,
// and readers of the queued records.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/child_view.h"
#include "core/game_state.h"
#include "core/queues.h"
#include "core/session_state.h"
#include "core/turn_state.h"
#include "maps/map_state.h"
#include "platform/headless/test_platform.h"

namespace rules_test {

struct ContinentSpec {
    std::vector<int> members;
    int bonus = 0;
    std::vector<int> border;
};

// A board of `territories` territories with the given two-way links and continents.
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
    for (std::size_t i = 0; i < continents.size(); ++i) {
        const int c = static_cast<int>(i) + 1;
        g_continents[c].fill(0);
        g_continentBorders[c].fill(0);
        const ContinentSpec& spec = continents[i];
        for (std::size_t k = 0; k < spec.members.size(); ++k)
            g_continents[c][k + 1] = spec.members[k];
        g_continents[c][kContinentMemberCount] = static_cast<int>(spec.members.size());
        g_continents[c][kContinentBonus] = spec.bonus;
        for (std::size_t k = 0; k < spec.border.size(); ++k)
            g_continentBorders[c][k + 1] = spec.border[k];
        g_maxContinentBorder = std::max(g_maxContinentBorder, static_cast<int>(spec.border.size()));
    }
    for (int t = 1; t <= kMaxTerritories; ++t) g_territories[t] = TerritoryState{};
}

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

class RulesFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        home_ = std::filesystem::temp_directory_path() /
                (std::string("rules_") + info->test_suite_name() + "_" + info->name() + "_" +
                 std::to_string(::getpid()));
        std::filesystem::create_directories(home_);
        platform_ = std::make_unique<headless::TestPlatform>(
            std::map<std::string, std::string>{{"HOME", home_.string()}}, home_.string());
        view_ = std::make_unique<CChildView>(platform_->platform);
        EmptyQueues();
    }
    void TearDown() override {
        view_.reset();
        platform_.reset();
        std::filesystem::remove_all(home_);
    }

    CChildView& View() { return *view_; }
    headless::TestPlatform& Platform() { return *platform_; }

    std::filesystem::path home_;
    std::unique_ptr<headless::TestPlatform> platform_;
    std::unique_ptr<CChildView> view_;
};

}  // namespace rules_test
