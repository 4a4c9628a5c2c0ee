// Japan Korea's own rows: its label tables and count offset, the catalogue's counts in its
// contents.
#include <gtest/gtest.h>

#include <algorithm>
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

const BuiltinMap& JapanKorea() {
    return *BuiltinMapByFlag(&g_isMapJapanKorea);
}

const maps::MapArt& Art() {
    const maps::MapArt* art = places_test::PlaceArt(&g_isMapJapanKorea);
    EXPECT_NE(art, nullptr);
    static const maps::MapArt none{};
    return art ? *art : none;
}

TEST(JapanKorea, LabelTablesHaveTheMapsOwnRows) {
    const maps::MapArt& art = Art();
    ASSERT_EQ(art.labelsSize1.size(), 67u);
    ASSERT_EQ(art.labelsSize23.size(), 67u);
    const std::vector<int> ownSize3{31, 32, 34};
    for (int t = 1; t <= 67; ++t) {
        SCOPED_TRACE("territory " + std::to_string(t));
        const maps::ArtLabel& small = art.labelsSize1[t - 1];
        const maps::ArtLabel& row = art.labelsSize23[t - 1];
        // Size-1 rows stand 5 lower, nothing else moves; the map has no codes.
        EXPECT_EQ(small.x, row.x);
        EXPECT_EQ(small.y, row.y + 5);
        EXPECT_EQ(small.x3, -1);
        EXPECT_TRUE(small.code.empty());
        EXPECT_TRUE(row.code.empty());
        if (std::find(ownSize3.begin(), ownSize3.end(), t) != ownSize3.end()) {
            EXPECT_EQ(row.x3, row.x + 2);
            EXPECT_EQ(row.y3, row.y);
        } else {
            EXPECT_EQ(row.x3, -1);
            EXPECT_EQ(row.y3, -1);
        }
    }
}

TEST(JapanKorea, OnlyTerritoryTwoMovesItsCountAndNoPieceNeedsASeed) {
    const maps::MapArt& art = Art();
    ASSERT_EQ(art.countOffsets.size(), 1u);
    const maps::ArtOffset& row = art.countOffsets[0];
    EXPECT_EQ(row.size, 1);
    EXPECT_EQ(row.territory, 2);
    EXPECT_FALSE(row.absolute);
    EXPECT_EQ(row.dx, 0);
    EXPECT_EQ(row.dy, -1);
    EXPECT_EQ(row.dyLargeFonts, -1);
    EXPECT_TRUE(art.iconOffsets.empty());
    for (const auto& seeds : art.seeds) EXPECT_TRUE(seeds.empty());
}

TEST(JapanKorea, ContentsGiveTheCataloguesCounts) {
    const CodeMapContent& content = PlaceMapContent(JapanKorea());
    ASSERT_EQ(content.territories.size(), 67u);
    const std::vector<std::size_t> borderLengths{2, 3, 3, 5, 4, 2, 3, 2, 2, 2};
    ASSERT_EQ(content.borders.size(), borderLengths.size());
    for (std::size_t c = 0; c < borderLengths.size(); ++c) {
        const auto& row = content.borders[c];
        EXPECT_EQ(static_cast<std::size_t>(
                      std::count_if(row.begin(), row.end(), [](std::int32_t v) { return v > 0; })),
                  borderLengths[c])
            << "continent " << c + 1;
    }
    std::size_t most = 0;
    for (std::size_t t = 1; t <= 67; ++t) {
        std::size_t count = 0;
        for (const std::int32_t n : content.territories[t - 1].neighbours) {
            if (n <= 0) continue;
            ++count;
            // Every neighbour names this territory back.
            const auto& back = content.territories[static_cast<std::size_t>(n) - 1].neighbours;
            EXPECT_NE(std::find(back.begin(), back.end(), static_cast<std::int32_t>(t)), back.end())
                << t << " and " << n;
        }
        most = std::max(most, count);
    }
    EXPECT_EQ(most, 7u);
    ASSERT_EQ(content.routes.size(), 11u);
    std::size_t longest = 0;
    for (const auto& route : content.routes)
        longest = std::max<std::size_t>(
            longest,
            std::count_if(route.begin(), route.end(), [](std::int32_t v) { return v > 0; }));
    EXPECT_EQ(longest, 15u);
    EXPECT_EQ(content.routes[0][0], 1);
}

// The regions meet as they do in the real country: Honshu's five in a chain (Tohoku and Kanto
// both touching Chubu), Hokkaido, Shikoku and Kyushu across their straits, Korea only by the lane
// from the south to Kyushu.
TEST(JapanKorea, RegionsMeetAsTheRealOnesDo) {
    const CodeMapContent& content = PlaceMapContent(JapanKorea());
    ASSERT_EQ(content.territories.size(), 67u);
    enum {
        kHokkaido = 1,
        kTohoku,
        kKanto,
        kChubu,
        kKansai,
        kShikoku,
        kChugoku,
        kKyushu,
        kSouth,
        kNorth
    };
    const std::set<std::pair<int, int>> real{
        {kHokkaido, kTohoku}, {kTohoku, kKanto},   {kTohoku, kChubu},   {kKanto, kChubu},
        {kChubu, kKansai},    {kKansai, kShikoku}, {kKansai, kChugoku}, {kShikoku, kChugoku},
        {kChugoku, kKyushu},  {kKyushu, kSouth},   {kSouth, kNorth}};
    EXPECT_EQ(places_test::ContinentContacts(JapanKorea(), content), real);
}

}  // namespace
