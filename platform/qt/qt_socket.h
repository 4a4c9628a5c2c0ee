// Network-game sockets on QTcpServer and QTcpSocket, notifying from the Qt event loop.
#pragma once

#include <QAbstractSocket>
#include <QObject>
#include <QTimer>
#include <memory>

#include "platform/message_frames.h"
#include "platform/socket.h"

class QTcpServer;
class QTcpSocket;

namespace qtplatform {

// A socket must not be destroyed inside one of its own notifications; Close is safe there.
class QtSocket : public QObject, public platform::Socket {
  public:
    explicit QtSocket(platform::SocketEvents& events);
    ~QtSocket() override;

    bool Listen(std::uint16_t port) override;
    std::uint16_t LocalPort() const override;
    bool Accept(platform::Socket& into) override;
    bool Connect(const std::string& host, std::uint16_t port) override;
    int Send(std::string_view message) override;
    int Receive(char* buffer, std::size_t capacity) override;
    void Close() override;
    bool IsOpen() const override { return server_ != nullptr || socket_ != nullptr; }
    platform::SocketError LastError() const override { return lastError_; }

  private:
    bool Fail(platform::SocketError error);
    // Takes a connected socket and wires its signals to this object.
    void Adopt(QTcpSocket* socket);
    // Lets go of the connection: what is queued is still sent, nothing more is notified.
    void ReleaseSocket();
    void OnReadyRead();
    void OnSocketError(QAbstractSocket::SocketError error);
    void OnStateChanged(QAbstractSocket::SocketState state);
    void FinishConnect(platform::SocketError error);

    platform::SocketEvents& events_;
    QTcpServer* server_ = nullptr;
    QTcpSocket* socket_ = nullptr;
    QTimer connectTimer_;
    platform::FrameReader reader_;
    bool connecting_ = false;
    bool connected_ = false;
    platform::SocketError closeError_ = platform::SocketError::None;
    platform::SocketError lastError_ = platform::SocketError::None;
    // Tells a handler whether this object survived the notification it just delivered.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

class QtSocketFactory : public platform::SocketFactory {
  public:
    std::unique_ptr<platform::Socket> CreateSocket(platform::SocketEvents& events) override;
    std::string LocalHostName() const override;
    std::string LocalAddress() const override;
};

}  // namespace qtplatform
