// AND/XOR icons and text drawn through a glyph source.
#include <gtest/gtest.h>

#include "platform/raster/icon.h"
#include "platform/raster/text_draw.h"
#include "tests/raster/pattern.h"

namespace {

using rastertest::FromRows;
using rastertest::ToRows;
using Rows = std::vector<std::string>;

TEST(Icon, MaskKeepsTheBackgroundAndColourIsXoredOver) {
    // Left column: opaque red. Middle: see-through black (the background stays).
    // Right: see-through blue, which inverts the background's blue bits.
    const raster::Icon icon = raster::MakeIcon(FromRows({"rkb"}), FromRows({"k.."}));
    raster::Surface s(3, 1, 0x00808080);
    raster::DrawIcon(s, 0, 0, icon);
    EXPECT_EQ(s.Pixel(0, 0), rastertest::kRed);
    EXPECT_EQ(s.Pixel(1, 0), 0x00808080u);
    EXPECT_EQ(s.Pixel(2, 0), 0x007F8080u);
}

TEST(Icon, ClippedAtTheEdgesAndRefusedWhenTheMaskDoesNotFit) {
    const raster::Icon icon = raster::MakeIcon(FromRows({"rr", "rr"}), FromRows({"kk", "kk"}));
    raster::Surface s = FromRows({"...", "..."});
    raster::DrawIcon(s, -1, 1, icon);
    raster::DrawIcon(s, 2, -1, icon);
    EXPECT_EQ(ToRows(s), (Rows{"..r", "r.."}));

    EXPECT_TRUE(raster::MakeIcon(FromRows({"rr"}), FromRows({"k"})).andMask.empty());
    raster::Icon broken = icon;
    broken.andMask.pop_back();
    raster::DrawIcon(s, 0, 0, broken);
    EXPECT_EQ(ToRows(s), (Rows{"..r", "r.."}));
}

// Gives every text the same 3 x 2 mask, whatever the font.
class FixedGlyphs : public raster::GlyphSource {
  public:
    raster::TextMask Render(const raster::FontDescription&, const std::string& text) override {
        lastText = text;
        return mask;
    }
    raster::TextMask mask{3, 2, 2, {1, 0, 1, 0, 1, 0}};
    std::string lastText;
};

TEST(Text, InkTakesExactlyTheColourAndTheRestStays) {
    FixedGlyphs glyphs;
    raster::Surface s = FromRows({"....", "....", "...."});
    const raster::TextExtent e = raster::DrawText(
        s, 1, 1, "ab\xE9", raster::FontDescription{"Terminal", 8}, 0x0000FF, glyphs);
    EXPECT_EQ(e, (raster::TextExtent{3, 2}));
    EXPECT_EQ(glyphs.lastText, "ab\xE9");
    EXPECT_EQ(ToRows(s), (Rows{"....", ".r.r", "..r."}));
}

TEST(Text, ClippedToTheSurfaceAndToTheClipRectangle) {
    FixedGlyphs glyphs;
    raster::Surface s = FromRows({"....", "...."});
    raster::DrawText(s, -1, -1, "x", {}, rastertest::kRed, glyphs);
    EXPECT_EQ(ToRows(s), (Rows{"r...", "...."}));

    raster::Surface t = FromRows({"....", "...."});
    const raster::Rect clip{2, 0, 3, 2};
    raster::DrawText(t, 1, 0, "x", {}, rastertest::kRed, glyphs, &clip);
    EXPECT_EQ(ToRows(t), (Rows{"....", "..r."}));
}

TEST(Text, AMaskThatDoesNotMatchItsSizeDrawsNothing) {
    FixedGlyphs glyphs;
    glyphs.mask.ink.pop_back();
    raster::Surface s = FromRows({"...", "..."});
    raster::DrawText(s, 0, 0, "x", {}, rastertest::kRed, glyphs);
    EXPECT_EQ(ToRows(s), (Rows{"...", "..."}));
}

// The plate covers the cell and one pixel round it, clipped like the text; blank text has none.
TEST(Text, APlateStandsBehindTheTextAndItsClip) {
    FixedGlyphs glyphs;
    raster::Surface s = FromRows({"......", "......", "......", "......"});
    raster::DrawTextOnPlate(s, 1, 1, "x", {}, rastertest::kRed, rastertest::kBlack, glyphs);
    EXPECT_EQ(ToRows(s), (Rows{"kkkkk.", "krkrk.", "kkrkk.", "kkkkk."}));

    raster::Surface t = FromRows({"......", "......", "......", "......"});
    const raster::Rect clip{2, 0, 6, 3};
    raster::DrawTextOnPlate(t, 1, 1, "x", {}, rastertest::kRed, rastertest::kBlack, glyphs, &clip);
    EXPECT_EQ(ToRows(t), (Rows{"..kkk.", "..krk.", "..rkk.", "......"}));

    glyphs.mask.ink.assign(glyphs.mask.ink.size(), 0);
    raster::Surface u = FromRows({"....", "...."});
    raster::DrawTextOnPlate(u, 0, 0, "   ", {}, rastertest::kRed, rastertest::kBlack, glyphs);
    EXPECT_EQ(ToRows(u), (Rows{"....", "...."}));
}

TEST(Text, ThePlateContrastsWithTheTextColour) {
    const raster::Colour light = raster::Rgb(0xD8, 0xD8, 0xD8);
    for (const raster::Colour dark :
         {raster::Rgb(0x40, 0x50, 0x80), raster::Rgb(0, 0, 0), raster::Rgb(0x10, 0x60, 0x40)})
        EXPECT_EQ(raster::ContrastingPlate(dark), light) << std::hex << dark;
    for (const raster::Colour bright :
         {raster::Rgb(0xFF, 0xFF, 0x80), raster::Rgb(0xFF, 0xFF, 0xFF),
          raster::Rgb(0xC0, 0xC0, 0xFF)})
        EXPECT_EQ(raster::ContrastingPlate(bright), 0u) << std::hex << bright;
}

TEST(Text, MeasureGivesTheMaskSize) {
    FixedGlyphs glyphs;
    EXPECT_EQ(raster::MeasureText({}, "abc", glyphs), (raster::TextExtent{3, 2}));
}

}  // namespace
