// Save, Save As and Open on real files: each kind of game saved, the program started again and
// the file opened goes on where it stood; damaged files and failed writes leave everything whole.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/model/campaign_state.h"
#include "core/model/files.h"
#include "core/model/map_loader.h"
#include "core/model/options.h"
#include "newgame_fixture.h"
#include "platform/raster/bmp.h"
#include "setup/new_game.h"
#include "setup/saved_game.h"
#include "setup/saved_game_open.h"
#include "shell/process_state.h"

namespace newgame_test {
namespace {

using platform::MessageAnswer;
using saved_game::Record;

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

saved_game::Bytes AsRecord(const std::vector<std::uint8_t>& file) {
    saved_game::Bytes bytes{};
    std::copy(file.begin(), file.begin() + saved_game::kSize, bytes.begin());
    return bytes;
}

class SavedGameTest : public NewGameFixture {
  protected:
    void SetUp() override {
        NewGameFixture::SetUp();
        saves_ = home_ + "/saves";
        std::filesystem::create_directories(saves_);
    }
    headless::ScriptedFileDialogs& Files() { return platform_->fileDialogs; }

    void StartSinglePlayer(int mapId) {
        Choose(CSpelersDlg::kIdd, 1000);
        Choose(CGametypeDlg::kIdd, 1000);
        Choose(CMapDlg::kIdd, mapId);
        Ok(COptiesDlg::kIdd);
        Ok(CPlayers234Dlg::kIdd);
        Ok(CPersonalitiesDlg::kIdd);
        Name("Alice");
        View().OnNewGame();
        ASSERT_GE(g_roundCounter, 1);
    }
    // A position in the middle of a game: the values differ from what a new game holds.
    static void PlayAFewTurns() {
        g_isInitialPlacement = false;
        g_territories[5].armies = 17;
        g_players[1][player_field::kArtilleryCards] = 2;
        g_players[2][player_field::kWildCards] = 1;
        g_players[3][player_field::kLosses] = 12;
        g_deckArtilleryCards = 15;
        g_deckWildCards = 1;
        g_turnsPlayed = {0, 4, 4, 3, 3};
        g_currentPlayer = 2;
        g_personalities[3] = 2;
        g_avengeTargets[3] = 1;
        g_isTroopExperienceOn = true;
        g_areTerritoriesHidden = g_isHidingActive = true;
        g_hasEarnedCardThisTurn = 'j';
        g_hasAttackedThisTurn = true;
        g_cardTurnInMarker = 177;
        g_missionKind = 2;
        g_missionOrders[2][1] = 3;
        g_playerNames[2] = "pc II";
    }
    void SaveAs(const std::string& path) {
        Files().ScriptOpen(path);
        View().OnSaveAs();
    }
    // The program quits and starts again in the same home.
    void Restart() {
        view_.reset();
        ResetProcessState();
        Make({});
    }
    void Open(const std::string& path, MessageAnswer answer = MessageAnswer::Yes) {
        Files().ScriptOpen(path);
        Window().ScriptAnswer(answer);
        View().OnOpen();
    }
    // Saves, restarts, opens and answers Yes; the running game must match what was saved.
    void RoundTrip(const std::string& name) {
        const std::string path = saves_ + "/" + name;
        SaveAs(path);
        ASSERT_EQ(Window().messageBoxes.size(), messagesBefore_)
            << Window().messageBoxes.back().text;
        const Record saved = saved_game::Unpack(AsRecord(ReadFile(path)));
        Restart();
        platform_->clock.Set(platform_->clock.Now() + 5000);
        Open(path);
        Record now = saved_game::Capture(platform_->clock.Now());
        EXPECT_EQ(now.playingSeconds, saved.playingSeconds);
        now.playingSeconds = saved.playingSeconds;
        EXPECT_EQ(now.territories, saved.territories);
        EXPECT_EQ(now.players, saved.players);
        EXPECT_EQ(now, saved);
        EXPECT_EQ(g_savedGamePath, name);
        EXPECT_TRUE(g_hasOpenedFileName);
        EXPECT_EQ(g_isGameFromFile, 'j');
    }

    std::string saves_;
    std::size_t messagesBefore_ = 0;
};

TEST_F(SavedGameTest, AWorldGameGoesOnWhereItStoodAndTheComputersPlayOn) {
    StartSinglePlayer(1000);
    PlayAFewTurns();
    messagesBefore_ = Window().messageBoxes.size();
    const std::string name = g_savedGamePath;
    EXPECT_EQ(name.rfind("World", 0), 0u);
    SaveAs(saves_ + "/" + name);
    EXPECT_EQ(Files().Calls().back().filter, "Marovek games (*.Mrvek)|*.Mrvek||");
    EXPECT_TRUE(Files().Calls().back().save);
    EXPECT_EQ(ReadFile(saves_ + "/" + name).size(), saved_game::kSize);

    RoundTrip("world game.Mrvek");
    EXPECT_TRUE(g_isMapWorld);
    EXPECT_EQ(g_territoryCount, 42);
    EXPECT_EQ(g_territories[5].armies, 17);
    EXPECT_EQ(g_players[1][player_field::kArtilleryCards], 2);
    EXPECT_EQ(g_deckArtilleryCards, 15);
    EXPECT_EQ(g_personalities[3], 2);
    EXPECT_EQ(g_avengeTargets[3], 1);
    EXPECT_TRUE(g_isTroopExperienceOn && g_isHidingActive && g_hasAttackedThisTurn);
    EXPECT_EQ(g_hasEarnedCardThisTurn, 'j');
    EXPECT_EQ(g_playerNames[1], "Alice");
    EXPECT_EQ(g_roundCounter, 4);
    // Commands of a game that goes on.
    EXPECT_FALSE(g_canNewGame || g_canOpen || g_canChangeMap);
    EXPECT_TRUE(g_canSave && g_canSaveAs && g_newGameEnablePending);
    EXPECT_EQ(Window().messageBoxes.back().text, saved_game::kContinueQuestion);

    // Player 2 is a computer: its turn is played by the clock and the next player follows.
    for (int tick = 0; tick < 20000 && g_currentPlayer == 2; ++tick) View().OnTimer(1);
    EXPECT_NE(g_currentPlayer, 2);
    EXPECT_EQ(g_turnsPlayed[2], 5);
}

TEST_F(SavedGameTest, AHotseatGameGoesOn) {
    Choose(CSpelersDlg::kIdd, 1003);
    Choose(CMultiplayerDlg::kIdd, 1000);
    Choose(CMapDlg::kIdd, 1000);
    Ok(COptiesDlg::kIdd);
    Script(CHotseatnmDlg::kIdd, {ScriptStep::Edit(CHotseatnmDlg::kIdName, "Ann"),
                                 ScriptStep::Click(CHotseatnmDlg::kIdAddMore)});
    Script(CHotseatnmDlg::kIdd,
           {ScriptStep::Edit(CHotseatnmDlg::kIdName, "Bob"), ScriptStep::Click(kIdOk)});
    Choose(CPlayers810Dlg::kIdd, 1000);
    View().OnNewGame();
    ASSERT_EQ(g_gameKind, game_kind::kHotseat);
    g_currentPlayer = 2;
    messagesBefore_ = Window().messageBoxes.size();
    RoundTrip("hotseat.Mrvek");
    EXPECT_EQ(g_gameKind, game_kind::kHotseat);
    EXPECT_EQ(g_humanPlayerCount, 2);
    EXPECT_EQ(g_playerNames[2], "Bob");
}

// A host's game saved as "LAN_..." is opened again on the host, which listens on the game port
// and waits for the joined players to come back before F2 goes on with it.
TEST_F(SavedGameTest, AHostsLanGameWaitsForItsPlayersAgain) {
    StartSinglePlayer(1000);
    PlayAFewTurns();
    g_gameKind = game_kind::kNetworkHost;
    g_playerNames[2] = "Bob";
    const std::string path = saves_ + "/LAN_World.Mrvek";
    SaveAs(path);
    const Record saved = saved_game::Unpack(AsRecord(ReadFile(path)));
    Restart();
    Open(path);
    EXPECT_EQ(saved_game::Capture(platform_->clock.Now()).territories, saved.territories);
    EXPECT_TRUE(g_isHostWaiting);
    EXPECT_EQ(g_networkSeat, 1);
    EXPECT_EQ(g_joinedSeatCount, 1);
    ASSERT_NE(View().SocketAt(0), nullptr);
    EXPECT_EQ(View().SocketAt(0)->LocalPort(), 5466);
    EXPECT_EQ(g_statusText.rfind("Waiting for others to join...   Hostname:  ", 0), 0u);
    EXPECT_EQ(g_playerNames[2], "Bo..");
    EXPECT_EQ(g_isInternetGame, 0);
}

TEST_F(SavedGameTest, ACampaignGoesOnOnTheMapOfItsStep) {
    Choose(CSpelersDlg::kIdd, 1000);
    Choose(CGametypeDlg::kIdd, 1001);
    Choose(CCampaignsDlg::kIdd, 1000);  // Worlds: World, then Real World
    Ok(COptiesDlg::kIdd);
    Ok(CPlayers234Dlg::kIdd);
    Ok(CPersonalitiesDlg::kIdd);
    Name("Alice");
    View().OnNewGame();
    ASSERT_EQ(g_campaignNumber, 1);
    const std::string name = g_savedGamePath;
    // The campaign's second map.
    g_campaignStep = 2;
    ClearMapFlags();
    g_isMapRealWorld = true;
    View().SetupSelectedMap();
    View().DealTerritories();
    messagesBefore_ = Window().messageBoxes.size();
    RoundTrip(name);
    EXPECT_EQ(name.rfind("CMPGN_Worlds", 0), 0u);
    EXPECT_TRUE(g_isMapRealWorld);
    EXPECT_FALSE(g_isMapWorld);
    EXPECT_EQ(g_campaignStep, 2);
    EXPECT_EQ(g_territoryCount, 86);
}

TEST_F(SavedGameTest, AMapFileGameReloadsItsMapAndAMissingMapFileEndsCleanly) {
    const std::vector<std::uint8_t> bmp = raster::WriteBmp(raster::Surface(4, 3));
    test_support::WriteBytes(home_ + "/maps/Isles.bmp", bmp);
    const std::string text =
        "[map]\nIsles\n[continents]\n2 North 1 2\n1 South 3\n[territories]\n"
        "1 NOR 100 50 2 3\n2 NEA 150 60 1\n3 SOU 120 200 1\n";
    test_support::WriteBytes(home_ + "/maps/Isles.txt", {text.begin(), text.end()});
    g_hideCreatingMapsNotice = true;
    Files().ScriptOpen(home_ + "/maps/Isles.txt");
    StartSinglePlayer(CMapDlg::kIdLoadMap);
    ASSERT_TRUE(g_isMapCustom);
    const std::string name = g_savedGamePath;
    EXPECT_EQ(name.rfind("MyIsles", 0), 0u) << name;
    messagesBefore_ = Window().messageBoxes.size();
    RoundTrip(name);
    EXPECT_TRUE(g_isMapCustom);
    EXPECT_EQ(g_territoryCount, 3);
    EXPECT_EQ(g_mapFilePath, home_ + "/maps/Isles.txt");

    // The map file is gone: the loader says so and no game is left on a half-built map.
    std::filesystem::remove(home_ + "/maps/Isles.txt");
    Restart();
    Open(saves_ + "/" + name);
    EXPECT_FALSE(g_isMapCustom);
    EXPECT_TRUE(g_isMapWorld);
    EXPECT_EQ(g_territoryCount, 42);
    EXPECT_EQ(g_roundCounter, 0);
    EXPECT_FALSE(g_hasOpenedFileName);
    EXPECT_TRUE(g_canOpen && g_canNewGame);
}

TEST_F(SavedGameTest, NoToContinueLeavesAnEmptyWorldGameAndTheNextSaveAsksForAName) {
    StartSinglePlayer(1001);  // Europe
    const std::string path = saves_ + "/europe.Mrvek";
    SaveAs(path);
    Restart();
    Open(path, MessageAnswer::No);
    EXPECT_TRUE(g_isMapWorld);
    EXPECT_EQ(g_currentPlayer, 0);
    EXPECT_EQ(g_playerCount, 3);
    EXPECT_FALSE(g_hasOpenedFileName);
    EXPECT_FALSE(Window().areToolbarsEnabled);
    EXPECT_EQ(g_isJustOpened, 'n');
}

TEST_F(SavedGameTest, SaveWritesToTheOpenedFileAndPlayTimeGrowsOnlyByTimePlayed) {
    StartSinglePlayer(1000);
    const std::string path = saves_ + "/timed.Mrvek";
    platform_->clock.Set(platform_->clock.Now() + 100);
    SaveAs(path);
    const auto seconds = [&] {
        return saved_game::Unpack(AsRecord(ReadFile(path))).playingSeconds;
    };
    EXPECT_EQ(seconds(), 100.0);
    platform_->clock.Set(platform_->clock.Now() + 30);
    View().OnSave();                        // no dialog: the same file
    EXPECT_EQ(Files().Calls().size(), 1u);  // only Save As showed a dialog
    EXPECT_EQ(seconds(), 130.0);
    View().OnSave();
    EXPECT_EQ(seconds(), 130.0);
}

TEST_F(SavedGameTest, AFailedWriteSaysSoAndNamesNoFile) {
    StartSinglePlayer(1000);
    const std::string name = g_savedGamePath;
    SaveAs(saves_ + "/no such folder/game.Mrvek");
    ASSERT_FALSE(Window().messageBoxes.empty());
    EXPECT_EQ(Window().messageBoxes.back().caption, "Error");
    EXPECT_FALSE(g_hasFileName);
    EXPECT_EQ(g_savedGamePath, name);
    // Save therefore asks for a name again instead of reporting success.
    View().OnSave();
    EXPECT_EQ(Files().Calls().size(), 2u);
    EXPECT_TRUE(Files().Calls().back().save);
}

TEST_F(SavedGameTest, DamagedFilesAreRefusedAndTheRunningGameIsUntouched) {
    StartSinglePlayer(1000);
    PlayAFewTurns();
    const std::string good = saves_ + "/good.Mrvek";
    SaveAs(good);
    const std::vector<std::uint8_t> bytes = ReadFile(good);
    auto with = [&](std::size_t offset, std::int32_t value) {
        std::vector<std::uint8_t> changed = bytes;
        for (std::size_t i = 0; i < 4; ++i)
            changed[offset + i] =
                static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
        return changed;
    };
    struct Damage {
        const char* what;
        std::vector<std::uint8_t> file;
        std::string message;
    };
    std::vector<std::uint8_t> shorter(bytes.begin(), bytes.end() - 1);
    std::vector<std::uint8_t> longer = bytes;
    longer.push_back(0);
    const Damage damages[] = {
        {"short", shorter, saved_game::kWrongVersionText},
        {"long", longer, saved_game::kWrongVersionText},
        {"empty", {}, saved_game::kWrongVersionText},
        {"owner 11", with(8, 11), "owner"},
        {"negative armies", with(12, -5), "armies"},
        {"current player 9", with(3676, 9), "current player"},
        {"eleven players", with(3704, 11), "players"},
        {"more humans than players", with(3700, 5), "human"},
        {"wild cards 3", with(3692, 3), "deck"},
        {"campaign 7", with(3908, 7), "campaign"},
        {"mission kind 3", with(3936, 3), "mission"},
        {"personality 9", with(3772, 9), "personality"},
    };
    const Record running = saved_game::Capture(platform_->clock.Now());
    const std::string path = saves_ + "/damaged.Mrvek";
    for (const Damage& damage : damages) {
        test_support::WriteBytes(path, damage.file);
        const std::size_t shown = Window().messageBoxes.size();
        Files().ScriptOpen(path);
        View().OnOpen();
        ASSERT_EQ(Window().messageBoxes.size(), shown + 1) << damage.what;
        EXPECT_NE(Window().messageBoxes.back().text.find(damage.message), std::string::npos)
            << damage.what << ": " << Window().messageBoxes.back().text;
        EXPECT_EQ(saved_game::Capture(platform_->clock.Now()), running) << damage.what;
        EXPECT_FALSE(g_hasOpenedFileName);
        EXPECT_NE(g_savedGamePath, "damaged.Mrvek");
    }
}

TEST_F(SavedGameTest, TheFileNameTellsTheKindOfGame) {
    Record builtIn;
    Record campaign;
    campaign.campaignNumber = 2;
    Record own;
    own.campaignNumber = kOwnCampaign;
    using saved_game::FileKind;
    using saved_game::Source;
    const std::tuple<const char*, Record, FileKind> cases[] = {
        {"Europe Dec012026.Mrvek", builtIn, {false, false, Source::kBuiltinMap}},
        {"LAN_Europe.Mrvek", builtIn, {true, false, Source::kBuiltinMap}},
        {"INT_Europe.Mrvek", builtIn, {true, true, Source::kBuiltinMap}},
        {"lan_Europe.Mrvek", builtIn, {false, false, Source::kBuiltinMap}},
        {"CMPGN_WPacif.Mrvek", campaign, {false, false, Source::kBuiltinCampaign}},
        {"CMPGN_WPacif.Mrvek", builtIn, {false, false, Source::kBuiltinMap}},  // no campaign in it
        {"MyIsles.Mrvek", builtIn, {false, false, Source::kMapFile}},
        {"LAN_MyIsles.Mrvek", builtIn, {true, false, Source::kMapFile}},
        {"INT_MyIsles.Mrvek", builtIn, {true, true, Source::kMapFile}},
        {"My_CMPGN_Tour.Mrvek", own, {false, false, Source::kOwnCampaign}},
        {"renamed.Mrvek", own, {false, false, Source::kOwnCampaign}},
    };
    for (const auto& [name, record, kind] : cases)
        EXPECT_EQ(saved_game::KindOfFileName(name, record), kind) << name;
    EXPECT_EQ(saved_game::WaitingText(false, "host", "10.0.0.2"),
              "Waiting for others to join...   Hostname:  host");
    EXPECT_EQ(saved_game::WaitingText(true, "host", "10.0.0.2"),
              "Waiting for others to join...   Your IP:   10.0.0.2");
}

TEST_F(SavedGameTest, QuickLaunchAfterARestartTakesTheLastSavedGame) {
    StartSinglePlayer(1000);
    g_isOneForOneRule = 'n';
    g_isTroopExperienceOn = true;
    SaveAs(saves_ + "/last.Mrvek");
    Restart();
    Choose(CMapDlg::kIdd, 1000);
    Choose(CPlayers234Dlg::kIdd, 1000);
    View().OnQuickLaunch();
    EXPECT_EQ(ShownIds(), (std::vector<int>{CMapDlg::kIdd, CPlayers234Dlg::kIdd}));
    EXPECT_EQ(g_isOneForOneRule, 'n');
    EXPECT_TRUE(g_isTroopExperienceOn);
    EXPECT_EQ(g_playerNames[1], "Alice");
    EXPECT_GE(g_roundCounter, 1);
}

}  // namespace
}  // namespace newgame_test
