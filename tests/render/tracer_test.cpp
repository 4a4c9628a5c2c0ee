// The outline tracer on small pictures: closing, pass rules, the seek's end, blue and specks.
#include <gtest/gtest.h>

#include "platform/raster/fill.h"
#include "render/outline_tracer.h"
#include "render/render_state.h"

namespace {

constexpr raster::Colour kWhite = 0xFFFFFF;
constexpr raster::Colour kGrey = 0x808080;

// A white picture with a grey rectangle border from (l, t) to (r, b), both inclusive.
raster::Surface BorderedBox(int width, int height, int l, int t, int r, int b) {
    raster::Surface picture(width, height, kWhite);
    for (int x = l; x <= r; ++x) {
        picture.SetPixel(x, t, kGrey);
        picture.SetPixel(x, b, kGrey);
    }
    for (int y = t; y <= b; ++y) {
        picture.SetPixel(l, y, kGrey);
        picture.SetPixel(r, y, kGrey);
    }
    return picture;
}

std::int16_t Trace(const raster::Surface& picture, raster::Point origin, bool custom = false) {
    return render::TraceOutline(
        picture, custom, origin,
        render::TraceTables{g_traceX, g_traceY, g_traceOuterX, g_traceOuterY});
}

TEST(TracerTest, FollowsALargeBorderAroundAndCloses) {
    const raster::Surface picture = BorderedBox(60, 60, 5, 5, 45, 40);
    const std::int16_t count = Trace(picture, {20, 20});
    // The border has 2 * (40 + 35) = 150 pixels; the trace stops next to its start.
    EXPECT_GE(count, 100);
    EXPECT_LE(count, 149);
    EXPECT_EQ(g_traceX[0], 20);  // the seek went up from (20, 20) to the top border
    EXPECT_EQ(g_traceY[0], 5);
    EXPECT_EQ(g_traceOuterY[0], 6);  // its side pixel is the one below
    for (int i = 0; i <= count; ++i) {
        EXPECT_TRUE(render::IsDarkPixel(picture, g_traceX[i], g_traceY[i])) << i;
        // Every side pixel is light and inside the box.
        EXPECT_FALSE(render::IsDarkPixel(picture, g_traceOuterX[i], g_traceOuterY[i])) << i;
        EXPECT_TRUE(g_traceOuterX[i] > 5 && g_traceOuterX[i] < 45) << i;
    }
    const int last = count;
    EXPECT_LE(std::abs(g_traceX[last] - g_traceX[0]), 1);
    EXPECT_LE(std::abs(g_traceY[last] - g_traceY[0]), 1);
}

TEST(TracerTest, ASmallOutlineFallsToPassTwoAndKeepsItsShortCount) {
    // 2 * (10 + 10) = 40 border pixels: pass 1 closes below 100, pass 2 from the same origin
    // closes too and is final.
    const raster::Surface picture = BorderedBox(30, 30, 5, 5, 15, 15);
    const std::int16_t count = Trace(picture, {9, 9});
    EXPECT_GT(count, 10);
    EXPECT_LT(count, 100);
    EXPECT_EQ(g_traceX[0], 15);  // pass 2 sought to the right
    EXPECT_EQ(g_traceY[0], 9);
    EXPECT_EQ(g_traceOuterX[0], 14);
}

TEST(TracerTest, ABorderClosedWithinTenStepsIsNotClosed) {
    // A 3 x 3 ring of 8 pixels: every step returns next to the start before the 11th point.
    const raster::Surface picture = BorderedBox(20, 20, 5, 5, 7, 7);
    EXPECT_EQ(Trace(picture, {5, 5}), 0);
}

TEST(TracerTest, ASeekThatMeetsNoBorderStopsAtTheEdge) {
    raster::Surface picture(40, 40, kWhite);
    EXPECT_EQ(Trace(picture, {20, 20}), 0);
    // Off the picture altogether.
    EXPECT_EQ(Trace(picture, {-50, -50}), 0);
    EXPECT_EQ(Trace(raster::Surface(), {0, 0}), 0);
}

TEST(TracerTest, BlueStopsTheSeekButIsNeverAStep) {
    raster::Surface picture = BorderedBox(60, 60, 5, 5, 45, 40);
    picture.SetPixel(20, 12, raster::Rgb(0, 0, 255));
    // Pass 1 starts on the blue pixel and finds no dark neighbour to follow: a dead end with no
    // points, so pass 2 seeks to the right and traces the box.
    const std::int16_t count = Trace(picture, {20, 20});
    EXPECT_GE(count, 100);
    EXPECT_EQ(g_traceX[0], 45);
    for (int i = 1; i <= count; ++i) {
        EXPECT_NE(picture.Pixel(g_traceX[i], g_traceY[i]), raster::Rgb(0, 0, 255)) << i;
    }
}

TEST(TracerTest, PixelTests) {
    raster::Surface picture(5, 5, kWhite);
    picture.SetPixel(1, 1, raster::Rgb(250, 250, 250));
    picture.SetPixel(2, 1, raster::Rgb(251, 0, 0));
    picture.SetPixel(3, 1, raster::Rgb(0, 0, 255));
    EXPECT_TRUE(render::IsDarkPixel(picture, 1, 1));
    EXPECT_FALSE(render::IsDarkPixel(picture, 2, 1));
    EXPECT_FALSE(render::IsDarkPixel(picture, 3, 1));
    EXPECT_TRUE(render::IsDarkOrBluePixel(picture, 3, 1));
    EXPECT_FALSE(render::IsDarkPixel(picture, -1, 0));

    // A lone dark dot has 8 light neighbours on a map file, none counted on a built-in map.
    raster::Surface dot(5, 5, kWhite);
    dot.SetPixel(2, 2, kGrey);
    EXPECT_EQ(render::CountLightNeighbourPixels(dot, true, 2, 2), 8);
    EXPECT_EQ(render::CountLightNeighbourPixels(dot, false, 2, 2), 0);
    // Two light straight neighbours only: the diagonal ones are not added.
    raster::Surface line(5, 5, kWhite);
    for (int x = 0; x < 5; ++x) line.SetPixel(x, 2, kGrey);
    EXPECT_EQ(render::CountLightNeighbourPixels(line, true, 2, 2), 2);
}

TEST(TracerTest, KnightMovesNeedALightPixelBetween) {
    // Every knight's move is connected on white and not connected when both pixels between are
    // dark; the two pixels are the ones touching both ends.
    const int moves[8][2] = {{2, 1},   {1, 2},   {-1, 2}, {-2, 1},
                             {-2, -1}, {-1, -2}, {1, -2}, {2, -1}};
    for (const auto& m : moves) {
        raster::Surface picture(9, 9, kWhite);
        const int x1 = 4, y1 = 4, x2 = 4 + m[0], y2 = 4 + m[1];
        EXPECT_TRUE(render::ArePixelsConnected(picture, x1, y1, x2, y2));
        // Darken every pixel that is an 8-neighbour of both ends.
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x)
                if (std::abs(x - x1) <= 1 && std::abs(y - y1) <= 1 && std::abs(x - x2) <= 1 &&
                    std::abs(y - y2) <= 1)
                    picture.SetPixel(x, y, kGrey);
        EXPECT_FALSE(render::ArePixelsConnected(picture, x1, y1, x2, y2)) << m[0] << "," << m[1];
    }
    raster::Surface picture(9, 9, kWhite);
    EXPECT_TRUE(render::ArePixelsConnected(picture, 4, 4, 5, 5));
    EXPECT_TRUE(render::ArePixelsConnected(picture, 4, 4, 4, 4));
    EXPECT_FALSE(render::ArePixelsConnected(picture, 4, 4, 6, 6));
    EXPECT_FALSE(render::ArePixelsConnected(picture, 4, 4, 7, 4));
}

TEST(TracerTest, ASpeckInTheWayOfTheSeekLeavesTheTraceToPassTwo) {
    // The upward seek stops on an isolated speck, which has no dark neighbour to follow.
    raster::Surface picture = BorderedBox(60, 60, 5, 5, 45, 40);
    picture.SetPixel(20, 12, kGrey);
    for (const bool mapFile : {false, true}) {
        const std::int16_t count = Trace(picture, {20, 20}, mapFile);
        EXPECT_GE(count, 100) << mapFile;
        EXPECT_EQ(g_traceX[0], 45) << mapFile;
        EXPECT_EQ(g_traceY[0], 20) << mapFile;
    }
}

}  // namespace
