// The scores file: one 140-byte record per finished game with a winner, appended at its end.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

#include "core/model/yes_no.h"

namespace platform {
class Files;
}

inline constexpr char kScoresFileName[] = "Mrvek55scores.dat";
inline constexpr std::size_t kScoreRecordSize = 140;

namespace scores {

using Record = std::array<std::uint8_t, kScoreRecordSize>;

// Where each field lies in a record; integers are little-endian 32-bit.
inline constexpr std::size_t kTitleOffset = 0;
inline constexpr std::size_t kTitleWidth = 14;
inline constexpr std::size_t kPlayersOffset = 16;
inline constexpr std::size_t kOneForOneOffset = 20;
inline constexpr std::size_t kHiddenOffset = 24;
inline constexpr std::size_t kNormalLevelOffset = 28;
inline constexpr std::size_t kNoStrongholdsOffset = 32;
inline constexpr std::size_t kNoExperienceOffset = 36;
inline constexpr std::size_t kMissionOffset = 40;
inline constexpr std::size_t kPersonalitiesOffset = 48;  // players 1..10
inline constexpr std::size_t kRandomMixOffset = 88;
inline constexpr std::size_t kLossesOffset = 92;
inline constexpr std::size_t kHumansOffset = 96;
inline constexpr std::size_t kDateOffset = 100;
inline constexpr std::size_t kNameOffset = 120;
inline constexpr std::size_t kTextWidth = 20;  // at most 19 characters, NUL-padded

// The file's records are never read whole beyond this: a larger file is left as it is.
inline constexpr std::size_t kMaxFileBytes = kScoreRecordSize * 200000;

// The 14-character title of what was played; empty when nothing names it.
std::string Title();
// "%b%d%Y%H%M" with the English month abbreviations, whatever the locale.
std::string FormatDate(const std::tm& time);
// The winner's name, or in a hotseat game "1." + 7 letters of the winner + " 2." + 7 of the
// other human (player 2 when the winner is player 1, else player 1).
std::string NameText(std::int32_t winner, const std::string& name);

struct Result {
    std::int32_t winner = 0;
    std::int32_t players = 0;
    char ruleByte = kNo;
    std::int32_t losses = 0;
    std::string name;
    std::string date;
};
// A whole record from the result and the game's options, every unused byte 0.
Record BuildRecord(const Result& result);

// Creates the file empty when it does not exist; never touches an existing one.
void EnsureFile(platform::Files& files, const std::string& path);
// Appends one record; false (and the file unchanged) when it cannot.
bool AppendRecord(platform::Files& files, const std::string& path, const Record& record);

}  // namespace scores
