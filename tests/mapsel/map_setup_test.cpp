// Tests of the set-up of the selected map and of the reload after the map may have changed.
#include <gtest/gtest.h>

#include "core/mapsel/map_selection.h"
#include "core/model/map_text.h"
#include "mapsel_fixture.h"

namespace mapsel_test {
namespace {

using MapSetup = MapselFixture;

TEST_F(MapSetup, WithoutAnyFlagNothingHappens) {
    SelectAndSetUp(g_isMapWorld);
    g_territories[1].armies = 9;
    ClearMapFlags();
    View().SetupSelectedMap();
    EXPECT_EQ(g_territories[1].armies, 9);
    EXPECT_EQ(g_territoryCount, 42);
    EXPECT_FALSE(WasSetUpAgain());
}

// A map file keeps the tables of its parse; its set-up resets the game on them.
TEST_F(MapSetup, AMapFileIsResetOnTheTablesOfItsParse) {
    SelectAndSetUp(g_isMapWorld);
    g_mapTextBuffer.clear();
    ASSERT_TRUE(View().AddBuiltinMapTextParisByNight());
    std::int32_t result = -1;
    View().ParseMapText(&result);
    ASSERT_EQ(result, 0);
    const std::int32_t territories = g_territoryCount;
    const std::string code = g_territoryCodes[1];
    ASSERT_NE(territories, 42);
    g_territories[1] = {7, 9};
    // A map file comes before every built-in map.
    ClearMapFlags();
    g_isMapCustom = true;
    g_isMapNorthAmerica = true;

    View().SetupSelectedMap();

    EXPECT_EQ(g_territoryCount, territories);
    EXPECT_EQ(g_territoryCodes[1], code);
    EXPECT_EQ(g_territories[1].armies, 1);
    EXPECT_EQ(g_reinforcementDivisor, ReinforcementDivisorFor(territories));
    EXPECT_EQ(g_deckWildCards, 2);
    EXPECT_TRUE(WasSetUpAgain());
    EXPECT_EQ(SetFlags(), std::vector<std::string>{"custom"});
}

// With more than one flag left set, the first in the set-up's order decides, and sizes and
// tables both come from it.
TEST_F(MapSetup, TheFirstFlagInOrderDecides) {
    struct Case {
        std::vector<bool*> flags;
        const bool* decides;
    };
    const Case cases[] = {
        {{&g_isMapEurope, &g_isMapWorld}, &g_isMapWorld},
        {{&g_isMapWorld, &g_isMapThreeNationsA}, &g_isMapThreeNationsA},
        {{&g_isMapThreeNationsA, &g_isMapThreeNationsB}, &g_isMapThreeNationsB},
        {{&g_isMapSwamp, &g_isMapSwampII}, &g_isMapSwampII},
        {{&g_isMapEurope, &g_isMapNorthAmerica}, &g_isMapNorthAmerica},
        {{&g_isMapGreatBritain, &g_isMapChina}, &g_isMapGreatBritain},
    };
    for (const Case& c : cases) {
        const BuiltinMap& expected = *BuiltinMapByFlag(c.decides);
        SCOPED_TRACE(std::string(expected.name));
        ClearMapFlags();
        for (bool* flag : c.flags) *flag = true;
        View().SetupSelectedMap();
        EXPECT_EQ(SetFlags(), std::vector<std::string>{std::string(expected.name)});
        EXPECT_EQ(g_territoryCount, expected.territories);
        EXPECT_EQ(g_continentCount, expected.continents);
    }
}

// Only the flag that is set now is compared with its previous value; World's previous value
// is g_wasMapSelected.
TEST_F(MapSetup, ReloadRunsTheSetUpOnlyWhenTheSelectedFlagChanged) {
    struct Case {
        const char* name;
        bool* current;
        bool wasWorld;
        PreviousMapFlags previous;
        bool setsUp;
    };
    const Case cases[] = {
        {"World kept", &g_isMapWorld, true, {}, false},
        {"World newly", &g_isMapWorld, false, {}, true},
        {"World kept, others changed",
         &g_isMapWorld,
         true,
         {.set = {&g_isMapEurope, &g_isMapCustom}},
         false},
        {"Europe kept", &g_isMapEurope, false, {.set = {&g_isMapEurope}}, false},
        {"Europe newly", &g_isMapEurope, true, {}, true},
        {"Europe newly, Swamp II was", &g_isMapEurope, false, {.set = {&g_isMapSwampII}}, true},
        {"Three Nations B kept",
         &g_isMapThreeNationsB,
         false,
         {.set = {&g_isMapThreeNationsB}},
         false},
        {"Three Nations A newly",
         &g_isMapThreeNationsA,
         false,
         {.set = {&g_isMapThreeNationsB}},
         true},
        {"Worms kept", &g_isMapWorms, false, {.set = {&g_isMapWorms}}, false},
        {"China newly", &g_isMapChina, false, {.set = {&g_isMapGreatBritain}}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SelectAndSetUp(g_isMapWorld);
        g_territories[1].armies = 9;
        ClearMapFlags();
        *c.current = true;
        g_wasMapSelected = c.wasWorld;
        View().ReloadMapIfChanged(c.previous);
        EXPECT_EQ(WasSetUpAgain(), c.setsUp);
        EXPECT_EQ(g_territories[1].armies, c.setsUp ? 1 : 9);
    }
}

TEST_F(MapSetup, ReloadOfAMapFileComparesItsOwnFlag) {
    SelectAndSetUp(g_isMapWorld);
    ClearMapFlags();
    g_isMapCustom = true;
    View().ReloadMapIfChanged({.set = {&g_isMapCustom}});
    EXPECT_FALSE(WasSetUpAgain());
    View().ReloadMapIfChanged({.set = {&g_isMapEurope}});
    EXPECT_TRUE(WasSetUpAgain());
}

TEST_F(MapSetup, ReloadWithoutAnyFlagDoesNothing) {
    SelectAndSetUp(g_isMapWorld);
    ClearMapFlags();
    g_wasMapSelected = true;
    View().ReloadMapIfChanged({.set = {&g_isMapEurope, &g_isMapCustom}});
    EXPECT_FALSE(WasSetUpAgain());
}

// What a caller keeps before a change and gives back to the reload.
TEST_F(MapSetup, CurrentFlagsRoundTripThroughTheReload) {
    ClearMapFlags();
    g_isMapScandinavia = true;
    const PreviousMapFlags kept = CurrentMapFlags();
    EXPECT_TRUE(kept.Had(g_isMapScandinavia));
    EXPECT_FALSE(kept.Had(g_isMapEurope) || kept.Had(g_isMapCustom) || kept.Had(g_isMapWorms));
    MarkPainted();
    View().ReloadMapIfChanged(kept);
    EXPECT_FALSE(WasSetUpAgain());
    ClearMapFlags();
    g_isMapLinesII = true;
    View().ReloadMapIfChanged(kept);
    EXPECT_TRUE(WasSetUpAgain());
}

}  // namespace
}  // namespace mapsel_test
