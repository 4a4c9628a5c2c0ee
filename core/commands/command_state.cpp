// The enable and check rules of the game's commands, the speed commands and the view commands.
#include "core/commands/command_state.h"

#include "core/child_view.h"
#include "core/commands/web_pages.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/turn/game_clock.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "platform/shell.h"
#include "platform/window_services.h"

namespace command_state {

// Exactly one speed carries the check: Very Fast and Fastest also set the Fast flag.
void UpdateSpeedSlow(CmdUI& ui) {
    ui.enabled = g_canSetSlowSpeed;
    ui.checked = !g_isFastSpeed && !g_isVeryFastSpeed && !g_isFastestSpeed;
}
void UpdateSpeedFast(CmdUI& ui) {
    ui.enabled = g_canSetFastSpeeds;
    ui.checked = g_isFastSpeed && !g_isVeryFastSpeed && !g_isFastestSpeed;
}
void UpdateSpeedVeryFast(CmdUI& ui) {
    ui.enabled = g_canSetFastSpeeds;
    ui.checked = g_isVeryFastSpeed;
}
void UpdateSpeedFastest(CmdUI& ui) {
    ui.enabled = g_canSetFastSpeeds;
    ui.checked = g_isFastestSpeed;
}

void UpdateNewGame(CmdUI& ui) {
    ui.enabled = g_canNewGame || g_newGameEnablePending;
}
void UpdateOpen(CmdUI& ui) {
    ui.enabled = g_canOpen;
}
void UpdateSave(CmdUI& ui) {
    ui.enabled = g_canSave;
}
void UpdateSaveAs(CmdUI& ui) {
    ui.enabled = g_canSaveAs;
}
void UpdateCancel(CmdUI& ui) {
    ui.enabled = g_canCancel;
}
void UpdateMove(CmdUI& ui) {
    ui.enabled = g_canMove;
}
void UpdateAttack(CmdUI& ui) {
    ui.enabled = g_canAttack;
}

// A placement phase may be finished with Add once its records have been shown, and in a network
// game only on the machine whose turn it is.
void UpdateAdd(CmdUI& ui) {
    const bool placing = g_isInitialPlacement || g_isAddForContinents || g_isAddForCards;
    const bool ownTurn = g_networkSeat == 0 || g_networkSeat == g_currentPlayer;
    ui.enabled = g_canAdd || (placing && g_eventCount == 0 && ownTurn);
}

void UpdateNextPlayer(CmdUI& ui) {
    ui.enabled = g_canNextPlayer && AreQueuesEmpty();
}

void UpdateContinents(CmdUI& ui) {
    ui.enabled = AreQueuesEmpty() && g_isHumanTurnStarted;
}

// Personalities change the computer players of a game on this machine only.
void UpdatePersonalities(CmdUI& ui) {
    const bool networkGame = IsNetworkGame();
    ui.enabled = g_isNormalLevel && !g_isHighScoreGame && !networkGame && !g_hasNeutralArmy &&
                 g_playerCount != g_humanPlayerCount && AreQueuesEmpty() && g_isHumanTurnStarted;
}

}  // namespace command_state

namespace {

void SetSpeed(CChildView& view, int periodMs, bool fast, bool veryFast, bool fastest) {
    game_clock::RearmTimer(view, periodMs);
    g_isFastSpeed = fast;
    g_isVeryFastSpeed = veryFast;
    g_isFastestSpeed = fastest;
    view.SaveSettings();
}

}  // namespace

void CChildView::OnSpeedSlow() {
    SetSpeed(*this, game_clock::kSlowPeriodMs, false, false, false);
}
void CChildView::OnSpeedFast() {
    SetSpeed(*this, game_clock::kSlowPeriodMs, true, false, false);
}
void CChildView::OnSpeedVeryFast() {
    SetSpeed(*this, game_clock::kFastPeriodMs, true, true, false);
}
void CChildView::OnSpeedFastest() {
    SetSpeed(*this, game_clock::kFastPeriodMs, true, false, true);
}

void CChildView::OnStatistics() {
    ShowStatsDialog();
}

void CChildView::OnMoreMaps() {
    platform_.shell.OpenUrl(std::string(kWebsiteHost) + kMoreMapsPagePath);
}

void CChildView::RepaintOnFocus() {
    if (g_repaintOnFocus) platform_.window.Invalidate();
}
