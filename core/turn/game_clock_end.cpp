// The end of a game, or the start of the next map of a campaign.
#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/map_loader.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/services/network.h"
#include "core/turn/game_clock.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "platform/window_services.h"

namespace game_clock {

namespace {

bool IsDemo() {
    return g_gameKind == game_kind::kDemo;
}

bool AnyMapSelected() {
    return g_isMapCustom || SelectedBuiltinMap() != nullptr;
}

// A campaign of the player's own whose next map file does not load goes on as a single game on
// the default map.
void LoadOwnCampaignMap(CChildView& view) {
    g_isMapCustom = false;
    g_isUserMapLoad = false;
    view.OnLoadMap();
    g_isUserMapLoad = true;
    if (AnyMapSelected() || g_isMapFileLoaded) return;
    SelectDefaultMap();
    g_isTestCustomMap = false;
    g_campaignNumber = 0;
    g_campaignLength = 1;
    view.SetBuiltinMapSize();
}

void DrawBoardByMarks(CChildView& view) {
    for (int t = 1; t <= g_territoryCount && t <= kMaxTerritories; ++t) {
        g_isHighlightOn = IsYes(g_territoryHighlight[static_cast<std::size_t>(t)]);
        DrawDisplayed(view, t);
    }
}

void ResetTroopExperience() {
    for (int p = 1; p <= kMaxPlayers; ++p) {
        g_troopExperience[static_cast<std::size_t>(p)] = 100;
        for (int q = 1; q <= kMaxPlayers; ++q)
            g_troopExperienceSnapshots[static_cast<std::size_t>(p)][static_cast<std::size_t>(q)] =
                100;
    }
    if (!g_isTroopExperienceOn || !IsPlayer(g_campaignPlayer)) return;
    const std::int32_t losses =
        g_players[static_cast<std::size_t>(g_campaignPlayer)][player_field::kLosses];
    for (int p = 1; p <= kMaxPlayers; ++p)
        if (p != g_campaignPlayer)
            g_players[static_cast<std::size_t>(p)][player_field::kLosses] = losses;
}

void QueueMissionPreview(CChildView& view) {
    const std::int32_t continent = g_missionOrders[1][1];
    QueueContinentBlink(view, continent, kMissionPreviewMark);
}

void QueueFirstPlacement(CChildView& view, bool localSide) {
    if (localSide && (!g_areStrongholdsOn || IsDemo()) &&
        g_missionKind == mission_kind::kContinents)
        QueueMissionPreview(view);
    if (IsDemo()) {
        g_isFastSpeed = true;
        rules::SetCurrentPlayer(2);
        g_isInitialPlacement = false;
        view.QueueNextPlayerEvent();
        view.NextPlayer();
        return;
    }
    if (g_areStrongholdsOn) {
        view.QueueNextPlayerEvent();
        view.QueueMessage(kStrongholdPrompt);
        return;
    }
    g_pendingSound = game_sound::kNextPlayer;
    QueuePlacementPrompt(view);
}

void StartNextCampaignMap(CChildView& view, bool localSide) {
    g_isGameOver = false;
    EmptyQueues();
    g_lastGainedContinent = 0;
    if (g_campaignNumber == kOwnCampaign) LoadOwnCampaignMap(view);
    view.SetupSelectedMap();
    if (IsDemo() && !localSide) --g_playerCount;
    view.DealTerritories();
    if (localSide) g_missionProgress = 1;
    DrawBoardByMarks(view);
    ResetTroopExperience();
    view.DrawPlayersPanel();
    view.UpdateWindowTitle();
    view.Platform().window.Invalidate();
    rules::SetCurrentPlayer(IsDemo() && !localSide ? 2 : 1);
    g_roundCounter = 1;
    (g_areStrongholdsOn ? g_isStrongholdChoice : g_isInitialPlacement) = true;
    g_canSave = g_canSaveAs = false;
    if (!localSide) QueueComputerPlacements(view);
    QueueFirstPlacement(view, localSide);
}

void ShowFinalBoard(CChildView& view, bool localSide) {
    if (g_areTerritoriesHidden) g_isHidingActive = false;
    const bool highlighted = !g_isMissionFailed;
    if (highlighted || !localSide) {
        g_isHighlightOn = highlighted;
        for (int t = 1; t <= g_territoryCount && t <= kMaxTerritories; ++t) {
            g_territoryHighlight[static_cast<std::size_t>(t)] = YesNo(highlighted);
            DrawDisplayed(view, t);
        }
    }
    for (int p = 1; p <= kMaxPlayers; ++p)
        if (g_players[static_cast<std::size_t>(p)][player_field::kTerritories] == 0)
            g_troopExperience[static_cast<std::size_t>(p)] = 0;
    view.DrawPlayersPanel();
    view.Platform().window.Invalidate();
    view.ClearBusy();
    if (g_areTerritoriesHidden) g_isHidingActive = true;
}

std::string MissionContinentName(std::int32_t player) {
    if (!IsPlayer(player) || g_missionProgress < 0 || g_missionProgress > kMaxContinents) return {};
    const std::int32_t continent = g_missionOrders[static_cast<std::size_t>(player)]
                                                  [static_cast<std::size_t>(g_missionProgress)];
    if (continent < 1 || continent > kMaxContinents) return {};
    return g_continentNames[static_cast<std::size_t>(continent)];
}

void ShowMissionResult(CChildView& view, bool localSide) {
    const char* failed = g_isCampaignLost ? "Campaign Mission Failed" : "Mission Failed";
    platform::WindowServices& window = view.Platform().window;
    if (g_isMissionFailed && g_missionKind == mission_kind::kContinents) {
        view.SetContinentNames();
        const std::string name = MissionContinentName(localSide ? g_currentPlayer : 1);
        window.MessageBox("Conquer  " + name, failed, platform::MessageButtons::Ok,
                          platform::MessageIcon::Information);
        g_missionTextKind = 2;
    } else if (g_isMissionFailed && g_missionKind == mission_kind::kHoldContinents && !localSide) {
        g_missionTextKind = 2;
        window.MessageBox(failed, failed, platform::MessageButtons::Ok,
                          platform::MessageIcon::Information);
    } else if (localSide && !g_isMissionFailed && g_missionKind != mission_kind::kConquerAll) {
        g_missionTextKind = 1;
        view.ShowMissionDialog(g_isCampaignFinished ? "Campaign Mission Completed"
                                                    : "Mission Completed");
    }
}

void EndTheGame(CChildView& view, bool localSide) {
    view.LoadScoresRecord();
    if (!g_isCampaignLost && !g_isGameWithoutWinner && !g_isMissionFailed)
        view.PlayGameSound(game_sound::kVictory);
    view.SetBusy();
    ShowFinalBoard(view, localSide);
    ShowMissionResult(view, localSide);
    if (IsDemo()) {
        // The start-up demo's next tick sets it up again with a new deal.
        g_gameKind = game_kind::kSinglePlayer;
        g_isGameOver = false;
        for (int t = 1; t <= kMaxTerritories; ++t)
            g_territoryHighlight[static_cast<std::size_t>(t)] = kNo;
        // A demo chosen from New Game does not start again: it ends as a finished game, from
        // which the player starts, opens or picks the next one.
        if (!g_isDemoRunning) {
            g_hasFinishedGame = true;
            g_canNewGame = g_canOpen = g_canChangeMap = true;
        }
        return;
    }
    if (localSide)
        net::SendBoardFromSeat(view, net_code::kGameWon, net_code::kJoinedGameWon);
    else if (g_networkSeat == 1)
        net::SendBoardToAll(view, net_code::kGameWon);
    else if (g_networkSeat >= 2 && g_currentPlayer == g_networkSeat)
        // Won in this seat's own turn: the host tells the others.
        net::SendBoard(view, net_code::kJoinedGameWon, 1);
    if (g_networkSeat == 0) {
        g_hasFinishedGame = true;
        g_canNewGame = true;
    }
}

}  // namespace

void PlayGameEnd(CChildView& view, bool localSide) {
    if (localSide && g_isCampaignLost) g_campaignNumber = 0;
    if (!g_isCampaignLost && g_campaignNumber >= 1) {
        if (g_campaignStep == 1) g_campaignPlayer = g_currentPlayer;
        view.AdvanceCampaign();
        if (!g_isCampaignFinished) {
            StartNextCampaignMap(view, localSide);
            return;
        }
        g_campaignNumber = 0;
    }
    EndTheGame(view, localSide);
}

}  // namespace game_clock
