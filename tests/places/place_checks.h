// What the tests of the maps of real places share: the generated pictures read back, and the
// checks that several maps' label tables must pass alike.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/model/map_catalogue.h"
#include "maps/map_content.h"
#include "maps/place_art.h"
#include "maps/world_art.h"
#include "platform/raster/bmp.h"

namespace places_test {

// The artwork data of the built-in map whose flag is `flag`; nullptr for none.
inline const maps::MapArt* PlaceArt(const bool* flag) {
    const BuiltinMap* map = BuiltinMapByFlag(flag);
    return map != nullptr ? maps::ArtOf(*map) : nullptr;
}

inline std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The map's board picture at screen size 1..3, as the build generated it.
inline std::optional<raster::Surface> MapPicture(const BuiltinMap& map, int size,
                                                 std::string* error) {
    return raster::ReadBmp(ReadAll(std::string(MAROVEK_RES_DIR) + "/bitmaps/" +
                                   std::to_string(map.bitmaps[size - 1]) + ".bmp"),
                           error);
}

// A map whose labels the game draws at its contents' label points: every size's row is that
// point.
inline void ExpectLabelsAtContentPoints(const maps::MapArt& art, const CodeMapContent& content) {
    for (std::size_t t = 1; t <= content.territories.size(); ++t)
        for (int size = 1; size <= 3; ++size) {
            std::int32_t x = 0, y = 0;
            ASSERT_TRUE(maps::LabelRow(art, size, static_cast<std::int32_t>(t), &x, &y));
            EXPECT_EQ(x, content.territories[t - 1].x) << t;
            EXPECT_EQ(y, content.territories[t - 1].y) << t;
        }
}

// Count rows at every size; icon rows only at sizes 2 and 3, each undoing its count row.
inline void ExpectIconRowsUndoCountRows(const maps::MapArt& art) {
    for (int size = 1; size <= 3; ++size)
        EXPECT_TRUE(std::any_of(art.countOffsets.begin(), art.countOffsets.end(),
                                [&](const maps::ArtOffset& o) { return o.size == size; }))
            << size;
    std::size_t countRows23 = 0;
    for (const maps::ArtOffset& count : art.countOffsets) {
        const maps::ArtOffset* icon =
            maps::FindOffset(art.iconOffsets, count.size, count.territory);
        if (count.size == 1) {
            EXPECT_EQ(icon, nullptr) << count.territory;
            continue;
        }
        ++countRows23;
        ASSERT_NE(icon, nullptr) << count.size << " " << count.territory;
        EXPECT_EQ(icon->dx, -count.dx);
        EXPECT_EQ(icon->dy, -count.dy);
        EXPECT_EQ(icon->dyLargeFonts, -count.dyLargeFonts);
    }
    EXPECT_EQ(art.iconOffsets.size(), countRows23);
}

// The extra fill seeds: `wanted` seeds per territory, the same territories in the same order at
// every size.
inline void ExpectSeedsPerTerritory(const maps::MapArt& art,
                                    const std::map<std::int32_t, int>& wanted) {
    std::size_t total = 0;
    for (const auto& [territory, count] : wanted) total += static_cast<std::size_t>(count);
    const auto medium = maps::SeedsFor(art, 2);
    for (int size = 1; size <= 3; ++size) {
        const auto seeds = maps::SeedsFor(art, size);
        ASSERT_EQ(seeds.size(), total) << size;
        std::map<std::int32_t, int> got;
        for (std::size_t i = 0; i < seeds.size(); ++i) {
            ++got[seeds[i].territory];
            EXPECT_EQ(seeds[i].territory, medium[i].territory) << size << " " << i;
        }
        EXPECT_EQ(got, wanted) << size;
    }
}

// The pairs of continents (1-based, lower first) that some neighbours join.
inline std::set<std::pair<int, int>> ContinentContacts(const BuiltinMap& map,
                                                       const CodeMapContent& content) {
    std::vector<int> continentOf{0};
    for (std::size_t c = 0; c < map.continentRuns.size(); ++c)
        for (int i = 0; i < map.continentRuns[c].members; ++i)
            continentOf.push_back(static_cast<int>(c) + 1);
    std::set<std::pair<int, int>> met;
    for (std::size_t t = 1; t <= content.territories.size() && t < continentOf.size(); ++t)
        for (const std::int32_t n : content.territories[t - 1].neighbours) {
            if (n <= 0 || static_cast<std::size_t>(n) >= continentOf.size()) continue;
            const int a = continentOf[t], b = continentOf[static_cast<std::size_t>(n)];
            if (a != b) met.insert({std::min(a, b), std::max(a, b)});
        }
    return met;
}

}  // namespace places_test
