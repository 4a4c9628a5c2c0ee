// Real World's own rows: its telling label row, its extra fill seeds, its moved paint points,
// checked on the tables and the generated pictures.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "maps/place_art.h"
#include "maps/validate_picture.h"
#include "tests/places/place_checks.h"

namespace {

constexpr raster::Colour kWhite = raster::Rgb(255, 255, 255);

const maps::MapArt& Art() {
    const maps::MapArt* art = places_test::PlaceArt(&g_isMapRealWorld);
    EXPECT_NE(art, nullptr);
    static const maps::MapArt none{};
    return art ? *art : none;
}

raster::Surface Picture(int size) {
    std::string error;
    auto picture = places_test::MapPicture(*BuiltinMapByFlag(&g_isMapRealWorld), size, &error);
    EXPECT_TRUE(picture) << error;
    return picture ? *picture : raster::Surface(1, 1, 0);
}

// Whether `to` lies in the white piece (4-connected) of `from`.
bool SameWhitePiece(const raster::Surface& picture, raster::Point from, raster::Point to) {
    auto white = [&](raster::Point p) {
        return p.x >= 0 && p.y >= 0 && p.x < picture.Width() && p.y < picture.Height() &&
               picture.Pixel(p.x, p.y) == kWhite;
    };
    if (!white(from) || !white(to)) return false;
    std::vector<bool> seen(static_cast<std::size_t>(picture.Width()) * picture.Height(), false);
    std::vector<raster::Point> stack{from};
    seen[static_cast<std::size_t>(from.y) * picture.Width() + from.x] = true;
    while (!stack.empty()) {
        const raster::Point p = stack.back();
        stack.pop_back();
        if (p == to) return true;
        for (const raster::Point n : {raster::Point{p.x + 1, p.y}, raster::Point{p.x - 1, p.y},
                                      raster::Point{p.x, p.y + 1}, raster::Point{p.x, p.y - 1}}) {
            if (!white(n)) continue;
            auto&& mark = seen[static_cast<std::size_t>(n.y) * picture.Width() + n.x];
            if (!mark) mark = true, stack.push_back(n);
        }
    }
    return false;
}

TEST(RealWorld, LabelTablesHoldTheTellingRowAndNoCodes) {
    const maps::MapArt& art = Art();
    ASSERT_EQ(art.labelsSize1.size(), 86u);
    ASSERT_EQ(art.labelsSize23.size(), 86u);
    std::int32_t x = 0, y = 0;
    ASSERT_TRUE(maps::LabelRow(art, 2, 86, &x, &y));
    EXPECT_EQ(x, 859);
    EXPECT_EQ(y, 481);
    ASSERT_TRUE(maps::LabelRow(art, 1, 86, &x, &y));
    EXPECT_EQ(x, 859);
    EXPECT_EQ(y, 488);
    for (std::size_t t = 0; t < 86; ++t) {
        EXPECT_TRUE(art.labelsSize1[t].code.empty()) << t + 1;
        EXPECT_TRUE(art.labelsSize23[t].code.empty()) << t + 1;
        EXPECT_EQ(art.labelsSize23[t].x3, -1) << t + 1;  // no size-3 rows of their own
        EXPECT_EQ(art.labelsSize1[t].x, art.labelsSize23[t].x) << t + 1;
        EXPECT_GT(art.labelsSize1[t].y, art.labelsSize23[t].y) << t + 1;
    }
    for (const maps::ArtOffset& row : art.countOffsets) EXPECT_EQ(row.size, 1);
}

TEST(RealWorld, SeedsNameTheIslandsOfTheListedTerritoriesAtEverySize) {
    const maps::MapArt& art = Art();
    const std::map<std::int32_t, int> wanted = {{2, 8},  {13, 1},  {55, 2}, {59, 1}, {62, 1},
                                                {65, 1}, {66, 1},  {67, 1}, {69, 5}, {78, 1},
                                                {80, 3}, {84, 10}, {85, 1}, {86, 1}};
    const int widths[3] = {740, 954, 1193}, heights[3] = {471, 632, 790};
    for (int size = 1; size <= 3; ++size) {
        SCOPED_TRACE("size " + std::to_string(size));
        const auto seeds = maps::SeedsFor(art, size);
        ASSERT_EQ(seeds.size(), 37u);
        std::map<std::int32_t, int> got;
        for (std::size_t i = 0; i < seeds.size(); ++i) {
            ++got[seeds[i].territory];
            // The same territories in the same order at every size.
            EXPECT_EQ(seeds[i].territory, maps::SeedsFor(art, 2)[i].territory);
            EXPECT_TRUE(seeds[i].x >= 0 && seeds[i].x < widths[size - 1] && seeds[i].y >= 0 &&
                        seeds[i].y < heights[size - 1]);
        }
        EXPECT_EQ(got, wanted);
    }
    // Tasmania's seed is World's.
    const auto medium = maps::SeedsFor(art, 2);
    EXPECT_EQ(medium.back().territory, 86);
    EXPECT_EQ(medium.back().x, 851);
    EXPECT_EQ(medium.back().y, 573);
}

// The game paints Real World's labels two pixels right of and below the usual paint point at
// size 3, and starts its fills one row above the paint point: both places must lie in the
// territory's white area, the same piece as the usual paint point.
TEST(RealWorld, MovedPaintAndFillPointsStandOnTheirTerritory) {
    const maps::MapArt& art = Art();
    for (int size = 1; size <= 3; ++size) {
        SCOPED_TRACE("size " + std::to_string(size));
        const raster::Surface picture = Picture(size);
        for (std::int32_t t = 1; t <= 86; ++t) {
            const raster::Point usual = maps::PaintPoint(art, size, t, 0);
            const int shift = size == 3 ? 2 : 0;
            const raster::Point label{usual.x + shift, usual.y + shift};
            const raster::Point fill{label.x, label.y - 1};
            EXPECT_TRUE(SameWhitePiece(picture, usual, label)) << t;
            EXPECT_TRUE(SameWhitePiece(picture, usual, fill)) << t;
        }
    }
}

}  // namespace
