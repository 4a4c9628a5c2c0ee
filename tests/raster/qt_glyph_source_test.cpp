// The Qt glyph source: whole-pixel text in exactly the colour asked, at the asked cell height.
#include "platform/qt/qt_glyph_source.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGuiApplication>
#include <algorithm>
#include <memory>
#include <set>

#include "platform/raster/text_draw.h"

namespace {

// One application for the whole run, gone before Qt's own teardown at exit.
class QtApplication : public testing::Environment {
  public:
    void SetUp() override { app_ = std::make_unique<QGuiApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char name_[16] = "raster_qt_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};
[[maybe_unused]] testing::Environment* const kQtApplication =
    testing::AddGlobalTestEnvironment(new QtApplication);

class QtGlyphs : public testing::Test {
  protected:
    qtplatform::QtGlyphSource glyphs;
};

// The game's fonts, as it makes them.
const std::vector<raster::FontDescription> kGameFonts{
    {"MS Sans Serif", 8, 8}, {"MS Sans Serif", 6, 6},       {"MS Serif", 6, 6},
    {"Terminal", 8, 0},      {"MS Sans Serif", 6, 6, true}, {"Terminal", 10, 0},
};

TEST_F(QtGlyphs, FacesMapToTheDejaVuFamilies) {
    EXPECT_EQ(qtplatform::FamilyForFace("MS Sans Serif"), "DejaVu Sans");
    EXPECT_EQ(qtplatform::FamilyForFace("MS Serif"), "DejaVu Serif");
    EXPECT_EQ(qtplatform::FamilyForFace("Terminal"), "DejaVu Sans Mono");
    EXPECT_EQ(qtplatform::FamilyForFace("Courier New"), "DejaVu Sans Mono");
    EXPECT_EQ(qtplatform::FamilyForFace("Arial"), "DejaVu Sans");
    // The fonts really come from DejaVu, not from whatever the machine substitutes.
    EXPECT_EQ(QFontInfo(glyphs.FontFor({"Terminal", 10})).family(), "DejaVu Sans Mono");
    EXPECT_EQ(QFontInfo(glyphs.FontFor({"MS Serif", 8})).family(), "DejaVu Serif");
}

TEST_F(QtGlyphs, CellHeightFitsTheAskedHeight) {
    for (const raster::FontDescription& font : kGameFonts) {
        const raster::TextMask mask = glyphs.Render(font, "Armies 72");
        EXPECT_LE(mask.height, font.height) << font.face << " " << font.height;
        EXPECT_GE(mask.height, font.height - 2) << font.face << " " << font.height;
        EXPECT_EQ(raster::MeasureText(font, "Armies 72", glyphs),
                  (raster::TextExtent{mask.width, mask.height}));
    }
    // A taller cell gives a wider text.
    EXPECT_GT(glyphs.Render({"Terminal", 20}, "ala").width,
              glyphs.Render({"Terminal", 10}, "ala").width);
}

TEST_F(QtGlyphs, DrawnTextHasOnlyTheAskedColourOverTheBackground) {
    const raster::Colour background = raster::Rgb(0x60, 0x60, 0x70);
    const raster::Colour ink = raster::Rgb(0xFF, 0xF5, 0xF5);
    for (const raster::FontDescription& font : kGameFonts) {
        raster::Surface s(120, 30, background);
        raster::DrawText(s, 2, 2, "Gr\xF6nland 999", font, ink, glyphs);
        const std::set<raster::Colour> colours(s.Pixels().begin(), s.Pixels().end());
        EXPECT_EQ(colours, (std::set<raster::Colour>{background, ink})) << font.face;
        // Ink stays inside the text's cell.
        const raster::TextExtent e = raster::MeasureText(font, "Gr\xF6nland 999", glyphs);
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x)
                if (s.Pixel(x, y) == ink) {
                    EXPECT_TRUE((raster::Rect{2, 2, 2 + e.width, 2 + e.height}.Contains(x, y)));
                }
    }
}

TEST_F(QtGlyphs, MaskIsInkOrNothingAndBlankTextHasNoInk) {
    const raster::TextMask mask = glyphs.Render({"MS Sans Serif", 8, 8}, "Wxyz");
    EXPECT_EQ(mask.ink.size(), static_cast<std::size_t>(mask.width) * mask.height);
    EXPECT_TRUE(std::all_of(mask.ink.begin(), mask.ink.end(), [](auto v) { return v <= 1; }));
    EXPECT_GT(std::count(mask.ink.begin(), mask.ink.end(), 1), 10);

    const raster::TextMask blank = glyphs.Render({"MS Sans Serif", 8, 8}, "   ");
    EXPECT_EQ(std::count(blank.ink.begin(), blank.ink.end(), 1), 0);
    EXPECT_EQ(glyphs.Render({"Terminal", 8}, "").width, 0);
}

// Army counts and players' names are drawn in the small faces; no two digits may look alike.
TEST_F(QtGlyphs, EveryDigitHasPixelsOfItsOwnInEachSmallFace) {
    for (const raster::FontDescription& font : kGameFonts) {
        std::set<std::vector<std::uint8_t>> seen;
        for (char digit = '0'; digit <= '9'; ++digit)
            EXPECT_TRUE(seen.insert(glyphs.Render(font, std::string(1, digit)).ink).second)
                << "'" << digit << "' in " << font.face << " " << font.height;
        // Two-digit counts too: "28" must not read as "32".
        EXPECT_NE(glyphs.Render(font, "28").ink, glyphs.Render(font, "32").ink);
    }
}

TEST_F(QtGlyphs, UnderlineAddsInk) {
    const auto inkOf = [&](bool underline) {
        const raster::TextMask m = glyphs.Render({"MS Sans Serif", 12, 0, underline}, "ab");
        return std::count(m.ink.begin(), m.ink.end(), 1);
    };
    EXPECT_GT(inkOf(true), inkOf(false));
}

}  // namespace
