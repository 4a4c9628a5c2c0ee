// The receive step of every socket notification, and what both halves of the dispatch share.
#include <algorithm>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/services/network.h"
#include "core/turn/game_sounds.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "net/dispatch.h"
#include "net/message_text.h"
#include "net/net_links.h"
#include "platform/socket.h"
#include "platform/window_services.h"

namespace {

// The receive buffer: a message longer than this is refused whole.
constexpr std::size_t kReceiveBuffer = 1024;
// Messages taken per notification at most, so that a flooding peer cannot starve the clock.
constexpr int kMostPerNotification = 64;

}  // namespace

namespace net {

void RepaintWholeBoard(CChildView& view) {
    g_isHighlightOn = false;
    for (int t = 1; t <= g_territoryCount && t <= kMaxTerritories; ++t) {
        const auto i = static_cast<std::size_t>(t);
        g_territoryHighlight[i] = g_territoryPicked[i] = kNo;
        view.DrawTerritoryArmies(t, g_displayedTerritories[i].armies,
                                 g_displayedTerritories[i].owner, false);
    }
    view.Platform().window.Invalidate();
}

void ShowGameWon(CChildView& view) {
    view.PlayGameSound(game_sound::kVictory);
    view.SetBusy();
    for (int t = 1; t <= g_territoryCount && t <= kMaxTerritories; ++t) {
        const auto i = static_cast<std::size_t>(t);
        g_territoryHighlight[i] = kYes;
        view.DrawTerritoryArmies(t, g_displayedTerritories[i].armies,
                                 g_displayedTerritories[i].owner, true);
    }
    view.DrawPlayersPanel();
    view.Platform().window.Invalidate();
    std::int32_t winner = 0;
    for (std::int32_t p = 1; p <= g_playerCount && p <= kMaxPlayers; ++p)
        if (!rules::IsOut(p)) winner = p;
    if (winner != 0) {
        rules::SetCurrentPlayer(winner);
        char text[160];
        std::snprintf(
            text, sizeof text, "%s has won the game ! , %d losses. ",
            g_playerNames[static_cast<std::size_t>(winner)].c_str(),
            static_cast<int>(g_players[static_cast<std::size_t>(winner)][player_field::kLosses]));
        view.ShowStatus(text);
    }
    g_isGameOver = true;
    EmptyQueues();
}

void ShowCardsNoticeForAWhile(CChildView& view) {
    view.ShowCardsNotice();
    g_isCardsPanelShown = true;
    for (int i = 0; i < 3; ++i) view.QueuePauseMessage();
    QueueRecord& close = AppendMessage(message_type::kCardsWindowOff);
    close.text = " ";
}

void Relay(CChildView& view, int code, int except) {
    SendBoardToAll(view, code, except);
}

}  // namespace net

void CChildView::OnSocketReceive(int socket) {
    platform::Socket* link = SocketAt(socket);
    if (link == nullptr || socket < 1 || socket > 4) return;
    char buffer[kReceiveBuffer];
    for (int taken = 0; taken < kMostPerNotification; ++taken) {
        const int size = link->Receive(buffer, sizeof buffer);
        if (size == platform::kSocketFailed) {
            if (link->LastError() != platform::SocketError::MessageTooLong) return;
            net::ReportBadMessage(*this, socket, "too long");
            continue;
        }
        const std::string_view message(buffer, static_cast<std::size_t>(size));
        // After the end every message is ignored, as are machines that are not in a game.
        if (g_isGameOver || g_networkSeat == 0) continue;
        const std::optional<int> code = net::MessageCode(message);
        bool accepted = false;
        if (code) {
            const std::string_view payload = message.substr(4);
            if (g_networkSeat == 1)
                accepted = net::HostReceive(*this, socket, *code, payload);
            else if (socket == 1)
                accepted = net::JoinedReceive(*this, *code, payload);
        }
        if (!accepted)
            net::ReportBadMessage(*this, socket,
                                  code ? "code " + net::CodeText(*code) + " refused" : "no code");
        // The handling may have closed this socket or ended the game.
        if (SocketAt(socket) != link || !link->IsOpen()) return;
    }
}
