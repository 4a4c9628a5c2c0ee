// Asynchronous message sockets for network games, their notifications and the factory making them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

// Why a socket call or a notification failed.
enum class SocketError {
    None,
    WouldBlock,         // nothing to accept or receive yet
    NotConnected,       // the call needs an open connection
    InvalidState,       // e.g. listening on a socket that is already open
    AddressInUse,       // the port is taken
    HostNotFound,       // the host name did not resolve
    ConnectionRefused,  // nothing listens at the address
    TimedOut,           // the connection attempt got no answer in time
    ConnectionReset,    // the peer vanished without closing
    MessageTooLong,     // a message exceeds kMaxMessageBytes or the receive buffer
    BadFrame,           // the peer sent bytes that are not our message frames
    Other,
};

// A short English text for status lines and logs.
inline const char* SocketErrorText(SocketError error) {
    switch (error) {
        case SocketError::None:
            return "no error";
        case SocketError::WouldBlock:
            return "nothing waiting";
        case SocketError::NotConnected:
            return "not connected";
        case SocketError::InvalidState:
            return "socket already in use";
        case SocketError::AddressInUse:
            return "port already in use";
        case SocketError::HostNotFound:
            return "host not found";
        case SocketError::ConnectionRefused:
            return "connection refused";
        case SocketError::TimedOut:
            return "connection timed out";
        case SocketError::ConnectionReset:
            return "connection lost";
        case SocketError::MessageTooLong:
            return "message too long";
        case SocketError::BadFrame:
            return "malformed data from the peer";
        case SocketError::Other:
            break;
    }
    return "network error";
}

// The largest message a socket carries; game messages stay far below it.
inline constexpr std::size_t kMaxMessageBytes = 64 * 1024;
// What Send and Receive return when they fail; LastError() says why.
inline constexpr int kSocketFailed = -1;

// Notifications, delivered on the one user-interface thread between other events.
class SocketEvents {
  public:
    virtual ~SocketEvents() = default;
    // A listening socket has a connection waiting for Accept.
    virtual void OnAccept() {}
    // A Connect finished: None when connected.
    virtual void OnConnect(SocketError error) = 0;
    // A whole message is waiting for Receive.
    virtual void OnReceive() {}
    // The peer closed the connection (None) or it was lost. Not sent for our own Close.
    virtual void OnClose(SocketError error) = 0;
};

// One socket: a listener or one connection. Each Send is delivered to the peer as one whole
// message, and each Receive takes exactly one, so the stream never merges or splits messages.
class Socket {
  public:
    virtual ~Socket() = default;

    // Listens on a port of every local address (0: a free port the system picks).
    virtual bool Listen(std::uint16_t port) = 0;
    // The port a listener listens on, or a connection's local port; 0 when closed.
    virtual std::uint16_t LocalPort() const = 0;
    // Takes one waiting connection into `into`, a closed socket of the same factory.
    virtual bool Accept(Socket& into) = 0;
    // Starts connecting to a host name or dotted address; OnConnect tells the outcome.
    virtual bool Connect(const std::string& host, std::uint16_t port) = 0;

    // Queues one message whole; returns its size in bytes or kSocketFailed.
    virtual int Send(std::string_view message) = 0;
    // Copies the next message into the buffer; returns its size or kSocketFailed. A message
    // larger than the buffer is dropped and reported as MessageTooLong.
    virtual int Receive(char* buffer, std::size_t capacity) = 0;
    // Closes without notifying this side; queued outgoing messages are still delivered.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // The reason of the last failed call.
    virtual SocketError LastError() const = 0;
};

class SocketFactory {
  public:
    virtual ~SocketFactory() = default;
    // A closed socket that reports to `events`, which must outlive it.
    virtual std::unique_ptr<Socket> CreateSocket(SocketEvents& events) = 0;
    // This machine's name on the network.
    virtual std::string LocalHostName() const = 0;
    // This machine's address in dotted form as others on the network reach it; empty when the
    // machine has none.
    virtual std::string LocalAddress() const = 0;
};

}  // namespace platform
