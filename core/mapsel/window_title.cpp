// The main window's title and the Scores command's description of the game.
#include "core/mapsel/window_title.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "core/child_view.h"
#include "core/model/campaign_state.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "platform/window_services.h"

namespace {

std::string GameKindText() {
    switch (g_gameKind) {
        case game_kind::kSinglePlayer:
            return g_isHighScoreGame ? "" : " - Single Player";
        case game_kind::kDemo:
            return " - Demo";
        case game_kind::kHotseat:
            return " - Hotseat";
        case game_kind::kNetworkHost:
        case game_kind::kNetworkJoined:
            return g_isInternetGame ? " - Internet" : " - LAN";
        default:
            return "";
    }
}

void RemoveTrailingBlanks(std::string& text) {
    text.erase(text.find_last_not_of(' ') + 1);
}

void AppendCampaign(std::string& title) {
    if (g_campaignNumber <= 0) return;
    if (IsBuiltinCampaign(g_campaignNumber)) {
        title += " - ";
        title += CampaignTitle(g_campaignNumber);
    } else if (g_campaignNumber == kOwnCampaign) {
        // A campaign file's name is blank-padded.
        title += " - " + g_campaignName;
        RemoveTrailingBlanks(title);
    }
    char step[48];
    std::snprintf(step, sizeof step, " - Map %d of %d", static_cast<int>(g_campaignStep),
                  static_cast<int>(g_campaignLength));
    title += step;
}

// The continent player 1 is to conquer next; empty when the mission tables hold none.
std::string TargetContinentName() {
    if (g_missionProgress < 0 || g_missionProgress > kMaxContinents) return {};
    const std::int32_t continent = g_missionOrders[1][static_cast<std::size_t>(g_missionProgress)];
    if (continent < 1 || continent > kMaxContinents) return {};
    return g_continentNames[static_cast<std::size_t>(continent)];
}

void AppendMission(std::string& title) {
    if (g_missionKind == mission_kind::kContinents)
        title += " - Continents - " + TargetContinentName();
    if (g_missionKind == mission_kind::kHoldContinents) title += " - Hold Continents";
}

std::string ScoresMapText() {
    if (IsBuiltinCampaign(g_campaignNumber))
        return ",  " + std::string(CampaignTitle(g_campaignNumber));
    if (g_campaignNumber > 0) return {};
    if (g_isMapCustom) return ",  My Map";
    const BuiltinMap* map = SelectedBuiltinMap();
    if (map == nullptr || map->scoresName.empty()) return {};
    return ",  " + std::string(map->scoresName);
}

std::string ScoresGameText() {
    std::string text;
    if (g_playerCount >= 3 && g_playerCount <= kMaxPlayers)
        text = std::to_string(g_playerCount) + " players, ";
    text += IsYes(g_isOneForOneRule) ? "1-for-1" : "Dice-like ";
    return text + ScoresMapText();
}

std::string LossesText() {
    std::int32_t losses = 0;
    if (IsPlayer(g_currentPlayer))
        losses = g_players[static_cast<std::size_t>(g_currentPlayer)][player_field::kLosses];
    char text[16];
    std::snprintf(text, sizeof text, "%5d", static_cast<int>(losses));
    return text;
}

}  // namespace

std::string WindowTitleText() {
    std::string title = "Marovek";
    if (g_isHighScoreGame) title += " - Top 5";
    title += GameKindText();
    title += IsYes(g_isOneForOneRule) ? " - 1 for 1" : " - Dice Like";
    AppendCampaign(title);
    if (!g_isNormalLevel) title += " - Easy";
    AppendMission(title);
    return title;
}

ScoresTexts ScoresDescription() {
    ScoresTexts texts;
    texts.game = ScoresGameText();
    texts.losses = LossesText();
    if (g_areTerritoriesHidden) texts.options += "hidden territories  ";
    if (g_areStrongholdsOn) texts.options += "strongholds";
    return texts;
}

void CChildView::UpdateWindowTitle() {
    // The mission names its continent by the map's names, which a built-in map sets on demand.
    if (g_missionKind == mission_kind::kContinents) SetContinentNames();
    platform_.window.SetWindowTitle(WindowTitleText());
}
