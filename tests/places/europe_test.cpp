// Europe's own rows: codes, the size-1 and size-3 positions, narrow code boxes, count and icon
// offsets, the extra fill seeds and the countries it draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "maps/place_art.h"
#include "tests/places/place_checks.h"

namespace {

const maps::MapArt& Art() {
    const maps::MapArt* art = places_test::PlaceArt(&g_isMapEurope);
    EXPECT_NE(art, nullptr);
    static const maps::MapArt none{};
    return art ? *art : none;
}

const CodeMapContent& Content() {
    return PlaceMapContent(*BuiltinMapByFlag(&g_isMapEurope));
}

std::vector<std::int32_t> NeighboursOf(std::int32_t t) {
    std::vector<std::int32_t> out;
    for (const std::int32_t n : Content().territories[static_cast<std::size_t>(t) - 1].neighbours)
        if (n > 0) out.push_back(n);
    return out;
}

TEST(Europe, CodesAreTwoOrThreeLettersAndShortenedOnlyWhereTheSmallBoxesNeedIt) {
    const maps::MapArt& art = Art();
    ASSERT_EQ(art.labelsSize1.size(), 44u);
    ASSERT_EQ(art.labelsSize23.size(), 44u);
    ASSERT_EQ(Content().territories.size(), 44u);
    const std::map<std::int32_t, std::string_view> shortened = {{5, "de"}, {8, "sw"}, {26, "m"}};
    for (std::int32_t t = 1; t <= 44; ++t) {
        const auto i = static_cast<std::size_t>(t) - 1;
        const std::string_view code = art.labelsSize23[i].code;
        EXPECT_TRUE(code.size() == 2 || code.size() == 3) << t;
        EXPECT_EQ(Content().territories[i].code, code) << t;
        const auto it = shortened.find(t);
        EXPECT_EQ(art.labelsSize1[i].code, it == shortened.end() ? code : it->second) << t;
    }
    EXPECT_EQ(art.labelsSize23[4].code, "den");
    EXPECT_EQ(art.labelsSize23[7].code, "swi");
    EXPECT_EQ(art.labelsSize23[25].code, "mac");
    EXPECT_EQ(art.labelsSize23[9].code, "nl");
    EXPECT_EQ(art.labelsSize23[0].code, "ice");
}

TEST(Europe, SmallRowsStandLowerAndThreeRowsHaveALargePositionOfTheirOwn) {
    const maps::MapArt& art = Art();
    ASSERT_EQ(art.labelsSize23.size(), 44u);
    const std::vector<std::int32_t> own = {9, 21, 35};
    for (std::int32_t t = 1; t <= 44; ++t) {
        const maps::ArtLabel& medium = art.labelsSize23[static_cast<std::size_t>(t) - 1];
        const maps::ArtLabel& small = art.labelsSize1[static_cast<std::size_t>(t) - 1];
        EXPECT_EQ(small.x, medium.x) << t;
        EXPECT_EQ(small.y, medium.y + 14) << t;
        std::int32_t x = 0, y = 0;
        ASSERT_TRUE(maps::LabelRow(art, 3, t, &x, &y));
        const bool has = std::find(own.begin(), own.end(), t) != own.end();
        EXPECT_EQ(x, has ? medium.x + 2 : medium.x) << t;
        EXPECT_EQ(y, medium.y) << t;
        EXPECT_EQ(medium.y, Content().territories[static_cast<std::size_t>(t) - 1].y) << t;
    }
}

TEST(Europe, NarrowCodeBoxesAndOffsetsHoldTheFixedRows) {
    const maps::MapArt& art = Art();
    ASSERT_EQ(art.narrowCodeBoxes.size(), 2u);
    for (const std::int32_t t : {10, 26}) {
        const auto it = std::find_if(art.narrowCodeBoxes.begin(), art.narrowCodeBoxes.end(),
                                     [&](const maps::CodeBoxSize& b) { return b.territory == t; });
        ASSERT_NE(it, art.narrowCodeBoxes.end()) << t;
        EXPECT_EQ(it->size, 1);
        EXPECT_EQ(it->width, 8);
        EXPECT_EQ(it->height, 6);
    }
    const maps::ArtOffset* telling = maps::FindOffset(art.countOffsets, 2, 27);
    ASSERT_NE(telling, nullptr);
    EXPECT_FALSE(telling->absolute);
    EXPECT_EQ(telling->dx, 2);
    EXPECT_EQ(telling->dy, -40);
    places_test::ExpectIconRowsUndoCountRows(art);
}

TEST(Europe, ExtraSeedsNameTheSameTerritoriesAtEverySize) {
    const maps::MapArt& art = Art();
    const std::map<std::int32_t, int> wanted = {{2, 2},  {3, 1},  {5, 1},  {11, 11},
                                                {13, 1}, {14, 2}, {15, 3}, {28, 9},
                                                {36, 2}, {37, 1}, {41, 1}};
    places_test::ExpectSeedsPerTerritory(art, wanted);
}

// A few neighbours a player of Europe expects, by land and by sea lane.
TEST(Europe, NeighboursFollowTheRealBordersAndLanes) {
    ASSERT_EQ(Content().territories.size(), 44u);
    const std::pair<std::int32_t, std::int32_t> pairs[] = {
        {5, 9},    // Denmark, Germany
        {15, 7},   // Spain, France
        {1, 4},    // Iceland, Norway (lane)
        {11, 6},   // United Kingdom, Ireland
        {11, 7},   // United Kingdom, France (lane)
        {28, 38},  // Greece, Egypt (lane)
        {27, 41},  // Bulgaria, Turkey
        {3, 37},   // Finland, Russia
        {14, 18},  // Italy, Tunisia (lane)
    };
    for (const auto& [a, b] : pairs) {
        const auto na = NeighboursOf(a), nb = NeighboursOf(b);
        EXPECT_NE(std::find(na.begin(), na.end(), b), na.end()) << a << "-" << b;
        EXPECT_NE(std::find(nb.begin(), nb.end(), a), nb.end()) << b << "-" << a;
    }
    // Serbia has the most neighbours, and Libya and Egypt do not meet.
    EXPECT_EQ(NeighboursOf(22).size(), 8u);
    const auto libya = NeighboursOf(19);
    EXPECT_EQ(std::find(libya.begin(), libya.end(), 38), libya.end());
}

}  // namespace
