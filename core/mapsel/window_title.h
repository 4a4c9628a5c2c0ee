// The game described in words: the main window's title and the Scores command's texts.
#pragma once

#include <string>

// The title of the main window for the game being played. It names continents only from
// g_continentNames, so that a Continents mission on a built-in map wants them set first.
std::string WindowTitleText();

// What the scores window is told of the game, so that it can show the scores of like games.
struct ScoresTexts {
    std::string game;     // players, rule and map (or campaign)
    std::string losses;   // the current player's losses, "%5d"
    std::string options;  // hidden territories, strongholds
};
ScoresTexts ScoresDescription();
