// The players panel: boxes per player count, the demo, the second column, the current mark,
// Troop Experience and the colours of players who are out.
#include <gtest/gtest.h>

#include "core/model/board_picture.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/turn/turn_state.h"
#include "render_fixture.h"
#include "shell/settings.h"

namespace render_test {
namespace {

class PlayersPanelTest : public RenderFixture {
  protected:
    void SetUp() override {
        RenderFixture::SetUp();
        StartView();
        ClearMapFlags();
        g_isMapGreatBritain = true;  // origin (700, 160) on the medium screen
        g_screenSize = 2;
        g_isSmiliesOn = false;
        g_isTroopExperienceOn = false;
        g_mapDC = raster::Surface(kBoardWidth, kBoardHeight, 0xFFFFFF);
        for (int k = 1; k <= 20; ++k) g_playerColours[k] = static_cast<raster::Colour>(0x10 * k);
        for (int p = 1; p <= 10; ++p) {
            g_playerNames[p] = "P" + std::to_string(p);
            g_players[p][player_field::kTerritories] = 3;
        }
        rules::SetCurrentPlayer(2);
    }
    // The inside colour of player p's box at row r (first column of the medium screen).
    raster::Colour BoxAt(int x0, int y0, int row) const {
        return g_mapDC.Pixel(x0 + 6, y0 + 20 * (row - 1) + 6);
    }
};

TEST_F(PlayersPanelTest, BoxesForThreeAndFourPlayersWithTheCurrentMark) {
    g_playerCount = 3;
    view_->DrawPlayersPanel();
    EXPECT_EQ(BoxAt(700, 160, 1), g_playerColours[1]);
    EXPECT_EQ(BoxAt(700, 160, 3), g_playerColours[3]);
    EXPECT_EQ(BoxAt(700, 160, 4), 0xFFFFFFu);
    // The box frame is black; the current player's mark is its highlight colour.
    EXPECT_EQ(g_mapDC.Pixel(705, 165), 0u);
    EXPECT_EQ(g_mapDC.Pixel(712, 192), g_playerColours[7]);
    EXPECT_EQ(glyphs_.texts, (std::vector<std::string>{"P1", "P2", "P3"}));
    g_playerCount = 4;
    view_->DrawPlayersPanel();
    EXPECT_EQ(BoxAt(700, 160, 4), g_playerColours[4]);
}

TEST_F(PlayersPanelTest, TheDemoLeavesOutTheFirstBoxButNotItsName) {
    g_playerCount = 3;
    g_gameKind = 5;
    view_->DrawPlayersPanel();
    EXPECT_EQ(BoxAt(700, 160, 1), 0xFFFFFFu);
    EXPECT_EQ(glyphs_.texts.front(), "P1");
}

TEST_F(PlayersPanelTest, EightPlayersRunDownOrIntoASecondColumnOnWorld) {
    g_playerCount = 8;
    view_->DrawPlayersPanel();
    EXPECT_EQ(BoxAt(700, 160, 8), g_playerColours[13]);  // player 8's colour is entry 13
    ClearMapFlags();
    g_isMapWorld = true;
    g_mapDC.Fill(0xFFFFFF);
    view_->DrawPlayersPanel();
    EXPECT_EQ(BoxAt(260, 510, 3), g_playerColours[3]);
    EXPECT_EQ(BoxAt(260 + 330, 510, 3), g_playerColours[13]);
    EXPECT_EQ(BoxAt(260, 510, 6), 0xFFFFFFu);
}

TEST_F(PlayersPanelTest, TroopExperienceWidensTheBoxesAndShowsTheValues) {
    g_playerCount = 3;
    g_isTroopExperienceOn = true;
    g_networkSeat = 0;
    for (int p = 1; p <= 3; ++p) g_troopExperienceSnapshots[2][p] = 100 + p;
    view_->DrawPlayersPanel();
    EXPECT_EQ(g_mapDC.Pixel(728, 170), g_playerColours[1]);  // 30 wide
    EXPECT_EQ(g_mapDC.Pixel(712, 192), g_playerColours[2]);  // no current mark
    EXPECT_EQ(glyphs_.texts, (std::vector<std::string>{"101", "P1", "102", "P2", "103", "P3"}));
}

TEST_F(PlayersPanelTest, PlayersOutForMoreThanTwoTurnsTurnBlack) {
    g_playerCount = 3;
    rules::SetCurrentPlayer(1);
    g_players[2][player_field::kTerritories] = 0;
    g_players[3][player_field::kTerritories] = 0;
    g_turnsPlayed[2] = 2;  // keeps its colour
    g_turnsPlayed[3] = 3;
    view_->DrawPlayersPanel();
    // Each name's first block: at (X + 30, Y + 20 r - 18).
    EXPECT_EQ(g_mapDC.Pixel(731, 160 + 40 - 18 + 1), g_playerColours[2]);
    EXPECT_EQ(g_mapDC.Pixel(731, 160 + 60 - 18 + 1), 0u);
    EXPECT_EQ(g_mapDC.Pixel(731, 160 + 20 - 18 + 1), g_playerColours[6]);  // current: highlight
}

// A dark name on the dark ocean keeps its colour and stands on a light plate; a light name on a
// dark one.
TEST_F(PlayersPanelTest, NamesStandOnAPlateThatContrastsWithTheirColour) {
    g_mapDC = raster::Surface(kBoardWidth, kBoardHeight, raster::Rgb(0x10, 0x20, 0x50));
    g_playerCount = 3;
    rules::SetCurrentPlayer(3);
    g_playerColours[1] = raster::Rgb(0x20, 0x20, 0x90);  // dark blue
    g_playerColours[2] = raster::Rgb(0xFF, 0xFF, 0x80);  // light yellow
    view_->DrawPlayersPanel();
    // Block letters: ink in the first three columns of each 4-pixel cell, the fourth is a gap.
    const auto ink = [](int row) { return raster::Point{731, 160 + 20 * row - 18 + 1}; };
    const auto gap = [](int row) { return raster::Point{733, 160 + 20 * row - 18 + 1}; };
    const raster::Colour light = raster::Rgb(0xD8, 0xD8, 0xD8);
    EXPECT_EQ(g_mapDC.Pixel(ink(1).x, ink(1).y), g_playerColours[1]);
    EXPECT_EQ(g_mapDC.Pixel(gap(1).x, gap(1).y), light);
    EXPECT_EQ(g_mapDC.Pixel(ink(2).x, ink(2).y), g_playerColours[2]);
    EXPECT_EQ(g_mapDC.Pixel(gap(2).x, gap(2).y), 0u);
}

TEST_F(PlayersPanelTest, ANetworkPlayerElsewhereIsNamedInTheStatusBar) {
    g_playerCount = 3;
    g_networkSeat = 1;
    g_lastNetworkSeat = 3;
    rules::SetCurrentPlayer(2);
    g_roundCounter = 2;
    view_->DrawPlayersPanel();
    EXPECT_EQ(platform_->window.statusPanes[0], "P2 to play..");
    g_roundCounter = 1;
    platform_->window.statusPanes.clear();
    view_->DrawPlayersPanel();
    EXPECT_TRUE(platform_->window.statusPanes.empty());
}

}  // namespace
}  // namespace render_test
