// Surface flood fill: exactly one colour, 4-connected, and seeds that do nothing.
#include "platform/raster/flood_fill.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/raster/pattern.h"

namespace {

using rastertest::FromRows;
using rastertest::ToRows;

struct FloodCase {
    const char* name;
    std::vector<std::string> before;
    raster::Point seed;
    raster::Colour surfaceColour;
    std::vector<std::string> after;
    bool changed;
};

void PrintTo(const FloodCase& c, std::ostream* os) {
    *os << c.name;
}

class FloodFill : public testing::TestWithParam<FloodCase> {};

TEST_P(FloodFill, RecoloursExactlyTheConnectedArea) {
    const FloodCase& c = GetParam();
    raster::Surface s = FromRows(c.before);
    EXPECT_EQ(raster::FloodFillSurface(s, c.seed.x, c.seed.y, c.surfaceColour, rastertest::kRed),
              c.changed);
    EXPECT_EQ(ToRows(s), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FloodFill,
    testing::Values(
        // A border drawn 4-connected holds; the near-white grey outside is another colour.
        FloodCase{"Closed4Border",
                  {"......", ".####.", ".#..#.", ".#..#.", ".####.", "......"},
                  {2, 2},
                  rastertest::kWhite,
                  {"......", ".####.", ".#rr#.", ".#rr#.", ".####.", "......"},
                  true},
        // A diamond drawn with diagonal steps only: inside and outside touch only at corners,
        // which a 4-connected fill never crosses.
        FloodCase{"DiagonalBorderHolds",
                  {"...#...", "..#.#..", ".#...#.", "..#.#..", "...#..."},
                  {3, 2},
                  rastertest::kWhite,
                  {"...#...", "..#r#..", ".#rrr#.", "..#r#..", "...#..."},
                  true},
        // Border pixels that touch only diagonally are separate areas of their colour.
        FloodCase{"DiagonalPixelsAreNotConnected",
                  {"#..", ".#.", "..#"},
                  {1, 1},
                  rastertest::kGrey,
                  {"#..", ".r.", "..#"},
                  true},
        // A one-pixel gap in a straight wall is a 4-connected opening.
        FloodCase{"GapInWallLeaks",
                  {"..#..", "..#..", ".....", "..#.."},
                  {0, 0},
                  rastertest::kWhite,
                  {"rr#rr", "rr#rr", "rrrrr", "rr#rr"},
                  true},
        // Only the exact colour is replaced: black and grey pixels inside the area stay.
        FloodCase{"ExactColourOnly",
                  {"..k", "#.#", "..."},
                  {0, 0},
                  rastertest::kWhite,
                  {"rrk", "#r#", "rrr"},
                  true},
        // A winding corridor needs spans pushed above and below, in both directions.
        FloodCase{"Spiral",
                  {".......", "######.", ".......", ".######", "...#...", ".#...#."},
                  {0, 0},
                  rastertest::kWhite,
                  {"rrrrrrr", "######r", "rrrrrrr", "r######", "rrr#rrr", "r#rrr#r"},
                  true},
        FloodCase{"SeedOnAnotherColour",
                  {"...", ".#.", "..."},
                  {1, 1},
                  rastertest::kWhite,
                  {"...", ".#.", "..."},
                  false},
        FloodCase{"SeedLeftOfSurface",
                  {"...", "..."},
                  {-1, 0},
                  rastertest::kWhite,
                  {"...", "..."},
                  false},
        FloodCase{
            "SeedBelowSurface", {"...", "..."}, {0, 2}, rastertest::kWhite, {"...", "..."}, false},
        FloodCase{"SeedRightOfSurface",
                  {"...", "..."},
                  {3, 1},
                  rastertest::kWhite,
                  {"...", "..."},
                  false},
        // The colour off the surface is never an area, even on a surface that holds it.
        FloodCase{
            "InvalidColourIsNoArea", {"..."}, {0, 0}, raster::kInvalidColour, {"..."}, false}),
    [](const testing::TestParamInfo<FloodCase>& param) { return std::string(param.param.name); });

TEST(FloodFillLarge, FillsAWholeLargeSurfaceWithoutRecursion) {
    // A serpentine maze of 1-pixel corridors across a large surface: a recursive fill would
    // go hundreds of thousands of calls deep.
    const int size = 801;
    raster::Surface s(size, size, rastertest::kWhite);
    for (int y = 1; y < size; y += 2)
        for (int x = 0; x < size; ++x)
            if ((y / 2) % 2 == 0 ? x != size - 1 : x != 0) s.SetPixel(x, y, rastertest::kGrey);
    ASSERT_TRUE(raster::FloodFillSurface(s, 0, 0, rastertest::kWhite, rastertest::kRed));
    EXPECT_EQ(s.Pixel(size - 1, size - 1), rastertest::kRed);
    EXPECT_EQ(std::count(s.Pixels().begin(), s.Pixels().end(), rastertest::kWhite), 0);
}

TEST(FloodFillLarge, FillWithTheSameColourChangesNothing) {
    raster::Surface s = FromRows({"..", ".#"});
    EXPECT_TRUE(raster::FloodFillSurface(s, 0, 0, rastertest::kWhite, rastertest::kWhite));
    EXPECT_EQ(ToRows(s), (std::vector<std::string>{"..", ".#"}));
}

}  // namespace
