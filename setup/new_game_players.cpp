// New Game: the computer players, the high-score game and the demo, the hotseat names and the
// personalities, up to the deal.
#include <algorithm>
#include <array>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "platform/dialog_host.h"
#include "platform/window_services.h"
#include "setup/new_game.h"
#include "setup/new_game_rules.h"
#include "setup/personalities.h"
#include "setup/setup_dialogs.h"
#include "setup/setup_dialogs_rules.h"
#include "shell/settings.h"

namespace new_game {

namespace {

constexpr const char* kComputerNames[kMaxPlayers + 1] = {
    "", "", "pc II", "pc III", "pc IV", "pc V", "pc VI", "pc VII", "pc VIII", "pc IX", "pc X"};
constexpr const char* kOrdinals[kMaxPlayers + 1] = {
    "", "One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten"};

void NameComputerPlayers(std::int32_t first, std::int32_t last) {
    for (std::int32_t p = std::max(first, 2); p <= std::min(last, kMaxPlayers); ++p)
        g_playerNames[static_cast<std::size_t>(p)] = kComputerNames[p];
}

// The rules every high-score game and the demo are played with.
void SetFixedRules() {
    g_isOneForOneRule = kYes;
    g_aiMinAttackArmies = 3;
    g_areTerritoriesHidden = g_isHidingActive = false;
    g_areStrongholdsOn = g_isTroopExperienceOn = false;
}

}  // namespace

Next Sequence::Deal() {
    g_isTestCustomMap = false;
    view_.DealTerritories();
    // A map that cannot be dealt to these players says why; the user chooses again.
    return g_areTerritoriesDealt ? Next::kGo : Reenable(Next::kRestart);
}

Next Sequence::ComputerPlayers() {
    const bool demo = g_gameKind == game_kind::kDemo;
    CPlayers234Dlg& dialog = dialogs_.players234;
    dialog.isDemo = demo;
    dialog.areStrongholdsOn = g_areStrongholdsOn;
    dialog.continents = g_continentCount;
    const BuiltinMap* map = g_isMapCustom ? nullptr : SelectedBuiltinMap();
    dialog.choice =
        ComputerPlayersPreset(map, g_suggestedPlayerCount, g_areStrongholdsOn, g_continentCount);
    if (view_.Platform().dialogs.RunModal(dialog) != kIdOk) return RestartAfterCancel();
    const std::int32_t choice = std::clamp(dialog.choice, 0, CPlayers234Dlg::kNeutralChoice);
    g_computerPlayerCount = choice == CPlayers234Dlg::kNeutralChoice ? 2 : choice + 2;
    g_hasNeutralArmy = choice == CPlayers234Dlg::kNeutralChoice;
    g_humanPlayerCount = 1;
    // In the demo player 1 is nobody: the deal hands its share to one more computer player.
    g_playerCount = g_computerPlayerCount + (demo ? 0 : 1);
    NameComputerPlayers(2, kMaxPlayers);
    return Deal();
}

Next Sequence::HighScoreGame() {
    const Next next = ChooseMap(true, true);
    if (next != Next::kGo) {
        if (next == Next::kRestart) g_isHighScoreGame = false;
        return next;
    }
    SetFixedRules();
    g_playerCount = kMaxPlayers;
    NameComputerPlayers(2, kMaxPlayers);
    const HighScoreOptions options = HighScoreOptionsOfMap();
    const bool conquerors = options.allConquerors;
    g_isTroopExperienceOn = conquerors;
    g_missionKind = options.missionKind;
    g_isRandomMix = false;
    for (int p = 1; p <= kMaxPlayers; ++p) {
        g_personalities[p] = HighScorePersonality(p, conquerors);
        g_avengeTargets[p] = g_unstableMarks[p] = 0;
    }
    g_humanPlayerCount = 1;
    g_computerPlayerCount = kMaxPlayers - 1;
    return Deal();
}

Next Sequence::Demo() {
    g_gameKind = game_kind::kDemo;
    const Next next = ChooseMap(true, false);
    if (next != Next::kGo) return next;
    SetFixedRules();
    g_playerNames[1] = "      ";
    NameComputerPlayers(2, kMaxPlayers);
    g_humanPlayerCount = 1;
    g_isFastSpeed = true;
    return ComputerPlayers();
}

Next Sequence::HotseatNames() {
    const std::int32_t most = setup_rules::MostPlayers(g_areStrongholdsOn, g_continentCount);
    CHotseatnmDlg& dialog = dialogs_.hotseatName;
    std::int32_t humans = 0;
    for (;;) {
        const std::int32_t player = humans + 1;
        dialog.prompt = std::string("Player ") + kOrdinals[player] + ", your name ?";
        dialog.name = SettingsText(kHotseatNamesOffset + kTextSlotWidth * (player - 1));
        g_moreNamesFollow = false;
        if (view_.Platform().dialogs.RunModal(dialog) != kIdOk) return Reenable(Next::kRestart);
        const std::optional<std::string> name = AcceptName(dialog.name);
        if (!name) break;
        humans = player;
        g_playerNames[static_cast<std::size_t>(player)] = *name;
        if (!g_moreNamesFollow || humans >= most) break;
    }
    if (humans < 2) return Reenable(Next::kRestart);
    g_humanPlayerCount = humans;
    g_isSavingHotseatNames = true;
    view_.SaveSettings();
    g_isSavingHotseatNames = false;
    return HotseatComputers(most);
}

Next Sequence::HotseatComputers(std::int32_t most) {
    const std::int32_t humans = g_humanPlayerCount;
    std::int32_t computers = 0;
    if (humans < most) {
        CPlayers810Dlg& dialog = dialogs_.players810;
        dialog.isHotseat = true;
        dialog.areStrongholdsOn = g_areStrongholdsOn;
        dialog.continents = g_continentCount;
        dialog.seated = humans;
        dialog.choice = std::max(2 - humans, 0) + 1;
        do {
            if (view_.Platform().dialogs.RunModal(dialog) != kIdOk) return Next::kRestart;
            computers = std::clamp(dialog.choice, 0, 9);
        } while (humans + computers < 2 || humans + computers > most);
    }
    g_computerPlayerCount = computers;
    g_playerCount = humans + computers;
    if (g_playerCount == 2) {
        g_hasNeutralArmy = true;
        g_playerCount = 3;
        g_computerPlayerCount = 1;
        view_.Platform().window.MessageBox(kNeutralArmyText, "Marovek",
                                           platform::MessageButtons::Ok,
                                           platform::MessageIcon::Information);
    }
    NameComputerPlayers(humans + 1, g_playerCount);
    return Deal();
}

Next Sequence::Personalities() {
    const bool hosted = g_gameKind == game_kind::kNetworkHost;
    if (g_isQuickLaunch || !g_isNormalLevel || hosted || g_hasNeutralArmy ||
        g_playerCount <= g_humanPlayerCount)
        return Next::kGo;
    const std::array<std::int32_t, 11> personalities = g_personalities;
    const bool randomMix = g_isRandomMix;
    if (!ChoosePersonalities(view_, dialogs_.personalities, true)) {
        g_personalities = personalities;
        g_isRandomMix = randomMix;
        return Next::kRestart;
    }
    DrawGamePersonalities(view_.Platform().random);
    return Next::kGo;
}

}  // namespace new_game
