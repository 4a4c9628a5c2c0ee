// The scores file read for display: its records field by field, the filters of the Scores window,
// and the lines of the Scores and All-scores lists.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "setup/scores_file.h"

namespace platform {
class Files;
}

namespace scores {

// One record as the lists show it. Texts stop at their first NUL and never run past their
// field; the title has its trailing blanks and NULs stripped.
struct Entry {
    std::string title;
    std::int32_t players = 0;
    std::int32_t oneForOne = 0;
    std::int32_t hidden = 0;
    std::int32_t normalLevel = 0;
    std::int32_t noStrongholds = 0;
    std::int32_t noExperience = 0;
    std::int32_t mission = 0;
    std::array<std::int32_t, 10> personalities{};
    std::uint8_t randomMix = 0;
    std::int32_t losses = 0;
    std::int32_t humans = 0;
    std::string date;
    std::string winner;
};

Entry ReadEntry(const Record& record);

// The whole records of the file, oldest first; a short piece at its end is left out.
// `opened` is false when the file could not be read; nothing is ever created or written.
struct ReadResult {
    bool opened = false;
    std::vector<Entry> entries;
};
ReadResult ReadScores(const platform::Files& files, const std::string& path);

// The message shown when the scores file cannot be read.
inline constexpr char kCannotReadMessage[] = "The scores file could not be read:";

// What the Scores window lists. Map and players are the selected texts of their lists; the
// radio values are the index of the checked button; the last button of each group passes all.
struct Filters {
    std::string map = "*";
    std::string players = " *";
    std::int32_t rule = 2;
    std::int32_t hidden = 2;
    std::int32_t level = 2;
    std::int32_t strongholds = 2;
    std::int32_t experience = 2;
    std::int32_t mission = 3;
    std::int32_t personalities = 3;
};
inline constexpr char kAnyMap[] = "*";
inline constexpr char kAnyPlayers[] = " *";

// 0 all Normal, 1 random mix, 2 chosen by the player.
std::int32_t PersonalityKind(const Entry& entry);
bool PassesFilters(const Entry& entry, const Filters& filters);

// A title as the map list shows it: padded with blanks and cut to 14 characters.
std::string ListTitle(const std::string& title);
// "%2d" of a player count, cut to 2 characters.
std::string PlayersText(std::int32_t players);

// The filters and selections of the game being played (or played last).
Filters CurrentGameFilters();

// The map list: "*", the built-in titles, the current game's title and every title of the file,
// each once whatever its letter case; the players list: " *", " 2" .. "10". Both sorted.
std::vector<std::string> MapChoices(const std::vector<Entry>& entries);
std::vector<std::string> PlayerChoices();

// "%6d" losses, date and winner: the Scores list's line.
std::string RecordLine(const Entry& entry);
// Every setting of the game in fixed columns: the All-scores list's line.
std::string AllScoresLine(const Entry& entry);

// The lines of the records that pass, in the lists' order.
std::vector<std::string> ListedLines(const std::vector<Entry>& entries, const Filters& filters);
std::vector<std::string> AllScoresLines(const std::vector<Entry>& entries);
// The lists' order: ListTextLess, records of equal text kept in file order.
void SortLines(std::vector<std::string>& lines);

}  // namespace scores
