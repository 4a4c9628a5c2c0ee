// New Game: the reinforcement notice, the board, the saved game's name, the player's name and the
// start of play.
#include <algorithm>
#include <cstdio>
#include <optional>

#include "core/child_view.h"
#include "core/input/high_score_code.h"
#include "core/mapsel/map_selection.h"
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/turn/game_clock.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "platform/clock.h"
#include "platform/dialog_host.h"
#include "platform/window_services.h"
#include "setup/new_game.h"
#include "setup/new_game_rules.h"
#include "setup/setup_dialogs.h"
#include "shell/settings.h"

namespace new_game {

namespace {

using platform::MessageButtons;
using platform::MessageIcon;

// The mission "Continents" shows the first continent to conquer before placement begins.
void QueueMissionPreview(CChildView& view) {
    const std::int32_t player = std::clamp(g_currentPlayer, 1, kMaxPlayers);
    const std::int32_t continent = g_missionOrders[static_cast<std::size_t>(player)][1];
    QueueContinentBlink(view, continent, kMissionPreviewMark);
}

}  // namespace

void Sequence::ReinforcementInfo() {
    if (g_gameKind == game_kind::kNetworkJoined) return;
    if (const std::optional<std::string> text = ReinforcementNotice(g_territoryCount))
        view_.Platform().window.MessageBox(*text, "Reinforcement armies", MessageButtons::Ok,
                                           MessageIcon::Information);
}

void Sequence::DrawBoard() {
    view_.ShowTransientStatus(kSlowCommandNotice);
    map_selection::RedrawWholeBoard(view_);
    view_.ShowStatus(" ");
}

void Sequence::CommandsAndName() {
    g_canNewGame = g_canOpen = g_canChangeMap = false;
    // A demo chosen from New Game may be left for a game of one's own at any time, too.
    if (g_gameKind == game_kind::kSinglePlayer || g_gameKind == game_kind::kHotseat ||
        g_gameKind == game_kind::kDemo)
        g_newGameEnablePending = true;
    g_savedGamePath = SavedGameFileName(timeStamp_);
}

Next Sequence::PlayerName() {
    const bool asks =
        (g_gameKind == game_kind::kSinglePlayer || IsNetworkGame()) && !g_isQuickLaunch;
    if (!asks) return Next::kGo;
    platform::Platform& platform = view_.Platform();
    CNaamDlg& dialog = dialogs_.name;
    const std::string marker = high_score::kMarker;
    for (;;) {
        dialog.prompt = kNamePrompt;
        dialog.name = SettingsText(kPlayerNameOffset);
        if (platform.dialogs.RunModal(dialog) != kIdOk) {
            if (g_gameKind == game_kind::kNetworkHost && IsCustomSource())
                g_areTerritoriesDealt = true;
            return Reenable(Next::kRestart);
        }
        if (dialog.name.compare(0, marker.size(), marker) == 0) {
            const std::string code = dialog.name.substr(marker.size());
            platform.window.MessageBox(high_score::DescribeCode(code), "Marovek",
                                       MessageButtons::Ok, MessageIcon::Information);
            continue;
        }
        const std::optional<std::string> name = AcceptName(dialog.name);
        if (!name) continue;
        g_playerNames[1] = *name;
        g_isSavingPlayerName = true;
        view_.SaveSettings();
        g_isSavingPlayerName = false;
        return Next::kGo;
    }
}

void Sequence::StartPlay() {
    platform::Platform& platform = view_.Platform();
    g_isTestCustomMap = false;
    g_isQuickLaunch = false;
    view_.DrawPlayersPanel();
    platform.window.Invalidate();

    view_.UpdateWindowTitle();
    g_isInitialPlacement = true;
    rules::SetCurrentPlayer(DrawFirstPlayer(platform.random, g_playerCount, g_hasNeutralArmy));
    if (g_isHighScoreGame || g_campaignNumber > 0) rules::SetCurrentPlayer(1);
    if (g_gameKind == game_kind::kDemo) rules::SetCurrentPlayer(2);
    g_gameStartTime = g_playResumeTime = g_gameEndTime = platform.clock.Now();
    g_playingSeconds = 0.0;
    g_roundCounter = 1;
    g_isStrongholdChoice = g_areStrongholdsOn;
    g_isInitialPlacement = !g_areStrongholdsOn;
    game_clock::QueueComputerPlacements(view_);

    const bool fast = g_isVeryFastSpeed || g_isFastestSpeed;
    if (g_gameKind == game_kind::kDemo) {
        game_clock::RearmTimer(view_, fast ? game_clock::kFastPeriodMs : game_clock::kSlowPeriodMs);
        g_isFastSpeed = true;
        rules::SetCurrentPlayer(2);
        g_isInitialPlacement = false;
        view_.QueueNextPlayerEvent();
        view_.NextPlayer();
        return;
    }
    game_clock::RearmTimer(view_, fast ? game_clock::kFastPeriodMs : game_clock::kSlowPeriodMs);
    if (g_areStrongholdsOn) {
        view_.QueueNextPlayerEvent();
        view_.QueueMessage(game_clock::kStrongholdPrompt);
        return;
    }
    if (g_missionKind == mission_kind::kContinents) QueueMissionPreview(view_);
    g_pendingSound = game_sound::kNextPlayer;
    game_clock::QueuePlacementPrompt(view_);
}

}  // namespace new_game
