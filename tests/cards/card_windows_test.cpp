// The card windows: what each draws where, their pictures from the program folder, the notice.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cards_fixture.h"
#include "core/cards/card_windows.h"
#include "core/cards/cards.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/turn/turn_state.h"
#include "platform/raster/bmp.h"
#include "platform/resources.h"
#include "shell/settings.h"

namespace {

using cards_test::CardsTest;
using cards_test::SetHand;
using Icons = std::vector<CardIconAt>;
namespace icon = card_icon;

constexpr raster::Colour kInk = raster::Rgb(1, 2, 3);

// Every text is a 2 x 2 block of ink.
class BlockGlyphs : public raster::GlyphSource {
  public:
    raster::TextMask Render(const raster::FontDescription&, const std::string&) override {
        return {2, 2, 2, {1, 1, 1, 1}};
    }
};

class CardWindowsTest : public CardsTest {
  protected:
    // A distinct plain colour per card picture, 4 x 3 pixels.
    static raster::Colour PictureColour(int id) { return raster::Rgb(id, 255 - id, 7); }
    void WritePictures(std::initializer_list<int> ids) {
        for (const int id : ids) {
            WriteFile(platform::IconPath(folder_, id),
                      raster::WriteBmp(raster::Surface(4, 3, PictureColour(id))));
        }
    }
};

TEST_F(CardWindowsTest, TheCardsWindowShowsTheHandAndTheOthersTotalsInTheirColours) {
    rules::SetCurrentPlayer(2);  // a hotseat game: the player on turn
    SetHand(2, 1, 1, 2, 1);
    SetHand(1, 0, 0, 1, 0);
    SetHand(3, 2, 0, 0, 1);
    g_playerColours[1] = 0x40E0FF;
    g_playerColours[3] = raster::Rgb(0, 0, 200);
    const CardLayout layout = CardsWindowLayout();
    EXPECT_EQ(layout.icons, (Icons{{icon::kCavalry, 30, 30},
                                   {icon::kCavalry, 80, 30},
                                   {icon::kInfantry, 130, 30},
                                   {icon::kArtillery, 180, 30},
                                   {icon::kWild, 230, 30}}));
    EXPECT_EQ(layout.texts,
              (std::vector<CardTextAt>{{"Anna : 1  card ", 30, 127, 0x008080},
                                       {"Cato : 3  cards ", 30, 187, raster::Rgb(0, 0, 200)}}));
}

TEST_F(CardWindowsTest, TheCardsWindowPlacesForManyPlayersLargeFontsAndANetworkSeat) {
    g_playerCount = 7;
    g_isLargeFonts = true;
    g_networkSeat = 4;  // the local seat's hand, whoever is on turn
    SetHand(4, 0, 0, 0, 2);
    SetHand(1, 5, 0, 0, 0);
    const CardLayout layout = CardsWindowLayout();
    EXPECT_EQ(layout.icons, (Icons{{icon::kWild, 30, 50}, {icon::kWild, 80, 50}}));
    std::vector<int> ys;
    for (const CardTextAt& t : layout.texts) ys.push_back(t.y);
    EXPECT_EQ(ys, (std::vector<int>{97, 117, 137, 177, 197, 217}));  // seat 4 keeps its gap

    rules::SetCurrentPlayer(0);
    EXPECT_TRUE(CardsWindowLayout().icons.empty());
    EXPECT_TRUE(CardsWindowLayout().texts.empty());
}

TEST_F(CardWindowsTest, TheTradeWindowDrawsEachRowUntilOneIsWorthNothing) {
    g_cardSetOptions[0] = {1, 0, 3, 1, 15};
    g_cardSetOptions[1] = {0, 0, 0, 2, 5};
    g_cardSetOptions[3] = {2, 0, 0, 0, 5};  // after an empty row: not drawn
    CardLayout layout = TradeWindowLayout();
    EXPECT_EQ(layout.icons, (Icons{{icon::kCavalry, 63, 26},
                                   {icon::kCavalry, 113, 26},
                                   {icon::kCavalry, 163, 26},
                                   {icon::kArtillery, 213, 26},
                                   {icon::kWild, 263, 26},
                                   {icon::kWild, 63, 66},
                                   {icon::kWild, 113, 66}}));
    ASSERT_EQ(layout.texts.size(), 2u);
    EXPECT_EQ(layout.texts[0], (CardTextAt{" = 15 armies", 303, 35, 0}));
    EXPECT_EQ(layout.texts[1], (CardTextAt{" = 5 armies", 153, 75, 0}));

    g_isLargeFonts = true;
    layout = TradeWindowLayout();
    EXPECT_EQ(layout.icons[5], (CardIconAt{icon::kWild, 76, 84}));
    EXPECT_EQ(layout.texts[1], (CardTextAt{" = 5 armies", 179, 93, 0}));
}

TEST_F(CardWindowsTest, TheNoticeShowsTheSetOfTheTurnIn) {
    struct NoticeCase {
        const char* what;
        std::array<std::int32_t, 6> turnIn;  // player, armies, wild, cavalry, infantry, artillery
        std::vector<int> icons;
    };
    const std::vector<NoticeCase> cases = {
        {"one single card with a wild", {2, 5, 1, 0, 1, 0}, {icon::kInfantry, icon::kWild}},
        {"several singles: only the first", {2, 5, 1, 1, 1, 1}, {icon::kCavalry, icon::kWild}},
        {"a kind twice and a wild",
         {2, 10, 1, 0, 0, 2},
         {icon::kArtillery, icon::kArtillery, icon::kWild}},
        {"singles of a bigger set stay out", {2, 10, 0, 2, 1, 0}, {icon::kCavalry, icon::kCavalry}},
        {"never a sixth",
         {2, 25, 2, 9, 0, 0},
         {icon::kCavalry, icon::kCavalry, icon::kCavalry, icon::kCavalry, icon::kCavalry}},
    };
    g_playerColours[2] = raster::Rgb(0, 200, 0);
    for (const NoticeCase& c : cases) {
        SCOPED_TRACE(c.what);
        g_lastCardTurnIn = c.turnIn;
        const CardLayout layout = ExchangeNoticeLayout();
        std::vector<int> icons;
        for (std::size_t n = 0; n < layout.icons.size(); ++n) {
            icons.push_back(layout.icons[n].icon);
            EXPECT_EQ(layout.icons[n].x, 15 + 50 * static_cast<int>(n));
            EXPECT_EQ(layout.icons[n].y, 53);
        }
        EXPECT_EQ(icons, c.icons);
        ASSERT_EQ(layout.texts.size(), 2u);
        EXPECT_EQ(layout.texts[0],
                  (CardTextAt{"Borg exchanges this set : ", 15, 10, raster::Rgb(0, 200, 0)}));
        EXPECT_EQ(layout.texts[1].text, "Borg gets " + std::to_string(c.turnIn[1]) + " armies.");
        EXPECT_EQ(layout.texts[1].y, 120);
    }
    // A record from another machine naming no player shows nothing.
    for (const std::int32_t p : {0, 11, -1}) {
        g_lastCardTurnIn = {p, 5, 1, 1, 0, 0};
        EXPECT_TRUE(ExchangeNoticeLayout().icons.empty());
        EXPECT_TRUE(ExchangeNoticeLayout().texts.empty());
    }
}

TEST_F(CardWindowsTest, TheCardsWindowPaintsThePicturesAndLeavesOutAMissingOne) {
    WritePictures({icon::kCavalry, icon::kWild});  // no infantry picture
    g_transparencyPercent = 85;
    SetHand(1, 0, 1, 1, 1);
    view_->OnShowCards();
    ASSERT_EQ(platform_.dialogs.Shown().size(), 1u);
    const headless::ShownDialog& shown = platform_.dialogs.Shown()[0];
    EXPECT_EQ(shown.caption, "Cards");
    EXPECT_EQ(shown.alpha, 216);
    EXPECT_EQ(shown.painted.Pixel(30, 30), PictureColour(icon::kCavalry));
    EXPECT_EQ(shown.painted.Pixel(33, 32), PictureColour(icon::kCavalry));
    EXPECT_EQ(shown.painted.Pixel(34, 30), kDialogFace);  // drawn at its natural size
    EXPECT_EQ(shown.painted.Pixel(80, 30), kDialogFace);  // the infantry picture is missing
    EXPECT_EQ(shown.painted.Pixel(130, 30), PictureColour(icon::kWild));
}

TEST_F(CardWindowsTest, TextsAreDrawnThroughTheGlyphSourceWhenThereIsOne) {
    BlockGlyphs glyphs;
    g_playerColours[2] = kInk;
    SetHand(2, 1, 0, 0, 0);
    view_->OnShowCards();
    view_->Cards().glyphs = &glyphs;
    view_->OnShowCards();
    ASSERT_EQ(platform_.dialogs.Shown().size(), 2u);
    EXPECT_EQ(platform_.dialogs.Shown()[0].painted.Pixel(31, 158), kDialogFace);
    EXPECT_EQ(platform_.dialogs.Shown()[1].painted.Pixel(31, 158), kInk);  // Borg's line
}

TEST_F(CardWindowsTest, TheNoticeComesAndGoesWithoutBlocking) {
    g_lastCardTurnIn = {3, 5, 1, 1, 0, 0};
    view_->ShowCardsNotice();
    view_->ShowCardsNotice();  // a second turn-in while it is up repaints it
    EXPECT_TRUE(view_->Cards().notice.IsOpen());
    view_->HideCardsNotice();
    view_->HideCardsNotice();
    EXPECT_FALSE(view_->Cards().notice.IsOpen());
    using E = headless::ModelessEvent;
    EXPECT_EQ(platform_.dialogs.ModelessEvents(),
              (std::vector<E>{{E::Kind::Created, CCkaartDlg::kIdd},
                              {E::Kind::Destroyed, CCkaartDlg::kIdd}}));
    EXPECT_TRUE(platform_.dialogs.Shown().empty());
}

}  // namespace
