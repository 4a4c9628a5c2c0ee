// The game clock: one record per tick in order, the human turn start, the plays, the demo.
#include "core/commands/command_ids.h"
#include "core/commands/command_ui.h"
#include "core/model/map_catalogue.h"
#include "core/rules/turn_order.h"
#include "core/turn/game_clock.h"
#include "core/turn/turn_state.h"
#include "net/board_state.h"
#include "turn_fixture.h"

namespace turn_test {
namespace {

using ClockTest = TurnFixture;

TEST_F(ClockTest, SevenEventsThenTwoMessagesOneRecordPerTick) {
    StartGame(3, 1, 1);
    g_isHumanTurnStarted = true;  // no turn is due
    for (int i = 1; i <= 7; ++i) View().QueueEventText("event " + std::to_string(i));
    View().QueueMessage("message 1");
    View().QueueMessage("message 2");
    for (int i = 1; i <= 7; ++i) {
        Tick();
        EXPECT_EQ(g_statusText, "event " + std::to_string(i));
        EXPECT_TRUE(Window().hasCapture);
        EXPECT_TRUE(Window().isWaitCursor);
    }
    Tick();  // finds the events played out: resets them and plays message 1
    EXPECT_EQ(g_eventCount, 0);
    EXPECT_EQ(g_eventReadIndex, 0);
    EXPECT_EQ(g_statusText, "message 1");
    Tick();
    EXPECT_EQ(g_statusText, "message 2");
    EXPECT_TRUE(Window().hasCapture);
    Tick();  // the message queue is found empty: the mouse is free again
    EXPECT_EQ(g_messageCount, 0);
    EXPECT_FALSE(Window().hasCapture);
    EXPECT_FALSE(Window().isWaitCursor);
    EXPECT_FALSE(g_isMouseCaptured);
    // After both ran dry the next append writes element 1 again.
    View().QueueMessage("again");
    EXPECT_EQ(g_messageCount, 1);
    EXPECT_EQ(g_messageQueue[1].text, "again");
}

TEST_F(ClockTest, AHumanTurnStartsOnTheFirstTickThatFindsNoEventBeforeItsMessage) {
    StartGame(3, 1, 1);
    HandedOver();
    View().QueuePauseEvent();
    View().QueuePauseEvent();
    View().QueueMessage("m1");
    const int invalidations = Window().invalidations;
    Tick(2);
    EXPECT_FALSE(g_isHumanTurnStarted);
    EXPECT_FALSE(g_canSetSlowSpeed || g_canSetFastSpeeds);
    Tick();
    EXPECT_TRUE(g_isHumanTurnStarted);
    EXPECT_TRUE(g_canSetSlowSpeed && g_canSetFastSpeeds);
    EXPECT_GT(Window().invalidations, invalidations);
    EXPECT_EQ(g_messageQueue[1].text, "m1");
    EXPECT_GE(g_messageReadIndex, 1);  // the message of the same tick was played
}

TEST_F(ClockTest, NoHumanTurnStartsForAComputerOrBeforeAnyGame) {
    StartGame(3, 1, 2);
    HandedOver();
    Tick();
    rules::SetCurrentPlayer(0);
    Tick();
    EXPECT_FALSE(g_isHumanTurnStarted);
    EXPECT_FALSE(g_canSetSlowSpeed || g_canSetFastSpeeds);
}

TEST_F(ClockTest, ATerritoryEventIsShownWithItsSoundAndMirroredByTheHost) {
    StartGame(3, 1, 1);
    ConnectJoinedMachines(2);
    QueueRecord& r = AppendEvent(1);
    r.a = 9;
    r.b = 14;
    r.c = 2;
    r.d = 1;
    r.e = 3;
    Tick();
    EXPECT_EQ(g_displayedTerritories[9].armies, 14);
    EXPECT_EQ(g_displayedTerritories[9].owner, 2);
    EXPECT_EQ(g_territoryHighlight[9], 'j');
    ASSERT_EQ(Sound().played.size(), 1u);
    EXPECT_NE(Sound().played[0].wavePath.find("sounds/222.wav"), std::string::npos);
    EXPECT_EQ(SentCodes(), (std::vector<std::string>{"1017@1", "1017@2"}));
    const std::optional<BoardState> board =
        DecodeBoardState(SentMessages()[0].text.substr(4), nullptr);
    ASSERT_TRUE(board);
    EXPECT_EQ(board->syncTerritory, 9);
    EXPECT_EQ(board->syncArmies, 14);
    EXPECT_EQ(board->syncOwner, 2);
    EXPECT_TRUE(board->syncMarked);
}

TEST_F(ClockTest, HostMirrorsEachPlayedEventWithItsCode) {
    StartGame(4, 1, 1);
    DealBoard();
    const int player3Armies = ArmiesOnBoard(3);
    ConnectJoinedMachines(1);
    g_continents[2][1] = 4;
    g_continents[2][kContinentMemberCount] = 1;
    struct Case {
        int type;
        int a;
        std::string code;
    };
    const Case cases[] = {{3, 1, "1013"}, {4, 0, "1014"}, {5, 2, "1023"},  {6, 2, "1024"},
                          {2, 0, ""},     {7, 3, "1012"}, {10, 3, "1009"}, {8, 3, ""},
                          {12, 0, ""},    {11, 3, "1008"}};
    for (const Case& c : cases) {
        const std::size_t before = SentMessages().size();
        AppendEvent(c.type).a = c.a;
        Tick();
        const std::vector<Sent> sent = SentMessages();
        if (c.code.empty()) {
            EXPECT_EQ(sent.size(), before) << c.type;
            continue;
        }
        ASSERT_EQ(sent.size(), before + 1) << c.type;
        EXPECT_EQ(sent.back().text.substr(0, 4), c.code);
        EXPECT_EQ(sent.back().text.size(), 944u);
    }
    EXPECT_EQ(g_currentPlayer, 1);  // every temporarily current player was put back
    // Player 3's start armies were placed on his own territories.
    EXPECT_EQ(ArmiesOnBoard(3), player3Armies + g_startArmies);
    EXPECT_EQ(g_statusText, "Player3, initial army placement.    ++Chat program on the taskbar++");
}

TEST_F(ClockTest, NextPlayerEventNamesThatPlayerInItsBoardText) {
    StartGame(4, 1, 1);
    ConnectJoinedMachines(1);
    AppendEvent(7).a = 3;
    Tick();
    const std::optional<BoardState> board =
        DecodeBoardState(SentMessages()[0].text.substr(4), nullptr);
    ASSERT_TRUE(board);
    EXPECT_EQ(board->currentPlayer, 3);
    EXPECT_EQ(g_statusText, "Player3 to play..");
}

TEST_F(ClockTest, MissionPreviewHighlightPlaysSilentlyOtherwiseWithTheContinentSound) {
    struct Case {
        int mission;
        int b;
        bool sound;
    };
    for (const Case& c : {Case{1, 100, false}, Case{1, 0, true}, Case{0, 100, true}}) {
        Sound().played.clear();
        g_missionKind = c.mission;
        QueueRecord& r = AppendMessage(2);
        r.a = 1;
        r.b = c.b;
        Tick(2);  // the empty event queue's tick plays the message; the next frees the queue
        EXPECT_EQ(Sound().played.size(), c.sound ? 1u : 0u) << c.mission << " " << c.b;
    }
}

TEST_F(ClockTest, MissionPreviewRepaintShowsTheMissionOrder) {
    StartGame(3, 1, 1);
    g_missionKind = 1;
    g_missionProgress = 1;
    g_missionOrders[1][1] = 2;
    g_canAttack = g_canAdd = true;
    QueueRecord& r = AppendMessage(3);
    r.a = 2;
    r.b = 100;
    Tick();
    EXPECT_FALSE(g_canAttack || g_canAdd);
    ASSERT_FALSE(g_continentNames[2].empty());
    EXPECT_EQ(MissionWindowTexts(), (std::vector<std::string>{"Conquer  " + g_continentNames[2]}));
}

TEST_F(ClockTest, TurnEnablesFollowWhetherThePlayerHasAttacked) {
    g_isHumanTurnStarted = true;  // the turn has begun: no reinforcement queues more records
    g_hasAttackedThisTurn = false;
    AppendMessage(4).a = 1;
    Tick();
    EXPECT_TRUE(g_canAttack && g_canAdd);
    EXPECT_FALSE(g_canNextPlayer);
    // Player 1 can move: two neighbouring territories of his own, one with armies to spare.
    StartGame(3, 1, 1);
    g_territories[1] = {1, 3};
    g_territories[2] = {1, 1};
    g_neighbours[1] = {0, 2};
    g_neighbours[2] = {0, 1};
    g_isHumanTurnStarted = true;
    g_hasAttackedThisTurn = true;
    g_canMoveState = 'j';
    AppendMessage(4).a = 0;
    Tick(2);
    EXPECT_FALSE(g_canAttack);
    // The move part follows the probe of the board.
    EXPECT_EQ(g_movesLeft, g_canMoveState == 'j' ? 7 : 0);
    EXPECT_EQ(g_canMove, g_canMoveState == 'j');
    EXPECT_TRUE(g_canNextPlayer);
}

TEST_F(ClockTest, AJoinRequestThatCannotBeSentReturnsToNoNetworkGame) {
    g_networkSeat = 2;  // no socket leads to a host
    QueueRecord& r = AppendMessage(101);
    r.text = "Alice";
    r.a = 5;
    Tick();
    EXPECT_EQ(g_statusText,
              "ERROR - Can't find the host's game. Be sure to start a host game first.");
    EXPECT_EQ(g_networkSeat, 0);
    EXPECT_TRUE(g_canNewGame && g_canOpen);
}

TEST_F(ClockTest, AJoinRequestGoesToTheHostWithoutBoard) {
    ConnectToHost(2);
    QueueRecord& r = AppendMessage(101);
    r.text = "Alice";
    Tick();
    EXPECT_EQ(SentMessages(), (std::vector<Sent>{{1, "1000Alice"}}));
}

TEST_F(ClockTest, TheHostedGameStartsWithThePlacementPrompt) {
    StartGame(3, 1, 0);
    g_publishedGameSlot = 2;
    g_publishedHostText = "Anna's game";
    AppendMessage(103);
    Tick();
    EXPECT_TRUE(g_isInitialPlacement);
    EXPECT_EQ(g_currentPlayer, 1);
    EXPECT_EQ(g_messageQueue[g_messageCount].text,
              "Select a territory for initial army placement, available: " +
                  std::to_string(g_startArmies));
    EXPECT_EQ(g_initialArmiesLeft, g_startArmies);
}

TEST_F(ClockTest, TheDemoBannerBlinksThreeTicksOnOneOff) {
    g_isDemoRunning = true;
    g_gameKind = 5;
    std::vector<std::string> shown;
    for (int i = 0; i < 8; ++i) {
        Tick();
        shown.push_back(g_statusText);
    }
    const std::string demo = game_clock::kDemoText;
    EXPECT_EQ(shown, (std::vector<std::string>{demo, demo, demo, " ", demo, demo, demo, " "}));
}

TEST_F(ClockTest, TheFirstDemoTickSetsUpAComputerGameAndEndsThere) {
    g_isDemoRunning = true;
    g_gameKind = 1;
    g_playerCount = 4;
    Tick();
    EXPECT_EQ(g_gameKind, 5);
    EXPECT_EQ(g_playerNames[1], "      ");
    EXPECT_EQ(g_playerNames[10], "pc X");
    EXPECT_EQ(Window().timers.at(1), 384);
    EXPECT_FALSE(g_canNewGame || g_canOpen || g_canChangeMap);
    EXPECT_EQ(g_currentPlayer, 2);
    const int computers = g_playerCount - 1;  // as the demo's deal left them
    EXPECT_EQ(g_roundCounter, 1 + computers);
    // Each computer: next player, announcement (fast: no text) with two pauses, seven placement
    // records; then the next-player event before the hand-over.
    EXPECT_EQ(g_eventCount, computers * (1 + 2 + 7) + 1);
    EXPECT_EQ(g_eventQueue[1].type, 7);
    EXPECT_EQ(g_eventQueue[1].a, 2);
    EXPECT_EQ(g_messageQueue[1].text, game_clock::kDemoText);
    EXPECT_EQ(g_messageQueue[2].type, 5);
    EXPECT_EQ(g_eventReadIndex, 0);  // nothing played on this tick
}

// A window that runs the clock while a message box is open, as a nested event loop would.
class NestingWindow : public headless::RecordingWindow {
  public:
    platform::MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                                       platform::MessageButtons buttons,
                                       platform::MessageIcon icon) override {
        if (view != nullptr) {
            readIndexBefore = g_eventReadIndex;
            view->RunClockTick();
            readIndexAfter = g_eventReadIndex;
        }
        return RecordingWindow::MessageBox(text, caption, buttons, icon);
    }
    CChildView* view = nullptr;
    int readIndexBefore = -1;
    int readIndexAfter = -1;
};

TEST_F(ClockTest, ATickDoesNotRunInsideAnotherTick) {
    NestingWindow window;
    headless::TestPlatform& p = *platform_;
    platform::Platform nesting{window,     p.dialogs,     p.sound,  p.files,
                               p.shell,    p.clock,       p.random, p.sockets,
                               p.transfer, p.fileDialogs, p.glyphs, p.imageDecoder};
    view_.reset();
    view_ = std::make_unique<CChildView>(nesting);
    window.view = view_.get();
    g_isDemoRunning = false;
    StartGame(3, 1, 1);
    g_missionKind = 2;  // a failed Hold Continents mission ends with a message box
    g_isMissionFailed = true;
    AppendEvent(9);
    View().QueueEventText("after the box");
    Tick();
    ASSERT_EQ(window.messageBoxes.size(), 1u);
    EXPECT_EQ(window.messageBoxes[0].text, "Mission Failed");
    EXPECT_EQ(window.readIndexBefore, window.readIndexAfter);
    EXPECT_NE(g_statusText, "after the box");
    Tick();
    EXPECT_EQ(g_statusText, "after the box");
}

TEST_F(ClockTest, TheEndOfASinglePlayerGameSoundsVictoryAndShowsTheBoardHighlighted) {
    StartGame(3, 1, 1);
    g_territoryCount = 3;
    g_displayedTerritories[2] = {1, 6};
    g_players[3][player_field::kTerritories] = 0;
    g_troopExperience[3] = 100;
    AppendEvent(9);
    Tick();
    ASSERT_FALSE(Sound().played.empty());
    EXPECT_NE(Sound().played.back().wavePath.find("sounds/228.wav"), std::string::npos);
    EXPECT_EQ(g_territoryHighlight[2], 'j');
    EXPECT_EQ(g_territoryHighlight[3], 'j');
    EXPECT_EQ(g_troopExperience[3], 0);
    EXPECT_FALSE(g_isHighlightOn);
    EXPECT_TRUE(g_hasFinishedGame && g_canNewGame);
}

TEST_F(ClockTest, TheLocalEndOfAGameIsReportedByTheJoiningMachine) {
    StartGame(3, 1, 2);
    ConnectToHost(2);
    g_missionKind = 1;
    AppendMessage(8);
    Tick();
    EXPECT_EQ(SentCodes(), (std::vector<std::string>{"1028@1"}));
    EXPECT_EQ(MissionWindowTexts(), (std::vector<std::string>{"Mission Completed"}));
    EXPECT_EQ(g_missionTextKind, 1);
}

TEST_F(ClockTest, ADemoGameEndsIntoANewDemoSetUp) {
    g_isDemoRunning = true;
    g_gameKind = 5;
    g_isGameOver = true;
    AppendEvent(9);
    Tick();
    EXPECT_EQ(g_gameKind, 1);
    EXPECT_FALSE(g_isGameOver);
    Tick();
    EXPECT_EQ(g_gameKind, 5);
    EXPECT_FALSE(g_canNewGame || g_canOpen || g_canChangeMap);
}

// A demo chosen from New Game ends like a finished game: nothing restarts it, and New Game,
// Quick Launch, Open and the Map menu are there again.
TEST_F(ClockTest, ADemoChosenFromNewGameEndsWithNewGameOpenAndTheMapMenuEnabled) {
    g_isDemoRunning = false;
    g_gameKind = 5;
    g_isGameOver = true;
    g_canNewGame = g_canOpen = g_canChangeMap = false;
    AppendEvent(9);
    Tick();
    Tick();
    EXPECT_EQ(g_gameKind, 1);
    EXPECT_TRUE(g_hasFinishedGame);
    CmdUI ui;
    for (const int command :
         {cmd::kNewGame, cmd::kQuickLaunch, cmd::kLoadMap, DefaultMap().menuId}) {
        ASSERT_TRUE(View().OnUpdateCommand(command, ui));
        EXPECT_TRUE(ui.enabled) << command;
    }
    EXPECT_TRUE(g_canOpen);  // Open itself comes with saved games
}

}  // namespace
}  // namespace turn_test
