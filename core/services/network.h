// What the game asks of the network (net/ defines it): the message codes, the message being built
// and the one received, the values the board text echoes, and the sends to the other machines.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class CChildView;

// Every message code, declared once: what a host or a joining machine sends.
namespace net_code {
inline constexpr int kJoinRequest = 1000;
inline constexpr int kSeatList = 1001;
inline constexpr int kGameStart = 1002;
inline constexpr int kTerritorySelected = 1003;
inline constexpr int kPlacementBegins = 1004;
inline constexpr int kPlacementDone = 1005;
inline constexpr int kSelectionOnTurn = 1006;
inline constexpr int kTurnBegins = 1007;
inline constexpr int kPlacementStep = 1008;
inline constexpr int kPlayerRepaint = 1009;
inline constexpr int kHumanTurnStarts = 1010;
inline constexpr int kTurnEnded = 1011;
inline constexpr int kNextPlayer = 1012;
inline constexpr int kCardsTurnedIn = 1013;
inline constexpr int kCardsWindowOff = 1014;
inline constexpr int kCardsRelay = 1015;
inline constexpr int kCardsOnJoined = 1016;
inline constexpr int kTerritoryUpdate = 1017;
inline constexpr int kOtherPlacement = 1018;
inline constexpr int kHostQuits = 1019;
inline constexpr int kJoinedQuits = 1020;
inline constexpr int kQuitRelay = 1021;
inline constexpr int kOtherTurn = 1022;
inline constexpr int kContinentHighlight = 1023;
inline constexpr int kContinentRepaint = 1024;
inline constexpr int kJoinedContinentHighlight = 1025;
inline constexpr int kJoinedContinentRepaint = 1026;
inline constexpr int kGameWon = 1027;
inline constexpr int kJoinedGameWon = 1028;
inline constexpr int kAckPlacementBegins = 2004;
inline constexpr int kAckPlacementDone = 2005;
inline constexpr int kAckTurnBegins = 2007;
inline constexpr int kAckTurnEnded = 2011;
inline constexpr int kHostChat = 3000;
inline constexpr int kJoinedChat = 3001;
inline constexpr int kSearchProbe = 9999;
}  // namespace net_code

// The message being built and sent, and the payload last received (without its code).
extern std::string g_outgoingMessage;
extern std::string g_incomingMessage;
// The digits of the armies in the board text.
extern const std::string_view g_boardDigits;
// This host's text in the internet game list.
extern std::string g_publishedHostText;

// Values that the board text echoes for the message it travels with.
extern std::int32_t g_syncTerritory;
extern std::int32_t g_syncArmies;
extern std::int32_t g_syncOwner;
extern std::int32_t g_syncContinent;
extern bool g_syncMarked;

// Puts the messages, the host's text and the echoed values above back to their values at
// program start.
void ResetNetState();

namespace net {

// The code's four digits.
std::string CodeText(int code);
// "socket send ERROR 1017", with " 2", " 3" or " 4" for a host's joined sockets 2 to 4.
std::string SendErrorText(int code, int socket);

// Sends g_outgoingMessage whole on one socket; false when the socket is missing, not connected
// or the send fails.
bool SendOutgoing(CChildView& view, int socket);
// g_outgoingMessage = the code followed by the board text.
void BuildBoardMessage(CChildView& view, int code);
// A board message to one of a host's joined sockets, or (socket 1) to a joining machine's host;
// a failure shows the send error. Answers whether it went.
bool SendBoard(CChildView& view, int code, int socket);
// A message of a code and a plain payload (no board), sent like SendBoard.
bool SendText(CChildView& view, int code, std::string_view payload, int socket);
// A plain message to every joined socket of the host, like SendBoardToAll.
void SendTextToAll(CChildView& view, int code, std::string_view payload);
// A board message to every joined socket of the host (1 always, 2..4 as far as connected),
// leaving out `except` (0: none).
void SendBoardToAll(CChildView& view, int code, int except = 0);
// The host sends to every joined socket, a joining machine to its host; other machines nothing.
void SendBoardFromSeat(CChildView& view, int hostCode, int joinedCode);
// Whether the host's joined socket is counted as connected and open.
bool IsJoinedSocketConnected(CChildView& view, int socket);

}  // namespace net
