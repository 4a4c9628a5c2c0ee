// A host's seats on the in-memory network: the fifth machine is refused, a machine that joins
// ahead of a silent one takes its socket, and a reopened game gives returning players their
// saved positions.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/model/game_state.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "tests/support/view_fixture.h"

namespace {

class HostSeating : public test_support::ViewFixture {
  protected:
    HostSeating() : ViewFixture("host-seating") {}

    struct Remote {
        headless::SocketEventLog log;
        std::unique_ptr<platform::Socket> socket;
    };

    headless::LoopbackSocketFactory& Net() { return platform_->sockets; }

    void Host() {
        g_networkPort = 5466;
        g_playerNames[1] = "Ann";
        ASSERT_TRUE(View().HostNetworkGame());
    }
    Remote& Connect() {
        remotes_.push_back(std::make_unique<Remote>());
        Remote& remote = *remotes_.back();
        remote.socket = Net().CreateSocket(remote.log);
        EXPECT_TRUE(remote.socket->Connect(Net().LocalHostName(), 5466));
        Net().Pump();
        return remote;
    }
    static std::vector<std::string> Received(Remote& remote) {
        std::vector<std::string> messages;
        char buffer[1024];
        for (int size; (size = remote.socket->Receive(buffer, sizeof buffer)) >= 0;)
            messages.emplace_back(buffer, static_cast<std::size_t>(size));
        return messages;
    }
    void TearDown() override {
        view_.reset();
        remotes_.clear();
        ViewFixture::TearDown();
    }

    std::vector<std::unique_ptr<Remote>> remotes_;
};

TEST_F(HostSeating, AFifthMachineIsClosedAtOnceAndAJoinTakesTheFirstSilentSocket) {
    Host();
    Remote& silent = Connect();
    Remote& bob = Connect();
    Connect();
    Connect();
    Remote& fifth = Connect();
    EXPECT_EQ(g_connectedClients, 4);
    EXPECT_EQ(fifth.log.events.back(), "close ok");
    EXPECT_NE(silent.log.events.back(), "close ok");

    bob.socket->Send("1000Bob");
    Net().Pump();
    // Bob plays seat 2, so he is on the host's socket 1 now.
    const std::vector<std::string> toBob = Received(bob);
    ASSERT_EQ(toBob.size(), 1u);
    EXPECT_EQ(toBob[0].substr(0, 6), "100122");
    EXPECT_EQ(toBob[0].substr(6, 3), "Ann");
    EXPECT_EQ(toBob[0].substr(26, 3), "Bob");
    EXPECT_EQ(g_joinedSeatCount, 2);
    EXPECT_EQ(g_playerNames[2], "Bob");
    EXPECT_TRUE(Received(silent).empty());
}

TEST_F(HostSeating, AReopenedGameGivesReturningPlayersTheirSavedPositions) {
    test_support::BuildBoard(6, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}},
                             {{{1, 2, 3, 4, 5, 6}, 2, {}}});
    const int owners[] = {0, 1, 1, 2, 2, 3, 3};
    for (int t = 1; t <= 6; ++t) g_territories[t] = {owners[t], 10 * t};
    g_playerCount = 3;
    g_humanPlayerCount = 1;
    g_playerNames[2] = "Bob";
    g_playerNames[3] = "Cid";
    for (int p = 1; p <= 3; ++p) {
        g_players[p][player_field::kTerritories] = 2;
        g_players[p][player_field::kLosses] = 100 * p;
    }
    g_currentPlayer = 1;
    g_isGameFromFile = kYes;
    Host();
    // They come back in the other order: Cid takes seat 2, Bob seat 3.
    Remote& cid = Connect();
    Remote& bob = Connect();
    cid.socket->Send("1000Cid");
    Net().Pump();
    bob.socket->Send("1000Bob");
    Net().Pump();
    Received(cid);
    Received(bob);

    View().OnKeyDown(113);
    Net().Pump();

    EXPECT_FALSE(g_isHostWaiting);
    EXPECT_EQ(g_lastNetworkSeat, 3);
    EXPECT_EQ(g_playerNames[2], "Cid");
    EXPECT_EQ(g_playerNames[3], "Bob");
    const int expected[] = {0, 1, 1, 3, 3, 2, 2};
    for (int t = 1; t <= 6; ++t) {
        EXPECT_EQ(g_territories[t].owner, expected[t]) << t;
        EXPECT_EQ(g_territories[t].armies, 10 * t) << t;
    }
    EXPECT_EQ(g_players[2][player_field::kLosses], 300);
    EXPECT_EQ(g_players[3][player_field::kLosses], 200);
    for (Remote* remote : {&cid, &bob}) {
        const std::vector<std::string> got = Received(*remote);
        ASSERT_FALSE(got.empty());
        EXPECT_EQ(got[0].substr(0, 4), "1002");
    }
    EXPECT_FALSE(View().SocketAt(0)->IsOpen());
}

}  // namespace
