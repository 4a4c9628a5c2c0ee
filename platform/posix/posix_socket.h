// Network-game sockets on POSIX TCP for programs without a toolkit: the owner's loop calls
// Pump, which waits for socket activity and delivers the notifications.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>

#include "platform/message_frames.h"
#include "platform/socket.h"

namespace posix {

class PosixSocketFactory;

class PosixSocket : public platform::Socket {
  public:
    PosixSocket(PosixSocketFactory& factory, platform::SocketEvents& events);
    ~PosixSocket() override;
    PosixSocket(const PosixSocket&) = delete;
    PosixSocket& operator=(const PosixSocket&) = delete;

    bool Listen(std::uint16_t port) override;
    std::uint16_t LocalPort() const override;
    bool Accept(platform::Socket& into) override;
    bool Connect(const std::string& host, std::uint16_t port) override;
    int Send(std::string_view message) override;
    int Receive(char* buffer, std::size_t capacity) override;
    void Close() override;
    bool IsOpen() const override { return fd_ >= 0; }
    platform::SocketError LastError() const override { return lastError_; }

  private:
    friend class PosixSocketFactory;
    enum class State { Closed, Listening, Connecting, Connected };

    bool Fail(platform::SocketError error);
    // One round of the factory's loop: `readable`/`writable` as poll saw this socket.
    void Serve(bool readable, bool writable, bool hungUp);
    void FlushOutgoing();
    void Lost(platform::SocketError error);
    bool WantsWrite() const;

    PosixSocketFactory& factory_;
    platform::SocketEvents& events_;
    int fd_ = -1;
    State state_ = State::Closed;
    std::string outgoing_;
    platform::FrameReader reader_;
    platform::SocketError lastError_ = platform::SocketError::None;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

class PosixSocketFactory : public platform::SocketFactory {
  public:
    std::unique_ptr<platform::Socket> CreateSocket(platform::SocketEvents& events) override;
    std::string LocalHostName() const override;
    std::string LocalAddress() const override;

    // Waits up to `timeoutMs` for activity on the open sockets and delivers every notification
    // it found; answers whether anything happened.
    bool Pump(int timeoutMs);

  private:
    friend class PosixSocket;
    std::set<PosixSocket*> sockets_;
};

}  // namespace posix
