// When the set-up dialogs' choices may be chosen: pure rules over what each dialog is told.
#pragma once

#include <array>
#include <cstdint>

namespace setup_rules {

// The most players of a game: 10, or with strongholds one per continent (at most 10).
std::int32_t MostPlayers(bool strongholds, std::int32_t continents);

// "Computer players" (2..9, and 1 with a neutral army): choices 0..8 of CPlayers234Dlg.
std::array<bool, 9> Players234Enabled(bool demo, bool strongholds, std::int32_t continents);

// "Computer players" 0..9 of CPlayers810Dlg, beside `seated` humans or joined seats.
std::array<bool, 10> Players810Enabled(bool hotseat, bool strongholds, std::int32_t continents,
                                       std::int32_t seated);

// COptiesDlg: "Continents" and "Hold Continents" need a single player without strongholds;
// "Hidden territories" and the level are not for network games.
bool MissionChoicesEnabled(bool hotseat, bool strongholds);
bool HiddenAndLevelEnabled(std::int32_t gameKind);

// The map and campaign dialogs offer their "Load ..." choice outside a high-score game.
bool LoadChoiceShown(bool highScore);

// A row of the personalities dialog is live when its player exists and plays by computer.
bool PersonalityRowLive(std::int32_t player, std::int32_t players, std::int32_t humans);

}  // namespace setup_rules
