// QtSocket over real TCP on loopback, with the peer as a second process (net_qt_peer).
#include "platform/qt/qt_socket.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/loopback_sockets.h"
#include "platform/message_frames.h"
#include "tests/platform_net/qt_peer.h"

namespace {

using headless::SocketEventLog;
using Events = std::vector<std::string>;

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "net_qt_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// Runs the event loop until `done` holds; false when it still does not after 20 s.
bool RunUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 20'000) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

// Every message waiting on a socket.
std::vector<std::string> Drain(platform::Socket& socket) {
    std::vector<std::string> messages;
    char buffer[2048];
    for (int n; (n = socket.Receive(buffer, sizeof buffer)) >= 0;) {
        messages.emplace_back(buffer, static_cast<std::size_t>(n));
    }
    return messages;
}

// A host listening on a free loopback port, with one socket for the joining machine.
class QtSocketTest : public ::testing::Test {
  protected:
    void SetUp() override {
        App();
        ASSERT_TRUE(listener_->Listen(0));
        ASSERT_NE(listener_->LocalPort(), 0);
    }

    void TearDown() override {
        if (peer_.state() != QProcess::NotRunning) {
            peer_.kill();
            peer_.waitForFinished();
        }
    }

    void StartPeer(const char* mode) {
        peer_.setProcessChannelMode(QProcess::MergedChannels);
        peer_.start(MAROVEK_NET_PEER, {QString::number(listener_->LocalPort()), mode});
        ASSERT_TRUE(peer_.waitForStarted());
    }

    // Accepts the first connection into server_ and collects what arrives on it.
    void AcceptWhenAsked() {
        ASSERT_TRUE(RunUntil([&] { return !listenerLog_.events.empty(); }));
        ASSERT_TRUE(listener_->Accept(*server_));
    }

    bool PeerEnded() const { return peer_.state() == QProcess::NotRunning; }

    qtplatform::QtSocketFactory factory_;
    SocketEventLog listenerLog_, serverLog_;
    std::unique_ptr<platform::Socket> listener_ = factory_.CreateSocket(listenerLog_);
    std::unique_ptr<platform::Socket> server_ = factory_.CreateSocket(serverLog_);
    QProcess peer_;
};

TEST_F(QtSocketTest, MessagesGoBothWaysAndThePeerNoticesTheHostClosing) {
    StartPeer(nettest::kModeEcho);
    AcceptWhenAsked();
    std::vector<std::string> got;
    auto collect = [&](std::size_t count) {
        return RunUntil([&] {
            for (std::string& message : Drain(*server_)) got.push_back(std::move(message));
            return got.size() >= count;
        });
    };
    ASSERT_TRUE(collect(1));
    EXPECT_EQ(got[0], nettest::kJoin);

    const std::string board = nettest::BoardSizedMessage();
    EXPECT_EQ(server_->Send("1001hello"), 9);
    EXPECT_EQ(server_->Send(board), static_cast<int>(board.size()));
    ASSERT_TRUE(collect(3));
    EXPECT_EQ(got[1], std::string(nettest::kEchoPrefix) + "1001hello");
    EXPECT_EQ(got[2], nettest::kEchoPrefix + board);

    server_->Close();
    ASSERT_TRUE(RunUntil([&] { return PeerEnded(); }));
    EXPECT_EQ(peer_.exitCode(), 0);
    EXPECT_TRUE(peer_.readAll().contains(nettest::kSawClose));
}

TEST_F(QtSocketTest, MessagesSentBackToBackArriveOneByOneBeforeTheClose) {
    StartPeer(nettest::kModeBurst);
    AcceptWhenAsked();
    ASSERT_TRUE(RunUntil(
        [&] { return !serverLog_.events.empty() && serverLog_.events.back() == "close ok"; }));
    const Events expected{"receive", "receive", "receive", "receive", "close ok"};
    EXPECT_EQ(serverLog_.events, expected);
    const std::vector<std::string> burst(std::begin(nettest::kBurst), std::end(nettest::kBurst));
    EXPECT_EQ(Drain(*server_), burst);
    EXPECT_EQ(server_->LastError(), platform::SocketError::NotConnected);
    ASSERT_TRUE(RunUntil([&] { return PeerEnded(); }));
    EXPECT_EQ(peer_.exitCode(), 0);
}

TEST_F(QtSocketTest, BytesThatAreNotMessagesCloseTheConnection) {
    QTcpSocket raw;
    raw.connectToHost("127.0.0.1", listener_->LocalPort());
    AcceptWhenAsked();
    raw.write("\xff\xff\xff\x7fnot a message");
    ASSERT_TRUE(RunUntil([&] { return !serverLog_.events.empty(); }));
    EXPECT_EQ(serverLog_.events, Events{"close malformed data from the peer"});
    EXPECT_TRUE(Drain(*server_).empty());
}

// A plain blocking client of the listener, read without Qt's event loop.
int ConnectPlainClient(std::uint16_t port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// What arrives on `fd` within two seconds, up to `size` bytes.
std::string ReadPlain(int fd, std::size_t size) {
    std::string got;
    char chunk[2048];
    for (int waited = 0; got.size() < size && waited < 20; ++waited) {
        pollfd polled{fd, POLLIN, 0};
        if (::poll(&polled, 1, 100) <= 0) continue;
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n <= 0) break;
        got.append(chunk, static_cast<std::size_t>(n));
    }
    return got;
}

// A sender that goes on working without returning to the event loop (a host playing computer
// turns after acknowledging a seat) has its message on the wire already.
TEST_F(QtSocketTest, ASentMessageLeavesBeforeTheEventLoopRunsAgain) {
    const int fd = ConnectPlainClient(listener_->LocalPort());
    ASSERT_GE(fd, 0);
    AcceptWhenAsked();
    const std::string ack = "2011" + nettest::BoardSizedMessage().substr(4);
    ASSERT_EQ(server_->Send(ack), static_cast<int>(ack.size()));
    const std::string frame = platform::EncodeFrame(ack);
    EXPECT_EQ(ReadPlain(fd, frame.size()), frame);
    ::close(fd);
}

TEST_F(QtSocketTest, ConnectionRefusalIsReportedFromTheEventLoop) {
    const std::uint16_t port = listener_->LocalPort();
    listener_->Close();
    SocketEventLog log;
    auto client = factory_.CreateSocket(log);
    ASSERT_TRUE(client->Connect("127.0.0.1", port));
    EXPECT_TRUE(log.events.empty());
    ASSERT_TRUE(RunUntil([&] { return !log.events.empty(); }));
    EXPECT_EQ(log.events, Events{"connect connection refused"});
    EXPECT_FALSE(client->IsOpen());
    EXPECT_EQ(client->Send("1000x"), platform::kSocketFailed);
}

TEST_F(QtSocketTest, SecondListenerOnTheSamePortIsRefused) {
    SocketEventLog log;
    auto second = factory_.CreateSocket(log);
    EXPECT_FALSE(second->Listen(listener_->LocalPort()));
    EXPECT_EQ(second->LastError(), platform::SocketError::AddressInUse);
    EXPECT_FALSE(second->IsOpen());
}

TEST(QtSocketFactory, LocalAddressIsEmptyOrADottedIpv4AddressOtherThanLoopback) {
    const std::string address = qtplatform::QtSocketFactory().LocalAddress();
    if (address.empty()) return;  // a machine without a network card
    QHostAddress parsed;
    ASSERT_TRUE(parsed.setAddress(QString::fromLatin1(address.c_str()))) << address;
    EXPECT_EQ(parsed.protocol(), QAbstractSocket::IPv4Protocol);
    EXPECT_FALSE(parsed.isLoopback()) << address;
}

}  // namespace
