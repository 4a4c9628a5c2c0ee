// QtSocket: listening, accepting, connecting and message transfer over Qt's TCP classes.
#include "platform/qt/qt_socket.h"

#include <QHostInfo>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <cstring>

namespace qtplatform {
namespace {

using platform::SocketError;

// A host that never answers must not keep a joining machine waiting for minutes.
constexpr int kConnectTimeoutMs = 15'000;
// How long a closed connection may take to hand its last messages to the peer.
constexpr int kLingerMs = 10'000;
// A joining machine may connect to a host of a small LAN game; as many may wait unaccepted.
constexpr int kListenBacklog = 5;

SocketError FromQt(QAbstractSocket::SocketError error) {
    switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
            return SocketError::ConnectionRefused;
        case QAbstractSocket::RemoteHostClosedError:
            return SocketError::None;
        case QAbstractSocket::HostNotFoundError:
            return SocketError::HostNotFound;
        case QAbstractSocket::SocketTimeoutError:
            return SocketError::TimedOut;
        case QAbstractSocket::NetworkError:
            return SocketError::ConnectionReset;
        case QAbstractSocket::AddressInUseError:
            return SocketError::AddressInUse;
        default:
            return SocketError::Other;
    }
}

}  // namespace

QtSocket::QtSocket(platform::SocketEvents& events) : events_(events) {
    connectTimer_.setSingleShot(true);
    QObject::connect(&connectTimer_, &QTimer::timeout, this,
                     [this] { FinishConnect(SocketError::TimedOut); });
}

QtSocket::~QtSocket() {
    Close();
}

bool QtSocket::Fail(SocketError error) {
    lastError_ = error;
    return false;
}

bool QtSocket::Listen(std::uint16_t port) {
    if (IsOpen()) return Fail(SocketError::InvalidState);
    server_ = new QTcpServer(this);
    server_->setListenBacklogSize(kListenBacklog);
    if (!server_->listen(QHostAddress::Any, port)) {
        const SocketError error = FromQt(server_->serverError());
        delete server_;
        server_ = nullptr;
        return Fail(error == SocketError::None ? SocketError::Other : error);
    }
    QObject::connect(server_, &QTcpServer::newConnection, this, [this] { events_.OnAccept(); });
    return true;
}

std::uint16_t QtSocket::LocalPort() const {
    if (server_ != nullptr) return server_->serverPort();
    return socket_ != nullptr ? socket_->localPort() : 0;
}

bool QtSocket::Accept(platform::Socket& into) {
    auto* target = dynamic_cast<QtSocket*>(&into);
    if (server_ == nullptr || target == nullptr || target->IsOpen()) {
        return Fail(SocketError::InvalidState);
    }
    QTcpSocket* connection = server_->nextPendingConnection();
    if (connection == nullptr) return Fail(SocketError::WouldBlock);
    target->Adopt(connection);
    target->connected_ = true;
    // Messages or a close that came before the accept are announced from the event loop.
    QTimer::singleShot(0, target, [target, connection] {
        if (target->socket_ != connection) return;
        std::weak_ptr<bool> guard = target->alive_;
        target->OnReadyRead();
        if (!guard.expired() && target->socket_ == connection &&
            connection->state() == QAbstractSocket::UnconnectedState) {
            target->OnStateChanged(QAbstractSocket::UnconnectedState);
        }
    });
    return true;
}

bool QtSocket::Connect(const std::string& host, std::uint16_t port) {
    if (IsOpen()) return Fail(SocketError::InvalidState);
    Adopt(new QTcpSocket(this));
    connecting_ = true;
    connectTimer_.start(kConnectTimeoutMs);
    socket_->connectToHost(QString::fromLatin1(host.data(), static_cast<qsizetype>(host.size())),
                           port);
    return true;
}

int QtSocket::Send(std::string_view message) {
    if (socket_ == nullptr || !connected_) {
        lastError_ = SocketError::NotConnected;
        return platform::kSocketFailed;
    }
    if (message.size() > platform::kMaxMessageBytes) {
        lastError_ = SocketError::MessageTooLong;
        return platform::kSocketFailed;
    }
    const std::string frame = platform::EncodeFrame(message);
    if (socket_->write(frame.data(), static_cast<qint64>(frame.size())) !=
        static_cast<qint64>(frame.size())) {
        lastError_ = FromQt(socket_->error());
        if (lastError_ == SocketError::None) lastError_ = SocketError::Other;
        return platform::kSocketFailed;
    }
    // Handed to the system at once, not when the event loop next runs: a sender may go on with
    // long work (a host playing its computer players' turns) after an acknowledgement that the
    // other machine's watchdog is waiting for.
    socket_->flush();
    return static_cast<int>(message.size());
}

int QtSocket::Receive(char* buffer, std::size_t capacity) {
    if (!reader_.HasMessage()) {
        lastError_ = connected_ ? SocketError::WouldBlock : SocketError::NotConnected;
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

void QtSocket::Close() {
    if (server_ != nullptr) {
        server_->close();
        // Deleted later: Close may run inside the server's own notification.
        server_->deleteLater();
        server_ = nullptr;
    }
    ReleaseSocket();
    reader_.Reset();
}

void QtSocket::Adopt(QTcpSocket* socket) {
    socket_ = socket;
    socket_->setParent(this);
    reader_.Reset();
    closeError_ = SocketError::None;
    QObject::connect(socket_, &QTcpSocket::readyRead, this, [this] { OnReadyRead(); });
    QObject::connect(socket_, &QTcpSocket::errorOccurred, this,
                     [this](QAbstractSocket::SocketError error) { OnSocketError(error); });
    QObject::connect(socket_, &QTcpSocket::stateChanged, this,
                     [this](QAbstractSocket::SocketState state) { OnStateChanged(state); });
    QObject::connect(socket_, &QTcpSocket::connected, this, [this] {
        connected_ = true;
        FinishConnect(SocketError::None);
    });
}

void QtSocket::ReleaseSocket() {
    const bool graceful = connected_;
    connectTimer_.stop();
    connecting_ = false;
    connected_ = false;
    if (socket_ == nullptr) return;
    QTcpSocket* socket = socket_;
    socket_ = nullptr;
    QObject::disconnect(socket, nullptr, this, nullptr);
    // Deleted later, never here: this may run inside the socket's own signal.
    socket->setParent(nullptr);
    if (!graceful || socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
        return;
    }
    // Hand what is queued to the system now, so it is sent even if this object goes next.
    socket->flush();
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kLingerMs, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    socket->disconnectFromHost();
}

void QtSocket::OnReadyRead() {
    if (socket_ == nullptr) return;
    QTcpSocket* socket = socket_;
    const QByteArray bytes = socket->readAll();
    const int completed =
        reader_.Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (completed < 0) {
        // Not our protocol: drop the connection rather than guess at message bounds.
        closeError_ = SocketError::BadFrame;
        socket->abort();
        return;
    }
    std::weak_ptr<bool> guard = alive_;
    for (int i = 0; i < completed; ++i) {
        events_.OnReceive();
        if (guard.expired() || socket_ != socket) return;
    }
}

void QtSocket::OnSocketError(QAbstractSocket::SocketError error) {
    if (connecting_) {
        FinishConnect(FromQt(error) == SocketError::None ? SocketError::Other : FromQt(error));
    } else if (closeError_ == SocketError::None) {
        closeError_ = FromQt(error);
    }
}

void QtSocket::OnStateChanged(QAbstractSocket::SocketState state) {
    if (state != QAbstractSocket::UnconnectedState || !connected_) return;
    connected_ = false;
    lastError_ = closeError_;
    events_.OnClose(closeError_);
}

void QtSocket::FinishConnect(SocketError error) {
    if (!connecting_) return;
    connecting_ = false;
    connectTimer_.stop();
    if (error != SocketError::None) {
        lastError_ = error;
        // Reported from the event loop: a failure found inside Connect must not call back
        // into the caller before Connect has returned.
        ReleaseSocket();
        QTimer::singleShot(0, this, [this, error] { events_.OnConnect(error); });
        return;
    }
    events_.OnConnect(SocketError::None);
}

std::unique_ptr<platform::Socket> QtSocketFactory::CreateSocket(platform::SocketEvents& events) {
    return std::make_unique<QtSocket>(events);
}

std::string QtSocketFactory::LocalHostName() const {
    return QHostInfo::localHostName().toLatin1().toStdString();
}

std::string QtSocketFactory::LocalAddress() const {
    // The first IPv4 address of a working network card: the one other machines can reach,
    // where resolving the host name often yields a loopback address.
    for (const QNetworkInterface& card : QNetworkInterface::allInterfaces()) {
        const auto flags = card.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack)) {
            continue;
        }
        for (const QNetworkAddressEntry& entry : card.addressEntries()) {
            const QHostAddress address = entry.ip();
            if (address.protocol() == QAbstractSocket::IPv4Protocol) {
                return address.toString().toLatin1().toStdString();
            }
        }
    }
    return {};
}

}  // namespace qtplatform
