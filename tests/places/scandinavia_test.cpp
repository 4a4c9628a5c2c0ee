// Scandinavia's fixed rows: labels where the game draws them, the islet's fill seeds, the open sea
// and the counts its contents must keep.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "maps/map_content.h"
#include "maps/place_art.h"
#include "tests/places/place_checks.h"

namespace {

const BuiltinMap& Scandinavia() {
    return *BuiltinMapByFlag(&g_isMapScandinavia);
}

// The game draws Scandinavia's labels at its contents' label points at every size, so the
// drawing must have used those rows everywhere; it has no count offsets.
TEST(Scandinavia, LabelsStandWhereTheGameDrawsThem) {
    const maps::MapArt* art = places_test::PlaceArt(&g_isMapScandinavia);
    ASSERT_NE(art, nullptr);
    const CodeMapContent& content = PlaceMapContent(Scandinavia());
    ASSERT_EQ(content.territories.size(), 63u);
    places_test::ExpectLabelsAtContentPoints(*art, content);
    EXPECT_TRUE(art->countOffsets.empty());
}

// One extra fill seed per size, on the islet of territory 49 off the Norwegian coast; the seed
// must land on that territory's white in the picture.
TEST(Scandinavia, TheIsletOfTerritory49IsFilledAtEverySize) {
    const maps::MapArt* art = places_test::PlaceArt(&g_isMapScandinavia);
    ASSERT_NE(art, nullptr);
    const maps::FillSeed want[3] = {{49, 242, 179}, {49, 343, 256}, {49, 429, 320}};
    for (int size = 1; size <= 3; ++size) {
        const auto seeds = maps::SeedsFor(*art, size);
        ASSERT_EQ(seeds.size(), 1u) << "size " << size;
        EXPECT_EQ(seeds[0].territory, want[size - 1].territory);
        EXPECT_EQ(seeds[0].x, want[size - 1].x);
        EXPECT_EQ(seeds[0].y, want[size - 1].y);
        std::string error;
        const auto picture = places_test::MapPicture(Scandinavia(), size, &error);
        ASSERT_TRUE(picture) << error;
        EXPECT_EQ(picture->Pixel(seeds[0].x, seeds[0].y), raster::Rgb(255, 255, 255))
            << "size " << size;
    }
}

// The catalogue's counts, read back from the contents: members with outside neighbours per
// continent (Norway South exactly three), the largest neighbour count and the routes.
TEST(Scandinavia, ContentsKeepTheCataloguesCounts) {
    const BuiltinMap& map = Scandinavia();
    EXPECT_EQ(std::string(map.code), "Sca");
    EXPECT_EQ(map.bitmaps[0], 289);
    EXPECT_EQ(map.bitmaps[1], 285);
    EXPECT_EQ(map.bitmaps[2], 287);
    const CodeMapContent& content = PlaceMapContent(map);
    ASSERT_EQ(content.territories.size(), 63u);
    const int lengths[6] = {3, 5, 5, 4, 5, 3};
    ASSERT_EQ(content.borders.size(), 6u);
    int first = 1;
    for (std::size_t c = 0; c < 6; ++c) {
        const int last = first + map.continentRuns[c].members - 1;
        std::vector<int> outward;
        for (int t = first; t <= last; ++t)
            for (const std::int32_t n :
                 content.territories[static_cast<std::size_t>(t) - 1].neighbours)
                if (n > 0 && (n < first || n > last)) {
                    outward.push_back(t);
                    break;
                }
        std::vector<int> listed;
        for (const std::int32_t t : content.borders[c])
            if (t > 0) listed.push_back(t);
        EXPECT_EQ(static_cast<int>(outward.size()), lengths[c]) << "continent " << c + 1;
        EXPECT_EQ(listed, outward) << "continent " << c + 1;
        first = last + 1;
    }
    std::size_t most = 0;
    for (const TerritoryContent& row : content.territories)
        most = std::max<std::size_t>(most, static_cast<std::size_t>(std::count_if(
                                               row.neighbours.begin(), row.neighbours.end(),
                                               [](std::int32_t n) { return n > 0; })));
    EXPECT_EQ(most, 7u);
    ASSERT_EQ(content.routes.size(), 4u);
    std::size_t longest = 0;
    for (const auto& route : content.routes)
        longest = std::max<std::size_t>(
            longest, static_cast<std::size_t>(std::count_if(route.begin(), route.end(),
                                                            [](std::int32_t t) { return t > 0; })));
    EXPECT_EQ(longest, 15u);
}

}  // namespace
