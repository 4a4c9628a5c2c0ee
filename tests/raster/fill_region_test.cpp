// Solid rectangles, even-odd polygon regions and vertical gradients.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/raster/fill.h"
#include "platform/raster/gradient.h"
#include "platform/raster/region.h"
#include "tests/raster/pattern.h"

namespace {

using rastertest::FromRows;
using rastertest::ToRows;
using Rows = std::vector<std::string>;

TEST(FillRect, ClippedAtEveryEdge) {
    raster::Surface s = FromRows({"...", "...", "..."});
    raster::FillRect(s, raster::Rect{-5, -5, 1, 1}, rastertest::kRed);
    raster::FillRect(s, raster::Rect{2, 2, 9, 9}, rastertest::kBlue);
    raster::FillRect(s, raster::Rect{1, -1, 2, 5}, rastertest::kGrey);
    raster::FillRect(s, raster::Rect{2, 0, 1, 1}, rastertest::kBlack);  // inverted: nothing
    EXPECT_EQ(ToRows(s), (Rows{"r#.", ".#.", ".#b"}));
}

// Black and other colours, over widths below, at and beyond the fill's blocks: exactly the
// rectangle changes, also when a surface is filled again at the same size.
TEST(FillRect, WideAndNarrowRowsFillExactlyTheRectangle) {
    for (const raster::Colour colour : {raster::Colour{0}, raster::Colour{0x00FF8040u}}) {
        for (const int width : {1, 16, 17, 40}) {
            raster::Surface s(width + 4, 3, 0x00010203u);
            raster::FillRect(s, raster::Rect{2, 1, 2 + width, 2}, colour);
            for (int x = 0; x < width + 4; ++x)
                for (int y = 0; y < 3; ++y)
                    EXPECT_EQ(s.Pixel(x, y),
                              y == 1 && x >= 2 && x < 2 + width ? colour : 0x00010203u)
                        << "width " << width << " at " << x << "," << y;
            s.Resize(width + 4, 3, colour);
            EXPECT_EQ(std::count(s.Pixels().begin(), s.Pixels().end(), colour),
                      static_cast<std::ptrdiff_t>(s.Pixels().size()));
        }
    }
}

TEST(FillRect, RectangleHasAPenFrameInsideItsEdges) {
    raster::Surface s = FromRows({".....", ".....", ".....", "....."});
    raster::DrawRectangle(s, raster::Rect{0, 0, 4, 4}, rastertest::kBlack, rastertest::kRed);
    EXPECT_EQ(ToRows(s), (Rows{"kkkk.", "krrk.", "krrk.", "kkkk."}));
}

TEST(Region, ARectanglePolygonCoversTheHalfOpenRectangle) {
    const auto r = raster::Region::FromPolygon({{2, 1}, {5, 1}, {5, 4}, {2, 4}});
    EXPECT_EQ(r.Bounds(), (raster::Rect{2, 1, 5, 4}));
    EXPECT_TRUE(r.Contains(2, 1));
    EXPECT_TRUE(r.Contains(4, 3));
    EXPECT_FALSE(r.Contains(5, 3));
    EXPECT_FALSE(r.Contains(4, 4));
    EXPECT_FALSE(r.Contains(1, 1));
}

TEST(Region, PixelsWhoseCentresLieInsideATriangle) {
    // Centres on the hypotenuse x + y = 3 are outside: spans end where the edge crosses.
    raster::Surface s = FromRows({"....", "....", "....", "...."});
    raster::FillRegion(s, raster::Region::FromPolygon({{0, 0}, {4, 0}, {0, 4}}), rastertest::kRed);
    EXPECT_EQ(ToRows(s), (Rows{"rrr.", "rr..", "r...", "...."}));
}

TEST(Region, PentagramCentreIsNotFilled) {
    // A five-pointed star drawn in one stroke: its centre is crossed twice, so it stays out.
    const std::vector<raster::Point> star{{50, 10}, {74, 82}, {12, 38}, {88, 38}, {26, 82}};
    const auto region = raster::Region::FromPolygon(star);
    raster::Surface s(100, 100, rastertest::kWhite);
    raster::FillRegion(s, region, rastertest::kRed);
    EXPECT_FALSE(region.Contains(50, 50));
    EXPECT_EQ(s.Pixel(50, 50), rastertest::kWhite);
    for (const auto& [x, y] : {std::pair{50, 20}, std::pair{80, 40}, std::pair{30, 75}}) {
        EXPECT_TRUE(region.Contains(x, y)) << x << "," << y;
        EXPECT_EQ(s.Pixel(x, y), rastertest::kRed) << x << "," << y;
    }
    // The bounds are exactly the box of the filled pixels.
    raster::Rect filled{100, 100, 0, 0};
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            if (s.Pixel(x, y) == rastertest::kRed)
                filled =
                    raster::Rect{std::min(filled.left, x), std::min(filled.top, y),
                                 std::max(filled.right, x + 1), std::max(filled.bottom, y + 1)};
    EXPECT_EQ(region.Bounds(), filled);
}

TEST(Region, FillIsClippedToTheSurface) {
    raster::Surface s = FromRows({"...", "..."});
    raster::FillRegion(s, raster::Region::FromPolygon({{-9, -9}, {2, -9}, {2, 9}, {-9, 9}}),
                       rastertest::kRed);
    EXPECT_EQ(ToRows(s), (Rows{"rr.", "rr."}));
}

TEST(Region, PolygonsThatMakeNoRegion) {
    const std::vector<std::vector<raster::Point>> cases{
        {},
        {{0, 0}, {5, 5}},               // too few points
        {{0, 0}, {5, 5}, {10, 10}},     // no area
        {{0, 0}, {9, 0}, {0, 0}},       // level only
        {{0, 0}, {40000, 0}, {0, 10}},  // beyond the coordinate limit
        {{0, 0}, {1, 0}, {0, -2147483647 - 1}},
    };
    for (const auto& points : cases) {
        const auto region = raster::Region::FromPolygon(points);
        EXPECT_TRUE(region.Empty()) << points.size();
        EXPECT_FALSE(region.Contains(0, 0));
    }
    EXPECT_TRUE(raster::Region::FromPolygon(nullptr, 3).Empty());
}

TEST(Gradient, EndRowsAreExactlyTheEndColours) {
    const raster::Colour top = raster::Rgb(255, 136, 0);
    const raster::Colour bottom = raster::Rgb(0, 136, 221);
    for (int rows : {2, 3, 7, 100, 1000}) {
        raster::Surface s(2, rows);
        raster::GradientFillV(s, s.Bounds(), top, bottom);
        EXPECT_EQ(s.Pixel(1, 0), top) << rows;
        EXPECT_EQ(s.Pixel(1, rows - 1), bottom) << rows;
        for (int y = 1; y < rows; ++y) {  // red only falls, blue only rises, green stays
            EXPECT_LE(raster::RedOf(s.Pixel(0, y)), raster::RedOf(s.Pixel(0, y - 1)));
            EXPECT_GE(raster::BlueOf(s.Pixel(0, y)), raster::BlueOf(s.Pixel(0, y - 1)));
            EXPECT_EQ(raster::GreenOf(s.Pixel(0, y)), 136);
        }
    }
}

TEST(Gradient, RowsBetweenRoundToNearestWithHalvesUp) {
    raster::Surface s(1, 5);
    raster::GradientFillV(s, s.Bounds(), raster::Rgb(0, 255, 10), raster::Rgb(255, 0, 11));
    // 63.75, 127.5, 191.25 for red; 191.25, 127.5, 63.75 for green; 10.25, 10.5, 10.75 blue.
    EXPECT_EQ(s.Pixel(0, 1), raster::Rgb(64, 191, 10));
    EXPECT_EQ(s.Pixel(0, 2), raster::Rgb(128, 128, 11));
    EXPECT_EQ(s.Pixel(0, 3), raster::Rgb(191, 64, 11));
    EXPECT_EQ(raster::GradientRowColour(1, 2, 0, 1), 1u);  // one row: the top colour
}

TEST(Gradient, ClippingKeepsEachRowsColour) {
    // The gradient spans rows -2..7; the surface shows rows 0..3 and the region a triangle.
    const raster::Colour top = raster::Rgb(0, 0, 0);
    const raster::Colour bottom = raster::Rgb(90, 90, 90);
    const raster::Rect rect{0, -2, 4, 8};
    const auto region = raster::Region::FromPolygon({{0, 0}, {4, 0}, {0, 4}});
    raster::Surface s(4, 4, rastertest::kBlue);
    raster::GradientFillV(s, rect, top, bottom, &region);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(s.Pixel(x, y), region.Contains(x, y)
                                         ? raster::GradientRowColour(top, bottom, y + 2, 10)
                                         : rastertest::kBlue)
                << x << "," << y;
    EXPECT_EQ(s.Pixel(0, 0), raster::Rgb(20, 20, 20));
}

}  // namespace
