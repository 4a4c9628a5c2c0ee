// Reading the scores file for display, the Scores window's filters and the lines of both lists.
#include "setup/scores_list.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/model/yes_no.h"
#include "core/turn/turn_state.h"
#include "platform/dialog.h"
#include "platform/files.h"

namespace scores {
namespace {

constexpr std::size_t kTextChars = kTextWidth - 1;
constexpr std::size_t kDateChars = 9;
constexpr char kPersonalityLetters[] = "NCDATHU";
constexpr char kMissionLetters[] = "ACH";
// What a value outside its table shows, so that the columns after it stay in place.
constexpr char kUnknownLetter = '?';

std::int32_t I32At(const Record& record, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) bits |= std::uint32_t{record[offset + i]} << (8 * i);
    return static_cast<std::int32_t>(bits);
}

// The field's text up to its first NUL and at most `chars` characters; control characters of a
// damaged file are shown as '?'.
std::string TextAt(const Record& record, std::size_t offset, std::size_t chars) {
    std::string text;
    for (std::size_t i = 0; i < chars; ++i) {
        const std::uint8_t c = record[offset + i];
        if (c == 0) break;
        text += (c < 0x20 || c == 0x7F) ? kUnknownLetter : static_cast<char>(c);
    }
    return text;
}

std::string StripTitle(std::string title) {
    while (!title.empty() && (title.back() == ' ' || title.back() == '\0')) title.pop_back();
    return title;
}

bool SameNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool PassesChoice(std::int32_t filter, std::int32_t value, std::int32_t any) {
    return filter == any || filter == value;
}

char LetterOf(const char* letters, std::size_t count, std::int32_t value) {
    if (value < 0 || static_cast<std::size_t>(value) >= count) return kUnknownLetter;
    return letters[value];
}

std::string PersonalityColumn(const Entry& entry) {
    std::string column;
    for (std::int32_t k = 1; k <= 10; ++k) {
        if (k <= entry.humans)
            column += 'P';
        else if (k > entry.players)
            column += ' ';
        else
            column += LetterOf(kPersonalityLetters, sizeof kPersonalityLetters - 1,
                               entry.personalities[static_cast<std::size_t>(k - 1)]);
    }
    return column;
}

}  // namespace

Entry ReadEntry(const Record& record) {
    Entry e;
    e.title = StripTitle(TextAt(record, kTitleOffset, kTitleWidth));
    e.players = I32At(record, kPlayersOffset);
    e.oneForOne = I32At(record, kOneForOneOffset);
    e.hidden = I32At(record, kHiddenOffset);
    e.normalLevel = I32At(record, kNormalLevelOffset);
    e.noStrongholds = I32At(record, kNoStrongholdsOffset);
    e.noExperience = I32At(record, kNoExperienceOffset);
    e.mission = I32At(record, kMissionOffset);
    for (std::size_t p = 0; p < e.personalities.size(); ++p)
        e.personalities[p] = I32At(record, kPersonalitiesOffset + 4 * p);
    e.randomMix = record[kRandomMixOffset];
    e.losses = I32At(record, kLossesOffset);
    e.humans = I32At(record, kHumansOffset);
    e.date = TextAt(record, kDateOffset, kTextChars);
    e.winner = TextAt(record, kNameOffset, kTextChars);
    return e;
}

ReadResult ReadScores(const platform::Files& files, const std::string& path) {
    ReadResult result;
    if (path.empty()) return result;
    const std::optional<platform::Bytes> bytes = files.Read(path, kMaxFileBytes);
    if (!bytes) return result;
    result.opened = true;
    const std::size_t whole = bytes->size() / kScoreRecordSize;
    result.entries.reserve(whole);
    for (std::size_t r = 0; r < whole; ++r) {
        Record record;
        std::copy_n(bytes->begin() + static_cast<long>(r * kScoreRecordSize), kScoreRecordSize,
                    record.begin());
        result.entries.push_back(ReadEntry(record));
    }
    return result;
}

std::int32_t PersonalityKind(const Entry& entry) {
    if (entry.randomMix != 0) return 1;
    const bool chosen = std::any_of(entry.personalities.begin(), entry.personalities.end(),
                                    [](std::int32_t p) { return p != 0; });
    return chosen ? 2 : 0;
}

bool PassesFilters(const Entry& entry, const Filters& filters) {
    const bool anyMap = filters.map.empty() || filters.map.front() == '*';
    if (!anyMap && StripTitle(filters.map.substr(0, kTitleWidth)) != entry.title) return false;
    const std::string players = filters.players.substr(0, 2);
    if (players != kAnyPlayers && players != PlayersText(entry.players)) return false;
    return PassesChoice(filters.rule, entry.oneForOne, 2) &&
           PassesChoice(filters.hidden, entry.hidden, 2) &&
           PassesChoice(filters.level, entry.normalLevel, 2) &&
           PassesChoice(filters.strongholds, entry.noStrongholds, 2) &&
           PassesChoice(filters.experience, entry.noExperience, 2) &&
           PassesChoice(filters.mission, entry.mission, 3) &&
           PassesChoice(filters.personalities, PersonalityKind(entry), 3);
}

std::string ListTitle(const std::string& title) {
    return (title + std::string(kTitleWidth, ' ')).substr(0, kTitleWidth);
}

std::string PlayersText(std::int32_t players) {
    char text[16];
    std::snprintf(text, sizeof text, "%2d", static_cast<int>(players));
    return std::string(text).substr(0, 2);
}

Filters CurrentGameFilters() {
    Filters f;
    const std::string title = StripTitle(Title());
    f.map = title.empty() ? std::string(kAnyMap) : ListTitle(title);
    f.players = PlayersText(g_hasNeutralArmy ? 2 : g_playerCount);
    f.rule = IsYes(g_isOneForOneRule) ? 1 : 0;
    f.hidden = g_areTerritoriesHidden ? 1 : 0;
    f.level = g_isNormalLevel ? 1 : 0;
    f.strongholds = g_areStrongholdsOn ? 0 : 1;
    f.experience = g_isTroopExperienceOn ? 0 : 1;
    f.mission = g_missionKind >= 0 && g_missionKind <= 2 ? g_missionKind : 3;
    f.personalities = 0;
    // The scores record personalities only where they apply; the filter follows the same rule.
    if (g_isNormalLevel && !IsNetworkGame() && !g_hasNeutralArmy) {
        const bool chosen = std::any_of(g_personalities.begin() + 1, g_personalities.end(),
                                        [](std::int32_t p) { return p != 0; });
        f.personalities = g_isRandomMix ? 1 : chosen ? 2 : 0;
    }
    return f;
}

std::vector<std::string> MapChoices(const std::vector<Entry>& entries) {
    std::vector<std::string> titles;
    const auto add = [&](const std::string& title) {
        const std::string stripped = StripTitle(title.substr(0, kTitleWidth));
        if (stripped.empty()) return;
        for (const std::string& known : titles)
            if (SameNoCase(known, stripped)) return;
        titles.push_back(stripped);
    };
    for (const BuiltinMap* map : MapMenuOrder()) add(std::string(map->scoreTitle));
    for (int campaign = 1; campaign < kOwnCampaign; ++campaign) add(CampaignScoreTitle(campaign));
    add(Title());
    for (const Entry& entry : entries) add(entry.title);
    std::vector<std::string> choices{kAnyMap};
    for (const std::string& title : titles) choices.push_back(ListTitle(title));
    SortLines(choices);
    return choices;
}

std::vector<std::string> PlayerChoices() {
    std::vector<std::string> choices{kAnyPlayers};
    for (std::int32_t n = 2; n <= kMaxPlayers; ++n) choices.push_back(PlayersText(n));
    SortLines(choices);
    return choices;
}

std::string RecordLine(const Entry& entry) {
    char text[64];
    std::snprintf(text, sizeof text, "%6d  %-9.9s  %.19s", static_cast<int>(entry.losses),
                  entry.date.c_str(), entry.winner.c_str());
    return text;
}

std::string AllScoresLine(const Entry& entry) {
    const auto yesNo = [](bool yes) { return yes ? "Y" : "N"; };
    char losses[16];
    std::snprintf(losses, sizeof losses, "%6d", static_cast<int>(entry.losses));
    std::string line = ListTitle(entry.title);
    line += " " + PlayersText(entry.players) + "    ";
    line += yesNo(entry.oneForOne == 0) + std::string("   ");
    line += yesNo(entry.hidden != 0) + std::string("  ");
    line += yesNo(entry.noStrongholds != 1) + std::string("  ");
    line += yesNo(entry.noExperience != 1) + std::string("  ");
    line += LetterOf(kMissionLetters, sizeof kMissionLetters - 1, entry.mission);
    line += "  ";
    line += entry.normalLevel != 0 ? "Normal" : "Easy  ";
    line += " " + PersonalityColumn(entry) + "  ";
    line += std::string(losses) + "  ";
    line += (entry.date + std::string(kDateChars, ' ')).substr(0, kDateChars) + "  ";
    line += entry.winner.substr(0, kTextChars);
    return line;
}

std::vector<std::string> ListedLines(const std::vector<Entry>& entries, const Filters& filters) {
    std::vector<std::string> lines;
    for (const Entry& entry : entries)
        if (PassesFilters(entry, filters)) lines.push_back(RecordLine(entry));
    SortLines(lines);
    return lines;
}

std::vector<std::string> AllScoresLines(const std::vector<Entry>& entries) {
    std::vector<std::string> lines;
    lines.reserve(entries.size());
    for (const Entry& entry : entries) lines.push_back(AllScoresLine(entry));
    SortLines(lines);
    return lines;
}

void SortLines(std::vector<std::string>& lines) {
    std::stable_sort(lines.begin(), lines.end(), ListTextLess);
}

}  // namespace scores
