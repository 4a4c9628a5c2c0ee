// Sockets that reach some addresses by way of others, as a router's port forwarding does: the
// test seat "joins 203.0.113.5" and arrives at a host listening on loopback.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/socket.h"

namespace seat_test {

class RoutedSocket : public platform::Socket {
  public:
    RoutedSocket(std::unique_ptr<platform::Socket> inner,
                 const std::map<std::string, std::string>& routes)
        : inner_(std::move(inner)), routes_(routes) {}

    bool Listen(std::uint16_t port) override { return inner_->Listen(port); }
    std::uint16_t LocalPort() const override { return inner_->LocalPort(); }
    bool Accept(platform::Socket& into) override {
        return inner_->Accept(*static_cast<RoutedSocket&>(into).inner_);
    }
    bool Connect(const std::string& host, std::uint16_t port) override {
        const auto route = routes_.find(host);
        return inner_->Connect(route == routes_.end() ? host : route->second, port);
    }
    int Send(std::string_view message) override { return inner_->Send(message); }
    int Receive(char* buffer, std::size_t capacity) override {
        return inner_->Receive(buffer, capacity);
    }
    void Close() override { inner_->Close(); }
    bool IsOpen() const override { return inner_->IsOpen(); }
    platform::SocketError LastError() const override { return inner_->LastError(); }

  private:
    std::unique_ptr<platform::Socket> inner_;
    const std::map<std::string, std::string>& routes_;
};

class RoutedSocketFactory : public platform::SocketFactory {
  public:
    explicit RoutedSocketFactory(platform::SocketFactory& inner) : inner_(inner) {}
    void AddRoute(const std::string& from, const std::string& to) { routes_[from] = to; }

    std::unique_ptr<platform::Socket> CreateSocket(platform::SocketEvents& events) override {
        return std::make_unique<RoutedSocket>(inner_.CreateSocket(events), routes_);
    }
    std::string LocalHostName() const override { return inner_.LocalHostName(); }
    std::string LocalAddress() const override { return inner_.LocalAddress(); }

  private:
    platform::SocketFactory& inner_;
    std::map<std::string, std::string> routes_;
};

}  // namespace seat_test
