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
#include "setup/setup_dialogs.h"
#include "shell/settings.h"
#include "shell/storage.h"

namespace quick_launch {

namespace {

std::uint8_t Byte(std::size_t offset) {
    return g_savedGame[offset];
}

std::int32_t I32(std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(g_savedGame[offset + i]) << (8 * i);
    return static_cast<std::int32_t>(value);
}

std::int32_t InRange(std::int32_t value, std::int32_t low, std::int32_t high,
                     std::int32_t fallback) {
    return value >= low && value <= high ? value : fallback;
}

// A name field: up to its first zero, at most 19 characters, without control characters.
std::string Name(std::size_t offset) {
    std::string name;
    for (std::size_t i = 0; i < kNameWidth - 1 && Byte(offset + i) != 0; ++i) {
        const auto c = static_cast<char>(Byte(offset + i));
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) name.push_back(c);
    }
    return name;
}

}  // namespace

void ApplyRecord() {
    g_cardTurnInMarker = I32(kCardTurnInMarker);
    g_savedGameByte3708 = Byte(kReservedByte);
    g_humanPlayerCount = InRange(I32(kHumanPlayerCount), 1, kMaxPlayers, 1);
    g_playerCount = InRange(I32(kPlayerCount), 2, kMaxPlayers, 3);
    g_hasEarnedCardThisTurn = YesNo(IsYes(Byte(kEarnedCard)));
    g_isOneForOneRule = YesNo(!IsNo(Byte(kRule)));
    g_aiMinAttackArmies = IsNo(g_isOneForOneRule) ? 2 : 3;
    g_areTerritoriesHidden = g_isHidingActive = Byte(kHidden) != 0;
    g_areStrongholdsOn = Byte(kStrongholds) != 0;
    g_hasNeutralArmy = Byte(kNeutralArmy) != 0;
    g_isNormalLevel = I32(kLevel) != 0;
    g_isTroopExperienceOn = Byte(kTroopExperience) != 0;
    g_missionKind = InRange(I32(kMissionKind), mission_kind::kConquerAll,
                            mission_kind::kHoldContinents, mission_kind::kConquerAll);
    for (int p = 1; p <= kMaxPlayers; ++p) {
        const std::size_t at = 4 * static_cast<std::size_t>(p - 1);
        g_personalities[p] = InRange(I32(kPersonalities + at), 0, personality::kUnstableMark, 0);
        g_avengeTargets[p] = InRange(I32(kAvengeTargets + at), 0, kMaxPlayers, 0);
        g_unstableMarks[p] =
            I32(kUnstableMarks + at) == personality::kUnstableMark ? personality::kUnstableMark : 0;
    }
    g_isRandomMix = Byte(kRandomMix) != 0;

    g_gameKind = game_kind::kSinglePlayer;
    for (auto& orders : g_missionOrders) orders.fill(0);
    g_missionProgress = 1;
    g_isMissionFailed = false;
    for (int p = 1; p <= kMaxPlayers; ++p) {
        g_playerNames[p] = std::string(18, ' ');
        g_playerNames[p] = Name(kNames + kNameWidth * static_cast<std::size_t>(p - 1));
    }
    g_computerPlayerCount = new_game::kCodeSinglePlayer;
}

}  // namespace quick_launch

namespace new_game {

Next ReadQuickLaunchRecord(CChildView& view) {
    platform::Platform& platform = view.Platform();
    g_savedGamePath = g_documentsFolder;
    const std::optional<platform::Bytes> bytes =
        platform.files.Read(g_savedGamePath, quick_launch::kSavedGameSize);
    if (!bytes) {
        platform.dialogs.RunModal(view.Setup().quickLaunch);
        g_canOpen = true;
        return Next::kLeave;
    }
    if (bytes->size() < quick_launch::kSavedGameSize) {
        platform.window.MessageBox(quick_launch::kWrongVersionText, "Marovek",
                                   platform::MessageButtons::Ok,
                                   platform::MessageIcon::Information);
        g_canOpen = true;
        return Next::kLeave;
    }
    std::copy(bytes->begin(), bytes->begin() + quick_launch::kSavedGameSize, g_savedGame.begin());
    quick_launch::ApplyRecord();
    return Next::kGo;
}

}  // namespace new_game

void CChildView::OnQuickLaunch() {
    g_isQuickLaunch = true;
    OnNewGame();
}
