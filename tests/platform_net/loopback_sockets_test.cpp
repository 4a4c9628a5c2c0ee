// The in-memory network: connections, whole messages, closes and scripted failures.
#include "platform/headless/loopback_sockets.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using headless::SocketEventLog;
using platform::SocketError;
using Events = std::vector<std::string>;

constexpr std::uint16_t kPort = 5466;

// A host listening on kPort and a client; Join connects them and accepts the connection.
class LoopbackTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(listener_->Listen(kPort)); }

    void Join() {
        ASSERT_TRUE(client_->Connect("localhost", kPort));
        net_.Pump();
        ASSERT_TRUE(listener_->Accept(*server_));
        listenerLog_.events.clear();
        clientLog_.events.clear();
    }

    // The next message of a socket, or "error: <text>".
    static std::string Next(platform::Socket& socket, std::size_t capacity = 1024) {
        std::string buffer(capacity, '\0');
        const int n = socket.Receive(buffer.data(), buffer.size());
        if (n < 0) return std::string("error: ") + platform::SocketErrorText(socket.LastError());
        return buffer.substr(0, static_cast<std::size_t>(n));
    }

    headless::LoopbackSocketFactory net_;
    SocketEventLog listenerLog_, serverLog_, clientLog_;
    std::unique_ptr<platform::Socket> listener_ = net_.CreateSocket(listenerLog_);
    std::unique_ptr<platform::Socket> server_ = net_.CreateSocket(serverLog_);
    std::unique_ptr<platform::Socket> client_ = net_.CreateSocket(clientLog_);
};

TEST_F(LoopbackTest, ConnectionIsMadeWhenPumpedAndCarriesWholeMessagesBothWays) {
    ASSERT_TRUE(client_->Connect("localhost", kPort));
    EXPECT_TRUE(clientLog_.events.empty());
    net_.Pump();
    EXPECT_EQ(listenerLog_.events, Events{"accept"});
    EXPECT_EQ(clientLog_.events, Events{"connect ok"});
    ASSERT_TRUE(listener_->Accept(*server_));

    EXPECT_EQ(client_->Send("1000Alice"), 9);
    EXPECT_EQ(client_->Send("9999"), 4);
    EXPECT_EQ(Next(*server_), "error: nothing waiting");
    net_.Pump();
    EXPECT_EQ(serverLog_.events, (Events{"receive", "receive"}));
    EXPECT_EQ(Next(*server_), "1000Alice");
    EXPECT_EQ(Next(*server_), "9999");

    EXPECT_EQ(server_->Send(""), 0);
    net_.Pump();
    EXPECT_EQ(Next(*client_), "");
    ASSERT_EQ(net_.Sent().size(), 3u);
    EXPECT_EQ(net_.Sent()[0].from, 2);
    EXPECT_EQ(net_.Sent()[2].from, 1);
}

TEST_F(LoopbackTest, FailedConnectionsReportTheirReason) {
    struct Case {
        std::string host;
        std::uint16_t port;
        SocketError scripted;
        std::string expected;
    };
    const Case cases[] = {
        {"nowhere.example", kPort, SocketError::None, "connect host not found"},
        {"localhost", 5467, SocketError::None, "connect connection refused"},
        {"loopback-host", kPort, SocketError::TimedOut, "connect connection timed out"},
    };
    for (const Case& c : cases) {
        SocketEventLog log;
        auto socket = net_.CreateSocket(log);
        net_.FailNextConnect(c.scripted);
        ASSERT_TRUE(socket->Connect(c.host, c.port));
        net_.Pump();
        EXPECT_EQ(log.events, Events{c.expected}) << c.host;
        EXPECT_FALSE(socket->IsOpen()) << c.host;
        EXPECT_TRUE(listenerLog_.events.empty()) << c.host;
    }
}

TEST_F(LoopbackTest, CloseReachesOnlyThePeerAfterTheMessagesBeforeIt) {
    Join();
    client_->Send("1020leaving");
    client_->Close();
    EXPECT_TRUE(serverLog_.events.empty());
    net_.Pump();
    EXPECT_EQ(serverLog_.events, (Events{"receive", "close ok"}));
    EXPECT_TRUE(clientLog_.events.empty());
    EXPECT_EQ(Next(*server_), "1020leaving");
    EXPECT_EQ(Next(*server_), "error: not connected");
    EXPECT_EQ(server_->Send("1019"), platform::kSocketFailed);
    EXPECT_EQ(server_->LastError(), SocketError::NotConnected);
}

TEST_F(LoopbackTest, ScriptedFailuresOfSendReceiveAndConnection) {
    Join();
    const int serverId = static_cast<headless::LoopbackSocket&>(*server_).Id();
    net_.FailSends(serverId, SocketError::ConnectionReset);
    EXPECT_EQ(server_->Send("3000hi"), platform::kSocketFailed);
    EXPECT_EQ(server_->LastError(), SocketError::ConnectionReset);
    ASSERT_EQ(net_.Sent().size(), 1u);
    EXPECT_EQ(net_.Sent()[0].error, SocketError::ConnectionReset);
    net_.FailSends(serverId, SocketError::None);

    client_->Send("2007");
    net_.Pump();
    net_.FailNextReceive(serverId, SocketError::Other);
    EXPECT_EQ(Next(*server_), "error: network error");
    EXPECT_EQ(Next(*server_), "2007");

    net_.DropConnection(serverId, SocketError::ConnectionReset);
    net_.Pump();
    EXPECT_EQ(serverLog_.events, (Events{"receive", "close connection lost"}));
    EXPECT_EQ(clientLog_.events, Events{"close connection lost"});
}

TEST_F(LoopbackTest, AcceptTakesWaitingConnectionsOnlyIntoClosedSockets) {
    EXPECT_FALSE(listener_->Accept(*server_));
    EXPECT_EQ(listener_->LastError(), SocketError::WouldBlock);
    Join();
    SocketEventLog otherLog;
    auto other = net_.CreateSocket(otherLog);
    ASSERT_TRUE(other->Connect("127.0.0.1", kPort));
    net_.Pump();
    EXPECT_FALSE(listener_->Accept(*server_));  // already holds a connection
    EXPECT_EQ(listener_->LastError(), SocketError::InvalidState);

    // What came before the accept is announced once the connection is taken.
    other->Send("1000Bob");
    net_.Pump();
    SocketEventLog lateLog;
    auto late = net_.CreateSocket(lateLog);
    ASSERT_TRUE(listener_->Accept(*late));
    net_.Pump();
    EXPECT_EQ(lateLog.events, Events{"receive"});
    EXPECT_EQ(Next(*late), "1000Bob");
}

TEST_F(LoopbackTest, ClosingTheListenerResetsUnacceptedConnectionsAndFreesThePort) {
    ASSERT_TRUE(client_->Connect("localhost", kPort));
    net_.Pump();
    SocketEventLog secondLog;
    auto second = net_.CreateSocket(secondLog);
    EXPECT_FALSE(second->Listen(kPort));
    EXPECT_EQ(second->LastError(), SocketError::AddressInUse);
    listener_->Close();
    net_.Pump();
    EXPECT_EQ(clientLog_.events, (Events{"connect ok", "close connection lost"}));
    EXPECT_TRUE(second->Listen(kPort));
}

TEST_F(LoopbackTest, MessagesLargerThanTheBufferOrTheLimitFail) {
    Join();
    client_->Send(std::string(2000, 'x'));
    client_->Send("1005");
    net_.Pump();
    EXPECT_EQ(Next(*server_, 1024), "error: message too long");
    EXPECT_EQ(Next(*server_, 1024), "1005");  // the long one is dropped, the next one intact
    EXPECT_EQ(client_->Send(std::string(platform::kMaxMessageBytes + 1, 'x')),
              platform::kSocketFailed);
    EXPECT_EQ(client_->LastError(), SocketError::MessageTooLong);
}

}  // namespace
