// The fixed-size records of the files the game keeps.
#include "shell/storage.h"

std::array<std::uint8_t, 752> g_settings{};
std::array<std::uint8_t, 5584> g_savedGame{};
std::array<std::uint8_t, 140> g_scoreRecord{};

void ResetStorageState() {
    g_settings.fill(0);
    g_savedGame.fill(0);
    g_scoreRecord.fill(0);
}
