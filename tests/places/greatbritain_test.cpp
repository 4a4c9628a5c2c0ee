// Great Britain's fixed rows: labels where the game draws them, the moved counts of the small
// board, and neighbours that keep the islands apart except by their two sea lanes.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "maps/map_content.h"
#include "maps/place_art.h"
#include "tests/places/place_checks.h"

namespace {

const BuiltinMap& GreatBritain() {
    return *BuiltinMapByFlag(&g_isMapGreatBritain);
}

const maps::MapArt& Art() {
    const maps::MapArt* art = places_test::PlaceArt(&g_isMapGreatBritain);
    EXPECT_NE(art, nullptr);
    static const maps::MapArt none{};
    return art ? *art : none;
}

// The game draws Great Britain's labels at its contents' label points at every size.
TEST(GreatBritain, LabelsStandWhereTheGameDrawsThem) {
    const CodeMapContent& content = PlaceMapContent(GreatBritain());
    ASSERT_EQ(content.territories.size(), 83u);
    places_test::ExpectLabelsAtContentPoints(Art(), content);
    for (const auto& seeds : Art().seeds) EXPECT_TRUE(seeds.empty());
    EXPECT_TRUE(Art().iconOffsets.empty());
}

// Only the small board moves counts: nine two rows up (one with large fonts), territory 25's
// two pixels right.
TEST(GreatBritain, SmallBoardCountRowsHoldTheFixedOffsets) {
    const maps::MapArt& art = Art();
    ASSERT_EQ(art.countOffsets.size(), 10u);
    for (const std::int32_t t : {1, 13, 17, 46, 54, 64, 67, 69, 74}) {
        const maps::ArtOffset* row = maps::FindOffset(art.countOffsets, 1, t);
        ASSERT_NE(row, nullptr) << t;
        EXPECT_FALSE(row->absolute);
        EXPECT_EQ(row->dx, 0) << t;
        EXPECT_EQ(row->dy, -2) << t;
        EXPECT_EQ(row->dyLargeFonts, -1) << t;
    }
    const maps::ArtOffset* row = maps::FindOffset(art.countOffsets, 1, 25);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->dx, 2);
    EXPECT_EQ(row->dy, 0);
    EXPECT_EQ(row->dyLargeFonts, 0);
    for (int size = 2; size <= 3; ++size)
        for (std::int32_t t = 1; t <= 83; ++t)
            EXPECT_EQ(maps::FindOffset(art.countOffsets, size, t), nullptr) << size << " " << t;
}

// Ireland's continents (Northern Ireland, Leinster, Connacht, Munster) meet Britain's only by the
// lanes Northern Ireland - Scotland and Leinster - Wales; Scotland's other neighbours are the
// North East and the North West.
TEST(GreatBritain, NeighboursKeepTheIslandsApartButForTheirLanes) {
    const BuiltinMap& map = GreatBritain();
    const CodeMapContent& content = PlaceMapContent(map);
    ASSERT_EQ(content.territories.size(), 83u);
    const std::set<std::pair<int, int>> met = places_test::ContinentContacts(map, content);
    constexpr int kScotland = 1, kNorthEast = 2, kNorthWest = 3, kWales = 10, kNorthernIreland = 11,
                  kLeinster = 12;
    std::set<std::pair<int, int>> across, scotland;
    for (const auto& pair : met) {
        // Continents from Northern Ireland on lie on Ireland.
        if ((pair.first < kNorthernIreland) != (pair.second < kNorthernIreland))
            across.insert(pair);
        if (pair.first == kScotland) scotland.insert(pair);
    }
    const std::set<std::pair<int, int>> lanes{{kScotland, kNorthernIreland}, {kWales, kLeinster}};
    EXPECT_EQ(across, lanes);
    const std::set<std::pair<int, int>> scots{
        {kScotland, kNorthEast}, {kScotland, kNorthWest}, {kScotland, kNorthernIreland}};
    EXPECT_EQ(scotland, scots);
}

}  // namespace
