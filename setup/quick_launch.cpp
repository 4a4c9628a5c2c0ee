// Quick Launch: reading the last saved game's record and taking its settings.
#include "setup/quick_launch.h"

#include <algorithm>
#include <optional>

#include "core/child_view.h"
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "platform/dialog_host.h"
#include "platform/files.h"
#include "platform/window_services.h"
#include "setup/new_game_rules.h"
#include "setup/personalities.h"
#include "setup/saved_game.h"
#include "setup/setup_dialogs.h"
#include "shell/settings.h"
#include "shell/storage.h"

namespace quick_launch {

namespace {

std::int32_t InRange(std::int32_t value, std::int32_t low, std::int32_t high,
                     std::int32_t fallback) {
    return value >= low && value <= high ? value : fallback;
}

// A name without control characters.
std::string Printable(const std::string& text) {
    std::string name;
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) name.push_back(c);
    return name;
}

}  // namespace

void ApplyRecord() {
    const saved_game::Record record = saved_game::Unpack(g_savedGame);
    g_cardTurnInMarker = record.cardTurnInMarker;
    g_savedGameByte3708 = record.reservedByte;
    g_humanPlayerCount = InRange(record.humanPlayers, 1, kMaxPlayers, 1);
    g_playerCount = InRange(record.playerCount, 2, kMaxPlayers, 3);
    g_hasEarnedCardThisTurn = YesNo(IsYes(static_cast<char>(record.earnedCard)));
    g_isOneForOneRule = YesNo(!IsNo(static_cast<char>(record.rule)));
    g_aiMinAttackArmies = IsNo(g_isOneForOneRule) ? 2 : 3;
    g_areTerritoriesHidden = g_isHidingActive = record.hidden != 0;
    g_areStrongholdsOn = record.strongholds != 0;
    g_hasNeutralArmy = record.neutralArmy != 0;
    g_isNormalLevel = record.normalLevel != 0;
    g_isTroopExperienceOn = record.troopExperience != 0;
    g_missionKind = InRange(record.missionKind, mission_kind::kConquerAll,
                            mission_kind::kHoldContinents, mission_kind::kConquerAll);
    for (std::size_t p = 1; p <= kMaxPlayers; ++p) {
        g_personalities[p] = InRange(record.personalities[p], 0, personality::kUnstableMark, 0);
        g_avengeTargets[p] = InRange(record.avengeTargets[p], 0, kMaxPlayers, 0);
        g_unstableMarks[p] =
            record.unstableMarks[p] == personality::kUnstableMark ? personality::kUnstableMark : 0;
    }
    g_isRandomMix = record.randomMix != 0;

    g_gameKind = game_kind::kSinglePlayer;
    for (auto& orders : g_missionOrders) orders.fill(0);
    g_missionProgress = 1;
    g_isMissionFailed = false;
    for (std::size_t p = 1; p <= kMaxPlayers; ++p) g_playerNames[p] = Printable(record.names[p]);
    g_computerPlayerCount = new_game::kCodeSinglePlayer;
}

}  // namespace quick_launch

namespace new_game {

Next ReadQuickLaunchRecord(CChildView& view) {
    platform::Platform& platform = view.Platform();
    g_savedGamePath = g_documentsFolder;
    const std::optional<platform::Bytes> bytes =
        platform.files.Read(g_savedGamePath, saved_game::kSize);
    if (!bytes) {
        platform.dialogs.RunModal(view.Setup().quickLaunch);
        g_canOpen = true;
        return Next::kLeave;
    }
    if (bytes->size() < saved_game::kSize) {
        platform.window.MessageBox(saved_game::kWrongVersionText, "Marovek",
                                   platform::MessageButtons::Ok,
                                   platform::MessageIcon::Information);
        g_canOpen = true;
        return Next::kLeave;
    }
    std::copy(bytes->begin(), bytes->begin() + saved_game::kSize, g_savedGame.begin());
    quick_launch::ApplyRecord();
    return Next::kGo;
}

}  // namespace new_game

void CChildView::OnQuickLaunch() {
    g_isQuickLaunch = true;
    OnNewGame();
}
