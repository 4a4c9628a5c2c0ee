// The view's socket receivers and what the network code remembers about each peer.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/socket.h"

class CChildView;

// Turns one socket's notifications into calls on the view; it knows its socket by index.
class CMySocket : public platform::SocketEvents {
  public:
    void SetView(CChildView* view, int index) {
        view_ = view;
        index_ = index;
    }
    void OnAccept() override;
    void OnConnect(platform::SocketError error) override;
    void OnReceive() override;
    void OnClose(platform::SocketError error) override;

  private:
    CChildView* view_ = nullptr;
    int index_ = 0;
};

// A receiver for a connection that is refused: it takes no notice of anything.
class RefusedSocketEvents : public platform::SocketEvents {
  public:
    void OnConnect(platform::SocketError) override {}
    void OnClose(platform::SocketError) override {}
};

// One receiver per socket, made with it and replaced with it, so that it outlives its socket and
// follows it when sockets trade places.
struct NetLinks {
    std::array<std::unique_ptr<CMySocket>, 5> receivers;
    RefusedSocketEvents refused;
};

// What the host knows of each joined socket 1..4, and a joined machine of its own turn.
extern std::array<bool, 5> g_isPeerJoined;          // the socket's machine has sent its name
extern std::array<bool, 5> g_isPeerReported;        // a bad message was shown once already
extern std::array<std::int32_t, 5> g_peerLastCode;  // the last turn message applied from it
// On a joined machine: the game has started (1002 applied), and this seat's placement or turn
// is open (opened by 1004/1007, closed by their acknowledgement 2005/2011).
extern bool g_hasNetworkGameStarted;
extern bool g_isOwnTurnOpen;
// The marks of the placement and the turn applied last, so that a late repeat of either is only
// answered: the turns the host had counted for this seat, and whether it has placed.
extern std::int32_t g_ownTurnMark;
extern bool g_hasPlacedOwn;

namespace net {
// Shows the first bad message of a peer on the status line; later ones are dropped silently.
void ReportBadMessage(CChildView& view, int socket, const std::string& why);
}  // namespace net

// A saved network game hosted again: each seat's name, record and territories as the file left
// them, kept when hosting starts so that returning players find their own positions at F2.
struct ResumedSeats {
    bool valid = false;
    std::array<std::string, 11> names{};
    std::array<std::array<std::int32_t, 45>, 11> players{};  // PlayerRecord
    std::array<std::int32_t, 201> owners{};
    std::array<std::int32_t, 201> armies{};
};
extern ResumedSeats g_resumedSeats;
