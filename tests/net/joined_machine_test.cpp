// A joined machine on the in-memory network, with the test standing in for its host: what its
// player is shown in its own turn, and how its game ends.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/model/game_state.h"
#include "core/model/session_state.h"
#include "core/services/network.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "net/net_links.h"
#include "tests/support/view_fixture.h"

namespace {

class JoinedMachine : public test_support::ViewFixture {
  protected:
    JoinedMachine() : ViewFixture("joined-machine") {}

    headless::LoopbackSocketFactory& Net() { return platform_->sockets; }

    // A started game of three on a small board: Ann hosts, Bob plays here (seat 2), pc III.
    void SetUp() override {
        ViewFixture::SetUp();
        test_support::BuildBoard(6, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}},
                                 {{{1, 2, 3, 4, 5, 6}, 2, {}}});
        const int owners[] = {0, 1, 1, 2, 2, 3, 3};
        for (int t = 1; t <= 6; ++t) {
            g_territories[t] = {owners[t], 3};
            g_players[owners[t]][player_field::kTerritories] = 2;
        }
        g_playerNames[1] = "Ann";
        g_playerNames[2] = "Bob";
        g_playerNames[3] = "pc III";
        g_playerCount = 3;
        g_humanPlayerCount = 1;
        g_gameKind = game_kind::kNetworkJoined;
        g_networkPort = 5466;
        host_ = Net().CreateSocket(hostLog_);
        ASSERT_TRUE(host_->Listen(5466));
        ASSERT_TRUE(View().JoinNetworkGame(Net().LocalHostName()));
        Net().Pump();
        hostSide_ = Net().CreateSocket(hostLog_);
        ASSERT_TRUE(host_->Accept(*hostSide_));
        Net().Pump();
        EmptyQueues();  // the join request is not needed here
        g_networkSeat = 2;
        g_joinedSeatCount = 2;
        g_hasNetworkGameStarted = true;
    }
    void TearDown() override {
        view_.reset();
        hostSide_.reset();
        host_.reset();
        ViewFixture::TearDown();
    }

    // The host sends `code` with the board as it stands, naming `current` as the current player.
    void FromHost(int code, std::int32_t current) {
        const std::int32_t kept = g_currentPlayer;
        g_currentPlayer = current;
        net::BuildBoardMessage(View(), code);
        g_currentPlayer = kept;
        ASSERT_GE(hostSide_->Send(g_outgoingMessage), 0);
        Net().Pump();
    }
    // The codes this machine sent to the host since the last call.
    std::vector<std::string> ToHost() {
        std::vector<std::string> codes;
        char buffer[1024];
        for (int size; (size = hostSide_->Receive(buffer, sizeof buffer)) >= 0;)
            codes.emplace_back(buffer, static_cast<std::size_t>(std::min(size, 4)));
        return codes;
    }

    headless::SocketEventLog hostLog_;
    std::unique_ptr<platform::Socket> host_;
    std::unique_ptr<platform::Socket> hostSide_;
};

TEST_F(JoinedMachine, ItsPlayerIsToldItIsHisTurnWhenTheHostNamesHimInHisOwnTurn) {
    g_currentPlayer = 1;
    View().ShowStatus("Ann to play..");
    FromHost(1007, 2);
    EXPECT_EQ(ToHost(), std::vector<std::string>{"2007"});
    ASSERT_TRUE(g_isOwnTurnOpen);
    // A late echo naming someone else leaves the status and the board alone.
    g_territories[3].armies = 7;
    FromHost(1012, 3);
    EXPECT_EQ(g_statusText, "Ann to play..");
    EXPECT_EQ(g_territories[3].armies, 7);
    // The host's next-player event for this seat.
    FromHost(1012, 2);
    EXPECT_EQ(g_statusText, "Bob to play..");
    EXPECT_EQ(g_territories[3].armies, 7);
    EXPECT_EQ(g_currentPlayer, 2);
}

}  // namespace
