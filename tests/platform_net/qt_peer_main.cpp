// The peer process of the Qt socket tests: a second machine on loopback, run by the test.
// Usage: net_qt_peer PORT MODE
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/qt/qt_socket.h"
#include "tests/platform_net/qt_peer.h"

namespace {

// Exit codes: 0 done as the mode says, 2 the connection failed, 3 gave up waiting.
class Peer : public platform::SocketEvents {
  public:
    explicit Peer(std::string mode) : mode_(std::move(mode)) {}

    void Start(std::uint16_t port) {
        if (!socket_->Connect("127.0.0.1", port)) QCoreApplication::exit(2);
    }

    void OnConnect(platform::SocketError error) override {
        if (error != platform::SocketError::None) {
            std::printf("connect failed: %s\n", platform::SocketErrorText(error));
            QCoreApplication::exit(2);
            return;
        }
        if (mode_ == nettest::kModeEcho) {
            socket_->Send(nettest::kJoin);
            return;
        }
        for (const std::string& message : nettest::kBurst) socket_->Send(message);
        socket_->Close();
        QCoreApplication::exit(0);
    }

    void OnReceive() override {
        char buffer[2048];
        const int n = socket_->Receive(buffer, sizeof buffer);
        if (n < 0) return;
        socket_->Send(nettest::kEchoPrefix + std::string(buffer, static_cast<std::size_t>(n)));
    }

    void OnClose(platform::SocketError error) override {
        std::printf("%s: %s\n", nettest::kSawClose, platform::SocketErrorText(error));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

  private:
    std::string mode_;
    qtplatform::QtSocketFactory factory_;
    std::unique_ptr<platform::Socket> socket_ = factory_.CreateSocket(*this);
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) return 1;
    Peer peer(argv[2]);
    peer.Start(static_cast<std::uint16_t>(std::atoi(argv[1])));
    QTimer::singleShot(30'000, [] { QCoreApplication::exit(3); });
    return app.exec();
}
