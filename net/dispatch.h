// The two halves of the message dispatch and what they share.
#pragma once

#include <string_view>

class CChildView;

namespace net {

// Each answers false for a message that it refuses: malformed, out of turn or from a wrong seat.
bool HostReceive(CChildView& view, int socket, int code, std::string_view payload);
bool JoinedReceive(CChildView& view, int code, std::string_view payload);

// Every territory drawn plainly from the displayed board, and the window told to show it.
void RepaintWholeBoard(CChildView& view);
// The game is won: the board highlighted, the winner named, play stopped on this machine.
void ShowGameWon(CChildView& view);
// The card notice shown for a while: three pauses, then the record that closes it.
void ShowCardsNoticeForAWhile(CChildView& view);
// A board message to every joined socket but `except`, each failure on the status line.
void Relay(CChildView& view, int code, int except);

}  // namespace net
