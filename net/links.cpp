// The sockets of a network game: opening, accepting, closing, hosting and joining.
#include <string>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/session_state.h"
#include "core/services/network.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "net/net_links.h"
#include "platform/socket.h"
#include "platform/window_services.h"

namespace {

constexpr int kMostJoined = 4;
const char kCantFindLan[] =
    "ERROR - Can't find the host's game. Be sure to start a host game first.";

// A reopened game is hosted with the seats as its file left them; the joins rename the seats.
void KeepResumedSeats() {
    g_resumedSeats = {};
    if (!IsYes(g_isGameFromFile)) return;
    g_resumedSeats.valid = true;
    for (std::size_t p = 1; p <= kMaxPlayers; ++p) {
        g_resumedSeats.names[p] = g_playerNames[p];
        g_resumedSeats.players[p] = g_players[p];
    }
    for (std::size_t t = 1; t <= kMaxTerritories; ++t) {
        g_resumedSeats.owners[t] = g_territories[t].owner;
        g_resumedSeats.armies[t] = g_territories[t].armies;
    }
}

}  // namespace

void CMySocket::OnAccept() {
    if (view_ != nullptr) view_->OnSocketAccept();
}
void CMySocket::OnConnect(platform::SocketError error) {
    if (view_ != nullptr) view_->OnSocketConnect(index_, error == platform::SocketError::None);
}
void CMySocket::OnReceive() {
    if (view_ != nullptr) view_->OnSocketReceive(index_);
}
void CMySocket::OnClose(platform::SocketError) {
    if (view_ != nullptr) view_->OnSocketClose(index_);
}

void DestroyNetLinks(NetLinks* links) {
    delete links;
}

namespace net {

void ReportBadMessage(CChildView& view, int socket, const std::string& why) {
    if (socket < 0 || socket > kMostJoined) return;
    if (g_isPeerReported[static_cast<std::size_t>(socket)]) return;
    g_isPeerReported[static_cast<std::size_t>(socket)] = true;
    const int seat = g_networkSeat == 1 ? socket + 1 : 1;
    view.ShowStatus("Ignored a bad network message from player " + std::to_string(seat) + " (" +
                    why + ")");
}

}  // namespace net

platform::Socket& CChildView::OpenSocket(int index) {
    if (!netLinks_) netLinks_.reset(new NetLinks);
    auto receiver = std::make_unique<CMySocket>();
    receiver->SetView(this, index);
    AttachSocket(index, platform_.sockets.CreateSocket(*receiver));
    // The old receiver goes only now, after the socket that reported to it.
    netLinks_->receivers[static_cast<std::size_t>(index)] = std::move(receiver);
    return *SocketAt(index);
}

void CChildView::CloseSocket(int index) {
    if (platform::Socket* socket = SocketAt(index)) socket->Close();
}

void CChildView::SwapSockets(int a, int b) {
    if (a < 1 || b < 1 || a > kMostJoined || b > kMostJoined || a == b || !netLinks_) return;
    std::swap(sockets_[static_cast<std::size_t>(a)], sockets_[static_cast<std::size_t>(b)]);
    std::swap(netLinks_->receivers[static_cast<std::size_t>(a)],
              netLinks_->receivers[static_cast<std::size_t>(b)]);
    for (int index : {a, b})
        if (CMySocket* receiver = netLinks_->receivers[static_cast<std::size_t>(index)].get())
            receiver->SetView(this, index);
    for (auto* table : {&g_isPeerJoined, &g_isPeerReported})
        std::swap((*table)[static_cast<std::size_t>(a)], (*table)[static_cast<std::size_t>(b)]);
    std::swap(g_peerLastCode[static_cast<std::size_t>(a)],
              g_peerLastCode[static_cast<std::size_t>(b)]);
}

void CChildView::OnSocketAccept() {
    platform::Socket* listener = SocketAt(0);
    if (listener == nullptr || g_networkSeat != 1) return;
    if (!g_isHostWaiting || g_connectedClients >= kMostJoined) {
        // No seat for it: taken and closed at once, so that it does not wait unanswered.
        if (!netLinks_) netLinks_.reset(new NetLinks);
        std::unique_ptr<platform::Socket> refused =
            platform_.sockets.CreateSocket(netLinks_->refused);
        if (listener->Accept(*refused)) refused->Close();
        return;
    }
    const int index = g_connectedClients + 1;
    platform::Socket& socket = OpenSocket(index);
    if (!listener->Accept(socket)) {
        socket.Close();
        return;
    }
    g_connectedClients = index;
    g_isPeerJoined[static_cast<std::size_t>(index)] = false;
    g_isPeerReported[static_cast<std::size_t>(index)] = false;
    g_peerLastCode[static_cast<std::size_t>(index)] = 0;
}

// Only the connection that closed is closed: the other machines play on. The game learns of a
// lost seat from its failed sends and the watchdog; a joined machine that loses its host while
// the game goes on cannot play on.
void CChildView::OnSocketClose(int socket) {
    CloseSocket(socket);
    if (g_networkSeat == 1) {
        // A machine that left before joining frees its slot when it is the last one.
        if (g_isHostWaiting && socket == g_connectedClients &&
            !g_isPeerJoined[static_cast<std::size_t>(socket)])
            --g_connectedClients;
        return;
    }
    if (g_networkSeat >= 2 && !g_isGameOver && g_hasNetworkGameStarted) {
        g_isGameOver = true;
        platform_.window.MessageBox("Server player has quit the game, End of Game.", "Error",
                                    platform::MessageButtons::Ok, platform::MessageIcon::Error);
        platform_.window.Quit();
    }
}

void CChildView::OnSocketConnect(int socket, bool connected) {
    if (connected || socket != 1 || g_networkSeat < 2) return;
    ShowStatus(g_isInternetGame ? "ERROR - Can't find the host's game." : kCantFindLan);
    CloseSocket(1);
    g_networkSeat = 0;
    g_canNewGame = g_canOpen = true;
    // The join request queued for the clock has nowhere to go.
    EmptyQueues();
}

bool CChildView::HostNetworkGame() {
    for (int socket = 0; socket <= kMostJoined; ++socket) CloseSocket(socket);
    platform::Socket& listener = OpenSocket(0);
    if (!listener.Listen(static_cast<std::uint16_t>(g_networkPort))) {
        ShowStatus(std::string("ERROR - Can't host the game: ") +
                   platform::SocketErrorText(listener.LastError()));
        listener.Close();
        return false;
    }
    g_connectedClients = 0;
    g_joinedSeatCount = 1;
    g_isHostWaiting = true;
    g_networkSeat = 1;
    g_isPeerJoined = {};
    g_isPeerReported = {};
    g_peerLastCode = {};
    KeepResumedSeats();
    return true;
}

bool CChildView::JoinNetworkGame(const std::string& host) {
    for (int socket = 0; socket <= kMostJoined; ++socket) CloseSocket(socket);
    platform::Socket& link = OpenSocket(1);
    g_networkSeat = 2;
    g_hasNetworkGameStarted = g_isOwnTurnOpen = g_hasPlacedOwn = false;
    g_ownTurnMark = -1;
    g_isPeerReported = {};
    if (!link.Connect(host, static_cast<std::uint16_t>(g_networkPort))) {
        OnSocketConnect(1, false);
        return false;
    }
    ShowStatus("Waiting for host to start game... ");
    g_joinedSeatCount = 1;
    QueuePauseMessage();
    QueuePauseMessage();
    QueueRecord& request = AppendMessage(message_type::kJoinRequest);
    request.a = static_cast<std::int32_t>(g_playerNames[1].size());
    request.text = g_playerNames[1];
    UpdateWindowTitle();
    return true;
}
