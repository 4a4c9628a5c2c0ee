// POSIX TCP sockets with the game's message frames, served by a poll loop.
#include "platform/posix/posix_socket.h"

#include "platform/posix/host_name.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <ifaddrs.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace posix {
namespace {

using platform::SocketError;

SocketError FromErrno(int error) {
    switch (error) {
        case EADDRINUSE:
            return SocketError::AddressInUse;
        case ECONNREFUSED:
            return SocketError::ConnectionRefused;
        case ETIMEDOUT:
            return SocketError::TimedOut;
        case ECONNRESET:
        case EPIPE:
            return SocketError::ConnectionReset;
        case ENOTCONN:
            return SocketError::NotConnected;
        default:
            return SocketError::Other;
    }
}

bool MakeNonBlocking(int fd) {
    const int flags = fcntl(fd, F_GETFL, 0);
    return flags >= 0 && fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

void NoDelay(int fd) {
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

}  // namespace

PosixSocket::PosixSocket(PosixSocketFactory& factory, platform::SocketEvents& events)
    : factory_(factory), events_(events) {
    factory_.sockets_.insert(this);
}

PosixSocket::~PosixSocket() {
    Close();
    factory_.sockets_.erase(this);
}

bool PosixSocket::Fail(SocketError error) {
    lastError_ = error;
    return false;
}

bool PosixSocket::Listen(std::uint16_t port) {
    if (IsOpen()) return Fail(SocketError::InvalidState);
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return Fail(FromErrno(errno));
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    address.sin_port = htons(port);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 5) != 0 || !MakeNonBlocking(fd)) {
        const SocketError error = FromErrno(errno);
        ::close(fd);
        return Fail(error);
    }
    fd_ = fd;
    state_ = State::Listening;
    return true;
}

std::uint16_t PosixSocket::LocalPort() const {
    if (fd_ < 0) return 0;
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) return 0;
    return ntohs(address.sin_port);
}

bool PosixSocket::Accept(platform::Socket& into) {
    auto* target = dynamic_cast<PosixSocket*>(&into);
    if (state_ != State::Listening || target == nullptr || target->IsOpen())
        return Fail(SocketError::InvalidState);
    const int fd = ::accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
        return Fail(errno == EAGAIN || errno == EWOULDBLOCK ? SocketError::WouldBlock
                                                            : FromErrno(errno));
    }
    NoDelay(fd);
    target->fd_ = fd;
    target->state_ = State::Connected;
    target->reader_.Reset();
    target->outgoing_.clear();
    return true;
}

bool PosixSocket::Connect(const std::string& host, std::uint16_t port) {
    if (IsOpen()) return Fail(SocketError::InvalidState);
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port);
    if (getaddrinfo(host.c_str(), service.c_str(), &hints, &found) != 0 || found == nullptr)
        return Fail(SocketError::HostNotFound);
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        freeaddrinfo(found);
        return Fail(FromErrno(errno));
    }
    const int result = ::connect(fd, found->ai_addr, found->ai_addrlen);
    const int error = errno;
    freeaddrinfo(found);
    if (result != 0 && error != EINPROGRESS) {
        ::close(fd);
        return Fail(FromErrno(error));
    }
    NoDelay(fd);
    fd_ = fd;
    state_ = State::Connecting;
    reader_.Reset();
    outgoing_.clear();
    return true;
}

int PosixSocket::Send(std::string_view message) {
    if (state_ != State::Connected) {
        lastError_ = SocketError::NotConnected;
        return platform::kSocketFailed;
    }
    if (message.size() > platform::kMaxMessageBytes) {
        lastError_ = SocketError::MessageTooLong;
        return platform::kSocketFailed;
    }
    outgoing_ += platform::EncodeFrame(message);
    FlushOutgoing();
    return static_cast<int>(message.size());
}

int PosixSocket::Receive(char* buffer, std::size_t capacity) {
    if (!reader_.HasMessage()) {
        lastError_ =
            state_ == State::Connected ? SocketError::WouldBlock : SocketError::NotConnected;
        return platform::kSocketFailed;
    }
    const std::string message = reader_.Take();
    if (message.size() > capacity) {
        lastError_ = SocketError::MessageTooLong;
        return platform::kSocketFailed;
    }
    std::memcpy(buffer, message.data(), message.size());
    return static_cast<int>(message.size());
}

void PosixSocket::Close() {
    if (fd_ >= 0) {
        // What was queued still goes out as far as the system takes it now.
        if (state_ == State::Connected) FlushOutgoing();
        ::close(fd_);
    }
    fd_ = -1;
    state_ = State::Closed;
    outgoing_.clear();
    reader_.Reset();
}

void PosixSocket::FlushOutgoing() {
    while (!outgoing_.empty() && fd_ >= 0) {
        const ssize_t sent = ::send(fd_, outgoing_.data(), outgoing_.size(), MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return;
            outgoing_.clear();  // the loss is reported when poll sees the broken connection
            return;
        }
        outgoing_.erase(0, static_cast<std::size_t>(sent));
    }
}

bool PosixSocket::WantsWrite() const {
    return state_ == State::Connecting || (state_ == State::Connected && !outgoing_.empty());
}

void PosixSocket::Lost(SocketError error) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    state_ = State::Closed;
    outgoing_.clear();
    lastError_ = error;
    events_.OnClose(error);
}

void PosixSocket::Serve(bool readable, bool writable, bool hungUp) {
    const std::weak_ptr<bool> guard = alive_;
    switch (state_) {
        case State::Listening:
            if (readable) events_.OnAccept();
            return;
        case State::Connecting: {
            if (!writable && !hungUp) return;
            int error = 0;
            socklen_t length = sizeof error;
            getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &length);
            if (error != 0) {
                ::close(fd_);
                fd_ = -1;
                state_ = State::Closed;
                lastError_ = FromErrno(error);
                events_.OnConnect(lastError_);
                return;
            }
            state_ = State::Connected;
            events_.OnConnect(SocketError::None);
            return;
        }
        case State::Connected:
            break;
        case State::Closed:
            return;
    }
    if (writable) FlushOutgoing();
    if (!readable && !hungUp) return;
    char chunk[4096];
    int completed = 0;
    for (;;) {
        const ssize_t got = ::recv(fd_, chunk, sizeof chunk, 0);
        if (got > 0) {
            const int count = reader_.Feed(std::string_view(chunk, static_cast<std::size_t>(got)));
            if (count < 0) {
                // Not our frames: drop the connection rather than guess at message bounds.
                Lost(SocketError::BadFrame);
                return;
            }
            completed += count;
            continue;
        }
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        if (got < 0 && errno == EINTR) continue;
        // The peer closed (0) or the connection broke: deliver what came first.
        const SocketError error = got == 0 ? SocketError::None : FromErrno(errno);
        for (int i = 0; i < completed; ++i) {
            events_.OnReceive();
            if (guard.expired() || state_ != State::Connected) return;
        }
        Lost(error);
        return;
    }
    for (int i = 0; i < completed; ++i) {
        events_.OnReceive();
        if (guard.expired() || state_ != State::Connected) return;
    }
}

std::unique_ptr<platform::Socket> PosixSocketFactory::CreateSocket(platform::SocketEvents& events) {
    return std::make_unique<PosixSocket>(*this, events);
}

std::string PosixSocketFactory::LocalHostName() const {
    return ComputerName().value_or(std::string());
}

std::string PosixSocketFactory::LocalAddress() const {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return {};
    std::string found;
    for (ifaddrs* entry = list; entry != nullptr && found.empty(); entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET) continue;
        const auto* address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
        if (ntohl(address->sin_addr.s_addr) >> 24 == 127) continue;
        char text[INET_ADDRSTRLEN] = {};
        if (inet_ntop(AF_INET, &address->sin_addr, text, sizeof text) != nullptr) found = text;
    }
    freeifaddrs(list);
    return found;
}

bool PosixSocketFactory::Pump(int timeoutMs) {
    std::vector<PosixSocket*> order;
    std::vector<pollfd> polled;
    for (PosixSocket* socket : sockets_) {
        if (socket->fd_ < 0) continue;
        short events = POLLIN;
        if (socket->WantsWrite()) events |= POLLOUT;
        polled.push_back({socket->fd_, events, 0});
        order.push_back(socket);
    }
    if (polled.empty()) {
        if (timeoutMs > 0) ::poll(nullptr, 0, timeoutMs);
        return false;
    }
    if (::poll(polled.data(), polled.size(), timeoutMs) <= 0) return false;
    bool any = false;
    for (std::size_t i = 0; i < polled.size(); ++i) {
        // A notification may have closed or deleted another socket of the list.
        if (sockets_.count(order[i]) == 0 || order[i]->fd_ != polled[i].fd) continue;
        const short got = polled[i].revents;
        if (got == 0) continue;
        any = true;
        order[i]->Serve((got & POLLIN) != 0, (got & POLLOUT) != 0,
                        (got & (POLLHUP | POLLERR)) != 0);
    }
    return any;
}

}  // namespace posix
