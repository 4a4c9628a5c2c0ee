// The initial placement's hand-over on a host and on a joined machine, through the in-memory
// network's sockets.
#include <algorithm>

#include "core/rules/turn_order.h"
#include "core/turn/turn_state.h"
#include "tests/input/input_fixture.h"

namespace input_test {
namespace {

class NetworkPlacementTest : public InputFixture {
  protected:
    void SetUp() override {
        InputFixture::SetUp();
        StartGame(4, 4);
        SetBoard({{1, 1}, {2, 1}, {3, 1}, {4, 1}, {1, 1}});
        g_isInitialPlacement = true;
        g_initialArmiesLeft = 1;
        g_roundCounter = 1;
    }
    // The codes sent after the territory updates of the click itself.
    std::vector<std::string> HandOverCodes() const {
        std::vector<std::string> codes;
        for (const std::string& code : SentCodes())
            if (code.rfind("1003", 0) != 0) codes.push_back(code);
        return codes;
    }
    int SocketId(int viewSocket) const { return joined_.LoopbackId(viewSocket); }
};

TEST_F(NetworkPlacementTest, HostHandsOverToPlayerTwoAndTellsTheOthers) {
    g_gameKind = 2;
    ConnectJoinedMachines(3);
    ChooseEntry(0);
    Click(1);
    EXPECT_EQ(HandOverCodes(), (std::vector<std::string>{"1004@1", "1018@2", "1018@3"}));
    EXPECT_EQ(g_currentPlayer, 2);
    EXPECT_EQ(g_roundCounter, 2);
    EXPECT_TRUE(g_isInitialPlacement);
    EXPECT_EQ(g_ackPendingCode, 1004);
    EXPECT_EQ(g_ackSocket, 1);
    EXPECT_EQ(g_statusText, "Player2, initial army placement.    ++Chat program on the taskbar++");
    // The board travels with the code.
    EXPECT_GT(SentMessages().back().text.size(), 4u);
}

TEST_F(NetworkPlacementTest, HostReportsAPlayerWhoLeft) {
    g_gameKind = 2;
    ConnectJoinedMachines(2);
    platform_->sockets.FailSends(SocketId(1), platform::SocketError::ConnectionReset);
    ChooseEntry(0);
    Click(1);
    EXPECT_EQ(HandOverCodes(), (std::vector<std::string>{"1018@2"}));
    EXPECT_NE(std::find(Window().statusTextsSet.begin(), Window().statusTextsSet.end(),
                        "Player has left the game. End of game."),
              Window().statusTextsSet.end());
    EXPECT_EQ(g_ackPendingCode, 1004);  // the watchdog resends or ends the game
}

TEST_F(NetworkPlacementTest, JoinedMachineReportsItsPlacementToTheHost) {
    g_gameKind = 3;
    ConnectToHost(2);
    rules::SetCurrentPlayer(2);
    ChooseEntry(0);
    Click(2);
    std::vector<std::string> codes = SentCodes();
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.back(), "1005@1");
    EXPECT_FALSE(g_isInitialPlacement);
    EXPECT_EQ(g_currentPlayer, 2);
    EXPECT_EQ(g_roundCounter, 1);
    EXPECT_EQ(g_ackPendingCode, 1005);
}

}  // namespace
}  // namespace input_test
