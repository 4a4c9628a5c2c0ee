// Tests of the built-in map texts: headers, sizes, ParisByNight, and serving by file name.
#include <gtest/gtest.h>

#include <string>

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/map_text.h"
#include "maps/map_texts.h"

namespace {

struct TextCase {
    const char* name;
    const char* fileName;
    std::int32_t territories, continents;
    const char* panel;
    const char* smilies;
    std::int32_t lines;
};

// Every text, in the loader's order of file names, Swamp II last.
const TextCase kTexts[] = {
    {"MiddleEarth", "MiddleEarth.txt", 64, 9, "54 427", "N", 85},
    {"USA", "USA.txt", 46, 8, "820 260", "N", 66},
    {"Europe2", "Europe2.txt", 46, 8, "780 100", "Y", 66},
    {"africa", "africa.txt", 35, 5, "750 150", "Y", 52},
    {"AloneInACrowd", "AloneInACrowd.txt", 112, 6, "2 2", "N", 131},
    {"Atlantis2", "Atlantis2.txt", 58, 14, "777 328", "N", 84},
    {"Atlantis", "Atlantis.txt", 58, 14, "777 328", "N", 84},
    {"Doom", "Doom.txt", 21, 5, "800 35", "Y", 38},
    {"DragonWarrior", "DragonWarrior.txt", 101, 11, "636 373", "N", 124},
    {"e2", "e2.txt", 115, 14, "700 100", "N", 141},
    {"Hex_gone_crazy", "Hex_gone_crazy.txt", 100, 12, "852 90", "Y", 124},
    {"Ireland", "Ireland.txt", 32, 5, "2 2", "Y", 49},
    {"Lines", "Lines.txt", 80, 13, "830 40", "N", 105},
    {"Neighbourhood", "Neighbourhood.txt", 101, 5, "2 2", "N", 118},
    {"OK83", "OK83.txt", 83, 10, "600 100", "Y", 105},
    {"Rings", "Rings.txt", 98, 14, "850 27", "Y", 124},
    {"Romania", "Romania.txt", 41, 7, "792 41", "Y", 60},
    {"coconutz", "coconutz.txt", 93, 10, "15 18", "Y", 115},
    {"JustNeedTwo", "JustNeedTwo.txt", 87, 9, "745 150", "N", 108},
    {"Russia", "Russia.txt", 65, 7, "10 10", "N", 84},
    {"WorldII", "WorldII.txt", 57, 8, "600 360", "N", 77},
    {"ParisByNight", "ParisByNight.txt", 21, 3, "780 100", "N", 36},
    {"France", "France.txt", 88, 21, "790 50", "N", 121},
    {"107", "107.txt", 107, 18, "325 405", "N", 137},
    {"SwampII", "", 200, 25, "800 10", "N", 237},
};

TEST(MapTexts, TableHoldsEveryTextsHeaderAndSize) {
    ASSERT_EQ(BuiltinMapTexts().size(), std::size(kTexts));
    for (std::size_t i = 0; i < std::size(kTexts); ++i) {
        const TextCase& c = kTexts[i];
        const BuiltinMapText& text = BuiltinMapTexts()[i];
        EXPECT_EQ(text.name, c.name);
        EXPECT_EQ(text.fileName, c.fileName) << c.name;
        EXPECT_EQ(text.territories, c.territories) << c.name;
        EXPECT_EQ(text.continents, c.continents) << c.name;
        EXPECT_EQ(text.panel, c.panel) << c.name;
        EXPECT_EQ(text.smilies, c.smilies) << c.name;
        EXPECT_EQ(MapTextLineCount(text), c.lines) << c.name;
    }
}

// Every text whose lines exist appends exactly its line count and parses into its sizes.
TEST(MapTexts, EveryCompleteTextAppendsItsLinesAndParses) {
    int complete = 0;
    for (const BuiltinMapText& text : BuiltinMapTexts()) {
        if (!IsMapTextComplete(text)) continue;
        ++complete;
        g_mapTextBuffer.clear();
        ASSERT_TRUE(maps::AppendBuiltinMapText(text));
        EXPECT_EQ(static_cast<std::int32_t>(g_mapTextBuffer.size()), MapTextLineCount(text));
        EXPECT_EQ(ParseMapTextBuffer(), map_text_result::kAccepted) << text.name;
        EXPECT_EQ(g_territoryCount, text.territories) << text.name;
        EXPECT_EQ(g_continentCount, text.continents) << text.name;
    }
    EXPECT_GE(complete, 1);  // ParisByNight at least
}

TEST(MapTexts, ATextWithoutItsLinesAppendsNothing) {
    for (const BuiltinMapText& text : BuiltinMapTexts()) {
        if (IsMapTextComplete(text)) continue;
        g_mapTextBuffer.assign({"kept"});
        EXPECT_FALSE(maps::AppendBuiltinMapText(text)) << text.name;
        EXPECT_EQ(g_mapTextBuffer, MapTextBuffer{"kept"}) << text.name;
    }
}

TEST(MapTexts, ParisByNightAppendsItsThirtySixLines) {
    g_mapTextBuffer.clear();
    ASSERT_TRUE(maps::AppendBuiltinMapText(*BuiltinMapTextByName("ParisByNight")));
    const MapTextBuffer& b = g_mapTextBuffer;
    ASSERT_EQ(b.size(), 36u);
    const std::pair<int, const char*> lines[] = {
        {1, "[map]"},
        {2, "ParisByNight"},
        {3, ""},
        {4, "[player names]"},
        {5, "780 100"},
        {6, ""},
        {7, "[smilies and codes]"},
        {8, "N"},
        {9, ""},
        {10, "[continents]"},
        {11, "8 La_Rive_Droite 1 2 3 4 5 6 7 8 9 10 11 12"},
        {12, "1 La_Defense 13 14 15 "},
        {13, "4 La_Rive_Gauche 16 17 18 19 20 21"},
        {14, ""},
        {15, "[territories]"},
        {16, "1 xxx 372 256 5 6 4 3 2 17 18"},
        {23, "8 xxx 572 290 3 2 9 10 11 7"},
        {29, "14 xxx 46 85 13 15"},
        {36, "21 xxx 486 378 9 20 19 18 2"},
    };
    for (auto [line, text] : lines) EXPECT_EQ(b[static_cast<std::size_t>(line - 1)], text) << line;
}

TEST(MapTexts, ParisByNightParsesIntoItsMap) {
    g_mapTextBuffer.clear();
    ASSERT_TRUE(maps::AppendBuiltinMapText(*BuiltinMapTextByName("ParisByNight")));
    EXPECT_EQ(ParseMapTextBuffer(), map_text_result::kAccepted);
    EXPECT_EQ(g_mapName, "ParisByNight  ");
    EXPECT_EQ(g_territoryCount, 21);
    EXPECT_EQ(g_continentCount, 3);
    EXPECT_EQ(g_continents[1][kContinentBonus], 8);
    EXPECT_EQ(g_continents[2][kContinentBonus], 1);
    EXPECT_EQ(g_continents[3][kContinentBonus], 4);
    EXPECT_EQ(g_continents[1][kContinentMemberCount], 12);
    EXPECT_EQ(g_playerPanelX, 780);
    EXPECT_EQ(g_playerPanelY, 100);
    EXPECT_FALSE(g_customMapHasSmilies);
    EXPECT_EQ(g_neighbours[2][8], 4);
    EXPECT_EQ(g_labelPositions[14].x, 46);
    EXPECT_EQ(g_territoryCodes[21], "xxx");
}

TEST(MapTexts, TwoAppendsWithoutEmptyingKeepBothTexts) {
    g_mapTextBuffer.clear();
    const BuiltinMapText& paris = *BuiltinMapTextByName("ParisByNight");
    ASSERT_TRUE(maps::AppendBuiltinMapText(paris));
    ASSERT_TRUE(maps::AppendBuiltinMapText(paris));
    ASSERT_EQ(g_mapTextBuffer.size(), 72u);
    EXPECT_EQ(g_mapTextBuffer[36], "[map]");
    EXPECT_EQ(g_mapTextBuffer[71], g_mapTextBuffer[35]);
}

TEST(MapTexts, FileNamesFindTheirTextCaseSensitively) {
    for (const TextCase& c : kTexts) {
        if (*c.fileName == '\0') continue;
        const BuiltinMapText* text = BuiltinMapTextByFileName(c.fileName);
        ASSERT_NE(text, nullptr) << c.fileName;
        EXPECT_EQ(text->name, c.name);
    }
    for (const char* unknown : {"usa.txt", "USA.TXT", "USA", "SwampII.txt", "", " USA.txt",
                                "Hex_gone_crazy.txt ", "Swamp II"})
        EXPECT_EQ(BuiltinMapTextByFileName(unknown), nullptr) << unknown;
}

TEST(MapTexts, ServingAppendsOnlyATextThatExists) {
    g_mapTextBuffer.clear();
    EXPECT_FALSE(maps::AppendServedMapText("usa.txt"));
    EXPECT_TRUE(g_mapTextBuffer.empty());
    EXPECT_TRUE(maps::AppendServedMapText("ParisByNight.txt"));
    EXPECT_EQ(g_mapTextBuffer.size(), 36u);
    g_mapTextBuffer.clear();
    const bool usaComplete = IsMapTextComplete(*BuiltinMapTextByName("USA"));
    EXPECT_EQ(maps::AppendServedMapText("USA.txt"), usaComplete);
    EXPECT_EQ(g_mapTextBuffer.size(), usaComplete ? 66u : 0u);
}

}  // namespace
