// Tests of the game described in words: the window title of every kind of game and the texts
// the Scores command gives its window.
#include <gtest/gtest.h>

#include "core/mapsel/window_title.h"
#include "core/model/campaign_state.h"
#include "core/rules/turn_order.h"
#include "core/turn/turn_state.h"
#include "mapsel_fixture.h"

namespace mapsel_test {
namespace {

class GameTexts : public MapselFixture {
  protected:
    void SetUp() override {
        MapselFixture::SetUp();
        SelectAndSetUp(g_isMapWorld);
    }
};

struct Game {
    std::int32_t kind = 1;
    bool highScore = false;
    bool internet = false;
    char rule = 'n';
    std::int32_t campaign = 0;
    const char* campaignName = "";
    std::int32_t step = 1;
    std::int32_t length = 1;
    bool normalLevel = true;
    std::int32_t mission = 0;
};

void Apply(const Game& game) {
    g_gameKind = game.kind;
    g_isHighScoreGame = game.highScore;
    g_isInternetGame = game.internet;
    g_isOneForOneRule = game.rule;
    g_campaignNumber = game.campaign;
    g_campaignName = game.campaignName;
    g_campaignStep = game.step;
    g_campaignLength = game.length;
    g_isNormalLevel = game.normalLevel;
    g_missionKind = game.mission;
}

TEST_F(GameTexts, TheTitleNamesEveryKindOfGame) {
    struct Case {
        Game game;
        const char* title;
    };
    const Case cases[] = {
        {{}, "Marovek - Single Player - Dice Like"},
        {{.rule = 'j'}, "Marovek - Single Player - 1 for 1"},
        {{.highScore = true, .rule = 'j'}, "Marovek - Top 5 - 1 for 1"},
        {{.kind = 5, .highScore = true}, "Marovek - Top 5 - Demo - Dice Like"},
        {{.kind = 5}, "Marovek - Demo - Dice Like"},
        {{.kind = 4}, "Marovek - Hotseat - Dice Like"},
        {{.kind = 2}, "Marovek - LAN - Dice Like"},
        {{.kind = 3, .rule = 'j'}, "Marovek - LAN - 1 for 1"},
        {{.kind = 2, .internet = true}, "Marovek - Internet - Dice Like"},
        {{.kind = 3, .internet = true}, "Marovek - Internet - Dice Like"},
        {{.campaign = 1, .step = 2, .length = 2},
         "Marovek - Single Player - Dice Like - Worlds - Map 2 of 2"},
        {{.campaign = 2, .length = 3},
         "Marovek - Single Player - Dice Like - West Pacific - Map 1 of 3"},
        {{.campaign = 3, .step = 4, .length = 4},
         "Marovek - Single Player - Dice Like - N. Atlantic - Map 4 of 4"},
        {{.campaign = 4, .length = 2},
         "Marovek - Single Player - Dice Like - Three Nations - Map 1 of 2"},
        {{.campaign = 5, .step = 3, .length = 3},
         "Marovek - Single Player - Dice Like - Marovek - Map 3 of 3"},
        {{.campaign = 6,
          .campaignName = "Isles         ",
          .step = 3,
          .length = 4,
          .normalLevel = false},
         "Marovek - Single Player - Dice Like - Isles - Map 3 of 4 - Easy"},
        {{.campaign = 6, .campaignName = "Two Seas      ", .step = 12, .length = 20},
         "Marovek - Single Player - Dice Like - Two Seas - Map 12 of 20"},
        {{.normalLevel = false}, "Marovek - Single Player - Dice Like - Easy"},
        {{.mission = 2}, "Marovek - Single Player - Dice Like - Hold Continents"},
        {{.kind = 4,
          .rule = 'j',
          .campaign = 2,
          .step = 2,
          .length = 3,
          .normalLevel = false,
          .mission = 2},
         "Marovek - Hotseat - 1 for 1 - West Pacific - Map 2 of 3 - Easy - Hold Continents"},
    };
    for (const Case& c : cases) {
        Apply(c.game);
        View().UpdateWindowTitle();
        EXPECT_EQ(Window().title, c.title);
    }
}

// The Continents mission names player 1's next continent by the map's own names, which the
// title sets for a built-in map.
TEST_F(GameTexts, TheContinentsMissionNamesTheNextContinent) {
    Apply({.mission = 1});
    g_continentNames.fill("");
    g_missionOrders[1] = {0, 4, 5, 6};
    g_missionOrders[2] = {0, 1, 1, 1};
    g_missionProgress = 2;
    View().UpdateWindowTitle();
    EXPECT_EQ(Window().title, "Marovek - Single Player - Dice Like - Continents - Asia    ");
    EXPECT_EQ(g_continentNames[1], "N. America    ");
}

// Mission tables that name no continent leave the name out rather than read past them.
TEST_F(GameTexts, AContinentsMissionWithoutATargetNamesNone) {
    Apply({.mission = 1});
    for (std::int32_t progress : {-1, 26, 3}) {
        g_missionOrders[1] = {0, 4, 5, 0};
        g_missionProgress = progress;
        View().UpdateWindowTitle();
        EXPECT_EQ(Window().title, "Marovek - Single Player - Dice Like - Continents - ")
            << progress;
    }
}

TEST_F(GameTexts, TheScoresGameTextNamesPlayersRuleAndMap) {
    struct Case {
        std::int32_t players;
        char rule;
        std::int32_t campaign;
        bool* map;
        const char* text;
    };
    const Case cases[] = {
        {2, 'j', 0, &g_isMapWorld, "1-for-1,  World"},
        {2, 'n', 0, &g_isMapEurope, "Dice-like ,  Europe"},
        {3, 'n', 0, &g_isMapNorthAmerica, "3 players, Dice-like ,  America"},
        {10, 'j', 0, &g_isMapCustom, "10 players, 1-for-1,  My Map"},
        {4, 'j', 0, &g_isMapJapanKorea, "4 players, 1-for-1,  Japan Korea"},
        {5, 'j', 0, &g_isMapScandinavia, "5 players, 1-for-1,  Scandinavia"},
        {6, 'j', 0, &g_isMapGreatBritain, "6 players, 1-for-1,  Great Britain"},
        {7, 'j', 0, &g_isMapChina, "7 players, 1-for-1,  China"},
        {8, 'j', 0, &g_isMapWorms, "8 players, 1-for-1,  Worms"},
        {9, 'j', 0, &g_isMapLinesII, "9 players, 1-for-1,  Lines II"},
        {3, 'j', 0, &g_isMapSwampII, "3 players, 1-for-1,  Swamp II"},
        {3, 'j', 0, &g_isMapSwamp, "3 players, 1-for-1,  Swamp"},
        {3, 'j', 0, &g_isMapAustralia, "3 players, 1-for-1,  Australia"},
        {3, 'j', 0, &g_isMapRealWorld, "3 players, 1-for-1,  Real World"},
        {3, 'j', 0, &g_isMapThreeNationsA, "3 players, 1-for-1"},
        {3, 'j', 0, &g_isMapThreeNationsB, "3 players, 1-for-1"},
        {3, 'j', 1, &g_isMapRealWorld, "3 players, 1-for-1,  Worlds"},
        {3, 'j', 2, &g_isMapChina, "3 players, 1-for-1,  West Pacific"},
        {3, 'j', 3, &g_isMapEurope, "3 players, 1-for-1,  N. Atlantic"},
        {3, 'j', 4, &g_isMapThreeNationsA, "3 players, 1-for-1,  Three Nations"},
        {3, 'j', 5, &g_isMapSwamp, "3 players, 1-for-1,  Marovek"},
        {3, 'j', 6, &g_isMapCustom, "3 players, 1-for-1"},
    };
    for (const Case& c : cases) {
        ClearMapFlags();
        *c.map = true;
        g_playerCount = c.players;
        g_isOneForOneRule = c.rule;
        g_campaignNumber = c.campaign;
        EXPECT_EQ(ScoresDescription().game, c.text);
    }
}

TEST_F(GameTexts, TheScoresOptionsAndLosses) {
    struct Case {
        bool hidden;
        bool strongholds;
        const char* options;
    };
    const Case cases[] = {
        {false, false, ""},
        {true, false, "hidden territories  "},
        {false, true, "strongholds"},
        {true, true, "hidden territories  strongholds"},
    };
    for (const Case& c : cases) {
        g_areTerritoriesHidden = c.hidden;
        g_areStrongholdsOn = c.strongholds;
        EXPECT_EQ(ScoresDescription().options, c.options);
    }
    rules::SetCurrentPlayer(3);
    g_players[3][player_field::kLosses] = 42;
    EXPECT_EQ(ScoresDescription().losses, "   42");
    g_players[3][player_field::kLosses] = 123456;
    EXPECT_EQ(ScoresDescription().losses, "123456");
    rules::SetCurrentPlayer(0);
    EXPECT_EQ(ScoresDescription().losses, "    0");
}

}  // namespace
}  // namespace mapsel_test
