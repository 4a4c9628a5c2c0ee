// The New Game sequence's rules that need no dialog: presets, names, the saved game's name, the
// reinforcement notice and the first player.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct BuiltinMap;
namespace platform {
class Random;
}

namespace new_game {

// Set-up codes carried while the first dialogs are answered.
inline constexpr std::int32_t kCodeSinglePlayer = 2;
inline constexpr std::int32_t kCodeHotseat = 22;
inline constexpr std::int32_t kCodeDemo = 40;
inline constexpr std::int32_t kCodeNetwork = 55;
inline constexpr std::int32_t kCodeHost = 55;
inline constexpr std::int32_t kCodeJoin = 66;

// The longest own name; a hotseat name's slot is the same.
inline constexpr std::size_t kNameSlot = 18;

// The preset choice of the computer-players dialog (choice n = n + 2 computer players) for the
// map (`map` nullptr: a map file with its suggested player count).
std::int32_t ComputerPlayersPreset(const BuiltinMap* map, std::int32_t suggestedPlayers,
                                   bool strongholds, std::int32_t continents);

// A typed name as the game takes it: "/" and control characters removed, cut to its slot, a
// name beginning "pc" made "apc" (the computer players' names), and nullopt for a name that
// sorts before "A" (blank, digits, symbols).
std::optional<std::string> AcceptName(const std::string& typed);

// A piece of a file name made from the user's text: "/" and control characters removed, cut to
// `slot` characters, trailing blanks removed.
std::string FileNameWord(const std::string& text, std::size_t slot);

// "%b%d%Y%H%M" of a time (seconds since 1970) in local time, e.g. "Mar052009 1742" without blank.
std::string TimeStamp(std::int64_t seconds);

// The default saved-game name of the game the globals describe.
std::string SavedGameFileName(const std::string& timeStamp);

// The "Reinforcement armies" notice for a map of `territories`; nullopt below 90.
std::optional<std::string> ReinforcementNotice(std::int32_t territories);

// Who places first: never 0 and, with a neutral army, never the neutral army (the last player).
std::int32_t DrawFirstPlayer(platform::Random& random, std::int32_t players, bool neutralArmy);

// What a high-score game's map changes of its fixed rules, as the map's high-score rule says:
// Troop Experience and nine conquerors, or the mission "Hold Continents"; nothing in a campaign.
struct HighScoreOptions {
    bool allConquerors = false;  // with Troop Experience
    std::int32_t missionKind = 0;
};
HighScoreOptions HighScoreOptionsOfMap();

// The personality of computer player 2..10 in a high-score game.
std::int32_t HighScorePersonality(std::int32_t player, bool allConquerors);

}  // namespace new_game
