// Tests of the scores file read for display: damaged and unreadable files, the bounded texts,
// the filters, the order and columns of both lists, and the filters of the game being played.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "platform/posix/posix_files.h"
#include "setup/scores_list.h"
#include "tests/support/view_fixture.h"

namespace {

// One game as the fixture files record it; every field at its offset, byte by byte.
struct Game {
    std::string title = "World";
    std::int32_t players = 4;
    std::int32_t oneForOne = 0;
    std::int32_t hidden = 0;
    std::int32_t normal = 1;
    std::int32_t noStrongholds = 1;
    std::int32_t noExperience = 1;
    std::int32_t mission = 0;
    std::array<std::int32_t, 10> personalities{};
    std::uint8_t randomMix = 0;
    std::int32_t losses = 10;
    std::int32_t humans = 1;
    std::string date = "Dec0920260805";
    std::string winner = "Anna";
};

void Put(scores::Record& r, std::size_t offset, std::int32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        r[offset + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
}
// Up to `width` bytes of `text`; the rest of the field stays as the record held it.
void Put(scores::Record& r, std::size_t offset, std::size_t width, const std::string& text) {
    std::memcpy(r.data() + offset, text.data(), std::min(width, text.size()));
}

scores::Record RecordOf(const Game& g) {
    scores::Record r{};
    Put(r, scores::kTitleOffset, 14, g.title);
    Put(r, scores::kPlayersOffset, g.players);
    Put(r, scores::kOneForOneOffset, g.oneForOne);
    Put(r, scores::kHiddenOffset, g.hidden);
    Put(r, scores::kNormalLevelOffset, g.normal);
    Put(r, scores::kNoStrongholdsOffset, g.noStrongholds);
    Put(r, scores::kNoExperienceOffset, g.noExperience);
    Put(r, scores::kMissionOffset, g.mission);
    for (std::size_t p = 0; p < 10; ++p)
        Put(r, scores::kPersonalitiesOffset + 4 * p, g.personalities[p]);
    r[scores::kRandomMixOffset] = g.randomMix;
    Put(r, scores::kLossesOffset, g.losses);
    Put(r, scores::kHumansOffset, g.humans);
    Put(r, scores::kDateOffset, 20, g.date);
    Put(r, scores::kNameOffset, 20, g.winner);
    return r;
}

std::vector<scores::Entry> EntriesOf(const std::vector<Game>& games) {
    std::vector<scores::Entry> entries;
    for (const Game& g : games) entries.push_back(scores::ReadEntry(RecordOf(g)));
    return entries;
}

// The winners of the listed lines (the name column starts at 19), sorted.
std::vector<std::string> Winners(const std::vector<std::string>& lines) {
    std::vector<std::string> names;
    for (const std::string& line : lines) names.push_back(line.substr(19));
    std::sort(names.begin(), names.end());
    return names;
}

class ScoresRead : public ::testing::Test {
  protected:
    void SetUp() override { folder_ = test_support::MakeTemporaryFolder("scoreslist"); }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string Path() const { return folder_ + "/Mrvek55scores.dat"; }

    std::string folder_;
    posix::PosixFiles files_{std::string(),
                             [](const std::string&) { return std::optional<std::string>(); }};
};

TEST_F(ScoresRead, WholeRecordsOnlyAndNothingMadeByReading) {
    const scores::Record a = RecordOf({.winner = "Anna"});
    const scores::Record b = RecordOf({.title = "Europe", .winner = "Bert"});
    const scores::Record c = RecordOf({.title = "China", .winner = "Cleo"});
    struct Case {
        const char* name;
        std::vector<scores::Record> records;
        std::size_t fragment;  // bytes of a third record cut short
        std::vector<std::string> winners;
    };
    const Case cases[] = {
        {"empty", {}, 0, {}},
        {"two records", {a, b}, 0, {"Anna", "Bert"}},
        // The piece at the end must not come out as a record of the previous one's leftovers.
        {"two records and a fragment", {a, b}, 70, {"Anna", "Bert"}},
        {"only a fragment", {}, 139, {}},
    };
    for (const Case& c0 : cases) {
        std::vector<std::uint8_t> bytes;
        for (const scores::Record& r : c0.records) bytes.insert(bytes.end(), r.begin(), r.end());
        bytes.insert(bytes.end(), c.begin(), c.begin() + static_cast<long>(c0.fragment));
        test_support::WriteBytes(Path(), bytes);
        const scores::ReadResult read = scores::ReadScores(files_, Path());
        EXPECT_TRUE(read.opened) << c0.name;
        std::vector<std::string> winners;
        for (const scores::Entry& e : read.entries) winners.push_back(e.winner);
        EXPECT_EQ(winners, c0.winners) << c0.name;
        EXPECT_EQ(std::filesystem::file_size(Path()), bytes.size()) << c0.name;
    }

    // A file that is missing or cannot be read as one is reported, and none is made.
    std::filesystem::remove(Path());
    EXPECT_FALSE(scores::ReadScores(files_, Path()).opened);
    EXPECT_FALSE(std::filesystem::exists(Path()));
    std::filesystem::create_directory(Path());
    const scores::ReadResult folder = scores::ReadScores(files_, Path());
    EXPECT_FALSE(folder.opened);
    EXPECT_TRUE(folder.entries.empty());
    EXPECT_TRUE(std::filesystem::is_directory(Path()));
}

TEST(ScoresEntry, TextsStopAtTheirFieldAndTitlesLoseTheirPadding) {
    // Full fields without a NUL: at most 19 characters of the 20-byte texts; the title never
    // runs into the reserved bytes after it.
    scores::Record full = RecordOf(
        {.title = "ABCDEFGHIJKLMN", .date = std::string(20, 'D'), .winner = std::string(20, 'W')});
    full[14] = 'X';
    full[15] = 'Y';
    const scores::Entry e = scores::ReadEntry(full);
    EXPECT_EQ(e.title, "ABCDEFGHIJKLMN");
    EXPECT_EQ(e.date, std::string(19, 'D'));
    EXPECT_EQ(e.winner, std::string(19, 'W'));

    struct Case {
        std::string title;
        std::string expected;
    };
    const Case cases[] = {
        {"World         ", "World"},     // a built-in title, blank-padded
        {"MyMap", "MyMap"},              // a map file's name, NUL-padded
        {"Swamp II      ", "Swamp II"},  // inner blanks stay
        {"", ""},                        // a game without a title
    };
    for (const Case& c : cases)
        EXPECT_EQ(scores::ReadEntry(RecordOf({.title = c.title})).title, c.expected) << c.title;
    // Control bytes of a damaged file are not passed to the lists.
    EXPECT_EQ(scores::ReadEntry(RecordOf({.winner = "A\nB\x01"})).winner, "A?B?");
}

TEST(ScoresFilters, EachGroupNarrowsAndTheLastButtonPassesAll) {
    const auto entries = EntriesOf({
        {.players = 4, .oneForOne = 0, .noStrongholds = 0, .noExperience = 0, .winner = "a"},
        {.oneForOne = 1, .hidden = 1, .normal = 0, .mission = 1, .randomMix = 1, .winner = "b"},
        {.title = "Europe", .players = 10, .mission = 2, .personalities = {0, 0, 3}, .winner = "c"},
        {.title = "world", .players = 2, .winner = "d"},
        {.title = "", .players = 3, .winner = "e"},
    });
    using F = scores::Filters;
    struct Case {
        const char* name;
        F filters;
        std::vector<std::string> winners;
    };
    const Case cases[] = {
        {"everything", {}, {"a", "b", "c", "d", "e"}},
        // Titles match exactly, whatever padding either side has.
        {"map", {.map = "World         "}, {"a", "b"}},
        {"map in another case", {.map = "world"}, {"d"}},
        {"players", {.players = " 2"}, {"d"}},
        {"ten players", {.players = "10"}, {"c"}},
        {"1-for-1", {.rule = 1}, {"b"}},
        {"dice", {.rule = 0}, {"a", "c", "d", "e"}},
        {"hidden", {.hidden = 1}, {"b"}},
        {"easy", {.level = 0}, {"b"}},
        {"with strongholds", {.strongholds = 0}, {"a"}},
        {"with troop experience", {.experience = 0}, {"a"}},
        {"continents", {.mission = 1}, {"b"}},
        {"hold continents", {.mission = 2}, {"c"}},
        {"all normal", {.personalities = 0}, {"a", "d", "e"}},
        {"random mix", {.personalities = 1}, {"b"}},
        {"custom", {.personalities = 2}, {"c"}},
        {"two groups", {.players = " 4", .rule = 0}, {"a"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Winners(scores::ListedLines(entries, c.filters)), c.winners) << c.name;
}

TEST(ScoresLists, LinesSortByLossesThenDateThenWinner) {
    const auto entries = EntriesOf({
        {.losses = 40, .date = "Mar0120261200", .winner = "Zed"},
        {.losses = 100, .date = "Jan0120261200", .winner = "Ida"},
        {.losses = 40, .date = "Apr0220261200", .winner = "bob"},
        {.losses = 5, .date = "Jan0520260900", .winner = "Cy"},
        {.losses = 40, .date = "Apr0220261200", .winner = "Amy"},
        {.losses = 7, .date = "Jan", .winner = "1.Annabel 2.Barthol"},
    });
    const std::vector<std::string> expected = {
        "     5  Jan052026  Cy",  "     7  Jan        1.Annabel 2.Barthol",
        "    40  Apr022026  Amy", "    40  Apr022026  bob",
        "    40  Mar012026  Zed", "   100  Jan012026  Ida",
    };
    EXPECT_EQ(scores::ListedLines(entries, {}), expected);
}

TEST(ScoresLists, MapChoicesHoldEachTitleOnceAndPlayersTwoToTen) {
    ClearMapFlags();
    g_isMapWorld = true;
    const auto choices = scores::MapChoices(
        EntriesOf({{.title = "WORLD"}, {.title = "MyMap"}, {.title = "MYMAP"}, {.title = ""}}));
    ASSERT_FALSE(choices.empty());
    EXPECT_EQ(choices.front(), "*");
    std::set<std::string> folded;
    for (const std::string& choice : choices) {
        EXPECT_TRUE(choice == "*" || choice.size() == 14) << choice;
        std::string lower = choice;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char ch) { return std::tolower(ch); });
        EXPECT_TRUE(folded.insert(lower).second) << "twice: " << choice;
    }
    for (const char* title : {"World         ", "Swamp         ", "Swamp II      ",
                              "Marovek       ", "N. Atlantic   ", "MyMap         "})
        EXPECT_NE(std::find(choices.begin(), choices.end(), title), choices.end()) << title;
    EXPECT_EQ(choices.size(), 1u + 18u + 1u);
    EXPECT_TRUE(std::is_sorted(choices.begin(), choices.end(), ListTextLess));

    const std::vector<std::string> players = {" *", " 2", " 3", " 4", " 5",
                                              " 6", " 7", " 8", " 9", "10"};
    EXPECT_EQ(scores::PlayerChoices(), players);
}

TEST(ScoresLists, AllScoresColumnsStayInPlace) {
    struct Case {
        const char* name;
        Game game;
        std::vector<std::pair<std::size_t, std::string>> columns;  // position, text
    };
    const Case cases[] = {
        {"single player, 3 players",
         {.title = "World",
          .players = 3,
          .noStrongholds = 1,
          .noExperience = 0,
          .personalities = {0, 1, 2},
          .losses = 12,
          .winner = "Annabella"},
         {{0, "World           3    Y   N  N  Y  A  Normal PCD             12  Dec092026  "},
          {75, "Annabella"}}},
        {"hotseat, 1-for-1, hidden, easy, continents",
         {.title = "Europe",
          .players = 10,
          .oneForOne = 1,
          .hidden = 1,
          .normal = 0,
          .noStrongholds = 0,
          .mission = 1,
          .personalities = {0, 0, 4, 5, 6, 3, 0, 0, 0, 0},
          .humans = 2,
          .winner = "1.Anna 2.Bert"},
         {{15, "10"},
          {21, "N"},
          {25, "Y"},
          {28, "Y"},
          {31, "N"},
          {34, "C"},
          {37, "Easy  "},
          {44, "PPTHUANNNN"},
          {75, "1.Anna 2.Bert"}}},
        // Values outside their tables keep the columns after them in place.
        {"damaged values",
         {.players = 2, .mission = 9, .personalities = {0, 42}, .humans = 1, .winner = "Z"},
         {{34, "?"}, {44, "P?        "}, {75, "Z"}}},
    };
    for (const Case& c : cases) {
        const std::string line = scores::AllScoresLine(scores::ReadEntry(RecordOf(c.game)));
        for (const auto& [at, text] : c.columns)
            EXPECT_EQ(line.substr(at, text.size()), text) << c.name << " at " << at;
    }
    // Records of one map stand together, ordered by players.
    const auto lines = scores::AllScoresLines(EntriesOf({{.title = "World", .players = 10},
                                                         {.title = "Europe"},
                                                         {.title = "World", .players = 2}}));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(0, 17), "Europe          4");
    EXPECT_EQ(lines[1].substr(0, 17), "World           2");
    EXPECT_EQ(lines[2].substr(0, 17), "World          10");
}

TEST(ScoresCurrentGame, FiltersFollowTheGameBeingPlayed) {
    struct Case {
        const char* name;
        void (*set)();
        scores::Filters expected;
    };
    const Case cases[] = {
        {"world, every option on",
         [] {
             g_isOneForOneRule = kYes;
             g_areTerritoriesHidden = g_areStrongholdsOn = g_isTroopExperienceOn = true;
             g_missionKind = 1;
             g_personalities[3] = 2;
         },
         {.map = "World         ",
          .players = " 4",
          .rule = 1,
          .hidden = 1,
          .level = 1,
          .strongholds = 0,
          .experience = 0,
          .mission = 1,
          .personalities = 2}},
        {"easy, no personalities",
         [] {
             g_isNormalLevel = false;
             g_personalities[3] = 2;
         },
         {.map = "World         ",
          .players = " 4",
          .rule = 0,
          .hidden = 0,
          .level = 0,
          .strongholds = 1,
          .experience = 1,
          .mission = 0,
          .personalities = 0}},
        {"neutral army",
         [] {
             g_hasNeutralArmy = true;
             g_isRandomMix = true;
         },
         {.map = "World         ",
          .players = " 2",
          .rule = 0,
          .hidden = 0,
          .level = 1,
          .strongholds = 1,
          .experience = 1,
          .mission = 0,
          .personalities = 0}},
        {"map file, random mix, strange mission",
         [] {
             g_isMapCustom = true;
             g_mapName = "MyMap";
             g_isRandomMix = true;
             g_missionKind = 7;
         },
         {.map = "MyMap         ",
          .players = " 4",
          .rule = 0,
          .hidden = 0,
          .level = 1,
          .strongholds = 1,
          .experience = 1,
          .mission = 3,
          .personalities = 1}},
        {"campaign",
         [] { g_campaignNumber = 3; },
         {.map = "N. Atlantic   ",
          .players = " 4",
          .rule = 0,
          .hidden = 0,
          .level = 1,
          .strongholds = 1,
          .experience = 1,
          .mission = 0,
          .personalities = 0}},
    };
    for (const Case& c : cases) {
        ClearMapFlags();
        g_isMapWorld = true;
        g_isMapCustom = false;
        g_campaignNumber = 0;
        g_playerCount = 4;
        g_isNormalLevel = true;
        g_isOneForOneRule = kNo;
        g_areTerritoriesHidden = g_areStrongholdsOn = g_isTroopExperienceOn = false;
        g_hasNeutralArmy = g_isRandomMix = false;
        g_missionKind = 0;
        g_personalities.fill(0);
        c.set();
        const scores::Filters f = scores::CurrentGameFilters();
        const scores::Filters& e = c.expected;
        EXPECT_EQ(f.map, e.map) << c.name;
        EXPECT_EQ(f.players, e.players) << c.name;
        EXPECT_EQ(std::vector<int>({f.rule, f.hidden, f.level, f.strongholds, f.experience,
                                    f.mission, f.personalities}),
                  std::vector<int>({e.rule, e.hidden, e.level, e.strongholds, e.experience,
                                    e.mission, e.personalities}))
            << c.name;
    }
}

TEST(ScoresCurrentGame, AMapFileGameIsListedUnderItsOwnNameOnly) {
    // The record pads a map file's name with NULs, the window with blanks: both must agree.
    ClearMapFlags();
    g_isMapCustom = true;
    g_playerCount = 3;
    g_humanPlayerCount = 1;
    g_isNormalLevel = true;
    g_mapName = "MyMap";
    const scores::Entry own =
        scores::ReadEntry(scores::BuildRecord({.winner = 1, .players = 3, .name = "", .date = ""}));
    g_mapName = "MyMap Two";
    const scores::Entry other =
        scores::ReadEntry(scores::BuildRecord({.winner = 1, .players = 3, .name = "", .date = ""}));
    g_mapName = "MyMap";
    const scores::Filters filters = scores::CurrentGameFilters();
    EXPECT_TRUE(scores::PassesFilters(own, filters));
    EXPECT_FALSE(scores::PassesFilters(other, filters));
}

}  // namespace
