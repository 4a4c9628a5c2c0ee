// Territory painting and labels: the colour and font tables, paint points, extra seeds, the
// count cap, codes and icons.
#include <gtest/gtest.h>

#include "core/model/board_picture.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "maps/world_art.h"
#include "render/army_labels.h"
#include "render/board_rules.h"
#include "render/render_state.h"
#include "render_fixture.h"
#include "shell/settings.h"

namespace render_test {
namespace {

using render::FillColour;
using render::GradientColoursOf;

TEST(PaintRulesTest, FillColours) {
    for (int k = 1; k <= 20; ++k) g_playerColours[k] = static_cast<raster::Colour>(0x100 * k);
    const struct {
        int owner;
        bool highlight;
        raster::Colour colour;
    } cases[] = {
        {1, false, 0x100},     {1, true, 0x600},     {5, false, 0x500},     {6, false, 0xB00},
        {6, true, 0x1000},     {10, true, 0x1400},   {0, false, 0x606070},  {26, true, 0x606070},
        {11, false, 0x2B5BCB}, {11, true, 0x2B5BCB}, {25, false, 0x3B2B8B},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FillColour(c.owner, c.highlight), c.colour) << c.owner << c.highlight;
    // Hidden: players above the humans melt into 0x604040; continent colours stay.
    g_areTerritoriesHidden = g_isHidingActive = true;
    g_humanPlayerCount = 1;
    EXPECT_EQ(FillColour(1, false), 0x100u);
    EXPECT_EQ(FillColour(2, false), 0x604040u);
    EXPECT_EQ(FillColour(11, false), 0x2B5BCBu);
}

TEST(PaintRulesTest, GradientColours) {
    const auto orange = raster::Rgb(255, 136, 0);
    EXPECT_EQ(GradientColoursOf(1, false).top, 0u);
    EXPECT_EQ(GradientColoursOf(1, true).top, orange);
    EXPECT_EQ(GradientColoursOf(1, true).bottom, raster::Rgb(0, 136, 221));
    EXPECT_EQ(GradientColoursOf(21, true).top, raster::Rgb(0, 51, 153));
    EXPECT_EQ(GradientColoursOf(21, false).bottom, raster::Rgb(0, 136, 221));
    EXPECT_EQ(GradientColoursOf(25, false).top, raster::Rgb(68, 17, 39));
    EXPECT_EQ(GradientColoursOf(8, false).bottom, raster::Rgb(251, 107, 0));
    // No owner: the flat no-owner colour as bottom.
    EXPECT_EQ(GradientColoursOf(0, false).bottom, 0x606070u);
    EXPECT_EQ(GradientColoursOf(30, true).top, orange);
    g_areTerritoriesHidden = g_isHidingActive = true;
    g_humanPlayerCount = 2;
    EXPECT_EQ(GradientColoursOf(3, true).top, raster::Rgb(32, 32, 48));
    EXPECT_EQ(GradientColoursOf(3, true).bottom, raster::Rgb(80, 80, 128));
}

TEST(PaintRulesTest, LabelTextColours) {
    for (int k = 1; k <= 20; ++k) g_playerColours[k] = static_cast<raster::Colour>(0x100 * k);
    g_playerCount = 3;
    g_humanPlayerCount = 3;
    const struct {
        bool gradient;
        bool stronghold;
        bool highlight;
        int owner;
        raster::Colour colour;
    } cases[] = {
        {true, true, false, 2, 0x00A0FF},   {true, true, false, 7, 0x00A0FF},
        {true, true, false, 3, 0x0000FF},   {true, true, true, 2, 0xF5F5FF},
        {true, false, false, 2, 0xF5F5FF},  {false, true, false, 3, 0x800},
        {false, true, false, 7, 0x1100},    {false, true, false, 12, 0x400000},
        {false, false, false, 3, 0x400000}, {false, true, true, 3, 0x400000},
    };
    for (const auto& c : cases) {
        g_isGradientPaint = c.gradient;
        render::LabelRequest label;
        label.stronghold = c.stronghold;
        label.highlight = c.highlight;
        label.owner = c.owner;
        EXPECT_EQ(render::LabelTextColour(label), c.colour) << c.owner << c.gradient;
    }
    // A hidden owner's stronghold.
    g_areTerritoriesHidden = g_isHidingActive = true;
    g_humanPlayerCount = 1;
    g_isGradientPaint = true;
    render::LabelRequest hidden;
    hidden.stronghold = true;
    hidden.owner = 2;
    EXPECT_EQ(render::LabelTextColour(hidden), 0x400000u);
}

TEST(PaintRulesTest, LabelFonts) {
    g_fontTerminal8 = {"Terminal", 8, 0};
    g_fontSansSerif6 = {"MS Sans Serif", 6, 6};
    g_fontSerif6 = {"MS Serif", 6, 6};
    g_fontTerminal10 = {"Terminal", 10, 0};
    g_screenSize = 2;
    EXPECT_EQ(render::LabelFont(150), g_fontTerminal8);
    EXPECT_EQ(render::LabelFont(99), g_fontSerif6);
    g_isLargeFonts = true;
    EXPECT_EQ(render::LabelFont(99), g_fontTerminal10);
    g_screenSize = 3;
    EXPECT_EQ(render::LabelFont(99), g_fontSansSerif6);
    g_screenSize = 1;
    EXPECT_EQ(render::LabelFont(5), g_fontTerminal8);
    g_screenSize = 3;
    g_isSafeMode = true;
    EXPECT_EQ(render::LabelFont(5), g_fontTerminal8);
}

using PaintTerritoryTest = RenderFixture;

TEST_F(PaintTerritoryTest, TheLabelPointIsScaledAndShifted) {
    CChildView& view = StartView();
    ASSERT_TRUE(g_isMapWorld);
    g_screenSize = 1;
    g_isGradientPaint = false;
    g_mapDC = raster::Surface(kBoardWidth, kBoardHeight, 0);
    g_mapDC.SetPixel(71, 129, 0xFFFFFF);  // (100, 200) * 70 / 100 + 1, 12 up
    g_mapDC.SetPixel(70, 128, 0xFFFFFF);  // one off on both axes: never the paint point
    g_freshMapMarker = "0";
    view.PaintTerritory(100, 200, "", "", false, 1, 5, 3);
    EXPECT_EQ(g_mapDC.Pixel(71, 129), g_playerColours[1]);
    EXPECT_EQ(g_mapDC.Pixel(70, 128), 0xFFFFFFu);
}

TEST_F(PaintTerritoryTest, ExtraSeedsRecolourEveryPieceAndFollowTheOldColour) {
    CChildView& view = StartView();
    g_screenSize = 2;
    g_isGradientPaint = false;
    const std::span<const maps::FillSeed> seeds = maps::SeedsFor(maps::WorldArt(), 2);
    std::vector<maps::FillSeed> own;
    for (const maps::FillSeed& seed : seeds)
        if (seed.territory == 2) own.push_back(seed);
    ASSERT_EQ(own.size(), 4u);
    g_mapDC = raster::Surface(kBoardWidth, kBoardHeight, 0);
    for (const maps::FillSeed& seed : own) g_mapDC.SetPixel(seed.x, seed.y, 0xFFFFFF);
    g_freshMapMarker = "0";
    view.PaintTerritory(0, 0, "", "", false, 1, 2, 3);
    for (const maps::FillSeed& seed : own)
        EXPECT_EQ(g_mapDC.Pixel(seed.x, seed.y), g_playerColours[1]);
    // A new owner: every piece changes, from the colour recorded last time.
    g_freshMapMarker = "1";
    view.PaintTerritory(0, 0, "", "", false, 2, 2, 3);
    for (const maps::FillSeed& seed : own)
        EXPECT_EQ(g_mapDC.Pixel(seed.x, seed.y), g_playerColours[2]);
    EXPECT_EQ(g_territoryColours[2], g_playerColours[2]);
}

// Under gradient paint the islands take the gradient's colour of their territory, not the flat
// colour (a grey-blue that vanishes into the sea for the blue player).
TEST_F(PaintTerritoryTest, UnderGradientPaintTheFurtherPiecesTakeTheGradientsColour) {
    CChildView& view = StartView();
    g_screenSize = 2;
    g_isGradientPaint = true;
    std::vector<maps::FillSeed> own;
    for (const maps::FillSeed& seed : maps::SeedsFor(maps::WorldArt(), 2))
        if (seed.territory == 2) own.push_back(seed);
    ASSERT_FALSE(own.empty());
    g_mapDC = raster::Surface(kBoardWidth, kBoardHeight, 0);
    for (const maps::FillSeed& seed : own) g_mapDC.SetPixel(seed.x, seed.y, 0xFFFFFF);
    g_freshMapMarker = "0";
    for (const std::int32_t owner : {1, 2, 1}) {  // and again from the colour left last time
        view.PaintTerritory(0, 0, "", "", false, owner, 2, 3);
        const raster::Colour expected = render::GradientColoursOf(owner, false).bottom;
        ASSERT_NE(expected, render::FillColour(owner, false));
        for (const maps::FillSeed& seed : own)
            EXPECT_EQ(g_mapDC.Pixel(seed.x, seed.y), expected) << owner;
        g_freshMapMarker = "1";
    }
}

TEST_F(PaintTerritoryTest, APolygonOfFewerThanThreePointsDrawsNothing) {
    CChildView& view = StartView();
    g_mapDC = raster::Surface(100, 100, 0xFFFFFF);
    g_outlineCounts[4] = 2;
    g_outlinePolygons[4][0] = {10, 10};
    g_outlinePolygons[4][1] = {50, 10};
    g_outlinePolygons[4][2] = {50, 50};
    view.GradientFillTerritory(4, 1);
    for (const raster::Colour c : g_mapDC.Pixels()) ASSERT_EQ(c, 0xFFFFFFu);
    g_outlineCounts[4] = 3;
    g_outlinePolygons[4][3] = {10, 50};
    view.GradientFillTerritory(4, 1);
    EXPECT_EQ(g_mapDC.Pixel(45, 10), 0u);  // the gradient's top row: black
    EXPECT_NE(g_mapDC.Pixel(40, 20), 0xFFFFFFu);
    EXPECT_EQ(g_mapDC.Pixel(20, 40), 0xFFFFFFu);  // outside the triangle
}

// DrawTerritoryArmies on World: the count text by screen, fonts and markers.
TEST_F(PaintTerritoryTest, CountsAreCappedByScreen) {
    CChildView& view = StartView();
    g_mapDC = raster::Surface(kBoardWidth, kBoardHeight, 0);
    g_isSmiliesOn = false;
    const struct {
        int size;
        int width;
        bool largeFonts;
        const char* text;
    } cases[] = {{3, 1280, false, "999"},
                 {1, 1280, false, "99"},
                 {3, 800, false, "99"},
                 {3, 1280, true, "99"},
                 {2, 1024, false, "999"}};
    for (const auto& c : cases) {
        g_screenSize = c.size;
        g_screenWidth = c.width;
        g_isLargeFonts = c.largeFonts;
        glyphs_.texts.clear();
        view.DrawTerritoryArmies(1, 1234, 1, false);
        ASSERT_FALSE(glyphs_.texts.empty());
        EXPECT_EQ(glyphs_.texts.back(), c.text) << c.size << " " << c.width;
    }
    // Drawn outside a paint: the window is asked to repaint.
    EXPECT_GE(platform_->window.invalidations, 1);
    g_showTestMarkers = true;
    view.DrawTerritoryArmies(1, 5, 1, false);
    EXPECT_EQ(glyphs_.texts.back(), "72");
    // Beyond World's table nothing is drawn.
    glyphs_.texts.clear();
    view.DrawTerritoryArmies(43, 5, 1, false);
    EXPECT_TRUE(glyphs_.texts.empty());
}

TEST_F(PaintTerritoryTest, CodesGiveWayToIconsOnWideScreens) {
    StartView();
    ASSERT_TRUE(g_isMapWorld);
    raster::Surface board(200, 200, 0);
    render::LabelRequest label;
    label.at = {50, 50};
    label.code = "ala";
    label.count = "7";
    label.owner = 2;
    label.territory = 1;
    label.armies = 7;
    g_screenSize = 2;
    g_isSafeMode = g_isLargeFonts = false;

    g_isSmiliesOn = true;
    g_screenWidth = 1024;
    auto icon = render::DrawTerritoryLabel(board, &glyphs_, label);
    EXPECT_EQ(glyphs_.texts, (std::vector<std::string>{"7"}));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->code, 2);

    glyphs_.texts.clear();
    g_screenWidth = 1000;  // no icon, and no code either above 800
    EXPECT_FALSE(render::DrawTerritoryLabel(board, &glyphs_, label));
    EXPECT_EQ(glyphs_.texts, (std::vector<std::string>{"7"}));

    glyphs_.texts.clear();
    g_isSmiliesOn = false;
    g_isLargeFonts = true;
    render::DrawTerritoryLabel(board, &glyphs_, label);
    EXPECT_EQ(glyphs_.texts, (std::vector<std::string>{"al", "7"}));

    // Continent colouring has no icon; a hidden owner shows icon 99 and, in gradients, no count.
    g_isSmiliesOn = true;
    g_isLargeFonts = false;
    g_screenWidth = 1280;
    label.owner = 12;
    EXPECT_FALSE(render::DrawTerritoryLabel(board, &glyphs_, label));
    g_areTerritoriesHidden = g_isHidingActive = true;
    g_humanPlayerCount = 1;
    g_isGradientPaint = true;
    label.owner = 3;
    glyphs_.texts.clear();
    icon = render::DrawTerritoryLabel(board, &glyphs_, label);
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->code, 99);
    EXPECT_TRUE(glyphs_.texts.empty());
}

// Every map's own rules for paint points, codes, icons and the label rectangle, as the board has
// always applied them.
TEST_F(PaintTerritoryTest, EveryMapKeepsItsBoardRules) {
    StartView();
    struct Case {
        bool* flag;
        int shift[3];     // paint point above the label point, sizes 1..3
        bool codes;       // codes above the counts
        bool icons[2];    // icons may stand on territories at sizes 2 and 3
        bool tallLabels;  // the taller label rectangle on the medium screen
    };
    const Case cases[] = {
        {&g_isMapWorld, {12, 12, 12}, true, {true, true}, true},
        {&g_isMapEurope, {12, 12, 12}, true, {true, true}, true},
        {&g_isMapNorthAmerica, {12, 12, 12}, true, {false, true}, true},
        {&g_isMapRealWorld, {0, 0, 0}, false, {false, false}, false},
        {&g_isMapJapanKorea, {12, 12, 12}, false, {false, false}, false},
        {&g_isMapAustralia, {12, 12, 12}, false, {false, false}, false},
        {&g_isMapScandinavia, {1, 3, 3}, false, {false, false}, false},
        {&g_isMapWorms, {1, 3, 3}, false, {false, false}, false},
        {&g_isMapChina, {1, 3, 3}, false, {false, false}, false},
        {&g_isMapGreatBritain, {1, 3, 3}, false, {false, false}, false},
        {&g_isMapLinesII, {2, 3, 3}, false, {false, false}, false},
        {&g_isMapSwamp, {1, 3, 3}, true, {true, true}, false},
        {&g_isMapSwampII, {1, 3, 3}, false, {false, false}, false},
        {&g_isMapThreeNationsA, {3, 3, 3}, false, {false, false}, false},
        {&g_isMapThreeNationsB, {3, 3, 3}, false, {false, false}, false},
    };
    ASSERT_EQ(std::size(cases), BuiltinMaps().size());
    for (const Case& c : cases) {
        const BuiltinMap* map = BuiltinMapByFlag(c.flag);
        ASSERT_NE(map, nullptr);
        SCOPED_TRACE(std::string(map->name));
        ClearMapFlags();
        *c.flag = true;
        for (int size = 1; size <= 3; ++size)
            EXPECT_EQ(render::PaintPointShiftOf(map, size), c.shift[size - 1]) << size;
        EXPECT_EQ(render::HasCodeLayout(), c.codes);
        for (int size = 2; size <= 3; ++size) {
            g_screenSize = size;
            EXPECT_EQ(render::IsIconMap(), c.icons[size - 2]) << size;
        }
        g_screenSize = 2;
        bool near = false;
        CChildView::IsPointNearMarker(200, 200, &near, {200, 185});
        EXPECT_EQ(near, c.tallLabels);
    }
}

}  // namespace
}  // namespace render_test
