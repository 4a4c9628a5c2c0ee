// Tests of the Map menu's commands: the flag each sets, the set-up it runs, and the deferral
// through the message queue.
#include <gtest/gtest.h>

#include "core/mapsel/map_selection.h"
#include "core/turn/turn_state.h"
#include "mapsel_fixture.h"

namespace mapsel_test {
namespace {

class MapCommands : public MapselFixture {
  protected:
    // World's tables, with a flag that no Map menu command sets, so that every command changes
    // the map.
    void SelectOtherMap() {
        SelectAndSetUp(g_isMapWorld);
        ClearMapFlags();
        g_isMapThreeNationsA = true;
    }
};

// Every command, started from a map other than its own: exactly its flag (or World's, when its
// contents are missing) is set and the board's tables are that map's, wholly set up.
TEST_F(MapCommands, EachCommandSelectsItsMapAndSetsItUp) {
    for (const BuiltinMap* map : MapMenuOrder()) {
        SCOPED_TRACE(std::string(map->name));
        SelectOtherMap();
        g_territories[1].armies = 9;
        g_statusText = "old";
        Window().statusTextsSet.clear();
        const int invalidations = Window().invalidations;

        ASSERT_TRUE(View().OnCommand(map->menuId));

        const BuiltinMap& expected = *map;
        EXPECT_EQ(SetFlags(), std::vector<std::string>{std::string(expected.name)});
        EXPECT_EQ(g_territoryCount, expected.territories);
        EXPECT_EQ(g_continentCount, expected.continents);
        EXPECT_EQ(g_reinforcementDivisor, ReinforcementDivisorFor(expected.territories));
        // ResetGame ran: one army each, continents coloured, the board copied for drawing.
        EXPECT_EQ(g_territories[1].armies, 1);
        EXPECT_GE(g_territories[1].owner, 1);
        EXPECT_EQ(g_displayedTerritories[1].owner, g_territories[1].owner);
        EXPECT_TRUE(WasSetUpAgain());
        EXPECT_EQ(g_statusText, " ");
        EXPECT_TRUE(StatusWasShown(kSlowCommandNotice));
        EXPECT_GT(Window().invalidations, invalidations);
        EXPECT_EQ(g_messageCount, 0);
    }
}

TEST_F(MapCommands, ChoosingTheCurrentMapRebuildsNothingAndClearsTheStatus) {
    SelectAndSetUp(g_isMapWorld);
    g_territories[1].armies = 9;
    g_statusText = "Player1 to play..";
    Window().statusTextsSet.clear();
    const int invalidations = Window().invalidations;

    View().OnCommand(BuiltinMapByFlag(&g_isMapWorld)->menuId);

    EXPECT_TRUE(g_isMapWorld);
    EXPECT_TRUE(g_wasMapSelected);
    EXPECT_EQ(g_territories[1].armies, 9);
    EXPECT_FALSE(WasSetUpAgain());
    EXPECT_EQ(g_statusText, " ");
    EXPECT_TRUE(Window().statusTextsSet.empty());
    EXPECT_EQ(Window().invalidations, invalidations);
}

TEST_F(MapCommands, ABuiltinMapEndsATestOfAMapFile) {
    ClearMapFlags();
    g_isMapCustom = true;
    g_isTestCustomMap = true;
    g_showTestMarkers = true;
    View().OnCommand(BuiltinMapByFlag(&g_isMapWorld)->menuId);
    EXPECT_FALSE(g_isTestCustomMap);
    EXPECT_FALSE(g_showTestMarkers);
    EXPECT_EQ(SetFlags(), std::vector<std::string>{"World"});
    EXPECT_FALSE(g_wasMapSelected);
    EXPECT_EQ(g_territoryCount, 42);
}

TEST_F(MapCommands, NoCommandRunsWhileTheMapMayNotChange) {
    SelectAndSetUp(g_isMapWorld);
    g_canChangeMap = false;
    View().OnCommand(BuiltinMapByFlag(&g_isMapEurope)->menuId);
    EXPECT_EQ(SetFlags(), std::vector<std::string>{"World"});
    EXPECT_FALSE(WasSetUpAgain());
}

// The first click only changes the flags, shows the notice and queues the command; the clock
// plays it back with the deferral off, which then sets up the map and turns the deferral on.
TEST_F(MapCommands, AFirstClickIsDeferredToTheClock) {
    const BuiltinMap& europe = *BuiltinMapByFlag(&g_isMapEurope);
    SelectAndSetUp(g_isMapWorld);
    g_territories[1].armies = 9;
    g_deferSlowCommands = true;
    const int cursor = Window().cursorCount;

    View().OnCommand(europe.menuId);

    EXPECT_EQ(SetFlags(), std::vector<std::string>{"Europe"});
    EXPECT_EQ(g_territoryCount, 42);
    EXPECT_EQ(g_territories[1].armies, 9);
    EXPECT_FALSE(WasSetUpAgain());
    EXPECT_FALSE(g_deferSlowCommands);
    EXPECT_EQ(g_statusText, kSlowCommandNotice);
    EXPECT_EQ(Window().cursorCount, cursor - 1);
    ASSERT_EQ(g_messageCount, 2);
    EXPECT_EQ(g_messageQueue[1].type, message_type::kPause);
    EXPECT_EQ(g_messageQueue[2].type, message_type::kMapCommand);

    View().RunClockTick();  // the pause
    EXPECT_FALSE(WasSetUpAgain());
    View().RunClockTick();  // the command

    const BuiltinMap& expected = europe;
    EXPECT_EQ(SetFlags(), std::vector<std::string>{std::string(expected.name)});
    EXPECT_EQ(g_territoryCount, expected.territories);
    EXPECT_EQ(g_territories[1].armies, 1);
    EXPECT_TRUE(WasSetUpAgain());
    EXPECT_EQ(g_statusText, " ");
    EXPECT_TRUE(g_deferSlowCommands);
    EXPECT_EQ(Window().cursorCount, cursor);
}

TEST_F(MapCommands, ADeferredClickOnTheCurrentMapRebuildsNothingWhenPlayed) {
    SelectAndSetUp(g_isMapWorld);
    g_territories[1].armies = 9;
    g_deferSlowCommands = true;
    View().OnCommand(BuiltinMapByFlag(&g_isMapWorld)->menuId);
    View().RunClockTick();
    View().RunClockTick();
    EXPECT_EQ(SetFlags(), std::vector<std::string>{"World"});
    EXPECT_EQ(g_territories[1].armies, 9);
    EXPECT_FALSE(WasSetUpAgain());
    EXPECT_TRUE(g_deferSlowCommands);
}

}  // namespace
}  // namespace mapsel_test
