// The network message state and the game's sends to the other machines.
#include "core/services/network.h"

#include <cstdio>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "net/net_links.h"
#include "platform/socket.h"
#include "platform/window_services.h"

std::string g_outgoingMessage;
std::string g_incomingMessage;
const std::string_view g_boardDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUV";
std::string g_publishedHostText;

std::int32_t g_syncTerritory{};
std::int32_t g_syncArmies{};
std::int32_t g_syncOwner{};
std::int32_t g_syncContinent{};
bool g_syncMarked{};

void ResetNetState() {
    g_outgoingMessage.clear();
    g_incomingMessage.clear();
    g_publishedHostText.clear();
    g_syncTerritory = g_syncArmies = g_syncOwner = g_syncContinent = 0;
    g_syncMarked = false;
    g_isPeerJoined = {};
    g_isPeerReported = {};
    g_peerLastCode = {};
    g_hasNetworkGameStarted = g_isOwnTurnOpen = g_hasPlacedOwn = false;
    g_ownTurnMark = -1;
    g_resumedSeats = {};
}

namespace net {

std::string CodeText(int code) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d", code);
    return text;
}

std::string SendErrorText(int code, int socket) {
    std::string text = "socket send ERROR " + CodeText(code);
    if (g_networkSeat == 1 && socket >= 2) text += " " + std::to_string(socket);
    return text;
}

bool SendOutgoing(CChildView& view, int socket) {
    platform::Socket* link = view.SocketAt(socket);
    if (link == nullptr || !link->IsOpen()) return false;
    return link->Send(g_outgoingMessage) != platform::kSocketFailed;
}

void BuildBoardMessage(CChildView& view, int code) {
    g_outgoingMessage = CodeText(code);
    view.AppendBoardState();
}

namespace {

// A failed send is not retried: it is reported and play goes on.
bool SendBuilt(CChildView& view, int code, int socket) {
    if (SendOutgoing(view, socket)) return true;
    view.ShowStatus(SendErrorText(code, socket));
    return false;
}

// Socket 1 always, 2..4 as far as machines have joined.
template <typename Send>
void ForEachJoinedSocket(int except, Send send) {
    for (int socket = 1; socket <= 4; ++socket) {
        if (socket > 1 && g_connectedClients < socket) break;
        if (socket != except) send(socket);
    }
}

}  // namespace

bool SendBoard(CChildView& view, int code, int socket) {
    BuildBoardMessage(view, code);
    return SendBuilt(view, code, socket);
}

bool SendText(CChildView& view, int code, std::string_view payload, int socket) {
    g_outgoingMessage = CodeText(code);
    g_outgoingMessage += payload;
    return SendBuilt(view, code, socket);
}

void SendTextToAll(CChildView& view, int code, std::string_view payload) {
    ForEachJoinedSocket(0, [&](int socket) { SendText(view, code, payload, socket); });
}

void SendBoardToAll(CChildView& view, int code, int except) {
    ForEachJoinedSocket(except, [&](int socket) { SendBoard(view, code, socket); });
}

void SendBoardFromSeat(CChildView& view, int hostCode, int joinedCode) {
    if (g_networkSeat == 1) SendBoardToAll(view, hostCode);
    if (g_networkSeat >= 2) SendBoard(view, joinedCode, 1);
}

bool IsJoinedSocketConnected(CChildView& view, int socket) {
    if (socket < 1 || socket > g_connectedClients) return false;
    const platform::Socket* link = view.SocketAt(socket);
    return link != nullptr && link->IsOpen();
}

}  // namespace net

// Shows the territory as the tables hold it and, in a network game, tells the other machines
// while it is this machine's turn.
void CChildView::MarkTerritoryAndSync(std::int32_t territory) {
    if (territory < 1 || territory > kMaxTerritories) return;
    const auto t = static_cast<std::size_t>(territory);
    g_territoryHighlight[t] = YesNo(g_isHighlightOn);
    g_displayedTerritories[t] = g_territories[t];
    DrawTerritoryArmies(territory, g_territories[t].armies, g_territories[t].owner,
                        g_isHighlightOn);
    platform_.window.Invalidate();
    if (g_networkSeat == 1 && g_currentPlayer == 1) {
        g_syncTerritory = territory;
        net::SendBoardToAll(*this, net_code::kTerritorySelected);
    } else if (g_networkSeat >= 2 && g_networkSeat == g_currentPlayer) {
        g_syncTerritory = territory;
        net::SendBoard(*this, net_code::kSelectionOnTurn, 1);
    }
}

void SocketDeleter::operator()(platform::Socket* socket) const {
    delete socket;
}

void CChildView::AttachSocket(int index, std::unique_ptr<platform::Socket> socket) {
    if (index < 0 || index >= static_cast<int>(sockets_.size())) return;
    sockets_[static_cast<std::size_t>(index)].reset(socket.release());
}

platform::Socket* CChildView::SocketAt(int index) const {
    if (index < 0 || index >= static_cast<int>(sockets_.size())) return nullptr;
    return sockets_[static_cast<std::size_t>(index)].get();
}

std::array<bool, 5> g_isPeerJoined{};
std::array<bool, 5> g_isPeerReported{};
std::array<std::int32_t, 5> g_peerLastCode{};
bool g_hasNetworkGameStarted{};
bool g_isOwnTurnOpen{};
std::int32_t g_ownTurnMark = -1;
bool g_hasPlacedOwn{};
ResumedSeats g_resumedSeats;
