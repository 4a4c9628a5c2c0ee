// Map texts at and beyond the size of the board tables, and the network game's limits.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/model/game_state.h"
#include "core/model/map_text.h"
#include "core/model/session_state.h"
#include "map_text_fixture.h"

namespace {

// 200 territories on a ring where each names the next 11; continent 1 holds 1..20 and the
// other 24 continents share 21..200 in blocks of 7 or 8.
std::vector<std::string> FullMap() {
    std::vector<std::string> lines{"[continents]", ContinentLine(9, "Big", [] {
                                       std::vector<int> m(20);
                                       for (int k = 0; k < 20; ++k) m[k] = k + 1;
                                       return m;
                                   }())};
    std::vector<std::string> rest = BlockContinents(24, 180);
    for (std::size_t i = 1; i < rest.size(); ++i) {
        std::string line = "1 Land" + std::to_string(i + 1);
        TextFieldReader fields(rest[i]);
        std::int32_t number = 0;
        std::string skipped;
        fields.Int(number);
        fields.Word(20, skipped);
        while (fields.Int(number)) line += " " + std::to_string(number + 20);
        lines.push_back(line);
    }
    return Join(lines, RingTerritories(200, 11));
}

TEST(MapTextLimits, FullMapFillsTheTablesExactly) {
    ASSERT_EQ(ParseLines(FullMap()), 0);
    EXPECT_EQ(g_territoryCount, 200);
    EXPECT_EQ(g_continentCount, 25);

    for (int k = 1; k <= 20; ++k) EXPECT_EQ(g_continents[1][k], k);
    EXPECT_EQ(g_continents[1][kContinentMemberCount], 20);
    EXPECT_EQ(g_continents[25][kContinentMemberCount], 7);
    EXPECT_EQ(g_continents[25][7], 200);
    EXPECT_EQ(g_continentNames[25], "Land25");
    for (int t = 1; t <= 200; ++t) {
        EXPECT_EQ(std::count(g_neighbours[t].begin() + 1, g_neighbours[t].end(), 0), 0) << t;
        EXPECT_EQ(g_neighbours[t][0], 0);
    }
    EXPECT_EQ(g_neighbours[200], (NeighbourList{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(g_labelPositions[200].x, 600);
    EXPECT_EQ(g_territoryCodes[199], "c99");

    // Slot 0 of every table stays empty.
    EXPECT_EQ(g_continents[0], ContinentRecord{});
    EXPECT_EQ(g_continentBorders[0], ContinentBorderList{});
    EXPECT_EQ(g_neighbours[0], NeighbourList{});
    EXPECT_EQ(g_labelPositions[0].x, 0);
    EXPECT_EQ(g_territoryCodes[0], "");
    EXPECT_EQ(g_continentNames[0], "");

    // Members 1..11 of Big are named from the ring's end; 12..20 only by Big itself. Every
    // member of a block of 7 or 8 is named by some territory of the block before it.
    ContinentBorderList big{};
    for (int k = 1; k <= 11; ++k) big[k] = k;
    EXPECT_EQ(g_continentBorders[1], big);
    for (int c = 2; c <= 25; ++c)
        for (int k = 1; k <= g_continents[c][kContinentMemberCount]; ++k)
            EXPECT_EQ(g_continentBorders[c][k], g_continents[c][k]) << c << "/" << k;
    EXPECT_EQ(g_maxContinentSize, 20);
    EXPECT_EQ(g_maxContinentBorder, 11);
    EXPECT_EQ(g_borderTerritoryTotal, 11 + 180);
}

// Two continents of `size` where each member of one is named by its partner in the other.
std::vector<std::string> FacingContinents(int size) {
    std::vector<int> west, east;
    for (int k = 1; k <= size; ++k) {
        west.push_back(k);
        east.push_back(size + k);
    }
    std::vector<std::string> lines{"[continents]", ContinentLine(1, "West", west),
                                   ContinentLine(1, "East", east), "[territories]"};
    for (int t = 1; t <= 2 * size; ++t)
        lines.push_back(TerritoryLine(t, {t <= size ? t + size : t - size}));
    return lines;
}

struct RefusalCase {
    const char* name;
    std::vector<std::string> lines;
    std::int32_t expected;
};

TEST(MapTextLimits, OverLargeMapsAreRefused) {
    const std::vector<RefusalCase> cases{
        {"26 continents", Join(BlockContinents(26, 52), RingTerritories(52, 2)), 7},
        {"201 territories", Join(BlockContinents(25, 201), RingTerritories(201, 2)), 8},
        {"both too many", Join(BlockContinents(40, 300), RingTerritories(300, 2)), 8},
        {"201 territories, one without neighbours",
         Join(Join(BlockContinents(25, 200), RingTerritories(200, 2)), {"201 x 0 0"}), 8},
        {"member above the territories",
         Join(Join(BlockContinents(2, 10), {"1 Far 11"}), RingTerritories(10, 2)), 9},
        {"member above 200",
         Join(Join(BlockContinents(2, 10), {"1 Far 5000"}), RingTerritories(10, 2)), 9},
        {"neighbour above the territories",
         Join(Join(BlockContinents(2, 10), RingTerritories(10, 2)), {"11 k 0 0 1 12"}), 10},
        {"neighbour 201 on a full map",
         [] {
             std::vector<std::string> lines =
                 Join(BlockContinents(25, 200), RingTerritories(200, 2));
             lines.back() = TerritoryLine(200, {1, 201});
             return lines;
         }(),
         10},
        {"13 border territories", FacingContinents(13), 11},
        {"21 members",
         Join({"[continents]", ContinentLine(1, "Wide", {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                                         12, 13, 14, 15, 16, 17, 18, 19, 20, 21})},
              RingTerritories(21, 2)),
         12},
        {"21 numbers, 20 members",
         Join({"[continents]", ContinentLine(1, "Wide", {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 0,
                                                         11, 12, 13, 14, 15, 16, 17, 18, 19, 20}),
               "1 Rest 21"},
              RingTerritories(21, 2)),
         0},
        {"territory without y",
         Join(Join(BlockContinents(2, 10), RingTerritories(10, 2)), {"11 k 7"}), 13},
        {"territory number only",
         Join(Join(BlockContinents(2, 10), RingTerritories(10, 2)), {"11"}), 13},
        {"territory without code",
         Join(Join(BlockContinents(2, 10), RingTerritories(10, 2)), {"11 "}), 13},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        g_territoryCount = 3;
        g_continentCount = 1;
        EXPECT_EQ(ParseLines(c.lines), c.expected);
        if (c.expected != 0 && c.expected != 11) {
            EXPECT_EQ(g_territoryCount, 3) << "a refused map stores no counts";
            EXPECT_EQ(g_continentCount, 1);
        }
        for (int t = 1; t <= kMaxTerritories; ++t)
            for (int k = 1; k <= kMaxNeighbours; ++k)
                ASSERT_LE(g_neighbours[t][k], 200) << "no territory the tables lack stays";
        for (int c2 = 1; c2 <= kMaxContinents; ++c2)
            for (int k = 1; k <= kMaxContinentMembers; ++k) ASSERT_LE(g_continents[c2][k], 200);
    }
}

TEST(MapTextLimits, TwelveBordersFitThirteenAreCut) {
    ASSERT_EQ(ParseLines(FacingContinents(12)), 0);
    EXPECT_EQ(g_continentBorders[1][12], 12);
    EXPECT_EQ(g_maxContinentBorder, 12);

    ASSERT_EQ(ParseLines(FacingContinents(13)), 11);
    EXPECT_EQ(g_continentBorders[1][12], 12);
    EXPECT_EQ(g_continentBorders[2][12], 25);
    EXPECT_EQ(g_maxContinentBorder, 12);
    EXPECT_EQ(g_borderTerritoryTotal, 24);
}

TEST(MapTextLimits, NetworkGameLimits) {
    struct Case {
        std::int32_t gameKind, continents, territories, expected;
    };
    const std::vector<Case> cases{
        {2, 14, 116, 0}, {3, 14, 116, 0}, {2, 15, 30, 6},  {3, 14, 117, 6},
        {1, 15, 117, 0}, {4, 25, 200, 0}, {5, 15, 117, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.gameKind << " " << c.continents << "/" << c.territories);
        g_gameKind = c.gameKind;
        EXPECT_EQ(ParseLines(Join(BlockContinents(c.continents, c.territories),
                                  RingTerritories(c.territories, 2))),
                  c.expected);
    }
}

TEST(MapTextLimits, EveryRefusalHasItsMessage) {
    EXPECT_EQ(MapTextResultMessage(1), "[continents]");
    EXPECT_EQ(MapTextResultMessage(2), "[territories]");
    EXPECT_EQ(MapTextResultMessage(4), "Continent(s) without border countries ");
    EXPECT_EQ(MapTextResultMessage(5), "Territories(s) without border countries ");
    EXPECT_EQ(MapTextResultMessage(6),
              "Multiplayer game: 14 continents or 116 territories limits exceeded");
    std::vector<std::string> seen;
    for (std::int32_t code = 7; code <= 13; ++code) {
        const std::string message = MapTextResultMessage(code);
        EXPECT_FALSE(message.empty()) << code;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), message), 0) << code;
        seen.push_back(message);
    }
    EXPECT_EQ(MapTextResultMessage(0), "");
}

}  // namespace
