// Quick Launch: a single-player game with the settings of the last saved game, and the fields it
// reads from that game's record.
#pragma once

#include <cstddef>
#include <cstdint>

#include "setup/new_game.h"

class CChildView;

namespace quick_launch {

inline constexpr std::size_t kSavedGameSize = 5584;
inline constexpr char kWrongVersionText[] = ".Mrvek file is wrong version.";

// Offsets of the saved-game record that Quick Launch reads.
inline constexpr std::size_t kCardTurnInMarker = 3696;
inline constexpr std::size_t kHumanPlayerCount = 3700;
inline constexpr std::size_t kPlayerCount = 3704;
inline constexpr std::size_t kReservedByte = 3708;
inline constexpr std::size_t kEarnedCard = 3756;
inline constexpr std::size_t kRule = 3757;
inline constexpr std::size_t kHidden = 3758;
inline constexpr std::size_t kStrongholds = 3759;
inline constexpr std::size_t kNeutralArmy = 3760;
inline constexpr std::size_t kLevel = 3764;
inline constexpr std::size_t kPersonalities = 3772;
inline constexpr std::size_t kAvengeTargets = 3816;
inline constexpr std::size_t kUnstableMarks = 3860;
inline constexpr std::size_t kRandomMix = 3900;
inline constexpr std::size_t kTroopExperience = 3924;
inline constexpr std::size_t kMissionKind = 3936;
inline constexpr std::size_t kNames = 5108;  // 20 bytes per player
inline constexpr std::size_t kNameWidth = 20;

// Applies the settings of g_savedGame, each value brought into its valid range.
void ApplyRecord();

}  // namespace quick_launch

namespace new_game {
// Reads the last saved game into g_savedGame and applies it; refuses with the notice or the
// wrong-version message and ends New Game.
Next ReadQuickLaunchRecord(CChildView& view);
}  // namespace new_game
