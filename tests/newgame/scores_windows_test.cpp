// Tests of the Scores and All-scores windows on a real scores file: the opening on the game being
// played, the filters chosen by the user, List All, the kept selection, and an unreadable file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/commands/command_ids.h"
#include "core/model/files.h"
#include "core/model/options.h"
#include "newgame_fixture.h"
#include "setup/scores_windows.h"

namespace {

using newgame_test::ScriptStep;

// A record of a World game of `players` players, dice, visible, Normal, without strongholds and
// Troop Experience, all Normal personalities; `oneForOne` and the winner vary.
scores::Record Game(std::int32_t players, std::int32_t oneForOne, std::int32_t losses,
                    const std::string& winner, const std::string& title = "World         ") {
    g_playerCount = players;
    g_isOneForOneRule = oneForOne ? kYes : kNo;
    ClearMapFlags();
    g_isMapCustom = title != "World         ";
    g_isMapWorld = !g_isMapCustom;
    g_mapName = title;
    return scores::BuildRecord({.winner = 1,
                                .players = players,
                                .ruleByte = g_isOneForOneRule,
                                .losses = losses,
                                .name = winner,
                                .date = "Dec0920260805"});
}

class ScoresWindows : public newgame_test::NewGameFixture {
  protected:
    void SetUp() override {
        NewGameFixture::SetUp();
        g_transparencyPercent = 60;
        g_isNormalLevel = true;
        g_humanPlayerCount = 1;
        std::vector<std::uint8_t> bytes;
        for (const scores::Record& r :
             {Game(4, 0, 30, "Dora"), Game(4, 0, 7, "Anna"), Game(4, 1, 12, "Ben"),
              Game(5, 0, 3, "Cleo"), Game(4, 0, 9, "Eve", "MyMap")})
            bytes.insert(bytes.end(), r.begin(), r.end());
        test_support::WriteBytes(scores::FilePath(), bytes);
        // The game being played: World, 4 players, dice.
        ClearMapFlags();
        g_isMapWorld = true;
        g_isMapCustom = false;
        g_playerCount = 4;
        g_isOneForOneRule = kNo;
    }
    CScoresDlg& Scores() { return View().ScoresAndStatistics().scores; }
    std::vector<std::string> Items(const CDialog& dialog, int id) const {
        std::vector<std::string> items;
        for (int i = 0; i < dialog.ItemCount(id); ++i) items.push_back(dialog.ItemText(id, i));
        return items;
    }
};

TEST_F(ScoresWindows, OpenOnTheGameBeingPlayedThenShowEverything) {
    View().OnCommand(cmd::kScores);
    ASSERT_EQ(Dialogs().Shown().size(), 1u);
    const auto& opened = Dialogs().Shown()[0];
    EXPECT_EQ(opened.caption, "Scores");
    EXPECT_EQ(opened.texts.at(CScoresDlg::kIdMaps), "World         ");
    EXPECT_EQ(opened.texts.at(CScoresDlg::kIdPlayers), " 4");
    EXPECT_EQ(opened.checks.at(1000), 1);  // dice like
    EXPECT_TRUE(opened.layered);
    EXPECT_EQ(opened.alpha, 60 * 255 / 100);
    EXPECT_EQ(Items(Scores(), CScoresDlg::kIdRecords),
              (std::vector<std::string>{"     7  Dec092026  Anna", "    30  Dec092026  Dora"}));

    // Every map, every player count and every "Both" and "All": the whole file, and List All.
    Script(CScoresDlg::kIdd,
           {ScriptStep::Select(CScoresDlg::kIdMaps, 0),
            ScriptStep::Select(CScoresDlg::kIdPlayers, 0), ScriptStep::Click(1002),
            ScriptStep::Click(1009), ScriptStep::Click(1038), ScriptStep::Click(1054),
            ScriptStep::Click(1044), ScriptStep::Click(1029), ScriptStep::Click(1027),
            ScriptStep::Click(CScoresDlg::kIdListAll), ScriptStep::Click(kIdOk)});
    View().OnCommand(cmd::kScores);
    EXPECT_EQ(Items(Scores(), CScoresDlg::kIdRecords),
              (std::vector<std::string>{"     3  Dec092026  Cleo", "     7  Dec092026  Anna",
                                        "     9  Dec092026  Eve", "    12  Dec092026  Ben",
                                        "    30  Dec092026  Dora"}));
    const std::vector<std::string> all = Items(Scores().all, CScoresallDlg::kIdList);
    // By map, players, then the option letters ("N" of 1-for-1 before "Y" of dice), losses.
    std::vector<std::string> winners;
    for (const std::string& line : all) winners.push_back(line.substr(75));
    EXPECT_EQ(winners, (std::vector<std::string>{"Eve", "Ben", "Anna", "Dora", "Cleo"}));
    EXPECT_EQ(all[0].substr(0, 14), "MyMap         ");
    EXPECT_EQ(Dialogs().Shown()[1].templateId, CScoresallDlg::kIdd);
    EXPECT_EQ(Dialogs().Shown()[1].alpha, 60 * 255 / 100);

    // The map list holds the file's own titles; choosing one lists its games only.
    const std::vector<std::string> maps = Items(Scores(), CScoresDlg::kIdMaps);
    const auto myMap = std::find(maps.begin(), maps.end(), "MyMap         ");
    ASSERT_NE(myMap, maps.end());
    Script(CScoresDlg::kIdd,
           {ScriptStep::Select(CScoresDlg::kIdMaps, static_cast<int>(myMap - maps.begin()))});
    View().OnCommand(cmd::kScores);
    EXPECT_EQ(Items(Scores(), CScoresDlg::kIdRecords),
              (std::vector<std::string>{"     9  Dec092026  Eve"}));
    EXPECT_TRUE(std::filesystem::exists(scores::FilePath()));
    EXPECT_EQ(std::filesystem::file_size(scores::FilePath()), 5 * kScoreRecordSize);
}

TEST_F(ScoresWindows, TheChosenLineIsSelectedAgainAtTheNextOpening) {
    Script(CScoresDlg::kIdd,
           {ScriptStep::Select(CScoresDlg::kIdRecords, 1), ScriptStep::Click(kIdOk)});
    View().OnCommand(cmd::kScores);
    View().OnCommand(cmd::kScores);
    ASSERT_EQ(Dialogs().Shown().size(), 2u);
    EXPECT_EQ(Dialogs().Shown()[1].texts.at(CScoresDlg::kIdRecords), "    30  Dec092026  Dora");
}

TEST_F(ScoresWindows, AnUnreadableFileGivesOneMessageAndEmptyWindows) {
    const std::string path = scores::FilePath();
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    Script(CScoresDlg::kIdd, {ScriptStep::Click(1002), ScriptStep::Click(CScoresDlg::kIdListAll),
                              ScriptStep::Click(kIdOk)});
    View().OnCommand(cmd::kScores);
    // One message at the opening and one at List All; none at re-listing.
    ASSERT_EQ(Window().messageBoxes.size(), 2u);
    EXPECT_NE(Window().messageBoxes[0].text.find(path), std::string::npos);
    EXPECT_EQ(Scores().ItemCount(CScoresDlg::kIdRecords), 0);
    EXPECT_EQ(Scores().ItemCount(CScoresDlg::kIdMaps), 0);
    EXPECT_EQ(Scores().all.ItemCount(CScoresallDlg::kIdList), 0);
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

}  // namespace
