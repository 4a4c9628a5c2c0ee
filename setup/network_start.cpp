// F2 on a waiting host: the seats are fixed (computer players for the free ones; a reopened game
// gives each returning player his saved position), every joined machine gets the start, and the
// first phase opens.
#include <algorithm>
#include <string>

#include "core/child_view.h"
#include "core/mapsel/map_selection.h"
#include "core/model/board_picture.h"
#include "core/model/game_state.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/services/network.h"
#include "core/turn/game_clock.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "net/game_list.h"
#include "net/net_links.h"
#include "platform/clock.h"
#include "platform/dialog_host.h"
#include "setup/setup_dialogs.h"

namespace {

constexpr const char* kComputerNames[kMaxPlayers + 1] = {
    "", "", "pc II", "pc III", "pc IV", "pc V", "pc VI", "pc VII", "pc VIII", "pc IX", "pc X"};

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

bool IsHumanName(const std::string& name) {
    return !name.empty() && name.compare(0, 2, "pc") != 0;
}

void NameComputerSeats() {
    for (int p = g_lastNetworkSeat + 1; p <= g_playerCount && p <= kMaxPlayers; ++p)
        g_playerNames[At(p)] = kComputerNames[p];
}

// The listening socket and every connection that never joined are closed: no one joins now.
void CloseJoining(CChildView& view) {
    view.CloseSocket(0);
    for (int socket = g_joinedSeatCount; socket <= 4; ++socket) view.CloseSocket(socket);
    g_connectedClients = std::min(g_connectedClients, g_joinedSeatCount - 1);
}

// Seat p takes the saved position of seat q, and q that of p.
void SwapSavedPositions(std::int32_t p, std::int32_t q) {
    const ResumedSeats& saved = g_resumedSeats;
    g_players[At(p)] = g_playerRecordSnapshot[At(p)] = saved.players[At(q)];
    g_players[At(q)] = g_playerRecordSnapshot[At(q)] = saved.players[At(p)];
    for (int t = 1; t <= kMaxTerritories; ++t) {
        if (saved.owners[At(t)] == q) g_territories[At(t)] = {p, saved.armies[At(t)]};
        if (saved.owners[At(t)] == p) g_territories[At(t)] = {q, saved.armies[At(t)]};
    }
    for (int t = 1; t <= kMaxTerritories; ++t) g_displayedTerritories[At(t)] = g_territories[At(t)];
}

// A returning player at another seat than his saved one gets his saved position back.
void ReseatByName() {
    if (!g_resumedSeats.valid) return;
    for (std::int32_t p = 1; p <= g_joinedSeatCount; ++p) {
        const std::string& name = g_playerNames[At(p)];
        if (!IsHumanName(name) || name == g_resumedSeats.names[At(p)]) continue;
        std::int32_t found = 0;
        for (std::int32_t q = 1; q <= kMaxPlayers; ++q)
            if (g_resumedSeats.names[At(q)] == name) found = q;
        if (found != 0 && found != p) SwapSavedPositions(p, found);
    }
}

void SendStart(CChildView& view) {
    for (int socket = 1; socket <= g_connectedClients && socket <= 4; ++socket)
        net::SendBoard(view, net_code::kGameStart, socket);
}

// Answers false when the dialog cannot be shown: the host then goes on waiting.
bool ChooseComputerPlayers(CChildView& view) {
    view.Setup().name.name.clear();
    CPlayers810Dlg& dialog = view.Setup().players810;
    dialog.isHotseat = false;
    dialog.seated = g_joinedSeatCount;
    const std::int32_t preset = std::max(3 - g_joinedSeatCount, 0);
    do {
        dialog.choice = preset;
        if (view.Platform().dialogs.RunModal(dialog) < 0) return false;
        if (dialog.choice >= 0 && dialog.choice <= 9)
            g_computerPlayerCount = dialog.choice;
        else
            g_computerPlayerCount = preset;
    } while (g_joinedSeatCount + g_computerPlayerCount < 3 ||
             g_joinedSeatCount + g_computerPlayerCount > kMaxPlayers);
    return true;
}

void OpenFirstPhase(CChildView& view) {
    if (g_isInternetGame && g_publishedGameSlot != game_list::kNoSlot) {
        // The clock closes the list entry first and then opens the placement.
        view.QueueMessage("Wait a moment for the game to start...");
        for (int pause = 0; pause < 3; ++pause) view.QueuePauseMessage();
        AppendMessage(message_type::kHostedGameStart);
        return;
    }
    g_isStrongholdChoice = g_areStrongholdsOn;
    g_isInitialPlacement = !g_areStrongholdsOn;
    if (g_areStrongholdsOn) {
        view.QueueNextPlayerEvent();
        view.QueueMessage(game_clock::kStrongholdPrompt);
        return;
    }
    game_clock::QueuePlacementPrompt(view);
}

}  // namespace

void CChildView::StartNetworkGame() {
    PlayGameSound(0);
    if (!g_isHostWaiting) return;
    g_isHostWaiting = false;
    ShowStatus(" ");
    g_gameStartTime = g_playResumeTime = g_gameEndTime = platform_.clock.Now();
    if (g_resumedSeats.valid) {
        CloseJoining(*this);
        g_humanPlayerCount = 1;
        g_lastNetworkSeat = g_joinedSeatCount;
        g_computerPlayerCount = std::max(g_playerCount - g_joinedSeatCount, 0);
        ReseatByName();
        NameComputerSeats();
        SendStart(*this);
        g_freshMapMarker = "0";
        map_selection::RedrawWholeBoard(*this);
        QueueNextPlayerEvent();
        g_isHumanTurnStarted = false;
        ShowChatWindow();
        return;
    }
    if (!ChooseComputerPlayers(*this)) {
        g_isHostWaiting = true;
        return;
    }
    CloseJoining(*this);
    g_humanPlayerCount = 1;
    g_lastNetworkSeat = g_joinedSeatCount;
    g_playerCount = g_computerPlayerCount + g_joinedSeatCount;
    NameComputerSeats();
    DealTerritories();
    map_selection::RedrawWholeBoard(*this);
    // The host's player places first; the start tells every machine so.
    rules::SetCurrentPlayer(1);
    g_roundCounter = 1;
    SendStart(*this);
    OpenFirstPhase(*this);
    ShowChatWindow();
}
