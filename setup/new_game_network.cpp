// New Game's network steps: the host's options, and on the LAN its listening and the joining
// machine's host name and connection (the Internet road is in new_game_internet.cpp).
#include <string>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/turn/game_clock.h"
#include "core/turn/turn_state.h"
#include "platform/dialog_host.h"
#include "platform/socket.h"
#include "setup/network_windows.h"
#include "setup/new_game.h"
#include "setup/setup_dialogs.h"
#include "shell/settings.h"

namespace new_game {

namespace {

constexpr std::int32_t kConnectSound = 10;
constexpr std::int32_t kStartSound = 0;

}  // namespace

Next Sequence::HostOptions() {
    const PreviousMapFlags previous = CurrentMapFlags();
    const bool wasWorld = *DefaultMap().flag;
    COpties1Dlg& dialog = dialogs_.hostOptions;
    if (view_.Platform().dialogs.RunModal(dialog) != kIdOk) return Next::kRestart;
    g_campaignNumber = 0;
    g_campaignLength = 1;
    g_isTestCustomMap = false;
    SelectMapChoice(dialog.map == COpties1Dlg::kLoadMapChoice ? -1 : dialog.map);
    const Next loaded = LoadChosenMap(previous, wasWorld);
    if (loaded != Next::kGo) return loaded;
    g_isOneForOneRule = YesNo(dialog.rule != 1);
    g_areTerritoriesHidden = g_isHidingActive = false;
    g_isNormalLevel = true;
    g_areStrongholdsOn = dialog.strongholds != 0;
    g_isTroopExperienceOn = dialog.troopExperience != 0;
    g_aiMinAttackArmies = IsNo(g_isOneForOneRule) ? 2 : 3;
    g_humanPlayerCount = 1;
    g_playerCount = 1;
    return Next::kGo;
}

Next Sequence::NetworkSteps() {
    game_clock::RearmTimer(view_, game_clock::kSlowPeriodMs);
    g_isFastSpeed = true;
    g_isVeryFastSpeed = g_isFastestSpeed = false;
    view_.PlayGameSound(kConnectSound);
    if (g_isInternetGame)
        return g_gameKind == game_kind::kNetworkHost ? HostInternet() : JoinInternet();
    if (g_gameKind == game_kind::kNetworkHost) {
        if (!view_.HostNetworkGame()) return Reenable(Next::kRestart);
        view_.ShowStatus("Waiting for others to join...   Hostname:  " +
                         view_.Platform().sockets.LocalHostName());
        view_.UpdateWindowTitle();
        return Next::kLeave;
    }
    CHostnaamDlg& dialog = view_.NetWindows().hostName;
    dialog.host = g_settingsString176;
    if (view_.Platform().dialogs.RunModal(dialog) != kIdOk) return Reenable(Next::kRestart);
    const std::size_t first = dialog.host.find_first_not_of(' ');
    if (first == std::string::npos) {
        // Searching the neighbourhood needs a name service this platform does not offer: the
        // host's name or address must be typed.
        view_.ShowStatus("ERROR - Can't find the host's game. Be sure to start a host game first.");
        return Reenable(Next::kRestart);
    }
    const std::string host =
        dialog.host.substr(first, dialog.host.find_last_not_of(' ') - first + 1);
    g_settingsString176 = host;
    g_isSavingHostAddress = true;
    view_.SaveSettings();
    g_isSavingHostAddress = false;
    view_.PlayGameSound(kStartSound);
    if (!view_.JoinNetworkGame(host)) return Reenable(Next::kRestart);
    return Next::kLeave;
}

}  // namespace new_game
