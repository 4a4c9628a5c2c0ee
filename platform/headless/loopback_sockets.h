// An in-memory network for tests and simulations: sockets, listeners on virtual ports, and a
// factory that delivers everything when the test pumps, with scriptable failures.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/socket.h"

namespace headless {

class LoopbackSocketFactory;

// One connection between two sockets: messages waiting at each end, and which ends closed.
struct LoopbackChannel {
    std::deque<std::string> inbox[2];
    int end[2] = {-1, -1};  // socket ids; -1 while a side waits for Accept or has left
    bool closed[2] = {false, false};
};

class LoopbackSocket : public platform::Socket {
  public:
    LoopbackSocket(LoopbackSocketFactory& network, platform::SocketEvents& events, int id);
    ~LoopbackSocket() override;
    LoopbackSocket(const LoopbackSocket&) = delete;
    LoopbackSocket& operator=(const LoopbackSocket&) = delete;

    bool Listen(std::uint16_t port) override;
    std::uint16_t LocalPort() const override { return port_; }
    bool Accept(platform::Socket& into) override;
    bool Connect(const std::string& host, std::uint16_t port) override;
    int Send(std::string_view message) override;
    int Receive(char* buffer, std::size_t capacity) override;
    void Close() override;
    bool IsOpen() const override { return state_ != State::Closed; }
    platform::SocketError LastError() const override { return lastError_; }

    // The factory's number for this socket, counted from 0 in order of creation.
    int Id() const { return id_; }

  private:
    friend class LoopbackSocketFactory;
    enum class State { Closed, Listening, Connecting, Connected };

    bool Fail(platform::SocketError error);
    void Attach(std::shared_ptr<LoopbackChannel> channel, int side);

    LoopbackSocketFactory& network_;
    platform::SocketEvents& events_;
    int id_;
    State state_ = State::Closed;
    std::uint16_t port_ = 0;
    bool ownsPort_ = false;  // an accepted socket shares its listener's port
    std::shared_ptr<LoopbackChannel> channel_;
    int side_ = 0;
    std::deque<std::shared_ptr<LoopbackChannel>> waiting_;  // a listener's unaccepted connections
    unsigned connectSerial_ = 0;
    platform::SocketError lastError_ = platform::SocketError::None;
    platform::SocketError sendFailure_ = platform::SocketError::None;
    platform::SocketError receiveFailure_ = platform::SocketError::None;
};

// Every send attempt, in order: what a socket sent, or tried to send and why it failed.
struct SentMessage {
    int from = -1;
    std::string data;
    platform::SocketError error = platform::SocketError::None;
};

class LoopbackSocketFactory : public platform::SocketFactory {
  public:
    LoopbackSocketFactory();
    // Sockets must be gone before their factory.
    ~LoopbackSocketFactory() override;

    std::unique_ptr<platform::Socket> CreateSocket(platform::SocketEvents& events) override;
    std::string LocalHostName() const override { return hostName_; }
    std::string LocalAddress() const override { return address_; }

    // Delivers queued connections, messages and closes, including those the callbacks cause,
    // until nothing is left or `limit` events ran; returns how many ran.
    int Pump(int limit = 100'000);

    // Script: this machine's name and address (both also reachable by Connect).
    void SetLocalHost(const std::string& name, const std::string& address);
    // Script: further host names that reach this network's listeners.
    void AddHost(const std::string& name);
    // Script: the next connection attempt fails with `error` when pumped.
    void FailNextConnect(platform::SocketError error);
    // Script: every later send of the socket fails with `error` (None ends it).
    void FailSends(int socketId, platform::SocketError error);
    // Script: the next receive of the socket fails with `error`; the message stays.
    void FailNextReceive(int socketId, platform::SocketError error);
    // Script: the socket's connection is lost; both ends get OnClose(error) when pumped.
    void DropConnection(int socketId, platform::SocketError error);

    LoopbackSocket* Find(int socketId) const;
    const std::vector<SentMessage>& Sent() const { return sent_; }

  private:
    friend class LoopbackSocket;
    enum class Kind { Attempt, Arrive, PeerClosed, Accept, Connected, Receive, Closed };
    struct Event {
        Event(Kind k, int t, platform::SocketError e = platform::SocketError::None,
              std::shared_ptr<LoopbackChannel> c = {}, int s = 0)
            : kind(k), target(t), error(e), channel(std::move(c)), side(s) {}
        Kind kind;
        int target = -1;
        platform::SocketError error = platform::SocketError::None;
        std::shared_ptr<LoopbackChannel> channel;
        int side = 0;
        std::string data;
        unsigned serial = 0;
        std::string host;
        std::uint16_t port = 0;
    };

    void Queue(Event event) { queue_.push_back(std::move(event)); }
    void Run(Event& event);
    void RunAttempt(LoopbackSocket& client, const Event& event);
    // The socket at `side` of a channel, when it still holds that channel.
    LoopbackSocket* EndOf(const LoopbackChannel& channel, int side) const;
    void NotifyClose(LoopbackSocket& socket, platform::SocketError error);
    std::uint16_t FreePort();

    std::map<int, LoopbackSocket*> sockets_;
    std::map<std::uint16_t, int> listeners_;
    std::set<std::uint16_t> portsInUse_;
    std::set<std::string> hosts_;
    std::deque<Event> queue_;
    std::vector<SentMessage> sent_;
    std::string hostName_ = "loopback-host";
    std::string address_ = "10.0.0.1";
    platform::SocketError nextConnectFailure_ = platform::SocketError::None;
    int nextId_ = 0;
    std::uint16_t nextPort_ = 49152;
};

// Records notifications as short texts ("accept", "connect ok", "receive", "close lost", ...),
// for tests that script one side of a connection.
class SocketEventLog : public platform::SocketEvents {
  public:
    void OnAccept() override { events.push_back("accept"); }
    void OnConnect(platform::SocketError error) override {
        events.push_back("connect " + Word(error));
    }
    void OnReceive() override { events.push_back("receive"); }
    void OnClose(platform::SocketError error) override { events.push_back("close " + Word(error)); }

    std::vector<std::string> events;

  private:
    static std::string Word(platform::SocketError error) {
        return error == platform::SocketError::None ? "ok" : platform::SocketErrorText(error);
    }
};

}  // namespace headless
