// The game clock's tick: chat line, network windows, demo, watchdog, then one queued record.
#include "core/turn/game_clock.h"

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/services/network.h"
#include "core/turn/turn_state.h"
#include "platform/window_services.h"

namespace game_clock {

void RearmTimer(CChildView& view, int periodMs) {
    view.Platform().window.KillTimer(kTimerId);
    view.Platform().window.SetTimer(kTimerId, periodMs);
}

void DrawDisplayed(CChildView& view, std::int32_t territory) {
    if (!IsTerritorySlot(territory)) return;
    const TerritoryState& shown = g_displayedTerritories[static_cast<std::size_t>(territory)];
    view.DrawTerritoryArmies(territory, shown.armies, shown.owner, g_isHighlightOn);
}

void DrawContinent(CChildView& view, std::int32_t continent, char highlightMark, char pickedMark) {
    if (continent < 1 || continent > kMaxContinents) return;
    const ContinentRecord& record = g_continents[static_cast<std::size_t>(continent)];
    const int members = std::min(record[kContinentMemberCount], kMaxContinentMembers);
    for (int i = 1; i <= members; ++i) {
        const std::int32_t t = record[static_cast<std::size_t>(i)];
        if (!IsTerritorySlot(t)) continue;
        if (highlightMark != 0) g_territoryHighlight[static_cast<std::size_t>(t)] = highlightMark;
        if (pickedMark != 0) g_territoryPicked[static_cast<std::size_t>(t)] = pickedMark;
        DrawDisplayed(view, t);
    }
}

}  // namespace game_clock

namespace {

using namespace game_clock;

constexpr std::size_t kChatSendLength = 120;

void SendChatLine(CChildView& view) {
    if (!g_isChatLinePending) return;
    std::string typed;
    view.GetChatText(&typed);
    const std::string name =
        IsPlayer(g_networkSeat) ? g_playerNames[static_cast<std::size_t>(g_networkSeat)] : "";
    const std::string line = name + ": " + typed;
    view.AddChatLine(line);
    view.ClearChatText();
    g_isChatLinePending = false;
    const std::string sent = line.substr(0, kChatSendLength);
    if (g_networkSeat == 1) net::SendTextToAll(view, net_code::kHostChat, sent);
    if (g_networkSeat >= 2) net::SendText(view, net_code::kJoinedChat, sent, 1);
}

void SaveIfHostAddressChanged(CChildView& view) {
    if (g_hostIpText != g_hostIpAtStart) view.SaveSettings();
}

void ServeNetworkWindowRequests(CChildView& view) {
    if (g_isUsersJoinedShown && g_chatRoomRequest) {
        view.DestroyUsersJoinedWindow();
        g_showUsersJoinedRequest = g_isUsersJoinedShown = false;
    } else if (g_showUsersJoinedRequest && !g_isUsersJoinedShown) {
        view.ShowUsersJoinedWindow();
        g_isUsersJoinedShown = true;
    }
    for (bool* request : {&g_chatRoomRequest, &g_emailIpRequest}) {
        if (!*request) continue;
        view.DestroyDirectIpWindow();
        *request = false;
        SaveIfHostAddressChanged(view);
    }
    if (g_advancedIpRequest) {
        g_advancedIpRequest = false;
        if (g_hostIpText != g_hostIpAtStart) {
            g_isSavingHostAddress = true;
            view.SaveSettings();
            g_isSavingHostAddress = false;
            view.ShowStatus("Waiting for others to join...   Your IP:   " + g_hostIpText);
        }
    }
}

void ClearWatchdog() {
    g_ackPendingCode = g_ackTicks = g_ackResends = g_ackSocket = 0;
}

void ResendPending(CChildView& view) {
    switch (g_ackPendingCode) {
        case net_code::kPlacementBegins:
            net::BuildBoardMessage(view, g_ackPendingCode);
            if (!net::SendOutgoing(view, g_ackSocket))
                view.ShowStatus("Player has left the game. End of game.");
            break;
        case net_code::kTurnBegins:
            net::SendBoard(view, g_ackPendingCode, g_ackSocket);
            break;
        case net_code::kPlacementDone:
        case net_code::kTurnEnded:
            net::SendBoard(view, g_ackPendingCode, 1);
            break;
        default:
            break;
    }
}

// Answers true when the game ends here.
bool RunWatchdog(CChildView& view) {
    if (g_networkSeat <= 0) return false;
    if (g_ackPendingCode > 0) ++g_ackTicks;
    if (g_ackResends > 3) {
        // Cleared first so that the box is shown once while the program winds down.
        ClearWatchdog();
        view.Platform().window.MessageBox("Network errors, End of Game.", "Error",
                                          platform::MessageButtons::Ok,
                                          platform::MessageIcon::Error);
        view.Platform().window.Quit();
        return true;
    }
    if (g_ackTicks > 4) {
        ResendPending(view);
        g_ackTicks = 0;
        ++g_ackResends;
    }
    return false;
}

void CaptureMouseOnce(CChildView& view) {
    if (g_isMouseCaptured) return;
    g_isMouseCaptured = true;
    view.Platform().window.SetCapture();
    view.Platform().window.SetWaitCursor(true);
}

void ReleaseMouse(CChildView& view) {
    if (!g_isMouseCaptured) return;
    g_isMouseCaptured = false;
    view.Platform().window.ReleaseCapture();
    view.Platform().window.SetWaitCursor(false);
}

// Answers true when an event record was played.
bool PlayNextEvent(CChildView& view) {
    ++g_eventReadIndex;
    if (g_eventReadIndex > g_eventCount) return false;
    if (!g_isDemoRunning) CaptureMouseOnce(view);
    // A copy: the play may append records and so move the queue's storage.
    const QueueRecord record = g_eventQueue[static_cast<std::size_t>(g_eventReadIndex)];
    PlayEvent(view, record);
    return true;
}

// A joined machine plays only its own seat; the host's human count names the host's players.
bool IsLocalPlayer(std::int32_t player) {
    if (g_networkSeat >= 2) return player == g_networkSeat;
    return player <= g_humanPlayerCount || player == g_networkSeat;
}

// Before any game the current player is 0: no one's turn starts then.
void StartHumanTurnIfDue(CChildView& view) {
    if (g_currentPlayer < 1 || !IsLocalPlayer(g_currentPlayer) || g_isHumanTurnStarted) return;
    view.ComputeReinforcements();
    g_canSetSlowSpeed = g_canSetFastSpeeds = true;
    view.Platform().window.Invalidate();
    if (g_networkSeat != 1) return;
    view.ShowStatus(g_playerNames[static_cast<std::size_t>(g_currentPlayer)] + " to play..");
    net::SendBoardToAll(view, net_code::kHumanTurnStarts);
}

void PlayNextMessage(CChildView& view) {
    ++g_messageReadIndex;
    if (g_messageReadIndex > g_messageCount) {
        g_messageCount = g_messageReadIndex = 0;
        ReleaseMouse(view);
        return;
    }
    const QueueRecord record = g_messageQueue[static_cast<std::size_t>(g_messageReadIndex)];
    PlayMessage(view, record);
}

void RunTickSteps(CChildView& view) {
    SendChatLine(view);
    ServeNetworkWindowRequests(view);
    if (g_isDemoRunning && RunDemoStep(view)) return;
    if (RunWatchdog(view)) return;
    if (PlayNextEvent(view)) return;
    g_eventCount = g_eventReadIndex = 0;
    StartHumanTurnIfDue(view);
    PlayNextMessage(view);
}

// A modal window opened by a play runs a nested event loop in which the timer goes on firing;
// those ticks must not play records underneath it.
bool g_isTickRunning = false;

}  // namespace

void CChildView::RunClockTick() {
    if (g_isTickRunning) return;
    g_isTickRunning = true;
    struct Done {
        ~Done() { g_isTickRunning = false; }
    } done;
    RunTickSteps(*this);
}
