// The Continents command: the board in continent colours while its window is open, the game's
// tables untouched meanwhile, the board put back after, and the windows' legends and marks.
#include <functional>

#include "core/input/continents_overlay.h"
#include "core/model/board_picture.h"
#include "core/model/options.h"
#include "platform/raster/text.h"
#include "render/board_rules.h"
#include "tests/input/input_fixture.h"

namespace input_test {
namespace {

// The window's mark "o" is a solid block of 5 x 5 pixels; other texts (the board's counts) have
// no ink, so that they never cover the point a territory's fill starts from. The first mark
// painted runs the hook: a moment while the window is open.
class BlockGlyphs : public raster::GlyphSource {
  public:
    raster::TextMask Render(const raster::FontDescription&, const std::string& text) override {
        if (text == "o" && hook) std::exchange(hook, nullptr)();
        const int width = 5 * static_cast<int>(text.size());
        const std::uint8_t ink = text == "o" ? 1 : 0;
        return {width, 5, 4, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * 5, ink)};
    }
    std::function<void()> hook;
};

constexpr raster::Point kInside[] = {{0, 0}, {20, 20}, {180, 20}, {20, 180}, {180, 180}, {270, 60}};

class ContinentsTest : public InputFixture {
  protected:
    void SetUp() override {
        InputFixture::SetUp();
        StartGame(2, 1);
        SetBoard({{1, 1}, {2, 4}, {1, 1}, {2, 1}, {2, 1}});
        g_isMapSwamp = true;  // labels from the board's table
        g_isGradientPaint = false;
        SetOneCharacterText(g_freshMapMarker, '1');  // composed: territories keep their colours
        for (int slot = 1; slot <= 20; ++slot) g_playerColours[slot] = raster::Rgb(slot * 10, 1, 2);
        for (int t = 1; t <= 5; ++t) g_territoryColours[t] = kLand[t];
        platform_->glyphs.Use(&glyphs_);
        // The board as the game shows it.
        for (int t = 1; t <= 5; ++t)
            View().DrawTerritoryArmies(t, g_territories[t].armies, g_territories[t].owner, false);
    }
    raster::Colour At(int t) const { return g_mapDC.Pixel(kInside[t].x, kInside[t].y); }
    const headless::ShownDialog& Shown() const { return platform_->dialogs.Shown().back(); }

    BlockGlyphs glyphs_;
};

TEST_F(ContinentsTest, OverlayShowsContinentsAndLeavesTheGameAlone) {
    g_areTerritoriesHidden = g_isHidingActive = true;
    g_isHighlightOn = true;
    g_territoryHighlight[3] = 'j';
    View().DrawTerritoryArmies(2, 4, 2, false);
    const raster::Colour hidden = At(2);
    const auto tables = rules_test::BoardOf(g_territories);
    bool sawOverlay = false;
    glyphs_.hook = [&] {
        // Every territory in its continent's colour, the hidden ones too.
        sawOverlay =
            At(1) == PlayerColour(1) && At(2) == PlayerColour(1) && At(4) == PlayerColour(2);
        EXPECT_EQ(rules_test::BoardOf(g_territories), tables);
        EXPECT_EQ(rules_test::BoardOf(g_displayedTerritories), tables);
        EXPECT_EQ(g_humanPlayerCount, 1);
        EXPECT_TRUE(g_isHidingActive);
        // A network message takes territory 4 meanwhile; the clock shows it.
        g_territories[4] = {1, 9};
        g_displayedTerritories[4] = g_territories[4];
    };
    View().OnContinents();
    EXPECT_TRUE(sawOverlay);
    EXPECT_EQ(Shown().templateId, CValues2Dlg::kIdd);
    EXPECT_EQ(Shown().caption, "Continents / Regions   --  Bonus Armies");
    // The change made while the window was open stays; the board is the game's again.
    EXPECT_EQ(g_territories[4].owner, 1);
    EXPECT_EQ(g_territories[4].armies, 9);
    EXPECT_EQ(At(1), render::FillColour(1, false));
    EXPECT_EQ(At(2), hidden);
    EXPECT_EQ(At(3), render::FillColour(1, true));  // its highlight mark kept
    EXPECT_EQ(At(4), render::FillColour(1, false));
    EXPECT_TRUE(g_isHidingActive);
    EXPECT_TRUE(g_isHighlightOn);
}

TEST_F(ContinentsTest, SwampTwoLegendFromTheNamesWithMissionMarks) {
    ClearMapFlags();
    g_isMapSwampII = true;
    g_continentNames[1] = "Marsh";
    g_continentNames[2] = "Reeds";
    g_missionKind = 1;
    g_missionProgress = 2;
    g_missionOrders[1][1] = 2;
    View().OnContinents();
    EXPECT_EQ(Shown().texts.at(1053), "Marsh   3");
    EXPECT_EQ(Shown().texts.at(1054), "Reeds   2 ok");
    EXPECT_EQ(Shown().texts.at(1055), " ");
}

TEST_F(ContinentsTest, WorldLegendLinesAndMarks) {
    ClearMapFlags();
    g_isMapWorld = true;
    g_continentCount = 12;
    for (int c = 1; c <= 12; ++c) g_continents[c][kContinentBonus] = c;
    View().OnContinents();
    EXPECT_EQ(Shown().texts.at(1053), "N. America   1");
    EXPECT_EQ(Shown().texts.at(1058), "Australia   6");
    EXPECT_EQ(Shown().texts.at(1059), " ");
    // Continents 11 and 12 share the colours of 1 and 2.
    for (int c : {1, 2, 11, 12}) {
        const auto at = continents_overlay::MarkPosition(c, false);
        EXPECT_EQ(Shown().painted.Pixel(at.x + 1, at.y + 1),
                  PlayerColour(continents_overlay::ColourIndex(c)))
            << c;
    }
    EXPECT_EQ(continents_overlay::MarkColour(11, false), continents_overlay::MarkColour(1, false));
}

TEST_F(ContinentsTest, FifteenContinentsUseTheLargeWindowAndFixedColours) {
    ClearMapFlags();
    g_isMapCustom = true;
    g_continentCount = 15;
    for (int c = 1; c <= 15; ++c) {
        g_continentNames[c] = "C" + std::to_string(c);
        g_continents[c][kContinentBonus] = c;
    }
    View().OnContinents();
    EXPECT_EQ(Shown().templateId, CValuesDlg::kIdd);
    EXPECT_EQ(Shown().texts.at(1006), "C1   1");
    EXPECT_EQ(Shown().texts.at(1023), "C14   14");
    EXPECT_EQ(Shown().texts.at(1035), "C15   15");
    const struct {
        int continent;
        raster::Colour colour;
    } marks[] = {{1, PlayerColour(1)}, {11, 0x2B5BCB}, {15, 0x2B476B}};
    for (const auto& m : marks) {
        const auto at = continents_overlay::MarkPosition(m.continent, true);
        EXPECT_EQ(Shown().painted.Pixel(at.x + 1, at.y + 1), m.colour) << m.continent;
    }
    g_isGradientPaint = true;
    EXPECT_EQ(continents_overlay::MarkColour(11, true), 0x613C30u);
}

}  // namespace
}  // namespace input_test
