// Map text parser: field conversions, sections, result codes and derived border lists.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "core/model/game_state.h"
#include "core/model/map_text.h"
#include "core/model/route_table.h"
#include "map_text_fixture.h"

namespace {

// Two continents on a ring of five territories; West lists its members out of order.
const std::vector<std::string> kTwoContinents{
    "[map]",           "Twolands",        "[continents]",    "3 West 3 2 1",
    "2 East 4 5",      "[territories]",   "1 aaa 10 11 2 5", "2 bbb 20 21 1 3",
    "3 ccc 30 31 2 4", "4 ddd 40 41 3 5", "5 eee 50 51 4 1",
};

TEST(TextFieldReader, ConvertsLikeScanf) {
    TextFieldReader signs("  -12 +7 x 5");
    std::int32_t a = 0, b = 0, c = 0;
    EXPECT_TRUE(signs.Int(a));
    EXPECT_TRUE(signs.Int(b));
    EXPECT_EQ(a, -12);
    EXPECT_EQ(b, 7);
    EXPECT_FALSE(signs.Int(c));
    EXPECT_FALSE(signs.Int(c)) << "a failed conversion stops all later ones";
    EXPECT_EQ(c, 0);

    TextFieldReader words("abcdefghijklmnop 3");
    std::string w;
    EXPECT_TRUE(words.Word(13, w));
    EXPECT_EQ(w, "abcdefghijklm");
    EXPECT_TRUE(words.Word(13, w));
    EXPECT_EQ(w, "nop");
    EXPECT_TRUE(words.Int(a));
    EXPECT_EQ(a, 3);

    TextFieldReader glued("abcdefghij12");
    EXPECT_TRUE(glued.Word(10, w));
    EXPECT_TRUE(glued.Int(a));
    EXPECT_EQ(a, 12) << "the rest of a cut word is the next field";

    TextFieldReader huge("99999999999 -99999999999");
    EXPECT_TRUE(huge.Int(a));
    EXPECT_TRUE(huge.Int(b));
    EXPECT_EQ(a, INT_MAX);
    EXPECT_EQ(b, INT_MIN);

    TextFieldReader latin1("\xE9t\xE9 \xA0\r");
    EXPECT_TRUE(latin1.Word(20, w));
    EXPECT_EQ(w, "\xE9t\xE9");
    EXPECT_TRUE(latin1.Word(20, w));
    EXPECT_EQ(w, "\xA0");
    EXPECT_FALSE(latin1.Word(20, w));

    EXPECT_FALSE(TextFieldReader("-").Int(a));
    EXPECT_FALSE(TextFieldReader(" \t ").Word(3, w));
}

TEST(MapTextBuffer, SplitsFileContentIntoLines) {
    g_mapTextBuffer = {"kept"};
    AppendMapTextLines("a\r\nb\n\nc");
    AppendMapTextLines("x\n");
    AppendMapTextLines("");
    EXPECT_EQ(g_mapTextBuffer, (MapTextBuffer{"kept", "a", "b", "", "c", "x"}));
}

struct ResultCase {
    const char* name;
    std::vector<std::string> lines;
    std::int32_t expected;
};

TEST(ParseMapText, ResultCodes) {
    const std::vector<ResultCase> cases{
        {"accepted", kTwoContinents, 0},
        {"empty text", {}, 2},
        {"continents only", {"[continents]", "1 A 1"}, 2},
        {"territories only", {"[territories]", "1 a 0 0 2", "2 b 0 0 1"}, 1},
        {"lines before any header are ignored", {"1 A 1", "1 a 0 0 1"}, 2},
        {"header preceded by a blank", {"[continents]", "1 A 1", " [territories]", "1 a 0 0 1"}, 2},
        {"territory without neighbours", Join(kTwoContinents, {"6 fff 60 60", "7 ggg 1 1 0 0 -4"}),
         5},
        {"continent without border",
         {"[continents]", "1 A 1 2", "1 B 3 4", "[territories]", "1 a 0 0 2", "2 b 0 0 1",
          "3 c 0 0 4", "4 d 0 0 3"},
         4},
        {"label point at the board's far corner", Join(kTwoContinents, {"6 fff 1205 897 1"}), 0},
        {"label x past the board", Join(kTwoContinents, {"6 fff 1206 0 1"}), 14},
        {"label y past the board", Join(kTwoContinents, {"6 fff 0 898 1"}), 14},
        {"label x huge", Join(kTwoContinents, {"6 fff 2147483647 0 1"}), 14},
        {"label y negative", Join(kTwoContinents, {"6 fff 5 -1 1"}), 14},
        {"label x most negative", Join(kTwoContinents, {"6 fff -99999999999 5 1"}), 14},
        {"only neighbour is itself", Join(kTwoContinents, {"6 fff 60 60 6"}), 5},
    };
    for (const ResultCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseLines(c.lines), c.expected);
    }
}

TEST(ParseMapText, CountsStayOnRefusalButNotForTerritoryWithoutNeighbours) {
    g_territoryCount = 42;
    g_continentCount = 7;
    EXPECT_EQ(ParseLines({"[continents]", "1 A 1"}), 2);
    EXPECT_EQ(g_territoryCount, 42);
    EXPECT_EQ(g_continentCount, 7);

    g_continentBorders[1][1] = 9;
    EXPECT_EQ(ParseLines(Join(kTwoContinents, {"6 fff 60 60"})), 5);
    EXPECT_EQ(g_territoryCount, 6);
    EXPECT_EQ(g_continentCount, 2);
    EXPECT_EQ(g_continentBorders[1][1], 0) << "borders are not derived for a refused map";
}

TEST(ParseMapText, MapName) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"", "noname"},
        {"   ", "noname"},
        {"Short", "Short         "},
        {"Thirteenchars", "Thirteenchars "},
        {"Fourteenchars!", "Fourteenchars "},
        {"  two words", "two           "},
    };
    for (const auto& [line, expected] : cases) {
        SCOPED_TRACE(line);
        ParseLines({"[map]", line});
        EXPECT_EQ(g_mapName, expected);
    }
    g_mapName = "before";
    ParseLines({"[map]"});
    EXPECT_EQ(g_mapName, "before") << "a header on the last line has no line to take";
}

TEST(ParseMapText, PlayersPanelAndSmilies) {
    struct Case {
        std::string panel;
        std::int32_t x, y;
        std::string smilies;
        bool hasSmilies;
    };
    const std::vector<Case> cases{
        {"", 10, 10, "Y", true},
        {"300 20", 300, 20, "Yes", true},
        {"55", 10, 10, "N", false},
        {"x 5", 10, 10, "", false},
        {"-3 +4 99", 0, 4, "y", false},
        // The panel is kept on the board, whose scaling it then never overflows.
        {"2147483647 99999", 1205, 897, "Y", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.panel + "/" + c.smilies);
        g_playerPanelX = g_playerPanelY = -1;
        g_customMapHasSmilies = !c.hasSmilies;
        ParseLines({"[smilies and codes]", c.smilies, "[player names]", c.panel});
        EXPECT_EQ(g_playerPanelX, c.x);
        EXPECT_EQ(g_playerPanelY, c.y);
        EXPECT_EQ(g_customMapHasSmilies, c.hasSmilies);
    }
}

TEST(ParseMapText, FillsTablesFromLines) {
    ASSERT_EQ(ParseLines(kTwoContinents), 0);
    EXPECT_EQ(g_mapName, "Twolands      ");
    EXPECT_EQ(g_continentCount, 2);
    EXPECT_EQ(g_territoryCount, 5);
    EXPECT_EQ(g_continentNames[1], "West");
    EXPECT_EQ(g_continents[1], (ContinentRecord{0, 3, 2, 1, 0, 0, 0, 0, 0, 0, 0,  0,
                                                0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 30, 3}));
    EXPECT_EQ(g_continents[2][kContinentBonus], 2);
    EXPECT_EQ(g_neighbours[3], (NeighbourList{0, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g_labelPositions[4].x, 40);
    EXPECT_EQ(g_labelPositions[4].y, 41);
    EXPECT_EQ(g_territoryCodes[5], "eee");
}

TEST(ParseMapText, BorderListsFollowMemberOrder) {
    ASSERT_EQ(ParseLines(kTwoContinents), 0);
    // West lists 3 2 1: 3 is named by 4 and 1 by 5; 2 only by its own continent.
    EXPECT_EQ(g_continentBorders[1], (ContinentBorderList{0, 3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g_continentBorders[2], (ContinentBorderList{0, 4, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g_maxContinentBorder, 2);
    EXPECT_EQ(g_maxContinentSize, 3);
    EXPECT_EQ(g_borderTerritoryTotal, 4);
}

TEST(ParseMapText, BorderIsWhatAnotherContinentNames) {
    // 2 names 4 but nothing of East names West: 4 is East's border, West has none.
    const std::int32_t result =
        ParseLines({"[continents]", "1 West 1 2 3", "1 East 4 5", "[territories]", "1 a 0 0 2",
                    "2 b 0 0 1 3 4", "3 c 0 0 2", "4 d 0 0 5", "5 e 0 0 4"});
    EXPECT_EQ(result, 4);
    EXPECT_EQ(g_continentBorders[1][1], 0);
    EXPECT_EQ(g_continentBorders[2], (ContinentBorderList{0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g_borderTerritoryTotal, 1) << "the tables stay filled for a continent without border";
}

TEST(ParseMapText, EdgesOfTheLineFormat) {
    const std::int32_t result = ParseLines({
        "[map]",
        "[continents] header taken as the name first",
        "",
        "4",  // bonus only: no name, no members
        "   ",
        "1 Rest 2 1",
        "[territories] with text behind",
        "7 q 5 5",  // no neighbours
        "",
        "8 x 12 13 1",
        "9 zzz 5 6 2",
    });
    EXPECT_EQ(result, 5);
    EXPECT_EQ(g_mapName, "[continents]  ");
    EXPECT_EQ(g_continentCount, 2);
    EXPECT_EQ(g_territoryCount, 3);
    EXPECT_EQ(g_continentNames[1], "");
    EXPECT_EQ(g_continents[1], (ContinentRecord{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  0,
                                                0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 4}));
    EXPECT_EQ(g_territoryCodes[1], "q");
    EXPECT_EQ(g_labelPositions[2].x, 12);
    EXPECT_EQ(g_labelPositions[2].y, 13);
    EXPECT_EQ(g_neighbours[3][1], 2);
}

// Numbers 0 and below name no territory: the rest of the list is packed from entry 1.
TEST(ParseMapText, NonPositiveNumbersAreSkipped) {
    struct Case {
        std::string continent, territory;
        ContinentRecord members;
        NeighbourList neighbours;
    };
    auto members = [](std::initializer_list<std::int32_t> list) {
        ContinentRecord record{};
        std::copy(list.begin(), list.end(), record.begin() + 1);
        record[kContinentMemberCount] = static_cast<std::int32_t>(list.size());
        record[kContinentBonusTimes10] = 10;
        record[kContinentBonus] = 1;
        return record;
    };
    const std::vector<Case> cases{
        {"1 Rest 6", "6 fff 60 60 0 5", members({6}), NeighbourList{0, 5}},
        {"1 Rest 0 6 -3 7", "6 fff 60 60 -1 0 5 0 7", members({6, 7}), NeighbourList{0, 5, 7}},
        {"1 Rest 0 0 0 6", "6 fff 60 60 0 0 0 0 0 0 0 0 0 0 5", members({6}), NeighbourList{0, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.continent + " / " + c.territory);
        const std::int32_t result = ParseLines(Join(kTwoContinents, {c.territory, "7 ggg 1 1 6"}));
        EXPECT_EQ(result, 0);
        EXPECT_EQ(g_neighbours[6], c.neighbours);
        std::vector<std::string> lines = kTwoContinents;
        lines.insert(lines.begin() + 5, c.continent);
        ParseLines(Join(lines, {c.territory, "7 ggg 1 1 6"}));
        EXPECT_EQ(g_continents[3], c.members);
        EXPECT_EQ(ContinentOfTerritory(c.members[1]), 3);
    }
}

TEST(ParseMapText, TerritoryIsNeverItsOwnNeighbour) {
    ASSERT_EQ(ParseLines(Join(kTwoContinents, {"6 fff 60 60 6 1 6 7", "7 ggg 1 1 6 7"})), 0);
    EXPECT_EQ(g_neighbours[6], (NeighbourList{0, 1, 7}));
    EXPECT_EQ(g_neighbours[7], (NeighbourList{0, 6}));
}

TEST(ParseMapText, TextEndsAtItsFirstNul) {
    using namespace std::string_literals;
    g_mapTextBuffer.clear();
    AppendMapTextLines(
        "[map]\nNul\0hidden\n[continents]\n1 A 1\n[territories]\n1 a 1 1 2\n2 b 2 2 1\n"s);
    EXPECT_EQ(g_mapTextBuffer, (MapTextBuffer{"[map]", "Nul"}));
    EXPECT_EQ(ParseMapTextBuffer(), 2);

    g_mapTextBuffer.clear();
    AppendMapTextLines("[continents]\n1 A 1 2\n[territories]\n1 a 1 1 2\n2 b\0 2 2 1\n"s);
    EXPECT_EQ(g_mapTextBuffer.back(), "2 b");
    EXPECT_EQ(ParseMapTextBuffer(), 13) << "the cut territory line has no label point";
}

TEST(ParseMapText, ClearsThePreviousMapButNotCodesAndLabels) {
    ASSERT_EQ(ParseLines(kTwoContinents), 0);
    g_routeTable[1][1] = 4;
    g_routeTable[g_routeTableCapacity][16] = 9;
    g_routeCount = 3;
    g_mapAuxCount = 2;
    ASSERT_EQ(ParseLines({"[continents]", "1 Only 1 2", "1 Other 3", "[territories]", "1 a 0 0 2",
                          "2 b 0 0 3", "3 c 0 0 1"}),
              0);
    EXPECT_EQ(g_continentNames[2], "Other");
    EXPECT_EQ(g_continents[1][3], 0);
    EXPECT_EQ(g_neighbours[4], NeighbourList{});
    EXPECT_EQ(g_neighbours[5], NeighbourList{});
    EXPECT_EQ(g_territoryCodes[5], "eee");
    EXPECT_EQ(g_labelPositions[5].y, 51);
    EXPECT_EQ(g_routeTable[1][1], 0);
    EXPECT_EQ(g_routeTable[g_routeTableCapacity][16], 0);
    EXPECT_EQ(g_routeCount, 0);
    EXPECT_EQ(g_mapAuxCount, 0);
}

TEST(FindContinentOfTerritory, FirstContinentListingTheTerritory) {
    g_continentCount = 3;
    g_continents[1] = ContinentRecord{0, 7, 9};  // count 0: only slot [1] is looked at
    g_continents[2] = ContinentRecord{0, 5, 7};
    g_continents[2][kContinentMemberCount] = 2;
    g_continents[3] = ContinentRecord{0, 9};
    g_continents[3][kContinentMemberCount] = 1;
    EXPECT_EQ(ContinentOfTerritory(7), 1);
    EXPECT_EQ(ContinentOfTerritory(5), 2);
    EXPECT_EQ(ContinentOfTerritory(9), 3);
    EXPECT_EQ(ContinentOfTerritory(8), 0);
    g_continentCount = 2;
    EXPECT_EQ(ContinentOfTerritory(9), 0) << "continents beyond the count are not looked at";
}

}  // namespace
