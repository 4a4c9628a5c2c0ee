// Troop Experience at a turn's start: when it is recomputed, from which counts, and each player's
// share, floor, stronghold and neutral army.
#include <gtest/gtest.h>

#include <array>

#include "core/model/game_state.h"
#include "core/model/session_state.h"
#include "core/rules/troop_experience.h"
#include "core/turn/turn_state.h"

namespace {

using namespace player_field;
using Four = std::array<std::int32_t, 4>;  // players 1..4

constexpr std::int32_t kUnset = 77;

// Four players, player 4 out; player 1 is on turn. Losses 10, 30 and 60 of the three left make
// an average of 33 1/3, so each player's share is three times his losses.
class TroopExperience : public ::testing::Test {
  protected:
    void SetUp() override { Reset(); }
    void TearDown() override { g_areStrongholdsOn = g_hasNeutralArmy = false; }

    static void Reset() {
        for (PlayerRecord& record : g_players) record.fill(0);
        g_playerCount = 4;
        Set(kLosses, {10, 30, 60, 0});
        Set(kTerritories, {5, 5, 5, 0});
        Set(kStronghold, {1, 2, 3, 0});
        g_areStrongholdsOn = g_hasNeutralArmy = false;
        g_turnsPlayed.fill(0);
        g_troopExperience.fill(kUnset);
        for (auto& row : g_troopExperienceSnapshots) row.fill(0);
        g_playersLeft = -1;
    }

    static void Set(int field, const Four& values) {
        for (int p = 1; p <= 4; ++p) g_players[p][field] = values[p - 1];
    }
    static rules::TerritoryCounts Held(const Four& counts) {
        rules::TerritoryCounts held{};
        for (int p = 1; p <= 4; ++p) held[p] = counts[p - 1];
        return held;
    }
    static Four Experience() {
        return {g_troopExperience[1], g_troopExperience[2], g_troopExperience[3],
                g_troopExperience[4]};
    }
    static Four SnapshotRow(int row) {
        const auto& r = g_troopExperienceSnapshots[row];
        return {r[1], r[2], r[3], r[4]};
    }
};

TEST_F(TroopExperience, FollowsTheShareOfTheLossesOnceThePlayerHasPlayedEnoughTurns) {
    enum Option { kNone, kStrongholds, kNeutral };
    struct Case {
        const char* what;
        int fromTurn, turns;
        Four held, losses;
        Option option;
        Four experience;
        int left;
    };
    const int atBoard = rules::kExperienceFromTurn;
    const int computer = rules::kComputerExperienceFromTurn;
    const Four all{5, 5, 5, 0};
    const Four lost{10, 30, 60, 0};
    const Four unset{kUnset, kUnset, kUnset, kUnset};
    const Case cases[] = {
        {"not yet at the board", atBoard, 9, all, lost, kNone, unset, -1},
        {"the computer a turn earlier", computer, 9, all, lost, kNone, {50, 90, 180, 0}, 3},
        {"at least 50 up to turn 12", atBoard, 12, all, lost, kNone, {50, 90, 180, 0}, 3},
        {"the share alone after it", atBoard, 13, all, lost, kNone, {30, 90, 180, 0}, 3},
        {"the counts given decide", atBoard, 13, {5, 0, 5, 3}, lost, kNone, {42, 0, 257, 0}, 3},
        {"no losses keep what was", atBoard, 13, all, {}, kNone, {kUnset, kUnset, kUnset, 0}, 3},
        {"a lost stronghold", atBoard, 13, all, lost, kStrongholds, {30, 0, 180, 0}, 3},
        {"the neutral army at 100", atBoard, 13, all, lost, kNeutral, {30, 90, 100, 0}, 3},
        {"unless it is out", atBoard, 13, {5, 5, 0, 0}, lost, kNeutral, {50, 150, 0, 0}, 2},
    };
    for (const Case& c : cases) {
        Reset();
        Set(kLosses, c.losses);
        if (c.option == kStrongholds) Set(kStronghold, {1, 0, 3, 0});
        g_areStrongholdsOn = c.option == kStrongholds;
        g_hasNeutralArmy = c.option == kNeutral;
        g_turnsPlayed[1] = c.turns;
        rules::UpdateTroopExperience(1, c.fromTurn, Held(c.held));
        EXPECT_EQ(Experience(), c.experience) << c.what;
        EXPECT_EQ(SnapshotRow(1), c.experience) << c.what;
        EXPECT_EQ(g_playersLeft, c.left) << c.what;
    }
}

TEST_F(TroopExperience, APlayerOutsideTheTablesUsesTheNearestRow) {
    struct Case {
        int player, row;
    };
    for (const Case& c : {Case{-4, 0}, Case{0, 0}, Case{kMaxPlayers + 3, kMaxPlayers}}) {
        Reset();
        g_turnsPlayed[c.row] = 20;
        rules::UpdateTroopExperience(c.player, rules::kExperienceFromTurn,
                                     rules::RecordedTerritories());
        EXPECT_EQ(Experience(), (Four{30, 90, 180, 0})) << c.player;
        EXPECT_EQ(SnapshotRow(c.row), (Four{30, 90, 180, 0})) << c.player;
    }
}

}  // namespace
