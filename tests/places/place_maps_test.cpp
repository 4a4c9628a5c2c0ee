// Every finished map of real places: pictures and outline files keep the drawing rules at all
// three sizes, the compiled tables hold the fixed rows, and the contents pass the map checker.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/route_table.h"
#include "maps/map_content.h"
#include "maps/map_setup.h"
#include "maps/place_art.h"
#include "maps/validate_map.h"
#include "maps/validate_picture.h"
#include "platform/raster/bmp.h"
#include "render/board_rules.h"
#include "tests/places/place_checks.h"

namespace {

// Every map of real places that has its label tables (all of them now; a map without would fall
// back to World).
struct PlaceCase {
    const bool* flag;
};
std::vector<PlaceCase> Finished() {
    std::vector<PlaceCase> done;
    for (const bool* flag :
         {&g_isMapAustralia, &g_isMapChina, &g_isMapEurope, &g_isMapGreatBritain,
          &g_isMapJapanKorea, &g_isMapNorthAmerica, &g_isMapRealWorld, &g_isMapScandinavia})
        if (places_test::PlaceArt(flag) != nullptr) done.push_back({flag});
    return done;
}

constexpr int kWidths[3] = {740, 954, 1193};
constexpr int kHeights[3] = {471, 632, 790};
constexpr raster::Colour kLane = raster::Rgb(176, 176, 176);

using places_test::ReadAll;

// The tables as a set-up writes them, straight from the map's contents.
void WriteTables(const BuiltinMap& map, const CodeMapContent& content) {
    maps::ClearMapTables();
    int c = 1, next = 1;
    for (const ContinentRun& run : map.continentRuns) {
        for (int k = 1; k <= run.members; ++k) g_continents[c][k] = next++;
        g_continents[c][kContinentMemberCount] = run.members;
        g_continents[c][kContinentBonusTimes10] = run.bonus * 10;
        g_continents[c][kContinentBonus] = run.bonus;
        std::copy(content.borders[c - 1].begin(), content.borders[c - 1].end(),
                  g_continentBorders[c].begin() + 1);
        ++c;
    }
    for (std::size_t t = 1; t <= content.territories.size(); ++t) {
        const TerritoryContent& row = content.territories[t - 1];
        std::copy(row.neighbours.begin(), row.neighbours.end(), g_neighbours[t].begin() + 1);
        g_labelPositions[t] = LabelPosition{row.x, row.y};
    }
    for (std::size_t r = 1; r <= content.routes.size(); ++r)
        std::copy(content.routes[r - 1].begin(), content.routes[r - 1].end(),
                  g_routeTable[r].begin() + 1);
}

void SelectOnly(const bool* flag) {
    ClearMapFlags();
    *const_cast<bool*>(flag) = true;
    maps::SetBuiltinMapSize();
}

TEST(PlaceMaps, TheDrawnMapsIncludeAustraliaAndChina) {
    const std::vector<PlaceCase> done = Finished();
    for (const bool* flag : {&g_isMapAustralia, &g_isMapChina})
        EXPECT_TRUE(std::any_of(done.begin(), done.end(),
                                [&](const PlaceCase& c) { return c.flag == flag; }));
}

TEST(PlaceMaps, PicturesAndOutlinesKeepTheDrawingRulesAtEverySize) {
    for (const PlaceCase& c : Finished()) {
        const BuiltinMap& map = *BuiltinMapByFlag(c.flag);
        SCOPED_TRACE(std::string(map.name));
        const maps::MapArt* art = places_test::PlaceArt(c.flag);
        ASSERT_NE(art, nullptr);
        for (int size = 1; size <= 3; ++size) {
            SCOPED_TRACE("size " + std::to_string(size));
            const std::string res = MAROVEK_RES_DIR;
            std::string error;
            const auto picture = places_test::MapPicture(map, size, &error);
            ASSERT_TRUE(picture) << error;
            EXPECT_EQ(picture->Width(), kWidths[size - 1]);
            EXPECT_EQ(picture->Height(), kHeights[size - 1]);
            const auto rules = maps::RulesFor(*art, PlaceMapContent(map), size,
                                              render::PaintPointShiftOf(&map, size), kLane);
            EXPECT_EQ(maps::ValidatePicture(*picture, rules), std::vector<std::string>{});
            const auto outlines =
                maps::DecodeOutlineFile(ReadAll(res + "/maps/Mrvekmap" + std::string(map.code) +
                                                std::to_string(size) + ".dat"),
                                        &error);
            ASSERT_TRUE(outlines) << error;
            EXPECT_EQ(maps::ValidateOutlines(*picture, *outlines, rules),
                      std::vector<std::string>{});
        }
    }
}

TEST(PlaceMaps, ContentsPassTheMapChecker) {
    for (const PlaceCase& c : Finished()) {
        const BuiltinMap& map = *BuiltinMapByFlag(c.flag);
        const CodeMapContent& content = PlaceMapContent(map);
        ASSERT_TRUE(IsContentComplete(content, map)) << map.name;
        SelectOnly(c.flag);
        WriteTables(map, content);
        EXPECT_EQ(ValidateCurrentMap(map), std::vector<std::string>{}) << map.name;
        // Label points are the size-2 rows of the label table.
        const maps::MapArt& art = *places_test::PlaceArt(c.flag);
        for (std::size_t t = 1; t <= content.territories.size(); ++t) {
            EXPECT_EQ(content.territories[t - 1].x, art.labelsSize23[t - 1].x) << t;
            EXPECT_EQ(content.territories[t - 1].y, art.labelsSize23[t - 1].y) << t;
        }
    }
}

TEST(PlaceMaps, SetUpFillsTheTablesFromTheContents) {
    for (const PlaceCase& c : Finished()) {
        const BuiltinMap& map = *BuiltinMapByFlag(c.flag);
        SelectOnly(c.flag);
        ASSERT_TRUE(maps::SetupBuiltinMap(map)) << map.name;
        EXPECT_EQ(ValidateCurrentMap(map), std::vector<std::string>{}) << map.name;
        const TerritoryContent& first = PlaceMapContent(map).territories[0];
        EXPECT_EQ(g_labelPositions[1].x, first.x);
        EXPECT_EQ(g_labelPositions[1].y, first.y);
    }
    ClearMapFlags();
    g_isMapWorld = true;
}

TEST(PlaceMaps, AustraliaKeepsItsFixedRows) {
    const maps::MapArt* art = places_test::PlaceArt(&g_isMapAustralia);
    ASSERT_NE(art, nullptr);
    std::int32_t x = 0, y = 0;
    ASSERT_TRUE(maps::LabelRow(*art, 2, 1, &x, &y));
    EXPECT_EQ(x, 287);
    EXPECT_EQ(y, 384);
    ASSERT_TRUE(maps::LabelRow(*art, 1, 1, &x, &y));
    EXPECT_EQ(x, 287);
    EXPECT_EQ(y, 389);
    // Rows with a size-3 position of their own, and only those.
    const std::vector<std::int32_t> own = {22, 58, 59, 60, 61};
    for (std::int32_t t = 1; t <= 61; ++t) {
        const bool has = art->labelsSize23[static_cast<std::size_t>(t) - 1].x3 >= 0;
        EXPECT_EQ(has, std::find(own.begin(), own.end(), t) != own.end()) << t;
    }
    for (const std::int32_t t : {50, 59, 60}) {
        const maps::ArtOffset* row = maps::FindOffset(art->countOffsets, 3, t);
        ASSERT_NE(row, nullptr) << t;
        EXPECT_EQ(row->dy, -1);
        EXPECT_EQ(row->dx, 0);
    }
    EXPECT_TRUE(maps::SeedsFor(*art, 2).empty());
}

// China has no label table of its own in the game: its labels stand at its contents' label
// points at every size, so the drawing must have used those same rows everywhere.
TEST(PlaceMaps, ChinaLabelsStandWhereTheGameDrawsThem) {
    const maps::MapArt* art = places_test::PlaceArt(&g_isMapChina);
    ASSERT_NE(art, nullptr);
    const CodeMapContent& content = PlaceMapContent(*BuiltinMapByFlag(&g_isMapChina));
    ASSERT_EQ(content.territories.size(), 43u);
    places_test::ExpectLabelsAtContentPoints(*art, content);
    EXPECT_TRUE(art->countOffsets.empty());
}

// Every drawn map leaves the game's players panel corner on the sea at every size (the part of
// the panel that reaches past the picture's edge aside).
TEST(PlaceMaps, ThePlayersPanelStandsOnTheSea) {
    for (const PlaceCase& c : Finished()) {
        const BuiltinMap& map = *BuiltinMapByFlag(c.flag);
        for (int size = 1; size <= 3; ++size) {
            std::string error;
            const auto picture = places_test::MapPicture(map, size, &error);
            ASSERT_TRUE(picture) << error;
            const auto p = render::PlayersPanelArea(&map, size);
            ASSERT_TRUE(p) << map.name;
            int land = 0;
            for (int y = p->top; y < std::min(p->bottom, picture->Height()); ++y)
                for (int x = p->left; x < std::min(p->right, picture->Width()); ++x)
                    land += picture->Pixel(x, y) != raster::Rgb(0, 0, 0) ? 1 : 0;
            EXPECT_EQ(land, 0) << map.name << " size " << size;
        }
    }
}

}  // namespace
