// The host's half of the dispatch: joins, acknowledgements, the placement and turns of the joined
// seats, their mirrored events, quitting, the win and chat. A seat speaks only in its turn.
#include <algorithm>
#include <array>
#include <string>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/services/network.h"
#include "core/turn/game_clock.h"
#include "core/turn/game_sounds.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "net/board_state.h"
#include "net/dispatch.h"
#include "net/message_text.h"
#include "net/net_links.h"
#include "net/peer_board.h"
#include "platform/window_services.h"

namespace net {

using namespace net_code;

namespace {

const char kPlayerLeft[] = "Player has left the game. End of game.";

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

bool IsRemoteSeat(std::int32_t seat) {
    return seat >= 2 && seat <= g_lastNetworkSeat;
}

// A seat's game message counts only once the game runs, from a joined seat, in its own turn.
bool IsSeatsTurn(int socket) {
    const std::int32_t seat = socket + 1;
    return !g_isHostWaiting && g_isPeerJoined[At(socket)] && IsRemoteSeat(seat) &&
           g_currentPlayer == seat;
}

bool ReadSeatBoard(CChildView& view, int socket, std::string_view payload) {
    if (const char* why = ReadPeerBoard(payload, socket + 1)) {
        ReportBadMessage(view, socket, why);
        // Reported here already; the caller drops it without a second report.
        g_isPeerReported[At(socket)] = true;
        return false;
    }
    return true;
}

void ClearWatchdog() {
    g_ackPendingCode = g_ackTicks = g_ackResends = g_ackSocket = 0;
}

bool Join(CChildView& view, int socket, std::string_view payload) {
    if (!g_isHostWaiting || g_isPeerJoined[At(socket)]) return false;
    const std::optional<std::string> name = CleanPlayerName(payload);
    if (!name) return false;
    // Seat k + 1 plays on socket k: a machine that joins ahead of one that connected earlier but
    // has not joined takes that one's socket number.
    if (socket != g_joinedSeatCount) {
        view.SwapSockets(socket, g_joinedSeatCount);
        socket = g_joinedSeatCount;
    }
    g_isPeerJoined[At(socket)] = true;
    g_joinedSeatCount = socket + 1;
    g_playerNames[At(g_joinedSeatCount)] = *name;
    g_playerCount = std::max(g_playerCount, g_joinedSeatCount);
    view.DrawPlayersPanel();
    view.Platform().window.Invalidate();
    std::array<std::string, 6> names{};
    for (int seat = 1; seat <= g_joinedSeatCount; ++seat) names[At(seat)] = g_playerNames[At(seat)];
    for (int other = 1; other < g_joinedSeatCount; ++other) {
        g_outgoingMessage = EncodeSeatList(other + 1, g_joinedSeatCount, names);
        if (!SendOutgoing(view, other)) view.ShowStatus(SendErrorText(kSeatList, other));
    }
    view.ShowStatus("Waiting for others to join...   Press F2 to begin with current players.");
    if (g_showUsersJoinedRequest && g_joinedSeatCount >= 2) view.ShowUsersJoinedWindow();
    return true;
}

bool Probe(CChildView& view, int socket) {
    if (!g_isHostWaiting || g_isPeerJoined[At(socket)]) return false;
    view.CloseSocket(socket);
    if (socket == g_connectedClients) --g_connectedClients;
    return true;
}

bool Acknowledged(int socket, int pendingCode) {
    if (g_ackPendingCode != pendingCode || g_ackSocket != socket) return true;  // stale: harmless
    ClearWatchdog();
    return true;
}

// The computer players place after the last joined seat; then the host's player starts.
void PlaceComputersAndStart(CChildView& view) {
    while (g_isInitialPlacement && g_currentPlayer > g_lastNetworkSeat) {
        view.QueueNextPlayerEvent();
        view.AnnounceInitialPlacement();
        view.QueueComputerPlacementEvents();
        ++g_roundCounter;
        rules::SetCurrentPlayer(rules::NextInTurn(g_currentPlayer));
        if (g_currentPlayer == 1) break;
    }
    rules::SetCurrentPlayer(1);
    g_isInitialPlacement = g_isStrongholdChoice = false;
    view.QueueNextPlayerEvent();
    g_isHumanTurnStarted = false;
}

bool PlacementDone(CChildView& view, int socket, std::string_view payload) {
    const std::int32_t seat = socket + 1;
    if (!IsSeatsTurn(socket) || !(g_isInitialPlacement || g_isStrongholdChoice)) {
        // The same message again (its acknowledgement went astray): answered, not applied.
        if (g_peerLastCode[At(socket)] != kPlacementDone || g_currentPlayer == seat) return false;
        SendBoard(view, kAckPlacementDone, socket);
        return true;
    }
    if (!ReadSeatBoard(view, socket, payload)) return true;
    g_peerLastCode[At(socket)] = kPlacementDone;
    SendBoard(view, kAckPlacementDone, socket);
    g_isInitialPlacement = true;
    g_isStrongholdChoice = false;
    ++g_roundCounter;
    const std::int32_t next = rules::NextInTurn(seat);
    rules::SetCurrentPlayer(next);
    if (next == 1 || next > g_lastNetworkSeat) {
        PlaceComputersAndStart(view);
        return true;
    }
    const int nextSocket = next - 1;
    BuildBoardMessage(view, kPlacementBegins);
    if (!SendOutgoing(view, nextSocket)) view.ShowStatus(kPlayerLeft);
    view.ShowStatus(g_playerNames[At(next)] +
                    ", initial army placement.   ++Chat program on the taskbar++");
    g_ackPendingCode = kPlacementBegins;
    g_ackSocket = nextSocket;
    g_ackTicks = g_ackResends = 0;
    view.DrawPlayersPanel();
    view.Platform().window.Invalidate();
    for (int other = 1; other <= g_connectedClients && other <= 4; ++other) {
        if (other == nextSocket) continue;
        BuildBoardMessage(view, kOtherPlacement);
        if (!SendOutgoing(view, other)) view.ShowStatus(kPlayerLeft);
    }
    return true;
}

bool TurnEnded(CChildView& view, int socket, std::string_view payload) {
    const std::int32_t seat = socket + 1;
    const std::optional<std::int32_t> turns = PeekTurnsPlayed(payload, seat);
    // A repeat of the turn already applied still counts that turn: answered, not applied.
    const bool repeat = turns && *turns < g_turnsPlayed[At(seat)];
    if (repeat && g_peerLastCode[At(socket)] == kTurnEnded) {
        SendBoard(view, kAckTurnEnded, socket);
        return true;
    }
    if (!IsSeatsTurn(socket) || g_isInitialPlacement || g_isStrongholdChoice) return false;
    if (!ReadSeatBoard(view, socket, payload)) return true;
    g_peerLastCode[At(socket)] = kTurnEnded;
    SendBoard(view, kAckTurnEnded, socket);
    view.NextPlayer();
    if (g_currentPlayer == 1 && !g_isGameOver) {
        RepaintWholeBoard(view);
        g_isHumanTurnStarted = false;
    }
    return true;
}

bool Selection(CChildView& view, int socket, std::string_view payload) {
    if (!IsSeatsTurn(socket)) return false;
    if (!ReadSeatBoard(view, socket, payload)) return true;
    view.MarkTerritoryAndSync(g_syncTerritory);
    Relay(view, kTerritorySelected, socket);
    return true;
}

bool CardsTurnedIn(CChildView& view, int socket, std::string_view payload) {
    if (!IsSeatsTurn(socket)) return false;
    if (!ReadSeatBoard(view, socket, payload)) return true;
    ShowCardsNoticeForAWhile(view);
    Relay(view, kCardsRelay, socket);
    return true;
}

bool Continent(CChildView& view, int socket, std::string_view payload, bool gained) {
    if (!IsSeatsTurn(socket)) return false;
    if (!ReadSeatBoard(view, socket, payload)) return true;
    if (gained) {
        view.PlayGameSound(game_sound::kContinentTaken);
        view.SetBusy();
    } else {
        view.ClearBusy();
    }
    game_clock::DrawContinent(view, g_syncContinent, gained ? kYes : kNo, 0);
    view.Platform().window.Invalidate();
    Relay(view, gained ? kContinentHighlight : kContinentRepaint, socket);
    return true;
}

bool Won(CChildView& view, int socket, std::string_view payload) {
    if (!IsSeatsTurn(socket)) return false;
    if (!ReadSeatBoard(view, socket, payload)) return true;
    ShowGameWon(view);
    Relay(view, kGameWon, socket);
    return true;
}

bool Quit(CChildView& view, int socket) {
    if (!g_isPeerJoined[At(socket)]) return false;
    const std::int32_t seat = socket + 1;
    const std::string text = g_playerNames[At(seat)] + " has quit the game, End of Game.";
    view.ShowStatus(text);
    view.QueueMessage(text);
    {
        rules::ActingAs quitter(seat);
        Relay(view, kQuitRelay, socket);
    }
    g_isGameOver = true;
    view.Platform().window.MessageBox(text, "Error", platform::MessageButtons::Ok,
                                      platform::MessageIcon::Error);
    view.Platform().window.Quit();
    return true;
}

bool Chat(CChildView& view, int socket, std::string_view payload) {
    if (!g_isPeerJoined[At(socket)]) return false;
    const std::string line = CleanText(payload, kChatLineMost);
    // A line names its sender: a seat cannot speak for another.
    const std::string prefix = g_playerNames[At(socket + 1)] + ": ";
    if (line.compare(0, prefix.size(), prefix) != 0) return false;
    view.AddChatLine(line);
    for (int other = 1; other <= g_connectedClients && other <= 4; ++other)
        if (other != socket && g_isPeerJoined[At(other)]) SendText(view, kHostChat, line, other);
    return true;
}

}  // namespace

bool HostReceive(CChildView& view, int socket, int code, std::string_view payload) {
    if (socket < 1 || socket > g_connectedClients) return false;
    switch (code) {
        case kSearchProbe:
            return Probe(view, socket);
        case kJoinRequest:
            return Join(view, socket, payload);
        case kAckPlacementBegins:
            return Acknowledged(socket, kPlacementBegins);
        case kAckTurnBegins:
            return Acknowledged(socket, kTurnBegins);
        case kPlacementDone:
            return PlacementDone(view, socket, payload);
        case kSelectionOnTurn:
            return Selection(view, socket, payload);
        case kTurnEnded:
            return TurnEnded(view, socket, payload);
        case kCardsOnJoined:
            return CardsTurnedIn(view, socket, payload);
        case kJoinedQuits:
            return Quit(view, socket);
        case kJoinedContinentHighlight:
            return Continent(view, socket, payload, true);
        case kJoinedContinentRepaint:
            return Continent(view, socket, payload, false);
        case kJoinedGameWon:
            return Won(view, socket, payload);
        case kJoinedChat:
            return Chat(view, socket, payload);
        default:
            return false;
    }
}

}  // namespace net
