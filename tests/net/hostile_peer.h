// Hostile peers for the LAN tests, on real loopback TCP with the game's message frames: a raw
// client that connects to a host and sends it junk, and a relay between a joined machine and its
// host that passes every message on and slips bad, duplicated and out-of-turn ones in between.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/message_frames.h"

namespace seat_test {

inline int ConnectLoopback(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Tries for a while: the other side may not listen yet.
inline int ConnectWhenListening(int port) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int fd = ConnectLoopback(port);
        if (fd >= 0) return fd;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return -1;
}

inline bool SendRaw(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

inline bool SendMessage(int fd, const std::string& message) {
    return SendRaw(fd, platform::EncodeFrame(message));
}

// Passes messages between a joined machine (which connects to `listenPort`) and its host. For
// every message passed, `tamper` may add messages of its own: toward the joined machine
// (`toJoined`) or toward the host.
class Relay {
  public:
    // The message passed, its direction, and where extra messages go.
    using Tamper = std::function<void(const std::string& message, bool toJoined,
                                      std::vector<std::string>& extraToJoined,
                                      std::vector<std::string>& extraToHost)>;

    Relay(int listenPort, int hostPort, Tamper tamper)
        : hostPort_(hostPort), tamper_(std::move(tamper)) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        const int on = 1;
        ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<std::uint16_t>(listenPort));
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(listener_, 1);
        thread_ = std::thread([this] { Run(); });
    }
    ~Relay() {
        stop_ = true;
        thread_.join();
        for (int fd : {listener_, joined_, host_})
            if (fd >= 0) ::close(fd);
    }
    Relay(const Relay&) = delete;
    Relay& operator=(const Relay&) = delete;

  private:
    void Run() {
        pollfd wait{listener_, POLLIN, 0};
        while (!stop_ && ::poll(&wait, 1, 50) <= 0) {
        }
        if (stop_) return;
        joined_ = ::accept(listener_, nullptr, nullptr);
        host_ = ConnectLoopback(hostPort_);
        if (joined_ < 0 || host_ < 0) return;
        platform::FrameReader fromJoined;
        platform::FrameReader fromHost;
        char buffer[8192];
        while (!stop_) {
            pollfd fds[2] = {{joined_, POLLIN, 0}, {host_, POLLIN, 0}};
            if (::poll(fds, 2, 50) <= 0) continue;
            for (int side = 0; side < 2; ++side) {
                if (fds[side].revents == 0) continue;
                const int from = side == 0 ? joined_ : host_;
                const ssize_t got = ::recv(from, buffer, sizeof buffer, 0);
                if (got <= 0) return;  // one side left: the relay ends, as a cable would
                platform::FrameReader& reader = side == 0 ? fromJoined : fromHost;
                reader.Feed(std::string_view(buffer, static_cast<std::size_t>(got)));
                while (reader.HasMessage()) Pass(reader.Take(), side == 1);
            }
        }
    }

    void Pass(const std::string& message, bool toJoined) {
        std::vector<std::string> extraToJoined;
        std::vector<std::string> extraToHost;
        tamper_(message, toJoined, extraToJoined, extraToHost);
        SendMessage(toJoined ? joined_ : host_, message);
        for (const std::string& extra : extraToJoined) SendRaw(joined_, extra);
        for (const std::string& extra : extraToHost) SendRaw(host_, extra);
    }

    int hostPort_;
    Tamper tamper_;
    int listener_ = -1;
    int joined_ = -1;
    int host_ = -1;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace seat_test
