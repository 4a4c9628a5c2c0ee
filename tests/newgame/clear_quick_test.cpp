// ClearGameState's order and results, and Quick Launch from the last saved game's record.
#include <filesystem>
#include <fstream>

#include "core/model/files.h"
#include "core/model/map_loader.h"
#include "core/model/options.h"
#include "core/rules/turn_order.h"
#include "core/turn/turn_state.h"
#include "newgame_fixture.h"
#include "setup/quick_launch.h"
#include "setup/saved_game.h"
#include "shell/storage.h"

namespace newgame_test {
namespace {

using ClearGameStateTest = NewGameFixture;

TEST_F(ClearGameStateTest, EverythingBackToAWorldGameOfThreeWithTheStoredPersonalities) {
    ClearMapFlags();
    g_isMapEurope = true;
    View().SetupSelectedMap();
    g_playerCount = 7;
    g_gameKind = 4;
    rules::SetCurrentPlayer(5);
    g_roundCounter = 12;
    g_isHighScoreGame = g_hasNeutralArmy = g_areStrongholdsOn = true;
    g_missionKind = 2;
    g_hasFileName = true;
    View().QueueMessage("left over");
    g_settings[kPersonalitiesOffset + 4] = 3;  // player II: Avenger
    g_settings[kRandomMixOffset] = 1;
    std::filesystem::remove(g_scoresFilePath);

    View().ClearGameState();

    EXPECT_TRUE(g_isMapWorld);
    EXPECT_FALSE(g_isMapEurope);
    EXPECT_EQ(g_territoryCount, 42);
    EXPECT_EQ(g_playerCount, 3);
    EXPECT_EQ(g_humanPlayerCount, 1);
    EXPECT_EQ(g_gameKind, 1);
    EXPECT_EQ(g_roundCounter, 0);
    EXPECT_EQ(g_currentPlayer, 0);
    EXPECT_EQ(g_cardsLinePlayer, 0);  // taken after the current player is reset
    EXPECT_FALSE(g_isHighScoreGame || g_hasNeutralArmy || g_areStrongholdsOn || g_hasFileName);
    EXPECT_EQ(g_missionKind, 0);
    EXPECT_TRUE(AreQueuesEmpty());
    EXPECT_EQ(g_personalities[2], 3);
    EXPECT_TRUE(g_isRandomMix);
    EXPECT_EQ(g_deckArtilleryCards, 17);
    EXPECT_EQ(g_deckWildCards, 2);
    EXPECT_EQ(g_cardSetArmies, 11);
    // The snapshot is taken after World is set up.
    for (int p = 1; p <= kMaxPlayers; ++p) EXPECT_EQ(g_playerRecordSnapshot[p], g_players[p]);
    EXPECT_TRUE(std::filesystem::exists(g_scoresFilePath));
    EXPECT_EQ(g_statusText, " ");
    EXPECT_TRUE(g_isUserMapLoad);
    EXPECT_EQ(g_playResumeTime, platform_->clock.Now());
}

class QuickLaunchTest : public NewGameFixture {
  protected:
    // A saved game's record with the fields Quick Launch reads.
    std::string WriteRecord(std::size_t size) {
        saved_game::Record record;
        record.cardTurnInMarker = 177;
        record.humanPlayers = 1;
        record.playerCount = 5;
        record.reservedByte = 9;
        record.rule = 'n';
        record.troopExperience = 1;
        record.normalLevel = 0;
        record.missionKind = 7;  // out of range: Conquer All
        record.personalities[2] = 4;
        record.personalities[3] = 99;  // out of range: Normal
        record.unstableMarks[4] = 6;
        record.names[1] = "Alice\x01/B";
        const saved_game::Bytes bytes = saved_game::Pack(record);
        const std::string path = home_ + "/last.Mrvek";
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(size));
        return path;
    }
};

TEST_F(QuickLaunchTest, WithoutASavedGameTheNoticeIsShown) {
    View().OnQuickLaunch();
    EXPECT_EQ(ShownIds(), (std::vector<int>{CQuickDlg::kIdd}));
    EXPECT_TRUE(g_canOpen);
    EXPECT_FALSE(g_isQuickLaunch);
    EXPECT_EQ(g_roundCounter, 0);
}

TEST_F(QuickLaunchTest, AShortRecordIsRefused) {
    g_documentsFolder = WriteRecord(saved_game::kSize - 1);
    View().OnQuickLaunch();
    EXPECT_TRUE(ShownIds().empty());
    EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{saved_game::kWrongVersionText}));
    EXPECT_TRUE(g_canOpen);
    EXPECT_FALSE(g_isQuickLaunch);
}

TEST_F(QuickLaunchTest, TheLastGamesSettingsWithOnlyTheMapAndPlayersAsked) {
    g_documentsFolder = WriteRecord(saved_game::kSize);
    Choose(CMapDlg::kIdd, 1000);  // World
    Choose(CPlayers234Dlg::kIdd, 1000);
    View().OnQuickLaunch();

    EXPECT_EQ(ShownIds(), (std::vector<int>{CMapDlg::kIdd, CPlayers234Dlg::kIdd}));
    EXPECT_TRUE(g_isMapWorld);
    EXPECT_EQ(g_gameKind, 1);
    EXPECT_EQ(g_playerCount, 3);
    EXPECT_EQ(g_isOneForOneRule, 'n');
    EXPECT_EQ(g_aiMinAttackArmies, 2);
    EXPECT_TRUE(g_isTroopExperienceOn);
    EXPECT_FALSE(g_isNormalLevel);
    EXPECT_EQ(g_missionKind, 0);
    EXPECT_EQ(g_personalities[2], 4);
    EXPECT_EQ(g_personalities[3], 0);
    EXPECT_EQ(g_unstableMarks[4], 6);
    EXPECT_EQ(g_cardTurnInMarker, 177);
    EXPECT_EQ(g_savedGameByte3708, 9);
    EXPECT_EQ(g_playerNames[1], "Alice/B");
    EXPECT_FALSE(g_isQuickLaunch);
    EXPECT_GE(g_roundCounter, 1);
    EXPECT_TRUE(g_areTerritoriesDealt);
}

TEST_F(QuickLaunchTest, CancelOfTheMapEndsIt) {
    g_documentsFolder = WriteRecord(saved_game::kSize);
    Cancel(CMapDlg::kIdd);
    View().OnQuickLaunch();
    EXPECT_EQ(ShownIds(), (std::vector<int>{CMapDlg::kIdd}));
    EXPECT_TRUE(g_canOpen);
    EXPECT_FALSE(g_isQuickLaunch);
    EXPECT_EQ(g_roundCounter, 0);
}

}  // namespace
}  // namespace newgame_test
