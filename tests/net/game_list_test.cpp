// The game list's formats and reading rules: the entry's columns, the cleaning of fetched lines,
// the slot choice and the host address checks.
#include "net/game_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/host_address.h"
#include "platform/random.h"

namespace {

// 08:21:37 UTC on 9 December 2026.
constexpr std::int64_t kDec9 = 1796804497;

TEST(GameListEntry, HasEveryColumnInItsPlace) {
    const std::string entry = game_list::ComposeEntry("203.0.113.5", false, "World         ",
                                                      {false, true, false}, "Friday game", kDec9);
    const std::string expected = std::string("203.0.113.5") + std::string(14, ' ') + " " +
                                 "World         " + " 5.3 " + " Dice" + "  St" + "    " + "  " +
                                 "Dec 09 2026 0821" + "  " + "Friday game         " +
                                 std::string(16, ' ') + " 1796804497 ";
    EXPECT_EQ(entry, expected);
    ASSERT_EQ(entry.size(), 126u);
    EXPECT_EQ(entry.substr(60, 16), "Dec 09 2026 0821");
    EXPECT_EQ(entry.substr(114, 12), " 1796804497 ");
}

TEST(GameListEntry, ClosingLongHostsAndBlankNames) {
    const game_list::EntryRules oneForOneTe{true, false, true};
    const std::string closed =
        game_list::ComposeEntry("203.0.113.5", true, "Europe        ", oneForOneTe, "x", kDec9);
    EXPECT_EQ(closed.substr(0, 25), "Closed" + std::string(19, ' '));
    EXPECT_EQ(closed.substr(46, 12), "1on1      TE");
    const std::string longHost =
        game_list::ComposeEntry(std::string(30, '7'), false, "World         ", {}, "  name", kDec9);
    EXPECT_EQ(longHost.substr(0, 26), std::string(25, '7') + " ");
    EXPECT_EQ(longHost.substr(78, 20), "noname" + std::string(14, ' '));
    // A damaged name in the settings puts no control character into the list.
    const std::string damaged =
        game_list::ComposeEntry("1.2.3.4", false, "World         ", {}, "a\tb\x01", kDec9);
    EXPECT_EQ(damaged.substr(78, 4), "a b ");
}

TEST(GameListEntry, SlotFilesAndLogin) {
    EXPECT_TRUE(game_list::IsSlotFileName("game3.txt", 3));
    EXPECT_TRUE(game_list::IsSlotFileName("game3-old.txt", 3));
    EXPECT_FALSE(game_list::IsSlotFileName("game3.txt", 2));
    EXPECT_FALSE(game_list::IsSlotFileName("game3.txt.bak", 3));
    EXPECT_FALSE(game_list::IsSlotFileName("xgame3.txt", 3));
    EXPECT_EQ(game_list::SlotUrl("list.example", 4), "http://list.example//games//game4.txt");
    EXPECT_EQ(game_list::SlotUrl("list.example", -1), "http://list.example//games//game+.txt");
    const std::string user = game_list::FtpUser();
    EXPECT_EQ(user.size(), 23u);
    EXPECT_EQ(user[11], '.');
    EXPECT_EQ(game_list::FtpPassword().size(), 8u);
    EXPECT_EQ(g_textAlphabet1.size(), 100u);
}

TEST(GameListLines, ShortEmptyBinaryAndOversizedFilesAreSkipped) {
    const std::string entry =
        game_list::ComposeEntry("198.51.100.2", false, "World         ", {}, "game", kDec9);
    struct Case {
        std::string bytes;
        bool kept;
    };
    const std::vector<Case> cases{
        {entry, true},
        {entry + "\r\n", true},
        {entry.substr(0, 99), true},
        {"", false},
        {"\r\n", false},
        {entry.substr(0, 50), false},
        {entry + "x", false},
        {std::string(200, 'a'), false},
        {entry.substr(0, 40) + '\0' + entry.substr(41), false},
        {entry.substr(0, 40) + "\xc3\xa9" + entry.substr(42), false},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> line = game_list::CleanLine(c.bytes);
        EXPECT_EQ(line.has_value(), c.kept) << c.bytes.size() << " bytes";
        if (line) {
            EXPECT_EQ(line->size(), 126u);
            EXPECT_EQ(line->substr(0, 99), entry.substr(0, 99));
        }
    }
    // Control characters inside a line are blanked, so that the columns stay put.
    std::string withControls = entry;
    withControls[30] = '\x1b';
    withControls[80] = '\t';
    const std::optional<std::string> cleaned = game_list::CleanLine(withControls);
    ASSERT_TRUE(cleaned);
    EXPECT_EQ((*cleaned)[30], ' ');
    EXPECT_EQ((*cleaned)[80], ' ');
}

std::string Line(const std::string& host, const std::string& name, std::int64_t seconds) {
    return game_list::ComposeEntry(host, false, "World         ", {}, name, seconds);
}

TEST(GameListSlots, TheFirstRuleThatAppliesChoosesAndSlotNumbersSurviveGaps) {
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        std::vector<std::int32_t> slots;
        std::int32_t expected;
    };
    const std::string blank(126, ' ');
    const std::vector<Case> cases{
        {"own host", {Line("1.1.1.1", "a", 5), Line("9.9.9.9", "b", 9)}, {0, 3}, 3},
        {"own name", {Line("1.1.1.1", "mine", 9), Line("2.2.2.2", "b", 5)}, {1, 2}, 1},
        {"blank host field", {Line("1.1.1.1", "a", 9), blank, blank}, {0, 2, 4}, 4},
        {"oldest",
         {Line("1.1.1.1", "a", 9), Line("2.2.2.2", "b", 3), Line("3.3.3.3", "c", 3)},
         {0, 1, 4},
         1},
        {"last of several matches", {Line("9.9.9.9", "a", 9), Line("9.9.9.9", "b", 8)}, {1, 3}, 3},
    };
    platform::Random random;
    for (const Case& c : cases) {
        g_gameListLines = c.lines;
        g_gameListSlots = c.slots;
        EXPECT_EQ(game_list::ChooseSlot("9.9.9.9", "mine", random), c.expected) << c.what;
    }
    g_gameListLines.clear();
    g_gameListSlots.clear();
    for (int i = 0; i < 20; ++i) {
        const std::int32_t slot = game_list::ChooseSlot("9.9.9.9", "mine", random);
        EXPECT_GE(slot, 0);
        EXPECT_LT(slot, 5);
    }
}

TEST(HostAddress, TheCheckRefusesSignsLettersAndMissingPoints) {
    const std::vector<std::pair<std::string, bool>> cases{
        {"217.12.3.4", true}, {"1 2.3", true},       {"217", false},
        {".217.12.3", false}, {"12.ab.3.4", false},  {"", false},
        {"1.2.3.4\n", false}, {"1.2.3.4:80", false}, {"evil.example.com", false},
    };
    for (const auto& [text, accepted] : cases)
        EXPECT_EQ(host_address::IsAcceptable(text), accepted) << '"' << text << '"';
}

TEST(HostAddress, PrivateRangesAreExactlyTheReservedOnes) {
    const std::vector<std::pair<std::string, bool>> cases{
        {"10.0.0.1", true},     {"10.255.1.1", true},
        {"172.16.0.1", true},   {"172.31.255.1", true},
        {"172.15.0.1", false},  {"172.32.0.1", false},
        {"192.168.1.10", true}, {"192.169.1.1", false},
        {"127.0.0.1", true},    {"127.0.1.1", true},
        {"217.12.3.4", false},  {"100.1.2.3", false},
        {"1720.16.0.1", false}, {"", false},
        {"abc", false},
    };
    for (const auto& [text, isPrivate] : cases)
        EXPECT_EQ(host_address::IsPrivate(text), isPrivate) << text;
}

}  // namespace
