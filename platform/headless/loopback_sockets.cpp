// The in-memory network: socket calls queue events, and Pump turns them into notifications.
#include "platform/headless/loopback_sockets.h"

#include <cstring>

namespace headless {

using platform::SocketError;

LoopbackSocket::LoopbackSocket(LoopbackSocketFactory& network, platform::SocketEvents& events,
                               int id)
    : network_(network), events_(events), id_(id) {}

LoopbackSocket::~LoopbackSocket() {
    Close();
    network_.sockets_.erase(id_);
}

bool LoopbackSocket::Fail(SocketError error) {
    lastError_ = error;
    return false;
}

void LoopbackSocket::Attach(std::shared_ptr<LoopbackChannel> channel, int side) {
    channel_ = std::move(channel);
    side_ = side;
    channel_->end[side] = id_;
    state_ = State::Connected;
}

bool LoopbackSocket::Listen(std::uint16_t port) {
    if (state_ != State::Closed) return Fail(SocketError::InvalidState);
    if (port == 0) {
        port = network_.FreePort();
    } else if (!network_.portsInUse_.insert(port).second) {
        return Fail(SocketError::AddressInUse);
    }
    network_.listeners_[port] = id_;
    port_ = port;
    ownsPort_ = true;
    state_ = State::Listening;
    return true;
}

bool LoopbackSocket::Accept(platform::Socket& into) {
    auto* target = dynamic_cast<LoopbackSocket*>(&into);
    if (state_ != State::Listening || target == nullptr || &target->network_ != &network_ ||
        target->IsOpen()) {
        return Fail(SocketError::InvalidState);
    }
    if (waiting_.empty()) return Fail(SocketError::WouldBlock);
    std::shared_ptr<LoopbackChannel> channel = waiting_.front();
    waiting_.pop_front();
    target->Attach(channel, 1);
    target->port_ = port_;
    target->ownsPort_ = false;
    // What arrived before the accept is announced now, as a real socket would.
    for (std::size_t i = 0; i < channel->inbox[1].size(); ++i) {
        network_.Queue(
            {LoopbackSocketFactory::Kind::Receive, target->id_, SocketError::None, channel});
    }
    if (channel->closed[0]) {
        network_.Queue(
            {LoopbackSocketFactory::Kind::Closed, target->id_, SocketError::None, channel});
    }
    return true;
}

bool LoopbackSocket::Connect(const std::string& host, std::uint16_t port) {
    if (state_ != State::Closed) return Fail(SocketError::InvalidState);
    state_ = State::Connecting;
    port_ = network_.FreePort();
    ownsPort_ = true;
    LoopbackSocketFactory::Event attempt{LoopbackSocketFactory::Kind::Attempt, id_};
    attempt.serial = ++connectSerial_;
    attempt.host = host;
    attempt.port = port;
    network_.Queue(std::move(attempt));
    return true;
}

int LoopbackSocket::Send(std::string_view message) {
    SocketError error = sendFailure_;
    if (error == SocketError::None) {
        if (state_ != State::Connected || channel_->closed[1 - side_]) {
            error = SocketError::NotConnected;
        } else if (message.size() > platform::kMaxMessageBytes) {
            error = SocketError::MessageTooLong;
        }
    }
    network_.sent_.push_back({id_, std::string(message), error});
    if (error != SocketError::None) {
        lastError_ = error;
        return platform::kSocketFailed;
    }
    LoopbackSocketFactory::Event arrive{LoopbackSocketFactory::Kind::Arrive, -1, SocketError::None,
                                        channel_, 1 - side_};
    arrive.data = std::string(message);
    network_.Queue(std::move(arrive));
    return static_cast<int>(message.size());
}

int LoopbackSocket::Receive(char* buffer, std::size_t capacity) {
    if (receiveFailure_ != SocketError::None) {
        lastError_ = receiveFailure_;
        receiveFailure_ = SocketError::None;
        return platform::kSocketFailed;
    }
    if (state_ != State::Connected) {
        lastError_ = SocketError::NotConnected;
        return platform::kSocketFailed;
    }
    std::deque<std::string>& inbox = channel_->inbox[side_];
    if (inbox.empty()) {
        lastError_ =
            channel_->closed[1 - side_] ? SocketError::NotConnected : SocketError::WouldBlock;
        return platform::kSocketFailed;
    }
    const std::string message = std::move(inbox.front());
    inbox.pop_front();
    if (message.size() > capacity) {
        lastError_ = SocketError::MessageTooLong;
        return platform::kSocketFailed;
    }
    std::memcpy(buffer, message.data(), message.size());
    return static_cast<int>(message.size());
}

void LoopbackSocket::Close() {
    if (state_ == State::Listening) {
        network_.listeners_.erase(port_);
        // Connections nobody accepted are reset, as the system does when a listener goes.
        for (auto& channel : waiting_) {
            network_.Queue({LoopbackSocketFactory::Kind::PeerClosed, -1,
                            SocketError::ConnectionReset, channel, 0});
        }
        waiting_.clear();
    } else if (state_ == State::Connected) {
        // The peer learns of it when pumped; until then its sends are still in flight.
        channel_->end[side_] = -1;
        network_.Queue(
            {LoopbackSocketFactory::Kind::PeerClosed, -1, SocketError::None, channel_, 1 - side_});
    }
    if (ownsPort_) network_.portsInUse_.erase(port_);
    ownsPort_ = false;
    channel_.reset();
    state_ = State::Closed;
    port_ = 0;
}

LoopbackSocketFactory::LoopbackSocketFactory() {
    SetLocalHost(hostName_, address_);
}

LoopbackSocketFactory::~LoopbackSocketFactory() = default;

std::unique_ptr<platform::Socket> LoopbackSocketFactory::CreateSocket(
    platform::SocketEvents& events) {
    auto socket = std::make_unique<LoopbackSocket>(*this, events, nextId_++);
    sockets_[socket->Id()] = socket.get();
    return socket;
}

int LoopbackSocketFactory::Pump(int limit) {
    int ran = 0;
    while (!queue_.empty() && ran < limit) {
        Event event = std::move(queue_.front());
        queue_.pop_front();
        Run(event);
        ++ran;
    }
    return ran;
}

LoopbackSocket* LoopbackSocketFactory::Find(int socketId) const {
    auto it = sockets_.find(socketId);
    return it == sockets_.end() ? nullptr : it->second;
}

LoopbackSocket* LoopbackSocketFactory::EndOf(const LoopbackChannel& channel, int side) const {
    LoopbackSocket* socket = Find(channel.end[side]);
    if (socket == nullptr || socket->channel_.get() != &channel) return nullptr;
    return socket;
}

void LoopbackSocketFactory::Run(Event& event) {
    if (event.kind == Kind::Arrive || event.kind == Kind::PeerClosed) {
        LoopbackChannel& channel = *event.channel;
        if (event.kind == Kind::Arrive) {
            channel.inbox[event.side].push_back(std::move(event.data));
        } else {
            channel.closed[1 - event.side] = true;
        }
        LoopbackSocket* socket = EndOf(channel, event.side);
        if (socket == nullptr) return;  // not accepted yet, or already closed here
        if (event.kind == Kind::Arrive) {
            socket->events_.OnReceive();
        } else {
            NotifyClose(*socket, event.error);
        }
        return;
    }
    LoopbackSocket* socket = Find(event.target);
    if (socket == nullptr) return;
    if (event.channel && socket->channel_ != event.channel) return;  // the socket moved on
    switch (event.kind) {
        case Kind::Attempt:
            RunAttempt(*socket, event);
            break;
        case Kind::Accept:
            socket->events_.OnAccept();
            break;
        case Kind::Connected:
            socket->events_.OnConnect(event.error);
            break;
        case Kind::Receive:
            socket->events_.OnReceive();
            break;
        case Kind::Closed:
            NotifyClose(*socket, event.error);
            break;
        case Kind::Arrive:
        case Kind::PeerClosed:
            break;
    }
}

void LoopbackSocketFactory::RunAttempt(LoopbackSocket& client, const Event& event) {
    if (client.state_ != LoopbackSocket::State::Connecting ||
        client.connectSerial_ != event.serial) {
        return;  // closed or restarted meanwhile
    }
    SocketError error = nextConnectFailure_;
    nextConnectFailure_ = SocketError::None;
    auto listener = listeners_.find(event.port);
    if (error == SocketError::None && hosts_.count(event.host) == 0) {
        error = SocketError::HostNotFound;
    } else if (error == SocketError::None && listener == listeners_.end()) {
        error = SocketError::ConnectionRefused;
    }
    if (error != SocketError::None) {
        portsInUse_.erase(client.port_);
        client.ownsPort_ = false;
        client.state_ = LoopbackSocket::State::Closed;
        client.port_ = 0;
        client.lastError_ = error;
        Queue({Kind::Connected, client.id_, error});
        return;
    }
    auto channel = std::make_shared<LoopbackChannel>();
    client.Attach(channel, 0);
    Find(listener->second)->waiting_.push_back(channel);
    Queue({Kind::Accept, listener->second});
    Queue({Kind::Connected, client.id_, SocketError::None, channel});
}

void LoopbackSocketFactory::NotifyClose(LoopbackSocket& socket, SocketError error) {
    socket.events_.OnClose(error);
}

std::uint16_t LoopbackSocketFactory::FreePort() {
    while (portsInUse_.count(nextPort_) != 0 || nextPort_ == 0) ++nextPort_;
    const std::uint16_t port = nextPort_++;
    portsInUse_.insert(port);
    return port;
}

void LoopbackSocketFactory::SetLocalHost(const std::string& name, const std::string& address) {
    hostName_ = name;
    address_ = address;
    hosts_.insert({name, address, "localhost", "127.0.0.1"});
}

void LoopbackSocketFactory::AddHost(const std::string& name) {
    hosts_.insert(name);
}

void LoopbackSocketFactory::FailNextConnect(SocketError error) {
    nextConnectFailure_ = error;
}

void LoopbackSocketFactory::FailSends(int socketId, SocketError error) {
    if (LoopbackSocket* socket = Find(socketId)) socket->sendFailure_ = error;
}

void LoopbackSocketFactory::FailNextReceive(int socketId, SocketError error) {
    if (LoopbackSocket* socket = Find(socketId)) socket->receiveFailure_ = error;
}

void LoopbackSocketFactory::DropConnection(int socketId, SocketError error) {
    LoopbackSocket* socket = Find(socketId);
    if (socket == nullptr || socket->state_ != LoopbackSocket::State::Connected) return;
    const std::shared_ptr<LoopbackChannel> channel = socket->channel_;
    for (int side = 0; side < 2; ++side) {
        Queue({Kind::PeerClosed, -1, error, channel, side});
    }
}

}  // namespace headless
