// Quick Launch: a single-player game with the settings of the last saved game, and the fields it
// reads from that game's record.
#pragma once

#include "setup/new_game.h"

class CChildView;

namespace quick_launch {

// Takes the settings of the record in g_savedGame, each value brought into its valid range.
void ApplyRecord();

}  // namespace quick_launch

namespace new_game {
// Reads the last saved game into g_savedGame and applies it; refuses with the notice or the
// wrong-version message and ends New Game.
Next ReadQuickLaunchRecord(CChildView& view);
}  // namespace new_game
