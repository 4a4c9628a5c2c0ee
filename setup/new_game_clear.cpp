// ClearGameState: every game variable back to its start value, in the order the game relies on.
#include "ai/ai_state.h"
#include "core/child_view.h"
#include "core/mapsel/map_selection.h"
#include "core/model/board_picture.h"
#include "core/model/game_state.h"
#include "core/model/map_loader.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/services/network.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "platform/clock.h"
#include "setup/personalities.h"
#include "shell/settings.h"
#include "shell/storage.h"

namespace {

void ClearGameKindAndFlags() {
    g_hasNeutralArmy = g_isHighScoreGame = g_isInternetGame = false;
    g_chatRoomRequest = g_advancedIpRequest = g_emailIpRequest = false;
    g_showUsersJoinedRequest = g_isUsersJoinedShown = false;
    g_areTerritoriesDealt = false;
    g_isSavingPlayerName = g_isSavingHotseatNames = g_isSavingHostAddress = false;
    g_isPainting = g_isCardsPanelShown = false;
    g_resolveUnstableOnLoad = true;
}

void ResetTroopExperienceAndMarks() {
    for (int p = 1; p <= kMaxPlayers; ++p) {
        g_troopExperience[p] = 100;
        for (int q = 1; q <= kMaxPlayers; ++q) g_troopExperienceSnapshots[p][q] = 100;
    }
    g_cardSetArmies = 11;
    for (int t = 1; t <= kMaxTerritories; ++t) {
        g_defenceMissiles[t] = g_attackMissiles[t] = 0;
        g_displayedDefenceMissiles[t] = g_displayedAttackMissiles[t] = 0;
        g_territoryHighlight[t] = 'n';
    }
}

void ResetPlayersAndCampaign() {
    ClearMapFlags();
    g_isMapWorld = true;
    g_canChangeMap = true;
    rules::SetCurrentPlayer(0);
    g_lossesShown = 0;
    g_campaignNumber = 0;
    g_campaignLength = 1;
    g_campaignStep = 1;
    g_isCampaignLost = g_isCampaignFinished = false;
    for (int p = 1; p <= kMaxPlayers; ++p) g_avengeTargets[p] = g_unstableMarks[p] = 0;
    g_gameKind = 1;
    g_isNormalLevel = true;
    g_personalities = StoredPersonalities();
    g_isRandomMix = g_settings[kRandomMixOffset] != 0;
    SetPlayerStartValues();
    g_mapName.clear();
}

void ClearInputPhases() {
    g_isInitialPlacement = g_isAttackFrom = g_isAttackTo = g_isMoveFrom = g_isMoveTo = false;
    g_isAddForTerritories = g_isAddForContinents = g_isAddForCards = false;
    g_isStrongholdChoice = false;
    g_lastGainedContinent = g_syncContinent = g_retakenMissionContinent = 0;
    g_canTurnInCards = g_hasTurnedInCards = 'n';
    g_isHumanTurnStarted = true;
}

void ResetDeckAndSnapshots() {
    for (int p = 1; p <= kMaxPlayers; ++p) g_playerRecordSnapshot[p] = g_players[p];
    g_deckArtilleryCards = g_deckInfantryCards = g_deckCavalryCards = 17;
    g_deckWildCards = 2;
    g_cardsLinePlayer = g_currentPlayer;
    for (int p = 1; p <= kMaxPlayers; ++p) g_aiLastTargets[p] = {};
}

void ClearOptions() {
    g_areTerritoriesHidden = g_isHidingActive = false;
    g_areStrongholdsOn = g_isTroopExperienceOn = g_areMissilesEnabled = false;
    g_missionKind = 0;
    g_missionProgress = 1;
    g_isMissionFailed = false;
    g_canSetSlowSpeed = g_canSetFastSpeeds = true;
}

void ClearNetwork() {
    g_isHostWaiting = false;
    g_networkSeat = g_lastNetworkSeat = g_syncTerritory = g_connectedClients = 0;
    g_lastCardTurnIn.fill(0);
    g_syncArmies = g_syncOwner = 0;
    g_syncMarked = false;
    g_publishedGameSlot = 99;
}

}  // namespace

void CChildView::ClearGameState() {
    // The in-game chat window is made by the network games; until then only its flags exist.
    g_isChatWindowShown = g_isChatLinePending = false;
    ClearGameKindAndFlags();
    ResetTroopExperienceAndMarks();
    ResetPlayersAndCampaign();
    SetupSelectedMap();
    ClearInputPhases();
    ResetDeckAndSnapshots();
    EmptyQueues();
    ClearOptions();
    g_statusText = " ";
    g_isAskingArmyCount = false;
    LoadScoresRecord();
    g_isGreyOutline = g_isFixedPalette = g_isMouseCaptured = false;
    SetOneCharacterText(g_freshMapMarker, '0');
    g_canSave = g_canSaveAs = false;
    g_hasOpenedFileName = g_hasFileName = false;
    ClearNetwork();
    g_isUserMapLoad = true;
    g_isTestMapPending = g_isMapFileLoaded = g_isTestCustomMap = false;
    g_playResumeTime = g_gameStartTime = g_gameEndTime = platform_.clock.Now();
    g_playingSeconds = 0.0;
    map_selection::RedrawWholeBoard(*this);
}
