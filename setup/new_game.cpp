// New Game: the preparation, each pass's restart, the main menu, the map or campaign and the
// options.
#include "setup/new_game.h"

#include <algorithm>
#include <vector>

#include "core/child_view.h"
#include "core/commands/command_state.h"
#include "core/model/campaign_state.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/map_loader.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "core/turn/game_clock.h"
#include "core/turn/turn_state.h"
#include "platform/clock.h"
#include "platform/dialog_host.h"
#include "platform/window_services.h"
#include "setup/new_game_rules.h"
#include "setup/quick_launch.h"
#include "setup/setup_dialogs.h"
#include "shell/frame_layout.h"
#include "shell/settings.h"
#include "shell/storage.h"

namespace new_game {

namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

bool AnyMapFlag() {
    return SelectedBuiltinMap() != nullptr || g_isMapCustom;
}

void SetNoCampaign() {
    g_campaignNumber = 0;
    g_campaignLength = 1;
    g_campaignStep = 1;
    g_campaignPlayer = 0;
    g_isCampaignFinished = g_isCampaignLost = false;
}

void ClearMissiles() {
    for (int t = 1; t <= kMaxTerritories; ++t) {
        g_defenceMissiles[t] = g_attackMissiles[t] = 0;
        g_displayedDefenceMissiles[t] = g_displayedAttackMissiles[t] = 0;
    }
}

}  // namespace

void SelectMapChoice(std::int32_t choice) {
    ClearMapFlags();
    const std::vector<const BuiltinMap*> maps = MapMenuOrder();
    if (choice >= 0 && choice < static_cast<std::int32_t>(maps.size())) {
        *maps[static_cast<std::size_t>(choice)]->flag = true;
    } else {
        g_isMapCustom = true;  // "Load a Map..."
    }
}

std::string SettingsText(std::size_t offset) {
    std::string text;
    for (std::size_t i = 0; i < kTextSlotWidth - 1 && offset + i < g_settings.size(); ++i) {
        if (g_settings[offset + i] == 0) break;
        text.push_back(static_cast<char>(g_settings[offset + i]));
    }
    return text;
}

Sequence::Sequence(CChildView& view) : view_(view), dialogs_(view.Setup()) {}

void Sequence::Run() {
    if (Prepare()) {
        Next next = Next::kRestart;
        while (next == Next::kRestart) next = Pass();
    }
    // Whichever way the command ends.
    g_repaintOnFocus = false;
    g_isQuickLaunch = false;
}

bool Sequence::Prepare() {
    platform::Platform& platform = view_.Platform();
    timeStamp_ = TimeStamp(platform.clock.Now());
    g_showTestMarkers = false;
    view_.ShowStatus(" ");
    if (g_newGameEnablePending && !g_hasFinishedGame) {
        if (platform.window.MessageBox(kStartQuestion, "Marovek", MessageButtons::YesNo,
                                       MessageIcon::Exclamation) != MessageAnswer::Yes)
            return false;
        g_canNewGame = true;
        g_newGameEnablePending = false;
        view_.ClearGameState();
        g_canCancel = g_canCards = g_canMove = g_canAdd = g_canAttack = g_canNextPlayer = false;
    }
    platform.window.SetWindowTitle("Marovek ");
    if (g_hasFinishedGame) {
        g_isGameOver = g_hasFinishedGame = false;
        view_.ClearGameState();
    }
    return true;
}

void Sequence::RestartValues() {
    for (int p = 1; p <= kMaxPlayers; ++p) g_playerNames[p] = " ";
    g_gameKind = game_kind::kSinglePlayer;
    SetNoCampaign();
    g_isGameWithoutWinner = false;
    g_isNormalLevel = true;
    g_areStrongholdsOn = g_isTroopExperienceOn = false;
    g_missionKind = mission_kind::kConquerAll;
    g_missionProgress = 1;
    g_isMissionFailed = false;
    g_canChangeMap = true;
    g_computerPlayerCount = kCodeSinglePlayer;
    g_isHighScoreGame = g_isInternetGame = g_hasNeutralArmy = false;
    g_chatRoomRequest = g_emailIpRequest = g_advancedIpRequest = false;
    g_isUsersJoinedShown = g_showUsersJoinedRequest = false;
    g_isSavingPlayerName = g_isSavingHotseatNames = g_isSavingHostAddress = false;
    g_isMapCustom = false;
    g_newGameEnablePending = false;
    g_repaintOnFocus = true;
    g_publishedGameSlot = 99;
    if (g_isVeryFastSpeed || g_isFastestSpeed)
        game_clock::RearmTimer(view_, game_clock::kFastPeriodMs);
    ClearMissiles();
}

void Sequence::ReloadSettingsIfDealt() {
    if (AnyMapFlag() && !g_areTerritoriesDealt) return;
    g_canNewGame = g_canOpen = true;
    view_.ClearGameState();
    g_canSetSlowSpeed = g_canSetFastSpeeds = true;
    g_resolveUnstableOnLoad = false;
    view_.LoadSettings();
    g_screenSize = ClampScreenSize(g_screenSize, g_screenWidth, g_screenHeight);
    g_areTerritoriesDealt = false;
    g_resolveUnstableOnLoad = true;
}

Next Sequence::Pass() {
    RestartValues();
    ReloadSettingsIfDealt();
    Next next = g_isQuickLaunch ? ReadQuickLaunchRecord(view_) : MainMenu();
    if (next != Next::kGo) return next;
    switch (g_computerPlayerCount) {  // the set-up code until the count is decided
        case kCodeNetwork:
            // The host chooses its map and rules; a joining machine takes the host's.
            g_humanPlayerCount = g_playerCount = 1;
            if (g_gameKind == game_kind::kNetworkHost) next = HostOptions();
            break;
        case kCodeDemo:
            next = Demo();
            break;
        case kCodeHotseat:
            next = MapAndOptions();
            if (next == Next::kGo) next = HotseatNames();
            break;
        default:
            next = g_isHighScoreGame ? HighScoreGame() : MapAndOptions();
            if (next == Next::kGo && !g_isHighScoreGame) next = ComputerPlayers();
            break;
    }
    if (next == Next::kGo && !g_isHighScoreGame) next = Personalities();
    if (next != Next::kGo) return next;
    ReinforcementInfo();
    DrawBoard();
    CommandsAndName();
    next = PlayerName();
    if (next != Next::kGo) return next;
    if (IsNetworkGame()) return NetworkSteps();
    StartPlay();
    return Next::kLeave;
}

Next Sequence::MainMenu() {
    platform::Platform& platform = view_.Platform();
    if (platform.dialogs.RunModal(dialogs_.mainMenu) != kIdOk) {
        g_canOpen = true;
        return Next::kLeave;
    }
    switch (dialogs_.mainMenu.choice) {
        case 1:
            g_isHighScoreGame = true;
            break;
        case 2:
            g_computerPlayerCount = kCodeDemo;
            break;
        case 3:
            if (platform.dialogs.RunModal(dialogs_.multiplayer) != kIdOk) return Next::kRestart;
            if (dialogs_.multiplayer.choice == 1 || dialogs_.multiplayer.choice == 2) {
                g_isInternetGame = dialogs_.multiplayer.choice == 2;
                dialogs_.startJoin.note = g_isInternetGame ? "(not for 56k modems)" : " ";
                if (platform.dialogs.RunModal(dialogs_.startJoin) != kIdOk) return Next::kRestart;
                g_gameKind = dialogs_.startJoin.choice == 1 ? game_kind::kNetworkJoined
                                                            : game_kind::kNetworkHost;
                g_computerPlayerCount = kCodeNetwork;
                break;
            }
            g_computerPlayerCount = kCodeHotseat;
            g_gameKind = game_kind::kHotseat;
            break;
        default:
            break;
    }
    return Next::kGo;
}

Next Sequence::MapAndOptions() {
    const bool hotseat = g_gameKind == game_kind::kHotseat;
    const Next next = ChooseMap(!hotseat && !g_isQuickLaunch, false);
    return next == Next::kGo ? Options() : next;
}

Next Sequence::ChooseMap(bool withGameType, bool highScore) {
    const PreviousMapFlags previous = CurrentMapFlags();
    const bool wasWorld = *DefaultMap().flag;
    bool campaign = false;
    if (withGameType) {
        if (view_.Platform().dialogs.RunModal(dialogs_.gameType) != kIdOk) return Next::kRestart;
        campaign = dialogs_.gameType.choice == 1;
    }
    g_campaignLength = campaign ? 2 : 1;
    if (!campaign) g_campaignNumber = 0;
    const Next chosen = campaign ? ChooseCampaign() : ChooseSingleMap(highScore);
    return chosen == Next::kGo ? LoadChosenMap(previous, wasWorld) : chosen;
}

Next Sequence::ChooseSingleMap(bool highScore) {
    CMapDlg& dialog = highScore ? dialogs_.map1 : dialogs_.map;
    dialog.isHighScoreGame = highScore;
    if (view_.Platform().dialogs.RunModal(dialog) != kIdOk) {
        if (!g_isQuickLaunch) return Next::kRestart;
        g_canOpen = true;
        return Next::kLeave;
    }
    // A choice the dialog hides is never taken.
    const bool hiddenLoad = highScore && dialog.choice == CMapDlg::kLoadMapChoice;
    SelectMapChoice(hiddenLoad ? 0 : dialog.choice);
    return Next::kGo;
}

Next Sequence::ChooseCampaign() {
    CCampaignsDlg& dialog = dialogs_.campaigns;
    dialog.isHighScoreGame = g_isHighScoreGame;
    if (view_.Platform().dialogs.RunModal(dialog) != kIdOk) return Next::kRestart;
    ClearMapFlags();
    g_campaignStep = 1;
    if (dialog.choice == CCampaignsDlg::kLoadCampaignChoice && !g_isHighScoreGame) {
        g_campaignNumber = kOwnCampaign;
        g_campaignLength = 2;
        view_.LoadCampaignFile();
        if (!g_isMapFileLoaded) return FallBack();
        g_isMapCustom = true;
        return Next::kGo;
    }
    const std::int32_t number = std::clamp(dialog.choice, 0, 4) + 1;
    const std::vector<const BuiltinMap*> maps = CampaignMaps(number);
    g_campaignNumber = number;
    g_campaignLength = static_cast<std::int32_t>(maps.size());
    if (!maps.empty()) *maps.front()->flag = true;
    return Next::kGo;
}

Next Sequence::LoadChosenMap(const PreviousMapFlags& previous, bool wasWorld) {
    if (g_isMapCustom && !previous.Had(g_isMapCustom)) {
        g_isMapCustom = false;
        g_isUserMapLoad = false;
        // A refused load puts the previous flag back; only this load's answer counts here.
        g_isMapFileLoaded = false;
        view_.OnLoadMap();
        g_isUserMapLoad = true;
        if (!g_isMapFileLoaded) return FallBack();
        return Next::kGo;
    }
    g_wasMapSelected = wasWorld;
    view_.ReloadMapIfChanged(previous);
    return Next::kGo;
}

// A map or campaign file that did not load leaves the default map, whole, and the command ends.
Next Sequence::FallBack() {
    if (!AnyMapFlag()) {
        g_isTestCustomMap = false;
        SetNoCampaign();
        view_.FallBackToDefaultMap();
    }
    return Reenable(Next::kLeave);
}

Next Sequence::Options() {
    if (!g_isQuickLaunch) {
        COptiesDlg& dialog = dialogs_.options;
        dialog.gameKind = g_gameKind;
        if (view_.Platform().dialogs.RunModal(dialog) != kIdOk) return RestartAfterCancel();
        g_isOneForOneRule = YesNo(dialog.rule != 1);
        g_areTerritoriesHidden = g_isHidingActive = dialog.hidden != 0;
        g_areStrongholdsOn = dialog.strongholds != 0;
        g_isTroopExperienceOn = dialog.troopExperience != 0;
        g_isNormalLevel = dialog.level != 0;
        // A mission the dialog disabled is not taken.
        g_missionKind = g_areStrongholdsOn || g_gameKind == game_kind::kHotseat
                            ? mission_kind::kConquerAll
                            : dialog.mission;
    }
    g_aiMinAttackArmies = IsNo(g_isOneForOneRule) ? 2 : 3;
    return Next::kGo;
}

bool Sequence::IsCustomSource() const {
    return g_isMapCustom || g_campaignNumber == kOwnCampaign;
}

Next Sequence::RestartAfterCancel() {
    if (IsCustomSource()) g_areTerritoriesDealt = true;
    return Next::kRestart;
}

Next Sequence::Reenable(Next next) {
    g_canNewGame = g_canOpen = true;
    return next;
}

}  // namespace new_game

void CChildView::OnNewGame() {
    new_game::Sequence(*this).Run();
}
