// Tests of the set-ups: clearing, fall-backs, Swamp II, colouring, Swamp codes, the checker.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/map_text.h"
#include "core/model/route_table.h"
#include "core/model/session_state.h"
#include "maps/map_content.h"
#include "maps/map_setup.h"
#include "maps/map_texts.h"
#include "maps/reset_game.h"
#include "maps/validate_map.h"

namespace {

// What a large map and a long game leave behind in every table.
void FillTablesAsAPreviousMap() {
    for (int t = 1; t <= kMaxTerritories; ++t) {
        g_territories[t] = TerritoryState{7, 99};
        for (int k = 1; k <= kMaxNeighbours; ++k) g_neighbours[t][k] = (t % 200) + 1;
        g_labelPositions[t] = LabelPosition{t, t};
        g_territoryCodes[t] = "xxx";
        g_territoryPicked[t] = 'j';
    }
    for (int c = 1; c <= kMaxContinents; ++c) {
        g_continentNames[c] = "Old";
        g_continents[c].fill(3);
        g_continents[c][0] = 0;
        g_continentBorders[c].fill(4);
        g_continentBorders[c][0] = 0;
    }
    for (int r = 1; r <= g_routeTableCapacity; ++r)
        for (int k = 1; k <= kRouteLength; ++k) g_routeTable[r][k] = 5;
}

TEST(Setup, WorldClearsEverythingAPreviousMapLeft) {
    FillTablesAsAPreviousMap();
    maps::FallBackToDefaultMap();
    for (int t = 43; t <= kMaxTerritories; ++t) {
        EXPECT_EQ(g_territories[t].owner, 0) << t;
        EXPECT_EQ(g_territories[t].armies, 0) << t;
        for (int k = 1; k <= kMaxNeighbours; ++k) ASSERT_EQ(g_neighbours[t][k], 0) << t;
        EXPECT_EQ(g_labelPositions[t].x, 0) << t;
        EXPECT_EQ(g_labelPositions[t].y, 0) << t;
        EXPECT_EQ(g_territoryCodes[t], " ") << t;
    }
    for (int c = 1; c <= kMaxContinents; ++c) EXPECT_EQ(g_continentNames[c], "") << c;
    for (int c = 7; c <= kMaxContinents; ++c) {
        for (int k = 1; k <= 23; ++k) ASSERT_EQ(g_continents[c][k], 0) << c;
        for (int k = 1; k <= kMaxContinentBorder; ++k) ASSERT_EQ(g_continentBorders[c][k], 0) << c;
    }
    EXPECT_EQ(g_neighbours[9][3], 0);  // ended right after its two neighbours
    EXPECT_EQ(g_continentBorders[6][2], 0);
    for (int r = 1; r <= 69; ++r) ASSERT_EQ(g_routeTable[r][kRouteLength], 0) << r;
    for (int r = 70; r <= g_routeTableCapacity; ++r)
        for (int k = 1; k <= kRouteLength; ++k) ASSERT_EQ(g_routeTable[r][k], 0) << r;
    EXPECT_EQ(g_territoryPicked[200], 'n');
    EXPECT_EQ(ValidateCurrentMap(*BuiltinMapByFlag(&g_isMapWorld)), std::vector<std::string>{});
}

// A map whose contents miss its row (here: one territory short) is refused, and the whole of
// World stands instead.
TEST(Setup, MapWhoseContentsMissItsRowFallsBackToTheWholeOfWorld) {
    int refused = 0;
    for (const BuiltinMap& map : BuiltinMaps()) {
        if (map.flag == &g_isMapWorld || map.continentRuns.empty()) continue;
        // The map's row asks for one territory more than its contents hold.
        BuiltinMap row = map;
        std::vector<ContinentRun> runs(map.continentRuns.begin(), map.continentRuns.end());
        runs.back().members += 1;
        row.continentRuns = runs;
        FillTablesAsAPreviousMap();
        ClearMapFlags();
        *map.flag = true;
        maps::SetBuiltinMapSize();
        EXPECT_FALSE(maps::SetupBuiltinMap(row)) << map.name;
        EXPECT_FALSE(*map.flag) << map.name;
        EXPECT_TRUE(g_isMapWorld) << map.name;
        EXPECT_EQ(g_territoryCount, 42) << map.name;
        EXPECT_EQ(g_routeCount, 69) << map.name;
        EXPECT_EQ(ValidateCurrentMap(*BuiltinMapByFlag(&g_isMapWorld)), std::vector<std::string>{})
            << map.name;
        ++refused;
    }
    EXPECT_EQ(refused, 13);  // every code-built map but World and Swamp II
}

// Every code-built map has its whole contents and keeps every rule of the checker.
TEST(Setup, EveryCodeBuiltMapPassesTheChecker) {
    for (const BuiltinMap& map : BuiltinMaps()) {
        if (map.continentRuns.empty()) continue;  // Swamp II comes from its map text
        ASSERT_TRUE(IsContentComplete(ContentOf(map), map)) << map.name;
        FillTablesAsAPreviousMap();
        ClearMapFlags();
        *map.flag = true;
        maps::SetBuiltinMapSize();
        ASSERT_TRUE(maps::SetupBuiltinMap(map)) << map.name;
        EXPECT_EQ(ValidateCurrentMap(map), std::vector<std::string>{}) << map.name;
        EXPECT_EQ(g_suggestedPlayerCount, std::clamp(map.territories / 12, 3, 10)) << map.name;
    }
}

TEST(Setup, SwampIITextParsesEvenInANetworkGame) {
    const BuiltinMapText& text = *BuiltinMapTextByName("SwampII");
    ASSERT_TRUE(IsMapTextComplete(text));
    g_gameKind = 2;
    ClearMapFlags();
    g_isMapSwampII = true;
    maps::SetBuiltinMapSize();
    EXPECT_TRUE(maps::SetupBuiltinMap(*BuiltinMapByFlag(&g_isMapSwampII)));
    EXPECT_EQ(g_gameKind, 2);
    EXPECT_TRUE(g_isMapSwampII);
    EXPECT_EQ(g_territoryCount, 200);
    EXPECT_EQ(g_continentCount, 25);
    EXPECT_EQ(g_routeCount, 0);
    EXPECT_EQ(g_suggestedPlayerCount, 10);
    for (int c = 1; c <= 25; ++c) EXPECT_EQ(g_territories[g_continents[c][1]].owner, c);
}

TEST(Setup, SwampCodesFollowTheCompassWords) {
    const BuiltinMap& swamp = *BuiltinMapByFlag(&g_isMapSwamp);
    const std::pair<int, const char*> cases[] = {
        {1, "nw1"},  {9, "nw9"},  {10, "nw0"}, {11, "w1 "},  {18, "w8 "},  {63, "n1 "},
        {70, "n8 "}, {71, "nw1"}, {77, "ne1"}, {100, "sw6"}, {106, "w6 "}, {107, " "}};
    for (auto [t, code] : cases) EXPECT_EQ(maps::CompassTerritoryCode(swamp, t), code) << t;
}

struct ColourCase {
    int continents;
    std::vector<int> colours;  // of continents 1..n
};

TEST(Setup, ResetTerritoriesColoursContinentsByTheirCount) {
    const ColourCase cases[] = {
        {6, {1, 2, 3, 4, 5, 6}},
        {14, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4}},
        {15, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {25, {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
              14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}},
    };
    for (const ColourCase& c : cases) {
        // Continent k holds territories 2k-1 and 2k; the last territory belongs to none.
        maps::ClearMapTables();
        g_continentCount = c.continents;
        g_territoryCount = 2 * c.continents + 1;
        for (int k = 1; k <= c.continents; ++k) {
            g_continents[k][1] = 2 * k - 1;
            g_continents[k][2] = 2 * k;
            g_continents[k][kContinentMemberCount] = 2;
        }
        g_territories[g_territoryCount] = TerritoryState{4, 9};
        maps::ResetTerritories();
        for (int k = 1; k <= c.continents; ++k) {
            const int want = c.colours[static_cast<std::size_t>(k - 1)];
            EXPECT_EQ(g_territories[2 * k - 1].owner, want) << c.continents << "/" << k;
            EXPECT_EQ(g_territories[2 * k].owner, want) << c.continents << "/" << k;
            EXPECT_EQ(g_displayedTerritories[2 * k].owner, want) << c.continents << "/" << k;
        }
        EXPECT_EQ(g_territories[g_territoryCount].owner, 0);
        EXPECT_EQ(g_territories[g_territoryCount].armies, 1);
    }
}

TEST(Setup, ResetGameSuggestsAPlayerCountFromTheTerritories) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {21, 3},  {42, 3},  {44, 3},  {61, 5},  {83, 6},   {86, 7},
        {101, 8}, {110, 9}, {114, 9}, {119, 9}, {120, 10}, {200, 10}};
    for (auto [territories, players] : cases) {
        maps::ClearMapTables();
        g_territoryCount = territories;
        g_continentCount = 0;
        maps::ResetGame();
        EXPECT_EQ(g_suggestedPlayerCount, players) << territories;
    }
}

// Each fault planted into World must come out of the checker as a report.
TEST(Setup, CheckerReportsPlantedFaults) {
    struct Fault {
        const char* what;
        void (*plant)();
        const char* expected;  // part of the report
    };
    const Fault faults[] = {
        {"asymmetric pair", [] { g_neighbours[42][2] = 39; }, "which does not name it"},
        {"route off the map", [] { g_routeTable[3][4] = 37; }, "not a neighbour"},
        {"route repeats", [] { g_routeTable[60][5] = 11; }, "repeats a territory"},
        {"route beyond count", [] { g_routeTable[500][1] = 1; }, "beyond the count"},
        {"border not on border", [] { g_continentBorders[1][3] = 5; }, "has no neighbour outside"},
        {"border missing", [] { g_continentBorders[6][1] = 0; }, "border list misses 39"},
        {"wrong bonus", [] { g_continents[4][kContinentBonus] = 4; }, "continent 4 is not"},
        {"count", [] { g_routeCount = 68; }, "route count is 68"},
        {"neighbour of itself", [] { g_neighbours[13][3] = 13; }, "names 13 as neighbour"},
        {"leftover territory", [] { g_neighbours[43][1] = 1; }, "territory 43 beyond the map"},
    };
    const BuiltinMap& world = *BuiltinMapByFlag(&g_isMapWorld);
    for (const Fault& f : faults) {
        maps::FallBackToDefaultMap();
        f.plant();
        const std::vector<std::string> report = ValidateCurrentMap(world);
        bool found = false;
        for (const std::string& line : report) found = found || line.find(f.expected) != line.npos;
        EXPECT_TRUE(found) << f.what << ": " << ::testing::PrintToString(report);
    }
}

TEST(Setup, CheckerAllowsOnlyTheDocumentedExceptions) {
    // Scandinavia may leave out border territories of continent 6, and no other continent.
    const BuiltinMap& scandinavia = *BuiltinMapByFlag(&g_isMapScandinavia);
    maps::ClearMapTables();
    g_territoryCount = 63;
    g_continentCount = 6;
    std::int32_t next = 1;
    for (int c = 1; c <= 6; ++c) {
        const ContinentRun& run = scandinavia.continentRuns[static_cast<std::size_t>(c - 1)];
        for (int k = 1; k <= run.members; ++k) g_continents[c][k] = next++;
        g_continents[c][kContinentMemberCount] = run.members;
    }
    // Territory 63 (continent 6) and 1 (continent 1) are linked, and neither is listed.
    g_neighbours[63][1] = 1;
    g_neighbours[1][1] = 63;
    const std::vector<std::string> report = ValidateCurrentMap(scandinavia);
    int misses = 0;
    for (const std::string& line : report)
        if (line.find("border list misses") != line.npos) {
            ++misses;
            EXPECT_EQ(line, "continent 1: border list misses 1");
        }
    EXPECT_EQ(misses, 1);
    std::size_t exceptions = 0;
    for (const BuiltinMap& map : BuiltinMaps()) exceptions += map.ruleExceptions.size();
    EXPECT_EQ(exceptions, 2u);
}

}  // namespace
