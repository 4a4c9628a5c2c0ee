// Tests of the catalogue: sizes, divisor, lookups, menu order, campaigns, continent names.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"

namespace {

struct SizeCase {
    bool* flag;
    std::int32_t territories, continents, largest, mostBorder, borderTotal, routes, divisor;
};

// The size table of every code-built map; Swamp II's statistics come from its text (0 here).
const SizeCase kSizes[] = {
    {&g_isMapWorld, 42, 6, 12, 5, 17, 69, 3},
    {&g_isMapEurope, 44, 6, 9, 5, 21, 5, 3},
    {&g_isMapNorthAmerica, 64, 9, 10, 4, 26, 13, 3},
    {&g_isMapRealWorld, 86, 11, 12, 5, 37, 12, 3},
    {&g_isMapJapanKorea, 67, 10, 9, 5, 28, 11, 3},
    {&g_isMapAustralia, 61, 8, 13, 4, 25, 3, 3},
    {&g_isMapScandinavia, 63, 6, 11, 5, 25, 4, 3},
    {&g_isMapWorms, 110, 10, 12, 5, 43, 12, 4},
    {&g_isMapChina, 43, 9, 9, 6, 36, 8, 3},
    {&g_isMapGreatBritain, 83, 14, 12, 8, 58, 9, 3},
    {&g_isMapLinesII, 113, 10, 13, 12, 97, 8, 4},
    {&g_isMapSwamp, 106, 14, 10, 6, 59, 8, 4},
    {&g_isMapThreeNationsA, 114, 14, 13, 2, 28, 9, 4},
    {&g_isMapThreeNationsB, 101, 13, 10, 6, 55, 6, 4},
    {&g_isMapSwampII, 200, 25, 0, 0, 0, 0, 7},
};

TEST(Catalogue, SetBuiltinMapSizeSetsEveryMapsRow) {
    for (const SizeCase& c : kSizes) {
        ClearMapFlags();
        *c.flag = true;
        g_mapAuxCount = 5;
        maps::SetBuiltinMapSize();
        const std::string map(BuiltinMapByFlag(c.flag)->name);
        EXPECT_EQ(g_territoryCount, c.territories) << map;
        EXPECT_EQ(g_continentCount, c.continents) << map;
        EXPECT_EQ(g_maxContinentSize, c.largest) << map;
        EXPECT_EQ(g_maxContinentBorder, c.mostBorder) << map;
        EXPECT_EQ(g_borderTerritoryTotal, c.borderTotal) << map;
        EXPECT_EQ(g_routeCount, c.routes) << map;
        EXPECT_EQ(g_mapAuxCount, 0) << map;
        EXPECT_EQ(g_reinforcementDivisor, c.divisor) << map;
    }
    EXPECT_EQ(BuiltinMaps().size(), std::size(kSizes));
}

TEST(Catalogue, MapFileKeepsItsCountsAndGetsTheDivisorOfItsSize) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {90, 3}, {91, 4}, {120, 4}, {121, 5}, {150, 5}, {151, 6}, {180, 6}, {181, 7}, {200, 7}};
    for (bool* chooser : {&g_isMapCustom, static_cast<bool*>(nullptr)}) {
        for (auto [territories, divisor] : cases) {
            ClearMapFlags();
            if (chooser) *chooser = true;
            g_territoryCount = territories;
            g_continentCount = 11;
            g_routeCount = 0;
            maps::SetBuiltinMapSize();
            EXPECT_EQ(g_territoryCount, territories);
            EXPECT_EQ(g_continentCount, 11);
            EXPECT_EQ(g_reinforcementDivisor, divisor) << territories;
        }
    }
}

TEST(Catalogue, LookupsFindEachMapByFlagMenuIdAndCode) {
    for (const BuiltinMap& map : BuiltinMaps()) {
        EXPECT_EQ(BuiltinMapByFlag(map.flag), &map);
        EXPECT_EQ(BuiltinMapByCode(map.code), &map);
        // Each row names its own set-up member, and a Map menu entry its own handler.
        EXPECT_EQ(BuiltinMapBySetup(map.setup), &map) << map.name;
        EXPECT_EQ(map.menuId != 0, map.command != nullptr) << map.name;
        if (map.menuId != 0) {
            EXPECT_EQ(BuiltinMapByMenuId(map.menuId), &map);
            EXPECT_EQ(BuiltinMapByCommand(map.command), &map) << map.name;
        }
    }
    // Several flags left set never tie: each map has a precedence of its own.
    std::set<int> precedences;
    for (const BuiltinMap& map : BuiltinMaps()) precedences.insert(map.precedence);
    EXPECT_EQ(precedences.size(), BuiltinMaps().size());
    EXPECT_EQ(BuiltinMapByMenuId(32783)->flag, &g_isMapRealWorld);
    EXPECT_EQ(BuiltinMapByCode("3Nb")->flag, &g_isMapThreeNationsB);
    EXPECT_EQ(BuiltinMapByCode("wor"), nullptr);
    EXPECT_EQ(BuiltinMapByMenuId(0), nullptr);
    EXPECT_EQ(BuiltinMapByMenuId(32795), nullptr);  // Load a Map...
    EXPECT_EQ(BuiltinMapByFlag(&g_isMapCustom), nullptr);
}

TEST(Catalogue, IdentityOfASampleOfMaps) {
    const BuiltinMap& world = *BuiltinMapByFlag(&g_isMapWorld);
    EXPECT_EQ(world.menuText, "&World   (42 territories)");
    EXPECT_EQ(world.savedGameWord, "World");
    EXPECT_EQ(world.scoreTitle, "World         ");
    EXPECT_EQ(world.bitmaps[0], 205);
    EXPECT_EQ(world.bitmaps[1], 130);
    EXPECT_EQ(world.bitmaps[2], 272);
    const BuiltinMap& swampII = *BuiltinMapByFlag(&g_isMapSwampII);
    EXPECT_EQ(swampII.menuId, 32821);
    EXPECT_EQ(swampII.bitmaps[1], 343);
    EXPECT_EQ(BuiltinMapByFlag(&g_isMapRealWorld)->scoreTitle, "Real world    ");
    EXPECT_EQ(BuiltinMapByFlag(&g_isMapNorthAmerica)->savedGameWord, "America");
    for (const BuiltinMap& map : BuiltinMaps()) {
        EXPECT_TRUE(map.scoreTitle.empty() || map.scoreTitle.size() == 14) << map.name;
        EXPECT_EQ(map.code.size(), 3u) << map.name;
        // A menu entry shows the map's territory count.
        if (map.menuId != 0) {
            EXPECT_NE(map.menuText.find(std::to_string(map.territories)), std::string_view::npos)
                << map.name;
        }
    }
}

TEST(Catalogue, MenuListsTheThirteenMapsByTerritoryCount) {
    std::string order;
    for (const BuiltinMap* map : MapMenuOrder()) order += std::string(map->name) + ",";
    EXPECT_EQ(order,
              "World,China,Europe,Australia,Scandinavia,North America,Japan Korea,Great Britain,"
              "Real World,Swamp,Worms,Lines II,Swamp II,");
}

TEST(Catalogue, BuiltinCampaignsPlayTheirMapsInOrder) {
    const char* expected[] = {"",
                              "World,Real World,",
                              "Australia,China,Japan Korea,",
                              "Europe,Great Britain,Scandinavia,North America,",
                              "Three Nations A,Three Nations B,",
                              "Lines II,Swamp,Worms,"};
    const char* titles[] = {"",       "Worlds", "West Pacific", "N. Atlantic", "Three Nations",
                            "Marovek"};
    for (int campaign = 0; campaign <= 6; ++campaign) {
        std::string maps;
        for (const BuiltinMap* map : CampaignMaps(campaign)) maps += std::string(map->name) + ",";
        EXPECT_EQ(maps, campaign <= 5 ? expected[campaign] : "") << campaign;
        EXPECT_EQ(CampaignTitle(campaign), campaign <= 5 ? titles[campaign] : "") << campaign;
    }
}

TEST(Catalogue, ContinentNamesCountOnePerContinentAnd112Distinct) {
    std::set<std::string> distinct;
    int total = 0;
    for (const BuiltinMap& map : BuiltinMaps()) {
        if (map.flag == &g_isMapSwampII) continue;
        EXPECT_EQ(static_cast<std::int32_t>(map.continentNames.size()), map.continents) << map.name;
        EXPECT_EQ(static_cast<std::int32_t>(map.continentRuns.size()), map.continents) << map.name;
        for (const char* name : map.continentNames) distinct.insert(name), ++total;
    }
    EXPECT_EQ(total, 140);
    EXPECT_EQ(distinct.size(), 112u);
}

TEST(Catalogue, SetContinentNamesWritesOnlyTheMapsOwnSlots) {
    for (int c = 1; c <= kMaxContinents; ++c) g_continentNames[c] = "";
    ClearMapFlags();
    g_isMapNorthAmerica = true;
    maps::SetContinentNames();
    EXPECT_EQ(g_continentNames[1], "Canada    ");
    EXPECT_EQ(g_continentNames[9], "Mexico    ");
    for (int c = 10; c <= kMaxContinents; ++c) EXPECT_EQ(g_continentNames[c], "") << c;

    ClearMapFlags();
    g_isMapScandinavia = true;
    maps::SetContinentNames();
    EXPECT_EQ(g_continentNames[2], "Sweden South   ");
    EXPECT_EQ(g_continentNames[8], "Caribbean    ");  // beyond Scandinavia's six: untouched
}

TEST(Catalogue, SetContinentNamesLeavesMapTextNamesAlone) {
    for (bool* flag :
         {&g_isMapCustom, &g_isMapSwampII, &g_isTestCustomMap, static_cast<bool*>(nullptr)}) {
        ClearMapFlags();
        g_isTestCustomMap = false;
        if (flag) *flag = true;
        if (flag == &g_isTestCustomMap) g_isMapWorld = true;
        g_continentNames[1] = "From_the_text";
        maps::SetContinentNames();
        EXPECT_EQ(g_continentNames[1], "From_the_text");
    }
}

}  // namespace
