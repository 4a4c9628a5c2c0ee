// Tests of the Statistics window: the fixed columns of a player's line, the figures of a game on a
// small board, the ranking weighed by Troop Experience, and the playing time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ai/ai_state.h"
#include "core/commands/command_ids.h"
#include "core/model/options.h"
#include "core/rules/turn_order.h"
#include "newgame_fixture.h"
#include "setup/scores_windows.h"

namespace {

TEST(StatsLine, FixedColumnsWhateverTheName) {
    struct Case {
        const char* name;
        stats::Row row;
        bool network;
        std::string expected;
    };
    const Case cases[] = {
        {"short name padded",
         {"Anna", 3, 45, 12, 7, 5, 12, 4, 1},
         false,
         std::string("Anna              ") + "   3     45       12      7       5      12       4" +
             "        1"},
        {"long name cut, eliminated",
         {"Bartholomew the Great", 0, 0, 130, 2, 9, 11, 6, 0},
         false,
         std::string("Bartholomew the Gr") + "   0      0      130      2       9      11       6" +
             "        0"},
        {"network game: no battle figures",
         {"pc II", 12, 140, 3, 7, 5, 12, 4, 10},
         true,
         std::string("pc II             ") + "  12    140        3      0       0       0       0" +
             "       10"},
    };
    for (const Case& c : cases) {
        const std::string line = stats::FormatRow(c.row, c.network);
        EXPECT_EQ(line, c.expected) << c.name;
        EXPECT_EQ(line.size(), 78u) << c.name;
    }
}

class StatsWindow : public newgame_test::NewGameFixture {
  protected:
    void SetUp() override {
        NewGameFixture::SetUp();
        test_support::BuildBoard(6, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}},
                                 {{{1, 2, 3}, 2, {3}}, {{4, 5, 6}, 2, {4}}});
        g_playerCount = 3;
        g_playerNames[1] = "Anna";
        g_playerNames[2] = "pc II";
        g_playerNames[3] = "pc III";
        // Player 1 has many armies of little experience, player 2 few of full experience;
        // player 3 is out of the game.
        for (int t = 1; t <= 3; ++t) g_territories[t] = {.owner = 1, .armies = 30};
        for (int t = 4; t <= 6; ++t) g_territories[t] = {.owner = 2, .armies = 6};
        using namespace player_field;
        g_players[1][kTerritories] = 3;
        g_players[1][kArmies] = 90;
        g_players[2][kTerritories] = 3;
        g_players[2][kArmies] = 18;
        g_players[3][kLosses] = 40;
        g_players[1][kBattlesWon] = 9;
        g_troopExperience[1] = 10;
        g_troopExperience[2] = 100;
        rules::SetCurrentPlayer(1);
        g_turnsPlayed[1] = 4;
        g_isInitialPlacement = false;
        platform_->clock.Set(100'000);
        g_playResumeTime = 100'000 - 600;
        g_playingSeconds = 1200;
        g_transparencyPercent = 80;
    }
    const headless::ShownDialog& Open() {
        View().OnCommand(cmd::kStatistics);
        return Dialogs().Shown().back();
    }
    std::vector<std::string> Lines() {
        const CStatsDlg& stats = View().ScoresAndStatistics().stats;
        std::vector<std::string> lines;
        for (int i = 0; i < stats.ItemCount(CStatsDlg::kIdList); ++i)
            lines.push_back(stats.ItemText(CStatsDlg::kIdList, i));
        return lines;
    }
    static std::string Rank(const std::string& line) { return line.substr(76); }
};

TEST_F(StatsWindow, FiguresMatchTheBoardAndTheRankingWeighsExperience) {
    const auto& shown = Open();
    EXPECT_EQ(shown.caption, "Statistics");
    EXPECT_EQ(shown.texts.at(CStatsDlg::kIdRounds), "    4");
    EXPECT_EQ(shown.texts.at(CStatsDlg::kIdMinutes), "    30");  // 10 now + 20 before
    EXPECT_EQ(shown.alpha, 80 * 255 / 100);
    std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(0, 29), std::string("Anna              ") + "   3" + "     90");
    EXPECT_EQ(lines[0].substr(39, 6), "     9");
    EXPECT_EQ(lines[2].substr(18, 21), "   0      0       40 ");
    EXPECT_EQ(Rank(lines[2]), " 0");  // out of the game

    // Without Troop Experience the real armies rank; with it, player 2's veterans come first,
    // and the game's own ranking is again the real one afterwards.
    EXPECT_EQ(Rank(lines[0]), " 1");
    EXPECT_EQ(Rank(lines[1]), " 2");
    g_isTroopExperienceOn = true;
    Open();
    lines = Lines();
    EXPECT_EQ(Rank(lines[0]), " 2");
    EXPECT_EQ(Rank(lines[1]), " 1");
    EXPECT_EQ(g_playerRanking[1].id, 1);
    EXPECT_EQ(g_territories[1].armies, 30);
}

TEST_F(StatsWindow, NoFiguresBeforeTheFirstTurnAndTheTimeStopsAtTheEnd) {
    g_isInitialPlacement = true;
    const auto& placing = Open();
    EXPECT_EQ(placing.texts.at(CStatsDlg::kIdRounds), "0");
    EXPECT_EQ(placing.texts.at(CStatsDlg::kIdMinutes), "0");
    EXPECT_TRUE(Lines().empty());

    g_isInitialPlacement = false;
    g_isGameOver = true;
    g_gameEndTime = 100'000 - 300;
    for (std::int64_t later : {100'000, 200'000}) {
        platform_->clock.Set(later);
        EXPECT_EQ(Open().texts.at(CStatsDlg::kIdMinutes), "    25") << later;
    }
}

}  // namespace
