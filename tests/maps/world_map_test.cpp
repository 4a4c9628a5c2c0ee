// Tests of World as its set-up leaves it, against the given data and its sums.
#include <gtest/gtest.h>

#include <string>

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/route_table.h"
#include "maps/map_setup.h"
#include "maps/validate_map.h"

namespace {

class WorldMap : public ::testing::Test {
  protected:
    void SetUp() override { maps::FallBackToDefaultMap(); }
};

TEST_F(WorldMap, PassesEveryRuleOfTheChecker) {
    EXPECT_EQ(ValidateCurrentMap(*BuiltinMapByFlag(&g_isMapWorld)), std::vector<std::string>{});
}

TEST_F(WorldMap, CountsAndSelection) {
    EXPECT_TRUE(g_isMapWorld);
    EXPECT_EQ(g_territoryCount, 42);
    EXPECT_EQ(g_continentCount, 6);
    EXPECT_EQ(g_routeCount, 69);
    EXPECT_EQ(g_reinforcementDivisor, 3);
}

TEST_F(WorldMap, TerritoriesSpotChecks) {
    struct Row {
        int t;
        const char* code;
        int x, y;
        std::vector<std::int32_t> neighbours;
    };
    const Row rows[] = {
        {1, "ala", 53, 53, {2, 4, 36}},
        {5, "ont", 150, 109, {4, 2, 3, 6, 8, 7}},
        {14, "naf", 376, 249, {12, 16, 17, 15, 26, 25}},
        {22, "oos", 515, 113, {21, 24, 26, 27, 28, 29}},
        {30, "chi", 751, 201, {31, 28, 29, 32, 35, 38}},
        {36, "kam", 810, 64, {33, 34, 35, 37, 1}},
        {42, "oau", 880, 493, {40, 41}},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(g_territoryCodes[r.t], r.code);
        EXPECT_EQ(g_labelPositions[r.t].x, r.x) << r.t;
        EXPECT_EQ(g_labelPositions[r.t].y, r.y) << r.t;
        for (std::size_t k = 0; k <= r.neighbours.size(); ++k)
            EXPECT_EQ(g_neighbours[r.t][k + 1], k < r.neighbours.size() ? r.neighbours[k] : 0)
                << r.t << " entry " << k + 1;
    }
}

TEST_F(WorldMap, TerritorySumsMatchTheGivenTable) {
    std::string codes;
    long long xs = 0, ys = 0, xyWeighted = 0, neighbourSum = 0, positionWeighted = 0;
    int entries = 0;
    for (int t = 1; t <= 42; ++t) {
        codes += g_territoryCodes[t];
        xs += g_labelPositions[t].x;
        ys += g_labelPositions[t].y;
        xyWeighted += t * (g_labelPositions[t].x * 1000LL + g_labelPositions[t].y);
        for (int k = 1; k <= kMaxNeighbours && g_neighbours[t][k] != 0; ++k) {
            ++entries;
            neighbourSum += g_neighbours[t][k];
            positionWeighted += static_cast<long long>(t) * k * g_neighbours[t][k];
        }
    }
    EXPECT_EQ(codes,
              "alanwtgroalbontquevswvsomexvenperbraargnafegycafoafzafmadijsscaoosgrbneuweuzeumoo"
              "kazoerchiindsibjaktsjmonkamjapzoainonwgwauoau");
    EXPECT_EQ(xs, 19641);
    EXPECT_EQ(ys, 9121);
    EXPECT_EQ(xyWeighted, 548496602);
    EXPECT_EQ(entries, 162);  // 81 pairs, each listed from both sides
    EXPECT_EQ(neighbourSum, 3484);
    EXPECT_EQ(positionWeighted, 248508);
}

TEST_F(WorldMap, ContinentsAndBorderListsInStoredOrder) {
    const std::vector<std::int32_t> borders[] = {
        {1, 3, 9}, {10, 12}, {14, 15}, {25, 26, 22, 20}, {29, 28, 27, 38, 36}, {39}};
    const int first[] = {1, 10, 14, 20, 27, 39};
    const int count[] = {9, 4, 6, 7, 12, 4};
    const int bonus[] = {5, 2, 3, 5, 7, 1};
    for (int c = 1; c <= 6; ++c) {
        const ContinentRecord& record = g_continents[c];
        const auto i = static_cast<std::size_t>(c - 1);
        EXPECT_EQ(record[kContinentMemberCount], count[i]) << c;
        EXPECT_EQ(record[kContinentBonus], bonus[i]) << c;
        EXPECT_EQ(record[kContinentBonusTimes10], bonus[i] * 10) << c;
        for (int k = 1; k <= kMaxContinentMembers; ++k)
            EXPECT_EQ(record[k], k <= count[i] ? first[i] + k - 1 : 0) << c << " member " << k;
        for (std::size_t k = 0; k < static_cast<std::size_t>(kMaxContinentBorder); ++k)
            EXPECT_EQ(g_continentBorders[c][k + 1], k < borders[i].size() ? borders[i][k] : 0)
                << c << " border " << k + 1;
        EXPECT_EQ(g_continentNames[c], "") << c;  // the set-up empties the names
    }
}

TEST_F(WorldMap, RoutesSpotChecksAndSums) {
    const std::vector<std::int32_t> chains[] = {
        {9, 10, 12, 14, 26, 27},              // 1
        {9, 10, 12, 14, 25, 23, 21, 22, 29},  // 8
        {3, 20, 21, 22, 26, 15},              // 28
        {22, 27, 31, 30, 32, 33, 36, 1},      // 50
        {42, 41, 39, 38, 31, 27, 26, 15},     // 66
        {40, 39, 38, 30, 35, 36, 1},          // 69
    };
    const int records[] = {1, 8, 28, 50, 66, 69};
    for (std::size_t i = 0; i < std::size(records); ++i)
        for (int k = 1; k <= kRouteLength; ++k)
            EXPECT_EQ(g_routeTable[records[i]][k],
                      k <= static_cast<int>(chains[i].size()) ? chains[i][k - 1] : 0)
                << records[i] << " entry " << k;
    long long entries = 0, sum = 0, weighted = 0;
    for (int r = 1; r <= 69; ++r)
        for (int k = 1; k <= kRouteLength && g_routeTable[r][k] != 0; ++k) {
            ++entries;
            sum += g_routeTable[r][k];
            weighted += static_cast<long long>(r) * k * g_routeTable[r][k];
        }
    EXPECT_EQ(entries, 439);
    EXPECT_EQ(sum, 9575);
    EXPECT_EQ(weighted, 1345762);
    for (int r = 70; r <= g_routeTableCapacity; ++r) ASSERT_EQ(g_routeTable[r][1], 0) << r;
}

TEST_F(WorldMap, BoardIsResetForDisplay) {
    for (int c = 1; c <= 6; ++c)
        for (int k = 1; k <= g_continents[c][kContinentMemberCount]; ++k) {
            const std::int32_t t = g_continents[c][k];
            EXPECT_EQ(g_territories[t].owner, c) << t;
            EXPECT_EQ(g_territories[t].armies, 1) << t;
            EXPECT_EQ(g_displayedTerritories[t].owner, c) << t;
        }
    EXPECT_EQ(g_suggestedPlayerCount, 3);
    EXPECT_EQ(g_deckArtilleryCards, 17);
    EXPECT_EQ(g_deckInfantryCards, 17);
    EXPECT_EQ(g_deckCavalryCards, 17);
    EXPECT_EQ(g_deckWildCards, 2);
    for (int t = 1; t <= kMaxTerritories; ++t) EXPECT_EQ(g_territoryPicked[t], 'n') << t;
}

}  // namespace
