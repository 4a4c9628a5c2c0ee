// North America's own rows: codes, the size-1 and size-3 positions, narrow code boxes, count and
// icon offsets, the extra fill seeds and its real neighbours.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "maps/place_art.h"
#include "tests/places/place_checks.h"

namespace {

constexpr std::int32_t kTerritories = 64;

const maps::MapArt& Art() {
    const maps::MapArt* art = places_test::PlaceArt(&g_isMapNorthAmerica);
    EXPECT_NE(art, nullptr);
    static const maps::MapArt none{};
    return art ? *art : none;
}

const CodeMapContent& Content() {
    return PlaceMapContent(*BuiltinMapByFlag(&g_isMapNorthAmerica));
}

std::vector<std::int32_t> NeighboursOf(std::int32_t t) {
    std::vector<std::int32_t> out;
    for (const std::int32_t n : Content().territories[static_cast<std::size_t>(t) - 1].neighbours)
        if (n > 0) out.push_back(n);
    return out;
}

std::int32_t TerritoryCoded(std::string_view code) {
    const maps::MapArt& art = Art();
    for (std::size_t i = 0; i < art.labelsSize23.size(); ++i)
        if (art.labelsSize23[i].code == code) return static_cast<std::int32_t>(i) + 1;
    return 0;
}

TEST(NorthAmerica, CodesAreStateOrRegionCodesShortenedOnlyForTheSmallBoxes) {
    const maps::MapArt& art = Art();
    ASSERT_EQ(art.labelsSize1.size(), static_cast<std::size_t>(kTerritories));
    ASSERT_EQ(art.labelsSize23.size(), static_cast<std::size_t>(kTerritories));
    ASSERT_EQ(Content().territories.size(), static_cast<std::size_t>(kTerritories));
    const std::map<std::int32_t, std::string_view> shortened = {
        {8, "nb"}, {38, "h"}, {39, "m"}, {56, "p"}};
    std::set<std::string_view> seen;
    for (std::int32_t t = 1; t <= kTerritories; ++t) {
        const auto i = static_cast<std::size_t>(t) - 1;
        const std::string_view code = art.labelsSize23[i].code;
        EXPECT_TRUE(code.size() == 2 || code.size() == 3) << t;
        EXPECT_TRUE(seen.insert(code).second) << "twice: " << code;
        const auto it = shortened.find(t);
        EXPECT_EQ(art.labelsSize1[i].code, it == shortened.end() ? code : it->second) << t;
    }
    EXPECT_EQ(art.labelsSize23[0].code, "ala");
    EXPECT_EQ(art.labelsSize23[7].code, "nbr");
    // British Columbia and Washington face each other across the border; Cuba is Caribbean.
    EXPECT_GE(TerritoryCoded("brc"), 1);
    EXPECT_LE(TerritoryCoded("brc"), 9);
    EXPECT_GE(TerritoryCoded("wa"), 10);
    EXPECT_LE(TerritoryCoded("wa"), 15);
    EXPECT_GE(TerritoryCoded("cub"), 52);
    EXPECT_LE(TerritoryCoded("cub"), 56);
}

TEST(NorthAmerica, SmallRowsStandLowerByVaryingAmountsAndTwoRowsMoveOnTheLargeBoard) {
    const maps::MapArt& art = Art();
    ASSERT_EQ(art.labelsSize23.size(), static_cast<std::size_t>(kTerritories));
    std::set<std::int32_t> drops;
    for (std::int32_t t = 1; t <= kTerritories; ++t) {
        const maps::ArtLabel& medium = art.labelsSize23[static_cast<std::size_t>(t) - 1];
        const maps::ArtLabel& small = art.labelsSize1[static_cast<std::size_t>(t) - 1];
        EXPECT_EQ(small.x, medium.x) << t;
        EXPECT_GT(small.y, medium.y) << t;
        drops.insert(small.y - medium.y);
        std::int32_t x = 0, y = 0;
        ASSERT_TRUE(maps::LabelRow(art, 3, t, &x, &y));
        const bool own = t == 39 || t == 56;
        EXPECT_EQ(x, own ? medium.x + 2 : medium.x) << t;
        EXPECT_EQ(y, medium.y) << t;
    }
    EXPECT_GT(drops.size(), 1u);
}

TEST(NorthAmerica, NarrowCodeBoxesAndOffsetsHoldTheFixedRows) {
    const maps::MapArt& art = Art();
    struct Box {
        int size;
        std::int32_t territory;
        int width, height;
    };
    const Box boxes[] = {{2, 8, 14, 8}, {2, 38, 14, 8}, {1, 38, 5, 6}, {1, 39, 8, 6}, {1, 8, 8, 6}};
    ASSERT_EQ(art.narrowCodeBoxes.size(), std::size(boxes));
    for (const Box& want : boxes) {
        const auto it =
            std::find_if(art.narrowCodeBoxes.begin(), art.narrowCodeBoxes.end(),
                         [&](const maps::CodeBoxSize& b) {
                             return b.size == want.size && b.territory == want.territory;
                         });
        ASSERT_NE(it, art.narrowCodeBoxes.end()) << want.size << " " << want.territory;
        EXPECT_EQ(it->width, want.width);
        EXPECT_EQ(it->height, want.height);
    }
    const maps::ArtOffset* telling = maps::FindOffset(art.countOffsets, 1, 39);
    ASSERT_NE(telling, nullptr);
    EXPECT_FALSE(telling->absolute);
    EXPECT_EQ(telling->dx, 7);
    EXPECT_EQ(telling->dy, -16);
    EXPECT_EQ(telling->dyLargeFonts, -15);
    places_test::ExpectIconRowsUndoCountRows(art);
}

TEST(NorthAmerica, ExtraSeedsHoldAlaskasFixedPiecesAndNameTheSameTerritoriesAtEverySize) {
    const maps::MapArt& art = Art();
    const std::map<std::int32_t, int> wanted = {{1, 2}, {6, 1}, {7, 1}, {35, 1}};
    places_test::ExpectSeedsPerTerritory(art, wanted);
    struct Row {
        int size;
        std::int32_t x, y;
    };
    const Row alaska[] = {{1, 111, 77}, {1, 102, 23},  {2, 159, 109},
                          {2, 145, 32}, {3, 199, 136}, {3, 181, 40}};
    for (const Row& row : alaska) {
        const auto seeds = maps::SeedsFor(art, row.size);
        EXPECT_TRUE(std::any_of(seeds.begin(), seeds.end(),
                                [&](const maps::FillSeed& s) {
                                    return s.territory == 1 && s.x == row.x && s.y == row.y;
                                }))
            << row.size << " (" << row.x << ", " << row.y << ")";
    }
}

// A few neighbours a player of North America expects, by land and by sea lane, and the rivers
// drawn as water: the Ohio keeps the MidWest and the South apart.
TEST(NorthAmerica, NeighboursFollowTheRealBordersLanesAndRivers) {
    ASSERT_EQ(Content().territories.size(), static_cast<std::size_t>(kTerritories));
    const std::pair<std::int32_t, std::int32_t> pairs[] = {
        {1, 2},    // Alaska, the Yukon
        {8, 37},   // New Brunswick, New York and New England's north
        {42, 58},  // West Texas, Chihuahua
        {52, 64},  // Cuba, Yucatan (lane)
        {52, 53},  // Cuba, the Bahamas (lane)
        {55, 56},  // Hispaniola, Puerto Rico (lane)
    };
    for (const auto& [a, b] : pairs) {
        const auto na = NeighboursOf(a), nb = NeighboursOf(b);
        EXPECT_NE(std::find(na.begin(), na.end(), b), na.end()) << a << "-" << b;
        EXPECT_NE(std::find(nb.begin(), nb.end(), a), nb.end()) << b << "-" << a;
    }
    for (std::int32_t midWest = 32; midWest <= 36; ++midWest)
        for (const std::int32_t n : NeighboursOf(midWest))
            EXPECT_FALSE(n >= 42 && n <= 51) << midWest << "-" << n;
}

}  // namespace
