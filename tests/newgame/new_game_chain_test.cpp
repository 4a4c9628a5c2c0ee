// The New Game chain driven by the scripted dialog host: every kind of game, the restarts and the
// start of play.
#include <fstream>
#include <iterator>

#include "core/input/high_score_code.h"
#include "core/model/campaign_state.h"
#include "core/model/files.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "newgame_fixture.h"
#include "setup/network_windows.h"
#include "setup/new_game.h"
#include "setup/new_game_rules.h"
#include "setup/personalities.h"
#include "shell/settings.h"

namespace newgame_test {
namespace {

std::vector<std::uint8_t> SettingsFile() {
    std::ifstream in(g_settingsFilePath, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string SlotText(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    std::string text;
    for (std::size_t i = offset; i < offset + 19 && i < bytes.size() && bytes[i] != 0; ++i)
        text.push_back(static_cast<char>(bytes[i]));
    return text;
}

class NewGameChain : public NewGameFixture {
  protected:
    // Main menu "Single player Game", a single map, OK to the options, players and personalities.
    void ScriptSinglePlayer(int mapId, const std::string& name) {
        Choose(CSpelersDlg::kIdd, 1000);
        Choose(CGametypeDlg::kIdd, 1000);
        Choose(CMapDlg::kIdd, mapId);
        Ok(COptiesDlg::kIdd);
        Ok(CPlayers234Dlg::kIdd);
        Ok(CPersonalitiesDlg::kIdd);
        Name(name);
    }
};

TEST_F(NewGameChain, SinglePlayerOnWorldStartsPlay) {
    ScriptSinglePlayer(1000, "Alice");
    View().OnNewGame();

    EXPECT_EQ(ShownIds(), (std::vector<int>{163, 323, 183, 164, 181, 254, 165}));
    EXPECT_EQ(Dialogs().PendingScripts(), 0u);
    EXPECT_EQ(g_gameKind, 1);
    EXPECT_TRUE(g_isMapWorld);
    EXPECT_EQ(g_playerCount, 4);  // World's preset: three computer players
    EXPECT_EQ(g_humanPlayerCount, 1);
    EXPECT_EQ(g_playerNames[1], "Alice");
    EXPECT_EQ(g_playerNames[4], "pc IV");
    EXPECT_TRUE(g_areTerritoriesDealt);
    EXPECT_GE(g_roundCounter, 1);
    EXPECT_TRUE(g_isInitialPlacement);
    EXPECT_FALSE(g_canNewGame);
    EXPECT_TRUE(g_newGameEnablePending);
    EXPECT_FALSE(g_repaintOnFocus);
    EXPECT_EQ(g_savedGamePath.rfind("World", 0), 0u) << g_savedGamePath;
    EXPECT_EQ(g_savedGamePath.substr(g_savedGamePath.size() - 6), ".Mrvek");
    EXPECT_EQ(SlotText(SettingsFile(), kPlayerNameOffset), "Alice");
    // The computer players before the human place first; the human's prompt ends the queue.
    ASSERT_FALSE(QueuedMessageTexts().empty());
    EXPECT_EQ(QueuedMessageTexts().back().rfind("Select a territory for initial army placement, "
                                                "available: ",
                                                0),
              0u);
    EXPECT_EQ(g_currentPlayer, 1);
    EXPECT_TRUE(MessageBoxTexts().empty());  // 42 territories: no reinforcement notice
}

TEST_F(NewGameChain, EveryCancelReturnsToTheMainMenuWhoseCancelEndsTheCommand) {
    Choose(CSpelersDlg::kIdd, 1000);
    Cancel(CGametypeDlg::kIdd);
    Choose(CSpelersDlg::kIdd, 1000);
    Choose(CGametypeDlg::kIdd, 1000);
    Choose(CMapDlg::kIdd, 1000);
    Cancel(COptiesDlg::kIdd);
    Cancel(CSpelersDlg::kIdd);
    View().OnNewGame();

    EXPECT_EQ(ShownIds(), (std::vector<int>{163, 323, 163, 323, 183, 164, 163}));
    EXPECT_TRUE(g_canOpen);
    EXPECT_EQ(g_roundCounter, 0);
    EXPECT_FALSE(g_areTerritoriesDealt);
    EXPECT_FALSE(g_repaintOnFocus);
}

TEST_F(NewGameChain, LanHostListensOnTheGamePortAndWaits) {
    Choose(CSpelersDlg::kIdd, 1003);
    Choose(CMultiplayerDlg::kIdd, 1001);
    Choose(CStartjoinDlg::kIdd, 1000);
    Ok(COpties1Dlg::kIdd);
    Name("Ann");
    View().OnNewGame();

    EXPECT_EQ(ShownIds(), (std::vector<int>{163, 241, 242, 249, 165}));
    EXPECT_EQ(g_gameKind, 2);
    EXPECT_EQ(g_networkSeat, 1);
    EXPECT_TRUE(g_isHostWaiting);
    EXPECT_EQ(g_joinedSeatCount, 1);
    ASSERT_NE(View().SocketAt(0), nullptr);
    EXPECT_EQ(View().SocketAt(0)->LocalPort(), 5466);
    EXPECT_EQ(g_statusText.rfind("Waiting for others to join...   Hostname:  ", 0), 0u);
    EXPECT_EQ(g_playerNames[1], "Ann");
}

TEST_F(NewGameChain, LanJoinConnectsToTheTypedHostAndQueuesTheJoinRequest) {
    headless::SocketEventLog hostLog;
    std::unique_ptr<platform::Socket> host = platform_->sockets.CreateSocket(hostLog);
    ASSERT_TRUE(host->Listen(5466));
    Choose(CSpelersDlg::kIdd, 1003);
    Choose(CMultiplayerDlg::kIdd, 1001);
    Choose(CStartjoinDlg::kIdd, 1001);
    Name("Bob");
    Script(CHostnaamDlg::kIdd, {ScriptStep::Edit(CHostnaamDlg::kIdHost,
                                                 "  " + platform_->sockets.LocalHostName() + " "),
                                ScriptStep::Click(kIdOk)});
    View().OnNewGame();

    EXPECT_EQ(ShownIds(), (std::vector<int>{163, 241, 242, 165, 209}));
    EXPECT_EQ(g_gameKind, 3);
    EXPECT_EQ(g_networkSeat, 2);
    EXPECT_EQ(g_settingsString176, platform_->sockets.LocalHostName());
    EXPECT_EQ(g_statusText, "Waiting for host to start game... ");
    ASSERT_GE(g_messageCount, 3);
    EXPECT_EQ(g_messageQueue[3].type, message_type::kJoinRequest);
    EXPECT_EQ(g_messageQueue[3].text, "Bob");
}

TEST_F(NewGameChain, HotseatOfTwoGetsANeutralArmyAndTheNamesAreKept) {
    Choose(CSpelersDlg::kIdd, 1003);
    Choose(CMultiplayerDlg::kIdd, 1000);
    Choose(CMapDlg::kIdd, 1000);
    Ok(COptiesDlg::kIdd);
    Script(CHotseatnmDlg::kIdd, {ScriptStep::Edit(CHotseatnmDlg::kIdName, "Ann"),
                                 ScriptStep::Click(CHotseatnmDlg::kIdAddMore)});
    Script(CHotseatnmDlg::kIdd,
           {ScriptStep::Edit(CHotseatnmDlg::kIdName, "Bob"), ScriptStep::Click(kIdOk)});
    Choose(CPlayers810Dlg::kIdd, 1000);  // no computer player
    View().OnNewGame();

    EXPECT_EQ(ShownIds(), (std::vector<int>{163, 241, 183, 164, 211, 211, 182}));
    EXPECT_EQ(Dialogs().Shown()[4].texts.at(CHotseatnmDlg::kIdPrompt), "Player One, your name ?");
    EXPECT_EQ(Dialogs().Shown()[5].texts.at(CHotseatnmDlg::kIdPrompt), "Player Two, your name ?");
    EXPECT_EQ(g_gameKind, 4);
    EXPECT_EQ(g_humanPlayerCount, 2);
    EXPECT_EQ(g_playerCount, 3);
    EXPECT_TRUE(g_hasNeutralArmy);
    EXPECT_EQ(g_playerNames[1], "Ann");
    EXPECT_EQ(g_playerNames[2], "Bob");
    EXPECT_EQ(g_playerNames[3], "pc III");
    EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{new_game::kNeutralArmyText}));
    const auto settings = SettingsFile();
    EXPECT_EQ(SlotText(settings, kHotseatNamesOffset), "Ann");
    EXPECT_EQ(SlotText(settings, kHotseatNamesOffset + 20), "Bob");
    EXPECT_NE(g_currentPlayer, 3);  // the neutral army never starts
}

TEST_F(NewGameChain, HotseatWithOneNameGoesBackToTheMainMenu) {
    Choose(CSpelersDlg::kIdd, 1003);
    Choose(CMultiplayerDlg::kIdd, 1000);
    Choose(CMapDlg::kIdd, 1000);
    Ok(COptiesDlg::kIdd);
    Script(CHotseatnmDlg::kIdd,
           {ScriptStep::Edit(CHotseatnmDlg::kIdName, "Ann"), ScriptStep::Click(kIdOk)});
    Cancel(CSpelersDlg::kIdd);
    View().OnNewGame();
    EXPECT_EQ(ShownIds(), (std::vector<int>{163, 241, 183, 164, 211, 163}));
    EXPECT_TRUE(g_canNewGame);
    EXPECT_EQ(g_roundCounter, 0);
}

TEST_F(NewGameChain, AHighScoreGameHasItsFixedRules) {
    g_isRandomMix = true;
    Choose(CSpelersDlg::kIdd, 1001);
    Choose(CGametypeDlg::kIdd, 1000);
    Choose(CMap1Dlg::kIdd, 1000);  // World
    Name("Alice");
    View().OnNewGame();

    EXPECT_EQ(ShownIds(), (std::vector<int>{163, 323, 375, 165}));
    EXPECT_TRUE(g_isHighScoreGame);
    EXPECT_EQ(g_playerCount, 10);
    EXPECT_EQ(g_isOneForOneRule, 'j');
    EXPECT_FALSE(g_isTroopExperienceOn || g_areStrongholdsOn || g_areTerritoriesHidden);
    EXPECT_EQ(g_missionKind, 0);
    EXPECT_FALSE(g_isRandomMix);
    const std::array<int, 11> mix{0, 0, 1, 1, 2, 2, 4, 4, 5, 5, 0};
    for (int p = 1; p <= kMaxPlayers; ++p) {
        EXPECT_EQ(g_personalities[p], mix[p]) << p;
        EXPECT_EQ(g_unstableMarks[p], 0);
    }
    EXPECT_EQ(g_currentPlayer, 1);
    EXPECT_EQ(g_playerNames[1], "Alice");
}

TEST(HighScoreRules, ByMapOfASingleMapGame) {
    struct Case {
        bool* flag;
        int campaign;
        bool conquerors;
        int mission;
    };
    const Case cases[] = {
        {&g_isMapEurope, 0, true, 0},       {&g_isMapScandinavia, 0, true, 0},
        {&g_isMapNorthAmerica, 0, true, 0}, {&g_isMapSwamp, 0, true, 0},
        {&g_isMapChina, 0, false, 2},       {&g_isMapGreatBritain, 0, false, 2},
        {&g_isMapWorld, 0, false, 0},       {&g_isMapEurope, 3, false, 0},  // a campaign's map
    };
    for (const Case& c : cases) {
        ClearMapFlags();
        *c.flag = true;
        g_campaignNumber = c.campaign;
        const new_game::HighScoreOptions options = new_game::HighScoreOptionsOfMap();
        EXPECT_EQ(options.allConquerors, c.conquerors);
        EXPECT_EQ(options.missionKind, c.mission);
        EXPECT_EQ(new_game::HighScorePersonality(2, options.allConquerors), 1);
        EXPECT_EQ(new_game::HighScorePersonality(10, options.allConquerors), c.conquerors ? 1 : 0);
    }
}

TEST_F(NewGameChain, DemoHasNoHumanAndStartsWithPlayerTwo) {
    Choose(CSpelersDlg::kIdd, 1002);
    Choose(CGametypeDlg::kIdd, 1000);
    Choose(CMapDlg::kIdd, 1000);
    Ok(CPlayers234Dlg::kIdd);
    Ok(CPersonalitiesDlg::kIdd);
    View().OnNewGame();

    EXPECT_EQ(ShownIds(), (std::vector<int>{163, 323, 183, 181, 254}));
    EXPECT_EQ(g_gameKind, 5);
    EXPECT_EQ(g_playerNames[1], "      ");
    EXPECT_EQ(g_players[1][player_field::kTerritories], 0);
    EXPECT_EQ(g_playerCount, 4);  // three computer players beside nobody
    EXPECT_TRUE(g_isFastSpeed);
    EXPECT_FALSE(g_isInitialPlacement);
    EXPECT_EQ(Window().timers.at(1), 768);
    // The player may leave the demo for a game of their own (New Game asks first).
    EXPECT_TRUE(g_newGameEnablePending);
}

TEST_F(NewGameChain, ACampaignStartsOnItsFirstMapWithPlayerOne) {
    Choose(CSpelersDlg::kIdd, 1000);
    Choose(CGametypeDlg::kIdd, 1001);
    Choose(CCampaignsDlg::kIdd, 1000);  // Worlds
    Ok(COptiesDlg::kIdd);
    Ok(CPlayers234Dlg::kIdd);
    Ok(CPersonalitiesDlg::kIdd);
    Name("Alice");
    View().OnNewGame();

    EXPECT_EQ(g_campaignNumber, 1);
    EXPECT_EQ(g_campaignLength, 2);
    EXPECT_EQ(g_campaignStep, 1);
    EXPECT_TRUE(g_isMapWorld);
    EXPECT_EQ(g_currentPlayer, 1);
    EXPECT_EQ(g_savedGamePath.rfind("CMPGN_Worlds", 0), 0u) << g_savedGamePath;
}

TEST_F(NewGameChain, AMapFileThatDoesNotLoadFallsBackToWholeWorld) {
    Choose(CSpelersDlg::kIdd, 1000);
    Choose(CGametypeDlg::kIdd, 1000);
    Choose(CMapDlg::kIdd, CMapDlg::kIdLoadMap);  // no file dialog: nothing loads
    View().OnNewGame();
    EXPECT_TRUE(g_isMapWorld);
    EXPECT_FALSE(g_isMapCustom);
    EXPECT_EQ(g_territoryCount, 42);
    EXPECT_EQ(g_continentCount, 6);
    EXPECT_NE(g_neighbours[1][1], 0);  // World's tables, not its counts alone
    EXPECT_TRUE(g_canNewGame);
    EXPECT_TRUE(g_canOpen);
}

TEST_F(NewGameChain, UnstableIsStoredAndDrawnWithABasePersonality) {
    Choose(CSpelersDlg::kIdd, 1000);
    Choose(CGametypeDlg::kIdd, 1000);
    Choose(CMapDlg::kIdd, 1000);
    Ok(COptiesDlg::kIdd);
    Ok(CPlayers234Dlg::kIdd);
    Script(CPersonalitiesDlg::kIdd,
           {ScriptStep::Click(PersonalityButtons(3)[6]), ScriptStep::Click(kIdOk)});
    Name("Alice");
    View().OnNewGame();

    const auto settings = SettingsFile();
    ASSERT_GE(settings.size(), kPersonalitiesOffset + 12);
    EXPECT_EQ(settings[kPersonalitiesOffset + 8], 6);  // player III
    EXPECT_EQ(g_unstableMarks[3], 6);
    EXPECT_GE(g_personalities[3], 0);
    EXPECT_LE(g_personalities[3], 5);
}

TEST_F(NewGameChain, NamesArePolishedAndAHighScoreCodeIsDecodedInstead) {
    const std::string code = high_score::Encode({3, 77}, 5);
    Choose(CSpelersDlg::kIdd, 1000);
    Choose(CGametypeDlg::kIdd, 1000);
    Choose(CMapDlg::kIdd, 1000);
    Ok(COptiesDlg::kIdd);
    Ok(CPlayers234Dlg::kIdd);
    Ok(CPersonalitiesDlg::kIdd);
    Name(std::string(high_score::kMarker) + code);
    Name("   ");
    Name("pcHacker");
    View().OnNewGame();

    EXPECT_EQ(TimesShown(CNaamDlg::kIdd), 3);
    EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{high_score::DescribeCode(code)}));
    EXPECT_EQ(MessageBoxTexts()[0].substr(0, 10), "03-00077  ");
    EXPECT_EQ(g_playerNames[1], "apc");
}

TEST_F(NewGameChain, StrongholdsStartWithTheStrongholdChoice) {
    Choose(CSpelersDlg::kIdd, 1000);
    Choose(CGametypeDlg::kIdd, 1000);
    Choose(CMapDlg::kIdd, 1000);
    Script(COptiesDlg::kIdd,
           {ScriptStep::Click(COptiesDlg::kIdStrongholds), ScriptStep::Click(kIdOk)});
    Ok(CPlayers234Dlg::kIdd);
    Ok(CPersonalitiesDlg::kIdd);
    Name("Alice");
    View().OnNewGame();

    EXPECT_TRUE(g_areStrongholdsOn);
    EXPECT_TRUE(g_isStrongholdChoice);
    EXPECT_FALSE(g_isInitialPlacement);
    EXPECT_EQ(g_playerCount, 6);  // six continents: five computer players preset
    ASSERT_FALSE(QueuedMessageTexts().empty());
    EXPECT_EQ(QueuedMessageTexts().back(), "Choose your stronghold");
}

TEST_F(NewGameChain, ARunningGameIsOnlyLeftWhenTheUserSaysSo) {
    g_newGameEnablePending = true;
    Window().ScriptAnswer(platform::MessageAnswer::No);
    View().OnNewGame();
    EXPECT_TRUE(ShownIds().empty());
    EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{new_game::kStartQuestion}));
}

}  // namespace
}  // namespace newgame_test
