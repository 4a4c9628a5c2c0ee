// The map texts of real places: each parses into its table's counts as a sound board with the
// codes and continents its table asks, and its shipped map files are the ones a new user finds,
// loads, plays in a high-score game and sees drawn by every rule.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/child_view.h"
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/map_loader.h"
#include "core/model/map_text.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "maps/map_content.h"
#include "maps/map_texts.h"
#include "maps/place_texts.h"
#include "maps/validate_picture.h"
#include "platform/headless/test_platform.h"
#include "platform/raster/bmp.h"
#include "tests/imagined/new_user_fixture.h"
#include "tests/maps/board_checks.h"
#include "tools/mapgen/board_rules.h"

namespace {

using map_files_test::ReadCheckedPicture;
using map_files_test::ReadFile;
using NewUser = map_files_test::NewUserFixture;

struct PlaceCase {
    const char* name;
    bool ownCodes;  // else every code is "xxx"
    std::size_t codeLength;
    std::vector<std::string> continents;  // in order
    std::vector<std::string> someCodes;   // real places that must be there (own codes)
};

const PlaceCase kPlaces[] = {
    {"Ireland",
     true,
     3,
     {"Northern_Ireland", "Ulster", "Connacht", "Leinster", "Munster"},
     {"Dub", "Cor", "Gal", "Ant", "Don", "Ker", "Wex"}},
    {"Romania",
     true,
     2,
     {"Nord-Vest", "Centru", "Nord-Est", "Sud-Est", "Sud-Muntenia", "Sud-Vest_Oltenia", "Vest"},
     {"CJ", "TM", "IS", "CT", "IF", "BV", "SB", "MM"}},
    {"africa",
     true,
     3,
     {"North_Africa", "West_Africa", "Central_Africa", "East_Africa", "Southern_Africa"},
     {"EGY", "NGA", "ZAF", "COD", "KEN", "MDG", "MAR", "TUN"}},
    {"Russia",
     false,
     3,
     {"Central", "Northwest", "South", "Volga", "Ural", "Siberia", "Far_East"},
     {}},
    {"France",
     false,
     3,
     {"Hauts-de-France",
      "Corse",
      "Haute-Normandie",
      "Basse-Normandie",
      "Bretagne",
      "Pays_de_la_Loire",
      "Centre",
      "Ile-de-France",
      "Champagne-Ardenne",
      "Lorraine",
      "Alsace",
      "Franche-Comte",
      "Bourgogne",
      "Poitou-Charentes",
      "Limousin",
      "Auvergne",
      "Rhone-Alpes",
      "Aquitaine",
      "Midi-Pyrenees",
      "Languedoc-Roussillon",
      "Provence-Cote_d'Azur"},
     {}},
    {"USA",
     false,
     3,
     {"Northeast", "Great_Lakes", "Plains", "South_Atlantic", "East_South_Central",
      "West_South_Central", "Mountain", "Pacific"},
     {}},
    {"Europe2",
     true,
     3,
     {"Nordic", "British_Isles", "Western_Europe", "Central_Europe", "Balkans", "Eastern_Europe",
      "Russia", "Anatolia_Caucasus"},
     {"Fra", "Ger", "Ita", "Spa", "Pol", "Ukr", "Gre", "Tur", "Ice", "Ire"}},
    {"WorldII",
     false,
     3,
     {"North_America", "Central_America", "South_America", "Europe", "Africa", "Middle_East",
      "Asia", "Oceania"},
     {}},
};

bool Parse(const char* name) {
    const BuiltinMapText* text = BuiltinMapTextByName(name);
    g_mapTextBuffer.clear();
    return text != nullptr && maps::AppendBuiltinMapText(*text) &&
           ParseMapTextBuffer() == map_text_result::kAccepted;
}

// The game's own parser accepts each text with its table's counts; neighbours name each other
// and join one board; every territory is in exactly one of the named continents, each bonus
// grows with what the continent asks; codes as the table says.
TEST(PlaceMapTexts, EachParsesIntoASoundBoardOfItsRealRegions) {
    for (const PlaceCase& c : kPlaces) {
        SCOPED_TRACE(c.name);
        const BuiltinMapText* text = BuiltinMapTextByName(c.name);
        ASSERT_NE(text, nullptr);
        ASSERT_NE(PlaceTextContent(c.name), nullptr);
        ASSERT_TRUE(IsMapTextComplete(*text));
        g_mapTextBuffer.clear();
        ASSERT_TRUE(maps::AppendBuiltinMapText(*text));
        EXPECT_EQ(static_cast<std::int32_t>(g_mapTextBuffer.size()), MapTextLineCount(*text));
        ASSERT_EQ(ParseMapTextBuffer(), map_text_result::kAccepted);
        ASSERT_EQ(g_territoryCount, text->territories);
        ASSERT_EQ(g_continentCount, text->continents);

        ASSERT_NO_FATAL_FAILURE(board_checks::ExpectSymmetricConnectedNeighbours());

        ASSERT_EQ(c.continents.size(), static_cast<std::size_t>(g_continentCount));
        for (int k = 1; k <= g_continentCount; ++k) {
            EXPECT_EQ(g_continentNames[k], c.continents[k - 1]);
            int borders = 0;
            while (borders < kMaxContinentBorder && g_continentBorders[k][borders + 1] != 0)
                ++borders;
            const int members = g_continents[k][kContinentMemberCount];
            EXPECT_EQ(g_continents[k][kContinentBonus], std::max(1, (members + borders - 1) / 2))
                << "continent " << k;
        }
        std::set<std::string> codes;
        for (int t = 1; t <= g_territoryCount; ++t) {
            EXPECT_NE(board_checks::ContinentOf(t), 0) << t;
            const std::string& code = g_territoryCodes[t];
            EXPECT_EQ(code.size(), c.codeLength) << t;
            if (!c.ownCodes) {
                EXPECT_EQ(code, "xxx") << t;
            }
            codes.insert(code);
        }
        if (c.ownCodes) {
            EXPECT_EQ(codes.size(), static_cast<std::size_t>(g_territoryCount)) << "codes repeat";
        }
        for (const std::string& code : c.someCodes) EXPECT_TRUE(codes.contains(code)) << code;
    }
}

// The copies in the user's folder are the shipped files, the text the very lines the game serves
// in a high-score game; Load a Map opens each, and so does a high-score game, without a word.
TEST_F(NewUser, FindsLoadsAndPlaysEveryPlaceMapFile) {
    const std::filesystem::path user = g_userFilesFolder;
    const std::filesystem::path shipped = std::filesystem::path(MAROVEK_RES_DIR) / "mapfiles";
    for (const PlaceCase& c : kPlaces) {
        SCOPED_TRACE(c.name);
        const std::string name = c.name;
        for (const std::string suffix : {".txt", ".bmp", "_2.bmp"}) {
            ASSERT_TRUE(std::filesystem::exists(user / (name + suffix))) << suffix;
            EXPECT_EQ(ReadFile(user / (name + suffix)), ReadFile(shipped / (name + suffix)));
        }
        g_mapTextBuffer.clear();
        ASSERT_TRUE(maps::AppendBuiltinMapText(*BuiltinMapTextByName(name)));
        std::string served;
        for (const std::string& line : g_mapTextBuffer) served += line + "\n";
        EXPECT_EQ(ReadFile(user / (name + ".txt")), served);
        for (const bool highScore : {false, true}) {
            g_isHighScoreGame = highScore;
            g_screenSize = highScore ? 3 : 2;
            platform_->fileDialogs.ScriptOpen((user / (name + ".txt")).string());
            view_->OnLoadMap();
            EXPECT_TRUE(platform_->window.messageBoxes.empty())
                << platform_->window.messageBoxes.front().text;
            EXPECT_TRUE(g_isMapFileLoaded);
            EXPECT_EQ(g_territoryCount, BuiltinMapTextByName(name)->territories);
            EXPECT_EQ(g_mapName.substr(0, name.size()), name);
        }
    }
}

// The pictures read back from the shipped files are the board's sizes and keep every drawing
// rule at their size, the players panel on open sea.
TEST_F(NewUser, ShippedPicturesKeepTheDrawingRules) {
    const std::filesystem::path shipped = std::filesystem::path(MAROVEK_RES_DIR) / "mapfiles";
    for (const PlaceCase& c : kPlaces) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(Parse(c.name));
        std::vector<TerritoryContent> territories;
        for (int t = 1; t <= g_territoryCount; ++t) {
            TerritoryContent tc{
                g_territoryCodes[t], g_labelPositions[t].x, g_labelPositions[t].y, {}};
            std::copy(g_neighbours[t].begin() + 1, g_neighbours[t].end(), tc.neighbours.begin());
            territories.push_back(tc);
        }
        const CodeMapContent content{territories, {}, {}};
        const mapgen::LabelArt art(content);
        const std::string panel(BuiltinMapTextByName(c.name)->panel);
        const int panelX = std::stoi(panel), panelY = std::stoi(panel.substr(panel.find(' ')));
        for (const auto& [size, file] : {std::pair{2, ".bmp"}, std::pair{3, "_2.bmp"}}) {
            const auto picture =
                ReadCheckedPicture(shipped / (std::string(c.name) + file), content, art, size);
            ASSERT_TRUE(picture.has_value());
            const int scale = size == 3 ? 125 : 100;
            int land = 0;
            for (int y = panelY * scale / 100; y < (panelY + 205) * scale / 100; ++y)
                for (int x = panelX * scale / 100; x < (panelX + 170) * scale / 100; ++x)
                    land += picture->Inside(x, y) && picture->Pixel(x, y) != 0;
            EXPECT_EQ(land, 0) << "pixels under the players panel, size " << size;
        }
    }
}

}  // namespace
