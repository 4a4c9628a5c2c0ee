// Hit testing on the composed board's pixels: the border colours, the line test, the label
// rectangles, the candidates of the phase, the fallbacks and the hover.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/model/board_picture.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/rules/turn_order.h"
#include "core/turn/turn_state.h"
#include "tests/input/input_fixture.h"

namespace input_test {
namespace {

int HitAt(int x, int y) {
    std::int32_t t = 0;
    CChildView::HitTestTerritory(x, y, &t);
    return t;
}

bool BlocksLine(raster::Colour colour) {
    g_mapDC.SetPixel(5, 5, colour);
    g_lineCrossesBorder = false;
    CChildView::LineDdaCheckPixel(5, 5, nullptr);
    return g_lineCrossesBorder;
}

TEST_F(InputFixture, PixelTestKnowsBordersFromLandAndSea) {
    const struct {
        raster::Colour colour;
        bool blocks;
    } cases[] = {
        {raster::Rgb(1, 1, 1), true},           {raster::Rgb(255, 255, 255), true},
        {raster::Rgb(128, 128, 128), true},     {raster::Rgb(0, 0, 0), false},
        {raster::Rgb(0x80, 0x00, 0x40), true},  {raster::Rgb(0x00, 0x00, 0xFF), true},
        {raster::Rgb(100, 102, 99), true},      {raster::Rgb(100, 104, 100), false},
        {raster::Rgb(100, 102, 98), false},     {raster::Rgb(22, 20, 20), false},
        {raster::Rgb(240, 240, 241), false},    {raster::Rgb(255, 0, 0), false},
        {raster::Rgb(0x80, 0x00, 0x41), false},
    };
    for (const auto& c : cases) EXPECT_EQ(BlocksLine(c.colour), c.blocks) << std::hex << c.colour;
}

TEST_F(InputFixture, PixelOffTheBoardBlocksAndTheFlagStaysSet) {
    g_lineCrossesBorder = false;
    CChildView::LineDdaCheckPixel(-1, 5, nullptr);
    EXPECT_TRUE(g_lineCrossesBorder);
    g_mapDC.SetPixel(5, 5, 0);
    CChildView::LineDdaCheckPixel(5, 5, nullptr);
    EXPECT_TRUE(g_lineCrossesBorder);
}

TEST_F(InputFixture, ClickFindsOwnTerritoryByLabelAndClearLine) {
    SetBoard({{1, 1}, {2, 1}, {2, 1}, {1, 1}, {2, 1}});
    rules::SetCurrentPlayer(1);
    EXPECT_EQ(HitAt(55, 55), 1);    // on the label
    EXPECT_EQ(HitAt(90, 20), 1);    // in the territory
    EXPECT_EQ(HitAt(150, 150), 4);  // the other own territory
    // In an enemy territory every own label is behind a border: nothing.
    EXPECT_EQ(HitAt(120, 60), kNoTerritory);
    EXPECT_EQ(HitAt(250, 40), kNoTerritory);
}

TEST_F(InputFixture, LabelOnItsPixelNeedsNoClearLine) {
    SetBoard({{1, 1}, {2, 1}, {2, 1}, {2, 1}, {2, 1}});
    rules::SetCurrentPlayer(1);
    g_labelPositions[1] = {100, 50};  // on the border itself
    EXPECT_EQ(HitAt(100, 50), 1);
    // Beside it the line starts on the border, and only the label rectangle finds it.
    EXPECT_EQ(HitAt(98, 50), 1);
    g_labelPositions[1] = {55, 55};
    EXPECT_EQ(HitAt(98, 50), 1);  // now by a clear line
}

TEST_F(InputFixture, NearestBehindBorderFallsBackToFarClearLabel) {
    SetBoard({{1, 1}, {1, 1}, {2, 1}, {2, 1}, {2, 1}});
    rules::SetCurrentPlayer(1);
    g_labelPositions[1] = {20, 50};
    g_labelPositions[2] = {105, 50};  // nearest, but across the border at x = 100
    EXPECT_EQ(HitAt(97, 50), 1);
}

TEST_F(InputFixture, LabelRectangleIsTheLastResort) {
    SetBoard({{1, 1}, {2, 1}, {2, 1}, {2, 1}, {2, 1}});
    rules::SetCurrentPlayer(1);
    g_labelPositions[1] = {95, 55};
    EXPECT_EQ(HitAt(102, 55), 1);  // behind the border, inside the rectangle
    EXPECT_EQ(HitAt(107, 67), 1);
    EXPECT_EQ(HitAt(108, 55), kNoTerritory);  // the right edge x + 13 is outside
    EXPECT_EQ(HitAt(102, 68), kNoTerritory);  // and so is the bottom y + 13
}

TEST_F(InputFixture, AttackTargetClickOnlyFindsEnemies) {
    SetBoard({{1, 3}, {2, 1}, {2, 1}, {1, 1}, {2, 1}});
    rules::SetCurrentPlayer(1);
    g_isAttackTo = true;
    EXPECT_EQ(HitAt(55, 55), kNoTerritory);  // an own label: every enemy is behind a border
    EXPECT_EQ(HitAt(130, 40), 2);
    EXPECT_EQ(HitAt(250, 40), 5);
}

TEST_F(InputFixture, LabelRectangleByMapAndScreenSize) {
    auto near = [](int dx, int dy) {
        bool flag = false;
        CChildView::IsPointNearMarker(200, 200, &flag, {200 + dx, 200 + dy});
        return flag;
    };
    g_isMapWorld = true;
    EXPECT_TRUE(near(0, -15));
    EXPECT_TRUE(near(22, 22));
    EXPECT_FALSE(near(23, 0));
    EXPECT_FALSE(near(0, -21));
    ClearMapFlags();
    g_isMapSwamp = true;
    EXPECT_FALSE(near(0, -15));
    EXPECT_TRUE(near(-10, -10));
    EXPECT_FALSE(near(13, 0));
    // Small screen: the label scales to (140, 140) and the rectangle is the narrow one.
    g_screenSize = 1;
    ClearMapFlags();
    g_isMapWorld = true;
    bool flag = false;
    CChildView::IsPointNearMarker(200, 200, &flag, {140, 128});
    EXPECT_FALSE(flag);
    CChildView::IsPointNearMarker(200, 200, &flag, {130, 152});
    EXPECT_TRUE(flag);
}

// Label points from outside the game's own tables may be any number: nothing overflows, and a
// point far off the board is never found.
TEST_F(InputFixture, LabelsAtTheEdgesOfTheNumberRange) {
    SetBoard({{1, 1}, {2, 1}, {2, 1}, {2, 1}, {2, 1}});
    rules::SetCurrentPlayer(1);
    const std::int32_t extremes[] = {INT32_MAX, INT32_MIN, kMaxScreenPosition + 1};
    for (int size = 1; size <= 3; ++size) {
        g_screenSize = size;
        for (const std::int32_t value : extremes) {
            SCOPED_TRACE(std::to_string(size) + " " + std::to_string(value));
            EXPECT_LE(std::abs(std::int64_t{ScaleToScreen(value)}), kMaxScreenPosition);
            g_labelPositions[1] = {value, value};
            g_labelPositions[2] = {INT32_MIN, value};
            std::int32_t hovered = -1;
            CChildView::HoverTestTerritory(10, 10, &hovered);
            EXPECT_NE(hovered, 1);
            EXPECT_NE(hovered, 2);
            EXPECT_EQ(HitAt(0, 0), kNoTerritory);
            bool near = false;
            CChildView::IsPointNearMarker(value, value, &near, {INT32_MAX, INT32_MAX});
            EXPECT_FALSE(near);
        }
    }
}

TEST_F(InputFixture, RealWorldLineStartsFourPixelsOff) {
    g_isMapRealWorld = true;
    bool reachable = false;
    g_mapDC.SetPixel(54, 54, kGrey);
    // The shifted start pixel itself is reachable without a line.
    CChildView::IsMarkerReachable(50, 50, &reachable, {54, 54});
    EXPECT_TRUE(reachable);
    reachable = false;
    CChildView::IsMarkerReachable(50, 50, &reachable, {50, 50});
    EXPECT_FALSE(reachable);  // the line starts on the grey pixel
    ClearMapFlags();
    CChildView::IsMarkerReachable(50, 50, &reachable, {50, 50});
    EXPECT_TRUE(reachable);  // unshifted: the label pixel is the point
}

TEST_F(InputFixture, HoverShowsArmiesOnTheSmallScreenOnly) {
    SetBoard({{1, 3}, {2, 12}, {2, 1}, {1, 1}, {2, 1}});
    rules::SetCurrentPlayer(1);
    g_humanPlayerCount = 1;
    g_screenSize = 1;
    // Territory 2's label on the small screen: (101, 38).
    View().OnMouseMove(101, 38);
    EXPECT_EQ(g_statusText, "Armies :     12");
    g_statusText.clear();
    g_areTerritoriesHidden = true;
    View().OnMouseMove(101, 38);
    EXPECT_EQ(g_statusText, "");
    g_areTerritoriesHidden = false;
    for (bool* phase : {&g_isAttackFrom, &g_isInitialPlacement, &g_canNextPlayer}) {
        *phase = true;
        View().OnMouseMove(101, 38);
        EXPECT_EQ(g_statusText, "");
        *phase = false;
    }
    g_screenSize = 2;
    View().OnMouseMove(145, 55);
    EXPECT_EQ(g_statusText, "");
}

}  // namespace
}  // namespace input_test
