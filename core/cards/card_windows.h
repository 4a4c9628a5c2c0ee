// The three card windows: the Cards window, the trade window and the exchange notice.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/raster/surface.h"
#include "platform/raster/text.h"

namespace platform {
class Files;
}

// Card pictures by their resource ids.
namespace card_icon {
inline constexpr int kCavalry = 140;
inline constexpr int kInfantry = 141;
inline constexpr int kWild = 142;
inline constexpr int kArtillery = 143;
}  // namespace card_icon

// What a card window draws: pictures at their natural size and texts with a see-through
// background, at window pixels.
struct CardIconAt {
    int icon = 0;
    int x = 0;
    int y = 0;
    bool operator==(const CardIconAt&) const = default;
};
struct CardTextAt {
    std::string text;
    int x = 0;
    int y = 0;
    raster::Colour colour = 0;
    bool operator==(const CardTextAt&) const = default;
};
struct CardLayout {
    std::vector<CardIconAt> icons;
    std::vector<CardTextAt> texts;
};

// The layouts, from the game's state as each window shows it.
CardLayout CardsWindowLayout();
CardLayout TradeWindowLayout();
CardLayout ExchangeNoticeLayout();
// A player's text colour in the card windows.
raster::Colour CardTextColour(std::int32_t player);

// The four card pictures, read from the program's generated icons; a missing one is not drawn.
class CardPictures {
  public:
    explicit CardPictures(const platform::Files& files) : files_(files) {}
    void Load();
    void Draw(raster::Surface& surface, const CardLayout& layout,
              raster::GlyphSource* glyphs) const;

  private:
    const platform::Files& files_;
    std::array<std::optional<raster::Surface>, 4> pictures_;  // ids 140..143
};

// A card window: loads the pictures when it opens and paints its layout.
class CardWindow : public CDialog {
  public:
    CardWindow(const DialogTemplate& dialogTemplate, const platform::Files& files,
               raster::GlyphSource*& glyphs);
    bool OnInitDialog() override;
    void OnPaint(raster::Surface& surface) override;

  protected:
    virtual CardLayout Layout() const = 0;

  private:
    CardPictures pictures_;
    raster::GlyphSource*& glyphs_;
};

// "Cards": the local hand and the other players' card totals.
class CKaartenDlg : public CardWindow {
  public:
    static constexpr int kIdd = 166;
    CKaartenDlg(const platform::Files& files, raster::GlyphSource*& glyphs);

  protected:
    CardLayout Layout() const override;
};

// "Trading in Cards for Armies": one radio button per trade option.
class CKaartiDlg : public CardWindow {
  public:
    static constexpr int kIdd = 167;
    // The option buttons in the order of the options.
    static constexpr std::array<int, 6> kOptionButtons{1000, 1001, 1002, 1003, 1008, 1009};
    // The text shown in place of the options when the hand makes no set.
    static constexpr int kNoSetText = 1010;
    static constexpr const char* kNoSetMessage =
        "These cards make no set to trade in: a set takes two or more cards of one kind, or a "
        "card with a wild card.";

    CKaartiDlg(const platform::Files& files, raster::GlyphSource*& glyphs);

    // Reads one option text back; all five values are 0 first.
    static void ParseTradeOption(const std::string& text, std::int32_t& artillery,
                                 std::int32_t& infantry, std::int32_t& cavalry, std::int32_t& wild,
                                 std::int32_t& armies);

    // The selected option, 0..5; -1 when none is selected.
    std::int32_t choice = 0;

    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;

  protected:
    CardLayout Layout() const override;
};

// "Cards": the exchange notice of another player's turn-in, shown without blocking the game.
class CCkaartDlg : public CardWindow {
  public:
    static constexpr int kIdd = 169;
    CCkaartDlg(const platform::Files& files, raster::GlyphSource*& glyphs);

  protected:
    CardLayout Layout() const override;
};

const DialogTemplate& CardsWindowTemplate();
const DialogTemplate& TradeWindowTemplate();
const DialogTemplate& ExchangeNoticeTemplate();

// The view's card windows. Texts are drawn through `glyphs`; a source that draws no text leaves
// only the pictures and the templates' own controls.
struct CardWindows {
    CardWindows(const platform::Files& files, raster::GlyphSource& glyphSource);
    // The platform's glyph source, which the three windows draw through.
    raster::GlyphSource* glyphs;
    CKaartenDlg cards;
    CKaartiDlg trade;
    CCkaartDlg notice;
};
