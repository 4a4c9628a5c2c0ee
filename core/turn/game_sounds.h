// The game's sounds: their numbers, the switches that allow them and the files that hold them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

struct GameSound {
    std::uint32_t number;
    std::string_view name;  // file name in the program's sound folder, without ".wav"
    bool* isOn;             // the sound switch of the settings
    bool loops;
};

// Sounds 1..7, 9 and 10; 0 stops the playing sound, 8 and 11 up play nothing.
std::span<const GameSound> GameSounds();
const GameSound* FindGameSound(std::uint32_t number);
