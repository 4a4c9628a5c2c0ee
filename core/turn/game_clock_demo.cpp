// The self-playing demo and the computer players' initial placement queued at a game's start.
#include <cstdio>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/turn/game_clock.h"
#include "core/turn/turn_state.h"
#include "platform/window_services.h"

namespace game_clock {

namespace {

constexpr const char* kDemoNames[kMaxPlayers + 1] = {"",        "      ", "pc II", "pc III",
                                                     "pc IV",   "pc V",   "pc VI", "pc VII",
                                                     "pc VIII", "pc IX",  "pc X"};

void ShowDemoBanner(CChildView& view) {
    ++g_demoBlinkCounter;
    if (g_demoBlinkCounter >= 4) {
        g_demoBlinkCounter = 0;
        view.ShowStatus(" ");
    } else {
        view.ShowStatus(kDemoText);
    }
}

void SetDemoOptions() {
    g_wasMapSelected = *DefaultMap().flag;
    SelectDefaultMap();
    g_gameKind = game_kind::kDemo;
    g_campaignNumber = 0;
    g_campaignLength = 1;
    g_campaignStep = 1;
    g_campaignPlayer = 0;
    g_isCampaignFinished = g_isCampaignLost = false;
    g_isOneForOneRule = kYes;
    g_aiMinAttackArmies = 3;
    g_areTerritoriesHidden = g_isHidingActive = g_areStrongholdsOn = g_isTroopExperienceOn = false;
    for (int p = 1; p <= kMaxPlayers; ++p)
        g_playerNames[static_cast<std::size_t>(p)] = kDemoNames[p];
    g_humanPlayerCount = 1;
}

void DrawWholeBoard(CChildView& view) {
    for (int t = 1; t <= g_territoryCount && t <= kMaxTerritories; ++t) {
        g_isHighlightOn = IsYes(g_territoryHighlight[static_cast<std::size_t>(t)]);
        DrawDisplayed(view, t);
    }
}

void SetUpDemo(CChildView& view) {
    platform::WindowServices& window = view.Platform().window;
    window.SetCapture();
    window.SetWaitCursor(false);
    view.ShowStatus(kDemoText);
    g_demoBlinkCounter = 0;
    SetDemoOptions();
    view.DealTerritories();
    g_isFastSpeed = true;
    DrawWholeBoard(view);
    view.DrawPlayersPanel();
    g_canNewGame = g_canOpen = g_canChangeMap = false;
    g_isInitialPlacement = true;
    rules::SetCurrentPlayer(2);
    g_roundCounter = 1;
    g_deckArtilleryCards = g_deckInfantryCards = g_deckCavalryCards = 17;
    g_deckWildCards = 2;
    QueueComputerPlacements(view);
    RearmTimer(view, kFastPeriodMs);
    g_isFastSpeed = true;
    rules::SetCurrentPlayer(2);
    g_isInitialPlacement = false;
    view.QueueNextPlayerEvent();
    view.NextPlayer();
}

}  // namespace

bool RunDemoStep(CChildView& view) {
    ShowDemoBanner(view);
    if (g_gameKind == game_kind::kDemo) return false;
    SetUpDemo(view);
    return true;
}

// At most one round: a game without a human neither loops nor places a player twice.
void QueueComputerPlacements(CChildView& view) {
    for (int i = 0; i < g_playerCount && g_currentPlayer > g_humanPlayerCount; ++i) {
        view.QueueNextPlayerEvent();
        view.AnnounceInitialPlacement();
        view.QueueComputerPlacementEvents();
        ++g_roundCounter;
        rules::SetCurrentPlayer(rules::NextInTurn(g_currentPlayer));
    }
}

void QueuePlacementPrompt(CChildView& view) {
    view.QueueNextPlayerEvent();
    view.AnnounceInitialPlacement();
    g_initialArmiesLeft = g_startArmies;
    char text[96];
    std::snprintf(text, sizeof text, kPlacementPrompt, static_cast<int>(g_startArmies));
    view.QueueMessage(text);
}

}  // namespace game_clock
