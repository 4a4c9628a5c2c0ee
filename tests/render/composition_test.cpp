// The board's composition: a small map file composed against its expected picture, gradients
// from traced outlines, the backgrounds and their colour schemes, and when a paint rebuilds.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "core/model/board_picture.h"
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/map_loader.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "platform/raster/fill.h"
#include "render/render_state.h"
#include "render_fixture.h"
#include "shell/settings.h"

namespace render_test {
namespace {

constexpr raster::Colour kWhite = 0xFFFFFF;
constexpr raster::Colour kGrey = 0x808080;
constexpr raster::Colour kOcean = 0x3A2B1C;

void Border(raster::Surface& picture, int l, int t, int r, int b) {
    raster::FillRect(picture, {l, t, r + 1, b + 1}, kGrey);
    raster::FillRect(picture, {l + 1, t + 1, r, b}, kWhite);
}

// Two territories side by side on black sea: 1 inside (2, 2)-(29, 45), 2 inside (32, 2)-(57, 45).
raster::Surface FixtureMap() {
    raster::Surface picture(60, 48, 0);
    Border(picture, 2, 2, 29, 45);
    Border(picture, 32, 2, 57, 45);
    return picture;
}

class CompositionTest : public RenderFixture {
  protected:
    // The fixture as a loaded map file at the medium size, owners 1 and 2 with 3 and 12 armies.
    CChildView& StartWithFixtureMap() {
        CChildView& view = StartView();
        WritePicture(home_ + "/fixture.bmp", FixtureMap());
        ClearMapFlags();
        g_isMapCustom = true;
        g_isMapFileLoaded = true;
        g_mapBitmapPath = home_ + "/fixture.bmp";
        g_screenSize = 2;
        g_territoryCount = 2;
        // Paint points: label point + 1, 12 up on map files.
        g_labelPositions[1] = {5, 31};
        g_labelPositions[2] = {35, 31};
        g_displayedTerritories[1] = {1, 3};
        g_displayedTerritories[2] = {2, 12};
        g_territoryHighlight[1] = g_territoryHighlight[2] = 'n';
        g_isGradientFill = g_isGradientPaint = false;
        g_oceansBackground = 1;
        g_oceansColour = kOcean;
        g_isSmiliesOn = false;
        g_freshMapMarker = "0";
        g_isBoardRebuildPending = true;
        return view;
    }

    raster::Surface Paint(CChildView& view) {
        raster::Surface window(kBoardWidth, kBoardHeight, 0x010203);
        view.PaintBoard(window);
        return window;
    }
};

// The expected board, drawn rule by rule without the painter's code.
raster::Surface ExpectedFlatBoard() {
    raster::Surface board(kBoardWidth, kBoardHeight, 0);
    raster::FillRect(board, {0, 0, kBoardWidth, kOceanHeight}, kOcean);
    const raster::Surface map = FixtureMap();
    for (int y = 0; y < map.Height(); ++y)
        for (int x = 0; x < map.Width(); ++x)
            if (map.Pixel(x, y) != 0) board.SetPixel(x, y, map.Pixel(x, y));
    raster::FillRect(board, {3, 3, 29, 45}, g_playerColours[1]);
    raster::FillRect(board, {33, 3, 57, 45}, g_playerColours[2]);
    // Counts in flat painting: 0x400000 blocks at the paint points, over boxes of the fill.
    raster::FillRect(board, {6, 20, 9, 25}, 0x400000);
    raster::FillRect(board, {36, 20, 39, 25}, 0x400000);
    raster::FillRect(board, {40, 20, 43, 25}, 0x400000);
    return board;
}

TEST_F(CompositionTest, AMapFileIsComposedAsExpected) {
    CChildView& view = StartWithFixtureMap();
    const raster::Surface window = Paint(view);
    const raster::Surface expected = ExpectedFlatBoard();
    ASSERT_EQ(g_mapDC.Width(), kBoardWidth);
    ASSERT_EQ(g_mapDC.Height(), kBoardHeight);
    int differing = 0;
    for (int y = 0; y < kBoardHeight; ++y)
        for (int x = 0; x < kBoardWidth; ++x)
            if (window.Pixel(x, y) != expected.Pixel(x, y) && differing++ < 5)
                ADD_FAILURE() << "at " << x << "," << y << ": " << std::hex << window.Pixel(x, y)
                              << " expected " << expected.Pixel(x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(glyphs_.texts, (std::vector<std::string>{"3", "12"}));
    EXPECT_EQ(g_territoryColours[1], g_playerColours[1]);
    EXPECT_EQ(g_freshMapMarker, "1");
    EXPECT_EQ(g_colourScheme, 2);  // Your Color Settings
    EXPECT_TRUE(g_isMapCustom);    // the map file stays loaded
}

TEST_F(CompositionTest, GradientsFollowTracedOutlines) {
    CChildView& view = StartWithFixtureMap();
    g_isGradientFill = true;
    Paint(view);
    ASSERT_TRUE(g_isGradientPaint);
    EXPECT_GE(g_outlineCounts[1], 100);
    EXPECT_GE(g_outlineCounts[2], 100);
    // Owner 1: black at the top, (0, 136, 221) at the bottom; owner 2 ends in pure red.
    EXPECT_LT(raster::BlueOf(g_mapDC.Pixel(15, 4)), 20);
    EXPECT_GT(raster::BlueOf(g_mapDC.Pixel(15, 44)), 200);
    EXPECT_GT(raster::RedOf(g_mapDC.Pixel(45, 44)), 230);
    EXPECT_EQ(g_mapDC.Pixel(7, 21), 0xF5F5FFu);  // the count's colour in gradient painting
    EXPECT_EQ(g_mapDC.Pixel(80, 20), kOcean);
}

TEST_F(CompositionTest, AnUntraceableMapFallsBackToFlatFills) {
    CChildView& view = StartWithFixtureMap();
    // Territory 2 too small to trace (fewer than 100 points): flat painting from then on.
    raster::Surface map = FixtureMap();
    raster::FillRect(map, {32, 2, 58, 46}, 0);
    Border(map, 34, 20, 44, 30);
    WritePicture(g_mapBitmapPath, map);
    g_labelPositions[2] = {36, 34};
    g_isGradientFill = true;
    Paint(view);
    EXPECT_FALSE(g_isGradientPaint);
    EXPECT_EQ(g_mapDC.Pixel(15, 4), g_playerColours[1]);
    EXPECT_EQ(g_mapDC.Pixel(43, 29), g_playerColours[2]);
}

TEST_F(CompositionTest, AMissingMapPictureLeavesTheBackgroundOnly) {
    CChildView& view = StartWithFixtureMap();
    g_mapBitmapPath = home_ + "/missing.bmp";
    const raster::Surface window = Paint(view);
    EXPECT_EQ(window.Pixel(15, 15), kOcean);
    EXPECT_EQ(window.Pixel(1000, 700), kOcean);
    EXPECT_EQ(window.Pixel(1000, 800), 0u);
    EXPECT_TRUE(glyphs_.texts.empty());
    EXPECT_EQ(g_freshMapMarker, "1");
}

// A rebuild of the same map keeps the picture it holds; a change of map lets it go before the
// next map's picture is read.
TEST_F(CompositionTest, TheMapPictureIsKeptForTheSameMapAndFreedOnAChange) {
    CChildView& view = StartWithFixtureMap();
    Paint(view);
    const std::weak_ptr<const raster::Surface> first = g_mapBitmap.Share();
    ASSERT_FALSE(first.expired());
    std::filesystem::remove(g_mapBitmapPath);
    g_freshMapMarker = "0";
    EXPECT_EQ(Paint(view).Pixel(4, 4), g_playerColours[1]) << "composed from the picture held";
    EXPECT_EQ(g_mapBitmap.Share(), first.lock());

    WritePicture(home_ + "/other.bmp", FixtureMap());
    g_mapBitmapPath = home_ + "/other.bmp";
    g_mapBitmap = raster::SharedSurface{};  // as a change of map leaves it
    g_freshMapMarker = "0";
    Paint(view);
    EXPECT_TRUE(first.expired());
    EXPECT_FALSE(g_mapBitmap.Empty());
}

TEST_F(CompositionTest, OnlyTheMarkerZeroRebuilds) {
    CChildView& view = StartWithFixtureMap();
    Paint(view);
    EXPECT_EQ(platform_->window.timers.at(1), 768);
    platform_->window.timers.clear();
    for (const char* marker : {"1", "", "00"}) {
        g_freshMapMarker = marker;
        g_oceansColour = 0x00FF00;
        const raster::Surface window = Paint(view);
        EXPECT_EQ(window.Pixel(80, 20), kOcean) << marker;  // the old board, copied
        EXPECT_EQ(g_freshMapMarker, "1");
        EXPECT_TRUE(platform_->window.timers.empty());
    }
    g_freshMapMarker = "0";
    g_isVeryFastSpeed = true;
    EXPECT_EQ(Paint(view).Pixel(80, 20), 0x00FF00u);
    EXPECT_EQ(platform_->window.timers.at(1), 384);
}

TEST_F(CompositionTest, BackgroundsSetTheColourScheme) {
    // World without its pictures: the backgrounds are drawn on a board-sized surface anyway.
    StartView();
    const struct {
        int background;
        int schemeBefore;
        int schemeAfter;
    } cases[] = {
        {0, 0, 0}, {0, 1, 2}, {1, 0, 2}, {1, 1, 2}, {2, 0, 0}, {2, 1, 1},
        {3, 0, 2}, {3, 1, 2}, {4, 0, 2}, {4, 1, 2}, {5, 0, 2}, {5, 1, 1},
    };
    for (const auto& c : cases) {
        g_oceansBackground = c.background;
        g_colourScheme = c.schemeBefore;
        g_freshMapMarker = "0";
        Paint(*view_);
        EXPECT_EQ(g_colourScheme, c.schemeAfter) << c.background << " from " << c.schemeBefore;
    }
}

TEST_F(CompositionTest, BackgroundPicturesByIdAndSize) {
    StartView();
    const struct {
        int background;
        int size;
        int id;
    } cases[] = {{0, 1, 341}, {0, 2, 339}, {0, 3, 338}, {4, 1, 215}, {4, 2, 214},
                 {4, 3, 274}, {5, 1, 365}, {5, 2, 366}, {5, 3, 367}};
    for (const auto& c : cases) {
        WritePicture(BitmapPath(c.id), raster::Surface(4, 4, static_cast<raster::Colour>(c.id)));
    }
    for (const auto& c : cases) {
        g_oceansBackground = c.background;
        g_screenSize = c.size;
        g_freshMapMarker = "0";
        EXPECT_EQ(Paint(*view_).Pixel(1, 1), static_cast<raster::Colour>(c.id)) << c.id;
    }
}

TEST_F(CompositionTest, APictureAsLargeAsTheBoardIsCopiedASmallerOneStretched) {
    StartView();
    g_screenSize = 2;
    g_oceansBackground = 3;
    const auto columns = [](int width, int height) {
        raster::Surface picture(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                picture.SetPixel(x, y, raster::Rgb(x & 0xFF, x >> 8, 9));
        return picture;
    };
    WritePicture(g_userFilesFolder + "/oceans.bmp", columns(954, 632));
    g_freshMapMarker = "0";
    raster::Surface window = Paint(*view_);
    EXPECT_EQ(window.Pixel(953, 631), raster::Rgb(953 & 0xFF, 953 >> 8, 9));
    EXPECT_EQ(window.Pixel(953, 632), 0u);  // copied at its own size
    EXPECT_EQ(g_backgroundPicture.Width(), 954);

    WritePicture(g_userFilesFolder + "/oceans.bmp", columns(953, 632));
    g_freshMapMarker = "0";
    window = Paint(*view_);
    // Stretched to 954 wide: the last column shows source column 953 * 953 / 954 = 952.
    EXPECT_EQ(window.Pixel(953, 0), raster::Rgb(952 & 0xFF, 952 >> 8, 9));
    EXPECT_EQ(window.Pixel(954, 0), 0u);
}

}  // namespace
}  // namespace render_test
