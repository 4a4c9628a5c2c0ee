// The hand-over: on one machine, on a host with computers and joined players, on a joined machine.
#include <algorithm>

#include "core/model/options.h"
#include "core/turn/game_clock.h"
#include "core/turn/turn_state.h"
#include "turn_fixture.h"

namespace turn_test {
namespace {

using HandOverTest = TurnFixture;

TEST_F(HandOverTest, OnOneMachineTheTurnEndsAndTheComputersAreQueued) {
    struct Case {
        int gameKind;
        bool fast;
        std::vector<std::string> texts;  // of the queued message records before the type 5
    };
    const Case cases[] = {{1, false, {}}, {1, true, {" "}}, {5, false, {game_clock::kDemoText}}};
    for (const Case& c : cases) {
        EmptyQueues();
        StartGame(3, 1, 1);
        g_gameKind = c.gameKind;
        g_isFastSpeed = c.fast;
        g_canAttack = g_canNextPlayer = g_canSetFastSpeeds = g_isAttackFrom = true;
        View().NextPlayer();
        ASSERT_EQ(g_messageCount, static_cast<int>(c.texts.size()) + 1);
        for (std::size_t i = 0; i < c.texts.size(); ++i)
            EXPECT_EQ(g_messageQueue[i + 1].text, c.texts[i]);
        EXPECT_EQ(g_messageQueue[g_messageCount].type, 5);
        EXPECT_EQ(g_eventCount, 0);
        EXPECT_FALSE(g_canAttack || g_canNextPlayer || g_canSetFastSpeeds || g_isAttackFrom);
    }
}

TEST_F(HandOverTest, HighlightedTerritoriesAreRedrawnPlain) {
    StartGame(3, 1, 1);
    g_territoryHighlight[4] = 'j';
    g_territories[4] = {1, 5};
    g_isHighlightOn = true;
    View().NextPlayer();
    EXPECT_EQ(g_territoryHighlight[4], 'n');
    EXPECT_EQ(g_displayedTerritories[4].armies, 5);
    EXPECT_FALSE(g_isHighlightOn);
}

TEST_F(HandOverTest, AHostPlaysItsComputersAtOnceAndStopsAtPlayerOne) {
    StartGame(4, 1, 1);
    DealBoard();
    ConnectJoinedMachines(0);
    g_lastNetworkSeat = 1;
    g_isHumanTurnStarted = true;
    View().NextPlayer();
    EXPECT_EQ(ComputerTurnsPlayed(), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(g_currentPlayer, 1);
    EXPECT_FALSE(g_isHumanTurnStarted);
    for (int p = 1; p <= 4; ++p) EXPECT_EQ(g_turnsPlayed[p], 1) << p;
}

TEST_F(HandOverTest, AHostHandsTheTurnToAJoinedPlayerAndWaitsForTheAcknowledgement) {
    struct Case {
        int player;
        std::vector<std::string> codes;
        int socket;
    };
    const Case cases[] = {{2, {"1007@1", "1022@2", "1022@3"}, 1},
                          {3, {"1007@2", "1022@1", "1022@3"}, 2}};
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        EmptyQueues();
        StartGame(4, 1, c.player - 1);
        ConnectJoinedMachines(3);
        g_lastNetworkSeat = 4;
        View().NextPlayer();
        EXPECT_EQ(SentCodes(), c.codes);
        EXPECT_EQ(g_ackPendingCode, 1007);
        EXPECT_EQ(g_ackSocket, c.socket);
        EXPECT_EQ(g_currentPlayer, c.player);
        ASSERT_EQ(g_eventCount, 1);
        EXPECT_EQ(g_eventQueue[1].type, 7);
        EXPECT_EQ(g_eventQueue[1].a, c.player);
        EXPECT_TRUE(ComputerTurnsPlayed().empty());
    }
}

TEST_F(HandOverTest, AJoinedPlayerWhoseMachineIsNotConnectedIsPassedOverWithoutAWatchdog) {
    StartGame(3, 1, 1);
    DealBoard();
    ConnectJoinedMachines(0);
    g_lastNetworkSeat = 2;
    View().NextPlayer();
    EXPECT_EQ(g_ackPendingCode, 0);
    EXPECT_EQ(ComputerTurnsPlayed(), std::vector<int>{3});
    EXPECT_EQ(g_currentPlayer, 1);
}

TEST_F(HandOverTest, PlayerOneOutOfTheGameRestartsTheHandOverWhichMakesProgress) {
    StartGame(3, 1, 3);
    DealBoard();
    GiveAwayTerritoriesOf(1, 2);
    ConnectJoinedMachines(0);
    g_lastNetworkSeat = 1;
    g_isHumanTurnStarted = true;  // as player 1's last turn left it
    View().QueueMessage("left over");
    View().NextPlayer();
    ASSERT_EQ(g_messageCount, 1);
    EXPECT_EQ(g_messageReadIndex, 0);
    EXPECT_EQ(g_messageQueue[1].type, 9);
    EXPECT_TRUE(ComputerTurnsPlayed().empty());
    // The restarted hand-over goes on past player 1 instead of meeting him again.
    Tick();
    EXPECT_EQ(ComputerTurnsPlayed(), (std::vector<int>{2, 3}));
    // Player 1's turn is never handed to him, which would clear the flag for the clock.
    EXPECT_TRUE(g_isHumanTurnStarted);
    EXPECT_NE(g_currentPlayer, 1);
    EXPECT_EQ(g_turnsPlayed[1], 0);
    EXPECT_EQ(g_turnsPlayed[2], 1);
    EXPECT_EQ(g_turnsPlayed[3], 2);
    EXPECT_EQ(g_messageQueue[1].type, 9);
}

TEST_F(HandOverTest, AJoinedMachineReportsTheEndOfItsTurnUnlessTheGameIsOver) {
    StartGame(3, 2, 2);
    ConnectToHost(2);
    g_isGameOver = true;
    View().NextPlayer();
    EXPECT_TRUE(SentCodes().empty());
    g_isGameOver = false;
    View().NextPlayer();
    EXPECT_EQ(SentCodes(), (std::vector<std::string>{"1011@1"}));
    EXPECT_EQ(g_ackPendingCode, 1011);
    EXPECT_EQ(g_ackSocket, 1);
}

TEST_F(HandOverTest, TheWatchdogResendsEveryFiveTicksAndGivesUpAfterFourResends) {
    StartGame(3, 1, 2);
    ConnectJoinedMachines(1);
    g_ackPendingCode = 1007;
    g_ackSocket = 1;
    std::vector<int> resentAt;
    for (int tick = 1; tick <= 21; ++tick) {
        const std::size_t before = SentMessages().size();
        Tick();
        if (SentMessages().size() > before) resentAt.push_back(tick);
        if (tick <= 20) {
            EXPECT_TRUE(Window().messageBoxes.empty()) << tick;
        }
    }
    EXPECT_EQ(resentAt, (std::vector<int>{5, 10, 15, 20}));
    for (const Sent& sent : SentMessages()) EXPECT_EQ(sent.text.substr(0, 4), "1007");
    ASSERT_EQ(Window().messageBoxes.size(), 1u);
    EXPECT_EQ(Window().messageBoxes[0].text, "Network errors, End of Game.");
    EXPECT_EQ(Window().messageBoxes[0].caption, "Error");
    EXPECT_TRUE(Window().hasQuit);
}

TEST_F(HandOverTest, AFailedResendIsReportedAndPlayGoesOn) {
    struct Case {
        int code;
        int seat;
        std::string status;
    };
    const Case cases[] = {{1004, 1, "Player has left the game. End of game."},
                          {1007, 1, "socket send ERROR 1007 3"},
                          {1011, 2, "socket send ERROR 1011"}};
    for (const Case& c : cases) {
        g_networkSeat = c.seat;
        g_connectedClients = 0;
        g_ackPendingCode = c.code;
        g_ackSocket = 3;
        g_ackTicks = 4;
        g_ackResends = 0;
        Tick();
        EXPECT_EQ(g_statusText, c.status);
        EXPECT_EQ(g_ackResends, 1);
        EXPECT_EQ(g_ackTicks, 0);
    }
}

// Without a chat window nothing is typed: the line is the sender's name alone, here one long
// enough to be cut.
TEST_F(HandOverTest, AChatLineIsSentCutTo120Characters) {
    StartGame(3, 1, 1);
    ConnectJoinedMachines(2);
    g_playerNames[1] = std::string(200, 'H');
    g_isHumanTurnStarted = true;
    g_isChatLinePending = true;
    Tick();
    const std::string line = std::string(200, 'H') + ": ";
    EXPECT_FALSE(g_isChatLinePending);
    EXPECT_EQ(SentMessages(), (std::vector<Sent>{{1, "3000" + line.substr(0, 120)},
                                                 {2, "3000" + line.substr(0, 120)}}));
}

TEST_F(HandOverTest, TheHostStartsItsPlayersTurnWithTheTurnMessage) {
    StartGame(3, 1, 1);
    ConnectJoinedMachines(1);
    g_isHumanTurnStarted = false;
    Tick();
    EXPECT_EQ(SentCodes(), (std::vector<std::string>{"1010@1"}));
    const std::vector<std::string>& shown = Window().statusTextsSet;
    EXPECT_NE(std::find(shown.begin(), shown.end(), "Player1 to play.."), shown.end());
}

}  // namespace
}  // namespace turn_test
