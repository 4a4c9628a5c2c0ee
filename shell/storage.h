// The fixed-size records of the files the game keeps, read and written field by field.
#pragma once

#include <array>
#include <cstdint>

#include "core/model/files.h"

extern std::array<std::uint8_t, 752> g_settings;     // the settings file's record
extern std::array<std::uint8_t, 5584> g_savedGame;   // one saved game
extern std::array<std::uint8_t, 140> g_scoreRecord;  // one record of the scores file

// Puts every record above back to its value at program start.
void ResetStorageState();
